#include "DaySummary.h"

#include "Formatting.h"
#include "Licences.h"
#include "OfficeView.h"
#include "TurnCycle.h"

namespace qvx {

namespace {

bool IsFreeLine(const std::string& line) {
    return line.empty() || line == " ";
}

std::string Millions(int64_t amount) {
    return "$ " + FormatAmount(amount) + " millions";
}

}  // namespace

std::vector<std::string> LogLines(const GameState& gs, int c) {
    std::vector<std::string> lines;
    if (!ValidChannel(c)) return lines;
    for (int line = 1; line <= kLogLines; ++line) {
        if (!IsFreeLine(gs.GameLog[c][line])) lines.push_back(gs.GameLog[c][line]);
    }
    return lines;
}

int64_t NetRevenue(const GameState& gs, int c) {
    if (!ValidChannel(c)) return 0;
    const Record& acc = gs.ChannelAccounts[c];
    // The yearly rate is multiplied in before the one division for the month, in 64 bits.
    const int64_t interest = int64_t{acc[Acc::kBonds]} * acc[Acc::kBondInterestRate] / 1200;
    int64_t stations = 0;
    for (int r = 1; r <= kRegions; ++r) {
        if (RegionExists(gs, r) && HoldsLicence(gs, r, c))
            stations += gs.Regions[r][Reg::kRegionMonthlyCost];
    }
    return int64_t{acc[Acc::kAdIncome]} + acc[Acc::kShareSaleIncome] - interest -
           acc[Acc::kLicenceCost] - stations - acc[Acc::kMovieCost] - acc[Acc::kSharePurchaseCost];
}

DaySummary BuildDaySummary(const GameState& gs, int c, std::span<const std::string> logLines) {
    DaySummary summary;
    if (!ValidChannel(c)) return summary;
    summary.title = "Summary - Day " + std::to_string(int64_t{gs.GameInfo[Info::kTurn]} - 1) + "/" +
                    std::to_string(TurnLimit(gs));
    summary.infoTitle = gs.ChannelNames[c] + " - Info";
    summary.logTitle = gs.ChannelNames[c] + " - Game log";
    const int32_t logo = gs.Channel[c][Ch::kLogo];
    if (!InBusiness(gs, c)) {
        summary.bankrupt = true;
        summary.logoPicture = MediumLogoPicture(logo, true);
        summary.funds = summary.netRevenue = Millions(0);
        summary.log = {kBankruptLogLine};
        return summary;
    }
    summary.logoPicture = MediumLogoPicture(logo, false);
    summary.funds = Millions(gs.Channel[c][Ch::kMoney]);
    summary.netRevenue = Millions(NetRevenue(gs, c));
    for (const std::string& line : logLines) {
        if (!IsFreeLine(line)) summary.log.push_back(line);
    }
    return summary;
}

DaySummary BuildDaySummary(const GameState& gs, int c) {
    const std::vector<std::string> lines = LogLines(gs, c);
    return BuildDaySummary(gs, c, lines);
}

void ClearGameLogs(GameState& gs) {
    for (int c = 1; c <= kChannels; ++c) {
        for (int line = 1; line <= kLogLines; ++line)
            gs.GameLog[c][line].clear();
    }
}

}  // namespace qvx
