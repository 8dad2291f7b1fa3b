#include "Screenshot.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <algorithm>

#include "Client_TutorialWindow.h"
#include "GameWindows.h"
#include "NewGame.h"
#include "SaveGame.h"
#include "ScreenRegistry.h"
#include "Session.h"

namespace qvx::app {
namespace {

// The tutorial window is a window of its own: when it is up over the screen it is drawn into
// the picture where a 1024 x 768 display shows it, at the top edge.
QString Save(QWidget* screen, const QString& out, QWidget* tutorial) {
    screen->show();
    QImage image = screen->grab().toImage();
    if (tutorial && tutorial->isVisible() && !image.isNull()) {
        // In the screen's own pixels: at --scale the picture holds more pixels than that.
        const int width = qRound(image.deviceIndependentSize().width());
        const int left = std::clamp(tutorial->x(), 0, std::max(0, width - tutorial->width()));
        QPainter painter(&image);
        painter.drawPixmap(QPoint(left, 0), tutorial->grab());
    }
    screen->hide();
    if (image.isNull()) return "the screen could not be drawn";
    if (!image.save(out, "PNG")) return "cannot write " + out;
    return {};
}

// The game the office screens show: slot K as saved, or a fresh "Normal - USA" game.
QString PrepareGame(ui::Session& session, int slot) {
    if (slot >= 0) {
        const Status loaded =
            LoadGameFromSlot(session.game(), session.catalogue(), slot, session.dirs());
        return loaded ? QString() : QString::fromStdString(loaded.message());
    }
    NewGameChoice choice;
    choice.scenario = 1;
    choice.logo = 1;
    const GameStart started = StartNewGame(session.game(), session.catalogue(), session.settings(),
                                           session.rng(), choice, session.dirs());
    return started.started() ? QString() : QString::fromStdString(started.message());
}

// A scratch directory of links to the user directory's files: saving replaces a link by a file
// of its own (saves are written beside and renamed over), so the originals stay as they were.
class ScratchDir {
  public:
    explicit ScratchDir(const std::filesystem::path& data) {
        namespace fs = std::filesystem;
        m_path = fs::temp_directory_path() /
                 ("quovix2-screenshot-" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(m_path);
        fs::create_directories(m_path);
        for (const auto& entry : fs::directory_iterator(data))
            if (entry.is_regular_file())
                fs::create_symlink(fs::absolute(entry.path()), m_path / entry.path().filename());
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    const std::filesystem::path& path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};

QString Render(ui::Session& session, const ScreenshotRequest& request) {
    const Shot* shot = nullptr;
    const ScreenEntry* entry = FindShot(request.screen.toStdString(), &shot);
    GameWindows windows(session);
    // A picture of a game under way has no tutorial over it; the tutorial's own shot starts it.
    windows.tutorial->quit();
    if (shot->needsGame) {
        if (QString problem = PrepareGame(session, request.slot); !problem.isEmpty())
            return problem;
    }
    if (QString problem = shot->prepare(windows, request); !problem.isEmpty()) return problem;
    for (ui::GameScreen* screen : windows.screens)
        if (screen->objectName() == entry->name) return Save(screen, request.out, windows.tutorial);
    return QString("the screen %1 was not made").arg(entry->name);
}

}  // namespace

QStringList ScreenshotNames() {
    QStringList names;
    for (const char* name : ShotNames())
        names << name;
    return names;
}

QString TakeScreenshot(const GameDirs& dirs, uint64_t seed, const ScreenshotRequest& request) {
    if (!ScreenshotNames().contains(request.screen))
        return "unknown screen \"" + request.screen + "\"; known: " + ScreenshotNames().join(", ");
    try {
        ScratchDir scratch(dirs.user);
        ui::Session session(GameDirs(dirs.content, scratch.path()), seed);
        return Render(session, request);
    } catch (const std::filesystem::filesystem_error& e) {
        return QString("cannot prepare a scratch copy of the user directory: ") + e.what();
    }
}

}  // namespace qvx::app
