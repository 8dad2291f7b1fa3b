#pragma once
// The player's trades at the stock broker: share blocks of any company in business, bonds of
// the own company, one transaction per turn. Each trade is a check (never changes the game)
// and an apply step that checks again and then changes everything or nothing. The player's
// trades do not move the market premiums and are not booked in the turn's income figures.
#include <cstdint>
#include <string>

#include "Dialog.h"
#include "GameState.h"

namespace qvx {

enum class BrokerOutcome {
    Ok,
    // The screen disables the buttons in these cases, so the game has no dialog for them.
    CompanyInactive,
    AlreadyTraded,
    NotOwnCompany,
    // Each of these is one "N/A" dialog.
    NoShares,
    NotEnoughPublicShares,
    LawForbids,
    NotEnoughMoney,
    NoSharesToSell,
    NoBonds,
    NotEnoughMoneyAvailable,
    JournalFull,
};

struct BrokerQuote {
    BrokerOutcome outcome = BrokerOutcome::Ok;
    int32_t shares = 0;  // the block of a share trade
    int64_t amount = 0;  // cost of a purchase, proceeds of a sale, or the bond amount
    // Set by BuyShares when the purchase took the player above 49% of a competitor,
    // which closed that competitor at once.
    bool boughtOut = false;
};

// True once the player made a stock or bond transaction in this planning phase.
bool StockTradedThisTurn(const GameState& gs, int c);

// Player c buys one block of company t (the own company only up to 49%).
BrokerQuote CheckBuyShares(const GameState& gs, int c, int t);
BrokerQuote BuyShares(GameState& gs, int c, int t);
// Player c sells one block of company t, or what it holds if that is less.
BrokerQuote CheckSellShares(const GameState& gs, int c, int t);
BrokerQuote SellShares(GameState& gs, int c, int t);
// Bonds of the own company (t must be c): a quarter of the security at a time.
BrokerQuote CheckBuyBackBonds(const GameState& gs, int c, int t);
BrokerQuote BuyBackBonds(GameState& gs, int c, int t);
BrokerQuote CheckIssueBonds(const GameState& gs, int c, int t);
BrokerQuote IssueBonds(GameState& gs, int c, int t);

inline constexpr const char* kBuyOfferTitle = "Buy offer";
inline constexpr const char* kSellOfferTitle = "Sell offer";
inline constexpr const char* kBuyOutTitle = "You buy out a competitor!";
// The "N/A" dialog of a refusal; empty for Ok and for the cases the disabled buttons prevent.
Dialog BrokerMessage(BrokerOutcome outcome);
// The confirmation questions of a checked purchase and sale.
std::string BuyOfferText(const BrokerQuote& quote);
std::string SellOfferText(const BrokerQuote& quote);
// The announcement after a purchase that bought out company t.
std::string BuyOutText(const GameState& gs, int t);

// What the broker screen shows for company t to player c. Everything but the player's money is
// 0 for a company that is no longer in business.
struct BrokerFigures {
    bool bankrupt = false;
    int32_t money = 0;
    int32_t treasury = 0, treasuryPercent = 0;
    int32_t others = 0, othersPercent = 0;
    int32_t publicShares = 0, publicPercent = 0;
    int32_t total = 0;
    int32_t buyPrice = 0, sellPrice = 0;
    int32_t security = 0, bonds = 0, interestRate = 0;
    int32_t availableBonds = 0;  // negative when the bonds exceed the security
    int32_t tradeable = 0;
    bool shareButtons = false;  // "Buy" and "Sell" of shares
    bool bondButtons = false;   // "Buy" and "Sell" of bonds, own company only
};
BrokerFigures ComputeBrokerFigures(const GameState& gs, int c, int t);

struct BrokerLabels {
    std::string money, treasury, others, publicShares, total, buyPrice, sellPrice, security, bonds,
        interestRate, availableBonds, tradeable, bankrupt;
};
BrokerLabels FormatBrokerLabels(const BrokerFigures& f);

}  // namespace qvx
