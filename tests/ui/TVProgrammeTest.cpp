// The programme table's wiring: real drops on its widgets reach the engine's rules, its dialogs
// come in the engine's words, the blind twins act like their images, the history takes every
// change back exactly, and the forecast it shows changes nothing.
#include <QTest>

#include "Appeal.h"
#include "Client_TVProgramme.h"
#include "DragDrop.h"
#include "Forecast.h"
#include "InfoPanels.h"
#include "NewGame.h"
#include "ProgrammeView.h"
#include "SaveGame.h"
#include "ScreenKit.h"
#include "UiTestSupport.h"
#include "Widgets.h"

namespace qvx::test {
namespace {

using Row = std::array<int32_t, kSlots>;

struct TVProgrammeTest : ::testing::Test {
    UiSession ui;
    ui::TForm8 screen{ui.session, nullptr};
    GameState& gs = ui.session.game();
    Catalogue& cat = ui.session.catalogue();
    int player = 0;
    // Titles at archive images 2..6 with the lengths the rules need, and two contracts.
    int32_t movie3 = 0, movie1 = 0, movie5 = 0, movie4 = 0, sport = 0;
    static constexpr int32_t kAdA = 61, kAdB = 62;
    std::vector<int> hooks;

    void SetUp() override {
        NewGameChoice choice;
        choice.scenario = 1;
        choice.logo = 1;
        choice.name = "Night Owl TV";
        const GameStart started = StartNewGame(gs, cat, ui.session.settings(), ui.session.rng(),
                                               choice, ui.session.dirs());
        ASSERT_TRUE(started) << started.message();
        player = gs.PlayerChannel;
        std::vector<int32_t> movies;
        for (int32_t id = 1; id <= kMovies && movies.size() < 5; ++id) {
            const Record& m = cat.MovieCatalogue[id];
            if (m[Movie::kType] == Movie::kTypeMovie && m[Movie::kGenre] != Genre::kSport)
                movies.push_back(id);
        }
        ASSERT_EQ(movies.size(), 5u);
        movie3 = movies[0], movie1 = movies[1], movie5 = movies[2], movie4 = movies[3];
        sport = movies[4];
        const std::array<std::pair<int32_t, int32_t>, 5> lengths = {
            {{movie3, 3}, {movie1, 1}, {movie5, 5}, {movie4, 4}, {sport, 2}}};
        for (auto [id, length] : lengths)
            cat.MovieCatalogue[id][Movie::kLength] = length;
        cat.MovieCatalogue[sport][Movie::kGenre] = Genre::kSport;
        gs.MovieArchive[player] = {};
        for (int i = 0; i < 5; ++i)
            gs.MovieArchive[player][i + 1] = lengths[static_cast<size_t>(i)].first;
        for (int32_t ad : {kAdA, kAdB}) {
            gs.AdPool[player][ad][Ad::kOpen] = 1;
            gs.AdPool[player][ad][Ad::kSpotsRequired] = 4;
            gs.AdPool[player][ad][Ad::kTargetCode] = 1;
            gs.AdPool[player][ad][Ad::kPayment] = 20;
        }
        gs.AcceptedAds[player] = {};
        gs.AcceptedAds[player][1] = kAdA;
        gs.AcceptedAds[player][2] = kAdB;
        for (int s = 1; s <= kSlots; ++s)
            gs.Programme[player][s] = Record{};
        ui.session.leaveTutorialStep = [this](int step) { hooks.push_back(step); };
        screen.prepare();
        screen.show();
    }

    QWidget* W(const QString& name) {
        auto* widget = screen.findChild<QWidget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    bool DropOn(const QString& from, const QString& to) { return Drop(W(from), W(to)); }
    // What a row says in full (a long title is cut on screen).
    std::string Said(const QString& name) { return W(name)->accessibleName().toStdString(); }
    void Click(const QString& name) { QTest::mouseClick(W(name), Qt::LeftButton); }
    Row Field(int field) const {
        Row r{};
        for (int s = 1; s <= kSlots; ++s)
            r[static_cast<size_t>(s - 1)] = gs.Programme[player][s][field];
        return r;
    }
    Row Programmes() const { return Field(Slot::kProgramme); }
    Row Ads() const { return Field(Slot::kAd); }
    void SetPlan(const Row& programmes, const Row& ads) {
        for (int s = 1; s <= kSlots; ++s) {
            gs.Programme[player][s][Slot::kProgramme] = programmes[static_cast<size_t>(s - 1)];
            gs.Programme[player][s][Slot::kAd] = ads[static_cast<size_t>(s - 1)];
        }
        screen.prepare();
    }
    SlotFileBytes Bytes() const { return EncodeSlot(gs, 0); }
};

TEST_F(TVProgrammeTest, OneBlockTitleOnAThreeBlockMovieRemovesAllOfIt) {
    ASSERT_TRUE(DropOn("Archive2", "Slot7"));
    EXPECT_EQ(Programmes(), (Row{0, 0, 0, 0, 0, 0, movie3, movie3, movie3, 0}));
    EXPECT_EQ(Said("Slot8"), ProgrammeRowText(gs, cat, 8));
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "SlotPic9")->pictureName(), "QVX2_MovieSlot.jpg");
    // The ad row of the hour is the same target as its programme row.
    ASSERT_TRUE(DropOn("Archive3", "SlotAds8"));
    EXPECT_EQ(Programmes(), (Row{0, 0, 0, 0, 0, 0, 0, movie1, 0, 0}));
    EXPECT_EQ(Said("Slot7"), "08:00pm:  (Empty)");
    EXPECT_TRUE(ui.dialogs.shown.empty());
}

TEST_F(TVProgrammeTest, SportAlwaysStartsAtSevenAndLateTitlesMustFit) {
    ASSERT_TRUE(DropOn("Archive6", "Slot1"));
    EXPECT_EQ(Programmes(), (Row{0, 0, 0, 0, 0, sport, sport, 0, 0, 0}));
    const SlotFileBytes bytes = Bytes();
    EXPECT_TRUE(DropOn("Archive4", "Slot10"));  // five blocks at 11:00pm: refused in silence
    EXPECT_EQ(Bytes().ints, bytes.ints);
    ASSERT_TRUE(DropOn("Archive5", "Slot10"));
    EXPECT_EQ(Programmes(), (Row{0, 0, 0, 0, 0, sport, sport, 0, 0, movie4}));
    EXPECT_TRUE(ui.dialogs.shown.empty());
}

TEST_F(TVProgrammeTest, TheNewsItemStaysOffTheArchive) {
    SetPlan({0, 0, 0, 0, 0, 0, 0, 0, 0, -1}, {});
    const SlotFileBytes bytes = Bytes();
    ASSERT_TRUE(DropOn("Archive1", "Archive3"));
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].kind, "inform");
    EXPECT_EQ(ui.dialogs.shown[0].title, "N/A");
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "The position of the news spots is locked. You cannot move them to other movie "
              "slots.");
    EXPECT_TRUE(DropOn("Archive1", "Button2ActiveField"));
    EXPECT_EQ(ui.dialogs.shown.size(), 2u);
    EXPECT_EQ(Bytes().ints, bytes.ints);
    EXPECT_FALSE(screen.canUndo());
    // On "Movies & News" the news item takes no drop at all; on "Advertisements" image 1 does.
    EXPECT_FALSE(DropOn("Archive2", "Archive1"));
    ASSERT_TRUE(DropOn("Archive1", "Slot3"));
    EXPECT_EQ(Programmes(), (Row{0, 0, -1, 0, 0, 0, 0, 0, 0, -1}));
    Click("BlindLabel5");
    EXPECT_TRUE(DropOn("Archive2", "Archive1"));
    EXPECT_EQ(gs.AcceptedAds[player][1], kAdB);
    EXPECT_EQ(gs.AcceptedAds[player][2], kAdA);
}

TEST_F(TVProgrammeTest, ModifierDoubleClickFillsOnlyTheEmptyAdHours) {
    SetPlan({}, {0, kAdB, 0, 0, kAdB, 0, 0, 0, 0, 0});
    auto* image = W("Archive1");
    // On "Movies & News" the double click does nothing; a plain one never fills.
    QTest::mouseDClick(image, Qt::LeftButton, Qt::ShiftModifier);
    Click("Tab2ActiveField");
    ASSERT_EQ(screen.archiveTab(), ArchiveTab::Advertisements);
    QTest::mouseDClick(image, Qt::LeftButton);
    EXPECT_EQ(Ads(), (Row{0, kAdB, 0, 0, kAdB, 0, 0, 0, 0, 0}));
    QTest::mouseDClick(image, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(Ads(), (Row{kAdA, kAdB, kAdA, kAdA, kAdB, kAdA, kAdA, kAdA, kAdA, kAdA}));
    EXPECT_EQ(Said("SlotAds1"), AdRowText(gs, cat, 1));
    EXPECT_TRUE(screen.canUndo());
}

TEST_F(TVProgrammeTest, DustbinClickAsksAndOnlyYesClearsEveryField) {
    SetPlan({movie1, 0, -1, 0, 0, 0, 0, 0, 0, 0}, {kAdA, 0, kAdB, 0, 0, 0, 0, 0, 0, 0});
    gs.Programme[player][1][Slot::kViewers] = 7;
    const SlotFileBytes bytes = Bytes();
    ui.dialogs.answers = {false};
    Click("Button2ActiveField");
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].kind, "ask");
    EXPECT_EQ(ui.dialogs.shown[0].title, "Delete TV program?");
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "Do you really wish to delete the whole TV program? You can delete single slots by "
              "dragging them into this dustbin.");
    EXPECT_EQ(Bytes().ints, bytes.ints);
    ui.dialogs.answers = {true};
    Click("BlindLabel6");
    EXPECT_EQ(ui.dialogs.shown.size(), 2u);
    for (int s = 1; s <= kSlots; ++s)
        EXPECT_EQ(gs.Programme[player][s], Record{}) << s;
    EXPECT_EQ(ui.sounds.Count("click"), 2);
}

TEST_F(TVProgrammeTest, RowsDraggedIntoTheDustbinGoWithTheirHours) {
    SetPlan({0, 0, 0, 0, 0, 0, movie3, movie3, movie3, 0}, {0, 0, 0, 0, 0, 0, kAdA, kAdA, kAdB, 0});
    ASSERT_TRUE(DropOn("SlotAds9", "Button2ActiveField"));
    EXPECT_EQ(Ads(), (Row{0, 0, 0, 0, 0, 0, kAdA, kAdA, 0, 0}));
    ASSERT_TRUE(DropOn("Slot8", "BlindLabel6"));
    EXPECT_EQ(Programmes(), Row{});
    EXPECT_EQ(Ads(), Row{});
    // An empty row has nothing to drag.
    EXPECT_FALSE(DropOn("Slot1", "Slot2"));
}

TEST_F(TVProgrammeTest, BlindTwinsActLikeTheirImages) {
    Click("BlindLabel5");
    EXPECT_EQ(screen.archiveTab(), ArchiveTab::Advertisements);
    EXPECT_TRUE(W("Interface5")->isVisible());
    EXPECT_FALSE(W("Interface4")->isVisible());
    EXPECT_FALSE(W("Archive15_Panel")->isVisible());
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "Archive1")->pictureName(), "AdsArchive.jpg");
    Click("BlindLabel4");
    EXPECT_EQ(screen.archiveTab(), ArchiveTab::MoviesNews);
    EXPECT_EQ(Child<ui::PictureLabel>(&screen, "Archive1")->pictureName(), "NewsArchive.jpg");
    // A blind archive text drags like its image.
    ASSERT_TRUE(DropOn("BlindArchiveSlot3", "Slot2"));
    EXPECT_EQ(Programmes(), (Row{0, movie1, 0, 0, 0, 0, 0, 0, 0, 0}));
    // The office opens the table on "Movies & News" again, whatever was left open.
    Click("Tab2ActiveField");
    screen.prepare();
    EXPECT_EQ(screen.archiveTab(), ArchiveTab::MoviesNews);
    EXPECT_FALSE(screen.canUndo());
    ui.sounds.played.clear();
    Click("BlindButton4");
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(hooks, std::vector<int>{15});
    EXPECT_EQ(ui.sounds.Count("click"), 1);
}

TEST_F(TVProgrammeTest, InfoPanelsFollowThePointerUnlessBlind) {
    SetPlan({0, 0, 0, 0, 0, 0, movie3, movie3, movie3, 0}, {0, 0, 0, 0, 0, 0, kAdA, 0, 0, 0});
    auto enter = [this](const char* name) {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(W(name), &event);
    };
    auto leave = [this](const char* name) {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(W(name), &event);
    };
    auto* movie = Child<ui::MovieInfoPanel>(&screen, "Panel1");
    auto* contract = Child<ui::ContractInfoPanel>(&screen, "Panel3");
    enter("Slot8");
    EXPECT_TRUE(movie->isVisible());
    EXPECT_EQ(movie->pos(), QPoint(406, 101));
    EXPECT_EQ(movie->title().toStdString(), "\"" + cat.MovieTitles[movie3] + "\"");
    leave("Slot8");
    EXPECT_FALSE(movie->isVisible());
    enter("SlotAds7");
    EXPECT_TRUE(contract->isVisible());
    EXPECT_FALSE(movie->isVisible());
    leave("SlotAds7");
    enter("Archive1");  // the news item has no panel
    EXPECT_FALSE(movie->isVisible() || contract->isVisible());
    enter("SlotAds1");  // an empty hour neither
    EXPECT_FALSE(contract->isVisible());
    ui.session.setBlindMode(true);
    enter("Archive2");
    EXPECT_FALSE(movie->isVisible());
    Click("BlindArchiveSlot2");
    EXPECT_TRUE(W("BlindInfoPanel1")->isVisible());
    EXPECT_EQ(W("BlindInfoPanel1")->pos(), QPoint(8, 12));
    Click("BlindLabel5");
    Click("BlindArchiveSlot1");
    EXPECT_TRUE(W("BlindInfoPanel2")->isVisible());
    EXPECT_FALSE(W("BlindArchiveSlot15")->isVisible());
}

TEST_F(TVProgrammeTest, UndoAndRedoRestoreEveryStepExactly) {
    std::vector<ProgrammeEdits> steps{TakeProgrammeEdits(gs)};
    const SlotFileBytes start = Bytes();
    ASSERT_TRUE(DropOn("Archive2", "Slot7"));
    steps.push_back(TakeProgrammeEdits(gs));
    ASSERT_TRUE(DropOn("Archive1", "Slot8"));  // the news spot clears the movie and more
    steps.push_back(TakeProgrammeEdits(gs));
    Click("Tab2ActiveField");
    ASSERT_TRUE(DropOn("Archive1", "Archive2"));  // contracts swap places
    steps.push_back(TakeProgrammeEdits(gs));
    QTest::mouseDClick(W("Archive1"), Qt::LeftButton, Qt::AltModifier);
    steps.push_back(TakeProgrammeEdits(gs));
    ui.dialogs.answers = {true};
    Click("Button2ActiveField");
    steps.push_back(TakeProgrammeEdits(gs));
    for (size_t i = 1; i < steps.size(); ++i)
        ASSERT_NE(steps[i], steps[i - 1]) << i;
    EXPECT_FALSE(W("RedoButtonActiveField")->isEnabled());
    for (size_t i = steps.size() - 1; i > 0; --i) {
        ASSERT_TRUE(W("UndoButtonActiveField")->isEnabled());
        if (i % 2) {
            QTest::keyClick(&screen, Qt::Key_Z, Qt::ControlModifier);
        } else {
            Click("UndoButtonActiveField");
        }
        EXPECT_EQ(TakeProgrammeEdits(gs), steps[i - 1]) << i;
    }
    EXPECT_FALSE(W("UndoButtonActiveField")->isEnabled());
    EXPECT_FALSE(W("BlindUndoButton")->isEnabled());
    // Nothing but the table came back: the saved game is the one before the first drop.
    EXPECT_EQ(Bytes().ints, start.ints);
    EXPECT_EQ(Bytes().strs, start.strs);
    for (size_t i = 1; i < steps.size(); ++i) {
        if (i % 2) {
            QTest::keyClick(&screen, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        } else {
            Click("BlindRedoButton");
        }
        EXPECT_EQ(TakeProgrammeEdits(gs), steps[i]) << i;
    }
    EXPECT_FALSE(screen.canRedo());
    // A new change after an undo drops what could have been redone.
    screen.undo();
    ASSERT_TRUE(DropOn("Archive2", "Slot1"));
    EXPECT_FALSE(screen.canRedo());
    screen.prepare();
    EXPECT_FALSE(screen.canUndo());
}

TEST_F(TVProgrammeTest, ForecastShowsTheEngineDayAndChangesNothing) {
    SetPlan({-1, 0, 0, 0, 0, 0, movie3, movie3, movie3, movie1},
            {kAdA, 0, 0, 0, 0, 0, kAdB, 0, 0, kAdA});
    const SlotFileBytes bytes = Bytes();
    Rng rngCopy = ui.session.rng();
    const DayForecast day = ForecastPlayerDay(gs, cat, ui.session.deck(), ui.session.rng());
    for (int s = 1; s <= kSlots; ++s) {
        const HourForecast& hour = day.hours[static_cast<size_t>(s - 1)];
        const QString name = QString("Forecast%1").arg(s);
        EXPECT_EQ(TextOf(&screen, name.toLatin1().constData()), hour.text) << s;
        const QString tooltip = ui::WrappedToolTip(QString::fromStdString(hour.tooltip));
        EXPECT_EQ(W(name)->toolTip(), tooltip) << s;
        EXPECT_EQ(W(QString("Slot%1").arg(s))->toolTip(), tooltip) << s;
        const std::string style = W(QString("SlotAds%1").arg(s))->styleSheet().toStdString();
        if (hour.adReached) {
            EXPECT_NE(style.find(*hour.adReached ? ui::palette::kGain : ui::palette::kWarning),
                      std::string::npos)
                << s;
        }
    }
    EXPECT_FALSE(TextOf(&screen, "Forecast7").empty());
    EXPECT_TRUE(W("Forecast7")->toolTip().contains("Kids"));
    EXPECT_TRUE(TextOf(&screen, "Forecast2").empty());
    // Opening, hovering, switching tabs and redrawing write nothing and draw nothing.
    for (const char* name : {"Slot7", "SlotAds1", "Archive2"}) {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(W(name), &event);
    }
    Click("Tab2ActiveField");
    Click("Tab1ActiveField");
    screen.redraw();
    screen.undo();
    screen.prepare();
    EXPECT_EQ(Bytes().ints, bytes.ints);
    EXPECT_EQ(Bytes().strs, bytes.strs);
    EXPECT_EQ(ui.session.rng().Random(1000000), rngCopy.Random(1000000));
}

}  // namespace
}  // namespace qvx::test
