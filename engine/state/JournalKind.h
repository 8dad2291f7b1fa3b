#pragma once
// The kinds of the action journal (GameState::ActionJournal), the one table of them. Every
// action of the player that counts against the per-turn limit writes one entry (kind, a, b).
// The numbers are the rules' own. The journal is never saved; only the stock broker reads the
// kinds back (one share or bond trade per turn).
#include <cstdint>

namespace qvx {

enum class JournalKind : int32_t {
    Free = 0,               // an unused entry
    SellMovie = 1,          // a: the title sold, b: 0
    BuyMovie = 2,           // a: the title bought, b: the movie archive position it went to
    AcceptAd = 3,           // a: the contract, b: the ads archive position it went to
    SwapMovieArchive = 4,   // a, b: the two movie archive positions, negated (the drag codes)
    SwapAdArchive = 5,      // a, b: the two ads archive positions
    BuyShares = 6,          // a: the company traded, b: the shares bought
    SellShares = 7,         // a: the company traded, b: the shares sold
    IssueBonds = 8,         // a: the own company, b: the amount issued
    BuyBackBonds = 9,       // a: the own company, b: the amount bought back
    BuyLicence = 10,        // a: the region, b: 0
    BuyNewsSet = 11,        // the turn's second set of news bought; a, b: 0
    CheatMoney10k = 11,     // "+ $ 10.000 millions": the rules give it BuyNewsSet's number
    CheatMoney100k = 12,    // "+ $ 100.000 millions"; a, b: 0
    CheatPopularity = 14,   // "+ 10% popularity"; a: the group (0 = all), b: 10
    CancelLicence = 15,     // a: the region, b: 0
    DeclareBankruptcy = 17  // the liquidator's call; a, b: 0
};

// The broker's trades: one of them in the journal closes the broker for the rest of the turn.
constexpr bool IsStockTrade(JournalKind kind) {
    return kind == JournalKind::BuyShares || kind == JournalKind::SellShares ||
           kind == JournalKind::IssueBonds || kind == JournalKind::BuyBackBonds;
}

}  // namespace qvx
