// The game from the keyboard: the office's keys press its buttons, Escape runs a screen's Close
// path, the dialogs answer Enter and Escape, and F1 opens the manual at the screen's section.
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <sstream>

#include "Client_FMessage1.h"
#include "Client_FMessage2.h"
#include "Client_OfficeScreen.h"
#include "Client_RegionalLicenses.h"
#include "Client_TutorialWindow.h"
#include "GameWindows.h"
#include "Licences.h"
#include "OfficeTestSupport.h"
#include "ScreenRegistry.h"
#include "WindowDialogs.h"

namespace qvx::test {
namespace {

void Press(QWidget* to, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           bool autoRepeat = false) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(to, &press);
}

void Release(QWidget* to, int key, bool autoRepeat = false) {
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(to, &release);
}

int KeyOfButton(int button) {
    return button == 10 ? Qt::Key_0 : Qt::Key_0 + button;
}

// --- The office's keys ------------------------------------------------------------------------

struct OfficeKeysTest : OfficeTest {
    std::vector<int> opened;

    void InstallOpeners() {
        for (int k : {1, 2, 3, 4, 6, 7, 9})
            office.setScreenOpener(k, [this, k] { opened.push_back(k); });
    }

    // Everything one press of a main button did, whether by the mouse or by its key.
    struct Trace {
        std::vector<int> opened;
        std::vector<std::string> dialogs;
        std::vector<std::string> sounds;
        bool phoneUp = false;
    };
    Trace Run(const std::function<void()>& press) {
        opened.clear();
        Forget();
        Child<QWidget>(&office, "Panel2")->hide();
        ui.dialogs.answers = {false};  // End turn and Exit are asked and answered No
        press();
        ui.dialogs.answers.clear();
        return {opened, ui.dialogs.Titles(), ui.sounds.played, Visible("Panel2")};
    }
};

TEST_F(OfficeKeysTest, EachNumberKeyDoesWhatAClickOnItsButtonDoes) {
    InstallOpeners();
    for (int k = 1; k <= kMainButtonCount; ++k) {
        auto* button = Child<ui::ImageButton>(
            &office, QString("Button%1_Pressed").arg(k).toLatin1().constData());
        ASSERT_NE(button, nullptr) << k;
        const Trace clicked = Run([&] { QTest::mouseClick(button, Qt::LeftButton); });
        const Trace typed = Run([&] { Press(&office, KeyOfButton(k)); });
        EXPECT_EQ(typed.opened, clicked.opened) << k;
        EXPECT_EQ(typed.dialogs, clicked.dialogs) << k;
        EXPECT_EQ(typed.sounds, clicked.sounds) << k;
        EXPECT_EQ(typed.phoneUp, clicked.phoneUp) << k;
        // A comparison of two presses that both did nothing would prove nothing.
        EXPECT_FALSE(typed.sounds.empty()) << k;
        if (k != 5 && k != 8 && k != 10) {
            EXPECT_EQ(typed.opened, std::vector<int>{k});
        }

        const QString key = ui::TForm7::shortcutOf(k);
        EXPECT_EQ(button->toolTip(), QString("%1 (%2)").arg(MainButtonCaption(k), key));
        auto* twin =
            Child<QWidget>(&office, QString("BlindLabel%1").arg(11 + k).toLatin1().constData());
        ASSERT_NE(twin, nullptr) << k;
        EXPECT_TRUE(twin->accessibleDescription().contains(key)) << k;
    }
    EXPECT_EQ(ui::TForm7::shortcutOf(10), "0");
    EXPECT_TRUE(office.isVisible());  // Exit answered No
}

TEST_F(OfficeKeysTest, KeysRefuseWhereTheirButtonsDo) {
    // Nothing installed behind button 1: the button is disabled, so its key is silent too.
    Press(&office, Qt::Key_1);
    EXPECT_TRUE(ui.sounds.played.empty());
    EXPECT_TRUE(ui.dialogs.shown.empty());

    InstallOpeners();
    // Held keys repeat, and Ctrl or Alt make a key another command: neither opens a screen.
    Press(&office, Qt::Key_2, Qt::NoModifier, true);
    Press(&office, Qt::Key_2, Qt::ControlModifier);
    Press(&office, Qt::Key_2, Qt::AltModifier);
    EXPECT_TRUE(opened.empty());

    gs.EndTurnBusy = true;
    Press(&office, Qt::Key_2);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(ui.sounds.Count("click"), 1);
    gs.EndTurnBusy = false;

    // The phone's list holds the keyboard once clicked; the office's keys still reach the office.
    office.showPhone();
    auto* contacts = Child<QListWidget>(&office, "ListBox1");
    contacts->setFocus();
    Press(contacts, Qt::Key_3);
    EXPECT_EQ(opened, std::vector<int>{3});

    StartDay();
    Press(&office, Qt::Key_4);
    EXPECT_EQ(LastDialog(), std::string("inform|N/A|") + OfficeText::kLockedNews);
    EXPECT_FALSE(office.playbackRunning());
    EXPECT_EQ(opened, std::vector<int>{3});
}

TEST_F(OfficeKeysTest, SpacePausesAndPlaysLikeTheButtons) {
    // In the morning there is nothing to play: Space says so, as Play does.
    Press(&office, Qt::Key_Space);
    EXPECT_EQ(LastDialog(), std::string("inform|N/A|") + OfficeText::kPlayButtonText);

    StartDay();
    ASSERT_TRUE(office.playbackRunning());
    Press(&office, Qt::Key_Space);
    EXPECT_FALSE(office.playbackRunning());
    EXPECT_TRUE(office.playbackPaused());
    EXPECT_EQ(ui.sounds.Count("click"), 1);
    // A pause stays a pause while the key is held.
    Press(&office, Qt::Key_Space, Qt::NoModifier, true);
    EXPECT_FALSE(office.playbackRunning());
    Press(&office, Qt::Key_Space);
    EXPECT_TRUE(office.playbackRunning());
    EXPECT_FALSE(office.playbackPaused());
    EXPECT_EQ(office.playbackInterval(), kPlaybackTickMs);
}

TEST_F(OfficeKeysTest, HoldingFFastForwardsUntilItIsLetGo) {
    StartDay();
    Press(&office, Qt::Key_F);
    EXPECT_EQ(office.playbackInterval(), kFastForwardTickMs);
    EXPECT_EQ(ui.sounds.Count("fastforward"), 1);
    // While held, the keyboard repeats release and press: the fast forward goes on.
    Release(&office, Qt::Key_F, true);
    Press(&office, Qt::Key_F, Qt::NoModifier, true);
    EXPECT_EQ(office.playbackInterval(), kFastForwardTickMs);
    EXPECT_EQ(ui.sounds.Count("fastforward"), 1);
    Release(&office, Qt::Key_F);
    EXPECT_TRUE(office.playbackRunning());
    EXPECT_EQ(office.playbackInterval(), kPlaybackTickMs);

    // A release whose press the office never saw must not undo the player's pause.
    office.pauseClicked();
    Release(&office, Qt::Key_F);
    EXPECT_FALSE(office.playbackRunning());
}

// --- The program's windows: Escape, the dialogs' keys and F1 -----------------------------------

struct WindowKeysTest : ::testing::Test {
    UiSession ui;
    app::GameWindows windows{ui.session};
    GameState& gs = ui.session.game();
    ui::TForm7* office = windows.screen<ui::TForm7>();
    ui::TForm28* tutorial = windows.tutorial;
    std::vector<QUrl> urls;

    void SetUp() override {
        ui.session.setDialogs(&ui.dialogs);
        ui.session.setSounds(&ui.sounds);
        ui.session.openUrl = [this](const QUrl& url) { urls.push_back(url); };
        ASSERT_TRUE(ui.startGame());
    }
    void TearDown() override {
        for (ui::GameScreen* screen : windows.screens)
            screen->hide();
        ui.session.setDialogs(nullptr);
        ui.session.setSounds(nullptr);
    }

    ui::GameScreen* Screen(const std::string& name) {
        for (ui::GameScreen* screen : windows.screens)
            if (screen->objectName().toStdString() == name) return screen;
        return nullptr;
    }

    // The fragment of the last address handed to the browser.
    std::string LastSection() const {
        return urls.empty() ? "(none)" : urls.back().fragment().toStdString();
    }
};

struct EscapeCase {
    const char* name;
    int button;  // the office's button that opens the screen
    const char* screen;
    int closeStep;       // the tutorial step its Close ends
    bool byWindowClose;  // the window's close command instead of Escape
};

void PrintTo(const EscapeCase& c, std::ostream* os) {
    *os << c.name;
}

struct EscapeClosesLikeClose : WindowKeysTest, ::testing::WithParamInterface<EscapeCase> {};

// Escape must not be QDialog's bare reject: the Close button's whole path runs, the tutorial
// moves on, the click sounds, and the office redraws what the screen changed.
TEST_P(EscapeClosesLikeClose, TheTutorialTheClickAndTheOfficeFollow) {
    const EscapeCase& c = GetParam();
    office->prepareForPlanning();
    office->show();
    tutorial->begin();
    ui.sounds.played.clear();
    const int player = gs.PlayerChannel;
    bool wasUp = false;
    ui::GameScreen* screen = Screen(c.screen);
    ASSERT_NE(screen, nullptr);
    QTimer::singleShot(0, screen, [&] {
        wasUp = screen->isVisible();
        tutorial->showStep(c.closeStep);
        gs.Channel[player][Ch::kMoney] += 1234;
        if (c.byWindowClose)
            screen->close();
        else
            Press(screen, Qt::Key_Escape);
        // Should it stay up, the test must not hang on it.
        if (screen->isVisible()) screen->done(QDialog::Rejected);
    });
    office->mainButtonClicked(c.button);
    EXPECT_TRUE(wasUp);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(tutorial->step(), c.closeStep + 1);
    EXPECT_EQ(ui.sounds.Count("click"), 2);  // the office's button, then Close
    EXPECT_EQ(TextOf(office, "Label1"), BuildMoneyPanel(gs, gs.ViewedChannel).money);
    tutorial->quit();
}

INSTANTIATE_TEST_SUITE_P(
    Screens, EscapeClosesLikeClose,
    ::testing::Values(EscapeCase{"ProgrammeTable", 1, "TForm8", 15, false},
                      EscapeCase{"MovieAgency", 2, "TForm9", 7, false},
                      EscapeCase{"AdAgency", 3, "TForm10", 10, false},
                      EscapeCase{"NewsAgency", 4, "TForm13", 13, false},
                      EscapeCase{"MovieAgencyClosedAsAWindow", 2, "TForm9", 7, true},
                      EscapeCase{"ProgrammeTableClosedAsAWindow", 1, "TForm8", 15, true}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST_F(WindowKeysTest, EscapeClosesAnOpenPanelBeforeItsScreen) {
    auto* map = windows.screen<ui::TForm16>();
    map->prepare();
    map->show();
    int region = 1;
    while (region < kMapMarkers && !RegionExists(gs, region))
        ++region;
    map->showRegion(region);
    auto* panel = Child<QWidget>(map, "Panel1");
    ASSERT_TRUE(panel->isVisible());
    ui.sounds.played.clear();
    Press(map, Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(map->isVisible());
    Press(map, Qt::Key_Escape);
    EXPECT_FALSE(map->isVisible());
    EXPECT_EQ(ui.sounds.Count("click"), 2);
}

// The player is typing a name or a caption: the field must pass Escape on to its screen.
TEST_F(WindowKeysTest, EscapeInATextFieldStillLeavesTheScreen) {
    for (const char* name : {"TForm6", "TForm14"}) {
        ui::GameScreen* screen = Screen(name);
        screen->prepare();
        bool left = false;
        QTimer::singleShot(0, screen, [&] {
            auto* field = Child<QWidget>(screen, "Edit1");
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Escape);
            left = !screen->isVisible();
            if (screen->isVisible()) screen->done(QDialog::Accepted);
        });
        EXPECT_EQ(screen->run(), QDialog::Rejected) << name;
        EXPECT_TRUE(left) << name;
    }
}

TEST_F(WindowKeysTest, TheQuestionTakesEnterAsYesAndEscapeAsNo) {
    ui::TFMessage2* question = windows.dialogs->question();
    const auto ask = [&](std::function<void()> keys) {
        QTimer::singleShot(0, question, [question, keys] {
            keys();
            if (question->isVisible()) question->done(QDialog::Rejected);
        });
        return question->ask("Title", "Text");
    };
    EXPECT_TRUE(ask([&] { Press(question, Qt::Key_Return); }));
    EXPECT_TRUE(ask([&] { Press(question, Qt::Key_Enter, Qt::KeypadModifier); }));
    EXPECT_FALSE(ask([&] { Press(question, Qt::Key_Escape); }));
    EXPECT_EQ(question->dialogAnswer(), 2);
    EXPECT_EQ(ui.sounds.Count("click"), 3);
    // The Enter held down from the question before must not answer this one.
    EXPECT_FALSE(ask([&] { Press(question, Qt::Key_Return, Qt::NoModifier, true); }));
    EXPECT_EQ(question->dialogAnswer(), 0);
    EXPECT_EQ(ui.sounds.Count("click"), 3);
}

TEST_F(WindowKeysTest, TheMessageTakesEnterAndEscapeAsContinue) {
    ui::TFMessage1* information = windows.dialogs->information();
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        bool closedByKey = false;
        QTimer::singleShot(0, information, [&] {
            Press(information, key);
            closedByKey = !information->isVisible();
            if (information->isVisible()) information->done(QDialog::Rejected);
        });
        information->showModal("Info", "Read me");
        EXPECT_TRUE(closedByKey) << key;
    }
    EXPECT_EQ(ui.sounds.Count("click"), 2);
}

// Every screen of the registry has its section, the manual has that anchor, and F1 on the
// program's window of that screen opens exactly there.
TEST_F(WindowKeysTest, F1OpensTheManualAtEachScreensSection) {
    const QString path = ui.session.manualPath();
    ASSERT_FALSE(path.isEmpty());
    std::ifstream file(path.toStdString());
    std::stringstream manual;
    manual << file.rdbuf();
    const std::string html = manual.str();
    ASSERT_FALSE(html.empty());
    const auto hasAnchor = [&html](const std::string& section) {
        return html.find("id=\"" + section + "\"") != std::string::npos;
    };

    const std::vector<app::ScreenEntry>& entries = app::Screens();
    ASSERT_EQ(entries.size(), windows.screens.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string section = entries[i].manualSection;
        EXPECT_FALSE(section.empty()) << entries[i].name;
        EXPECT_TRUE(hasAnchor(section)) << entries[i].name << " #" << section;
        urls.clear();
        Press(windows.screens[i], Qt::Key_F1);
        ASSERT_EQ(urls.size(), 1u) << entries[i].name;
        EXPECT_EQ(urls[0], ui::ManualUrl(path, QString::fromStdString(section)));
    }
    EXPECT_TRUE(hasAnchor(ui::kDialogManualSection));
    EXPECT_TRUE(ui::ManualUrl(path, "office").toString().startsWith("file:///"));
    EXPECT_TRUE(ui::ManualUrl(path, "office").toString().endsWith("/manual.html#office"));
    EXPECT_TRUE(ui.dialogs.shown.empty());
}

TEST_F(WindowKeysTest, F1OnAMessageOpensTheSectionOfTheScreenBeneath) {
    ui::TFMessage1* information = windows.dialogs->information();
    information->showInFront("Error", "Alone");
    Press(information, Qt::Key_F1);
    EXPECT_EQ(LastSection(), ui::kDialogManualSection);
    information->hide();

    auto* agency = Screen("TForm9");
    agency->show();
    information->showInFront("N/A", "Over the agency");
    Press(information, Qt::Key_F1);
    EXPECT_EQ(LastSection(), "movies");
    information->hide();

    ui::TFMessage2* question = windows.dialogs->question();
    QTimer::singleShot(0, question, [&] {
        Press(question, Qt::Key_F1);
        Press(question, Qt::Key_Escape);
    });
    question->ask("Sell?", "Over the agency");
    EXPECT_EQ(LastSection(), "movies");
    agency->hide();
}

TEST_F(WindowKeysTest, KeysTypedIntoTheTutorialWindowReachTheScreenBeneath) {
    std::vector<int> opened;
    office->setScreenOpener(2, [&opened] { opened.push_back(2); });
    office->prepareForPlanning();
    office->show();
    tutorial->begin();
    tutorial->showOver(office);
    Press(tutorial, Qt::Key_F1);
    EXPECT_EQ(LastSection(), "office");
    Press(tutorial, Qt::Key_2);
    EXPECT_EQ(opened, std::vector<int>{2});
    // The Escape still held from closing a screen repeats over the office: no question.
    Press(office, Qt::Key_Escape, Qt::NoModifier, true);
    EXPECT_TRUE(ui.dialogs.shown.empty());
    // Escape stays the tutorial's: it asks to quit, and the office stays.
    ui.dialogs.answers = {false};
    Press(tutorial, Qt::Key_Escape);
    EXPECT_EQ(ui.dialogs.Titles(), std::vector<std::string>{"Quit tutorial?"});
    EXPECT_TRUE(office->isVisible());
    tutorial->quit();
}

TEST_F(WindowKeysTest, AManualThatIsMissingIsToldInsteadOfOpened) {
    ui.session.manualPath = [] { return QString(); };
    Press(office, Qt::Key_F1);
    EXPECT_TRUE(urls.empty());
    EXPECT_EQ(ui.dialogs.Titles(), std::vector<std::string>{"Error"});
}

}  // namespace
}  // namespace qvx::test
