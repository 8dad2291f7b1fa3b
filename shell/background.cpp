#include "background.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>

#include "Client_StartScreen.h"
#include "Client_TutorialWindow.h"
#include "DialogService.h"
#include "Pictures.h"
#include "Session.h"
#include "Sounds.h"
#include "StartScreenTexts.h"
#include "Widgets.h"

namespace qvx::ui {

TFbackground::TFbackground(Session& session)
    : QWidget(nullptr, Qt::FramelessWindowHint), m_session(session) {
    setObjectName("TFbackground");
    setWindowTitle("Quovix 2");
    // A palette, not a style sheet: a sheet here would cascade into every screen it owns.
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    m_picture = new PictureLabel(this, "Image1");
    m_picture->hide();
}

void TFbackground::resizeEvent(QResizeEvent*) {
    layOutCanvas();
}

void TFbackground::layOutCanvas() {
    // Until start-up has chosen the canvas the window is plain black.
    if (m_displayMode.canvas().isEmpty()) return;
    m_picture->setGeometry(m_displayMode.canvasRect());
    m_picture->setPicture("QVX2_background.jpg");
    m_picture->show();
}

void TFbackground::Startup(QSize screen, QSize canvas) {
    const QSize mode = canvas.isValid() ? canvas : RequestedDisplayMode(screen.width());
    const bool modeSet = m_displayMode.Set(this, mode, screen);
    layOutCanvas();
    m_session.setCanvas(this, m_displayMode.canvasRect());
    if (m_startScreen) m_startScreen->addVersionLine(kVersionLine);
    m_session.setBlindMode(false);

    SettingsLoad loaded = LoadSettings(m_session.userDir());
    if (!loaded.repaired.empty()) std::fprintf(stderr, "%s\n", loaded.repaired.c_str());
    m_session.settings() = std::move(loaded.settings);
    m_session.settings().StartCounter += 1;

    if (TForm28* tutorial = m_session.tutorial()) {
        // At the canvas's top right once the game has its mode; at the left edge otherwise.
        const QRect onScreen = m_session.canvasOnScreen();
        tutorial->setHome(modeSet ? QPoint(onScreen.right() + 1 - tutorial->width(), onScreen.top())
                                  : QPoint(0, 0));
        tutorial->move(tutorial->home());
        tutorial->begin();
    }

    m_session.sounds().StartTimers();
    m_session.musicEnabled = true;
    m_session.soundEffectsEnabled = true;

    if (!modeSet) {
        // Said once the start screen is up, so the message stays in front of it.
        QTimer::singleShot(0, this, [this] {
            m_session.dialogs().InformLater(kDisplayModeErrorTitle, kDisplayModeErrorText);
        });
    }
    if (m_startScreen) m_startScreen->run();
    Shutdown();
}

void TFbackground::Shutdown() {
    // The program is ending: no window may come up now, so a failed write is told on stderr,
    // once, and the display is restored whatever the file did.
    if (Status saved = SaveSettings(m_session.settings(), m_session.userDir()); !saved) {
        const std::string file = (m_session.userDir() / kSettingsFileName).string();
        std::fprintf(stderr,
                     "Quovix 2: the settings file %s was not written at exit (%s); this run's "
                     "slot captions and advantage deck are lost.\n",
                     file.c_str(), saved.message().c_str());
    }
    m_displayMode.Restore();
    close();
}

}  // namespace qvx::ui
