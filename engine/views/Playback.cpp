#include "Playback.h"

#include "Formatting.h"
#include "SimulateDay.h"
#include "ViewerVoice.h"

namespace qvx {

namespace {

constexpr std::array<const char*, kAudienceGroups> kGroupNames = {"Kids", "Teens", "Women", "Men",
                                                                  "Seniors"};
// Face k shows group kGroupOfFace[k - 1].
constexpr std::array<int, kAudienceGroups> kGroupOfFace = {1, 2, 4, 3, 5};

constexpr std::array<const char*, 15> kGenrePictureWords = {
    "action", "cartoon", "crime",   "love",   "thriller", "quiz",  "cultural", "soap",
    "sport",  "war",     "western", "comedy", "medieval", "drama", "scifi"};
constexpr std::array<const char*, 15> kGenreTexts = {
    "Action",           "Cartoon", "Crime",          "Love", "Thriller", "Quiz",
    "Cultural",         "Soap",    "Sport / Live",   "War",  "Western",  "Comedy",
    "Ancient/Medieval", "Drama",   "Science-Fiction"};
constexpr std::array<const char*, 4> kTypeSuffixes = {" (Movie)", " (Series)", " (Show)",
                                                      " (Live sport)"};
constexpr std::array<const char*, 5> kStarTexts = {"One-Star (*)", "Two-Stars (**)",
                                                   "Three-Stars (***)", "Four-Stars (****)",
                                                   "Five-Stars (*****)"};
constexpr std::array<const char*, 9> kTargetWords = {
    "viewers", "viewers", "kids/teens", "adults", "kids", "teens", "women", "men", "seniors"};
constexpr std::array<const char*, 4> kNewsShares = {"0%", "33%", "66%", "100%"};

// Titles of up to 32 characters in their quotes keep the larger font.
constexpr size_t kLongTitle = 33;

const Record kEmptySlot{};

bool ValidGroup(int g) {
    return g >= 1 && g <= kAudienceGroups;
}

template <size_t N>
const char* Lookup(const std::array<const char*, N>& table, int32_t oneBased, const char* other) {
    return oneBased >= 1 && static_cast<size_t>(oneBased) <= N
               ? table[static_cast<size_t>(oneBased - 1)]
               : other;
}

// Slots 0 and 11 exist in no table: they read as an hour without anything planned.
const Record& SlotRecord(const GameState& gs, int c, int s) {
    if (!ValidChannel(c) || s < 1 || s > kSlots) return kEmptySlot;
    return gs.Programme[c][s];
}

bool IsAdBreak(int32_t minute) {
    return (minute >= 20 && minute <= 24) || (minute >= 40 && minute <= 44);
}
// The ad popup stays one minute longer than the ad picture.
bool IsAdInfoMinute(int32_t minute) {
    return (minute >= 20 && minute <= 25) || (minute >= 40 && minute <= 45);
}

int64_t SumFields(const Record& slot, int first) {
    int64_t sum = 0;
    for (int g = 0; g < kAudienceGroups; ++g)
        sum += slot[first + g];
    return sum;
}

size_t CharacterCount(std::string_view utf8) {
    size_t count = 0;
    for (const char ch : utf8)
        count += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    return count;
}

std::string Millions(int64_t amount) {
    return "$ " + FormatAmount(amount) + " millions";
}

HourInfo AdInfo(const GameState& gs, const Catalogue& cat, int v, int32_t id) {
    const Record& ad = gs.AdPool[v][id];
    HourInfo info;
    info.view = HourInfoView::Ad;
    info.title = InQuotes(cat.AdNames[id]);
    info.rows = {
        {"Audience required:",
         std::to_string(ad[Ad::kMinViewers]) + " million " + TargetWord(ad[Ad::kTargetCode])},
        {"Impressions:",
         std::to_string(gs.AdSpotsDone[v][id]) + " / " + std::to_string(ad[Ad::kSpotsRequired])},
        {"Days left:", "Deadline: " + std::to_string(gs.AdDaysLeft[v][id]) + " / " +
                           std::to_string(ad[Ad::kDeadline]) + " days left"},
        {"Pay:", Millions(ad[Ad::kPayment])},
    };
    info.label18 = InQuotes(cat.AdTexts[id]);
    info.label25 = info.rows.back().value;
    return info;
}

HourInfo NewsInfo(const GameState& gs, const Catalogue& cat, int v, const Record& slot) {
    HourInfo info;
    info.view = HourInfoView::News;
    info.title = "News spot";
    const int32_t percent = AudiencePercent(slot);
    info.rows.push_back({"Audience:", std::to_string(percent) + "%"});
    info.rating = InQuotes(AudienceVerdict(percent));

    std::array<int, 3> items{};  // Politics, Stars & Lifestyle, Sport
    info.label18 = "...";
    for (int i = 1; i <= kNewsShowPositions; ++i) {
        const int32_t id = gs.NewsShow[v][i];
        if (!ValidNews(id)) continue;
        const int32_t category = cat.NewsCatalogue[id][News::kCategory];
        if (category >= 1 && category <= 3) ++items[static_cast<size_t>(category - 1)];
        info.label18 = cat.NewsTexts[id];
    }
    // The computer's news choice is its secret.
    const bool secret = !IsHumanRun(gs, v);
    const char* captions[] = {"Political:", "Entertainment:", "Sport:"};
    for (size_t k = 0; k < items.size(); ++k)
        info.rows.push_back(
            {captions[k], secret ? "?" : kNewsShares[static_cast<size_t>(items[k])]});
    return info;
}

HourInfo TitleInfo(const Catalogue& cat, const Record& slot, int32_t m) {
    const Record& movie = cat.MovieCatalogue[m];
    HourInfo info;
    info.view = HourInfoView::Title;
    info.title = InQuotes(cat.MovieTitles[m]);
    info.titleFontSize = CharacterCount(info.title) < kLongTitle ? 12 : 11;
    const int32_t percent = AudiencePercent(slot);
    info.rows = {
        {"Genre:",
         std::string(GenreText(movie[Movie::kGenre])) + TitleTypeSuffix(movie[Movie::kType])},
        {"Quality:", StarText(movie[Movie::kStars])},
        {"Audience %:", std::to_string(percent) + " %"},
        {"Costs:", Millions(movie[Movie::kPrice])},
    };
    info.rating = InQuotes(AudienceVerdict(percent));
    info.label18 = InQuotes(cat.MovieDescriptions[m]);
    return info;
}

}  // namespace

int SlotOnAir(int32_t clockHour) {
    return clockHour >= 2 && clockHour <= 12 ? clockHour - 1 : 0;
}

OnAir OnAirNow(const GameState& gs) {
    return {gs.ViewedChannel, gs.ClockHour, gs.ClockMinute,
            gs.GameInfo[Info::kPhase] == Info::kPhaseBroadcasting};
}

const char* GroupName(int group) {
    return Lookup(kGroupNames, group, "");
}

int FaceOfGroup(int group) {
    for (int face = 1; face <= kAudienceGroups; ++face) {
        if (kGroupOfFace[static_cast<size_t>(face - 1)] == group) return face;
    }
    return 0;
}

int GroupOfFace(int face) {
    return face >= 1 && face <= kAudienceGroups ? kGroupOfFace[static_cast<size_t>(face - 1)] : 0;
}

int FaceMood(int32_t appeal) {
    if (appeal < 0 || appeal > 100) return 0;
    if (appeal <= 10) return 6;
    if (appeal <= 20) return 5;
    if (appeal <= 45) return 4;
    if (appeal <= 70) return 3;
    if (appeal <= 80) return 2;
    return 1;
}

const char* AppealOpinion(int32_t appeal) {
    if (appeal < 0 || appeal > 100) return nullptr;
    if (appeal <= 5) return "This is really bad...";
    if (appeal <= 10) return "Uh, oh...";
    if (appeal <= 20) return "Boring...";
    if (appeal <= 45) return "Average...";
    if (appeal <= 70) return "Good!";
    if (appeal <= 80) return "Very good!";
    return "Excellent!";
}

std::string InQuotes(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out.push_back('"');
    out.append(text);
    out.push_back('"');
    return out;
}

const char* GenrePictureWord(int32_t genre) {
    return Lookup(kGenrePictureWords, genre, nullptr);
}
const char* GenreText(int32_t genre) {
    return Lookup(kGenreTexts, genre, "");
}
const char* TitleTypeSuffix(int32_t type) {
    return Lookup(kTypeSuffixes, type, "");
}
const char* StarText(int32_t stars) {
    return Lookup(kStarTexts, stars, "");
}
const char* TargetWord(int32_t code) {
    return code >= 0 && code <= 8 ? kTargetWords[static_cast<size_t>(code)] : kTargetWords[0];
}

TvView ShowHourOnTv(const GameState& gs, const Catalogue& cat, const OnAir& at) {
    TvView tv;
    for (int face = 1; face <= kAudienceGroups; ++face)
        tv.faces[static_cast<size_t>(face - 1)].group = GroupOfFace(face);
    const int v = at.viewed;
    if (!at.broadcasting || !ValidChannel(v)) {
        tv.nowBroadcasting = "Now broadcasting: Nothing";
        tv.viewers = ": None";
        tv.adRequirement = ": None";
        tv.appeal = ": 0%";
        tv.hideInfoPopup = true;
        return tv;
    }
    const Record& slot = SlotRecord(gs, v, SlotOnAir(at.hour));

    // The requirement shows whether or not anything is on air.
    const int32_t planned = slot[Slot::kAd];
    if (ValidAd(planned)) {
        const Record& ad = gs.AdPool[v][planned];
        tv.adRequirement = ": " + std::to_string(ad[Ad::kMinViewers]) + " millions";
        tv.adRequirementRed = AudienceForTarget(slot, ad[Ad::kTargetCode]) < ad[Ad::kMinViewers];
    } else {
        tv.adRequirement = ": 0 millions";
    }

    // An hour without a programme has no ad break either: it reads as the empty slot 0.
    const Record* onAir = &kEmptySlot;
    const int32_t programme = slot[Slot::kProgramme];
    tv.nowBroadcasting = "Now broadcasting: Nothing";
    if (programme == Slot::kNewsShow) {
        onAir = &slot;
        tv.picture = kNewsPicture;
        tv.nowBroadcasting = "Now broadcasting: News spot";
        tv.cue = Cue::News;
    } else if (ValidMovie(programme)) {
        onAir = &slot;
        tv.nowBroadcasting = "Now broadcasting: " + cat.MovieTitles[programme];
        const int32_t genre = cat.MovieCatalogue[programme][Movie::kGenre];
        if (const char* word = GenrePictureWord(genre)) {
            tv.picture = std::string("QVX2_movies_") + word + ".jpg";
            tv.cue = Cue::Genre;
            tv.cueGenre = genre;
        }
    }
    const int32_t spot = (*onAir)[Slot::kAd];
    if (IsAdBreak(at.minute) && ValidAd(spot)) {
        tv.picture = kAdBreakPicture;
        tv.nowBroadcasting = "Now broadcasting: Advertisement " + cat.AdNames[spot];
    }

    if (tv.picture.empty()) {
        tv.viewers = ": 0 millions";
        tv.appeal = ": 0%";
        tv.hideInfoPopup = true;
        return tv;  // every face stays hidden
    }
    tv.tvVisible = true;
    tv.viewers = ": " + std::to_string(SumFields(*onAir, Slot::kViewers)) + " millions";
    tv.appeal = ": " + std::to_string(AudiencePercent(*onAir)) + " %";
    for (int g = 1; g <= kAudienceGroups; ++g) {
        FaceView& face = tv.faces[static_cast<size_t>(FaceOfGroup(g) - 1)];
        const int mood = FaceMood((*onAir)[Slot::kAppeal + g - 1]);
        if (mood > 0) {
            face.state = FaceState::Shown;
            face.picture = FacePicture(g, mood);
        } else {
            face.state = FaceState::Unchanged;
        }
        if ((*onAir)[Slot::kViewers + g - 1] <= 0) {
            face.state = FaceState::Hidden;
            face.picture.clear();
        }
    }
    return tv;
}

HourInfo ShowHourInfo(const GameState& gs, const Catalogue& cat, const OnAir& at) {
    const int v = at.viewed;
    if (!at.broadcasting || !ValidChannel(v)) return {};
    const Record& slot = SlotRecord(gs, v, SlotOnAir(at.hour));
    const int32_t ad = slot[Slot::kAd];
    if (IsAdInfoMinute(at.minute) && ad != 0) {
        if (!ValidAd(ad)) return {};
        return AdInfo(gs, cat, v, ad);
    }
    const int32_t programme = slot[Slot::kProgramme];
    if (programme == Slot::kNewsShow) return NewsInfo(gs, cat, v, slot);
    if (ValidMovie(programme)) return TitleInfo(cat, slot, programme);
    return {};
}

GroupInfo ShowGroupInfo(const GameState& gs, const OnAir& at, int group) {
    GroupInfo info;
    const int v = at.viewed;
    if (!at.broadcasting || !ValidChannel(v) || !ValidGroup(group)) return info;
    const Record& slot = SlotRecord(gs, v, SlotOnAir(at.hour));
    const ViewerVoice voice = ViewerVoiceOf(gs, v, group);
    const int32_t appeal = slot[Slot::kAppeal + group - 1];
    info.visible = true;
    info.groupName = GroupName(group);
    info.rows = {
        {"Current audience:", FormatAmount(slot[Slot::kViewers + group - 1]) + " millions"},
        {"Total audience:", FormatAmount(voice.population) + " millions"},
        {"Spot rating:", FormatAmount(appeal) + " %"},
        {"TV Popularity:", FormatAmount(voice.popularity) + " %"},
    };
    if (const char* opinion = AppealOpinion(appeal)) info.opinion = InQuotes(opinion);
    info.voice = InQuotes(voice.quote);
    return info;
}

LiveSpots CountLiveAdSpots(GameState& gs, int32_t clockHour, int32_t clockMinute, int viewed) {
    LiveSpots result;
    const int s = SlotOnAir(clockHour);
    if ((clockMinute != 20 && clockMinute != 40) || s < 1 || s > kSlots) return result;
    for (int i = 1; i <= kChannels; ++i) {
        Record& slot = gs.Programme[i][s];
        const int32_t id = slot[Slot::kAd];
        if (!ValidAd(id)) continue;
        Record& ad = gs.AdPool[i][id];
        int32_t& done = gs.AdSpotsDone[i][id];
        if (done >= ad[Ad::kSpotsRequired]) continue;
        if (AudienceForTarget(slot, ad[Ad::kTargetCode]) < ad[Ad::kMinViewers]) continue;
        ++done;
        SpotEvent& event = result.events[static_cast<size_t>(i)];
        if (done < ad[Ad::kSpotsRequired]) {
            event = SpotEvent::Fanfare;
        } else {
            event = SpotEvent::Payment;
            result.anyPaid = true;
            Credit(gs, i, ad[Ad::kPayment]);
            ad[Ad::kOpen] = 0;
            for (int h = 1; h <= kSlots; ++h) {
                if (gs.Programme[i][h][Slot::kAd] == id) gs.Programme[i][h][Slot::kAd] = 0;
            }
        }
        if (i == viewed) result.viewed = event;
    }
    return result;
}

ClockTime AdvanceClock(int32_t hour, int32_t minute) {
    ClockTime next{hour, minute + 1};
    // A saved clock past minute 59 (a damaged file) still moves on to the next hour.
    if (next.minute >= 60) {
        next.hour += 1;
        next.minute = 0;
    }
    return next;
}

ClockTime AdvanceOfficeClock(GameState& gs) {
    const ClockTime now = AdvanceClock(gs.ClockHour, gs.ClockMinute);
    gs.ClockHour = now.hour;
    gs.ClockMinute = now.minute;
    return now;
}

TickActions TickActionsAt(int32_t hour, int32_t minute) {
    TickActions actions;
    actions.refreshOffice = actions.resetCue = minute == 1;
    actions.redrawTv = minute == 20 || minute == 26 || minute == 40 || minute == 46;
    actions.endOfDay = hour >= 12;
    return actions;
}

}  // namespace qvx
