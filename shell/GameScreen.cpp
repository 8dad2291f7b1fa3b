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

void GameScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (TForm28* tutorial = m_session.tutorial()) tutorial->screenBecameActive(this);
}

bool GameScreen::anotherModalIsOpen() const {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != this;
}

}  // namespace qvx::ui
