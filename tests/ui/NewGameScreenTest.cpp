#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "Client_CustomGame.h"
#include "Client_NewGameScreen.h"
#include "GameWindows.h"
#include "NewGame.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

using ui::TForm6;

void Click(QWidget* screen, const char* name) {
    QWidget* target = Child<QWidget>(screen, name);
    ASSERT_NE(target, nullptr) << name;
    QTest::mouseClick(target, Qt::LeftButton);
}

// Key presses carrying characters that have no key of their own (Qt's key helper knows ASCII only).
void TypeText(QWidget* field, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(field, &press);
    }
}

std::string PictureOf(QWidget* screen, const char* name) {
    auto* picture = Child<ui::PictureLabel>(screen, name);
    return picture ? picture->pictureName().toStdString() : std::string("<missing>");
}

struct NewGameScreenTest : ::testing::Test {
    UiSession ui;
    TForm6 screen{ui.session, nullptr};

    void SetUp() override {
        screen.prepare();
        screen.show();
    }
    QLineEdit* nameField() { return Child<QLineEdit>(&screen, "Edit1"); }
    // Starts the game the screen's choice describes, as the start screen does.
    GameState& startChosenGame() {
        const GameStart started =
            StartNewGame(ui.session.game(), ui.session.catalogue(), ui.session.settings(),
                         ui.session.rng(), screen.choice(), ui.dir.path());
        EXPECT_TRUE(started) << started.message();
        return ui.session.game();
    }
};

TEST_F(NewGameScreenTest, ScenarioButtonsWrapAroundAndTheLabelsFollow) {
    Click(&screen, "Button2ActiveField");
    EXPECT_EQ(screen.scenario(), 30);
    EXPECT_EQ(TextOf(&screen, "Label5"), "Custom - France");
    EXPECT_EQ(TextOf(&screen, "Label10"), "Most money after 60-240 turns");
    EXPECT_EQ(TextOf(&screen, "Label6")
                  .rfind("When choosing this game mode you will be able to set "
                         "up many game variables yourself.",
                         0),
              0u);
    EXPECT_EQ(PictureOf(&screen, "Image1"), "QVX2_Scenario5.jpg");
    EXPECT_EQ(TextOf(&screen, "BlindLabel5"), "Custom - France");

    Click(&screen, "Button3ActiveField");
    EXPECT_EQ(screen.scenario(), 1);
    EXPECT_EQ(TextOf(&screen, "Label5"), "Normal - USA");
    EXPECT_EQ(TextOf(&screen, "Label10"), "Most money after 120 turns");
    EXPECT_EQ(TextOf(&screen, "Label6"),
              "This is the standard USA scenario.  The TV company with the most money after 120 "
              "turns (10 game years) wins.");
    EXPECT_EQ(PictureOf(&screen, "Image1"), "QVX2_Scenario1.jpg");
    EXPECT_EQ(ui.sounds.Count("click"), 2);

    for (int i = 0; i < 7; ++i)
        Click(&screen, "Button3ActiveField");
    EXPECT_EQ(TextOf(&screen, "Label5"), "Fast - Great Britain");
}

TEST_F(NewGameScreenTest, BlindTwinsStepLikeTheirButtonsWithTheClick) {
    ui.session.setBlindMode(true);
    EXPECT_TRUE(Child(&screen, "BlindButton11")->isVisible());
    EXPECT_TRUE(Child(&screen, "BlindLabel8")->isVisible());
    Click(&screen, "BlindButton2");
    Click(&screen, "BlindButton2");
    EXPECT_EQ(TextOf(&screen, "BlindLabel5"), "Custom - Germany");
    Click(&screen, "BlindButton7");
    EXPECT_EQ(TextOf(&screen, "BlindLabel8"), "Yellow logo color");
    Click(&screen, "BlindButton6");
    Click(&screen, "BlindButton6");
    EXPECT_EQ(screen.logo(), 8);
    EXPECT_EQ(ui.sounds.Count("click"), 5);
    ui.session.setBlindMode(false);
    EXPECT_FALSE(Child(&screen, "BlindLabel5")->isVisible());
}

TEST_F(NewGameScreenTest, LogosWrapAndSevenMakesThePlayerTheGreenChannelThree) {
    Click(&screen, "Button6ActiveField");
    EXPECT_EQ(screen.logo(), 8);
    EXPECT_EQ(TextOf(&screen, "Label8"), "Blue logo color");
    Click(&screen, "Button7ActiveField");  // 8 -> 1
    for (int i = 0; i < 6; ++i)
        Click(&screen, "Button7ActiveField");
    EXPECT_EQ(screen.logo(), 7);
    EXPECT_EQ(TextOf(&screen, "Label8"), "Green logo color");
    EXPECT_EQ(PictureOf(&screen, "Image2"), "QVX2_complogo7.jpg");

    GameState& gs = startChosenGame();
    EXPECT_EQ(gs.PlayerChannel, 3);
    EXPECT_EQ(gs.Channel[3][Ch::kLogo], 7);
    EXPECT_EQ(gs.Channel[3][Ch::kHuman], 1);
    EXPECT_EQ(gs.ChannelNames[3], "Green TV");  // the field was left empty
}

TEST_F(NewGameScreenTest, PrepareStartsOverAndBackLeavesWithoutConfirming) {
    Click(&screen, "Button3ActiveField");
    Click(&screen, "Button7ActiveField");
    nameField()->setText("Old name");
    Click(&screen, "Button10ActiveField");
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Rejected);

    screen.prepare();
    EXPECT_EQ(screen.scenario(), 1);
    EXPECT_EQ(screen.logo(), 1);
    EXPECT_EQ(TextOf(&screen, "Label5"), "Normal - USA");
    EXPECT_EQ(TextOf(&screen, "Label8"), "Red logo color");
    EXPECT_TRUE(nameField()->text().isEmpty());
}

// Which scenarios ask before they are accepted, and under which title.
struct ContinueCase {
    int scenario;
    const char* title;  // nullptr: no question
};

struct ContinueTest : NewGameScreenTest, ::testing::WithParamInterface<ContinueCase> {
    void goTo(int scenario) {
        while (screen.scenario() != scenario)
            screen.nextScenario();
    }
};

TEST_P(ContinueTest, NoKeepsTheScreenOpenAndYesAccepts) {
    const ContinueCase& c = GetParam();
    goTo(c.scenario);
    ui.dialogs.answers = {false};
    Click(&screen, "Button11ActiveField");
    if (c.title == nullptr) {
        EXPECT_TRUE(ui.dialogs.shown.empty());
        EXPECT_FALSE(screen.isVisible());
        EXPECT_EQ(screen.result(), QDialog::Accepted);
        return;
    }
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].kind, "ask");
    EXPECT_EQ(ui.dialogs.shown[0].title, c.title);
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "You have selected a difficult and advanced game mode. Do you really wish to play "
              "this scenario?");
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.scenario(), c.scenario);

    ui.dialogs.answers = {true};
    Click(&screen, "Button11ActiveField");
    EXPECT_EQ(ui.dialogs.shown.size(), 2u);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ContinueTest,
    ::testing::Values(ContinueCase{1, nullptr}, ContinueCase{7, nullptr}, ContinueCase{15, nullptr},
                      ContinueCase{16, "Expert mode"}, ContinueCase{20, "Expert mode"},
                      ContinueCase{21, "Tweaked mode"}, ContinueCase{25, "Tweaked mode"},
                      ContinueCase{26, nullptr}, ContinueCase{30, nullptr}));

struct NameCase {
    const char* label;
    std::string text;
    QValidator::State state;
};

struct NameValidatorTest : ::testing::TestWithParam<NameCase> {};

TEST_P(NameValidatorTest, TakesOnlyWhatTheCodePageHoldsUpTo255Bytes) {
    ui::RecordTextValidator validator;
    QString input = QString::fromStdString(GetParam().text);
    int pos = 0;
    EXPECT_EQ(validator.validate(input, pos), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameValidatorTest,
    ::testing::Values(
        NameCase{"Euro", "\xE2\x82\xAC uro TV", QValidator::Acceptable},
        NameCase{"Accents",
                 "Caf\xC3\xA9 \xC3\x9C"
                 "ber TV",
                 QValidator::Acceptable},
        NameCase{"Snowman", "Snow \xE2\x98\x83 TV", QValidator::Invalid},
        NameCase{"Emoji", "\xF0\x9F\x93\xBA", QValidator::Invalid},
        NameCase{"Tab", "Tab\tTV", QValidator::Invalid},
        NameCase{"Full", std::string(255, 'a'), QValidator::Acceptable},
        NameCase{"OneTooMany", std::string(256, 'a'), QValidator::Invalid},
        // Two bytes of UTF-8 but one of the code page: still within the record.
        NameCase{"AccentLast", std::string(254, 'a') + "\xC3\xA9", QValidator::Acceptable},
        NameCase{"EuroPastTheEnd", std::string(255, 'a') + "\xE2\x82\xAC", QValidator::Invalid}),
    [](const auto& param) { return param.param.label; });

TEST_F(NewGameScreenTest, TypingSkipsWhatTheCodePageLacksAndStopsAtTheRecordsLength) {
    QLineEdit* field = nameField();
    field->setFocus();
    TypeText(field, QString::fromUtf8("Snow\xE2\x98\x83man \xE2\x82\xAC"));
    EXPECT_EQ(field->text().toStdString(), "Snowman \xE2\x82\xAC");

    field->clear();
    QTest::keyClicks(field, QString(300, QChar('x')));
    EXPECT_EQ(field->text().size(), 255);
    field->clear();
    field->insert(QString(254, QChar('y')) + QString::fromUtf8("\xC3\xA9\xC3\xA9"));
    EXPECT_EQ(field->text().size(), 255);
    EXPECT_TRUE(field->text().endsWith(QString::fromUtf8("y\xC3\xA9")));
}

struct DefaultNameTest : NewGameScreenTest, ::testing::WithParamInterface<const char*> {};

TEST_P(DefaultNameTest, EmptyOrBlankNameGivesTheLogosDefaultName) {
    screen.nextLogo();  // logo 2: Yellow
    nameField()->setText(GetParam());
    EXPECT_TRUE(screen.choice().name.empty());
    EXPECT_EQ(startChosenGame().ChannelNames[2], "Banana TV");
}

INSTANTIATE_TEST_SUITE_P(Blank, DefaultNameTest, ::testing::Values("", " ", "   \t"));

TEST_F(NewGameScreenTest, TypedNameIsKeptAsTypedBlanksAndAll) {
    nameField()->setText(QString::fromUtf8(" Caf\xC3\xA9  TV "));
    EXPECT_EQ(startChosenGame().ChannelNames[1], " Caf\xC3\xA9  TV ");
}

TEST_F(NewGameScreenTest, DeckColumnIsRedrawnFromTheSettingsOnPrepare) {
    EXPECT_EQ(TextOf(&screen, "DeckName1"), "Empty");
    ui.session.settings().Deck.ActiveBoosters = {0, 2, 0, 13, 0, 10};
    screen.prepare();
    EXPECT_EQ(TextOf(&screen, "DeckName1"), "Technician");
    EXPECT_EQ(PictureOf(&screen, "Deck1"), "QVX2_Booster_Tech.jpg");
    EXPECT_EQ(TextOf(&screen, "DeckName2"), "Empty");
    EXPECT_EQ(PictureOf(&screen, "Deck2"), "");
    EXPECT_EQ(TextOf(&screen, "DeckName3"), "Theming: Action/War");
    EXPECT_EQ(PictureOf(&screen, "Deck3"), "QVX2_Booster_Movies.jpg");
    EXPECT_EQ(TextOf(&screen, "DeckName5"), "Rich");
    EXPECT_EQ(PictureOf(&screen, "Deck5"), "QVX2_Booster_Money.jpg");
}

// Runs `act` once `target` is the window the player is looking at (its modal loop is running).
// The watch ends with the window, so a window that never opens leaves nothing behind.
void WhenShown(QWidget* target, std::function<void()> act) {
    auto* poll = new QTimer(target);
    QObject::connect(poll, &QTimer::timeout, [poll, target, act] {
        if (QApplication::activeModalWidget() != target) return;
        poll->stop();
        poll->deleteLater();
        act();
    });
    poll->start(5);
}

TEST(ChooseNewGame, CustomScenarioGoesOnToTheCustomSettings) {
    UiSession ui;
    TForm6 newGame(ui.session, nullptr);
    ui::TForm25 customGame(ui.session, nullptr);
    WhenShown(&newGame, [&] {
        newGame.previousScenario();  // 30: Custom - France
        newGame.confirm();
        WhenShown(&customGame, [&] {
            Child<QComboBox>(&customGame, "ComboBox2")->setCurrentIndex(1);
            Child<QComboBox>(&customGame, "ComboBox3")->setCurrentIndex(3);
            customGame.accept();
        });
    });
    NewGameChoice choice;
    ASSERT_TRUE(app::ChooseNewGame(newGame, customGame, choice));
    EXPECT_EQ(choice.scenario, 30);
    EXPECT_EQ(choice.custom.turns, 48);
    EXPECT_EQ(choice.custom.competitors, 0);
}

TEST(ChooseNewGame, BackEndsTheRoadAndAnOrdinaryScenarioSkipsTheCustomSettings) {
    UiSession ui;
    TForm6 newGame(ui.session, nullptr);
    ui::TForm25 customGame(ui.session, nullptr);
    bool customShown = false;
    WhenShown(&customGame, [&] {
        customShown = true;
        customGame.accept();
    });
    WhenShown(&newGame, [&] { newGame.back(); });
    NewGameChoice choice;
    EXPECT_FALSE(app::ChooseNewGame(newGame, customGame, choice));

    WhenShown(&newGame, [&] {
        newGame.nextScenario();  // 2: Normal - European Union
        newGame.confirm();
    });
    ASSERT_TRUE(app::ChooseNewGame(newGame, customGame, choice));
    EXPECT_EQ(choice.scenario, 2);
    EXPECT_FALSE(customShown);
}

}  // namespace
}  // namespace qvx::test
