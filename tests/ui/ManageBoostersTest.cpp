#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>
#include <filesystem>

#include "Boosters.h"
#include "Client_ManageBoosters.h"
#include "Client_NewGameScreen.h"
#include "Client_StartScreen.h"
#include "GameWindows.h"
#include "Settings.h"
#include "UiTestSupport.h"
#include "Widgets.h"
#include "background.h"

namespace qvx::test {
namespace {

using ui::TForm26;
namespace fs = std::filesystem;

// The settings file cannot be written into `dir`: the directory is read-only and, since root
// ignores that, the name the writer first writes to is taken by a directory.
void MakeUnwritable(const fs::path& dir) {
    fs::create_directory(dir / (std::string(kSettingsFileName) + ".tmp"));
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
}
void MakeWritable(const fs::path& dir) {
    fs::permissions(dir, fs::perms::owner_all);
    fs::remove(dir / (std::string(kSettingsFileName) + ".tmp"));
}

struct ManageBoostersTest : ::testing::Test {
    UiSession ui;
    TForm26 screen{ui.session, nullptr};

    void SetUp() override {
        screen.prepare();
        screen.show();
    }
    void TearDown() override { MakeWritable(ui.dir.path()); }

    QWidget* widget(const QString& name) {
        QWidget* found = screen.findChild<QWidget*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QWidget* card(int k) { return widget(QString("Booster%1").arg(k)); }
    QWidget* place(int s) { return widget(QString("CardPlace%1").arg(s)); }
    QWidget* slotCard(int s) { return widget(QString("Card%1").arg(s)); }
    std::string text(const QString& name) { return TextOf(&screen, name.toLatin1()); }
    std::string slotPicture(int s) {
        return qobject_cast<ui::PictureLabel*>(slotCard(s))->pictureName().toStdString();
    }
    const Table<int32_t, kBoosterSlots>& deck() {
        return ui.session.settings().Deck.ActiveBoosters;
    }
    void click(const QString& name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    void hover(QWidget* w) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(w, &enter);
    }
    void leave(QWidget* w) {
        QEvent left(QEvent::Leave);
        QCoreApplication::sendEvent(w, &left);
    }
    void expectEmpty(int s) {
        EXPECT_EQ(deck()[s], 0) << "slot " << s;
        EXPECT_TRUE(slotCard(s)->isHidden()) << "slot " << s;
        EXPECT_FALSE(widget(QString("CardEmpty%1").arg(s))->isHidden()) << "slot " << s;
        EXPECT_EQ(text(QString("CardName%1").arg(s)), "") << "slot " << s;
    }
};

TEST_F(ManageBoostersTest, ACardDroppedOnASlotLiesThereAndAStackableOneInTwo) {
    for (int s = 1; s <= kBoosterSlots; ++s)
        expectEmpty(s);
    ASSERT_TRUE(Drop(card(Card::kLawyer), place(2)));
    ASSERT_TRUE(Drop(card(Card::kLawyer), place(4)));
    EXPECT_EQ(deck()[2], Card::kLawyer);
    EXPECT_EQ(deck()[4], Card::kLawyer);
    for (int s : {2, 4}) {
        EXPECT_FALSE(slotCard(s)->isHidden());
        EXPECT_EQ(slotPicture(s), "QVX2_Booster_Lawyer.jpg");
        EXPECT_EQ(text(QString("CardName%1").arg(s)), "Lawyer");
    }
    // A drop on the filled slot's own picture replaces what it held; Mob shares Lawyer's
    // picture, so only the name tells the slot changed.
    ASSERT_TRUE(Drop(card(Card::kMob), slotCard(4)));
    EXPECT_EQ(deck()[4], Card::kMob);
    EXPECT_EQ(slotPicture(4), "QVX2_Booster_Lawyer.jpg");
    EXPECT_EQ(text("CardName4"), "Mob");
    EXPECT_EQ(deck()[2], Card::kLawyer);
    expectEmpty(1);
    EXPECT_EQ(ui.sounds.Count("click"), 3);
}

TEST_F(ManageBoostersTest, ACardThatDoesNotStackLeavesItsOldSlotWhenDroppedOnAnother) {
    ASSERT_TRUE(Drop(card(Card::kTechnician), place(1)));
    ASSERT_TRUE(Drop(card(Card::kPaparazzi), place(2)));
    ASSERT_TRUE(Drop(card(Card::kTechnician), place(3)));
    expectEmpty(1);
    EXPECT_EQ(deck()[2], Card::kPaparazzi);
    EXPECT_EQ(deck()[3], Card::kTechnician);
    EXPECT_EQ(slotPicture(3), "QVX2_Booster_Tech.jpg");
    EXPECT_EQ(text("CardName3"), "Technician");
    // Onto the slot it lies in already: it stays.
    ASSERT_TRUE(Drop(card(Card::kTechnician), slotCard(3)));
    EXPECT_EQ(deck()[3], Card::kTechnician);
}

TEST_F(ManageBoostersTest, ADropAnywhereButOnASlotChangesNothing) {
    ASSERT_TRUE(Drop(card(Card::kRich), place(5)));
    const auto before = deck();
    EXPECT_FALSE(Drop(card(Card::kLawyer), card(Card::kMob)));
    EXPECT_FALSE(Drop(card(Card::kLawyer), &screen));
    EXPECT_FALSE(Drop(card(Card::kLawyer), widget("DeckPanel")));
    EXPECT_FALSE(Drop(card(Card::kLawyer), widget("Panel1")));
    EXPECT_EQ(deck(), before);
    EXPECT_EQ(ui.sounds.Count("click"), 1);
}

TEST_F(ManageBoostersTest, ClearDeckEmptiesAllFiveSlotsFromEitherButton) {
    for (const char* button : {"Button2Active", "BlindButton2"}) {
        for (int s = 1; s <= kBoosterSlots; ++s)
            ASSERT_TRUE(Drop(card(Card::kConnections), place(s)));
        click(button);
        for (int s = 1; s <= kBoosterSlots; ++s)
            expectEmpty(s);
    }
    EXPECT_TRUE(ui.dialogs.shown.empty());
}

TEST_F(ManageBoostersTest, PointingAtACardOrAFilledSlotShowsItsDetailsUntilThePointerLeaves) {
    QWidget* panel = widget("Panel1");
    EXPECT_TRUE(panel->isHidden());
    hover(card(Card::kTentpoling));
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(text("Label5"), "Tentpoling");
    EXPECT_EQ(text("Label6"),
              "If you broadcast a five star movie/series during the day, all other spots during "
              "the day will get a 10% popularity bonus. This is in addition to the usual bonus "
              "for flow / bridging.");
    EXPECT_EQ(text("Label7"), "[Not stackable]");
    leave(card(Card::kTentpoling));
    EXPECT_TRUE(panel->isHidden());

    ASSERT_TRUE(Drop(card(Card::kConnections), place(3)));
    hover(slotCard(3));
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(text("Label5"), "Connections");
    EXPECT_EQ(text("Label6"),
              "Your good connections to the industry increase your ad revenue by about 10%.");
    EXPECT_EQ(text("Label7"), "[Stackable]");
    leave(slotCard(3));
    EXPECT_TRUE(panel->isHidden());

    // Reopened, the screen starts without details even if the pointer never left.
    hover(card(Card::kRich));
    screen.prepare();
    EXPECT_TRUE(panel->isHidden());
}

// A blind player clicks instead of dragging: a card's twin fills the first empty slot, or the
// slot whose twin was clicked first.
TEST_F(ManageBoostersTest, BlindTwinsFillTheFirstEmptySlotOrTheChosenOne) {
    ui.session.setBlindMode(true);
    EXPECT_FALSE(widget("BlindBooster1")->isHidden());
    EXPECT_EQ(text("BlindCard1"), "Slot 1: empty");
    click("BlindBooster4");
    click("BlindBooster4");
    EXPECT_EQ(deck()[1], Card::kLawyer);
    EXPECT_EQ(deck()[2], Card::kLawyer);
    EXPECT_EQ(text("BlindCard2"), "Slot 2: Lawyer");

    click("BlindCard1");
    EXPECT_EQ(text("BlindCard1"), "Slot 1 (chosen): Lawyer");
    click("BlindBooster7");
    EXPECT_EQ(deck()[1], Card::kProducer);
    EXPECT_EQ(text("BlindCard1"), "Slot 1: Producer");
    EXPECT_EQ(screen.chosenSlot(), 0);

    for (int k : {Card::kRich, Card::kMob, Card::kHolidays})
        click(QString("BlindBooster%1").arg(k));
    EXPECT_EQ(deck()[5], Card::kHolidays);
    // Full, with no slot chosen: the player is told how to go on and nothing changes.
    const auto full = deck();
    click("BlindBooster1");
    EXPECT_EQ(deck(), full);
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].title, "N/A");
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "All five slots are filled: choose the slot to replace first, or clear the deck.");
    // Choosing a slot twice takes the choice back.
    click("BlindCard4");
    click("BlindCard4");
    EXPECT_EQ(screen.chosenSlot(), 0);
}

TEST_F(ManageBoostersTest, ContinueKeepsTheDeckOnDiskForTheNextLaunch) {
    ASSERT_TRUE(Drop(card(Card::kLawyer), place(1)));
    ASSERT_TRUE(Drop(card(Card::kLawyer), place(2)));
    ASSERT_TRUE(Drop(card(Card::kTechnician), place(3)));
    ui.session.settings().SaveSlotNames[2] = "Before the deck";
    click("Button1Active");
    EXPECT_TRUE(screen.isHidden());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_TRUE(ui.dialogs.shown.empty());

    // The next launch reads what Continue wrote, before any exit wrote the file.
    ui::Session next(ui.dir.path(), 2);
    const SettingsLoad loaded = LoadSettings(next.userDir());
    EXPECT_TRUE(loaded.repaired.empty()) << loaded.repaired;
    const Table<int32_t, kBoosterSlots> expected{
        0, Card::kLawyer, Card::kLawyer, Card::kTechnician, 0, 0};
    EXPECT_EQ(loaded.settings.Deck.ActiveBoosters, expected);
    EXPECT_EQ(loaded.settings.SaveSlotNames[2], "Before the deck");

    // Leaving by Escape keeps the deck on disk as well.
    screen.prepare();
    screen.show();
    ASSERT_TRUE(Drop(card(Card::kRich), place(5)));
    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_TRUE(screen.isHidden());
    EXPECT_EQ(ReadSettings(ui.dir.path()).settings.Deck.ActiveBoosters[5], Card::kRich);
}

TEST_F(ManageBoostersTest, AFailedWriteIsToldAndTheDeckIsWrittenAtExitInstead) {
    ASSERT_TRUE(Drop(card(Card::kProducer), place(4)));
    MakeUnwritable(ui.dir.path());
    click("BlindButton1");
    EXPECT_TRUE(screen.isHidden()) << "the screen closes all the same";
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].title, "Error");
    EXPECT_NE(ui.dialogs.shown[0].text.find("SaveGameData.str"), std::string::npos)
        << ui.dialogs.shown[0].text;
    EXPECT_EQ(deck()[4], Card::kProducer);

    // The exit's own write, now that the directory takes it again.
    MakeWritable(ui.dir.path());
    ui::TFbackground background(ui.session);
    background.Shutdown();
    EXPECT_EQ(ReadSettings(ui.dir.path()).settings.Deck.ActiveBoosters[4], Card::kProducer);
    EXPECT_EQ(ui.dialogs.shown.size(), 1u);
}

// No window may come up while the program ends: the failure is one line on stderr that names the
// file and the reason.
TEST_F(ManageBoostersTest, AnExitThatCannotWriteTheSettingsSaysSoOnceOnStderr) {
    MakeUnwritable(ui.dir.path());
    ui::TFbackground background(ui.session);
    background.show();
    testing::internal::CaptureStderr();
    background.Shutdown();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_FALSE(background.isVisible());
    const std::string file = (ui.dir.path() / kSettingsFileName).string();
    EXPECT_NE(said.find(file), std::string::npos) << said;
    EXPECT_NE(said.find("not written at exit"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST_F(ManageBoostersTest, TheNewGameScreenShowsTheDeckJustBuilt) {
    ui::TForm6 newGame(ui.session, nullptr);
    newGame.prepare();
    EXPECT_EQ(TextOf(&newGame, "DeckName2"), "Empty");
    ASSERT_TRUE(Drop(card(Card::kThemingSciFi), place(2)));
    ASSERT_TRUE(Drop(card(Card::kPaparazzi), place(5)));
    click("Button1Active");
    newGame.prepare();
    EXPECT_EQ(TextOf(&newGame, "DeckName2"), "Theming: Sci-fi");
    EXPECT_EQ(Child<ui::PictureLabel>(&newGame, "Deck2")->pictureName(), "QVX2_Booster_Movies.jpg");
    EXPECT_EQ(TextOf(&newGame, "DeckName5"), "Paparazzi");
    EXPECT_EQ(TextOf(&newGame, "DeckName1"), "Empty");
}

// The program wires the start screen's deck button, which stays disabled without a route.
TEST(ManageBoostersWiringTest, TheStartScreenOffersTheDeck) {
    UiSession ui;
    app::GameWindows windows(ui.session);
    ui.session.setDialogs(&ui.dialogs);
    ui.session.setSounds(&ui.sounds);
    auto* start = windows.screen<ui::TForm3>();
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(Child<QWidget>(start, "Button10ActiveField")->isEnabled());
    EXPECT_NE(windows.screen<TForm26>(), nullptr);
}

}  // namespace
}  // namespace qvx::test
