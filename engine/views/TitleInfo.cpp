#include "TitleInfo.h"

#include <algorithm>

#include "AdAgency.h"
#include "Formatting.h"
#include "MovieAgency.h"
#include "Playback.h"

namespace qvx {

namespace {

constexpr const char* kEmpty = "Empty";

bool IsSeries(const Record& movie) {
    return movie[Movie::kType] != Movie::kTypeMovie;
}

std::string Millions(int64_t amount) {
    return FormatAmount(amount) + " millions";
}

std::string TypeText(const GameState& gs, const Record& movie, int32_t id, InfoWording wording) {
    const std::string episodes = std::to_string(movie[Movie::kEpisodes]);
    if (wording == InfoWording::Agency)
        return IsSeries(movie) ? "Series (" + episodes + " episodes)" : "Movie";
    if (!IsSeries(movie)) return "Type: Movie";
    const int32_t shown =
        ValidChannel(gs.PlayerChannel) ? gs.EpisodesShown[gs.PlayerChannel][id] : 0;
    return "Type: Series (" + std::to_string(shown) + "/" + episodes + ")";
}

}  // namespace

MovieInfo BuildMovieInfo(const GameState& gs, const Catalogue& cat, const Boosters& boosters,
                         int32_t movie, InfoWording wording) {
    MovieInfo info;
    info.title = kEmpty;
    if (!ValidMovie(movie)) return info;
    const Record& m = cat.MovieCatalogue[movie];
    const bool agency = wording == InfoWording::Agency;
    info.shown = true;
    info.title = InQuotes(cat.MovieTitles[movie]);
    info.story = InQuotes(cat.MovieDescriptions[movie]);
    info.type = TypeText(gs, m, movie, wording);
    info.genre = std::string(agency ? "" : "Genre: ") + GenreText(m[Movie::kGenre]);
    info.quality = std::string(agency ? "" : "Quality: ") + StarText(m[Movie::kStars]);
    if (m[Movie::kRecentlyShown] > 0) info.quality += agency ? " [-]" : " [just broadcasted]";
    for (int r = 0; r < kRatingBars; ++r) {
        const int32_t rating = m[Movie::kRatingAction + r];
        info.ratings[r] = std::clamp(rating, 0, 100);
        info.ratingTexts[r] = std::to_string(rating) + "%";
    }
    info.length = std::to_string(m[Movie::kLength]) + " blocks";
    info.price = agency ? "Price: $ " + Millions(PlayerMoviePrice(gs, cat, boosters, movie))
                        : "$ " + Millions(m[Movie::kPrice]);
    return info;
}

ContractInfo BuildContractInfo(const GameState& gs, const Catalogue& cat, int32_t contract,
                               InfoWording wording) {
    ContractInfo info;
    info.name = kEmpty;
    if (!ValidChannel(gs.PlayerChannel) || !ValidAd(contract)) return info;
    const int c = gs.PlayerChannel;
    const Record& ad = gs.AdPool[c][contract];
    const std::string payment = "$ " + Millions(ad[Ad::kPayment]);
    info.shown = true;
    info.name = InQuotes(cat.AdNames[contract]);
    info.text = InQuotes(cat.AdTexts[contract]);
    info.required = "Impressions required: " + std::to_string(ad[Ad::kSpotsRequired]);
    info.completed = "Impressions completed: " + std::to_string(gs.AdSpotsDone[c][contract]);
    info.payment = "Payment: " + payment;
    if (wording == InfoWording::Agency) {
        info.audience = AdAudienceText(gs, contract);
        info.pay = "Earn " + payment;
        info.deadline = AdDeadlineText(gs, contract);
    } else {
        info.audience = "Audience: " + FormatAmount(ad[Ad::kMinViewers]) + " million " +
                        TargetWord(ad[Ad::kTargetCode]);
        info.pay = "Pay: " + payment;
        info.deadline = "Deadline: " + std::to_string(gs.AdDaysLeft[c][contract]) + " / " +
                        std::to_string(ad[Ad::kDeadline]) + " days left";
    }
    return info;
}

std::string TitleBlindText(int n, const Catalogue& cat, int32_t movie) {
    std::string text = std::to_string(n) + ". ";
    if (!ValidMovie(movie)) return text + "Empty slot";
    const Record& m = cat.MovieCatalogue[movie];
    return text + cat.MovieTitles[movie] + ", " + (IsSeries(m) ? "Series" : "Movie") + ", " +
           GenreText(m[Movie::kGenre]) + ", " + StarText(m[Movie::kStars]);
}

std::string ContractBlindText(int n, const GameState& gs, const Catalogue& cat, int32_t contract) {
    std::string text = std::to_string(n) + ". ";
    if (!ValidChannel(gs.PlayerChannel) || !ValidAd(contract)) return text + "Empty slot";
    const int c = gs.PlayerChannel;
    const Record& ad = gs.AdPool[c][contract];
    return text + cat.AdNames[contract] + ", " + Millions(ad[Ad::kPayment]) + ", " +
           std::to_string(ad[Ad::kSpotsRequired]) + "/" +
           std::to_string(gs.AdSpotsDone[c][contract]) + " impressions";
}

}  // namespace qvx
