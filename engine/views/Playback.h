#pragma once
// The office's playback of a simulated day: what the TV, the faces and the two hover popups
// show at a moment of the clock, the replay of the ad spots, and the clock itself. Every view is
// plain data (texts exactly as shown, picture file names, flags) that the office screen draws;
// nothing here plays a sound or touches a widget.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Catalogue.h"
#include "GameState.h"

namespace qvx {

// The playback clock: one game minute per tick.
constexpr int kPlaybackTickMs = 200;
constexpr int kFastForwardTickMs = 10;
// The money blink after a payment: Timer2's interval and the number of ticks it runs.
constexpr int kMoneyBlinkMs = 250;
constexpr int kMoneyBlinkTicks = 5;

inline constexpr const char* kNewsPicture = "QVX2_news.jpg";
inline constexpr const char* kAdBreakPicture = "QVX2_ads1.jpg";

// The programme slot on air at an office hour: 2..12 give hour - 1, anything else 0. Slots 0
// and 11 are never planned and read as empty.
int SlotOnAir(int32_t clockHour);

// The moment a view is drawn for; normally the game's own globals (OnAirNow).
struct OnAir {
    int viewed = 0;  // 1..4; 0 = the TV is switched off
    int32_t hour = 0;
    int32_t minute = 0;
    bool broadcasting = false;
};
OnAir OnAirNow(const GameState& gs);

// --- Texts and pictures of the playback --------------------------------------------------

const char* GroupName(int group);  // "Kids" .. "Seniors" for 1..5
// The office's faces are ordered Kids, Teens, Men, Women, Seniors: group 4 (Men) is Face3.
int FaceOfGroup(int group);
int GroupOfFace(int face);
// The face picture n of an hour's appeal, 1 (delighted) .. 6; 0 when the appeal lies outside
// 0..100, which changes neither the face nor the opinion.
int FaceMood(int32_t appeal);
// "Good!" and the like for an appeal 0..100; nullptr outside that range.
const char* AppealOpinion(int32_t appeal);
std::string InQuotes(std::string_view text);  // the popups' "double quotes"
const char* GenrePictureWord(int32_t genre);  // "scifi"; nullptr outside 1..15
const char* GenreText(int32_t genre);         // "Science-Fiction"; "" outside 1..15
const char* TitleTypeSuffix(int32_t type);    // " (Movie)" .. " (Live sport)"; "" otherwise
const char* StarText(int32_t stars);          // "Three-Stars (***)"; "" outside 1..5
const char* TargetWord(int32_t code);         // "kids/teens"; all viewers for unknown codes

// --- The TV screen (ShowHourOnTv) ----------------------------------------------------------

// Unchanged: the appeal lies outside the bands, so the face box keeps whatever it showed (its
// visibility and picture) from the last draw.
enum class FaceState { Hidden, Shown, Unchanged };
struct FaceView {
    int group = 0;  // the audience group this face box belongs to (hover: ShowGroupInfo)
    FaceState state = FaceState::Hidden;
    std::string picture;  // when Shown
    bool operator==(const FaceView&) const = default;
};

// The music cue an hour asks for; the screen starts it only while its CuePlayed is false.
enum class Cue { None, News, Genre };

struct TvView {
    bool tvVisible = false;                         // GroupBox_TVScreen
    std::string picture;                            // TVScreen, when visible
    std::string nowBroadcasting;                    // BlindLabel23
    std::string viewers;                            // Label3
    std::string adRequirement;                      // Label7
    bool adRequirementRed = false;                  // Label7 and Label13 red, else white
    std::string appeal;                             // Label2
    std::array<FaceView, kAudienceGroups> faces{};  // Face1 .. Face5
    bool hideInfoPopup = false;                     // otherwise the popup keeps its state
    Cue cue = Cue::None;
    int32_t cueGenre = 0;  // with Cue::Genre
};
TvView ShowHourOnTv(const GameState& gs, const Catalogue& cat, const OnAir& at);

// --- The hour info popup (ShowHourInfo) ----------------------------------------------------

struct InfoRow {
    std::string caption;  // "Audience required:"
    std::string value;    // "12 million kids/teens"
    bool operator==(const InfoRow&) const = default;
};

enum class HourInfoView { Hidden, Ad, News, Title };
struct HourInfo {
    HourInfoView view = HourInfoView::Hidden;  // Hidden: the popup is hidden and left empty
    std::string title;                         // Label9
    // Only a title's view sizes the title font (12 below 33 characters, else 11); the ad and
    // news views leave the font as it was.
    std::optional<int> titleFontSize;
    std::vector<InfoRow> rows;  // in the order shown
    std::string rating;         // the hour's verdict in quotes (news and title views)
    std::string label18;        // the ad text, the news headline or the story
    std::string label25;        // the ad's pay (ad view)
};
// In the planning phase there is no hour on air, so the popup has nothing to show.
HourInfo ShowHourInfo(const GameState& gs, const Catalogue& cat, const OnAir& at);

// --- The audience group popup (ShowGroupInfo) ----------------------------------------------

struct GroupInfo {
    bool visible = false;
    std::string groupName;  // Label29
    std::vector<InfoRow> rows;
    // Label34 in quotes; nullopt for an appeal outside 0..100: the label keeps its text.
    std::optional<std::string> opinion;
    std::string voice;  // Label35: the viewer voice of the group about the channel, in quotes
};
GroupInfo ShowGroupInfo(const GameState& gs, const OnAir& at, int group);

// --- Live ad spots (CountLiveAdSpots) ------------------------------------------------------

// What a counted spot asks of the screen: Fanfare: PlayFanfare. Payment: PlayPayment, the
// money blink and RefreshOffice.
enum class SpotEvent { None = 0, Fanfare, Payment };
struct LiveSpots {
    PerChannel<SpotEvent> events{};  // per channel 1..4
    SpotEvent viewed = SpotEvent::None;
    bool anyPaid = false;
};
// The replay of the day's ad spots at minutes 20 and 40 (other minutes do nothing): each
// channel's contract of the hour counts a spot when the hour reached its audience; the spot
// that completes it pays, closes the contract and takes it out of the channel's later hours.
LiveSpots CountLiveAdSpots(GameState& gs, int32_t clockHour, int32_t clockMinute, int viewed);

// --- The playback clock (Timer1) -----------------------------------------------------------

struct ClockTime {
    int32_t hour = 0;
    int32_t minute = 0;
    bool operator==(const ClockTime&) const = default;
};
// One game minute later; minute 60 is the next hour's minute 0.
ClockTime AdvanceClock(int32_t hour, int32_t minute);
// One tick of the office clock: the game's clock one minute on; the new time.
ClockTime AdvanceOfficeClock(GameState& gs);

// What a tick does after the clock moved to (hour, minute), besides ShowClock and
// CountLiveAdSpots which every tick runs.
struct TickActions {
    bool refreshOffice = false;  // minute 1: RefreshOffice
    bool resetCue = false;       // minute 1: CuePlayed := false, unless fast-forwarding
    bool redrawTv = false;       // minutes 20, 26, 40, 46: ShowHourOnTv and ShowHourInfo
    bool endOfDay = false;       // hour 12: Timer1 off and AdvancePhase
    bool operator==(const TickActions&) const = default;
};
TickActions TickActionsAt(int32_t hour, int32_t minute);

}  // namespace qvx
