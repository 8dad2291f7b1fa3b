#include "Look.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "ScreenKit.h"

namespace qvx::ui {

void ApplyLook() {
    for (const char* file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                             "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"})
        QFontDatabase::addApplicationFont(file);
    QFont font("DejaVu Sans");
    font.setPointSize(11);
    QApplication::setFont(font);
    using namespace palette;
    qApp->setStyleSheet(
        QString("QLabel { color: %1; }"
                "QLineEdit, QComboBox, QListWidget, QTextBrowser, QPlainTextEdit {"
                "  background: %2; color: %1; border: 1px solid %3; border-radius: 4px;"
                "  selection-background-color: %4; selection-color: %5; }"
                "QComboBox QAbstractItemView { background: %2; color: %1; }"
                "QToolTip { background: %2; color: %1; border: 1px solid %4; padding: 4px; }")
            .arg(kText, kPanel, kLine, kAccent, kNight));
}

}  // namespace qvx::ui
