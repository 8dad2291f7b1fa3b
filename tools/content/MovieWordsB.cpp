// Vocabulary of Sport / Live, War, Western, Comedy, Ancient/Medieval, Drama and Science-Fiction.
// A live fixture carries its own story after the '|', so the text names the teams of the title.
#include "MovieWords.h"

namespace qvx::content::detail {

namespace {

using SV = std::string_view;

// --- 9 Sport / Live (live events and sport magazines only) ---
constexpr SV kSportAdj[] = {"Saturday", "Sunday", "Weekend", "Late-Night", "Midweek", "Monday"};
constexpr SV kSportNoun[] = {"Rovers",  "Falcons",  "Comets", "Mariners", "Wolves",
                             "Rangers", "Harriers", "Stags",  "Pilots",   "Foxes",
                             "Anchors", "Hornets",  "Ravens", "Badgers"};
constexpr SV kSportPlace[] = {"Harbor City", "Millbrook",  "Stanwick",   "Corran Bay",
                              "Eastvale",    "Halbridge",  "Ostmere",    "Port Lusk",
                              "Redmarsh",    "Tollington", "Brackwater", "Kestrel Bay"};
constexpr SV kSportEvent[] = {"Cup Final",     "Derby Day",         "Season Opener",
                              "Semi-Final",    "Title Decider",     "Play-Off Final",
                              "Quarter-Final", "Relegation Battle", "Super Sunday"};
constexpr SV kSportLive[] = {
    "{P} {N} vs. {P2} {N2}|Live from {P}: the {N} host the {P2} {N2} in front of a sold-out "
    "crowd.",
    "{X}: {P} {N} vs. {P2} {N2}|The {X} in full, live from {P}, with all the build-up and "
    "every minute of the {N} against the {N2}.",
    "Grand Prix of {P}|Twenty-two cars, sixty laps and the tight harbour streets of {P}, live "
    "from the grid.",
    "{P} Marathon|Forty thousand runners, one course through {P} and a course record within "
    "reach.",
    "Title Fight: {S} vs. {S2}|Champion {F} {S} defends the belt against the hard-hitting {F2} "
    "{S2}. Twelve rounds, live.",
    "{P} Open Tennis Final|The final of the {P} Open, live from centre court.",
    "Tour of {P}, Final Stage|The riders climb the last pass of the Tour of {P} before the "
    "sprint to the line.",
    "{P} Regatta|Twelve crews race for the silver oar on the waters of {P}.",
    "Ice Hockey: {P} {N} vs. {P2} {N2}|Sixty minutes of speed and steel as the {N} take on the "
    "{N2}."};
constexpr SV kSportShows[] = {
    "{A} Sports Hour",    "Extra Time with {F} {S}",     "{P} Sports Desk",
    "Inside the {P} {N}", "Touchline Talk with {F} {S}", "The {A} Scoreboard"};
constexpr SV kSportShowStories[] = {
    "{F} {S} and guests go through the weekend's goals, rows and results.",
    "Behind the scenes with the {P} {N}: training, transfers and the dressing room.",
    "Highlights, interviews and the league table, presented by {F} {S}."};
constexpr SV kSportLiveStories[] = {"Every minute live, with expert commentary from {F} {S}."};
constexpr SV kSportTaglines[] = {"Feel every second.", "The whole town is watching.",
                                 "Anything can happen.", "Ninety minutes of pure nerve."};

// --- 10 War ---
constexpr SV kWarAdj[] = {"Burning", "Frozen", "Iron",   "Silent",    "Broken",     "Grey",
                          "Scarlet", "Bitter", "Ragged", "Sleepless", "Thundering", "Muddy"};
constexpr SV kWarNoun[] = {"Trench",   "Convoy",   "Bridgehead", "Outpost",  "Garrison",
                           "Squadron", "Regiment", "Frontier",   "Crossing", "Ceasefire",
                           "Dispatch", "Salient",  "Winter",     "Armistice"};
constexpr SV kWarPlace[] = {"Harrowmere Ridge", "Kovel Pass",    "Hill 214",       "Marlo River",
                            "Fort Anselm",      "Valden Forest", "Calder Heights", "Point Seraph",
                            "Drummond Bay",     "Lenz Bridge",   "Orsk Crossing",  "Saint Brevin"};
constexpr SV kWarTitles[] = {"{N} at {P}", "The {A} {N} of {P}", "{A} {N}",   "Letters from {P}",
                             "Hold {P}",   "Beyond {P}",         "{S}'s {N}", "The Road to {P}"};
constexpr SV kWarSeries[] = {"{P} Company", "Squadron {S}", "Letters Home from {P}"};
constexpr SV kWarStories[] = {
    "Lieutenant {F} {S} must hold {P} for three days with twelve men and one working radio.",
    "A field nurse and a deserter cross {P} together in the last winter of the war.",
    "When the bridge at {P} is ordered destroyed, sapper {F} {S} refuses: the sapper's family "
    "lives on the far side.",
    "Two siblings, {F} and {F2} {S}, end up on opposite banks of the river at {P}.",
    "Pilot {F} {S} flies one more mission over {P} to bring home the crew nobody else will "
    "look for."};
constexpr SV kWarTaglines[] = {"Nobody comes home the same.", "Hold the line.",
                               "Courage has a price.", "The war ends tomorrow. Survive today."};

// --- 11 Western ---
constexpr SV kWesternAdj[] = {"Dusty",   "Lonesome", "Crooked",   "Rusty",    "Ragged",  "Sundown",
                              "Thirsty", "Outlaw",   "Sagebrush", "Tin-Star", "Hangdog", "Copper"};
constexpr SV kWesternNoun[] = {"Saddle",     "Spur",      "Bounty",  "Stagecoach", "Sheriff",
                               "Posse",      "Drifter",   "Rustler", "Wagon",      "Lawman",
                               "Gunslinger", "Horseshoe", "Mustang", "Deputy"};
constexpr SV kWesternPlace[] = {"Copper Creek",  "Red Mesa",          "Cutter's Gulch",
                                "Dry Fork",      "Buzzard Flats",     "Tolliver Pass",
                                "San Lucero",    "Rattlesnake Ridge", "Whiskey Bend",
                                "Mule Crossing", "Fort Calloway",     "Coldwater Junction"};
constexpr SV kWesternTitles[] = {"Dust over {P}",     "The {A} {N}",       "The {N} of {P}",
                                 "Showdown at {P}",   "Last Train to {P}", "The {S} Gang",
                                 "A {N} for {F} {S}", "Ride to {P}",       "{A} Days in {P}"};
constexpr SV kWesternSeries[] = {"The {P} Marshal", "Tales of {P}", "{S} of {P}", "Sheriff {S}"};
constexpr SV kWesternStories[] = {
    "Bounty hunter {F} {S} rides into {P} for one man and finds the whole town on the "
    "outlaw's payroll.",
    "When the railroad comes to {P}, widow {F} {S} refuses to sell the only well for fifty "
    "miles.",
    "Three strangers share a stagecoach to {P}. Only two will arrive.",
    "Retired gunslinger {F} {S} pins on the star of {P} one last time.",
    "A cattle drive, a stolen herd and {F} {S} with a score to settle at {P}."};
constexpr SV kWesternTaglines[] = {"The West was never won cheap.", "Justice rides alone.",
                                   "Draw first. Ask later.",
                                   "A town with no law. A man with no past."};

// --- 12 Comedy ---
constexpr SV kComedyAdj[] = {"Accidental", "Terrible", "Awkward",   "Hopeless",  "Clumsy",
                             "Ridiculous", "Nervous",  "Reluctant", "Unlikely",  "Overdue",
                             "Noisy",      "Sneaky",   "Frantic",   "Improbable"};
constexpr SV kComedyNoun[] = {"Honeymoon", "Inheritance", "Roommate",      "Best Man", "Substitute",
                              "Reunion",   "Babysitter",  "Neighbour",     "Uncle",    "Cousin",
                              "Goat",      "Caravan",     "Mother-in-Law", "Lodger"};
constexpr SV kComedyPlace[] = {
    "Little Puddington", "Glenbarrow",   "Upper Muckford", "Bramble-on-Sea", "Nettlecombe",
    "Pinewick",          "Crumpet Hill", "Lower Sockley",  "Fuddleton",      "Biscuit Bay"};
constexpr SV kComedyTitles[] = {"The {A} {N}",      "My {A} {N}",          "{F} Gets a {N}",
                                "Trouble in {P}",   "A {N} in {P}",        "{F} and the {A} {N}",
                                "Meanwhile in {P}", "Who Invited {F} {S}?"};
constexpr SV kComedySeries[] = {"{F} & {F2}", "The {S}s Next Door", "{P} Hotel", "Life with {F}",
                                "{P} Parish Council"};
constexpr SV kComedyShows[] = {"The {F} {S} Laugh Hour", "Sketchbook {P}", "{A} Tonight",
                               "Saturday Giggles with {F} {S}", "The {P} Comedy Club"};
constexpr SV kComedyStories[] = {
    "Accountant {F} {S} inherits a goat, a caravan and a feud with the whole village of {P}.",
    "Two best men, one wedding and a ring that keeps disappearing. {F} {S} has a plan; it is "
    "a terrible one.",
    "When {F} {S} fakes a holiday to impress the neighbours, the neighbours decide to come "
    "along.",
    "A nervous substitute teacher in {P} is mistaken for a famous food critic.",
    "{F} {S} has one week to find a date for the reunion in {P}, and the whole family is "
    "helping. Badly."};
constexpr SV kComedyShowStories[] = {
    "Stand-up, sketches and a studio band: {F} {S} introduces the funniest new faces in the "
    "country.",
    "A weekly ride through the silliest stories of {P}, with a live studio audience."};
constexpr SV kComedyTaglines[] = {"Laugh now, apologise later.", "What could possibly go wrong?",
                                  "Family. You can't return them.",
                                  "Chaos has never been this cosy."};

// --- 13 Ancient / Medieval ---
constexpr SV kAncientAdj[] = {"Golden", "Fallen", "Eternal", "Bronze",    "Crimson", "Sacred",
                              "Ashen",  "Hidden", "Scarlet", "Shattered", "Winter",  "Iron"};
constexpr SV kAncientNoun[] = {"Crown",   "Throne",   "Legion",   "Sword",   "Shield",
                               "Oath",    "Banner",   "Chalice",  "Citadel", "Dynasty",
                               "Empress", "Prophecy", "Gauntlet", "Sceptre"};
constexpr SV kAncientPlace[] = {"Valmora",   "Caer Dunholt", "Aurelium",  "Kingsmere",
                                "Tarsenna",  "Brannoch",     "Eldrath",   "Velloria",
                                "Thornhold", "Marcellum",    "Ilvermoor", "Castra Nova"};
constexpr SV kAncientFirst[] = {"Aurelia", "Cassian", "Brennus", "Ysolde", "Torvald", "Octavia",
                                "Leofric", "Isaura",  "Maelor",  "Drusus", "Elowen",  "Varro",
                                "Sigrun",  "Tiberia", "Gwenore", "Aldric"};
constexpr SV kAncientEpithet[] = {"the Bold",  "the Younger", "the Exile",    "the Just",
                                  "Ironhand",  "the Red",     "of the North", "the Unbowed",
                                  "Stormborn", "the Wise"};
constexpr SV kAncientTitles[] = {
    "The {N} of {P}", "The {A} {N} of {P}", "{F} of {P}", "Fall of {P}",
    "{A} {N}",        "Siege of {P}",       "{F} {S}",    "The {A} {N}"};
constexpr SV kAncientSeries[] = {"The {F} Chronicles", "Sagas of {P}", "The Crowns of {P}"};
constexpr SV kAncientStories[] = {
    "Exiled heir {F} {S} gathers a ragged army to reclaim the throne of {P}.",
    "When the legions of {P} march north, a blacksmith's apprentice, {F2}, forges the sword that "
    "will stop them.",
    "A stolen chalice, a broken oath and {F} {S} caught between two kings of {P}.",
    "The gladiator {F} wins freedom in the arena of {P}, only to be offered a crown.",
    "{F} {S} must carry the sacred banner across {P} before the winter closes the passes."};
constexpr SV kAncientTaglines[] = {"Kingdoms fall. Legends remain.", "Swear the oath.",
                                   "Steel, fire and a crown.", "History is written by the brave."};

// --- 14 Drama ---
constexpr SV kDramaAdj[] = {"Quiet", "Distant", "Fragile", "Unfinished", "Grey",   "Heavy",
                            "Late",  "Patient", "Slow",    "Borrowed",   "Narrow", "Weathered"};
constexpr SV kDramaNoun[] = {"Harvest", "Inheritance", "Silence", "Homecoming", "Season",
                             "Garden",  "Years",       "Letters", "Tides",      "Afternoon",
                             "Winter",  "Kitchen",     "Orchard", "Reckoning"};
constexpr SV kDramaPlace[] = {"Ellerby",      "Stoneham Mill", "Carrick Shore", "Westhollow",
                              "Birch Street", "Ardley",        "Lowenfeld",     "Wetherby Farm",
                              "Saint Crane",  "Mill Road",     "Calder Row",    "Harrow End"};
constexpr SV kDramaTitles[] = {"The {A} {N}",   "{N} in {P}",       "A {N} for {F}",
                               "The {S} House", "After {P}",        "{A} {N} at {P}",
                               "Leaving {P}",   "What {F} {S} Kept"};
constexpr SV kDramaSeries[] = {"The {S}s of {P}", "{P} Years", "The {S} Inheritance",
                               "Seasons at {P}"};
constexpr SV kDramaStories[] = {
    "After forty years at sea, {F} {S} comes home to {P} and a family that learned to live "
    "without a sailor at the table.",
    "Three sisters return to {P} to sell the farm, and find their mother's unsent letters.",
    "A small-town teacher, {F} {S}, fights to keep the only school in {P} open.",
    "When the mill at {P} closes, {F} {S} must choose between the town and the family's future.",
    "Grief brings {F} {S} and an estranged father to the same kitchen table in {P}. Neither "
    "knows how to begin."};
constexpr SV kDramaTaglines[] = {"Home is where the past waits.", "Some wounds take a lifetime.",
                                 "Every family has its seasons.", "What we keep, keeps us."};

// --- 15 Science-Fiction ---
constexpr SV kSciFiAdj[] = {"Silent",  "Quantum", "Distant",  "Hollow", "Binary",
                            "Neon",    "Orbital", "Infinite", "Frozen", "Crimson",
                            "Stellar", "Echoing", "Ion",      "Zero-G"};
constexpr SV kSciFiNoun[] = {"Orbit",  "Signal", "Colony",      "Meridian", "Nebula",
                             "Drift",  "Ark",    "Singularity", "Eclipse",  "Relay",
                             "Beacon", "Vector", "Paradox",     "Lattice"};
constexpr SV kSciFiPlace[] = {"Vela",         "Tharsis Deep",  "Cygnus Gate",  "Proxima Ring",
                              "Altair Reach", "Zeta Veil",     "Orun Prime",   "Helix Nine",
                              "Sable Moon",   "Caldera Seven", "Kessara Belt", "Nyx Outpost"};
constexpr SV kSciFiTitles[] = {"The {N} of {P}",  "{A} {N}",       "Beyond {P}",
                               "{P}: {A} {N}",    "Return to {P}", "Children of {P}",
                               "Escape from {P}", "The {P} {N}"};
constexpr SV kSciFiSeries[] = {"{P} Patrol", "Station {P}", "Chronicles of {P}",
                               "The {P} Expedition", "Starship {S}"};
constexpr SV kSciFiStories[] = {
    "The crew of the survey ship {S} wakes from cryosleep above {P} to find the colony silent.",
    "Engineer {F} {S} decodes a signal from {P}. It is a warning, sent a hundred years from "
    "now.",
    "On {P}, the last free colony votes on whether to let the fleet from Earth land.",
    "Cargo pilot {F} {S} smuggles a thinking machine past the blockade of {P}.",
    "When the sun of {P} starts to flicker, {F} {S} has nine days to move a city."};
constexpr SV kSciFiTaglines[] = {"Space is not empty.", "The future is listening.",
                                 "Beyond the last star.", "Humanity's last signal."};

constexpr GenreVocabulary kSport{
    .adjectives = kSportAdj,
    .nouns = kSportNoun,
    .places = kSportPlace,
    .extra = kSportEvent,
    .titles = {Words{}, Words{}, Words{}, kSportShows, kSportLive},
    .stories = {Words{}, Words{}, Words{}, kSportShowStories, kSportLiveStories},
    .taglines = kSportTaglines};
constexpr GenreVocabulary kWar{.adjectives = kWarAdj,
                               .nouns = kWarNoun,
                               .places = kWarPlace,
                               .titles = {Words{}, kWarTitles, kWarSeries},
                               .stories = {Words{}, kWarStories},
                               .taglines = kWarTaglines};
constexpr GenreVocabulary kWestern{.adjectives = kWesternAdj,
                                   .nouns = kWesternNoun,
                                   .places = kWesternPlace,
                                   .titles = {Words{}, kWesternTitles, kWesternSeries},
                                   .stories = {Words{}, kWesternStories},
                                   .taglines = kWesternTaglines};
constexpr GenreVocabulary kComedy{
    .adjectives = kComedyAdj,
    .nouns = kComedyNoun,
    .places = kComedyPlace,
    .titles = {Words{}, kComedyTitles, kComedySeries, kComedyShows},
    .stories = {Words{}, kComedyStories, kComedyStories, kComedyShowStories},
    .taglines = kComedyTaglines};
constexpr GenreVocabulary kAncient{.adjectives = kAncientAdj,
                                   .nouns = kAncientNoun,
                                   .places = kAncientPlace,
                                   .firstNames = kAncientFirst,
                                   .surnames = kAncientEpithet,
                                   .titles = {Words{}, kAncientTitles, kAncientSeries},
                                   .stories = {Words{}, kAncientStories},
                                   .taglines = kAncientTaglines};
constexpr GenreVocabulary kDrama{.adjectives = kDramaAdj,
                                 .nouns = kDramaNoun,
                                 .places = kDramaPlace,
                                 .titles = {Words{}, kDramaTitles, kDramaSeries},
                                 .stories = {Words{}, kDramaStories},
                                 .taglines = kDramaTaglines};
constexpr GenreVocabulary kSciFi{.adjectives = kSciFiAdj,
                                 .nouns = kSciFiNoun,
                                 .places = kSciFiPlace,
                                 .titles = {Words{}, kSciFiTitles, kSciFiSeries},
                                 .stories = {Words{}, kSciFiStories},
                                 .taglines = kSciFiTaglines};

constexpr const GenreVocabulary* kHighGenres[] = {&kSport,   &kWar,   &kWestern, &kComedy,
                                                  &kAncient, &kDrama, &kSciFi};

}  // namespace

const GenreVocabulary& GenreWordsSportToScienceFiction(int genre) {
    return *kHighGenres[genre - 9];
}

}  // namespace qvx::content::detail
