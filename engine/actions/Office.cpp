#include "Office.h"

#include <algorithm>

#include "Formatting.h"
#include "Licences.h"

namespace qvx {

namespace {

void BarFromHighscores(GameState& gs) {
    gs.ChannelAccounts[0][Acc::kNoHighscore] = 1;
}

}  // namespace

void OpenOffice(GameState& gs) {
    WatchOwnChannel(gs);
    gs.EndTurnBusy = false;
}

void ConfirmEndTurn(GameState& gs) {
    gs.EndTurnBusy = true;
}

bool WatchChannel(GameState& gs, int channel) {
    if (gs.GameInfo[Info::kPhase] != Info::kPhaseBroadcasting || !ValidChannel(channel))
        return false;
    gs.ViewedChannel = gs.ViewedChannel == channel ? 0 : channel;
    return true;
}

void SwitchOffTv(GameState& gs) {
    gs.ViewedChannel = 0;
}

void WatchOwnChannel(GameState& gs) {
    gs.ViewedChannel = gs.PlayerChannel;
}

OfficeOutcome CheatMoney(GameState& gs, int32_t amount) {
    const JournalKind kind = amount == 100000  ? JournalKind::CheatMoney100k
                             : amount == 10000 ? JournalKind::CheatMoney10k
                                               : JournalKind::Free;
    const int p = gs.PlayerChannel;
    if (kind == JournalKind::Free || !ValidChannel(p)) return OfficeOutcome::NotAllowed;
    if (!RecordAction(gs, p, kind, 0, 0)) return OfficeOutcome::JournalFull;
    Credit(gs, p, amount);
    BarFromHighscores(gs);
    return OfficeOutcome::Done;
}

OfficeOutcome CheatPopularity(GameState& gs, int32_t group) {
    const int p = gs.PlayerChannel;
    if (group < 0 || group > kAudienceGroups || !ValidChannel(p)) return OfficeOutcome::NotAllowed;
    if (!RecordAction(gs, p, JournalKind::CheatPopularity, group, 10))
        return OfficeOutcome::JournalFull;
    for (int r = 1; r <= kRegions; ++r) {
        if (!RegionExists(gs, r) || !HoldsLicence(gs, r, p)) continue;
        for (int g = 1; g <= kAudienceGroups; ++g) {
            if (group != 0 && group != g) continue;
            int32_t& popularity = gs.Popularity[r][p][Pop::kGroupFirst + g - 1];
            popularity = std::min(100, std::clamp(popularity, 0, 100) + 10);
        }
    }
    BarFromHighscores(gs);
    return OfficeOutcome::Done;
}

std::vector<int> BoardContacts(const GameState& gs) {
    std::vector<int> contacts;
    const int p = gs.PlayerChannel;
    if (!ValidChannel(p)) return contacts;
    for (int i = 1; i <= kChannels; ++i) {
        if (i == p || !InBusiness(gs, i)) continue;
        const int64_t issued = std::max(gs.ChannelAccounts[i][Acc::kSharesIssued], 1);
        const int64_t held = gs.ChannelAccounts[p][Acc::kShareHoldings + i - 1];
        if (held * 100 / issued > 29) contacts.push_back(i);
    }
    return contacts;
}

std::string BoardQuestion(const GameState& gs, int target) {
    return "Do you wish to ask the board of directors for an investigation committee taking out " +
           gs.ChannelNames[target] + " for the next game day?";
}

std::string BoardCallText(const GameState& gs, int target) {
    return "You call the board of directors of " + gs.ChannelNames[target] +
           " and ask them for an investigation committee. This company will not be able to take "
           "any actions or broadcast on the next day (game turn).";
}

OfficeOutcome CallBoardOfDirectors(GameState& gs, int target) {
    const std::vector<int> contacts = BoardContacts(gs);
    if (std::find(contacts.begin(), contacts.end(), target) == contacts.end())
        return OfficeOutcome::NotAllowed;
    AddLogLine(gs, gs.PlayerChannel, "* " + BoardCallText(gs, target));
    int32_t& pending = gs.Channel[target][Ch::kPendingDisabledTurns];
    pending = AddSaturated(pending, 1);
    return OfficeOutcome::Done;
}

Bankruptcy DeclareBankruptcy(GameState& gs, const Catalogue& cat) {
    Bankruptcy result;
    const int p = gs.PlayerChannel;
    if (!ValidChannel(p) || !InBusiness(gs, p)) return result;
    if (!RecordAction(gs, p, JournalKind::DeclareBankruptcy, 0, 0)) {
        result.outcome = OfficeOutcome::JournalFull;
        return result;
    }
    gs.Channel[p][Ch::kActive] = 0;
    gs.GameInfo[Info::kGameOver] = 1;
    gs.GameInfo[Info::kAutoPlayDays] = 0;
    gs.EndTurnBusy = true;
    AddLogLine(gs, p, "* " + gs.ChannelNames[p] + " declares bankruptcy and ceases business.");
    result.final = FinalRanking(gs, cat);
    result.outcome = OfficeOutcome::Done;
    return result;
}

std::string BankruptcyText(const GameState& gs) {
    return "You declare bankruptcy. Soon it is in the news and everyone speaks about the great "
           "failure of " +
           gs.ChannelNames[gs.PlayerChannel] + ".";
}

void StartAutoPlay(GameState& gs, int32_t days) {
    gs.GameInfo[Info::kAutoPlayDays] = days;
    gs.EndTurnBusy = true;
}

std::string DateLine(int32_t turn) {
    static constexpr const char* kMonths[13] = {"",
                                                "A monday in January",
                                                "It\xC2\xB4s a tuesday in February",
                                                "Wednesday in March",
                                                "Any thursday in April",
                                                "A sunny friday in May",
                                                "It\xC2\xB4s saturday June",
                                                "Sunday, July ",
                                                "Any monday in August",
                                                "A tuesday in September",
                                                "Wednesday in October",
                                                "Thursday, November",
                                                "Christmas Day"};
    int64_t month = int64_t{turn} + 1;
    int64_t year = 2010;
    for (int pass = 0; pass < 1000 && month > 12; ++pass) {
        month -= 12;
        year += 1;
    }
    // Past a thousand years the month stays out of range; show the last month rather than fail.
    const auto index = static_cast<size_t>(std::clamp<int64_t>(month, 1, 12));
    return std::string(kMonths[index]) + " " + std::to_string(year);
}

}  // namespace qvx
