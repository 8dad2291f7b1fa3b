#include "AdNewsWords.h"

#include "MovieWords.h"

namespace qvx::content {

namespace {

using SV = std::string_view;

// --- Advertisers, grouped by the audience they pay to reach ---
constexpr SV kSupermarket[] = {"Fresh every day, fair every price.",
                               "Your whole week in one trolley.", "Shop {B}. Live well."};
constexpr SV kCola[] = {"Cold, bright and bubbling.", "{B} Cola. The fizz that fits everyone.",
                        "Pop the cap on summer."};
constexpr SV kMobile[] = {"Talk longer, pay less.", "Coverage from {T} to the sea.",
                          "Stay close with {B}."};
constexpr SV kCrisps[] = {"Crunch louder.", "Share the bag. If you must.",
                          "{B}: the snack with the snap."};
constexpr SV kCereal[] = {"The breakfast that bounces back.", "Crunchy mornings, happy days.",
                          "Now with extra crunch!"};
constexpr SV kGames[] = {"Level up your weekend.", "Press start. Forget bedtime.",
                         "New worlds every month from {B}."};
constexpr SV kIceCream[] = {"Summer on a stick.", "Scoop up the fun.", "Colder, creamier, {B}."};
constexpr SV kInsurance[] = {"Because tomorrow never asks first.", "Covered today, calm tomorrow.",
                             "{B} Insurance. We pick up the phone."};
constexpr SV kMotors[] = {"Drive further, worry less.", "Built for the long road.",
                          "The new {B} Saloon. Arrive in style."};
constexpr SV kCoffee[] = {"Wake up to something better.", "Roasted slowly, enjoyed quickly.",
                          "{B}: the cup that starts the day."};
constexpr SV kFurniture[] = {"Sit back. You've earned it.", "Homes that feel like you.",
                             "Big comfort, small prices."};
constexpr SV kToys[] = {"Imagination included.", "No batteries needed, grins guaranteed.",
                        "Collect them all!"};
constexpr SV kChocoMilk[] = {"Strong bones, big smiles.", "Chocolatey goodness for little heroes.",
                             "Moo-velous!"};
constexpr SV kFunPark[] = {"The loopiest day of the year!", "Rides, rockets and candy floss.",
                           "Bring your grown-ups!"};
constexpr SV kSneakers[] = {"Run your own way.", "Made for the street.", "Step up. Stand out."};
constexpr SV kSportsDrink[] = {"Power for the last lap.", "Thirst never wins.", "Refuel with {B}."};
constexpr SV kRecords[] = {"Turn it up.", "The sound of the weekend.", "New hits every Friday."};
constexpr SV kSkinCare[] = {"Clear skin, clear head.", "Spot-free by Friday.", "Face the day."};
constexpr SV kCosmetics[] = {"Beauty that lasts all day.", "Be bold, be bright.",
                             "{B}: colour your world."};
constexpr SV kFashion[] = {"This season's story, in your size.", "Style that walks with you.",
                           "Dress the moment."};
constexpr SV kShampoo[] = {"Shine that turns heads.", "Softer hair in one wash.",
                           "A meadow in a bottle."};
constexpr SV kYoghurt[] = {"Light, creamy, yours.", "A little treat, a lot of goodness.",
                           "Spoon into something good."};
constexpr SV kBrewery[] = {"Brewed slow, poured proud.", "The taste of Friday.",
                           "Good friends. Cold {B}."};
constexpr SV kTools[] = {"Built to outlast the job.", "More torque, less talk.",
                         "Every workshop's best friend."};
constexpr SV kRazors[] = {"Smooth in one stroke.", "The closest shave in {T}.",
                          "Sharp looks, sharper blades."};
constexpr SV kAftershave[] = {"Leave an impression.", "Fresh from morning to midnight.",
                              "Bold notes, quiet confidence."};
constexpr SV kHearing[] = {"Hear the grandchildren again.", "Small device, big difference.",
                           "Every word counts."};
constexpr SV kCruises[] = {"See the world from your deck chair.", "Sail away, worry-free.",
                           "Your next chapter starts at sea."};
constexpr SV kPharmacy[] = {"Feel better, sooner.", "Care you can count on.",
                            "Health, close to home."};
constexpr SV kGarden[] = {"Grow something beautiful.", "Plant today, enjoy for years.",
                          "Green fingers welcome."};

constexpr AdvertiserKind kKinds[] = {{1, "Supermarkets", kSupermarket},
                                     {1, "Cola", kCola},
                                     {1, "Mobile", kMobile},
                                     {1, "Crisps", kCrisps},
                                     {2, "Cereals", kCereal},
                                     {2, "Games", kGames},
                                     {2, "Ice Cream", kIceCream},
                                     {3, "Insurance", kInsurance},
                                     {3, "Motors", kMotors},
                                     {3, "Coffee", kCoffee},
                                     {3, "Furniture", kFurniture},
                                     {4, "Toys", kToys},
                                     {4, "Choco Milk", kChocoMilk},
                                     {4, "Fun Park", kFunPark},
                                     {5, "Sneakers", kSneakers},
                                     {5, "Sports Drinks", kSportsDrink},
                                     {5, "Records", kRecords},
                                     {5, "Skin Care", kSkinCare},
                                     {6, "Cosmetics", kCosmetics},
                                     {6, "Fashion", kFashion},
                                     {6, "Shampoo", kShampoo},
                                     {6, "Yoghurt", kYoghurt},
                                     {7, "Brewery", kBrewery},
                                     {7, "Power Tools", kTools},
                                     {7, "Razors", kRazors},
                                     {7, "Aftershave", kAftershave},
                                     {8, "Hearing Aids", kHearing},
                                     {8, "Cruises", kCruises},
                                     {8, "Pharmacy", kPharmacy},
                                     {8, "Garden Centre", kGarden}};

constexpr SV kBrandStarts[] = {"Bright", "Zent", "Kess", "Marv", "Glim", "Pell", "Quor",
                               "Tansy",  "Brum", "Corv", "Dell", "Fenn", "Harl", "Jov",
                               "Lum",    "Nim",  "Orl",  "Pim",  "Roz",  "Sull", "Tev",
                               "Ulm",    "Vask", "Wex",  "Yell", "Cresh"};
constexpr SV kBrandEnds[] = {"well", "ora",  "ix",   "ling", "field", "crest", "by",  "ana",
                             "ton",  "ette", "ador", "ova",  "ex",    "ino",   "ham", "ique"};

// --- News ---
constexpr SV kPolitics[] = {"{O} passes late-night {Y} deal",
                            "Minister {S} resigns over {Z}",
                            "{T} mayor promises free {W}",
                            "Opposition demands vote on {Y}",
                            "Polls put {S} ahead in {T} race",
                            "{O} rejects {Y} reform by {K} votes",
                            "Prime minister meets union leaders over {Y}",
                            "Thousands march in {T} against {Y} plan",
                            "{O} delays {Y} vote again",
                            "Aide to Senator {S} quits after {Z}",
                            "Treasury warns of {Y} shortfall",
                            "Coalition talks stall over {Y}",
                            "Governor {S} vetoes {Y} bill",
                            "Senator {S} to run for president",
                            "Recount ordered in {T} after {K}-vote margin",
                            "{O} backs {S} plan for {W}"};
constexpr SV kStars[] = {"Pop duo {D} announce surprise wedding",
                         "{J} {F} {S} spotted house-hunting in {T}",
                         "{J} {F} {S} quits talk show after on-air row",
                         "Singer {F} {S} announces comeback tour",
                         "Celebrity chef {F} {S} opens restaurant in {T}",
                         "{J} {F} {S} and rock star split after two years",
                         "{D} cancel tour dates over throat trouble",
                         "{J} {F} {S} expecting twins",
                         "{F} {S} wins best newcomer award",
                         "TV host {F} {S} signs with rival channel",
                         "Fans queue overnight for {D} reunion tickets",
                         "{J} {F} {S} shows off new look at {T} premiere",
                         "{J} {F} {S} secretly marries in {T}",
                         "{D} top the charts for a fourth week",
                         "{J} {F} {S} buys castle near {T}",
                         "{J} {F} {S} writes tell-all memoir"};
constexpr SV kSport[] = {"{P} stun {P2} in extra time",
                         "{P} sign striker {F} {S} for record fee",
                         "Coach {S} sacked after {P} slump",
                         "{P} and {P2} share the points in six-goal thriller",
                         "Injury blow for {P}: captain {S} out for a month",
                         "{F} {S} breaks national record in {T}",
                         "{P} fans celebrate first title in {K} years",
                         "{F} {S} storms into {T} Open final",
                         "Referee row overshadows {P} win over {P2}",
                         "{P} {N} unveil new stadium plans",
                         "Cyclist {F} {S} takes the lead in the Tour of {T}",
                         "{P} crash out of the cup against {P2}",
                         "{P} {N} appoint {F} {S} as head coach",
                         "Boxer {F} {S} calls out champion after knockout win",
                         "Late penalty hands {P} derby win over {P2}",
                         "Goalkeeper {S} saves three penalties as {P} reach final"};

constexpr SV kBodies[] = {"Senate",  "Parliament",    "The House",        "City council",
                          "Cabinet", "Upper chamber", "Budget committee", "State assembly"};
constexpr SV kTopics[] = {"budget",    "rail fare",     "school lunch", "harbor tax",
                          "pension",   "fishing quota", "road toll",    "housing",
                          "broadband", "farm subsidy",  "water rate",   "tuition fee"};
constexpr SV kScandals[] = {"expense claims",  "a lost laptop",      "leaked memos",
                            "a holiday villa", "campaign donations", "a fake diploma",
                            "secret lobbying", "a hot-mic remark"};
constexpr SV kFreebies[] = {"bus rides",        "parking",           "park wifi",
                            "swimming lessons", "school breakfasts", "museum entry"};
constexpr SV kNumbers[] = {"two", "three", "four", "seven", "nine", "eleven", "twelve", "twenty"};
constexpr SV kDuos[] = {"Velvet Kites",   "The Paper Lanterns", "Neon Sparrows",
                        "Sugarglass",     "The Quiet Foxes",    "Lemon Harbor",
                        "Blue Tangerine", "Static Sweethearts", "The Marzipan Twins",
                        "Glitter Parade", "Copper Lullaby",     "Satellite Daisies"};
constexpr SV kCelebrityJobs[] = {"Actor",        "Screen idol",    "Film star", "Supermodel",
                                 "Pop star",     "Talk show host", "Comedian",  "Soap star",
                                 "Opera singer", "Reality star"};

}  // namespace

std::span<const AdvertiserKind> AdvertiserKinds() {
    return kKinds;
}
Words BrandStarts() {
    return kBrandStarts;
}
Words BrandEnds() {
    return kBrandEnds;
}

Words NewsPatterns(int category) {
    switch (category) {
        case 1:
            return kPolitics;
        case 2:
            return kStars;
        default:
            return kSport;
    }
}

void AddNewsWords(Lexicon& lexicon) {
    const GenreVocabulary& sport = GenreWords(9);
    lexicon.Set('O', kBodies)
        .Set('Y', kTopics)
        .Set('Z', kScandals)
        .Set('W', kFreebies)
        .Set('K', kNumbers)
        .Set('D', kDuos)
        .Set('J', kCelebrityJobs)
        .Set('P', sport.places)
        .Set('N', sport.nouns);
}

}  // namespace qvx::content
