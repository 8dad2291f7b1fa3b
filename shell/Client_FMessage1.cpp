#include "Client_FMessage1.h"

#include <QEvent>
#include <QTimer>

#include "ScreenKit.h"
#include "Widgets.h"

namespace qvx::ui {

TFMessage1::TFMessage1(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TFMessage1", "QVX2_bg_dialog.jpg", {520, 280}) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    m_title = MakeLabel(this, "Label1", "", {24, 18, 472, 32}, 15, true);
    m_text = MakeLabel(this, "Label2", "", {24, 58, 472, 150}, 11);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImageButton* next = ButtonWithTwin(
        *this, this,
        {"Button1", "Continue", {185, 218, 150, 36}, "BlindButton1", {24, 226, 120, 22}, true},
        [this] { accept(); });
    setDefaultButton(next);
    setEscapeButton(next);
    setManualSection(kDialogManualSection);
}

void TFMessage1::setTexts(const QString& title, const QString& text) {
    m_title->setText(title);
    m_text->setText(text);
    setAccessibleName(title);
    setAccessibleDescription(text);
}

void TFMessage1::showModal(const QString& title, const QString& text) {
    setTexts(title, text);
    // The start-up message is up without a modal loop of its own, but this caller must wait for
    // the player: the message it now shows becomes modal in place.
    if (isVisible() && !isModal()) hide();
    if (isVisible()) return;  // already in its modal loop: never stack a second display
    takeManualSectionFromScreenBeneath();
    run();
}

void TFMessage1::showInFront(const QString& title, const QString& text) {
    setTexts(title, text);
    if (!isVisible()) {
        takeManualSectionFromScreenBeneath();
        setModal(false);
        move(CentreOnCanvas());
        show();
    }
    raise();
    activateWindow();
}

void TFMessage1::changeEvent(QEvent* event) {
    // The information dialog stays in front while it is up.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) raise();
        });
    GameScreen::changeEvent(event);
}

}  // namespace qvx::ui
