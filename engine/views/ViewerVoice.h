#pragma once
// One typical viewer of each audience group speaks about a company: the statistics screen's
// audience page and the office's group popup both show it. Chosen from the company's average
// popularity with the group over the regions it broadcasts in; nothing is drawn at random.
#include <cstdint>
#include <string>

#include "GameState.h"

namespace qvx {

struct ViewerVoice {
    int32_t population = 0;      // the group's people in the company's existing licensed regions
    int32_t popularity = 0;      // the company's average popularity with the group there; 0 = none
    std::string populationText;  // "<P> million children"
    std::string quote;           // without quotation marks; the office popup adds them
    std::string facePicture;     // "QVX2_faces_girl_06.jpg"
};

// The voice of group 1..5 (Kids .. Seniors) about company c 1..4; empty for other arguments.
ViewerVoice ViewerVoiceOf(const GameState& gs, int c, int group);

// The quote of group 1..5 at average popularity a for company number c 1..4, with the
// company's name put in. Popularity outside 0..100 reads as the nearest end of the table.
std::string ViewerQuote(int group, int32_t popularity, int c, const std::string& channelName);
// The face of the speaking viewer: 1 (delighted) .. 6 (appalled).
int ViewerFaceMood(int32_t popularity);

// Picture stem of a group's person: "girl", "teenager", "mom", "father", "grandma".
const char* FaceStem(int group);
// "QVX2_faces_<stem>_0<mood>.jpg".
std::string FacePicture(int group, int mood);

}  // namespace qvx
