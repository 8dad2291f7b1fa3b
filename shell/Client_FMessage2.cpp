#include "Client_FMessage2.h"

#include "ScreenKit.h"
#include "Widgets.h"

namespace qvx::ui {

TFMessage2::TFMessage2(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TFMessage2", "QVX2_bg_dialog.jpg", {520, 280}) {
    m_title = MakeLabel(this, "Label1", "", {24, 18, 472, 32}, 15, true);
    m_text = MakeLabel(this, "Label2", "", {24, 58, 472, 150}, 11);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setDefaultButton(ButtonWithTwin(
        *this, this,
        {"Button1", "Yes", {95, 218, 150, 36}, "BlindButton1", {24, 190, 60, 22}, true},
        [this] { answer(1); }));
    // Escape is a No said with a key; the window's close command stays no answer at all.
    setEscapeButton(
        ButtonWithTwin(
            *this, this,
            {"Button2", "No", {275, 218, 150, 36}, "BlindButton2", {436, 190, 60, 22}, true},
            [this] { answer(2); }),
        false);
    setManualSection(kDialogManualSection);
}

bool TFMessage2::ask(const QString& title, const QString& text) {
    m_answer = 0;
    m_title->setText(title);
    m_text->setText(text);
    setAccessibleName(title);
    setAccessibleDescription(text);
    takeManualSectionFromScreenBeneath();
    run();
    return m_answer == 1;
}

void TFMessage2::answer(int value) {
    m_answer = value;
    accept();
}

}  // namespace qvx::ui
