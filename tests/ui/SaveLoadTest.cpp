#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "BinaryFile.h"
#include "Client_OfficeScreen.h"
#include "Client_SaveLoad.h"
#include "Formatting.h"
#include "GameWindows.h"
#include "NewGame.h"
#include "SaveGame.h"
#include "Settings.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

namespace fs = std::filesystem;
using ui::TForm14;

std::vector<uint8_t> Bytes(const fs::path& path) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) bytes.clear();
    return bytes;
}

// A Normal - USA game in its first planning phase, the screen opened from the start screen.
struct SaveLoadTest : ::testing::Test {
    UiSession ui;
    TForm14 screen{ui.session, nullptr};
    GameState& gs = ui.session.game();
    Settings& settings = ui.session.settings();
    int player = 0;

    void SetUp() override { StartGame(1); }

    void StartGame(int scenario) {
        NewGameChoice choice;
        choice.scenario = scenario;
        choice.name = "Night Owl TV";
        const GameStart started = StartNewGame(gs, ui.session.catalogue(), settings,
                                               ui.session.rng(), choice, ui.dir.path());
        ASSERT_TRUE(started) << started.message();
        player = gs.PlayerChannel;
    }
    void open() {
        screen.prepare();
        screen.show();
        ui.dialogs.shown.clear();
    }
    QWidget* widget(const QString& name) { return screen.findChild<QWidget*>(name); }
    QWidget* button(int k) { return widget(QString("Button%1ActiveField").arg(k)); }
    QLineEdit* edit(int n) { return screen.findChild<QLineEdit*>(QString("Edit%1").arg(n)); }
    void click(int k) {
        QWidget* target = button(k);
        ASSERT_NE(target, nullptr) << k;
        QTest::mouseClick(target, Qt::LeftButton);
    }
    // Row n's Save and Load buttons.
    void save(int n) { click(2 * n + 1); }
    void load(int n) { click(2 * n + 2); }
    fs::path file(int slot, const char* ext) const {
        return ui.dir.path() / (SlotFileStem(slot) + ext);
    }
    std::string summary(int n) {
        return TextOf(&screen, QString("SlotSummary%1").arg(n).toLatin1());
    }
    // Saves the running game into slot n with a caption, as the player would.
    void keep(int n, const QString& caption) {
        open();
        edit(n)->setText(caption);
        if (settings.SaveSlotNames[static_cast<size_t>(n)] != kEmptySlotCaption)
            ui.dialogs.answers.push_back(true);
        save(n);
        for (const ShownDialog& shown : ui.dialogs.shown)
            ASSERT_NE(shown.title, "Error") << shown.text;
        ASSERT_TRUE(screen.isHidden());
    }
};

TEST_F(SaveLoadTest, SaveThenLoadGivesBackTheSameFilesAndClosesQuietly) {
    open();
    edit(3)->setText("Third try");
    save(3);
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_TRUE(screen.isHidden());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_FALSE(screen.loaded());
    EXPECT_EQ(settings.SaveSlotNames[3], "Third try");
    EXPECT_EQ(settings.SaveSlotNames[0], kRunningGameCaption);
    // The captions are on disk at once, not only when the program ends.
    EXPECT_EQ(ReadSettings(ui.dir.path()).settings.SaveSlotNames[3], "Third try");
    const std::vector<uint8_t> ints = Bytes(file(3, ".int"));
    const std::vector<uint8_t> strs = Bytes(file(3, ".str"));
    ASSERT_EQ(ints.size(), SlotIntBytes(3));

    const int32_t money = gs.Channel[player][Ch::kMoney];
    gs.Channel[player][Ch::kMoney] += 12345;
    gs.ViewedChannel = 0;
    open();
    load(3);
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_TRUE(screen.loaded());
    EXPECT_TRUE(screen.isHidden());
    EXPECT_EQ(gs.Channel[player][Ch::kMoney], money);
    EXPECT_EQ(gs.ViewedChannel, player);
    EXPECT_EQ(gs.GameInfo[Info::kPhase], Info::kPhasePlanning);
    EXPECT_EQ(gs.RunningGameFlag, 0);

    ui.dialogs.answers.push_back(true);
    open();
    save(3);
    EXPECT_EQ(Bytes(file(3, ".int")), ints);
    EXPECT_EQ(Bytes(file(3, ".str")), strs);
}

TEST_F(SaveLoadTest, ACustomGameComesBackWithTheCustomCatalogue) {
    StartGame(26);  // Custom - USA
    keep(2, "Custom");
    auto custom = std::make_unique<Catalogue>();
    ASSERT_TRUE(LoadCatalogueSet(*custom, CatalogueSet::Custom, ui.dir.path()));
    StartGame(1);
    ASSERT_NE(ui.session.catalogue().MovieTitles, custom->MovieTitles);

    open();
    load(2);
    ASSERT_TRUE(screen.loaded());
    EXPECT_EQ(gs.GameInfo[Info::kScenarioKind], Info::kKindCustom);
    EXPECT_EQ(ui.session.catalogue().MovieTitles, custom->MovieTitles);
    EXPECT_EQ(ui.session.catalogue().MovieCatalogue, custom->MovieCatalogue);
}

// The files change under an open screen (or the catalogue went missing): the running game and
// its catalogue stay as they were, and the screen stays open for another choice.
struct FailedLoadCase {
    const char* label;
    int scenario;
    void (*damage)(const fs::path& dir);
    const char* named;
};

struct FailedLoadTest : SaveLoadTest, ::testing::WithParamInterface<FailedLoadCase> {};

TEST_P(FailedLoadTest, SaysWhatIsWrongAndKeepsTheRunningGame) {
    StartGame(GetParam().scenario);
    keep(4, "Kept");
    StartGame(1);
    gs.Channel[player][Ch::kMoney] = 4242;
    const SlotFileBytes before = EncodeSlot(gs, 4);
    const auto titles = ui.session.catalogue().MovieTitles;
    open();
    ASSERT_TRUE(button(10)->isEnabled());
    GetParam().damage(ui.dir.path());
    load(4);

    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].title, "Error");
    EXPECT_NE(ui.dialogs.shown[0].text.find("slot 4"), std::string::npos);
    EXPECT_NE(ui.dialogs.shown[0].text.find(GetParam().named), std::string::npos)
        << ui.dialogs.shown[0].text;
    EXPECT_FALSE(screen.loaded());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(EncodeSlot(gs, 4).ints, before.ints);
    EXPECT_EQ(EncodeSlot(gs, 4).strs, before.strs);
    EXPECT_EQ(ui.session.catalogue().MovieTitles, titles);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, FailedLoadTest,
    ::testing::Values(FailedLoadCase{"ShortSlot", 1,
                                     [](const fs::path& dir) {
                                         fs::resize_file(dir / (SlotFileStem(4) + ".int"), 100);
                                     },
                                     "QVX2_SAVEGAME_4.int"},
                      FailedLoadCase{
                          "CustomCatalogueMissing", 26,
                          [](const fs::path& dir) {
                              fs::remove(dir / CatalogueFileNames(CatalogueSet::Custom).moviesInt);
                          },
                          ".int"}),
    [](const auto& p) { return std::string(p.param.label); });

TEST_F(SaveLoadTest, AFailedLoadShowsTheSlotAsDamagedAfterwards) {
    keep(4, "Kept");
    open();
    fs::resize_file(file(4, ".int"), 100);
    load(4);
    EXPECT_EQ(summary(4), "damaged");
    EXPECT_FALSE(button(10)->isEnabled());
}

bool DirectoryTakesWrites(const fs::path& dir) {
    const fs::path probe = dir / "write-probe";
    std::ofstream(probe) << "x";
    const bool wrote = fs::exists(probe);
    fs::remove(probe);
    return wrote;
}

// Ways a save can fail on the disk; each returns false when it could not be set up (a root user
// writes into a read-only directory all the same).
struct FailedSaveCase {
    const char* label;
    bool (*block)(const fs::path& dir);
};

struct FailedSaveTest : SaveLoadTest, ::testing::WithParamInterface<FailedSaveCase> {
    void TearDown() override {
        fs::permissions(ui.dir.path(), fs::perms::owner_all, fs::perm_options::add);
    }
};

TEST_P(FailedSaveTest, KeepsTheSlotAndItsCaption) {
    keep(2, "Before");
    const std::vector<uint8_t> ints = Bytes(file(2, ".int"));
    const std::vector<uint8_t> strs = Bytes(file(2, ".str"));
    gs.Channel[player][Ch::kMoney] += 1;
    if (!GetParam().block(ui.dir.path())) GTEST_SKIP() << "the directory stays writable";

    open();
    edit(2)->setText("After");
    ui.dialogs.answers.push_back(true);
    save(2);
    ASSERT_EQ(ui.dialogs.Titles(), (std::vector<std::string>{"Save game", "Error"}));
    EXPECT_NE(ui.dialogs.shown[1].text.find("slot 2"), std::string::npos);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(settings.SaveSlotNames[2], "Before");
    EXPECT_EQ(Bytes(file(2, ".int")), ints);
    EXPECT_EQ(Bytes(file(2, ".str")), strs);
}

INSTANTIATE_TEST_SUITE_P(
    Disk, FailedSaveTest,
    ::testing::Values(FailedSaveCase{"ReadOnlyDirectory",
                                     [](const fs::path& dir) {
                                         fs::permissions(dir,
                                                         fs::perms::owner_write |
                                                             fs::perms::group_write |
                                                             fs::perms::others_write,
                                                         fs::perm_options::remove);
                                         return !DirectoryTakesWrites(dir);
                                     }},
                      // The second file's temporary cannot be made: the first is already
                      // written beside its old file and must not replace it.
                      FailedSaveCase{"SecondFileBlocked",
                                     [](const fs::path& dir) {
                                         return fs::create_directory(
                                             dir / (SlotFileStem(2) + ".str.tmp"));
                                     }}),
    [](const auto& p) { return std::string(p.param.label); });

TEST_F(SaveLoadTest, ASettingsFileThatCannotBeWrittenIsReportedButTheSaveStands) {
    fs::remove(ui.dir.path() / kSettingsFileName);
    fs::create_directory(ui.dir.path() / kSettingsFileName);
    open();
    edit(1)->setText("Saved anyway");
    save(1);
    ASSERT_EQ(ui.dialogs.Titles(), std::vector<std::string>{"Error"});
    EXPECT_NE(ui.dialogs.shown[0].text.find("saved in slot 1"), std::string::npos);
    EXPECT_EQ(settings.SaveSlotNames[1], "Saved anyway");
    EXPECT_EQ(Bytes(file(1, ".int")).size(), SlotIntBytes(1));
    EXPECT_TRUE(screen.isHidden());
}

TEST_F(SaveLoadTest, OverwritingAsksFirstAndNoChangesNothing) {
    keep(1, "First");
    const std::vector<uint8_t> ints = Bytes(file(1, ".int"));
    gs.Channel[player][Ch::kMoney] += 1;
    open();
    edit(1)->setText("Second");
    ui.dialogs.answers.push_back(false);
    save(1);
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].kind, "ask");
    EXPECT_EQ(ui.dialogs.shown[0].title, "Save game");
    EXPECT_EQ(ui.dialogs.shown[0].text, "Overwrite saved game?");
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(settings.SaveSlotNames[1], "First");
    EXPECT_EQ(Bytes(file(1, ".int")), ints);

    ui.dialogs.answers.push_back(true);
    save(1);
    EXPECT_TRUE(screen.isHidden());
    EXPECT_EQ(settings.SaveSlotNames[1], "Second");
    EXPECT_NE(Bytes(file(1, ".int")), ints);
}

TEST_F(SaveLoadTest, ACaptionLeftEmptyOrAsTheEmptySlotsStillShowsTheGame) {
    open();
    save(5);  // the field still reads "Empty slot"
    EXPECT_EQ(settings.SaveSlotNames[5], "Night Owl TV, turn 1");
    open();
    edit(6)->setText("   ");
    save(6);
    EXPECT_EQ(settings.SaveSlotNames[6], "Night Owl TV, turn 1");
    open();
    EXPECT_TRUE(button(12)->isEnabled());
    EXPECT_TRUE(button(14)->isEnabled());
}

TEST_F(SaveLoadTest, RowsTellWhatTheyHoldAndDamagedOrEmptySlotsCannotBeLoaded) {
    keep(1, "Kept");
    keep(5, "Broken");
    fs::resize_file(file(5, ".int"), 4000);
    // A caption of "Empty slot" hides whatever files are left in the slot.
    settings.SaveSlotNames[6] = kEmptySlotCaption;
    ASSERT_TRUE(WriteSlotFiles(gs, 6, ui.dir.path()));
    open();

    const std::string held = "Night Owl TV | Normal - USA | Turn 1 of 120 | $ " +
                             FormatAmount(gs.Channel[player][Ch::kMoney]) + " millions";
    EXPECT_EQ(summary(1), held);
    EXPECT_TRUE(button(4)->isEnabled());
    EXPECT_NE(widget("SlotPanel1")->accessibleName().toStdString().find(held), std::string::npos);
    EXPECT_EQ(summary(5), "damaged");
    EXPECT_FALSE(button(12)->isEnabled());
    EXPECT_FALSE(widget("BlindButton12")->isEnabled());
    for (int n : {2, 3, 4, 6}) {
        EXPECT_EQ(summary(n), "") << n;
        EXPECT_FALSE(button(2 * n + 2)->isEnabled()) << n;
        EXPECT_EQ(edit(n)->text().toStdString(), kEmptySlotCaption);
    }
    // A disabled Load does nothing.
    load(5);
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_TRUE(screen.isVisible());
}

TEST(SaveLoadEnabling, SaveNeedsAGameAndContinueARunningGameOffTheStartScreenOnly) {
    UiSession ui;
    TForm14 screen{ui.session, nullptr};
    ASSERT_EQ(ui.session.game().CurrentGame, 0);
    const auto enabled = [&](int k) {
        return screen.findChild<QWidget*>(QString("Button%1ActiveField").arg(k))->isEnabled();
    };
    screen.prepare();
    for (int n = 1; n <= 6; ++n)
        EXPECT_FALSE(enabled(2 * n + 1)) << n;
    EXPECT_FALSE(enabled(1));

    ui.session.settings().SaveSlotNames[0] = kRunningGameCaption;
    ui.session.game().CurrentGame = 1;
    screen.prepare();
    EXPECT_TRUE(enabled(1));
    EXPECT_TRUE(screen.findChild<QWidget*>("BlindButton1")->isEnabled());
    for (int n = 1; n <= 6; ++n)
        EXPECT_TRUE(enabled(2 * n + 1)) << n;
    screen.prepareInOffice();
    EXPECT_FALSE(enabled(1));
}

TEST_F(SaveLoadTest, ContinueLoadsTheRunningGamesSlot) {
    // StartNewGame saved the running game into slot 0.
    settings.SaveSlotNames[0] = kRunningGameCaption;
    const int32_t money = gs.Channel[player][Ch::kMoney];
    gs.Channel[player][Ch::kMoney] = 1;
    open();
    click(1);
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_TRUE(screen.loaded());
    EXPECT_EQ(gs.Channel[player][Ch::kMoney], money);
}

TEST_F(SaveLoadTest, CaptionsTakeOnlyWhatTheSettingsRecordHolds) {
    open();
    QLineEdit* field = edit(1);
    field->clear();
    QTest::keyClicks(field, "Caf");
    for (const QChar ch : QString::fromUtf8("\xC3\xA9 \xE2\x98\x83!")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(field, &press);
    }
    // The snowman is outside the code page; the accent is in it.
    EXPECT_EQ(field->text(), QString::fromUtf8("Caf\xC3\xA9 !"));
    field->clear();
    QTest::keyClicks(field, QString(256, 'a'));
    EXPECT_EQ(field->text().size(), 255);
}

// The office's Save/Load button as the program wires it: a game loaded there replaces the one
// on the desk, and the office opens the loaded game's planning phase.
TEST_F(SaveLoadTest, TheOfficeOpensThePlanningOfAGameLoadedThere) {
    keep(2, "Turn one");
    app::GameWindows windows(ui.session);
    ui.session.setDialogs(&ui.dialogs);
    ui.session.setSounds(&ui.sounds);
    auto* office = windows.screen<ui::TForm7>();
    auto* saveLoad = windows.screen<TForm14>();
    office->prepareForPlanning();
    const std::string turnOneDate = TextOf(office, "Label17");
    const std::string turnOneMoney = TextOf(office, "Label1");
    gs.GameInfo[Info::kTurn] = 5;
    gs.Channel[player][Ch::kMoney] += 1000;
    office->refreshOffice();
    ASSERT_NE(TextOf(office, "Label17"), turnOneDate);
    office->show();
    office->showPhone();
    ASSERT_TRUE(Child<QWidget>(office, "Panel2")->isVisible());

    bool continueEnabled = true;
    QTimer::singleShot(0, saveLoad, [&] {
        continueEnabled = Child<QWidget>(saveLoad, "Button1ActiveField")->isEnabled();
        QTest::mouseClick(Child<QWidget>(saveLoad, "Button6ActiveField"), Qt::LeftButton);
        // Should the load not close the screen, the test must not hang on it.
        if (saveLoad->isVisible()) saveLoad->reject();
    });
    office->mainButtonClicked(9);

    EXPECT_FALSE(continueEnabled);
    EXPECT_TRUE(saveLoad->loaded());
    EXPECT_EQ(gs.GameInfo[Info::kTurn], 1);
    EXPECT_EQ(TextOf(office, "Label17"), turnOneDate);
    EXPECT_EQ(TextOf(office, "Label1"), turnOneMoney);
    EXPECT_FALSE(Child<QWidget>(office, "Panel2")->isVisible());
    ui.session.setDialogs(nullptr);
    ui.session.setSounds(nullptr);
}

}  // namespace
}  // namespace qvx::test
