// The five maps: their regions as TV markets and the licence each company starts with.
#include <array>

#include "GameState.h"
#include "Scenarios.h"

namespace qvx {

namespace {

// clang-format off
constexpr RegionData kUsaRegions[] = {
    {"New England", {4, 4, 6, 4, 2}, 20, 5000, 782, 103,
     "Six small states in the north-east with old towns, busy universities and viewers who "
     "never miss the local news.",
     "(ME, NH, VT, MA, RI, CT)"},
    {"East Coast", {10, 10, 15, 10, 5}, 45, 12000, 726, 184,
     "The crowded corridor from New York to Philadelphia, where more people watch TV per square "
     "mile than anywhere else in the country.",
     "(NY, NJ, PA)"},
    {"Midwest (East)", {10, 10, 15, 10, 5}, 45, 12000, 545, 229,
     "Industrial cities around the Great Lakes where families still gather in front of the set "
     "after dinner.",
     "(OH, IN, IL, MI, WI)"},
    {"Midwest (West)", {10, 10, 15, 10, 5}, 45, 12000, 418, 200,
     "Farmland and river towns on the Great Plains, a steady market with a soft spot for sport "
     "and game shows.",
     "(MN, IA, MO, ND, SD, NE, KS)"},
    {"South Atlantic", {10, 10, 15, 10, 15}, 55, 14000, 620, 435,
     "The coast from Delaware down to Florida, home of the largest senior audience in the "
     "country.",
     "(DE, MD, DC, VA, WV, NC, SC, GA, FL)"},
    {"East South Central", {6, 6, 10, 6, 2}, 30, 7500, 546, 364,
     "A rural market in the heart of the South with a taste for country music and college "
     "football.",
     "(KY, TN, MS, AL)"},
    {"West South Central", {8, 8, 12, 8, 5}, 40, 10000, 398, 414,
     "Oil towns and fast-growing cities with a big appetite for live sport.",
     "(AR, LA, OK, TX)"},
    {"Mountain", {10, 10, 14, 10, 5}, 50, 12500, 190, 180,
     "A huge, thinly settled territory from the Rockies to the desert, where one station covers "
     "a lot of ground.",
     "(MT, ID, WY, CO, NM, AZ, UT, NV)"},
    {"West Coast", {10, 10, 15, 10, 5}, 50, 12000, 46, 184,
     "California and the Pacific states, next door to the studios and quick to pick up every new "
     "trend.",
     "(WA, OR, CA, AK, HI)"},
};

constexpr RegionData kEuRegions[] = {
    {"Germany", {12, 14, 24, 16, 12}, 60, 18000, 447, 261,
     "The biggest market of the Union, with more women watching than in any other country on "
     "the map.",
     "(DE)"},
    {"France", {15, 15, 15, 10, 5}, 45, 14000, 347, 306,
     "A proud TV nation that loves its films, its cooking shows and its own stars.",
     "(FR)"},
    {"Great Britain", {15, 15, 15, 10, 5}, 45, 14000, 270, 173,
     "An island of devoted viewers with a long tradition of drama, comedy and quiz shows.",
     "(GB)"},
    {"Italy", {15, 15, 15, 10, 5}, 45, 14000, 502, 441,
     "Big family audiences, football nights and glamorous Saturday evening shows.",
     "(IT)"},
    {"Spain", {6, 6, 10, 6, 4}, 30, 7500, 208, 431,
     "Evenings start late under the Spanish sun, and so does prime time.",
     "(ES)"},
    {"Portugal", {3, 3, 5, 4, 2}, 15, 4000, 124, 357,
     "A small coastal market where soaps and football keep the audience loyal.",
     "(PT)"},
    {"Greece", {3, 3, 5, 4, 2}, 15, 4000, 701, 441,
     "Islands and mountains with a small audience that loves a good story.",
     "(GR)"},
    {"Poland", {6, 6, 10, 6, 4}, 30, 7500, 559, 261,
     "A fast-growing market in the east, eager for new channels and new formats.",
     "(PL)"},
    {"Northern countries", {3, 3, 5, 4, 2}, 15, 4000, 513, 106,
     "Four Nordic countries with few people, long winter nights and plenty of time for TV.",
     "(DK, SE, FI, NO)"},
};

constexpr RegionData kGreatBritainRegions[] = {
    {"London", {2, 2, 4, 3, 3}, 15, 8000, 583, 487,
     "The capital and its suburbs, the richest and most contested TV market on the island.",
     "(E, EC, N, NW, SE, SW, W, WC)"},
    {"South East", {1, 1, 3, 2, 1}, 10, 5000, 513, 533,
     "Commuter towns and the Channel coast around the capital, a prosperous market.",
     "(BN, CT, GU, ME, OX, RG, SO, TN)"},
    {"South West", {1, 1, 3, 2, 1}, 10, 5000, 375, 506,
     "Seaside resorts and green hills, popular with holiday families and the retired.",
     "(BA, BS, EX, GL, PL, TQ, TR)"},
    {"North East", {2, 2, 3, 2, 2}, 12, 7000, 583, 335,
     "Mining and shipbuilding towns from Yorkshire to the Scottish border with a faithful "
     "audience.",
     "(NE, SR, DH, TS, YO, LS, HU)"},
    {"North West", {2, 2, 4, 3, 2}, 15, 8500, 497, 277,
     "Manchester, Liverpool and their neighbours, a big market that lives for football and "
     "soaps.",
     "(M, L, CH, PR, BB, BL, WA, CA)"},
    {"Scotland", {1, 1, 2, 1, 1}, 8, 4000, 523, 136,
     "Highlands, islands and the cities of the central belt; few viewers, but a cheap licence.",
     "(EH, G, AB, DD, IV, KY, PA)"},
};

constexpr RegionData kGermanyRegions[] = {
    {"Baden-Württemberg", {3, 3, 5, 3, 3}, 15, 12000, 232, 460,
     "The prosperous south-west of carmakers and engineers, where households spend well on "
     "entertainment.",
     "(BW)"},
    {"Bavaria", {2, 2, 4, 3, 3}, 15, 12000, 411, 460,
     "Alpine scenery, beer gardens and a strong local pride that shapes what people watch.",
     "(BY)"},
    {"North-Rhine Westphalia", {3, 3, 6, 4, 4}, 20, 15000, 188, 189,
     "The most populous state, where the cities of the Rhine and the Ruhr form one big TV "
     "market.",
     "(NW)"},
    {"Northern Germany", {1, 1, 2, 2, 2}, 8, 6000, 329, 70,
     "Port cities and flat land along the North Sea and the Baltic; a small but cheap market.",
     "(SH, HH, HB, NI, MV)"},
    {"Midland Germany", {2, 2, 4, 3, 3}, 15, 12000, 300, 280,
     "The centre of the country around Frankfurt, with its banks, its trade fairs and its "
     "commuters.",
     "(HE, RP, SL)"},
    {"Eastern Germany", {3, 3, 2, 2, 6}, 15, 12000, 475, 210,
     "Berlin and the eastern states, with many seniors and a growing number of young families.",
     "(BE, BB, SN, ST, TH)"},
};

constexpr RegionData kFranceRegions[] = {
    {"North West France", {2, 2, 3, 2, 1}, 10, 7500, 243, 123,
     "Brittany and Normandy, with fishing ports, farms and viewers who like a quiet evening in.",
     "(BRE, NOR)"},
    {"Paris/Loire", {4, 3, 5, 4, 2}, 20, 25000, 427, 189,
     "The capital and the Loire valley, the most sought-after licence in the country.",
     "(IDF, CVL, PDL)"},
    {"North East France", {2, 1, 3, 2, 1}, 10, 7500, 543, 97,
     "Old industrial towns and the wine country of Champagne and Alsace along the borders.",
     "(HDF, GES)"},
    {"Atlantic France", {1, 1, 2, 2, 2}, 8, 6000, 221, 369,
     "The long western coast down to the Pyrenees, with vineyards, surfers and many retirees.",
     "(NAQ)"},
    {"Upland France", {2, 1, 4, 3, 1}, 12, 10000, 477, 340,
     "Lyon, the Alps and Burgundy, a varied market of mountain towns and busy cities.",
     "(ARA, BFC)"},
    {"Southern France", {1, 1, 2, 2, 2}, 8, 6000, 399, 519,
     "The Mediterranean coast and the sunny south, where many people come to retire.",
     "(OCC, PAC, COR)"},
};

// Red, Yellow, Green, Blue: one region each, the same on every start of the map.
constexpr std::array<std::array<int, kChannels>, kMaps> kStartingRegions = {{
    {2, 3, 9, 4},  // East Coast, Midwest (East), West Coast, Midwest (West)
    {1, 2, 3, 4},  // Germany, France, Great Britain, Italy
    {2, 3, 4, 6},  // South East, South West, North East, Scotland
    {1, 2, 5, 6},  // Baden-Württemberg, Bavaria, Midland Germany, Eastern Germany
    {1, 3, 5, 6},  // North West France, North East France, Upland France, Southern France
}};
// clang-format on

}  // namespace

std::span<const RegionData> MapRegions(int32_t map) {
    switch (map) {
        case Map::kUsa:
            return kUsaRegions;
        case Map::kEu:
            return kEuRegions;
        case Map::kGreatBritain:
            return kGreatBritainRegions;
        case Map::kGermany:
            return kGermanyRegions;
        case Map::kFrance:
            return kFranceRegions;
        default:
            return {};
    }
}

int StartingRegion(int32_t map, int c) {
    if (map < 1 || map > kMaps || !ValidChannel(c)) return 0;
    return kStartingRegions[static_cast<size_t>(map - 1)][static_cast<size_t>(c - 1)];
}

}  // namespace qvx
