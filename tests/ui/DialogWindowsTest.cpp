#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>
#include <QTimer>

#include "Client_FMessage1.h"
#include "Client_FMessage2.h"
#include "DisplayMode.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

// These answer the real nested dialogs: the answer is scheduled before the dialog opens.
struct DialogWindowsTest : ::testing::Test {
    UiSession ui;
    ui::TFMessage2 question{ui.session, nullptr};

    void AnswerWith(const char* button) {
        QTimer::singleShot(0, &question, [this, button] {
            QTest::mouseClick(Child(&question, button), Qt::LeftButton);
        });
    }
};

TEST_F(DialogWindowsTest, YesAndNoSetTheAnswerAndPlayTheClick) {
    AnswerWith("Button1ActiveField");
    EXPECT_TRUE(question.ask("Title", "Text"));
    EXPECT_EQ(question.dialogAnswer(), 1);
    AnswerWith("Button2ActiveField");
    EXPECT_FALSE(question.ask("Title", "Text"));
    EXPECT_EQ(question.dialogAnswer(), 2);
    EXPECT_EQ(ui.sounds.Count("click"), 2);
    EXPECT_EQ(TextOf(&question, "Label1"), "Title");
}

TEST_F(DialogWindowsTest, ClosingTheQuestionAnyOtherWayCountsAsNo) {
    AnswerWith("Button1ActiveField");
    question.ask("First", "Yes this time");
    QTimer::singleShot(0, &question, [this] { question.close(); });
    EXPECT_FALSE(question.ask("Second", "Closed"));
    EXPECT_EQ(question.dialogAnswer(), 0);
}

TEST_F(DialogWindowsTest, AModalMessageOverTheStartUpMessageWaitsForThePlayer) {
    ui::TFMessage1 information(ui.session, nullptr);
    information.showInFront("Error", "First");
    ASSERT_TRUE(information.isVisible());
    bool clicked = false;
    QTimer::singleShot(0, &information, [&] {
        EXPECT_EQ(TextOf(&information, "Label1"), "N/A");
        EXPECT_EQ(TextOf(&information, "Label2"), "Second");
        clicked = true;
        QTest::mouseClick(Child(&information, "Button1ActiveField"), Qt::LeftButton);
    });
    information.showModal("N/A", "Second");  // returns only once the player has read it
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(information.isVisible());
}

TEST_F(DialogWindowsTest, TheBlindTwinsAnswerAndPlayTheClickLikeTheButtons) {
    ui.session.setBlindMode(true);
    AnswerWith("BlindButton1");
    EXPECT_TRUE(question.ask("Title", "Text"));
    AnswerWith("BlindButton2");
    EXPECT_FALSE(question.ask("Title", "Text"));
    ui::TFMessage1 information(ui.session, nullptr);
    QTimer::singleShot(0, &information, [&information] {
        QTest::mouseClick(Child(&information, "BlindButton1"), Qt::LeftButton);
    });
    information.showModal("Info", "Read me");
    EXPECT_FALSE(information.isVisible());
    EXPECT_EQ(ui.sounds.Count("click"), 3);
}

TEST_F(DialogWindowsTest, AButtonLitWhenItsWindowHidesIsDarkWhenTheWindowReturns) {
    ui::TFMessage1 information(ui.session, nullptr);
    information.showInFront("Info", "First");
    auto* button = information.findChild<ui::ImageButton*>("Button1ActiveField");
    ASSERT_NE(button, nullptr);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
    ASSERT_TRUE(button->isHovered());
    information.hide();  // no leave event reaches the button
    information.showInFront("Info", "Second");
    EXPECT_FALSE(button->isHovered());
    information.hide();
}

TEST(BlindLabelTest, TheAccessibleNameFollowsTheText) {
    UiSession ui;
    QWidget parent;
    ui::BlindLabel label(ui.session, &parent, "BlindLabel1", "Now broadcasting: Nothing", {});
    EXPECT_EQ(label.accessibleName(), "Now broadcasting: Nothing");
    label.setText("Turn music && SFX off");
    EXPECT_EQ(label.text(), "Turn music & SFX off");
    EXPECT_EQ(label.accessibleName(), label.text());
}

TEST(DisplayModeTest, RequestedModeFollowsTheDesktopWidth) {
    EXPECT_EQ(ui::RequestedDisplayMode(1440), QSize(1440, 900));
    EXPECT_EQ(ui::RequestedDisplayMode(1439), QSize(1024, 768));
    EXPECT_EQ(ui::RequestedDisplayMode(1920), QSize(1440, 900));
}

TEST(DisplayModeTest, TheCanvasIsScaledToTheLargestSizeTheScreenHolds) {
    struct Case {
        QSize screen, canvas;
        double scale;
        bool fits;
    };
    const Case cases[] = {
        {{1024, 768}, {1024, 768}, 1.0, true},
        {{1280, 800}, {1024, 768}, 800.0 / 768, true},  // the height decides
        {{1366, 768}, {1024, 768}, 1.0, true},
        {{1440, 900}, {1440, 900}, 1.0, true},
        {{1600, 1000}, {1440, 900}, 1600.0 / 1440, true},  // between two sizes
        {{1920, 1080}, {1440, 900}, 1.2, true},
        {{1920, 1200}, {1440, 900}, 1920.0 / 1440, true},
        {{2560, 1440}, {1440, 900}, 1.6, true},
        {{3840, 2160}, {1440, 900}, 2.4, true},
        // Wide enough for 1440 x 900 but too short: the small canvas, not a shrunk large one.
        {{1440, 800}, {1024, 768}, 800.0 / 768, true},
        {{800, 600}, {1024, 768}, 1.0, false},
        {{1023, 768}, {1024, 768}, 1.0, false},
    };
    for (const Case& c : cases) {
        const ui::CanvasFit fit = ui::FitCanvas(c.screen);
        SCOPED_TRACE(QString("%1 x %2").arg(c.screen.width()).arg(c.screen.height()).toStdString());
        EXPECT_EQ(fit.canvas, c.canvas);
        EXPECT_DOUBLE_EQ(fit.scale, c.scale);
        EXPECT_EQ(fit.fits, c.fits);
        // What the scale makes of the screen always holds the canvas whole.
        if (fit.fits) {
            EXPECT_LE(fit.canvas.width() * fit.scale, c.screen.width() + 1e-9);
            EXPECT_LE(fit.canvas.height() * fit.scale, c.screen.height() + 1e-9);
        }
    }
}

TEST(DisplayModeTest, TheCanvasSitsInTheMiddleOfTheScreen) {
    // 1920 x 1080 at 1.2 is 1600 x 900 of the game's pixels: bars of 80 on either side.
    EXPECT_EQ(ui::CenteredCanvas({1440, 900}, {1600, 900}), QRect(80, 0, 1440, 900));
    EXPECT_EQ(ui::CenteredCanvas({1024, 768}, {1229, 768}), QRect(102, 0, 1024, 768));
    ui::DisplayMode mode;
    ASSERT_TRUE(mode.Set(nullptr, {1440, 900}, {1600, 900}));
    EXPECT_EQ(mode.canvasRect(), QRect(80, 0, 1440, 900));
    mode.setWindowed(true);
    ASSERT_TRUE(mode.Set(nullptr, {1440, 900}, {1600, 900}));
    EXPECT_EQ(mode.canvasRect(), QRect(0, 0, 1440, 900)) << "a window is the canvas itself";
}

TEST(DisplayModeTest, FailsOnlyBelowTheSmallestCanvasAndRestoresTheDesktop) {
    ui::DisplayMode mode;
    EXPECT_TRUE(mode.Set(nullptr, {1024, 768}, {1024, 768}));
    EXPECT_FALSE(mode.Set(nullptr, {1024, 768}, {1000, 768}));
    EXPECT_TRUE(mode.Set(nullptr, {1440, 900}, {1920, 1080}));
    EXPECT_EQ(mode.canvas(), QSize(1440, 900));
    mode.Restore();
    EXPECT_EQ(mode.canvas(), QSize(1920, 1080));
    EXPECT_EQ(mode.desktop(), QSize(1920, 1080));
}

}  // namespace
}  // namespace qvx::test
