#include "GameScreen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

#include "Client_TutorialWindow.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Widgets.h"

namespace qvx::ui {

GameScreen::GameScreen(Session& session, QWidget* parent, const QString& objectName,
                       const QString& background, QSize size)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), m_session(session) {
    setObjectName(objectName);
    setWindowTitle("Quovix 2");
    setFixedSize(size);
    setModal(true);
    setStyleSheet(QString("QDialog { background: %1; }").arg(palette::kNight));
    m_background = new PictureLabel(this, "Background", rect());
    m_background->setPicture(background);
    m_background->lower();
}

int GameScreen::run() {
    move(CentreOnCanvas());
    return exec();
}

QPoint GameScreen::CentreOnCanvas() const {
    const QRect canvas = m_session.canvasOnScreen();
    if (!canvas.isEmpty()) return canvas.center() - rect().center();
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().center() - rect().center() : pos();
}

QString GameScreen::manualSection() const {
    return m_sectionBeneath.isEmpty() ? m_manualSection : m_sectionBeneath;
}

void GameScreen::takeManualSectionFromScreenBeneath() {
    // Taken as text, not as the screen: two dialogs that came up over each other at different
    // times must not send F1 round between them.
    auto* beneath = qobject_cast<GameScreen*>(QApplication::activeModalWidget());
    m_sectionBeneath = beneath && beneath != this ? beneath->manualSection() : QString();
}

void GameScreen::setEscapeButton(ImageButton* button, bool alsoOnWindowClose) {
    m_escapeButton = button;
    m_escapeOnWindowClose = alsoOnWindowClose;
}

void GameScreen::addPanelEscapeButton(ImageButton* button) {
    m_panelEscapeButtons.push_back(button);
}

void GameScreen::setDefaultButton(ImageButton* button) {
    m_defaultButton = button;
}

bool GameScreen::pressEscapeButton() {
    for (ImageButton* button : m_panelEscapeButtons)
        if (button->isVisibleTo(this)) return button->activate();
    return m_escapeButton && m_escapeButton->activate();
}

void GameScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (TForm28* tutorial = m_session.tutorial()) tutorial->screenBecameActive(this);
}

void GameScreen::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // A held key repeats: it must not answer the question that its first press brought up.
    const bool handled = key == Qt::Key_F1 || (key == Qt::Key_Escape && m_escapeButton) ||
                         ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_defaultButton);
    if (!handled) return QDialog::keyPressEvent(event);
    event->accept();
    if (event->isAutoRepeat()) return;
    if (key == Qt::Key_F1)
        m_session.openManual(manualSection());
    else if (key == Qt::Key_Escape)
        pressEscapeButton();
    else
        m_defaultButton->activate();
}

void GameScreen::reject() {
    if (!m_escapeButton || !m_escapeOnWindowClose || m_closingByButton) return QDialog::reject();
    m_closingByButton = true;
    m_escapeButton->activate();
    m_closingByButton = false;
}

bool GameScreen::anotherModalIsOpen() const {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != this;
}

}  // namespace qvx::ui
