#include "NewGame.h"

#include <algorithm>
#include <memory>
#include <span>
#include <utility>

#include "Boosters.h"
#include "Competitor.h"
#include "Licences.h"
#include "Markets.h"
#include "SaveGame.h"
#include "Scenarios.h"
#include "Shares.h"
#include "TextCodec.h"
#include "TurnHistory.h"

namespace qvx {

namespace {

constexpr int32_t kStartMoney = 3500;
constexpr int32_t kStartTvEquipment = 500;
constexpr int32_t kStartSharePrice = 50;
constexpr int32_t kStartSharesIssued = 1000;
constexpr int32_t kStartBonds = 5000;
constexpr int32_t kStartBondInterestRate = 10;
constexpr int32_t kStartStockholdersEquity = 5000;
constexpr int32_t kStartPopularity = 25;
constexpr int32_t kLateGameMoney = 15000;
constexpr int32_t kExpertMoneyFactor = 4;
constexpr int32_t kStartWeekday = 4;
// The new game's ad offers probe harder than a turn's, so that the first offers look random.
constexpr int kFirstAdOfferProbes = 31;

int32_t CustomTurns(const CustomSettings& custom) {
    return ScenarioTurns(Kind::kCustom, custom.turns);
}

bool IsExpertGame(int32_t kind, const CustomSettings& custom) {
    return kind == Kind::kExpert ||
           (kind == Kind::kCustom && custom.difficulty == Difficulty::Expert);
}

void SetUpRegions(GameState& gs, int32_t map) {
    const std::span<const RegionData> regions = MapRegions(map);
    for (int r = 1; r <= kRegions; ++r) {
        gs.Regions[r].fill(0);
        gs.RegionNames[r].clear();
        gs.RegionDescriptions[r].clear();
        gs.RegionCodes[r].clear();
        gs.Licences[r].fill(0);
        if (r > static_cast<int>(regions.size())) continue;
        const RegionData& data = regions[static_cast<size_t>(r - 1)];
        Record& region = gs.Regions[r];
        region[Reg::kExists] = 1;
        for (int g = 0; g < kAudienceGroups; ++g)
            region[Reg::kPopulation + g] = data.population[g];
        region[Reg::kRegionMonthlyCost] = data.stationCost;
        region[Reg::kRegionLicencePrice] = data.licencePrice;
        region[Reg::kMarkerX] = data.markerX;
        region[Reg::kMarkerY] = data.markerY;
        gs.RegionNames[r] = data.name;
        gs.RegionDescriptions[r] = data.description;
        gs.RegionCodes[r] = data.codes;
    }
    for (int c = 1; c <= kChannels; ++c) {
        if (const int r = StartingRegion(map, c); r > 0) gs.Licences[r][c] = 1;
    }
}

void DrawCustomPopulation(GameState& gs, Rng& rng, PopulationMode mode) {
    constexpr int kKids = Reg::kPopulation, kWomen = Reg::kPopulation + 2;
    constexpr int kSeniors = Reg::kPopulation + 4;
    for (int r = 1; r <= kRegions; ++r) {
        if (!RegionExists(gs, r)) continue;
        Record& region = gs.Regions[r];
        int32_t t = 0;
        for (int f = kKids; f <= kSeniors; ++f)
            t += region[f];
        // Small regions are blown up first, or a tenth of them would leave nobody to watch.
        if (t < 30) t = rng.Random(2 * t) + 3 * t;
        const int32_t g = t / 10;
        for (int f = kKids; f <= kSeniors; ++f)
            region[f] = g + rng.Random(g);
        const int32_t h = t / 5;
        if (mode == PopulationMode::MoreYoungPeople) {
            for (int f = kKids; f < kWomen; ++f)
                region[f] = h + rng.Random(h);
        } else if (mode == PopulationMode::MoreAdults) {
            for (int f = kWomen; f <= kSeniors; ++f)
                region[f] = h + rng.Random(h);
        }
        for (int f = kKids; f <= kSeniors; ++f)
            region[f] = std::max(region[f], 1);
    }
}

void SetPopularityWhereLicensed(GameState& gs, int c, int32_t value) {
    for (int r = 1; r <= kRegions; ++r) {
        if (!RegionExists(gs, r) || !HoldsLicence(gs, r, c)) continue;
        for (int g = 0; g < kAudienceGroups; ++g)
            gs.Popularity[r][c][Pop::kGroupFirst + g] = value;
    }
}

void SetUpChannels(GameState& gs, Rng& rng) {
    for (int c = 1; c <= kChannels; ++c) {
        Record& ch = gs.Channel[c];
        ch[Ch::kActive] = 1;
        ch[Ch::kMoney] = kStartMoney;
        ch[Ch::kTvEquipment] = kStartTvEquipment;
        Record& acc = gs.ChannelAccounts[c];
        acc[Acc::kSharePrice] = kStartSharePrice;
        acc[Acc::kSharesIssued] = kStartSharesIssued;
        acc[Acc::kBonds] = kStartBonds;
        acc[Acc::kBondInterestRate] = kStartBondInterestRate;
        acc[Acc::kStockholdersEquity] = kStartStockholdersEquity;
        SetPopularityWhereLicensed(gs, c, kStartPopularity);
    }
    // The rivals never share a colour with the player, and they always look like one family:
    // logos 1..4 or 5..8. A player on channel 1 holds logo 1 or 5, so the rivals take 6..8.
    int32_t logoSet = 1;
    if (gs.Channel[1][Ch::kHuman] == 0) logoSet = rng.Random(2);
    for (int c = 1; c <= kChannels; ++c) {
        if (gs.Channel[c][Ch::kHuman] == 1) continue;
        const int32_t logo = c + logoSet * kChannels;
        gs.Channel[c][Ch::kLogo] = logo;
        gs.ChannelNames[c] = DefaultChannelName(logo);
    }
}

void RemoveCompetitors(GameState& gs, int competitors) {
    int toRemove = (kChannels - 1) - std::clamp(competitors, 0, kChannels - 1);
    for (int c = kChannels; c >= 1 && toRemove > 0; --c) {
        if (gs.Channel[c][Ch::kHuman] == 1) continue;
        gs.Channel[c][Ch::kActive] = 0;
        --toRemove;
    }
}

void StartLate(GameState& gs, const Catalogue& cat, Rng& rng) {
    for (int c = 1; c <= kChannels; ++c) {
        if (gs.Channel[c][Ch::kActive] == 1) gs.Channel[c][Ch::kMoney] = kLateGameMoney;
    }
    // Every company, the player's included, is handed the licences a few years of play would
    // have bought it.
    for (int c = 1; c <= kChannels; ++c) {
        const int32_t steps = rng.Random(10) + 5;
        for (int32_t i = 0; i < steps; ++i)
            DecideCompetitorLicence(gs, cat, rng, c);
    }
}

void MakeRivalsStronger(GameState& gs) {
    for (int c = 1; c <= kChannels; ++c) {
        Record& ch = gs.Channel[c];
        if (ch[Ch::kHuman] == 1 || ch[Ch::kActive] != 1) continue;
        ch[Ch::kMoney] = SaturateToInt32(int64_t{ch[Ch::kMoney]} * kExpertMoneyFactor);
        for (int r = 1; r <= kRegions; ++r) {
            if (!RegionExists(gs, r) || !HoldsLicence(gs, r, c)) continue;
            for (int g = 0; g < kAudienceGroups; ++g) {
                int32_t& pop = gs.Popularity[r][c][Pop::kGroupFirst + g];
                pop = SaturateToInt32(int64_t{pop} * 2);
            }
        }
    }
}

}  // namespace

void NewGame(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng, int32_t kind,
             int32_t map, int32_t logo, const std::string& name, const CustomSettings& custom) {
    // The screens only offer valid choices, but the headless tool passes on what it is given: a
    // kind or map outside the lists is taken as the first one, as the rules do with the logo.
    if (kind < 1 || kind > kScenarioKinds) kind = Kind::kNormal;
    if (map < 1 || map > kMaps) map = Map::kUsa;
    if (logo < 1 || logo > kLogoCount) logo = 1;
    const bool isCustom = kind == Kind::kCustom;
    const int p = LogoChannel(logo);

    gs.GameInfo[Info::kMap] = map;
    gs.GameInfo[Info::kScenarioKind] = kind;
    gs.GameInfo[Info::kCustomTurns] = isCustom ? CustomTurns(custom) : 0;
    for (int c = 1; c <= kChannels; ++c)
        gs.Channel[c][Ch::kHuman] = c == p ? 1 : 0;
    gs.Channel[p][Ch::kLogo] = logo;
    gs.ChannelNames[p] = name.empty() ? DefaultChannelName(logo) : TruncateForRecord(name);
    gs.PlayerChannel = p;

    for (int c = 1; c <= kChannels; ++c) {
        gs.MovieArchive[c].fill(0);
        gs.ChannelAccounts[c].fill(0);
        gs.ChannelPendingIncome[c].fill(0);
    }
    gs.GameInfo[Info::kTurnCount] = ScenarioTurns(kind, gs.GameInfo[Info::kCustomTurns]);

    SetUpRegions(gs, map);
    if (isCustom && custom.population != PopulationMode::None)
        DrawCustomPopulation(gs, rng, custom.population);
    SetUpChannels(gs, rng);
    if (isCustom) RemoveCompetitors(gs, custom.competitors);

    // Rich pays out once, however many of its cards the deck holds.
    for (int c = 1; c <= kChannels; ++c) {
        if (CardsOf(gs, boosters, c, Card::kRich) > 0)
            gs.Channel[c][Ch::kMoney] += gs.Channel[c][Ch::kMoney] / 4;
    }
    if (isCustom && custom.start == StartMode::LateGame) StartLate(gs, cat, rng);
    if (IsExpertGame(kind, custom)) MakeRivalsStronger(gs);

    gs.GameInfo[Info::kTurn] = 1;
    gs.GameInfo[Info::kPhase] = Info::kPhasePlanning;
    gs.GameInfo[Info::kWeekday] = kStartWeekday;
    gs.GameInfo[Info::kGameOver] = 0;
    gs.GameInfo[Info::kAutoPlayDays] = 0;
    RefreshAdPool(gs, cat, boosters, rng);
    UpdateSharePrices(gs, rng);
    RefreshAdOffers(gs, rng, kFirstAdOfferProbes);
    RefreshMovieOffers(gs, cat, rng);
    RefreshNewsOffers(gs, cat, rng);

    gs.PlayerChannel = p;
    for (int f = 7; f <= 10; ++f)
        gs.GameInfo[f] = 0;
    gs.GameInfo[Info::kCreated] = 1;
    gs.History = {};
    RecordTurnHistory(gs, cat);  // the starting line of every chart
}

GameStart StartNewGame(GameState& gs, Catalogue& cat, Settings& settings, Rng& rng,
                       const NewGameChoice& choice, const GameDirs& dirs) {
    if (choice.scenario < 1 || choice.scenario > kScenarios)
        return {
            StartOutcome::NotStarted,
            Status::Fail("There is no scenario " + std::to_string(choice.scenario) +
                         "; the scenarios are numbered 1 to " + std::to_string(kScenarios) + ".")};
    const int32_t kind = ScenarioKind(choice.scenario);
    const int32_t map = ScenarioMap(choice.scenario);
    // The catalogue is read before anything is cleared, so a missing file costs nothing.
    auto fresh = std::make_unique<Catalogue>();
    if (Status s = LoadCatalogueSet(*fresh, CatalogueSetForKind(kind), dirs.content); !s)
        return {StartOutcome::NotStarted, std::move(s)};

    ClearGame(gs);
    gs.CurrentGame = 1;
    cat = std::move(*fresh);
    NewGame(gs, cat, settings.Deck, rng, kind, map, choice.logo, choice.name, choice.custom);

    gs.ViewedChannel = gs.PlayerChannel;
    gs.GameInfo[Info::kPhase] = Info::kPhasePlanning;
    gs.RunningGameFlag = 1;
    gs.ClockHour = 8;
    gs.ClockMinute = 0;
    gs.EndTurnBusy = false;
    settings.SaveSlotNames[kRunningGameSlot] = kRunningGameCaption;
    Status saved = SaveRunningGame(gs, dirs.user);
    if (!saved) return {StartOutcome::StartedUnsaved, std::move(saved)};
    return {StartOutcome::Started, Status::Ok()};
}

}  // namespace qvx
