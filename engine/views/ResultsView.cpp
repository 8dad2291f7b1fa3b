#include "ResultsView.h"

#include "Formatting.h"
#include "Ranking.h"
#include "Scenarios.h"
#include "Shares.h"

namespace qvx {

namespace {

// The winner's logo is shown at 128 px, the others at 64 (and smaller).
std::string SmallLogo(int32_t logo, const char* size = "_sm") {
    if (logo < 1 || logo > kLogoCount) logo = 1;
    return "QVX2_complogo" + std::to_string(logo) + size + ".jpg";
}

}  // namespace

const char* LogoPlayerText(int32_t logo) {
    static const char* const kColours[] = {"Red player", "Yellow player", "Green player",
                                           "Blue player"};
    if (logo < 1 || logo > kLogoCount) return "";
    return kColours[LogoChannel(logo) - 1];
}

HighscoreListView BuildHighscoreView(const HighscoreTable& table, int list) {
    HighscoreListView view;
    view.list = list >= 1 && list <= kHighscoreLists ? list : 1;
    view.title = ScenarioTitle(view.list);
    view.description = ScenarioDescription(view.list);
    for (int i = 1; i <= kHighscoreEntries; ++i) {
        const HighscoreEntry& entry = table.lists[view.list][i];
        HighscoreRow& row = view.rows[static_cast<size_t>(i - 1)];
        row.name = entry.name;
        row.score = "$ " + FormatAmount(entry.score) + " millions";
        row.logoPicture = SmallLogo(entry.logo);
    }
    return view;
}

GameOverView BuildGameOverView(GameState& gs, const Catalogue& cat) {
    GameOverView view;
    const int s = ScenarioIndex(gs.GameInfo[Info::kScenarioKind], gs.GameInfo[Info::kMap]);
    view.title = ScenarioTitle(s);
    view.description = ScenarioDescription(s);
    view.goal = ScenarioGoal(s);
    view.picture = ScenarioPicture(s);

    const Places places = GameOverRanking(gs, cat);
    const int order[] = {places.winner, places.second, places.third, places.last};
    for (size_t p = 0; p < view.places.size(); ++p) {
        GameOverPlace& place = view.places[p];
        const int c = order[p];
        if (c < 1 || c > kChannels) continue;
        place.channel = c;
        const int32_t logo = gs.Channel[c][Ch::kLogo];
        place.logoPicture = SmallLogo(logo, p == 0 ? "_lg" : "_sm");
        place.colourText = LogoPlayerText(logo);
        const int32_t value = CompanyValue(gs, cat, c, ValueVariant::Full);
        place.bankrupt = !InBusiness(gs, c) || value < 0;
        place.value = place.bankrupt ? kBankruptValueText : "$ " + FormatAmount(value);
    }
    const GameOverPlace& winner = view.places[0];
    if (winner.channel != 0) {
        view.winnerValue = winner.bankrupt ? winner.value : winner.value + " millions";
        view.winnerName = gs.ChannelNames[winner.channel];
    }
    return view;
}

}  // namespace qvx
