#include "Boosters.h"

namespace qvx {

namespace {

constexpr const char* kGenreText =
    "If you broadcast at least three movies/series of this genre during the day, all movies of "
    "this genre will get a 10% popularity bonus.";

// Indexed by id - 1.
constexpr BoosterCard kCards[kBoosterIds] = {
    {Card::kPaparazzi, "Paparazzi", true, "News",
     "Your news popularity is increased by 5% and does not wear down during the day."},
    {Card::kTechnician, "Technician", false, "Tech",
     "This top technician increases your movie/series popularity by 5% total."},
    {Card::kStarModerator, "Star moderator", false, "Host",
     "This top moderator makes sure that your news popularity does not wear down during the "
     "day."},
    {Card::kLawyer, "Lawyer", true, "Lawyer",
     "Lawyers help you to get broadcasting licenses for other territories for 5% less."},
    {Card::kHolidays, "Holidays", false, "Movies",
     "Your channel is known to be a holiday channel increasing your movie and news popularity on "
     "Sundays and on Christmas by 25%."},
    {Card::kConnections, "Connections", true, "Money",
     "Your good connections to the industry increase your ad revenue by about 10%."},
    {Card::kProducer, "Producer", false, "Money",
     "As a famous movie producer you are able to obtain movies for 5% off."},
    {Card::kHighDefinition, "High definition", false, "Tech",
     "You are able to broadcast in high definition increasing your popularity for all spots by "
     "5%."},
    {Card::kMob, "Mob", false, "Lawyer",
     "While having to pay 5% of your daily income to the mob, every seven game days those guys "
     "will disable one of your competitors for a whole day."},
    {Card::kRich, "Rich", false, "Money", "You start off with a 25% higher starting capital."},
    {Card::kTentpoling, "Tentpoling", false, "Movies",
     "If you broadcast a five star movie/series during the day, all other spots during the day "
     "will get a 10% popularity bonus. This is in addition to the usual bonus for flow / "
     "bridging."},
    {Card::kThemingNews, "Theming: News", false, "News",
     "If you broadcast at least six news spots during the day, all other news spots during the "
     "day will get a 10% popularity bonus."},
    {Card::kThemingActionWar, "Theming: Action/War", false, "Movies", kGenreText},
    {Card::kThemingCartoonComedy, "Theming: Cartoon/Comedy", false, "Movies", kGenreText},
    {Card::kThemingThriller, "Theming: Thriller", false, "Movies", kGenreText},
    {Card::kThemingLoveSoap, "Theming: Love/Soap", false, "Movies", kGenreText},
    {Card::kThemingCulturalQuiz, "Theming: Cultural/Quiz", false, "Movies", kGenreText},
    {Card::kThemingSport, "Theming: Sport", false, "Movies",
     "If you broadcast at least one spot of this genre during the day, all movies of this genre "
     "will get a 10% popularity bonus."},
    {Card::kThemingDrama, "Theming: Drama", false, "Movies", kGenreText},
    {Card::kThemingSciFi, "Theming: Sci-fi", false, "Movies", kGenreText},
};

}  // namespace

const BoosterCard* FindBoosterCard(int32_t id) {
    if (id < 1 || id > kBoosterIds) return nullptr;
    return &kCards[id - 1];
}

std::string BoosterPicture(const BoosterCard& card) {
    return std::string("QVX2_Booster_") + card.picture + ".jpg";
}

const char* StackabilityText(const BoosterCard& card) {
    return card.stackable ? "[Stackable]" : "[Not stackable]";
}

bool PlaceCard(Boosters& deck, int slot, int32_t card) {
    const BoosterCard* info = FindBoosterCard(card);
    if (info == nullptr || slot < 1 || slot > kBoosterSlots) return false;
    auto& slots = deck.ActiveBoosters;
    if (!info->stackable) {
        // A deck read from the settings file may hold a duplicate; only the last other copy
        // goes, as on the deck screen.
        for (int other = kBoosterSlots; other >= 1; --other) {
            if (other != slot && slots[other] == card) {
                slots[other] = 0;
                break;
            }
        }
    }
    slots[slot] = card;
    return true;
}

void ClearDeck(Boosters& deck) {
    deck.ActiveBoosters.fill(0);
}

int32_t ProducerPrice(const GameState& gs, const Boosters& boosters, int c, int32_t price) {
    if (!ValidChannel(c)) return price;
    const int64_t cards = CardsOf(gs, boosters, c, Card::kProducer);
    return SaturateToInt32(int64_t{price} - cards * (price / 4));
}

}  // namespace qvx
