#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include "ScreenRegistry.h"
#include "UiTestSupport.h"

namespace qvx::test {
namespace {

// Runs the real program as a player or a test would, in a private copy of the game data.
int RunScreenshot(const UiFixtureDir& dir, const QStringList& args) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(dir.path().string()));
    process.start(QVX_QUOVIX2_EXE, QStringList{"--screenshot"} + args);
    if (!process.waitForFinished(60000)) return -1;
    return process.exitCode();
}

class ScreenshotTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ScreenshotTest, EveryScreenRendersAFullPictureAndLeavesTheSavesAlone) {
    UiFixtureDir dir;
    const QString out = QString::fromStdString((dir.path() / "shot.png").string());
    ASSERT_EQ(RunScreenshot(dir, {GetParam(), out}), 0);
    const QImage image(out);
    EXPECT_EQ(image.size(), QSize(1024, 768));
    EXPECT_TRUE(IsNotBlank(image));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "QVX2_SAVEGAME_0.int"));
}

// Every shot of the screen registry, so a screen added there is rendered here too.
INSTANTIATE_TEST_SUITE_P(Screens, ScreenshotTest, ::testing::ValuesIn(app::ShotNames()));

TEST(ScreenshotErrorsTest, UnknownScreenAndMissingSlotFailWithAReason) {
    UiFixtureDir dir;
    EXPECT_EQ(RunScreenshot(dir, {"nonsense", "x.png"}), 1);
    EXPECT_EQ(RunScreenshot(dir, {"office", "x.png", "--slot", "4"}), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.png"));
}

}  // namespace
}  // namespace qvx::test
