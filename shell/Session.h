#pragma once
// The process-wide game of the window program: the one game state, its catalogue, the player's
// settings file, the game's random generator and the switches that are not stored. Screens take
// the session they work on; the program owns one, tests make their own.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "Catalogue.h"
#include "GameDirs.h"
#include "GameState.h"
#include "Rng.h"
#include "Settings.h"

namespace qvx::ui {

class DialogService;
class Sounds;
class TForm28;

inline constexpr const char* kManualNotOpened =
    "The game's manual could not be opened in your web browser.";

// The manual's address: file:///.../manual.html, with #section when one is given.
QUrl ManualUrl(const QString& path, const QString& section);

class Session : public QObject {
    Q_OBJECT
  public:
    Session(GameDirs dirs, uint64_t seed);
    ~Session() override;

    GameState& game() { return *m_game; }
    // A loaded game arrives as a fresh state; the old one is dropped only once the new is whole.
    void replaceGame(std::unique_ptr<GameState> game) { m_game = std::move(game); }
    Catalogue& catalogue() { return *m_catalogue; }
    Settings& settings() { return m_settings; }
    const Boosters& deck() const { return m_settings.Deck; }
    Rng& rng() { return m_rng; }
    const GameDirs& dirs() const { return m_dirs; }
    // Catalogues, pictures, sounds and the manual: read, never written.
    const std::filesystem::path& contentDir() const { return m_dirs.content; }
    // Save slots, the settings file and the highscores.
    const std::filesystem::path& userDir() const { return m_dirs.user; }

    DialogService& dialogs() { return *m_dialogs; }
    void setDialogs(DialogService* dialogs);
    Sounds& sounds() { return *m_sounds; }
    void setSounds(Sounds* sounds);

    bool blindMode() const { return m_blindMode; }
    void setBlindMode(bool on);
    // The tutorial's LeaveStep(N): the screens' tutorial hooks call it through tutorialHook,
    // which does nothing while no tutorial is installed.
    std::function<void(int step)> leaveTutorialStep;
    void tutorialHook(int step) {
        if (leaveTutorialStep) leaveTutorialStep(step);
    }
    // The tutorial window, or null in a session that runs without one (most window tests).
    // Installing it makes the hooks real.
    TForm28* tutorial() const { return m_tutorial; }
    void setTutorial(TForm28* tutorial);
    // The game's canvas: a rectangle of the window that carries it (the background window).
    // Every screen is centred on it; without one (most window tests) on the screen's centre.
    void setCanvas(QWidget* host, QRect rect) {
        m_canvasHost = host;
        m_canvasRect = rect;
    }
    // The canvas in screen coordinates, or an empty rectangle when there is none.
    QRect canvasOnScreen() const {
        if (!m_canvasHost) return {};
        return m_canvasRect.translated(m_canvasHost->geometry().topLeft());
    }
    bool musicEnabled = true;
    bool soundEffectsEnabled = true;

    // Where the program found the manual (manual.html); empty when it has none.
    std::function<QString()> manualPath;
    // Hands an address to the desktop's browser; tests put a recorder here. The program's own
    // tells the player when no browser took it.
    std::function<void(const QUrl&)> openUrl;
    // F1 and the start screen's "Visit our website": the manual at a section (an anchor of
    // manual.html; empty for its top), or a message when there is no manual to open.
    void openManual(const QString& section);

  signals:
    // Every blind-mode text twin that follows the switch listens to this.
    void blindModeChanged(bool on);
    // A key other than Escape and the modifiers, typed while the tutorial window has the focus:
    // the office's audience pop-up gives way to it.
    void keyInTutorialWindow();

  private:
    void openInBrowser(const QUrl& url);

    GameDirs m_dirs;
    std::unique_ptr<GameState> m_game;
    std::unique_ptr<Catalogue> m_catalogue;
    Settings m_settings;
    Rng m_rng;
    std::unique_ptr<DialogService> m_silentDialogs;
    std::unique_ptr<Sounds> m_silentSounds;
    DialogService* m_dialogs;
    Sounds* m_sounds;
    bool m_blindMode = false;
    TForm28* m_tutorial = nullptr;
    QPointer<QWidget> m_canvasHost;
    QRect m_canvasRect;
};

}  // namespace qvx::ui
