#include "TurnCycle.h"

#include <algorithm>

#include "Boosters.h"
#include "Competitor.h"
#include "Formatting.h"
#include "Licences.h"
#include "Markets.h"
#include "Popularity.h"
#include "Ranking.h"
#include "Scenarios.h"
#include "Shares.h"
#include "SimulateDay.h"
#include "TurnHistory.h"

namespace qvx {

namespace {

void Subtract(GameState& gs, int c, int64_t amount) {
    int32_t& money = gs.Channel[c][Ch::kMoney];
    money = AddSaturated(money, -amount);
}

// Income booked while the player planned becomes last turn's figures.
void CarryIncomeOver(GameState& gs) {
    for (int c = 1; c <= kChannels; ++c) {
        for (int f = Acc::kAdIncome; f <= Acc::kSharePurchaseCost; ++f) {
            gs.ChannelAccounts[c][f] = 0;
            if (gs.Channel[c][Ch::kHuman] == 1) {
                gs.ChannelAccounts[c][f] = gs.ChannelPendingIncome[c][f];
                gs.ChannelPendingIncome[c][f] = 0;
            }
        }
    }
}

void RunCompetitors(GameState& gs, const Catalogue& cat, Rng& rng) {
    for (int c = 1; c <= kChannels; ++c) {
        if (IsEligibleForCompetitorTurn(gs, c)) PlanCompetitorProgramme(gs, cat, rng, c);
    }
    for (int c = 1; c <= kChannels; ++c) {
        if (IsEligibleForCompetitorTurn(gs, c)) DecideCompetitorLicence(gs, cat, rng, c);
    }
    for (int c = 1; c <= kChannels; ++c) {
        if (IsEligibleForCompetitorTurn(gs, c)) DecideCompetitorStock(gs, rng, c);
    }
}

void BookMonthlyCosts(GameState& gs) {
    for (int c = 1; c <= kChannels; ++c) {
        if (!InBusiness(gs, c)) continue;
        const Record& acc = gs.ChannelAccounts[c];
        if (acc[Acc::kBonds] > 0) {
            const int64_t yearly = int64_t{acc[Acc::kBonds]} * acc[Acc::kBondInterestRate] / 100;
            Subtract(gs, c, yearly / 12);
            AddLogLine(gs, c,
                       "* $ " + FormatAmount(yearly / 12) +
                           " millions monthly interest rate for bonds paid.");
        }
    }
    for (int c = 1; c <= kChannels; ++c) {
        if (!InBusiness(gs, c)) continue;
        for (int r = 1; r <= kRegions; ++r) {
            if (!HoldsLicence(gs, r, c)) continue;
            const int32_t cost = gs.Regions[r][Reg::kRegionMonthlyCost];
            Subtract(gs, c, cost);
            AddLogLine(gs, c,
                       "* $ " + FormatAmount(cost) + " millions monthly TV station costs for " +
                           gs.RegionNames[r] + " paid.");
        }
    }
}

void EnforceAdDeadlines(GameState& gs, const Catalogue& cat) {
    for (int c = 1; c <= kChannels; ++c) {
        if (!InBusiness(gs, c)) continue;
        for (int p = 1; p <= kAcceptedAdPositions; ++p) {
            const int32_t id = gs.AcceptedAds[c][p];
            if (!ValidAd(id) || gs.AdPool[c][id][Ad::kOpen] <= 0 || gs.AdDaysLeft[c][id] <= 0)
                continue;
            if (--gs.AdDaysLeft[c][id] >= 1) continue;
            AddLogLine(gs, c,
                       "* Ad spot \"" + cat.AdNames[id] +
                           "\" has not been completed in time and is canceled.");
            gs.AdPool[c][id][Ad::kOpen] = 0;
            gs.AcceptedAds[c][p] = 0;
        }
    }
}

// A computer company three turns in debt quits; the player only ever quits by choice.
void RemoveBankruptCompetitors(GameState& gs) {
    for (int c = 1; c <= kChannels; ++c) {
        int32_t& daysInDebt = gs.ChannelAccounts[c][Acc::kDaysInDebt];
        const Record& ch = gs.Channel[c];
        if (!(InBusiness(gs, c) && ch[Ch::kHuman] == 0 && ch[Ch::kMoney] < 0)) {
            daysInDebt = 0;
            continue;
        }
        daysInDebt = AddSaturated(daysInDebt, 1);
        if (daysInDebt > 2) {
            AddLogLine(gs, c, gs.ChannelNames[c] + " declares bankruptcy and quits business.");
            gs.Channel[c][Ch::kActive] = 0;
        }
    }
}

void CheckEndOfGame(GameState& gs, const Catalogue& cat, TurnOutcome& outcome) {
    if (gs.GameInfo[Info::kTurn] < TurnLimit(gs)) return;
    gs.GameInfo[Info::kGameOver] = 1;
    gs.GameInfo[Info::kAutoPlayDays] = 0;
    outcome.final = FinalRanking(gs, cat);
}

void NextDayOrHoldBack(GameState& gs, const Catalogue& cat) {
    if (gs.GameInfo[Info::kAutoPlayDays] > 0) {
        gs.GameInfo[Info::kTurn] += 1;
        gs.GameInfo[Info::kWeekday] = gs.GameInfo[Info::kWeekday] % 7 + 1;
        // A day played on its own skips the planning phase but is a turn of the history all
        // the same, so the charts keep one point per turn.
        RecordTurnHistory(gs, cat);
        return;
    }
    // The playback counts money and spots up from their morning values; the day's results wait
    // in the money-after-day field and the shadow counters.
    for (int c = 1; c <= kChannels; ++c) {
        gs.Channel[c][Ch::kMoney] = gs.Channel[c][Ch::kMoneyBeforeDay];
        std::swap(gs.AdSpotsDone[c], gs.AdSpotsShadow[c]);
    }
}

void CountDownShutdowns(GameState& gs) {
    for (int c = 1; c <= kChannels; ++c) {
        Record& ch = gs.Channel[c];
        ch[Ch::kDisabledTurns] = CountedDown(ch[Ch::kDisabledTurns]);
        if (ch[Ch::kPendingDisabledTurns] > 0) {
            ch[Ch::kDisabledTurns] =
                AddSaturated(ch[Ch::kDisabledTurns], ch[Ch::kPendingDisabledTurns]);
            ch[Ch::kPendingDisabledTurns] = 0;
        }
    }
}

void PlayOneDay(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng,
                TurnOutcome& outcome) {
    PrepareBroadcastDay(gs, cat, boosters, rng);
    SimulateDay(gs, cat, boosters);
    UpdatePopularity(gs, rng);
    UpdateSharePrices(gs, rng);
    gs.GameInfo[Info::kPhase] = Info::kPhaseBroadcasting;
    BookMonthlyCosts(gs);
    EnforceAdDeadlines(gs, cat);
    RemoveBankruptCompetitors(gs);
    CheckEndOfGame(gs, cat, outcome);
    for (int c = 1; c <= kChannels; ++c)
        gs.Channel[c][Ch::kMoneyAfterDay] = gs.Channel[c][Ch::kMoney];
    NextDayOrHoldBack(gs, cat);
    CountDownShutdowns(gs);
}

}  // namespace

void PrepareBroadcastDay(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng) {
    int32_t& autoDays = gs.GameInfo[Info::kAutoPlayDays];
    autoDays = CountedDown(autoDays);
    CarryIncomeOver(gs);
    gs.AdSpotsShadow = gs.AdSpotsDone;
    RefreshAdPool(gs, cat, boosters, rng);
    RefreshAdOffers(gs, rng, 1);
    RefreshMovieOffers(gs, cat, rng);
    RefreshNewsOffers(gs, cat, rng);
    ApplyMob(gs, boosters, rng);
    RunCompetitors(gs, cat, rng);
    WipeDisabledProgrammes(gs);
    for (int c = 1; c <= kChannels; ++c)
        gs.Channel[c][Ch::kMoneyBeforeDay] = gs.Channel[c][Ch::kMoney];
}

void WipeDisabledProgrammes(GameState& gs) {
    for (int c = 1; c <= kChannels; ++c) {
        if (!InBusiness(gs, c) || gs.Channel[c][Ch::kDisabledTurns] <= 0) continue;
        for (int s = 1; s <= kSlots; ++s) {
            gs.Programme[c][s][Slot::kProgramme] = 0;
            gs.Programme[c][s][Slot::kAd] = 0;
        }
    }
}

void ApplyMob(GameState& gs, const Boosters& boosters, Rng& rng) {
    for (int c = 1; c <= kChannels; ++c) {
        if (!InBusiness(gs, c) || CardsOf(gs, boosters, c, Card::kMob) == 0) continue;
        const int64_t income = int64_t{gs.ChannelAccounts[c][Acc::kAdIncome]} +
                               gs.ChannelAccounts[c][Acc::kShareSaleIncome];
        const int64_t levy = income / 20;
        Subtract(gs, c, levy);
        AddLogLine(gs, c,
                   "You have to pay the mob 5% of your last game days income, which is: " +
                       FormatAmount(levy) + "$.");
        if (rng.Random(100) > 25) continue;
        const int victim = rng.Random(4);
        if (victim == 0 || victim == c) continue;
        int32_t& disabled = gs.Channel[victim][Ch::kDisabledTurns];
        disabled = AddSaturated(disabled, 2);
        AddLogLine(gs, c,
                   "The mob disables your competitor " + gs.ChannelNames[victim] +
                       " for this and the upcoming turn.");
    }
}

int32_t TurnLimit(const GameState& gs) {
    const int32_t kind = gs.GameInfo[Info::kScenarioKind];
    if (kind == Kind::kCustom) return std::min(gs.GameInfo[Info::kCustomTurns], 241);
    return ScenarioTurns(kind, 0);
}

TurnOutcome TurnCycle(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng) {
    gs.CurrentGame = 1;
    TurnOutcome outcome;
    do {
        PlayOneDay(gs, cat, boosters, rng, outcome);
    } while (gs.GameInfo[Info::kAutoPlayDays] > 0);
    gs.GameInfo[Info::kPhase] = Info::kPhaseBroadcasting;
    gs.ClockMinute = 0;
    gs.ClockHour = 2;
    gs.EndTurnBusy = false;
    return outcome;
}

TurnOutcome EndTurn(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng) {
    // The cycle has already set the broadcasting phase and the 02:00 pm clock.
    TurnOutcome outcome = TurnCycle(gs, cat, boosters, rng);
    gs.ViewedChannel = gs.PlayerChannel;
    return outcome;
}

}  // namespace qvx
