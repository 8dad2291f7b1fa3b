#include "ViewerVoice.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "Licences.h"

namespace qvx {

namespace {

struct QuoteRow {
    int32_t upTo;  // the row holds popularity up to and including this value
    std::array<const char*, kChannels> byCompany;
};
using QuoteTable = std::array<QuoteRow, 10>;

constexpr QuoteRow Same(int32_t upTo, const char* quote) {
    return {upTo, {quote, quote, quote, quote}};
}

// The Kids table splits its top rows at 89/90, every other table at 90/91.
constexpr QuoteTable kKids = {{
    {10,
     {"I never watch <channel>. It just shows silly movies. I hate it.",
      "I tell my friends that everyone watching <channel> is not my friend anymore.",
      "In my school, everyone who watches <channel> is a loser.",
      "I do not want to ever play with the people making <channel>!"}},
    Same(20, "What is <channel>? Is this something to eat or play with?"),
    Same(30,
         "Sometimes <channel> has a bad programme. I would love more and better cartoon movies."),
    Same(40, "<channel>? Yes, sometimes I like watching them."),
    Same(50, "<channel> is ok."),
    Same(60, "I like <channel>. Could be better, but I really like it."),
    Same(70, "My friends watch <channel> too. Sometimes we watch it together."),
    Same(80, "<channel> is my favorite channel. It has so many cool movies!"),
    Same(89, "<channel> is the best! I have their posters everywhere in my room!"),
    Same(100, "I absolutely love <channel>! It´s the best channel ever!"),
}};

constexpr QuoteTable kTeens = {{
    {10,
     {"<channel>is just %&$§% man!", "The guys at <channel> suck. Why don´t you &%$§% off now?",
      "Everyone I know that watches <channel> is a real loser and nerd.",
      "Nobody sucks as much as <channel>. Guaranteed!"}},
    {20,
     {"<channel>? They are a TV channel? Really?", "Who the &%$§% is <channel>?",
      "Do you have something to smoke for me? <channel>? Never heard of it.",
      "Why are you talking about this <channel> all the time?"}},
    {30,
     {"Some of the stuff shown on <channel> is ok.", "<channel> is not cool, but could be worse.",
      "I don´t understand why they don´t show more action at <channel>.",
      "Are you working for <channel>? Well, do you really need to bother me?"}},
    {40,
     {"I have seen better channels than <channel>. That´s for sure.",
      "The TV channel <channel> has both good and bad sides.",
      "Yo man! I cannot say I really like <channel> .", "<channel> is a bit boring."}},
    {50,
     {"If someone has room to improve, it´s <channel>.",
      "<channel>? Yeah, I cannot believe it, but I will watch it tonight.",
      "I think it was <channel> who had this blockbuster lately, didn´t they?",
      "I actually can watch <channel> without feeling the urge to hurt someone."}},
    {60,
     {"<channel> has shown some great movies lately.",
      "Which TV channel I like? Well, <channel> is quiet good.",
      "If I could smoke <channel>. I would do it at once.", "I like <channel>."}},
    {70,
     {"The people at <channel> are cool.",
      "Watching <channel> tonight is something I really look forward to.",
      "Me and my gang enjoy watching <channel>.", "<channel> is something you can really enjoy."}},
    {80,
     {"<channel> rocks, man!", "Yo man! This <channel> just rocks.",
      "Nobody makes TV like <channel> does.", "<channel>? Yo! Legalize it!"}},
    {90,
     {"You rarely come across a TV channel like <channel>!",
      "Hey man! Yeah, sure I know <channel>. It´s my favorite channel!",
      "Someone tell the guys at <channel> they really cool.", "Seriously, <channel> rocks!"}},
    {100,
     {"Oh my god! You are from <channel>, aren´t you? Can I get an autograph?",
      "My absolute favorite channel? Easy, that´s <channel>. 100%.", "I absolutely love <channel>.",
      "There is and never will be a better channel than <channel>."}},
}};

constexpr QuoteTable kWomen = {{
    {10,
     {"<channel> should be banned.", "I will never understand why someone could watch <channel>.",
      "Why is nobody stopping <channel>? They are ridiculous.",
      "I watched <channel> once and that was the last time I ever did."}},
    {20,
     {"Nobody I know enjoys watching <channel>.", "The boss of <channel> should be ashamed.",
      "I cannot remember when we last talked about<channel>.",
      "Nobody in my neighboorhood seems to know this so-called <channel>."}},
    {30,
     {"I cannot help feeling bored by the programme on <channel>.",
      "It appears that <channel> has a history of boredom.",
      "How could someone enjoy <channel>? In the long-term I mean?",
      "There are good channels and ... well ... there is <channel>."}},
    {40,
     {"<channel> is just so-so.", "I have seen worse channels than <channel>, but better ones too.",
      "Sometimes I do have a good time watching <channel>, yes.",
      "<channel> gets more right than wrong."}},
    {50,
     {"With time, <channel> seems to grow better and better.",
      "<channel> is a channel you can watch from time to time.",
      "<channel> is not my favorite, but it´s ok.",
      "Some evenings I find myself watching <channel>."}},
    {60,
     {"<channel> is quiet good actually.",
      "They have made a lot of improvements over at <channel>.", "I like <channel>.",
      "In general, I´d recomment<channel>."}},
    {70,
     {"I love <channel>.", "<channel> is a lovely channel.",
      "I admit it. I am a big follower of <channel>.", "<channel> really has its bright spots."}},
    {80,
     {"<channel> is the channel of choice for me.", "Lovely! Just lovely! We all like <channel>.",
      "I watch <channel> every day.",
      "<channel> is such a nice TV channel! Especially for the kids."}},
    {90,
     {"A TV channel for women. That´s <channel>!",
      "Sensitive, exciting with just the right programmes. Of course I am talking about "
      "<channel>.",
      "My habit of switching between channels has changed since I found <channel>.",
      "Please tell the makers of <channel> how much I enjoy their programme!"}},
    {100,
     {"I am so excited when I switch to <channel>. I watch nothing else.",
      "<channel> is definitely the best channel in the country.",
      "The best TV channel ever is called <channel>.", "I absolutely love <channel>."}},
}};

constexpr QuoteTable kMen = {{
    {10,
     {"<channel> is by far the worst channel I have ever seen.",
      "I do not care about <channel>. Now you´d better run.", "Someone should unplug <channel>.",
      "It really makes me angry thinking about the stupid programmes on <channel>."}},
    {20,
     {"Who is <channel>?", "<channel>? Never heard of it.",
      "There are reasons I do not view <channel>.",
      "I have got a sticker on my car: I hate <channel>."}},
    {30,
     {"I still don´t find myself enjoying <channel>.",
      "When I recently saw my kid watching <channel>, I switched off his TV.",
      "I hardly ever hear about <channel>.",
      "Some things will never change, but I hope <channel> will."}},
    {40,
     {"Word of mouth says that <channel> is a bit better now.",
      "I am still a bit bored by <channel>.", "Things seem to be running better now at <channel>.",
      "<channel> continues to get better."}},
    {50,
     {"Great things need time. <channel> will need a bit more.",
      "Watching <channel> is not boring, but I wish they would improve.",
      "<channel> does have its appeal.", "The more I watch <channel> the better it becomes."}},
    {60,
     {"At my motorcycle club we often watch <channel>.",
      "The guys at <channel> really learnt their lessons.", "<channel> is really good.",
      "In general, <channel> can be recommended."}},
    {70,
     {"There is much to be liked about <channel>.", "<channel> is an important channel.",
      "I watched <channel> yesterday. It´s quiet good.",
      "It´s a channel I would almost pay to see. <channel> keep on working!"}},
    {80,
     {"<channel> is a premium channel.", "I can recommended <channel> to everyone! Great show!",
      "<channel> means: A job well done!",
      "<channel> is making it hard for other channels to compete!"}},
    {90,
     {"<channel> is a channel that finally understands mens´ needs. Love it!",
      "Real men just watch <channel>!", "Nobody messes with <channel>!",
      "I cannot find anything bad at <channel> I really love that channel!"}},
    {100,
     {"There is nothing better than <channel>. Period.",
      "<channel> is an absolutely fantastic TV channel.",
      "Thanks to the guys at <channel> for making such perfect programmes!",
      "If you like TV, you MUST watch <channel>."}},
}};

constexpr QuoteTable kSeniors = {{
    {10,
     {"<channel> reminds me of my five dead husbands: Boring.",
      "Why is <channel> so cruel to an old woman like me?",
      "When I was young, <channel> would have been whipped for such a programme.",
      "When I was young, <channel> would have been whipped for such a programme."}},
    Same(20, "I remember my last husband was always telling me to keep my hands of <channel>."),
    Same(30, "I cannot help feeing bored by <channel>."),
    Same(40, "In my senior opinion, the TV channel <channel> could be better."),
    Same(50, "<channel> is ok."),
    Same(60, "I do like <channel>."),
    Same(70, "I have watched and enjoyed <channel> on several occasions."),
    Same(80, "<channel> is a fine TV channel. I can really recommend it."),
    Same(90, "Do you think the CEO of <channel> is still single?"),
    Same(100,
         "Today I called my lawyer to change my will. I want to give everything I have to "
         "<channel>."),
}};

constexpr std::array<const QuoteTable*, kAudienceGroups> kQuotes = {&kKids, &kTeens, &kWomen, &kMen,
                                                                    &kSeniors};
constexpr std::array<const char*, kAudienceGroups> kPopulationWords = {
    " million children", " million teenager", " million women", " million men", " million seniors"};
constexpr std::array<const char*, kAudienceGroups> kStems = {"girl", "teenager", "mom", "father",
                                                             "grandma"};

bool ValidGroup(int group) {
    return group >= 1 && group <= kAudienceGroups;
}

std::string ReplaceAll(std::string_view text, std::string_view what, const std::string& with) {
    std::string out;
    size_t from = 0;
    for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, from)) {
        out.append(text.substr(from, at - from));
        out.append(with);
        from = at + what.size();
    }
    out.append(text.substr(from));
    return out;
}

}  // namespace

std::string ViewerQuote(int group, int32_t popularity, int c, const std::string& channelName) {
    if (!ValidGroup(group) || !ValidChannel(c)) return {};
    const QuoteTable& table = *kQuotes[static_cast<size_t>(group - 1)];
    // The last row catches everything above the table, so popularity past 100 reads as 100.
    const QuoteRow* row = &table.back();
    for (const QuoteRow& candidate : table) {
        if (popularity <= candidate.upTo) {
            row = &candidate;
            break;
        }
    }
    return ReplaceAll(row->byCompany[static_cast<size_t>(c - 1)], "<channel>", channelName);
}

int ViewerFaceMood(int32_t popularity) {
    if (popularity <= 10) return 6;
    if (popularity <= 30) return 5;
    if (popularity <= 50) return 4;
    if (popularity <= 70) return 3;
    if (popularity <= 89) return 2;
    return 1;
}

const char* FaceStem(int group) {
    return ValidGroup(group) ? kStems[static_cast<size_t>(group - 1)] : "";
}

std::string FacePicture(int group, int mood) {
    return std::string("QVX2_faces_") + FaceStem(group) + "_0" + std::to_string(mood) + ".jpg";
}

ViewerVoice ViewerVoiceOf(const GameState& gs, int c, int group) {
    ViewerVoice voice;
    if (!ValidGroup(group) || !ValidChannel(c)) return voice;
    int64_t people = 0;
    int64_t popularity = 0;
    int64_t regions = 0;
    for (int r = 1; r <= kRegions; ++r) {
        if (!RegionExists(gs, r) || !HoldsLicence(gs, r, c)) continue;
        people += gs.Regions[r][Reg::kPopulation + group - 1];
        popularity += gs.Popularity[r][c][Pop::kGroupFirst + group - 1];
        ++regions;
    }
    voice.population = SaturateToInt32(people);
    voice.popularity = regions > 0 ? SaturateToInt32(popularity / regions) : 0;
    voice.populationText =
        std::to_string(voice.population) + kPopulationWords[static_cast<size_t>(group - 1)];
    voice.quote = ViewerQuote(group, voice.popularity, c, gs.ChannelNames[c]);
    voice.facePicture = FacePicture(group, ViewerFaceMood(voice.popularity));
    return voice;
}

}  // namespace qvx
