#pragma once
// Every channel is a stock company: share prices, company values, bonds, trades and takeovers.
#include <cstdint>

#include "Catalogue.h"
#include "GameState.h"
#include "Rng.h"

namespace qvx {

// The strict value counts a holding in another company only above 10% of its shares; the
// full value counts every holding.
enum class ValueVariant { Strict, Full };
// A company's net worth: money, treasury stock, holdings, equipment, half its licence prices
// and the titles it owns, less bonds and stockholders' equity.
int32_t CompanyValue(const GameState& gs, const Catalogue& cat, int c, ValueVariant variant);

// Moves the share price of every company in business (two draws per company, in order).
void UpdateSharePrices(GameState& gs, Rng& rng);

// The computer's trades, logged to the trading company's log and moving the market premiums.
// The computer only ever buys its own shares; a purchase with buyer != target does nothing.
void CompetitorBuyShares(GameState& gs, int buyer, int target, int32_t quantity);
void CompetitorSellShares(GameState& gs, int seller, int target, int32_t quantity);

// ---- derived quantities, computed on demand ----

// Shares of company t held by company owner (owner == t: the treasury stock).
inline int32_t Holding(const GameState& gs, int owner, int t) {
    return gs.ChannelAccounts[owner][Acc::kShareHoldings + t - 1];
}
inline int32_t& Holding(GameState& gs, int owner, int t) {
    return gs.ChannelAccounts[owner][Acc::kShareHoldings + t - 1];
}
inline int32_t SharesIssued(const GameState& gs, int t) {
    return gs.ChannelAccounts[t][Acc::kSharesIssued];
}
// count x 100 / issued, truncated; a company with no shares issued divides by 1.
int32_t SharePercent(int64_t count, int32_t issued);
// One block is a tenth of the shares issued.
inline int32_t TradingBlock(const GameState& gs, int t) {
    return SharesIssued(gs, t) / 10;
}
// Shares of t held by the active companies other than t.
int32_t OthersHoldings(const GameState& gs, int t);
// The free float: neither treasury stock nor held by another active company.
int32_t PublicShares(const GameState& gs, int t);
int32_t BuyPrice(const GameState& gs, int t);
int32_t SellPrice(const GameState& gs, int t);
// TV equipment plus the full prices of the licences held: what bonds may be secured against.
int32_t Security(const GameState& gs, int c);

enum class MarketMove { Purchase, Sale };
// Moves the premiums of t after a computer trade in its shares.
void MarketReaction(GameState& gs, int t, MarketMove move);

}  // namespace qvx
