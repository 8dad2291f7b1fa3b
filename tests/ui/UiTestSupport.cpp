#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QImage>
#include <QMimeData>
#include <atomic>
#include <cstdlib>

#include "DragDrop.h"
#include "NewGame.h"
#include "Pictures.h"

namespace qvx::test {

std::filesystem::path GeneratedGameDir() {
    return QVX_GAME_DIR;
}

UiFixtureDir::UiFixtureDir() {
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("qvx-ui-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
    for (const auto& entry : std::filesystem::directory_iterator(GeneratedGameDir())) {
        const auto name = entry.path().filename().string();
        if (name.rfind("QVX2_SAVEGAME_", 0) == 0 || name == "SaveGameData.str") continue;
        std::filesystem::copy(entry.path(), m_path / name);
    }
}

UiFixtureDir::~UiFixtureDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

UiSession::UiSession(uint64_t seed) : session(dir.path(), seed) {
    ui::Pictures::SetDirectory(dir.path());
    session.setDialogs(&dialogs);
    session.setSounds(&sounds);
}

bool UiSession::startGame() {
    NewGameChoice choice;
    choice.name = "Night Owl TV";
    return bool(StartNewGame(session.game(), session.catalogue(), session.settings(), session.rng(),
                             choice, dir.path()));
}

UiSession::~UiSession() {
    session.setDialogs(nullptr);
    session.setSounds(nullptr);
}

std::string TextOf(QWidget* parent, const char* name) {
    auto* label = Child(parent, name);
    return label ? label->text().toStdString() : std::string();
}

bool IsNotBlank(const QImage& image) {
    if (image.isNull()) return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (image.pixel(x, y) != first) return true;
    return false;
}

bool Drop(QWidget* from, QWidget* to) {
    const ui::DragSource* source = ui::FindDragSource(from);
    if (!source) {
        ADD_FAILURE() << from->objectName().toStdString() << " is not a drag source";
        return false;
    }
    const std::unique_ptr<QMimeData> data = source->dragData();
    if (!data) return false;
    const QPoint centre = to->rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(to, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(centre), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(to, &drop);
    return drop.isAccepted();
}

}  // namespace qvx::test
