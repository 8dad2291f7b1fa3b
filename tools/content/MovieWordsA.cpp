// Vocabulary of Action, Cartoon, Crime, Love, Thriller, Quiz, Cultural and Soap. Every title is
// built from at least two lists, and most name one of our own invented places, so that no
// pattern can land on the title of a real film.
#include "MovieWords.h"

namespace qvx::content::detail {

namespace {

using SV = std::string_view;

// --- 1 Action ---
constexpr SV kActionAdj[] = {"Burning",  "Steel",   "Midnight",  "Iron",
                             "Rapid",    "Crimson", "Shattered", "Reckless",
                             "Chrome",   "Savage",  "Scorched",  "Breakneck",
                             "Red-Line", "Cobalt",  "Thunder",   "Full-Throttle"};
constexpr SV kActionNoun[] = {"Protocol",   "Pursuit",   "Payload",  "Convoy",
                              "Extraction", "Detonator", "Standoff", "Getaway",
                              "Ambush",     "Vendetta",  "Breach",   "Manhunt",
                              "Blowout",    "Lockdown",  "Takedown", "Crossing"};
constexpr SV kActionPlace[] = {"Dock Nine",     "Route Forty",    "Kessler Tower",
                               "Harbor Bridge", "Sector Eight",   "Greyport",
                               "Fort Maddox",   "Pier Seventeen", "Morrow Airfield",
                               "Varna Station", "Cobalt Heights", "Salt Basin"};
constexpr SV kActionTitles[] = {"{N} at {P}",    "{A} {N} over {P}", "The {P} {N}",
                                "{A} {N}",       "{N}: {P}",         "Code Name {S}",
                                "{S} Takes {P}", "Operation {A} {N}"};
constexpr SV kActionSeries[] = {"Unit {P}", "{S} Response Team", "Rapid Force {P}",
                                "The {S} Protocols"};
constexpr SV kActionStories[] = {
    "Ex-marine {F} {S} has one night to get a stolen payload out of {P} before {F2} {S2} "
    "sells it to the highest bidder.",
    "When a routine convoy is ambushed near {P}, driver {F} {S} becomes the only witness "
    "anyone wants dead.",
    "Courier {F} {S} takes one last job through {P}. The package turns out to be a witness, "
    "and a crime boss wants it back.",
    "A retired stunt pilot, {F} {S}, is pulled back into service when hijackers seize "
    "{P}.",
    "Bodyguard {F} {S} and a reckless young senator race across {P} with half the city on "
    "their heels."};
constexpr SV kActionTaglines[] = {"No brakes. No mercy.",  "One night. One chance.",
                                  "The clock is ticking.", "Some debts are paid in full.",
                                  "Run fast. Hit harder.", "They picked the wrong driver."};

// --- 2 Cartoon ---
constexpr SV kCartoonAdj[] = {"Brave",  "Giggling",  "Sleepy",  "Tiny",     "Wobbly",
                              "Jolly",  "Clever",    "Fluffy",  "Bouncing", "Curious",
                              "Cheeky", "Whistling", "Sparkly", "Grumpy"};
constexpr SV kCartoonNoun[] = {"Penguin", "Teapot", "Dragon",  "Robot",   "Hedgehog", "Kite",
                               "Snail",   "Moose",  "Lantern", "Otter",   "Pumpkin",  "Rocket",
                               "Badger",  "Button", "Walrus",  "Dumpling"};
constexpr SV kCartoonPlace[] = {"Puddle Lane",      "Marshmallow Hill", "Button Bay",
                                "Crumble Wood",     "Pebble Island",    "Tumbledown Farm",
                                "Sprocket Town",    "Lollipop Lake",    "Whisker Valley",
                                "Cloudberry Creek", "Gumdrop Harbor",   "Noodle Mountain"};
constexpr SV kCartoonTitles[] = {"The {A} {N} of {P}", "{F} and the {A} {N}",
                                 "{N} Trouble in {P}", "The Great {P} {N} Hunt",
                                 "A {N} for {F}",      "{A} {N} Saves {P}"};
constexpr SV kCartoonSeries[] = {"{N} Tales from {P}", "The {A} {N} Club", "{F} of {P}",
                                 "Adventures in {P}"};
constexpr SV kCartoonStories[] = {
    "A {a} {n} named {F} sets off from {P} to find the moon's missing button.",
    "When the wind steals every hat in {P}, {F} and a clumsy {n} build a flying machine to "
    "get them back.",
    "{F} the {n} wants to win the great {P} pie contest, but the oven has other ideas.",
    "Best friends {F} and {F2} discover that the old lighthouse of {P} is full of singing "
    "crabs."};
constexpr SV kCartoonTaglines[] = {"Big fun for small heroes.", "Friends make everything better.",
                                   "Giggles guaranteed.", "Hold on to your hats!",
                                   "The whole family will sing along."};

// --- 3 Crime ---
constexpr SV kCrimeAdj[] = {"Cold", "Dirty",  "Crooked",  "Velvet", "Quiet",  "Hidden", "Lonely",
                            "Grey", "Stolen", "Borrowed", "Loaded", "Marked", "Paper",  "Sleeping"};
constexpr SV kCrimeNoun[] = {"Alibi",     "Witness",     "Ledger",    "Verdict",  "Confession",
                             "Heist",     "Motive",      "Informant", "Racket",   "Badge",
                             "Syndicate", "Fingerprint", "Payroll",   "Testimony"};
constexpr SV kCrimePlace[] = {"Canal Street", "Eastside Docks", "Hollis Pier",  "Lowmoor",
                              "Ashgrove",     "Baker's Wharf",  "Ninth Avenue", "Lantern Row",
                              "Marble Court", "Vane Street",    "Hotel Sorrel", "Gable Yard"};
constexpr SV kCrimeTitles[] = {"The {A} {N}",        "{N} on {P}",  "{A} {N} in {P}",
                               "Murder on {P}",      "The {S} {N}", "{S}'s {A} {N}",
                               "Nobody Talks on {P}"};
constexpr SV kCrimeSeries[] = {"Detective {S}", "Inspector {S} Investigates", "{P} Homicide",
                               "The {S} Files", "Case Closed, {F}"};
constexpr SV kCrimeStories[] = {
    "Detective {F} {S} reopens a twenty-year-old case when a body turns up on {P}.",
    "A bookkeeper finds a second ledger in the safe of {F} {S} and suddenly has nowhere "
    "safe to sleep.",
    "Inspector {F} {S} has three suspects, one alibi and until dawn to crack a jewel heist "
    "on {P}.",
    "Small-time forger {F} {S} is hired for the perfect job. The only problem: the client "
    "is a policeman.",
    "When a witness vanishes from a locked room near {P}, rookie {F} {S} suspects the "
    "precinct itself."};
constexpr SV kCrimeTaglines[] = {"Everybody lies. Somebody pays.", "Follow the money.",
                                 "The truth has a price.", "Every alibi has a crack.",
                                 "Nobody is innocent on this street."};

// --- 4 Love ---
constexpr SV kLoveAdj[] = {"Lavender", "Moonlit",   "Gentle",  "Unexpected", "Borrowed", "Tender",
                           "Hopeful",  "Candlelit", "Seaside", "Belated",    "Stubborn", "Rainy"};
constexpr SV kLoveNoun[] = {"Promise",   "Kiss",       "Letter",    "Waltz",
                            "Valentine", "Proposal",   "Postcard",  "Serenade",
                            "Honeymoon", "Rendezvous", "Heartbeat", "Bouquet"};
constexpr SV kLovePlace[] = {"Rosemont",        "Lake Ellery", "Maple Harbor", "Sorrento Lane",
                             "Cape Lisette",    "Bellmare",    "Willow Bend",  "Saint Aubin",
                             "Primrose Square", "Café Margot", "Château Lune", "Juniper Pier"};
constexpr SV kLoveTitles[] = {"A {A} {N} in {P}", "A {N} for {F}",  "Love Letters from {P}",
                              "{F} and {F2}",     "Meet Me at {P}", "The {A} {N}",
                              "Forever in {P}",   "{F}'s {A} {N}"};
constexpr SV kLoveSeries[] = {"Hearts of {P}", "{P} Romances", "The {S} Sisters",
                              "Weddings at {P}"};
constexpr SV kLoveStories[] = {
    "Florist {F} {S} of {P} swore off romance, until a stranger started ordering one red rose "
    "every single day.",
    "Two rival bakers, {F} and {F2}, are forced to share one kitchen for the summer in {P}.",
    "A lost postcard delivered forty years late sends {F} {S} to {P} in search of its "
    "writer.",
    "Wedding planner {F} {S} has organised a hundred perfect days. Now the planner is "
    "falling for the groom's brother.",
    "When {F} inherits a crumbling hotel in {P}, the grumpy caretaker {F2} comes with it."};
constexpr SV kLoveTaglines[] = {
    "Some letters are worth the wait.", "Love finds the long way round.",
    "One summer can change everything.", "Follow your heart.", "It started with a wrong number."};

// --- 5 Thriller ---
constexpr SV kThrillerAdj[] = {"Silent",  "Hollow", "Pale",       "Sleepless", "Unseen",
                               "Narrow",  "Frozen", "Twisted",    "Shivering", "Fractured",
                               "Drowned", "Locked", "Whispering", "Crooked"};
constexpr SV kThrillerNoun[] = {"Echo",      "Signal",  "Stranger", "Caller",    "Mirror",
                                "Staircase", "Fever",   "Tenant",   "Frequency", "Corridor",
                                "Doorway",   "Lullaby", "Keyhole",  "Photograph"};
constexpr SV kThrillerPlace[] = {"Hale House",     "Room 414",     "Wexmoor",
                                 "Carrow Hill",    "Ward Seven",   "Marsh End",
                                 "Floor Thirteen", "Vesper Lane",  "Blackwater Lodge",
                                 "Lake Orrin",     "Gallow Point", "Mercer Clinic"};
constexpr SV kThrillerTitles[] = {"The {A} {N} of {P}", "{N} in {P}",        "The {N} at {P}",
                                  "{A} {N} over {P}",   "Nobody Leaves {P}", "The {S} {N}",
                                  "Don't Open {P}"};
constexpr SV kThrillerSeries[] = {"The {P} Files", "Behind {P}", "Night Calls from {P}"};
constexpr SV kThrillerStories[] = {
    "Night nurse {F} {S} starts receiving calls from a patient who died last week at {P}.",
    "A mirror bought at auction shows {F} {S} a room in {P} that does not exist.",
    "When the new tenant never leaves the attic room, landlord {F} {S} begins to listen at the "
    "door.",
    "Radio engineer {F} {S} picks up a signal from {P}. It is a familiar voice, "
    "asking for help.",
    "Stranded at {P} by a snowstorm, six guests realise one of them is not who they claim."};
constexpr SV kThrillerTaglines[] = {"Don't look behind you.", "Someone is always listening.",
                                    "Lock every door.", "The silence is the warning.",
                                    "You should not have answered."};

// --- 6 Quiz (shows only) ---
constexpr SV kQuizAdj[] = {"Lucky", "Quick",  "Brainy", "Golden", "Double", "Lightning",
                           "Mega",  "Clever", "Triple", "Speedy", "Daring", "Sudden"};
constexpr SV kQuizNoun[] = {"Question", "Jackpot", "Buzzer",    "Answer",   "Puzzle", "Streak",
                            "Riddle",   "Wager",   "Brainwave", "Hot Seat", "Gamble"};
constexpr SV kQuizPlace[] = {"Studio Nine", "Harbor City", "Millbrook",
                             "Kestrel Bay", "Greyport",    "Ostmere"};
constexpr SV kQuizShows[] = {"{A} {N}",           "The {A} {N} Show", "{N} Night with {F} {S}",
                             "Beat the {N}",      "{A} {N} Live",     "{N} Rush",
                             "{F} {S}'s {A} {N}", "{P} Brain Battle"};
constexpr SV kQuizStories[] = {
    "Host {F} {S} puts four players in the hot seat. One wrong answer and the jackpot "
    "rolls over.",
    "Families from {P} race the clock through ten rounds of riddles for a holiday prize.",
    "Quick-fire questions, a spinning prize board and {F} {S} keeping the contestants "
    "honest.",
    "Students, pensioners and a very nervous plumber compete for the golden buzzer."};
constexpr SV kQuizTaglines[] = {"Are you quick enough?", "Play along at home!",
                                "Every second counts.", "Think fast, win big."};

// --- 7 Cultural ---
constexpr SV kCulturalAdj[] = {"Hidden",    "Ancient",  "Living",  "Forgotten",
                               "Windswept", "Quiet",    "Painted", "Sunken",
                               "Northern",  "Timeless", "Secret",  "Singing"};
constexpr SV kCulturalNoun[] = {"Cathedrals", "Rivers",     "Forests",   "Islands",
                                "Museums",    "Gardens",    "Libraries", "Mountains",
                                "Deserts",    "Orchestras", "Bridges",   "Lighthouses"};
constexpr SV kCulturalPlace[] = {
    "Valdoria",    "Ostmark Valley",    "the Amber Coast", "Kessara",           "Lake Morven",
    "Old Harbour", "the Tessaly Isles", "High Carrow",     "the Sunrise Delta", "Marrowgate"};
constexpr SV kCulturalTitles[] = {"The {A} {N} of {P}", "{P}: A Portrait", "Voices of {P}",
                                  "Journey through {P}", "{A} {N}: A Film by {F} {S}"};
constexpr SV kCulturalShows[] = {"{A} {N}", "Culture Hour with {F} {S}", "{P} Uncovered",
                                 "Atlas of {A} {N}", "The Arts Desk: {P}"};
constexpr SV kCulturalStories[] = {
    "Filmmaker {F} {S} follows the seasons in {P}, from the first thaw to the winter "
    "markets.",
    "A patient look at the {a} {n} of {P} and the people who keep them alive.",
    "Historians and craftspeople explain how {P} became a crossroads of trade and music."};
constexpr SV kCulturalShowStories[] = {
    "{F} {S} visits the {a} {n} of {P} and meets the artists working there today.",
    "This week: the painters, poets and instrument makers of {P}.",
    "A magazine of books, stage and screen, presented by {F} {S}."};
constexpr SV kCulturalTaglines[] = {"See the world anew.", "Stories worth keeping.",
                                    "Culture for curious minds.", "Where history still breathes."};

// --- 8 Soap (series and daytime shows) ---
constexpr SV kSoapAdj[] = {"Tangled",    "Stormy", "Whispered", "Broken",
                           "Scandalous", "Secret", "Forbidden", "Restless"};
constexpr SV kSoapNoun[] = {"Hearts",  "Secrets",  "Promises", "Tides",   "Vows",
                            "Affairs", "Fortunes", "Rumours",  "Legacies"};
constexpr SV kSoapPlace[] = {"Larkspur",    "Hollyfield", "Copperton", "Birchwood",
                             "Silverbrook", "Marlowe",    "Greystone", "Wrenfield",
                             "Ashby",       "Juniper",    "Kingsbay",  "Fairhaven"};
constexpr SV kSoapSeries[] = {"{P} Lane",       "{P} Heights",    "Life on {P} Street",
                              "The {S} Family", "{P} General",    "{A} {N} of {P}",
                              "{P} Square",     "The {S}s of {P}"};
constexpr SV kSoapShows[] = {"Morning at {P}", "{F}'s Kitchen Table", "The {S} Hour",
                             "Gossip Corner with {F}", "{A} {N}: The Talk Show"};
constexpr SV kSoapStories[] = {
    "In {P}, the {S} family hide more secrets than silverware, and the wedding of {F} may "
    "bring them all out.",
    "The staff of {P} General juggle double shifts, old flames and a hospital about to be "
    "sold.",
    "When {F} {S} returns to {P} after ten years, three households have reasons to fear "
    "that homecoming.",
    "Feuds, affairs and a contested will divide the two richest families of {P}."};
constexpr SV kSoapShowStories[] = {
    "{F} {S} welcomes guests with big family problems and even bigger opinions.",
    "Recipes, relationship advice and the week's gossip from {P}, live on your sofa.",
    "Studio audience, celebrity guests and {F} asking the questions nobody else dares to."};
constexpr SV kSoapTaglines[] = {"Nothing stays secret for long.", "Family is complicated.",
                                "Every day a new twist.", "Love, lies and leftovers."};

constexpr GenreVocabulary kAction{.adjectives = kActionAdj,
                                  .nouns = kActionNoun,
                                  .places = kActionPlace,
                                  .titles = {Words{}, kActionTitles, kActionSeries},
                                  .stories = {Words{}, kActionStories},
                                  .taglines = kActionTaglines};
constexpr GenreVocabulary kCartoon{.adjectives = kCartoonAdj,
                                   .nouns = kCartoonNoun,
                                   .places = kCartoonPlace,
                                   .titles = {Words{}, kCartoonTitles, kCartoonSeries},
                                   .stories = {Words{}, kCartoonStories},
                                   .taglines = kCartoonTaglines};
constexpr GenreVocabulary kCrime{.adjectives = kCrimeAdj,
                                 .nouns = kCrimeNoun,
                                 .places = kCrimePlace,
                                 .titles = {Words{}, kCrimeTitles, kCrimeSeries},
                                 .stories = {Words{}, kCrimeStories},
                                 .taglines = kCrimeTaglines};
constexpr GenreVocabulary kLove{.adjectives = kLoveAdj,
                                .nouns = kLoveNoun,
                                .places = kLovePlace,
                                .titles = {Words{}, kLoveTitles, kLoveSeries},
                                .stories = {Words{}, kLoveStories},
                                .taglines = kLoveTaglines};
constexpr GenreVocabulary kThriller{.adjectives = kThrillerAdj,
                                    .nouns = kThrillerNoun,
                                    .places = kThrillerPlace,
                                    .titles = {Words{}, kThrillerTitles, kThrillerSeries},
                                    .stories = {Words{}, kThrillerStories},
                                    .taglines = kThrillerTaglines};
constexpr GenreVocabulary kQuiz{.adjectives = kQuizAdj,
                                .nouns = kQuizNoun,
                                .places = kQuizPlace,
                                .titles = {Words{}, kQuizShows, Words{}, kQuizShows},
                                .stories = {Words{}, kQuizStories, Words{}, kQuizStories},
                                .taglines = kQuizTaglines};
constexpr GenreVocabulary kCultural{
    .adjectives = kCulturalAdj,
    .nouns = kCulturalNoun,
    .places = kCulturalPlace,
    .titles = {Words{}, kCulturalTitles, kCulturalShows, kCulturalShows},
    .stories = {Words{}, kCulturalStories, kCulturalShowStories, kCulturalShowStories},
    .taglines = kCulturalTaglines};
constexpr GenreVocabulary kSoap{.adjectives = kSoapAdj,
                                .nouns = kSoapNoun,
                                .places = kSoapPlace,
                                .titles = {Words{}, kSoapSeries, kSoapSeries, kSoapShows},
                                .stories = {Words{}, kSoapStories, kSoapStories, kSoapShowStories},
                                .taglines = kSoapTaglines};

constexpr const GenreVocabulary* kLowGenres[] = {&kAction,   &kCartoon, &kCrime,    &kLove,
                                                 &kThriller, &kQuiz,    &kCultural, &kSoap};

}  // namespace

const GenreVocabulary& GenreWordsActionToSoap(int genre) {
    return *kLowGenres[genre - 1];
}

}  // namespace qvx::content::detail
