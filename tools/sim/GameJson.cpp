#include "GameJson.h"

#include "Json.h"
#include "SaveGame.h"
#include "Scenarios.h"

namespace qvx::sim {

namespace {

template <class T, size_t N>
void LogLines(json::Writer& w, const std::array<T, N>& log) {
    size_t last = 0;
    for (size_t i = 1; i < N; ++i) {
        if (!log[i].empty()) last = i;
    }
    w.BeginArray();
    for (size_t i = 0; i <= last; ++i)
        w.Value(log[i]);
    w.EndArray();
}

}  // namespace

std::string DumpJson(const GameState& gs, int slot) {
    json::Writer w;
    w.BeginObject();
    w.Key("slot").Value(slot);
    w.Key("PlayerChannel").Value(gs.PlayerChannel);
    if (slot == kRunningGameSlot) w.Key("RunningGameFlag").Value(gs.RunningGameFlag);
    w.Key("GameInfo").Value(gs.GameInfo);
    w.Key("GameAccounts").Value(gs.ChannelAccounts[0]);
    w.Key("ChannelNames").Value(gs.ChannelNames);
    w.Key("Channel").Value(gs.Channel);
    w.Key("ChannelAccounts").Value(gs.ChannelAccounts);
    w.Key("ChannelPendingIncome").Value(gs.ChannelPendingIncome);
    w.Key("RegionNames").Value(gs.RegionNames);
    w.Key("RegionDescriptions").Value(gs.RegionDescriptions);
    w.Key("RegionCodes").Value(gs.RegionCodes);
    w.Key("Regions").Value(gs.Regions);
    w.Key("Licences").Value(gs.Licences);
    w.Key("Popularity").Value(gs.Popularity);
    w.Key("Programme").Value(gs.Programme);
    w.Key("ShopOffers").Value(gs.ShopOffers);
    w.Key("MovieArchive").Value(gs.MovieArchive);
    w.Key("MovieMarketAux").Value(gs.MovieMarketAux);
    w.Key("EpisodesShown").Value(gs.EpisodesShown);
    w.Key("AdPool").Value(gs.AdPool);
    w.Key("AcceptedAds").Value(gs.AcceptedAds);
    w.Key("AdSpotsDone").Value(gs.AdSpotsDone);
    w.Key("AdSpotsShadow").Value(gs.AdSpotsShadow);
    w.Key("AdDaysLeft").Value(gs.AdDaysLeft);
    w.Key("AdOffers").Value(gs.AdOffers);
    w.Key("NewsOffersA").Value(gs.NewsOffersA);
    w.Key("NewsOffersB").Value(gs.NewsOffersB);
    w.Key("NewsShow").Value(gs.NewsShow);
    // Only up to each channel's last used line: the rest are empty.
    w.Key("GameLog").BeginArray();
    for (const auto& log : gs.GameLog)
        LogLines(w, log);
    w.EndArray();
    w.EndObject();
    return w.Text();
}

std::string StandingsJson(const GameState& gs, const DayLogs* day, uint64_t seed) {
    const int32_t kind = gs.GameInfo[Info::kScenarioKind];
    const int32_t map = gs.GameInfo[Info::kMap];
    json::Writer w;
    w.BeginObject();
    w.Key("seed").Value(std::to_string(seed));
    w.Key("scenario").Value(ScenarioTitle(ScenarioIndex(kind, map)));
    w.Key("turn").Value(gs.GameInfo[Info::kTurn]);
    w.Key("turns").Value(gs.GameInfo[Info::kTurnCount]);
    w.Key("phase").Value(gs.GameInfo[Info::kPhase] == Info::kPhasePlanning ? "planning"
                                                                           : "broadcasting");
    w.Key("gameOver").Bool(gs.GameInfo[Info::kGameOver] == 1);
    w.Key("playerChannel").Value(gs.PlayerChannel);
    w.Key("channels").BeginArray();
    for (int c = 1; c <= kChannels; ++c) {
        w.BeginObject();
        w.Key("channel").Value(c);
        w.Key("name").Value(gs.ChannelNames[c]);
        w.Key("human").Bool(gs.Channel[c][Ch::kHuman] == 1);
        w.Key("inBusiness").Bool(gs.Channel[c][Ch::kActive] > 0);
        w.Key("money").Value(gs.Channel[c][Ch::kMoney]);
        w.Key("sharePrice").Value(gs.ChannelAccounts[c][Acc::kSharePrice]);
        int32_t licences = 0;
        for (int r = 1; r <= kRegions; ++r)
            licences += gs.Licences[r][c] == 1;
        w.Key("licences").Value(licences);
        w.EndObject();
    }
    w.EndArray();
    if (day != nullptr) {
        w.Key("dayLog").BeginArray();
        for (const std::string& line : day->lines[gs.PlayerChannel])
            w.Value(line);
        w.EndArray();
    }
    w.EndObject();
    return w.Text();
}

}  // namespace qvx::sim
