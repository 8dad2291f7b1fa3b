#include "Playback.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "DayTestSupport.h"
#include "ViewerVoice.h"

namespace qvx {
namespace {

using test::DayWorld;
using test::Five;

constexpr int32_t kSciFi = 7;  // a title of genre 15

// Channel 1 is on the TV in the broadcasting phase at 03:00 pm (slot 2).
class TvWorld : public testing::Test {
  protected:
    TvWorld() {
        w.OpenChannel(1, true);
        w.OpenChannel(2, false);
        w.gs.GameInfo[Info::kPhase] = Info::kPhaseBroadcasting;
        w.PutTitle(kSciFi, {.type = Movie::kTypeSeries, .genre = Genre::kSciFi, .stars = 4});
        w.cat.MovieCatalogue[kSciFi][Movie::kPrice] = 1500;
        w.cat.MovieTitles[kSciFi] = "Star Freight";
        w.cat.MovieDescriptions[kSciFi] = "Cargo in orbit.";
        w.cat.AdTexts[9] = "Drink more water.";
    }
    void Hour(int c, int h, int32_t programme, Five viewers, Five appeal, int32_t ad = 0) {
        w.SetSlot(c, h, programme, ad);
        for (int g = 0; g < kAudienceGroups; ++g) {
            w.gs.Programme[c][h][Slot::kViewers + g] = viewers[static_cast<size_t>(g)];
            w.gs.Programme[c][h][Slot::kAppeal + g] = appeal[static_cast<size_t>(g)];
        }
    }
    OnAir At(int32_t hour, int32_t minute, int viewed = 1) const {
        return {viewed, hour, minute, true};
    }
    TvView Tv(int32_t hour, int32_t minute) const {
        return ShowHourOnTv(w.gs, w.cat, At(hour, minute));
    }
    HourInfo Info(int32_t hour, int32_t minute, int viewed = 1) const {
        return ShowHourInfo(w.gs, w.cat, At(hour, minute, viewed));
    }
    const FaceView& FaceOf(const TvView& tv, int group) const {
        return tv.faces[static_cast<size_t>(FaceOfGroup(group) - 1)];
    }
    DayWorld w;
};

TEST(SlotOnAir, HoursTwoToTwelveAreSlotsOneToEleven) {
    const std::pair<int32_t, int> cases[] = {{0, 0},   {1, 0},   {2, 1},  {8, 7},
                                             {11, 10}, {12, 11}, {13, 0}, {-3, 0}};
    for (const auto& [hour, slot] : cases)
        EXPECT_EQ(SlotOnAir(hour), slot) << hour;
}

struct Band {
    int32_t appeal;
    int mood;
    const char* opinion;
};
class AppealBands : public testing::TestWithParam<Band> {};
TEST_P(AppealBands, FaceAndOpinion) {
    const Band& b = GetParam();
    EXPECT_EQ(FaceMood(b.appeal), b.mood);
    const char* opinion = AppealOpinion(b.appeal);
    if (b.opinion == nullptr) {
        EXPECT_EQ(opinion, nullptr);
    } else {
        ASSERT_NE(opinion, nullptr);
        EXPECT_STREQ(opinion, b.opinion);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Edges, AppealBands,
    testing::Values(Band{-1, 0, nullptr}, Band{0, 6, "This is really bad..."},
                    Band{5, 6, "This is really bad..."}, Band{6, 6, "Uh, oh..."},
                    Band{10, 6, "Uh, oh..."}, Band{11, 5, "Boring..."}, Band{20, 5, "Boring..."},
                    Band{21, 4, "Average..."}, Band{45, 4, "Average..."}, Band{46, 3, "Good!"},
                    Band{70, 3, "Good!"}, Band{71, 2, "Very good!"}, Band{80, 2, "Very good!"},
                    Band{81, 1, "Excellent!"}, Band{100, 1, "Excellent!"}, Band{101, 0, nullptr}));

TEST_F(TvWorld, IsOffInThePlanningPhaseAndWithNoChannelChosen) {
    Hour(1, 2, kSciFi, {1, 1, 1, 1, 1}, {50, 50, 50, 50, 50}, 9);
    OnAir planning = At(3, 0);
    planning.broadcasting = false;
    for (const OnAir& at : {planning, At(3, 0, 0)}) {
        const TvView tv = ShowHourOnTv(w.gs, w.cat, at);
        EXPECT_FALSE(tv.tvVisible);
        EXPECT_EQ(tv.nowBroadcasting, "Now broadcasting: Nothing");
        EXPECT_EQ(tv.viewers, ": None");
        EXPECT_EQ(tv.adRequirement, ": None");
        EXPECT_EQ(tv.appeal, ": 0%");
        EXPECT_TRUE(tv.hideInfoPopup);
        EXPECT_EQ(tv.cue, Cue::None);
        for (const FaceView& face : tv.faces)
            EXPECT_EQ(face.state, FaceState::Hidden);
        EXPECT_EQ(ShowHourInfo(w.gs, w.cat, at).view, HourInfoView::Hidden);
    }
}

TEST_F(TvWorld, ShowsTheTitleWithItsGenrePictureFiguresAndFaces) {
    // Kids 81 (delighted), Teens without viewers, Women above 100, Men 11, Seniors 0.
    Hour(1, 2, kSciFi, {3, 0, 5, 4, 2}, {81, 50, 101, 11, 0});
    const TvView tv = Tv(3, 1);
    EXPECT_TRUE(tv.tvVisible);
    EXPECT_EQ(tv.picture, "QVX2_movies_scifi.jpg");
    EXPECT_EQ(tv.nowBroadcasting, "Now broadcasting: Star Freight");
    EXPECT_EQ(tv.viewers, ": 14 millions");
    EXPECT_EQ(tv.appeal, ": 48 %");  // 243 div 5
    EXPECT_EQ(tv.adRequirement, ": 0 millions");
    EXPECT_FALSE(tv.adRequirementRed);
    EXPECT_EQ(tv.cue, Cue::Genre);
    EXPECT_EQ(tv.cueGenre, Genre::kSciFi);
    EXPECT_FALSE(tv.hideInfoPopup);

    // The office orders its faces girl, teenager, father, mom, grandma.
    const std::vector<FaceView> expected = {
        {1, FaceState::Shown, "QVX2_faces_girl_01.jpg"},
        {2, FaceState::Hidden, ""},  // no viewers, whatever the appeal
        {4, FaceState::Shown, "QVX2_faces_father_05.jpg"},
        {3, FaceState::Unchanged, ""},  // 101 leaves the face as it was
        {5, FaceState::Shown, "QVX2_faces_grandma_06.jpg"},
    };
    EXPECT_EQ(std::vector<FaceView>(tv.faces.begin(), tv.faces.end()), expected);

    // Above 100 and without viewers the face is hidden all the same.
    w.gs.Programme[1][2][Slot::kViewers + kWomen] = 0;
    EXPECT_EQ(FaceOf(Tv(3, 1), 3).state, FaceState::Hidden);
}

TEST_F(TvWorld, NewsHourAndAdBreakMinutes) {
    w.PutContract(1, 9, {.minViewers = 1});
    Hour(1, 3, Slot::kNewsShow, {0, 1, 1, 1, 1}, {0, 30, 30, 30, 30}, 9);
    const std::pair<int32_t, bool> minutes[] = {{0, false},  {19, false}, {20, true}, {24, true},
                                                {25, false}, {39, false}, {40, true}, {44, true},
                                                {45, false}, {59, false}};
    for (const auto& [minute, adBreak] : minutes) {
        const TvView tv = Tv(4, minute);
        EXPECT_TRUE(tv.tvVisible);
        EXPECT_EQ(tv.cue, Cue::News) << "the programme's cue, even during the break";
        if (adBreak) {
            EXPECT_EQ(tv.picture, kAdBreakPicture) << minute;
            EXPECT_EQ(tv.nowBroadcasting, "Now broadcasting: Advertisement Brand 9");
        } else {
            EXPECT_EQ(tv.picture, kNewsPicture) << minute;
            EXPECT_EQ(tv.nowBroadcasting, "Now broadcasting: News spot");
        }
    }
}

TEST_F(TvWorld, AnAdWithoutProgrammeShowsNoPictureAndNoBreak) {
    w.PutContract(1, 9, {.minViewers = 12});
    Hour(1, 2, 0, {}, {}, 9);
    // A previous hour left the faces and popup in some state; this one clears them all.
    const TvView tv = Tv(3, 20);
    EXPECT_FALSE(tv.tvVisible);
    EXPECT_EQ(tv.picture, "");
    EXPECT_EQ(tv.nowBroadcasting, "Now broadcasting: Nothing");
    EXPECT_EQ(tv.viewers, ": 0 millions");
    EXPECT_EQ(tv.appeal, ": 0%");
    EXPECT_EQ(tv.adRequirement, ": 12 millions");
    EXPECT_TRUE(tv.adRequirementRed);
    EXPECT_TRUE(tv.hideInfoPopup);
    EXPECT_EQ(tv.cue, Cue::None);
    for (const FaceView& face : tv.faces)
        EXPECT_EQ(face.state, FaceState::Hidden);

    // Midnight (slot 11) and the hours outside the day read as empty.
    EXPECT_FALSE(Tv(12, 0).tvVisible);
    EXPECT_FALSE(Tv(1, 0).tvVisible);
}

// The requirement turns red only when the audience the contract counts falls short.
struct TargetCase {
    int32_t code;
    int32_t audience;  // of the hour {1, 2, 3, 4, 5}
};
class AdRequirement : public TvWorld, public testing::WithParamInterface<TargetCase> {};
TEST_P(AdRequirement, RedOnlyBelowTheTargetAudience) {
    const auto [code, audience] = GetParam();
    Hour(1, 2, kSciFi, {1, 2, 3, 4, 5}, {50, 50, 50, 50, 50}, 9);
    for (const int32_t need : {audience, audience + 1}) {
        w.PutContract(1, 9, {.target = code, .minViewers = need});
        const TvView tv = Tv(3, 1);
        EXPECT_EQ(tv.adRequirement, ": " + std::to_string(need) + " millions");
        EXPECT_EQ(tv.adRequirementRed, need > audience) << "code " << code << " need " << need;
    }
}
INSTANTIATE_TEST_SUITE_P(Codes, AdRequirement,
                         testing::Values(TargetCase{0, 15}, TargetCase{1, 15}, TargetCase{2, 3},
                                         TargetCase{3, 12}, TargetCase{4, 1}, TargetCase{5, 2},
                                         TargetCase{6, 3}, TargetCase{7, 4}, TargetCase{8, 5},
                                         TargetCase{9, 15}));

TEST_F(TvWorld, AdPopupDuringTheBreakAndOneMinuteAfter) {
    w.PutContract(1, 9, {.spots = 12, .target = 2, .minViewers = 7, .payment = 2500});
    w.gs.AdPool[1][9][Ad::kDeadline] = 6;
    w.gs.AdDaysLeft[1][9] = 4;
    w.gs.AdSpotsDone[1][9] = 5;
    Hour(1, 2, kSciFi, {1, 2, 3, 4, 5}, {50, 50, 50, 50, 50}, 9);
    for (const int32_t minute : {20, 25, 40, 45}) {
        const HourInfo info = Info(3, minute);
        ASSERT_EQ(info.view, HourInfoView::Ad) << minute;
        EXPECT_EQ(info.title, "\"Brand 9\"");
        EXPECT_FALSE(info.titleFontSize.has_value());
        EXPECT_EQ(info.rows, (std::vector<InfoRow>{
                                 {"Audience required:", "7 million kids/teens"},
                                 {"Impressions:", "5 / 12"},
                                 {"Days left:", "Deadline: 4 / 6 days left"},
                                 {"Pay:", "$ 2,500 millions"},
                             }));
        EXPECT_EQ(info.label25, "$ 2,500 millions");
        EXPECT_EQ(info.label18, "\"Drink more water.\"");
    }
    for (const int32_t minute : {19, 26, 46})
        EXPECT_EQ(Info(3, minute).view, HourInfoView::Title) << minute;
    w.gs.Programme[1][2][Slot::kAd] = -4;
    EXPECT_EQ(Info(3, 20).view, HourInfoView::Hidden);
    EXPECT_EQ(Info(3, 19).view, HourInfoView::Title);
}

TEST_F(TvWorld, TitlePopup) {
    Hour(1, 2, kSciFi, {1, 2, 3, 4, 5}, {81, 50, 101, 11, 0});
    const HourInfo info = Info(3, 1);
    ASSERT_EQ(info.view, HourInfoView::Title);
    EXPECT_EQ(info.title, "\"Star Freight\"");
    EXPECT_EQ(info.rows, (std::vector<InfoRow>{
                             {"Genre:", "Science-Fiction (Series)"},
                             {"Quality:", "Four-Stars (****)"},
                             {"Audience %:", "48 %"},
                             {"Costs:", "$ 1,500 millions"},
                         }));
    EXPECT_EQ(info.rating, "\"Excellent!\"");
    EXPECT_EQ(info.label18, "\"Cargo in orbit.\"");

    w.SetSlot(1, 2, 0);
    EXPECT_EQ(Info(3, 1).view, HourInfoView::Hidden);
}

TEST_F(TvWorld, TitleFontShrinksFromThirtyThreeCharactersInQuotes) {
    Hour(1, 2, kSciFi, {1, 1, 1, 1, 1}, {});
    const std::pair<std::string, int> cases[] = {
        {std::string(30, 'x'), 12},             // 32 with its quotes
        {std::string(31, 'x'), 11},             // 33
        {std::string(29, 'x') + "\u00e9", 12},  // 30 characters, 31 bytes
        {std::string(30, 'x') + "\u00e9", 11},
    };
    for (const auto& [title, size] : cases) {
        w.cat.MovieTitles[kSciFi] = title;
        EXPECT_EQ(Info(3, 1).titleFontSize, size) << title;
    }
}

TEST_F(TvWorld, TitleTypesAndStars) {
    Hour(1, 2, kSciFi, {1, 1, 1, 1, 1}, {});
    const char* suffixes[] = {
        "Science-Fiction",        "Science-Fiction (Movie)",      "Science-Fiction (Series)",
        "Science-Fiction (Show)", "Science-Fiction (Live sport)", "Science-Fiction"};
    for (int32_t type = 0; type <= 5; ++type) {
        w.cat.MovieCatalogue[kSciFi][Movie::kType] = type;
        EXPECT_EQ(Info(3, 1).rows.at(0).value, suffixes[type]);
    }
    const char* stars[] = {"",
                           "One-Star (*)",
                           "Two-Stars (**)",
                           "Three-Stars (***)",
                           "Four-Stars (****)",
                           "Five-Stars (*****)",
                           ""};
    for (int32_t s = 0; s <= 6; ++s) {
        w.cat.MovieCatalogue[kSciFi][Movie::kStars] = s;
        EXPECT_EQ(Info(3, 1).rows.at(1).value, stars[s]);
    }
}

// The hour's rating uses narrower bands than the faces.
class HourRating : public TvWorld,
                   public testing::WithParamInterface<std::pair<int32_t, const char*>> {};
TEST_P(HourRating, NarrowBands) {
    const auto [percent, text] = GetParam();
    Hour(1, 2, kSciFi, {1, 1, 1, 1, 1}, {percent, percent, percent, percent, percent});
    const HourInfo info = Info(3, 1);
    EXPECT_EQ(info.rows.at(2).value, std::to_string(percent) + " %");
    EXPECT_EQ(info.rating, std::string("\"") + text + "\"");
}
INSTANTIATE_TEST_SUITE_P(
    Edges, HourRating,
    testing::Values(std::pair{0, "This is really bad..."}, std::pair{2, "This is really bad..."},
                    std::pair{3, "Uh, oh..."}, std::pair{5, "Uh, oh..."}, std::pair{6, "Boring..."},
                    std::pair{10, "Boring..."}, std::pair{11, "Average..."},
                    std::pair{20, "Average..."}, std::pair{21, "Good!"}, std::pair{30, "Good!"},
                    std::pair{31, "Very good!"}, std::pair{40, "Very good!"},
                    std::pair{41, "Excellent!"}, std::pair{100, "Excellent!"}));

TEST_F(TvWorld, NewsPopupSharesAndTheComputersSecret) {
    const int32_t kPolitics = 11, kLifestyle = 12, kSport = 13;
    w.PutNews(kPolitics, News::kPolitics);
    w.PutNews(kLifestyle, News::kStarsLifestyle);
    w.PutNews(kSport, News::kSport);
    w.cat.NewsTexts[kPolitics] = "Vote today";
    w.cat.NewsTexts[kSport] = "Cup final";
    for (int c = 1; c <= 2; ++c)
        Hour(c, 2, Slot::kNewsShow, {0, 1, 1, 1, 1}, {0, 10, 10, 10, 12});  // 42 div 5 = 8

    struct Case {
        std::array<int32_t, 3> items;
        std::array<const char*, 3> shares;
        const char* headline;
    };
    const Case cases[] = {
        {{kSport, kPolitics, 0}, {"33%", "0%", "33%"}, "Vote today"},  // the last item set
        {{kSport, kSport, kPolitics}, {"33%", "0%", "66%"}, "Vote today"},
        {{kPolitics, kPolitics, kPolitics}, {"100%", "0%", "0%"}, "Vote today"},
        {{0, kLifestyle, kSport}, {"0%", "33%", "33%"}, "Cup final"},
        {{0, 0, 0}, {"0%", "0%", "0%"}, "..."},
    };
    for (const Case& k : cases) {
        for (int c = 1; c <= 2; ++c) {
            for (int i = 0; i < 3; ++i)
                w.gs.NewsShow[c][i + 1] = k.items[static_cast<size_t>(i)];
        }
        const HourInfo mine = Info(3, 1, 1);
        ASSERT_EQ(mine.view, HourInfoView::News);
        EXPECT_EQ(mine.title, "News spot");
        EXPECT_EQ(mine.rows, (std::vector<InfoRow>{{"Audience:", "8%"},
                                                   {"Political:", k.shares[0]},
                                                   {"Entertainment:", k.shares[1]},
                                                   {"Sport:", k.shares[2]}}));
        EXPECT_EQ(mine.rating, "\"Boring...\"");
        EXPECT_EQ(mine.label18, k.headline);

        const HourInfo theirs = Info(3, 1, 2);  // channel 2 is computer-run
        EXPECT_EQ(theirs.rows, (std::vector<InfoRow>{{"Audience:", "8%"},
                                                     {"Political:", "?"},
                                                     {"Entertainment:", "?"},
                                                     {"Sport:", "?"}}));
        EXPECT_EQ(theirs.label18, k.headline);
    }
}

TEST_F(TvWorld, GroupPopupFiguresOpinionAndVoice) {
    w.AddRegion(1, "A", {10, 0, 0, 0, 0});
    w.AddRegion(2, "B", {1500, 0, 0, 0, 0});
    w.AddRegion(3, "C", {100, 0, 0, 0, 0});  // not licensed
    w.GrantLicence(1, 1, {40, 0, 0, 0, 0});
    w.GrantLicence(2, 1, {45, 0, 0, 0, 0});
    w.gs.Licences[5][1] = 1;  // a region the map does not have
    w.gs.Regions[5][Reg::kPopulation] = 999;
    w.gs.Popularity[5][1][Pop::kGroupFirst] = 100;
    Hour(1, 2, kSciFi, {1234, 0, 0, 0, 0}, {50, 0, 0, 0, 0});

    const GroupInfo info = ShowGroupInfo(w.gs, At(3, 1), 1);
    ASSERT_TRUE(info.visible);
    EXPECT_EQ(info.groupName, "Kids");
    EXPECT_EQ(info.rows, (std::vector<InfoRow>{{"Current audience:", "1,234 millions"},
                                               {"Total audience:", "1,510 millions"},
                                               {"Spot rating:", "50 %"},
                                               {"TV Popularity:", "42 %"}}));
    EXPECT_EQ(info.opinion, "\"Good!\"");
    EXPECT_EQ(info.voice, "\"Red TV is ok.\"");

    w.gs.Programme[1][2][Slot::kAppeal] = 101;
    EXPECT_EQ(ShowGroupInfo(w.gs, At(3, 1), 1).opinion, std::nullopt);
    EXPECT_FALSE(ShowGroupInfo(w.gs, At(3, 1, 0), 1).visible);
    EXPECT_FALSE(ShowGroupInfo(w.gs, At(3, 1), 6).visible);
}

// --- Viewer voices ----------------------------------------------------------------------------

struct VoiceCase {
    int group;
    int32_t popularity;
    int company;
    const char* quote;  // with "X" as the channel name
    int face;
};
class Voices : public testing::TestWithParam<VoiceCase> {};
TEST_P(Voices, QuoteAndFaceByGroupPopularityAndCompany) {
    const VoiceCase& v = GetParam();
    EXPECT_EQ(ViewerQuote(v.group, v.popularity, v.company, "X"), v.quote);
    EXPECT_EQ(ViewerFaceMood(v.popularity), v.face);
}
INSTANTIATE_TEST_SUITE_P(
    Edges, Voices,
    testing::Values(
        VoiceCase{1, 89, 3, "X is the best! I have their posters everywhere in my room!", 2},
        VoiceCase{1, 90, 3, "I absolutely love X! It´s the best channel ever!", 1},
        VoiceCase{2, 90, 4, "Seriously, X rocks!", 1},
        VoiceCase{2, 91, 4, "There is and never will be a better channel than X.", 1},
        VoiceCase{2, 5, 2, "The guys at X suck. Why don´t you &%$§% off now?", 6},
        VoiceCase{2, 10, 1, "Xis just %&$§% man!", 6},
        VoiceCase{1, 11, 4, "What is X? Is this something to eat or play with?", 5},
        VoiceCase{3, 30, 3, "How could someone enjoy X? In the long-term I mean?", 5},
        VoiceCase{3, 31, 4, "X gets more right than wrong.", 4},
        VoiceCase{4, 50, 2, "Watching X is not boring, but I wish they would improve.", 4},
        VoiceCase{4, 51, 1, "At my motorcycle club we often watch X.", 3},
        VoiceCase{5, 70, 2, "I have watched and enjoyed X on several occasions.", 3},
        VoiceCase{5, 71, 3, "X is a fine TV channel. I can really recommend it.", 2},
        VoiceCase{5, 0, 4, "When I was young, X would have been whipped for such a programme.",
                  6}));

TEST(ViewerVoice, SumsOnlyTheLicensedRegionsThatExist) {
    DayWorld w;
    w.OpenChannel(2, false);
    w.AddRegion(1, "A", {0, 0, 0, 7, 0});
    w.AddRegion(2, "B", {0, 0, 0, 8, 0});
    w.GrantLicence(1, 2, {0, 0, 0, 60, 0});
    w.GrantLicence(2, 2, {0, 0, 0, 63, 0});
    const ViewerVoice men = ViewerVoiceOf(w.gs, 2, 4);
    EXPECT_EQ(men.populationText, "15 million men");
    EXPECT_EQ(men.popularity, 61);
    EXPECT_EQ(men.quote, "Yellow TV is an important channel.");
    EXPECT_EQ(men.facePicture, "QVX2_faces_father_03.jpg");

    // Without licences: nobody, and the worst quote.
    const ViewerVoice kids = ViewerVoiceOf(w.gs, 3, 1);
    EXPECT_EQ(kids.populationText, "0 million children");
    EXPECT_EQ(kids.quote, "In my school, everyone who watches Green TV is a loser.");
    EXPECT_EQ(kids.facePicture, "QVX2_faces_girl_06.jpg");
    EXPECT_EQ(ViewerVoiceOf(w.gs, 2, 2).populationText, "0 million teenager");
}

// --- Live ad spots ----------------------------------------------------------------------------

class LiveSpotsTest : public TvWorld {
  protected:
    LiveSpotsTest() {
        w.PutContract(1, 9, {.spots = 8, .minViewers = 10, .payment = 800});
        w.gs.AdSpotsDone[1][9] = 7;
        w.gs.Channel[1][Ch::kMoney] = 1000;
        // 03:00 pm and two later hours carry the contract; the audience is enough everywhere.
        for (const int h : {2, 3, 6})
            Hour(1, h, kSciFi, {2, 2, 2, 2, 2}, {50, 50, 50, 50, 50}, 9);
    }
};

TEST_F(LiveSpotsTest, TheLastSpotAtThreeTwentyPaysOnceAndLeavesTheLaterHours) {
    for (const int32_t minute : {0, 1, 19, 21, 39, 41})
        EXPECT_FALSE(CountLiveAdSpots(w.gs, 3, minute, 1).anyPaid);
    EXPECT_EQ(w.gs.AdSpotsDone[1][9], 7) << "only minutes 20 and 40 count";

    const LiveSpots at20 = CountLiveAdSpots(w.gs, 3, 20, 1);
    EXPECT_EQ(at20.viewed, SpotEvent::Payment);
    EXPECT_TRUE(at20.anyPaid);
    EXPECT_EQ(w.gs.AdSpotsDone[1][9], 8);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoney], 1800);
    EXPECT_EQ(w.gs.AdPool[1][9][Ad::kOpen], 0);
    for (const int h : {2, 3, 6})
        EXPECT_EQ(w.gs.Programme[1][h][Slot::kAd], 0) << h;

    const LiveSpots at40 = CountLiveAdSpots(w.gs, 3, 40, 1);
    EXPECT_EQ(at40.viewed, SpotEvent::None);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoney], 1800);
    EXPECT_EQ(Tv(4, 20).picture, "QVX2_movies_scifi.jpg") << "no ad break any more";
}

TEST_F(LiveSpotsTest, CountsOnlyWhenTheAudienceIsReachedAndNeverPastComplete) {
    w.gs.AdSpotsDone[1][9] = 5;
    EXPECT_EQ(CountLiveAdSpots(w.gs, 3, 20, 1).viewed, SpotEvent::Fanfare);
    EXPECT_EQ(w.gs.AdSpotsDone[1][9], 6);
    EXPECT_EQ(w.gs.Programme[1][3][Slot::kAd], 9);

    w.gs.AdPool[1][9][Ad::kMinViewers] = 11;  // one short
    EXPECT_EQ(CountLiveAdSpots(w.gs, 3, 40, 1).viewed, SpotEvent::None);
    EXPECT_EQ(w.gs.AdSpotsDone[1][9], 6);

    // A contract whose spots are already complete counts nothing and pays nothing.
    w.gs.AdPool[1][9][Ad::kMinViewers] = 10;
    w.gs.AdSpotsDone[1][9] = 8;
    EXPECT_EQ(CountLiveAdSpots(w.gs, 4, 20, 1).viewed, SpotEvent::None);
    EXPECT_EQ(w.gs.AdSpotsDone[1][9], 8);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoney], 1000);
    EXPECT_EQ(w.gs.Programme[1][3][Slot::kAd], 9);
}

TEST_F(LiveSpotsTest, OtherChannelsCountSilentlyAndMoneySaturates) {
    w.PutContract(2, 4, {.spots = 2, .minViewers = 1, .payment = 500});
    w.gs.AdSpotsDone[2][4] = 1;
    w.gs.Channel[2][Ch::kMoney] = INT_MAX - 100;
    Hour(2, 2, kSciFi, {1, 0, 0, 0, 0}, {}, 4);
    w.gs.AdSpotsDone[1][9] = 0;
    const LiveSpots spots = CountLiveAdSpots(w.gs, 3, 20, 2);
    EXPECT_EQ(spots.events[1], SpotEvent::Fanfare);
    EXPECT_EQ(spots.events[2], SpotEvent::Payment);
    EXPECT_EQ(spots.viewed, SpotEvent::Payment);
    EXPECT_EQ(w.gs.Channel[2][Ch::kMoney], INT_MAX);
    EXPECT_EQ(CountLiveAdSpots(w.gs, 3, 40, 0).viewed, SpotEvent::None) << "TV off";
}

// --- The clock ----------------------------------------------------------------------------

TEST(PlaybackClock, ADayIsSixHundredTicksWithItsRedraws) {
    ClockTime t{2, 0};
    int ticks = 0, refreshes = 0, redraws = 0;
    std::vector<int32_t> redrawMinutes;
    TickActions last;
    while (!last.endOfDay) {
        t = AdvanceClock(t.hour, t.minute);
        last = TickActionsAt(t.hour, t.minute);
        ++ticks;
        refreshes += last.refreshOffice;
        EXPECT_EQ(last.resetCue, last.refreshOffice);
        if (last.redrawTv) {
            ++redraws;
            if (t.hour == 2) redrawMinutes.push_back(t.minute);
        }
    }
    EXPECT_EQ(t, (ClockTime{12, 0}));
    EXPECT_EQ(ticks, 600);
    EXPECT_EQ(refreshes, 10);
    EXPECT_EQ(redraws, 40);
    EXPECT_EQ(redrawMinutes, (std::vector<int32_t>{20, 26, 40, 46}));
    EXPECT_EQ(AdvanceClock(5, 59), (ClockTime{6, 0}));
    EXPECT_EQ(AdvanceClock(5, 75), (ClockTime{6, 0}));
}

}  // namespace
}  // namespace qvx
