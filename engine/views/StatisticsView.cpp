#include "StatisticsView.h"

#include "Formatting.h"
#include "Licences.h"
#include "OfficeView.h"
#include "Shares.h"

namespace qvx {

namespace {

std::string Millions(int64_t amount) {
    return "$ " + FormatAmount(amount) + " millions";
}

template <size_t N>
void WriteTexts(const std::array<int64_t, N>& amounts, std::array<std::string, N>& texts) {
    for (size_t i = 0; i < N; ++i)
        texts[i] = Millions(amounts[i]);
}

bool HoldsOnMap(const GameState& gs, int r, int c) {
    return RegionExists(gs, r) && HoldsLicence(gs, r, c);
}

}  // namespace

StatisticsHeader BuildStatisticsHeader(const GameState& gs, int c) {
    StatisticsHeader header;
    if (!ValidChannel(c)) return header;
    header.name = gs.ChannelNames[c];
    const int32_t logo = gs.Channel[c][Ch::kLogo];
    header.bankrupt = !InBusiness(gs, c);
    header.logoPicture = header.bankrupt ? GreyLogoPicture(logo) : SmallLogoPicture(logo);
    header.funds = Millions(header.bankrupt ? 0 : gs.Channel[c][Ch::kMoney]);
    // Counted like the sheet's licence line: a licence off the game's map is no station.
    int licences = 0;
    for (int r = 1; r <= kRegions; ++r)
        licences += HoldsOnMap(gs, r, c) ? 1 : 0;
    header.licences = std::to_string(licences);
    return header;
}

BalanceSheet BuildBalanceSheet(const GameState& gs, const Catalogue& cat, int c) {
    BalanceSheet sheet;
    if (ValidChannel(c) && InBusiness(gs, c)) {
        const Record& acc = gs.ChannelAccounts[c];
        auto& a = sheet.amounts;
        a[0] = gs.Channel[c][Ch::kMoney];
        a[1] = int64_t{Holding(gs, c, c)} * acc[Acc::kSharePrice];
        // Every holding counts here, however small: the sheet lists what the company owns.
        for (int t = 1; t <= kChannels; ++t) {
            if (t == c) continue;
            const Record& other = gs.ChannelAccounts[t];
            a[2] += HoldingValue(Holding(gs, c, t), other[Acc::kSharesIssued],
                                 other[Acc::kSharePrice], other[Acc::kSellPremium]);
        }
        a[3] = gs.Channel[c][Ch::kTvEquipment];
        for (int r = 1; r <= kRegions; ++r)
            if (HoldsOnMap(gs, r, c)) a[4] += gs.Regions[r][Reg::kRegionLicencePrice] / 2;
        for (int pos = 1; pos <= kArchivePositions; ++pos) {
            const int32_t id = gs.MovieArchive[c][pos];
            if (ValidMovie(id)) a[5] += cat.MovieCatalogue[id][Movie::kPrice];
        }
        a[6] = acc[Acc::kBonds];
        a[7] = acc[Acc::kStockholdersEquity];
        a[8] = a[0] + a[1] + a[2] + a[3] + a[4] + a[5] - a[6] - a[7];
    }
    WriteTexts(sheet.amounts, sheet.texts);
    return sheet;
}

IncomeStatement BuildIncomeStatement(const GameState& gs, int c) {
    IncomeStatement statement;
    // Before the first turn has been played no month's interest or station rent was paid, so
    // those lines read 0 and the net revenue is the sum of the lines as shown.
    if (ValidChannel(c) && InBusiness(gs, c) && gs.GameInfo[Info::kTurn] > 1) {
        const Record& acc = gs.ChannelAccounts[c];
        auto& a = statement.amounts;
        a[0] = acc[Acc::kAdIncome];
        a[1] = acc[Acc::kShareSaleIncome];
        // The yearly rate is multiplied in before the one division for the month.
        a[2] = int64_t{acc[Acc::kBonds]} * acc[Acc::kBondInterestRate] / 1200;
        a[3] = acc[Acc::kLicenceCost];
        for (int r = 1; r <= kRegions; ++r)
            if (HoldsOnMap(gs, r, c)) a[4] += gs.Regions[r][Reg::kRegionMonthlyCost];
        a[5] = acc[Acc::kMovieCost];
        a[6] = acc[Acc::kSharePurchaseCost];
        a[7] = a[0] + a[1] - a[2] - a[3] - a[4] - a[5] - a[6];
    }
    WriteTexts(statement.amounts, statement.texts);
    return statement;
}

}  // namespace qvx
