#include <gtest/gtest.h>

#include <climits>

#include "DayTestSupport.h"
#include "OfficeView.h"

namespace qvx {
namespace {

using test::DayWorld;

struct MoneyCheatCase {
    const char* name;
    int32_t phase;
    int32_t money, afterDay;
    bool journalFull;
    OfficeOutcome outcome;
    int32_t moneyThen, afterDayThen;
};

struct OfficeMoneyCheat : ::testing::TestWithParam<MoneyCheatCase> {};

TEST_P(OfficeMoneyCheat, LastsThroughMidnightOnlyWhenBooked) {
    const MoneyCheatCase& c = GetParam();
    DayWorld w;
    w.OpenChannel(1, true, c.money);
    w.gs.GameInfo[Info::kPhase] = c.phase;
    w.gs.Channel[1][Ch::kMoneyAfterDay] = c.afterDay;
    if (c.journalFull)
        for (int i = 1; i <= kJournalEntries; ++i)
            w.gs.ActionJournal[1][i] = {JournalKind::SellMovie, 0, 0};
    EXPECT_EQ(CheatMoneyInOffice(w.gs, 10000), c.outcome);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoney], c.moneyThen);
    EXPECT_EQ(w.gs.Channel[1][Ch::kMoneyAfterDay], c.afterDayThen);
}

INSTANTIATE_TEST_SUITE_P(
    Office, OfficeMoneyCheat,
    ::testing::Values(
        // The planning phase's after-day field is last night's and is never read again.
        MoneyCheatCase{"Planning", Info::kPhasePlanning, 100, 500, false, OfficeOutcome::Done,
                       10100, 500},
        MoneyCheatCase{"Playback", Info::kPhaseBroadcasting, 100, 500, false, OfficeOutcome::Done,
                       10100, 10500},
        MoneyCheatCase{"PlaybackSaturates", Info::kPhaseBroadcasting, 100, INT32_MAX - 5, false,
                       OfficeOutcome::Done, 10100, INT32_MAX},
        MoneyCheatCase{"JournalFull", Info::kPhaseBroadcasting, 100, 500, true,
                       OfficeOutcome::JournalFull, 100, 500}),
    test::CaseName{});

}  // namespace
}  // namespace qvx
