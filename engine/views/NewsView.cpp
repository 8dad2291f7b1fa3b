#include "NewsView.h"

#include "Formatting.h"

namespace qvx {

namespace {

struct Category {
    const char* topic;
    const char* picture;
};
constexpr Category kCategories[] = {
    {"Politics", "QVX2_BlueNewsspot.jpg"},
    {"Stars & Lifestyle", "QVX2_PinkNewsspot.jpg"},
    {"Sport", "QVX2_OrangeNewsspot.jpg"},
};

// An article's card; nothing shown for an id outside the catalogue or an unknown category.
NewsCard ArticleCard(const Catalogue& cat, int32_t article) {
    NewsCard card;
    card.article = article;
    if (article < 1 || article > kNews) return card;
    const int32_t category = cat.NewsCatalogue[article][News::kCategory];
    if (category < News::kPolitics || category > News::kSport) return card;
    card.shown = NewsCard::Shown::Always;
    card.topic = kCategories[category - 1].topic;
    card.picture = kCategories[category - 1].picture;
    card.text = cat.NewsTexts[article];
    return card;
}

}  // namespace

NewsAgencyView BuildNewsAgencyView(const GameState& gs, const Catalogue& cat) {
    NewsAgencyView view;
    const int c = gs.PlayerChannel;
    if (!ValidChannel(c)) return view;
    view.money = "$ " + FormatAmount(gs.Channel[c][Ch::kMoney]) + " millions";
    for (int p = 1; p <= kNewsShowPositions; ++p) {
        const int32_t article = gs.NewsShow[c][p];
        NewsCard& card = view.show[p - 1];
        if (article >= 1) {
            card = ArticleCard(cat, article);
            continue;
        }
        card.shown = NewsCard::Shown::BlindOnly;
        card.topic = "Empty slot";
        card.text = "(To fill your news programme, drag & drop news from the list at the right)";
    }
    for (int o = 1; o <= kNewsOfferPositions; ++o) {
        const int32_t article = gs.NewsOffersA[c][o];
        NewsCard& card = view.offers[o - 1];
        if (article >= 1) {
            card = ArticleCard(cat, article);
            for (int p = 1; p <= kNewsShowPositions; ++p)
                card.inShow = card.inShow || gs.NewsShow[c][p] == article;
        } else {
            card.topic = "-";
        }
    }
    return view;
}

}  // namespace qvx
