#include "StockBroker.h"

#include <algorithm>

#include "Formatting.h"
#include "Shares.h"

namespace qvx {

namespace {

bool JournalHasRoom(const GameState& gs, int c) {
    const auto& journal = gs.ActionJournal[c];
    return std::any_of(journal.begin() + 1, journal.end(),
                       [](const JournalEntry& e) { return e.kind == JournalKind::Free; });
}

// The refusals every trade shares; Ok when the trade may go on to its own checks.
BrokerOutcome CommonRefusal(const GameState& gs, int c, int t) {
    // A company number from outside the table is treated as no company in business.
    if (!ValidChannel(c) || !ValidChannel(t)) return BrokerOutcome::CompanyInactive;
    if (!InBusiness(gs, t)) return BrokerOutcome::CompanyInactive;
    if (StockTradedThisTurn(gs, c)) return BrokerOutcome::AlreadyTraded;
    return BrokerOutcome::Ok;
}

BrokerOutcome BondRefusal(const GameState& gs, int c, int t) {
    const BrokerOutcome common = CommonRefusal(gs, c, t);
    if (common != BrokerOutcome::Ok) return common;
    return t == c ? BrokerOutcome::Ok : BrokerOutcome::NotOwnCompany;
}

BrokerQuote Refuse(BrokerQuote quote, BrokerOutcome outcome) {
    quote.outcome = outcome;
    return quote;
}

// The journal is checked last so that a rule refusal is reported before a full journal.
BrokerQuote Finish(const GameState& gs, int c, BrokerQuote quote) {
    if (!JournalHasRoom(gs, c)) quote.outcome = BrokerOutcome::JournalFull;
    return quote;
}

// Records the action; a full journal refuses it before anything has changed.
bool Journalise(GameState& gs, int c, BrokerQuote& quote, JournalKind kind, int t, int64_t value) {
    if (!RecordAction(gs, c, kind, t, SaturateToInt32(value))) {
        quote.outcome = BrokerOutcome::JournalFull;
        return false;
    }
    return true;
}

}  // namespace

bool StockTradedThisTurn(const GameState& gs, int c) {
    const auto& journal = gs.ActionJournal[c];
    return std::any_of(journal.begin() + 1, journal.end(),
                       [](const JournalEntry& e) { return IsStockTrade(e.kind); });
}

BrokerQuote CheckBuyShares(const GameState& gs, int c, int t) {
    BrokerQuote quote;
    if (const BrokerOutcome o = CommonRefusal(gs, c, t); o != BrokerOutcome::Ok)
        return Refuse(quote, o);
    const int32_t issued = SharesIssued(gs, t);
    const int64_t held = Holding(gs, c, t);
    int64_t n = TradingBlock(gs, t);
    int32_t q = SharePercent(held + n, issued);
    if (t == c && q >= 50) {
        n = (49 - int64_t{SharePercent(held, issued)}) * issued / 100;
        q = SharePercent(held + n, issued);
    }
    quote.shares = SaturateToInt32(n);
    quote.amount = n * BuyPrice(gs, t);
    // A negative block could only come from a treasury already above 49%; it buys nothing.
    if (n <= 0) return Refuse(quote, BrokerOutcome::NoShares);
    if (PublicShares(gs, t) < n) return Refuse(quote, BrokerOutcome::NotEnoughPublicShares);
    if (t == c && q >= 50) return Refuse(quote, BrokerOutcome::LawForbids);
    if (gs.Channel[c][Ch::kMoney] < quote.amount)
        return Refuse(quote, BrokerOutcome::NotEnoughMoney);
    return Finish(gs, c, quote);
}

BrokerQuote BuyShares(GameState& gs, int c, int t) {
    BrokerQuote quote = CheckBuyShares(gs, c, t);
    if (quote.outcome != BrokerOutcome::Ok) return quote;
    if (!Journalise(gs, c, quote, JournalKind::BuyShares, t, quote.shares)) return quote;
    int32_t& money = gs.Channel[c][Ch::kMoney];
    money = AddSaturated(money, -quote.amount);
    int32_t& held = Holding(gs, c, t);
    held = AddSaturated(held, quote.shares);
    if (t != c && SharePercent(held, SharesIssued(gs, t)) > 49) {
        gs.Channel[t][Ch::kActive] = 0;
        quote.boughtOut = true;
    }
    return quote;
}

BrokerQuote CheckSellShares(const GameState& gs, int c, int t) {
    BrokerQuote quote;
    if (const BrokerOutcome o = CommonRefusal(gs, c, t); o != BrokerOutcome::Ok)
        return Refuse(quote, o);
    quote.shares = std::min(TradingBlock(gs, t), Holding(gs, c, t));
    quote.amount = int64_t{SellPrice(gs, t)} * quote.shares;
    if (quote.shares <= 0) return Refuse(quote, BrokerOutcome::NoSharesToSell);
    return Finish(gs, c, quote);
}

BrokerQuote SellShares(GameState& gs, int c, int t) {
    BrokerQuote quote = CheckSellShares(gs, c, t);
    if (quote.outcome != BrokerOutcome::Ok) return quote;
    if (!Journalise(gs, c, quote, JournalKind::SellShares, t, quote.shares)) return quote;
    int32_t& money = gs.Channel[c][Ch::kMoney];
    money = AddSaturated(money, quote.amount);
    int32_t& held = Holding(gs, c, t);
    held = AddSaturated(held, -int64_t{quote.shares});
    return quote;
}

BrokerQuote CheckBuyBackBonds(const GameState& gs, int c, int t) {
    BrokerQuote quote;
    if (const BrokerOutcome o = BondRefusal(gs, c, t); o != BrokerOutcome::Ok)
        return Refuse(quote, o);
    quote.amount = std::min(gs.ChannelAccounts[c][Acc::kBonds], Security(gs, c) / 4);
    if (quote.amount <= 0) return Refuse(quote, BrokerOutcome::NoBonds);
    if (gs.Channel[c][Ch::kMoney] < quote.amount)
        return Refuse(quote, BrokerOutcome::NotEnoughMoneyAvailable);
    return Finish(gs, c, quote);
}

BrokerQuote BuyBackBonds(GameState& gs, int c, int t) {
    BrokerQuote quote = CheckBuyBackBonds(gs, c, t);
    if (quote.outcome != BrokerOutcome::Ok) return quote;
    if (!Journalise(gs, c, quote, JournalKind::BuyBackBonds, t, quote.amount)) return quote;
    int32_t& bonds = gs.ChannelAccounts[c][Acc::kBonds];
    bonds = AddSaturated(bonds, -quote.amount);
    int32_t& money = gs.Channel[c][Ch::kMoney];
    money = AddSaturated(money, -quote.amount);
    return quote;
}

BrokerQuote CheckIssueBonds(const GameState& gs, int c, int t) {
    BrokerQuote quote;
    if (const BrokerOutcome o = BondRefusal(gs, c, t); o != BrokerOutcome::Ok)
        return Refuse(quote, o);
    const int32_t security = Security(gs, c);
    const int64_t headroom = int64_t{security} - gs.ChannelAccounts[c][Acc::kBonds];
    quote.amount = std::min<int64_t>(security / 4, headroom);
    if (quote.amount <= 0) return Refuse(quote, BrokerOutcome::NoBonds);
    return Finish(gs, c, quote);
}

BrokerQuote IssueBonds(GameState& gs, int c, int t) {
    BrokerQuote quote = CheckIssueBonds(gs, c, t);
    if (quote.outcome != BrokerOutcome::Ok) return quote;
    if (!Journalise(gs, c, quote, JournalKind::IssueBonds, t, quote.amount)) return quote;
    int32_t& bonds = gs.ChannelAccounts[c][Acc::kBonds];
    bonds = AddSaturated(bonds, quote.amount);
    int32_t& money = gs.Channel[c][Ch::kMoney];
    money = AddSaturated(money, quote.amount);
    return quote;
}

Dialog BrokerMessage(BrokerOutcome outcome) {
    switch (outcome) {
        case BrokerOutcome::NoShares:
            return Refusal("There are no shares available.");
        case BrokerOutcome::NotEnoughPublicShares:
            return Refusal("There are not enough public shares available.");
        case BrokerOutcome::LawForbids:
            return Refusal("The law forbids that a company owns more than 49% of its own shares.");
        case BrokerOutcome::NotEnoughMoney:
            return Refusal("You do not have enough money.");
        case BrokerOutcome::NoSharesToSell:
            return Refusal("You do not own any shares to sell.");
        case BrokerOutcome::NoBonds:
            return Refusal("There are no bonds vailable.");
        case BrokerOutcome::NotEnoughMoneyAvailable:
            return Refusal("You do not have enough money available.");
        case BrokerOutcome::JournalFull:
            return Refusal(kJournalFullText);
        case BrokerOutcome::Ok:
        case BrokerOutcome::CompanyInactive:
        case BrokerOutcome::AlreadyTraded:
        case BrokerOutcome::NotOwnCompany:
            break;
    }
    return {};
}

std::string BuyOfferText(const BrokerQuote& quote) {
    return "\"Okay, I offer you " + std::to_string(quote.shares) + " million shares for $ " +
           FormatAmount(quote.amount) +
           " millions. Time is money. Decide fast. Do you wish to buy or not?\"";
}

std::string SellOfferText(const BrokerQuote& quote) {
    return "\"I could offer you $ " + FormatAmount(quote.amount) + " millions for " +
           std::to_string(quote.shares) +
           " million shares. Sorry, but the market is tight. Do you wish to sell?\"";
}

std::string BuyOutText(const GameState& gs, int t) {
    return "You have reached more than 50% of the shares of " + gs.ChannelNames[t] +
           ". You will take over this company until the end of the day!";
}

BrokerFigures ComputeBrokerFigures(const GameState& gs, int c, int t) {
    BrokerFigures f;
    f.money = gs.Channel[c][Ch::kMoney];
    if (!InBusiness(gs, t)) {
        f.bankrupt = true;
        return f;
    }
    const Record& acc = gs.ChannelAccounts[t];
    const int32_t issued = acc[Acc::kSharesIssued];
    f.treasury = Holding(gs, t, t);
    f.treasuryPercent = SharePercent(f.treasury, issued);
    f.others = OthersHoldings(gs, t);
    f.othersPercent = SharePercent(f.others, issued);
    f.publicShares = PublicShares(gs, t);
    f.publicPercent = SaturateToInt32(int64_t{100} - f.treasuryPercent - f.othersPercent);
    f.total = issued;
    f.buyPrice = BuyPrice(gs, t);
    f.sellPrice = SellPrice(gs, t);
    f.security = Security(gs, t);
    f.bonds = acc[Acc::kBonds];
    f.interestRate = acc[Acc::kBondInterestRate];
    f.availableBonds = SaturateToInt32(int64_t{f.security} - f.bonds);
    f.tradeable = std::min(f.bonds, f.security / 4);
    const bool open = !StockTradedThisTurn(gs, c);
    f.shareButtons = open;
    f.bondButtons = open && t == c;
    return f;
}

BrokerLabels FormatBrokerLabels(const BrokerFigures& f) {
    BrokerLabels l;
    l.money = "$: " + FormatAmount(f.money) + " millions";
    if (f.bankrupt) {
        // A closed company shows nothing but zeros.
        l.treasury = l.others = l.publicShares = l.total = "0 millions";
        l.security = l.bonds = l.availableBonds = l.tradeable = "0 millions";
        l.buyPrice = l.sellPrice = "0";
        l.interestRate = "0%";
        l.bankrupt = "BANKRUPT";
        return l;
    }
    const auto count = [](int32_t n, int32_t percent) {
        return std::to_string(n) + " million (" + std::to_string(percent) + "%)";
    };
    const auto millions = [](int32_t x) { return "$ " + FormatAmount(x) + " millions"; };
    l.treasury = count(f.treasury, f.treasuryPercent);
    l.others = count(f.others, f.othersPercent);
    l.publicShares = count(f.publicShares, f.publicPercent);
    l.total = std::to_string(f.total) + " million shares";
    l.buyPrice = "$ " + std::to_string(f.buyPrice);
    l.sellPrice = "$ " + std::to_string(f.sellPrice);
    l.security = millions(f.security);
    l.bonds = millions(f.bonds);
    l.interestRate = std::to_string(f.interestRate) + "%";
    l.availableBonds = millions(f.availableBonds);
    l.tradeable = millions(f.tradeable);
    return l;
}

}  // namespace qvx
