// The window tests' own main: test discovery runs this binary outside ctest's environment, so
// the offscreen platform is chosen here, and one QApplication serves every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "Look.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    qvx::ui::ApplyLook();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
