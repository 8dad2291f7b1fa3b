#include "Session.h"

#include <QFileInfo>
#include <QProcess>

#include "Client_TutorialWindow.h"
#include "DialogService.h"
#include "Sounds.h"

namespace qvx::ui {

Session::Session(GameDirs dirs, uint64_t seed)
    : m_dirs(std::move(dirs)),
      m_game(std::make_unique<GameState>()),
      m_catalogue(std::make_unique<Catalogue>()),
      m_rng(seed),
      m_silentDialogs(std::make_unique<SilentDialogs>()),
      m_silentSounds(std::make_unique<Sounds>()),
      m_dialogs(m_silentDialogs.get()),
      m_sounds(m_silentSounds.get()) {
    openUrl = [this](const QUrl& url) { openInBrowser(url); };
}

Session::~Session() = default;

void Session::setDialogs(DialogService* dialogs) {
    m_dialogs = dialogs ? dialogs : m_silentDialogs.get();
}

void Session::setSounds(Sounds* sounds) {
    m_sounds = sounds ? sounds : m_silentSounds.get();
}

void Session::setTutorial(TForm28* tutorial) {
    m_tutorial = tutorial;
    if (tutorial)
        leaveTutorialStep = [tutorial](int step) { tutorial->leaveStep(step); };
    else
        leaveTutorialStep = nullptr;
}

QUrl ManualUrl(const QString& path, const QString& section) {
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (!section.isEmpty()) url.setFragment(section);
    return url;
}

void Session::openManual(const QString& section) {
    const QString path = manualPath ? manualPath() : QString();
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        dialogs().Inform("Error", kManualNotOpened);
        return;
    }
    if (openUrl) openUrl(ManualUrl(path, section));
}

void Session::openInBrowser(const QUrl& url) {
    const auto fail = [this] { dialogs().Inform("Error", kManualNotOpened); };
    // xdg-open tells a missing browser only by its exit status, which QDesktopServices never
    // reads: run it ourselves and answer when it ends, without holding up the screen.
    auto* opener = new QProcess(this);
    connect(opener, &QProcess::finished, this,
            [opener, fail](int code, QProcess::ExitStatus status) {
                opener->deleteLater();
                if (status != QProcess::NormalExit || code != 0) fail();
            });
    connect(opener, &QProcess::errorOccurred, this, [opener, fail](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        opener->deleteLater();
        fail();
    });
    opener->start("xdg-open", {url.toString()});
}

void Session::setBlindMode(bool on) {
    if (m_blindMode == on) return;
    m_blindMode = on;
    emit blindModeChanged(on);
}

}  // namespace qvx::ui
