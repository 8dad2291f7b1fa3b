#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include "ScreenRegistry.h"
#include "UiTestSupport.h"

namespace qvx::test {
namespace {

// Runs the real program as a player or a test would, in a private copy of the game data.
int RunScreenshot(const UiFixtureDir& dir, const QStringList& args, QString* errors = nullptr) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(dir.path().string()));
    process.start(QVX_QUOVIX2_EXE, QStringList{"--screenshot"} + args);
    if (!process.waitForFinished(60000)) return -1;
    if (errors) *errors = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitCode();
}

// Pixels of the picture cache's stand-in for a missing file (its dark magenta).
int PlaceholderPixels(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            n += rgb.pixel(x, y) == qRgb(120, 0, 120);
    return n;
}

class ScreenshotTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ScreenshotTest, EveryScreenRendersAFullPictureAndLeavesTheSavesAlone) {
    UiFixtureDir dir;
    const QString out = QString::fromStdString((dir.path() / "shot.png").string());
    QString errors;
    ASSERT_EQ(RunScreenshot(dir, {GetParam(), out}, &errors), 0);
    const QImage image(out);
    EXPECT_EQ(image.size(), QSize(1024, 768));
    EXPECT_TRUE(IsNotBlank(image));
    // A missing picture is drawn as the placeholder and named on stderr; neither may happen.
    EXPECT_EQ(PlaceholderPixels(image), 0);
    EXPECT_FALSE(errors.contains("Picture ")) << errors.toStdString();
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
