#include "GameScreen.h"

#include <QApplication>
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
    // Centred on the screen, where the full-screen background is: the background's own
    // geometry may not have caught up with its full-screen request yet.
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) move(screen->geometry().center() - rect().center());
    return exec();
}

void GameScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (TForm28* tutorial = m_session.tutorial()) tutorial->screenBecameActive(this);
}

bool GameScreen::anotherModalIsOpen() const {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != this;
}

}  // namespace qvx::ui
