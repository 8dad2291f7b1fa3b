// The scaled window tests' own main: Qt takes its scale once, when the application starts, so
// each scale the tests look at is a process of its own (QVX_TEST_SCALE, 2 by default).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "Look.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const char* scale = std::getenv("QVX_TEST_SCALE");
    setenv("QT_SCALE_FACTOR", scale ? scale : "2", 1);
    QApplication app(argc, argv);
    qvx::ui::ApplyLook();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
