#include "TitleInfo.h"

#include <gtest/gtest.h>

#include <memory>

#include "Boosters.h"
#include "GameState.h"
#include "NewsView.h"

namespace qvx {
namespace {

constexpr int kPlayer = 3;
constexpr int32_t kFilm = 7;
constexpr int32_t kSeries = 12;
constexpr int32_t kContract = 21;

// A player with a movie priced 41 (two Producer cards take 10 each, 41 div 4 once), a
// twelve-episode series of which three were shown, and a contract for kids or teens.
struct InfoWorld {
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    std::unique_ptr<Catalogue> ownedCat = std::make_unique<Catalogue>();
    GameState& gs = *owned;
    Catalogue& cat = *ownedCat;
    Boosters deck;

    InfoWorld() {
        gs.PlayerChannel = kPlayer;
        gs.Channel[kPlayer][Ch::kActive] = 1;
        gs.Channel[kPlayer][Ch::kHuman] = 1;
        deck.ActiveBoosters[1] = Card::kProducer;
        deck.ActiveBoosters[2] = Card::kProducer;
        Record& film = cat.MovieCatalogue[kFilm];
        film[Movie::kType] = Movie::kTypeMovie;
        film[Movie::kGenre] = 9;
        film[Movie::kStars] = 2;
        film[Movie::kLength] = 3;
        film[Movie::kPrice] = 41;
        film[Movie::kRecentlyShown] = 1;
        film[Movie::kRatingAction] = 87;
        film[Movie::kRatingCast] = 130;  // a modded catalogue: the bar stops at full length
        cat.MovieTitles[kFilm] = "Final Whistle";
        cat.MovieDescriptions[kFilm] = "Ninety minutes of mud.";
        Record& series = cat.MovieCatalogue[kSeries];
        series[Movie::kType] = Movie::kTypeSeries;
        series[Movie::kGenre] = 15;
        series[Movie::kStars] = 5;
        series[Movie::kEpisodes] = 12;
        series[Movie::kLength] = 1;
        cat.MovieTitles[kSeries] = "Copper Valley";
        gs.EpisodesShown[kPlayer][kSeries] = 3;

        Record& ad = gs.AdPool[kPlayer][kContract];
        ad[Ad::kOpen] = 1;
        ad[Ad::kSpotsRequired] = 5;
        ad[Ad::kTargetCode] = 2;
        ad[Ad::kMinViewers] = 1200;
        ad[Ad::kPayment] = 30;
        ad[Ad::kDeadline] = 6;
        gs.AdSpotsDone[kPlayer][kContract] = 2;
        gs.AdDaysLeft[kPlayer][kContract] = 4;
        cat.AdNames[kContract] = "Fizz Pop";
        cat.AdTexts[kContract] = "Bubbles for breakfast";
    }
};

TEST(TitleInfoTest, EachScreenWordsTheSameTitleItsOwnWay) {
    InfoWorld w;
    const MovieInfo table = BuildMovieInfo(w.gs, w.cat, w.deck, kFilm, InfoWording::ProgrammeTable);
    EXPECT_TRUE(table.shown);
    EXPECT_EQ(table.title, "\"Final Whistle\"");
    EXPECT_EQ(table.story, "\"Ninety minutes of mud.\"");
    EXPECT_EQ(table.type, "Type: Movie");
    EXPECT_EQ(table.genre, "Genre: Sport / Live");
    EXPECT_EQ(table.quality, "Quality: Two-Stars (**) [just broadcasted]");
    EXPECT_EQ(table.length, "3 blocks");
    EXPECT_EQ(table.price, "$ 41 millions") << "the table shows the catalogue price";
    EXPECT_EQ(table.ratings[0], 87);
    EXPECT_EQ(table.ratingTexts[0], "87%");
    EXPECT_EQ(table.ratings[5], 100);
    EXPECT_EQ(table.ratingTexts[5], "130%");

    const MovieInfo agency = BuildMovieInfo(w.gs, w.cat, w.deck, kFilm, InfoWording::Agency);
    EXPECT_EQ(agency.type, "Movie");
    EXPECT_EQ(agency.genre, "Sport / Live");
    EXPECT_EQ(agency.quality, "Two-Stars (**) [-]");
    // 41 - 2 * (41 div 4): the discount is taken from the undiscounted price once.
    EXPECT_EQ(agency.price, "Price: $ 21 millions");

    EXPECT_EQ(BuildMovieInfo(w.gs, w.cat, w.deck, kSeries, InfoWording::ProgrammeTable).type,
              "Type: Series (3/12)");
    EXPECT_EQ(BuildMovieInfo(w.gs, w.cat, w.deck, kSeries, InfoWording::Agency).type,
              "Series (12 episodes)");
    for (int32_t none : {0, -1, kMovies + 1}) {
        const MovieInfo empty = BuildMovieInfo(w.gs, w.cat, w.deck, none, InfoWording::Agency);
        EXPECT_FALSE(empty.shown);
        EXPECT_EQ(empty.title, "Empty");
    }
}

TEST(TitleInfoTest, TheDeadlineShowsDaysLeftOnlyOnceTheContractIsAccepted) {
    InfoWorld w;
    ContractInfo offered = BuildContractInfo(w.gs, w.cat, kContract, InfoWording::Agency);
    EXPECT_EQ(offered.name, "\"Fizz Pop\"");
    EXPECT_EQ(offered.audience, "Audience: 1,200 million kids or teens");
    EXPECT_EQ(offered.pay, "Earn $ 30 millions");
    EXPECT_EQ(offered.deadline, "Deadline: 6 days");
    w.gs.AcceptedAds[kPlayer][14] = kContract;
    EXPECT_EQ(BuildContractInfo(w.gs, w.cat, kContract, InfoWording::Agency).deadline,
              "Deadline: 4 / 6 days left");

    const ContractInfo table =
        BuildContractInfo(w.gs, w.cat, kContract, InfoWording::ProgrammeTable);
    EXPECT_EQ(table.audience, "Audience: 1,200 million kids/teens");
    EXPECT_EQ(table.required, "Impressions required: 5");
    EXPECT_EQ(table.completed, "Impressions completed: 2");
    EXPECT_EQ(table.payment, "Payment: $ 30 millions");
    EXPECT_EQ(table.pay, "Pay: $ 30 millions");
    EXPECT_EQ(table.deadline, "Deadline: 4 / 6 days left");
    EXPECT_FALSE(BuildContractInfo(w.gs, w.cat, 0, InfoWording::Agency).shown);
}

TEST(TitleInfoTest, BlindTextsNameThePositionFirst) {
    InfoWorld w;
    EXPECT_EQ(TitleBlindText(4, w.cat, kSeries),
              "4. Copper Valley, Series, Science-Fiction, "
              "Five-Stars (*****)");
    EXPECT_EQ(TitleBlindText(27, w.cat, 0), "27. Empty slot");
    // The spots required come before the spots done.
    EXPECT_EQ(ContractBlindText(2, w.gs, w.cat, kContract),
              "2. Fizz Pop, 30 millions, 5/2 impressions");
    EXPECT_EQ(ContractBlindText(14, w.gs, w.cat, 0), "14. Empty slot");
}

TEST(TitleInfoTest, TheNewsAgencyShowsArticlesByCategoryAndHintsAtEmptyPositions) {
    InfoWorld w;
    w.gs.Channel[kPlayer][Ch::kMoney] = 2447;
    w.cat.NewsCatalogue[5][News::kCategory] = News::kStarsLifestyle;
    w.cat.NewsTexts[5] = "Pop duo weds";
    w.cat.NewsCatalogue[6][News::kCategory] = 4;  // no such category
    w.gs.NewsShow[kPlayer][2] = 5;
    w.gs.NewsOffersA[kPlayer][1] = 5;
    w.gs.NewsOffersA[kPlayer][2] = 6;
    const NewsAgencyView view = BuildNewsAgencyView(w.gs, w.cat);
    EXPECT_EQ(view.money, "$ 2,447 millions");
    EXPECT_EQ(view.show[0].shown, NewsCard::Shown::BlindOnly);
    EXPECT_EQ(view.show[0].topic, "Empty slot");
    EXPECT_EQ(view.show[1].shown, NewsCard::Shown::Always);
    EXPECT_EQ(view.show[1].topic, "Stars & Lifestyle");
    EXPECT_EQ(view.show[1].picture, "QVX2_PinkNewsspot.jpg");
    EXPECT_EQ(view.offers[0].text, "Pop duo weds");
    EXPECT_TRUE(view.offers[0].inShow);
    EXPECT_EQ(view.offers[1].shown, NewsCard::Shown::Never);
    EXPECT_EQ(view.offers[2].shown, NewsCard::Shown::Never);
    EXPECT_EQ(view.offers[2].topic, "-");
}

}  // namespace
}  // namespace qvx
