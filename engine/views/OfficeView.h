#pragma once
// What the office shows outside the TV: the clock, the money panel of the viewed channel, the
// phone's contacts, the question End turn asks in the planning phase, and every caption and
// dialog text of the office, so that the screen and its tests share one copy of each.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Dialog.h"
#include "GameState.h"
#include "Office.h"

namespace qvx {

constexpr int kMainButtonCount = 10;

namespace OfficeText {
// The ten main buttons, Button1_Pressed .. Button10_Pressed.
inline constexpr const char* kMainButtons[kMainButtonCount] = {
    "TV program table", "Movie agency", "Advertisement agency",  "News agency",
    "End turn",         "Statistics",   "Broadcasting licenses", "Phone",
    "Save/Load",        "Exit game"};

inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";

inline constexpr const char* kEndTurnTitle = "End turn?";
inline constexpr const char* kEndTurnText = "Do you really wish to end this turn?";
inline constexpr const char* kNoNewsTitle = "No news?";
inline constexpr const char* kNoNewsText =
    "You have a news spot in your TV programme, but you did not specify which news to "
    "broadcast. Do you really want to broadcast an empty news spot?";
inline constexpr const char* kNoAdsTitle = "No ads?";
inline constexpr const char* kNoAdsText =
    "You have not filled all possible advertising spots in your TV program table. You need to "
    "fulfill ad contracts to make money. Continue anyway?";

// The main buttons that are locked while the day is played back.
inline constexpr const char* kLockedProgrammeTable =
    "You cannot access the TV program table screen during the broadcasting. To end this "
    "broadcasting phase click on \"End turn\" again.";
inline constexpr const char* kLockedMovies =
    "You cannot buy new movies during the broadcasting. To end this broadcasting phase click on "
    "\"End turn\" again.";
inline constexpr const char* kLockedAds =
    "You cannot acquire new ads during the broadcasting. To end this broadcasting phase click "
    "on \"End turn\" again.";
inline constexpr const char* kLockedNews =
    "You cannot mix news during the broadcasting. To end this broadcasting phase click on \"End "
    "turn\" again.";
inline constexpr const char* kLockedScreen =
    "You cannot access this screen during broadcasting. To end this broadcasting phase click on "
    "\"End turn\" again.";

// The playback controls explain themselves in the planning phase.
inline constexpr const char* kWatchButtonText =
    "During broadcasting you can use this button to select a different TV channel to watch.";
inline constexpr const char* kPlayButtonText =
    "During broadcasting this button will make the broadcasting continue. Keeping the button "
    "pressed, will make the time pass even faster (fast forward).";
inline constexpr const char* kWatchBlindLabels[kChannels] = {
    "Switch to Red channel", "Switch to Yellow channel", "Switch to Green channel",
    "Switch to Blue channel"};

inline constexpr const char* kExitTitle = "Back to main menu?";
inline constexpr const char* kExitText = "Do you really wish to go back to the main menu?";

// The phone.
inline constexpr const char* kStockBroker = "Stock broker";
inline constexpr const char* kLiquidator = "Liquidator";
inline constexpr const char* kPhoneClose = "Close";
inline constexpr const char* kPhoneCall = "Call";
inline constexpr const char* kBoardTitle = "Board of directors";  // BoardQuestion, BoardCallText
inline constexpr const char* kDeclareBankruptcyTitle = "Declare bankruptcy?";
inline constexpr const char* kDeclareBankruptcyText =
    "Do you really wish to declare bankruptcy and end the game? Of course your liquidator will "
    "be happy to assist you...";
inline constexpr const char* kBankruptcyTitle = "Bankcruptcy";  // sic; text: BankruptcyText

// The cheat panel.
inline constexpr const char* kCheatPanelTitle = "Cheats";
inline constexpr const char* kCheatMoney10k = "+ $ 10.000 millions";
inline constexpr const char* kCheatMoney100k = "+ $ 100.000 millions";
inline constexpr const char* kCheatPopularity = "+ 10% popularity";
inline constexpr const char* kCheatGroups[kAudienceGroups] = {"Kids", "Teens", "Women", "Men",
                                                              "Old"};
inline constexpr const char* kCheatAuto12 = "Auto 12 game days";
inline constexpr const char* kCheatAuto120 = "Auto 120 game days";
inline constexpr const char* kCheatClose = "Close";
inline constexpr const char* kCheatTitle = "Cheat";

inline constexpr const char* kBankruptLabel = "BANKRUPT";
}  // namespace OfficeText

// Caption of main button 1..10; "" otherwise.
const char* MainButtonCaption(int button);
// The "N/A" text of a main button pressed during broadcasting; nullptr for End turn, Exit game
// and numbers outside 1..10, which are never locked.
const char* LockedButtonText(int button);
// "After you close this screen the next 12 game days will be solved automatically."
std::string AutoPlayText(int32_t days);

// Label6: "08:00".
std::string ClockText(int32_t hour, int32_t minute);
// Label20: "am" in the planning phase from 04:00, else "pm".
const char* ClockSuffix(int32_t phase, int32_t hour);

// "QVX2_complogo<k>_sm.jpg" and the grey "QVX2_complogo<k>_sm_g.jpg"; logo 1 outside 1..8.
std::string SmallLogoPicture(int32_t logo);
std::string GreyLogoPicture(int32_t logo);
// The summary's 96 px logo: "QVX2_complogo<k>_md.jpg", grey "..._md_g.jpg".
std::string MediumLogoPicture(int32_t logo, bool grey);
// BlindLabel22: "Red channel" for logos 1 and 5, ... "Blue channel" for 4 and 8.
const char* ChannelColourText(int32_t logo);

// The top of the office for viewed channel v (0 = TV off): money, logo, date and clock.
struct MoneyPanel {
    std::string money;         // Label1
    bool logoVisible = false;  // Image4
    std::string logoPicture;
    bool bankrupt = false;    // Bankrupt_Label "BANKRUPT"
    std::string channelText;  // BlindLabel22
    // A bankrupt channel's zero figures for Label3, Label7 and Label2. The office draws the TV
    // right after the panel, and that sets all three labels again.
    std::optional<std::string> viewers, adRequirement, appeal;
    std::string dateLine;     // Label17
    std::string clock;        // Label6
    std::string clockSuffix;  // Label20
};
MoneyPanel BuildMoneyPanel(const GameState& gs, int viewed);

enum class ContactKind { StockBroker, BoardOfDirectors, Liquidator };
struct Contact {
    ContactKind kind = ContactKind::StockBroker;
    int channel = 0;  // the company, for BoardOfDirectors
    std::string text;
    bool operator==(const Contact&) const = default;
};
// ListBox1: the stock broker, the companies whose board the player can call, the liquidator.
std::vector<Contact> FillContacts(const GameState& gs);

// The question End turn adds in the planning phase after "End turn?". A news spot without its
// three news asks "No news?" and then skips the ad question.
enum class TurnWarning { None, NoNews, NoAds };
TurnWarning EndTurnWarning(const GameState& gs);

// The cheat panel's money (CheatMoney). During the playback the money on show is the morning's
// and the day's result, waiting for midnight, replaces it then: the cheat goes into both.
OfficeOutcome CheatMoneyInOffice(GameState& gs, int32_t amount);

}  // namespace qvx
