#pragma once
// What the planning screens say about one title or one contract: the info panels' lines and the
// blind-mode texts of archive and offer positions. The programme table and the agencies word
// some lines differently ("Type: Movie" against "Movie"), so each text is built for its screen.
#include <array>
#include <cstdint>
#include <string>

#include "Catalogue.h"
#include "GameState.h"

namespace qvx {

// Which screen's wording a panel uses.
enum class InfoWording { ProgrammeTable, Agency };

inline constexpr int kRatingBars = 6;  // Action, Comedy, Romance, SFX, Story, Cast

struct MovieInfo {
    // False for an id below 1 (or outside the catalogue): the panel's title reads "Empty" and
    // the panel is hidden.
    bool shown = false;
    std::string title;    // in double quotes; "Empty" when not shown
    std::string story;    // in double quotes
    std::string type;     // "Type: Series (3/12)" / "Series (12 episodes)"
    std::string genre;    // "Genre: Drama" / "Drama"
    std::string quality;  // "Quality: Two-Stars (**) [just broadcasted]" / "Two-Stars (**) [-]"
    std::array<int32_t, kRatingBars> ratings{};          // the bars' lengths, clamped to 0..100
    std::array<std::string, kRatingBars> ratingTexts{};  // "n%" of the stored values
    std::string length;                                  // "3 blocks"
    std::string price;  // "$ 40 millions" / "Price: $ 30 millions" (Producer discount included)
};
MovieInfo BuildMovieInfo(const GameState& gs, const Catalogue& cat, const Boosters& boosters,
                         int32_t movie, InfoWording wording);

struct ContractInfo {
    bool shown = false;     // false for an id below 1: title "Empty", panel hidden
    std::string name;       // in double quotes; "Empty" when not shown
    std::string text;       // the second text, in double quotes
    std::string audience;   // "Audience: 12 million kids/teens" ("kids or teens" at the agency)
    std::string required;   // "Impressions required: 5"
    std::string completed;  // "Impressions completed: 2"
    std::string payment;    // "Payment: $ 30 millions"
    std::string pay;        // "Pay: $ 30 millions" / "Earn $ 30 millions"
    std::string deadline;   // "Deadline: 4 / 6 days left", or "Deadline: 6 days" for an offer
};
ContractInfo BuildContractInfo(const GameState& gs, const Catalogue& cat, int32_t contract,
                               InfoWording wording);

// Blind texts of position n: "3. Empty slot", "3. Title, Movie, Drama, Two-Stars (**)" and
// "3. Name, 30 millions, 5/2 impressions" (the required spots before the spots done).
std::string TitleBlindText(int n, const Catalogue& cat, int32_t movie);
std::string ContractBlindText(int n, const GameState& gs, const Catalogue& cat, int32_t contract);

}  // namespace qvx
