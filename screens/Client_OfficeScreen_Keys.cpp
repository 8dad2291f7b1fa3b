// The office from the keyboard: the ten main buttons on 1..9 and 0, Space for Play/Pause, F held
// for fast forward. Each key does what a click on its button does, so it refuses exactly where
// the button would (disabled, End turn busy, locked during the playback).
#include <QKeyEvent>
#include <QListWidget>

#include "Client_OfficeScreen.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

// Main button 1..10 of a key, 0 for a key that is none.
int MainButtonOfKey(int key) {
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_0;
    return key == Qt::Key_0 ? 10 : 0;
}

bool CommandModifiers(const QKeyEvent* event) {
    return event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

}  // namespace

QString TForm7::shortcutOf(int button) {
    return button >= 1 && button <= kMainButtonCount ? QString::number(button % 10) : QString();
}

void TForm7::showShortcut(int button) {
    ImageButton* image = m_buttons[button];
    const QString key = shortcutOf(button);
    image->setToolTip(QString("%1 (%2)").arg(image->text(), key));
    const QString description = QString("Shortcut key %1").arg(key);
    image->setAccessibleDescription(description);
    if (auto* twin = findChild<BlindLabel*>(QString("BlindLabel%1").arg(11 + button)))
        twin->setAccessibleDescription(description);
}

bool TForm7::shortcutPressed(QKeyEvent* event) {
    if (CommandModifiers(event)) return false;
    const int key = event->key();
    const int button = MainButtonOfKey(key);
    if (button == 0 && key != Qt::Key_Space && key != Qt::Key_F) return false;
    // A held key must not open its screen again, or answer the question it brought up.
    if (event->isAutoRepeat()) return true;
    if (button != 0) {
        m_buttons[button]->activate();
    } else if (key == Qt::Key_Space) {
        togglePlayback();
    } else {
        m_fastForwardKeyHeld = true;
        playPressed();
    }
    return true;
}

bool TForm7::shortcutReleased(QKeyEvent* event) {
    if (event->key() != Qt::Key_F) return false;
    // Only the release of a press the office saw ends a fast forward: a stray one would
    // restart a playback the player has paused.
    if (event->isAutoRepeat() || !m_fastForwardKeyHeld) return true;
    m_fastForwardKeyHeld = false;
    playReleased();
    return true;
}

void TForm7::togglePlayback() {
    if (playbackRunning()) return pauseClicked();
    // A click on Play, press and release, as its blind twin gives it.
    playPressed();
    playReleased();
}

void TForm7::fastForwardKeyLost() {
    // The release of a held F goes to whatever window took the keyboard: a fast forward that is
    // still running ends as on the release; a playback something else stopped stays stopped.
    if (!m_fastForwardKeyHeld) return;
    m_fastForwardKeyHeld = false;
    if (playbackRunning()) playReleased();
}

void TForm7::keyReleaseEvent(QKeyEvent* event) {
    if (shortcutReleased(event)) return event->accept();
    GameScreen::keyReleaseEvent(event);
}

void TForm7::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) fastForwardKeyLost();
    GameScreen::changeEvent(event);
}

bool TForm7::contactListKey(QObject* watched, QEvent* event) {
    // The contact list keeps its arrows, but the office's keys stay the office's.
    if (watched != m_contactList) return false;
    if (event->type() == QEvent::KeyPress) return shortcutPressed(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyRelease)
        return shortcutReleased(static_cast<QKeyEvent*>(event));
    return false;
}

}  // namespace qvx::ui
