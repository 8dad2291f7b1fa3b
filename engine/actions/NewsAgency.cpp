#include "NewsAgency.h"

#include "Formatting.h"

namespace qvx {

namespace {

// The turn's pending news purchases; moved into the accounts by the next turn cycle.
constexpr int kPendingNewsPurchases = 20;

}  // namespace

NewsOutcome SelectNews(GameState& gs, int offer, int target) {
    if (!ValidChannel(gs.PlayerChannel) || offer < 1 || offer > kNewsOfferPositions || target < 0 ||
        target > kNewsShowPositions)
        return NewsOutcome::Invalid;
    const int c = gs.PlayerChannel;
    const int32_t article = gs.NewsOffersA[c][offer];
    // An article is in the show at most once, so a drop elsewhere takes it out.
    for (int p = 1; p <= kNewsShowPositions; ++p) {
        if (gs.NewsShow[c][p] == article) gs.NewsShow[c][p] = 0;
    }
    if (target >= 1) gs.NewsShow[c][target] = article;
    return NewsOutcome::Selected;
}

NewsOutcome CheckBuyNewsSet(const GameState& gs) {
    if (!ValidChannel(gs.PlayerChannel)) return NewsOutcome::Invalid;
    const int c = gs.PlayerChannel;
    if (gs.NewsOffersB[c][1] == 0) return NewsOutcome::NoNewSet;
    if (!CanAfford(gs, c, kNewsSetPrice)) return NewsOutcome::NotEnoughMoney;
    return NewsOutcome::Confirm;
}

NewsOutcome BuyNewsSet(GameState& gs) {
    if (const NewsOutcome check = CheckBuyNewsSet(gs); check != NewsOutcome::Confirm) return check;
    const int c = gs.PlayerChannel;
    if (!RecordAction(gs, c, JournalKind::BuyNewsSet, 0, 0)) return NewsOutcome::JournalFull;
    Pay(gs, c, kNewsSetPrice);
    int32_t& pending = gs.ChannelPendingIncome[c][kPendingNewsPurchases];
    pending = AddSaturated(pending, kNewsSetPrice);
    // The show keeps its articles although they are no longer on offer.
    gs.NewsOffersA[c] = gs.NewsOffersB[c];
    gs.NewsOffersB[c] = {};
    return NewsOutcome::Purchased;
}

Dialog NewsAgencyMessage(NewsOutcome outcome) {
    switch (outcome) {
        case NewsOutcome::Purchased:
            return {"New set purchased",
                    "You have successfully purchased a new set of news articles."};
        case NewsOutcome::NoNewSet:
            return Refusal(
                "There are no new articles available. Please check back tomorrow (next turn).");
        case NewsOutcome::NotEnoughMoney:
            return Refusal("You do not have enough money.");
        case NewsOutcome::JournalFull:
            return Refusal(kJournalFullText);
        case NewsOutcome::Confirm:
        case NewsOutcome::Selected:
        case NewsOutcome::Invalid:
            break;
    }
    return {};
}

Dialog BuyNewsSetQuestion() {
    return {"Purchase new set?",
            "Do you really wish to purchase a new set of news articles for $ " +
                FormatAmount(kNewsSetPrice) + " millions?"};
}

}  // namespace qvx
