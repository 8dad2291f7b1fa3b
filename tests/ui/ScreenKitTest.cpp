#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPixmap>
#include <QTest>

#include "Act.h"
#include "DragDrop.h"
#include "GameScreen.h"
#include "ScreenKit.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

using ui::Act;
using ui::ActSteps;

// The order the steps ran in, as the tests read it.
struct Trace {
    std::vector<std::string> steps;
    ActSteps Steps(Dialog refusal, Dialog question, Dialog message) {
        return {[this, refusal] {
                    steps.push_back("check");
                    return refusal;
                },
                [this, question] {
                    steps.push_back("question");
                    return question;
                },
                [this, message] {
                    steps.push_back("apply");
                    return message;
                }};
    }
    std::function<void()> Redraw() {
        return [this] { steps.push_back("redraw"); };
    }
};

TEST(Act, ARefusalIsShownAndNothingIsAskedAppliedOrRedrawn) {
    ScriptedDialogs dialogs;
    Trace trace;
    EXPECT_FALSE(
        Act(dialogs, trace.Steps({"N/A", "No money."}, {"Buy", "Sure?"}, {}), trace.Redraw()));
    EXPECT_EQ(trace.steps, (std::vector<std::string>{"check"}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "inform");
    EXPECT_EQ(dialogs.shown[0].text, "No money.");
}

TEST(Act, AnyAnswerButYesStopsBeforeTheActionAndYesGoesOnToRedrawAndMessage) {
    ScriptedDialogs dialogs;
    Trace no;
    dialogs.answers = {false};
    EXPECT_FALSE(Act(dialogs, no.Steps({}, {"Buy", "Sure?"}, {"Bought", "Done."}), no.Redraw()));
    EXPECT_EQ(no.steps, (std::vector<std::string>{"check", "question"}));

    Trace yes;
    dialogs.shown.clear();
    dialogs.answers = {true};
    std::vector<std::string> seenAtRedraw;
    EXPECT_TRUE(Act(dialogs, yes.Steps({}, {"Buy", "Sure?"}, {"Bought", "Done."}), [&] {
        seenAtRedraw = dialogs.Titles();
        yes.steps.push_back("redraw");
    }));
    EXPECT_EQ(yes.steps, (std::vector<std::string>{"check", "question", "apply", "redraw"}));
    // The screen shows the outcome before the message stands over it.
    EXPECT_EQ(seenAtRedraw, (std::vector<std::string>{"Buy"}));
    EXPECT_EQ(dialogs.Titles(), (std::vector<std::string>{"Buy", "Bought"}));
}

TEST(Act, AnEmptyQuestionOrMessageShowsNothingButTheActionStillRuns) {
    ScriptedDialogs dialogs;
    Trace trace;
    EXPECT_TRUE(Act(dialogs, trace.Steps({}, {}, {}), trace.Redraw()));
    EXPECT_EQ(trace.steps, (std::vector<std::string>{"check", "question", "apply", "redraw"}));
    EXPECT_TRUE(dialogs.shown.empty());

    // An action without a check or a question: a plain move, for example.
    int applied = 0;
    EXPECT_TRUE(Act(dialogs,
                    {{},
                     {},
                     [&] {
                         ++applied;
                         return Dialog{};
                     }},
                    {}));
    EXPECT_EQ(applied, 1);
}

// Two places of a screen: a holder that may be empty and a target that may refuse.
struct DragBench {
    UiSession ui;
    ui::GameScreen screen{ui.session, nullptr, "TFormTest", QString()};
    ui::PictureLabel* holder = new ui::PictureLabel(&screen, "Holder", {10, 10, 80, 60});
    ui::PictureLabel* target = new ui::PictureLabel(&screen, "Target", {200, 10, 80, 60});
    bool holding = true;
    bool refuse = false;
    std::vector<std::pair<int, int>> drops;
    ui::DropArea* area;

    DragBench() {
        new ui::DragSource(holder, -7, [this] {
            if (!holding) return QPixmap();
            QPixmap picture(80, 60);
            picture.fill(Qt::red);
            return picture;
        });
        area = new ui::DropArea(
            target, 3, [this](int from, int to) { drops.emplace_back(from, to); },
            [this](int) { return !refuse; });
    }
};

TEST(DragDrop, ADropCallsTheAreaWithBothCodesAndAnEmptyPlaceOrARefusalDoesNothing) {
    DragBench bench;
    EXPECT_TRUE(Drop(bench.holder, bench.target));
    EXPECT_EQ(bench.drops, (std::vector<std::pair<int, int>>{{-7, 3}}));
    EXPECT_FALSE(bench.area->highlighted());

    bench.holding = false;
    EXPECT_FALSE(Drop(bench.holder, bench.target));
    bench.holding = true;
    bench.refuse = true;
    EXPECT_FALSE(Drop(bench.holder, bench.target));
    EXPECT_EQ(bench.drops.size(), 1u);
}

TEST(DragDrop, TheTargetIsLitWhileADragIsOverItAndForeignDragsAreRefused) {
    DragBench bench;
    const std::unique_ptr<QMimeData> ours = ui::FindDragSource(bench.holder)->dragData();
    QDragEnterEvent enter({40, 30}, Qt::MoveAction, ours.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bench.target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_TRUE(bench.area->highlighted());
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(bench.target, &leave);
    EXPECT_FALSE(bench.area->highlighted());

    // Text dragged in from another program is no item of the game's.
    QMimeData text;
    text.setText("-7");
    QDragEnterEvent foreign({40, 30}, Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bench.target, &foreign);
    EXPECT_FALSE(foreign.isAccepted());
    EXPECT_FALSE(bench.area->highlighted());
}

TEST(ButtonWithTwin, TheTwinIsUsableExactlyWhenItsButtonIs) {
    UiSession ui;
    ui::GameScreen screen(ui.session, nullptr, "TFormTest", QString());
    int pressed = 0;
    ui::ImageButton* button = ui::ButtonWithTwin(
        screen, &screen, {"Button1", "Go", {10, 10, 120, 40}, "BlindButton1", {10, 60, 120, 20}},
        [&] { ++pressed; });
    auto* twin = Child<ui::BlindLabel>(&screen, "BlindButton1");
    ASSERT_NE(twin, nullptr);
    button->setEnabled(false);
    EXPECT_FALSE(twin->isEnabled());
    button->setEnabled(true);
    EXPECT_TRUE(twin->isEnabled());
    screen.show();
    ui.session.setBlindMode(true);
    QTest::mouseClick(twin, Qt::LeftButton);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(ui.sounds.played, (std::vector<std::string>{"click"}));
}

TEST(ScreenKit, FittedTextsAreCutOnlyOnScreenAndToolTipsWrap) {
    QWidget parent;
    QLabel* label = ui::Text(&parent, "Row", QString(), {0, 0, 120, 24});
    const QString longText = "08:00pm:  \"A Title Far Too Long For Its Row\" - Drama***";
    ui::SetFittedText(label, longText);
    EXPECT_TRUE(label->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(label->accessibleName(), longText);
    ui::SetFittedText(label, "Short");
    EXPECT_EQ(label->text(), "Short");
    EXPECT_EQ(ui::WrappedToolTip("Kids: 1 <millions>\nTeens"),
              "<p>Kids: 1 &lt;millions&gt;<br>Teens</p>");
    EXPECT_EQ(ui::WrappedToolTip(""), "");
}

}  // namespace
}  // namespace qvx::test
