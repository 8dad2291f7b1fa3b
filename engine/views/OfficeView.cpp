#include "OfficeView.h"

#include "Formatting.h"
#include "Office.h"
#include "Scenarios.h"

namespace qvx {

namespace {

constexpr const char* kColourTexts[kChannels] = {"Red channel", "Yellow channel", "Green channel",
                                                 "Blue channel"};

std::string TwoDigits(int32_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

int32_t LogoNumber(int32_t logo) {
    return logo >= 1 && logo <= kLogoCount ? logo : 1;
}

}  // namespace

const char* MainButtonCaption(int button) {
    return button >= 1 && button <= kMainButtonCount ? OfficeText::kMainButtons[button - 1] : "";
}

const char* LockedButtonText(int button) {
    switch (button) {
        case 1:
            return OfficeText::kLockedProgrammeTable;
        case 2:
            return OfficeText::kLockedMovies;
        case 3:
            return OfficeText::kLockedAds;
        case 4:
            return OfficeText::kLockedNews;
        case 6:
        case 7:
        case 8:
        case 9:
            return OfficeText::kLockedScreen;
        default:
            return nullptr;
    }
}

std::string AutoPlayText(int32_t days) {
    return "After you close this screen the next " + std::to_string(days) +
           " game days will be solved automatically.";
}

std::string ClockText(int32_t hour, int32_t minute) {
    return TwoDigits(hour) + ":" + TwoDigits(minute);
}

const char* ClockSuffix(int32_t phase, int32_t hour) {
    return phase == Info::kPhasePlanning && hour >= 4 ? "am" : "pm";
}

std::string SmallLogoPicture(int32_t logo) {
    return "QVX2_complogo" + std::to_string(LogoNumber(logo)) + "_sm.jpg";
}

std::string GreyLogoPicture(int32_t logo) {
    return "QVX2_complogo" + std::to_string(LogoNumber(logo)) + "_sm_g.jpg";
}

std::string MediumLogoPicture(int32_t logo, bool grey) {
    return "QVX2_complogo" + std::to_string(LogoNumber(logo)) + (grey ? "_md_g.jpg" : "_md.jpg");
}

const char* ChannelColourText(int32_t logo) {
    return kColourTexts[LogoChannel(logo) - 1];
}

MoneyPanel BuildMoneyPanel(const GameState& gs, int viewed) {
    MoneyPanel panel;
    if (!ValidChannel(viewed)) {
        // The TV is off: no channel to name, and no BANKRUPT left over from the last one.
        panel.money = " ";
    } else {
        const Record& ch = gs.Channel[viewed];
        panel.logoVisible = true;
        panel.logoPicture = SmallLogoPicture(ch[Ch::kLogo]);
        panel.channelText = ChannelColourText(ch[Ch::kLogo]);
        if (!InBusiness(gs, viewed)) {
            panel.bankrupt = true;
            panel.money = "$ 0 millions";
            panel.viewers = "0 millions";
            panel.adRequirement = "0 millions";
            panel.appeal = "0 %";
        } else {
            panel.money = "$ " + FormatAmount(ch[Ch::kMoney]) + " millions";
        }
    }
    panel.dateLine = DateLine(gs.GameInfo[Info::kTurn]);
    panel.clock = ClockText(gs.ClockHour, gs.ClockMinute);
    panel.clockSuffix = ClockSuffix(gs.GameInfo[Info::kPhase], gs.ClockHour);
    return panel;
}

std::vector<Contact> FillContacts(const GameState& gs) {
    std::vector<Contact> contacts;
    contacts.push_back({ContactKind::StockBroker, 0, OfficeText::kStockBroker});
    for (const int c : BoardContacts(gs))
        contacts.push_back({ContactKind::BoardOfDirectors, c, gs.ChannelNames[c]});
    contacts.push_back({ContactKind::Liquidator, 0, OfficeText::kLiquidator});
    return contacts;
}

TurnWarning EndTurnWarning(const GameState& gs) {
    const int p = gs.PlayerChannel;
    if (!ValidChannel(p)) return TurnWarning::None;
    bool newsSpot = false;
    bool emptyAd = false;
    for (int s = 1; s <= kSlots; ++s) {
        newsSpot = newsSpot || gs.Programme[p][s][Slot::kProgramme] == Slot::kNewsShow;
        emptyAd = emptyAd || gs.Programme[p][s][Slot::kAd] <= 0;
    }
    bool allNews = true;
    for (int i = 1; i <= kNewsShowPositions; ++i)
        allNews = allNews && gs.NewsShow[p][i] > 0;
    if (newsSpot && !allNews) return TurnWarning::NoNews;
    if (emptyAd) return TurnWarning::NoAds;
    return TurnWarning::None;
}

OfficeOutcome CheatMoneyInOffice(GameState& gs, int32_t amount) {
    const OfficeOutcome outcome = CheatMoney(gs, amount);
    if (outcome == OfficeOutcome::Done && gs.GameInfo[Info::kPhase] == Info::kPhaseBroadcasting) {
        int32_t& result = gs.Channel[gs.PlayerChannel][Ch::kMoneyAfterDay];
        result = AddSaturated(result, amount);
    }
    return outcome;
}

}  // namespace qvx
