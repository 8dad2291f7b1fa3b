#include "Look.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace qvx::ui {

void ApplyLook() {
    for (const char* file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                             "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"})
        QFontDatabase::addApplicationFont(file);
    QFont font("DejaVu Sans");
    font.setPointSize(11);
    QApplication::setFont(font);
    qApp->setStyleSheet(
        "QLabel { color: white; }"
        "QLineEdit, QComboBox, QListWidget, QTextBrowser, QPlainTextEdit {"
        "  background: #1b263b; color: white; border: 1px solid #415a77; border-radius: 4px;"
        "  selection-background-color: #ffb703; selection-color: #0d1b2a; }"
        "QComboBox QAbstractItemView { background: #1b263b; color: white; }"
        "QFrame#Panel { background: #1b263b; border: 1px solid #778da9; border-radius: 8px; }");
}

}  // namespace qvx::ui
