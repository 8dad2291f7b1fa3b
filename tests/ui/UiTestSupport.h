#pragma once
// What the window tests share: a session on a fresh data directory, a scripted dialog service
// that records every message and answers from a queue, and a recorder of requested sounds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "DialogService.h"
#include "Session.h"
#include "Sounds.h"

namespace qvx::test {

struct ShownDialog {
    std::string kind;  // "inform" or "ask"
    std::string title;
    std::string text;
};

class ScriptedDialogs : public ui::DialogService {
  public:
    void Inform(const QString& title, const QString& text) override {
        shown.push_back({"inform", title.toStdString(), text.toStdString()});
        if (whenShown) whenShown();
    }
    bool Ask(const QString& title, const QString& text) override {
        shown.push_back({"ask", title.toStdString(), text.toStdString()});
        if (answers.empty()) {
            // A test that did not expect a question must not pass on a silent No.
            ADD_FAILURE() << "unscripted question: " << title.toStdString() << " / "
                          << text.toStdString();
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const auto& d : shown)
            titles.push_back(d.title);
        return titles;
    }
    std::deque<bool> answers;
    std::vector<ShownDialog> shown;
    std::function<void()> whenShown;  // looks at the screen while a message is up
};

class RecordingSounds : public ui::Sounds {
  public:
    void PlayClick() override { played.push_back("click"); }
    void PlayFanfare() override { played.push_back("fanfare"); }
    void PlayPayment() override { played.push_back("payment"); }
    void PlayGenreCue(int genre) override { played.push_back("genre" + std::to_string(genre)); }
    void PlayNewsCue() override { played.push_back("news"); }
    void PlayFastForward() override { played.push_back("fastforward"); }
    void StopCue() override { played.push_back("stopcue"); }
    void StopMusic() override { played.push_back("stopmusic"); }
    void RestartMusic() override { played.push_back("restartmusic"); }
    void PlayWinningMusic() override { played.push_back("winningmusic"); }
    int Count(const std::string& sound) const {
        int n = 0;
        for (const auto& p : played)
            n += p == sound;
        return n;
    }
    std::vector<std::string> played;
};

// The game's data directory as the build generated it (catalogues, pictures, settings).
std::filesystem::path GeneratedGameDir();

// A private copy of the generated data directory, removed at the end of the test.
class UiFixtureDir {
  public:
    UiFixtureDir();
    ~UiFixtureDir();
    const std::filesystem::path& path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};

// A session on a private data directory with scripted dialogs and recorded sounds.
struct UiSession {
    UiSession(uint64_t seed = 1);
    ~UiSession();
    // A "Normal - USA" game for "Night Owl TV" in its first planning phase, as the start screen
    // makes it; false when the generated catalogue could not be read.
    bool startGame();
    UiFixtureDir dir;
    ScriptedDialogs dialogs;
    RecordingSounds sounds;
    ui::Session session;
};

template <typename T = QLabel>
T* Child(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

// Label text of a named child, "" when missing.
std::string TextOf(QWidget* parent, const char* name);

// True when the picture has more than one colour.
bool IsNotBlank(const QImage& image);

// Drops what the drag source `from` holds onto `to`, as the player's drag would end there: the
// drag enters `to`, then is let go. False when `from` is an empty place or `to` refuses it.
bool Drop(QWidget* from, QWidget* to);

}  // namespace qvx::test
