#include "Client_MixNews.h"

#include <QFrame>

#include "Act.h"
#include "Client_TutorialWindow.h"
#include "DragDrop.h"
#include "NewsAgency.h"
#include "NewsView.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

constexpr int kShowLeft = 40;
constexpr int kShowWidth = 440;
constexpr int kShowTop = 132;
constexpr int kShowPitch = 178;
constexpr int kOfferLeft = 520;
constexpr int kOfferWidth = 464;
constexpr int kOfferTop = 132;
constexpr int kOfferPitch = 106;
constexpr int kOfferGap = 8;
// Where a drag of an offer ends when it is let go away from the show.
constexpr int kNoShowPosition = 0;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TForm13::TForm13(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm13", "QVX2_bg_screen.jpg") {
    Caption(this, "Label1", "News agency", {40, 24, 500, 40}, 20);
    m_money = Text(this, "MoneyLabel", "", {640, 28, 344, 32}, 14, Tone::Gain, true);
    m_money->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Caption(this, "Label2", "Tomorrow's news show", {kShowLeft, 88, kShowWidth, 30});
    Caption(this, "Label3", "Articles on offer", {kOfferLeft, 88, kOfferWidth, 30});
    // Letting an offer go anywhere outside the show takes it out of the show.
    new DropArea(this, kNoShowPosition, [this](int from, int to) { selectNews(from, to); });
    buildShow();
    buildOffers();

    ButtonWithTwin(*this, this,
                   {.stem = "Button1",
                    .text = "Buy a new set",
                    .rect = {40, 690, 280, 44},
                    .twinName = "BlindButton4",
                    .twinRect = {340, 700, 160, 24},
                    .playsClick = false},
                   [this] { buyNewsSet(); });
    setEscapeButton(ButtonWithTwin(*this, this,
                                   {.stem = "Button2",
                                    .text = "Close",
                                    .rect = {704, 690, 280, 44},
                                    .twinName = "BlindButton5",
                                    .twinRect = {520, 700, 160, 24}},
                                   [this] { close(); }));
}

TForm13::Card TForm13::makeCard(QWidget* parent, const QString& panel, const QString& picture,
                                const QString& topic, const QString& text, const QRect& place,
                                int textHeight, bool large) {
    // The show's cards are the larger ones: they are what goes on air.
    const QSize pictureSize = large ? QSize(120, 90) : QSize(80, 60);
    const int left = pictureSize.width() + 24;
    Card card;
    card.panel = Panel(parent, panel, place, PanelKind::Inset);
    card.picture = Picture(card.panel, picture, {{12, 12}, pictureSize}, {}, "News topic");
    card.picture->setScaledContents(true);
    card.topic = Text(card.panel, topic, "", {left, 10, place.width() - left - 10, 24},
                      large ? 13 : 11, Tone::Accent, true);
    card.text = Text(card.panel, text, "", {left, 36, place.width() - left - 10, textHeight},
                     large ? 12 : 10, Tone::Soft);
    card.text->setWordWrap(true);
    card.text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return card;
}

void TForm13::buildShow() {
    for (int p = 1; p <= kNewsShowPositions; ++p) {
        const QRect place(kShowLeft, kShowTop + (p - 1) * kShowPitch, kShowWidth, kShowPitch - 14);
        // The place behind the panel still takes a drop while the position is empty.
        QFrame* behind =
            Panel(this, QString("SelNewsDragRec%1_BehindPanel").arg(p), place, PanelKind::Inset);
        m_hints[p - 1] = Text(behind, QString("SelNewsHint%1").arg(p),
                              QString("%1. Empty slot").arg(p), behind->rect(), 12, Tone::Muted);
        m_hints[p - 1]->setAlignment(Qt::AlignCenter);
        Card card = makeCard(this, QString("SelNewsPanel%1").arg(p),
                             QString("SelNewsShape%1").arg(p), QString("SelNewsTopic_%1").arg(p),
                             QString("SelNewsText_%1").arg(p), place, place.height() - 42, true);
        const auto drop = [this](int from, int to) { selectNews(from, to); };
        for (QWidget* target :
             {static_cast<QWidget*>(behind), static_cast<QWidget*>(card.panel),
              static_cast<QWidget*>(card.picture), static_cast<QWidget*>(card.topic),
              static_cast<QWidget*>(card.text)})
            new DropArea(target, p, drop);
        m_show[p - 1] = card;
    }
}

void TForm13::buildOffers() {
    for (int o = 1; o <= kNewsOfferPositions; ++o) {
        const QRect place(kOfferLeft, kOfferTop + (o - 1) * kOfferPitch, kOfferWidth,
                          kOfferPitch - kOfferGap);
        Card card = makeCard(this, QString("NewsSlotPanel%1").arg(o),
                             QString("NewsSlotShape%1").arg(o), QString("NewsSlotTopic%1").arg(o),
                             QString("NewsSlotText%1").arg(o), place, place.height() - 40, false);
        card.chosen = Text(card.panel, QString("NewsSlotChosen%1").arg(o), "On the show",
                           {place.width() - 110, 10, 100, 22}, 10, Tone::Gain, true);
        card.chosen->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // One cover over the whole card starts the drag, wherever the player takes hold of it.
        auto* grip =
            new PictureLabel(card.panel, QString("NewsSlotDragRec%1").arg(o), card.panel->rect());
        grip->setCursor(Qt::OpenHandCursor);
        const auto picture = [this, o] {
            QFrame* panel = m_offers[o - 1].panel;
            return panel->isHidden() ? QPixmap() : panel->grab();
        };
        auto* source = new DragSource(grip, o, picture);
        source->setOnDroppedNowhere([this, o] { selectNews(o, kNoShowPosition); });
        m_offers[o - 1] = card;
    }
}

void TForm13::redraw() {
    const NewsAgencyView view = BuildNewsAgencyView(session().game(), session().catalogue());
    m_money->setText(Q(view.money));
    const bool blind = session().blindMode();
    const auto apply = [blind](Card& card, const NewsCard& news) {
        const bool visible = news.shown == NewsCard::Shown::Always ||
                             (blind && news.shown == NewsCard::Shown::BlindOnly);
        card.panel->setVisible(visible);
        card.topic->setText(Q(news.topic));
        card.text->setText(Q(news.text));
        card.picture->setPicture(Q(news.picture));
        card.picture->setVisible(!news.picture.empty());
        card.picture->setAccessibleName(Q(news.topic));
        card.picture->setAccessibleDescription(Q(news.text));
        card.panel->setAccessibleName(Q(news.topic));
        card.panel->raise();
        if (card.chosen) card.chosen->setVisible(news.inShow);
    };
    for (int p = 0; p < kNewsShowPositions; ++p) {
        apply(m_show[p], view.show[p]);
        m_hints[p]->setVisible(m_show[p].panel->isHidden());
    }
    for (int o = 0; o < kNewsOfferPositions; ++o)
        apply(m_offers[o], view.offers[o]);
}

void TForm13::selectNews(int offer, int position) {
    if (SelectNews(session().game(), offer, position) != NewsOutcome::Selected) return;
    session().tutorialHook(12);
    session().sounds().PlayClick();
    redraw();
}

void TForm13::buyNewsSet() {
    session().sounds().PlayClick();
    GameState& gs = session().game();
    // The purchase's dialogs come up where the tutorial window sits: it waits behind them.
    TForm28* tutorial = session().tutorial();
    if (tutorial) tutorial->hide();
    Act(session().dialogs(),
        {.check = [&gs] { return NewsAgencyMessage(CheckBuyNewsSet(gs)); },
         .question = [] { return BuyNewsSetQuestion(); },
         .apply = [&gs] { return NewsAgencyMessage(BuyNewsSet(gs)); }},
        [this] { redraw(); });
    if (tutorial) tutorial->showOver(this);
}

void TForm13::close() {
    session().tutorialHook(13);
    accept();
}

}  // namespace qvx::ui
