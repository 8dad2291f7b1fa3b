#include "Client_StockBroker.h"

#include <QFrame>
#include <QLabel>
#include <tuple>

#include "Act.h"
#include "CompanySwitch.h"
#include "OfficeView.h"
#include "ScreenKit.h"
#include "Session.h"
#include "StockBroker.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

constexpr int kPanelTop = 298;
constexpr int kPanelHeight = 384;
constexpr int kSharesLeft = 40;
constexpr int kBondsLeft = 522;
constexpr int kPanelWidth = 462;
constexpr int kRowTop = 60;
constexpr int kRowPitch = 40;
constexpr int kGroupGap = 14;
constexpr int kButtonsTop = 326;

constexpr int RowTop(int index) {
    return kRowTop + index * kRowPitch;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The refusals the disabled buttons already keep the player from: a handler reached anyway
// (a stale click, a test) does nothing rather than ask a question it must not.
bool PreventedByButtons(BrokerOutcome outcome) {
    return outcome == BrokerOutcome::CompanyInactive || outcome == BrokerOutcome::AlreadyTraded ||
           outcome == BrokerOutcome::NotOwnCompany;
}

Dialog Refused(const BrokerQuote& quote) {
    return BrokerMessage(quote.outcome);
}

}  // namespace

TForm15::TForm15(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm15", "QVX2_bg_screen.jpg") {
    Panel(this, "TopBar", {0, 0, 1024, 84}, PanelKind::Bar);
    Caption(this, "Label2", "Stock broker", {40, 20, 400, 44}, 20);
    m_money = Text(this, "MoneyLabel", "", {584, 24, 400, 36}, 16, Tone::Gain, true);
    m_money->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Panel(this, "SwitchPanel", {40, 100, 944, 72});
    m_switch = new CompanySwitch(session, this, {56, 116});
    m_switch->setOnChange([this](int) { redraw(); });

    Panel(this, "CompanyPanel", {40, 186, 944, 96});
    m_logo = Picture(this, "Image2", {56, 202, 64, 64}, QString(), "Company logo");
    m_name = Text(this, "CompanyLabel", "", {136, 196, 440, 34}, 17, Tone::Plain, true);
    m_bankrupt = Text(this, "Bankrupt_Label", "", {136, 234, 240, 30}, 14, Tone::Warning, true);
    m_note = Text(this, "TradeNote", "", {584, 198, 384, 72}, 11, Tone::Muted);
    m_note->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_note->setWordWrap(true);

    buildShares();
    buildBonds();

    setEscapeButton(ButtonWithTwin(*this, this,
                                   {.stem = "Button5",
                                    .text = "Close",
                                    .rect = {704, 700, 280, 44},
                                    .twinName = "BlindButton5",
                                    .twinRect = {520, 710, 160, 24}},
                                   [this] { accept(); }));
}

QLabel* TForm15::row(QWidget* panel, int top, const QString& caption, const QString& name) {
    Text(panel, name + "Caption", caption, {20, top, 200, 30}, 12, Tone::Muted);
    QLabel* value = Text(panel, name, "", {210, top, kPanelWidth - 230, 30}, 13, Tone::Plain, true);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return value;
}

std::pair<ImageButton*, ImageButton*> TForm15::tradeButtons(QWidget* panel, int first,
                                                            const QString& buyTrade,
                                                            const QString& sellTrade,
                                                            void (TForm15::*buy)(),
                                                            void (TForm15::*sell)()) {
    // "Buy" and "Sell" are short on the panel; the twins and the screen reader name the trade.
    const auto button = [&](int number, const char* text, const QString& trade, int left,
                            int twinTop, void (TForm15::*handler)()) {
        ImageButton* made = ButtonWithTwin(*this, panel,
                                           {.stem = QString("Button%1").arg(number),
                                            .text = text,
                                            .rect = {left, kButtonsTop, 140, 36},
                                            .twinName = QString("BlindButton%1").arg(number),
                                            .twinRect = {322, twinTop, 124, 22},
                                            .small = true,
                                            .twinText = trade},
                                           [this, handler] { (this->*handler)(); });
        made->setAccessibleName(trade);
        return made;
    };
    return {button(first, "Buy", buyTrade, 20, kButtonsTop - 6, buy),
            button(first + 1, "Sell", sellTrade, 170, kButtonsTop + 20, sell)};
}

void TForm15::buildShares() {
    QFrame* panel = Panel(this, "SharePanel", {kSharesLeft, kPanelTop, kPanelWidth, kPanelHeight});
    Caption(panel, "SharesCaption", "Shares", {20, 12, 300, 34}, 15);
    m_treasury = row(panel, RowTop(0), "Treasury:", "Label36");
    m_others = row(panel, RowTop(1), "Other:", "Label37");
    m_public = row(panel, RowTop(2), "Public:", "Label38");
    m_total = row(panel, RowTop(3), "Total:", "Label39");
    // A little room between the holdings and the prices.
    m_buyPrice = row(panel, RowTop(4) + kGroupGap, "Buy price per share:", "Label3");
    m_sellPrice = row(panel, RowTop(5) + kGroupGap, "Sell price per share:", "Label4");

    std::tie(m_buyShares, m_sellShares) = tradeButtons(panel, 1, "Buy shares", "Sell shares",
                                                       &TForm15::buyShares, &TForm15::sellShares);
}

void TForm15::buildBonds() {
    QFrame* panel = Panel(this, "BondPanel", {kBondsLeft, kPanelTop, kPanelWidth, kPanelHeight});
    Caption(panel, "BondsCaption", "Bonds", {20, 12, 300, 34}, 15);
    m_security = row(panel, RowTop(0), "Security:", "Label42");
    m_bonds = row(panel, RowTop(1), "Bonds:", "Label1");
    m_interest = row(panel, RowTop(2), "Interest rate:", "Label45");
    m_available = row(panel, RowTop(3), "Available bonds:", "Label48");
    m_tradeable = row(panel, RowTop(4), "Tradeable Quantity:", "Label46");
    auto* hint = Text(panel, "BondHint",
                      "Buy back or issue bonds of your own company, a quarter of its security "
                      "at a time.",
                      {20, RowTop(5) + kGroupGap, kPanelWidth - 40, 44}, 10, Tone::Muted);
    hint->setWordWrap(true);

    std::tie(m_buyBonds, m_sellBonds) = tradeButtons(panel, 3, "Buy back bonds", "Issue bonds",
                                                     &TForm15::buyBackBonds, &TForm15::issueBonds);
}

void TForm15::prepare() {
    const GameState& gs = session().game();
    if (m_switch->selected() == 0 && ValidChannel(gs.PlayerChannel))
        m_switch->select(gs.PlayerChannel);
    redraw();
}

int TForm15::selected() const {
    return m_switch->selected();
}

void TForm15::selectCompany(int c) {
    m_switch->choose(c);
}

void TForm15::redraw() {
    const GameState& gs = session().game();
    const int c = gs.PlayerChannel;
    const int t = selected();
    m_switch->refresh();
    if (!ValidChannel(c) || !ValidChannel(t)) {
        // No game yet: nothing to trade.
        for (ImageButton* button : {m_buyShares, m_sellShares, m_buyBonds, m_sellBonds})
            button->setEnabled(false);
        return;
    }
    const BrokerFigures figures = ComputeBrokerFigures(gs, c, t);
    const BrokerLabels labels = FormatBrokerLabels(figures);

    m_money->setText(Q(labels.money));
    const int32_t logo = gs.Channel[t][Ch::kLogo];
    m_logo->setPicture(Q(figures.bankrupt ? GreyLogoPicture(logo) : SmallLogoPicture(logo)));
    const QString name = Q(gs.ChannelNames[t]);
    SetFittedText(m_name, name);
    m_logo->setAccessibleName(name);
    m_bankrupt->setText(Q(labels.bankrupt));
    m_bankrupt->setVisible(figures.bankrupt);

    m_treasury->setText(Q(labels.treasury));
    m_others->setText(Q(labels.others));
    m_public->setText(Q(labels.publicShares));
    m_total->setText(Q(labels.total));
    m_buyPrice->setText(Q(labels.buyPrice));
    m_sellPrice->setText(Q(labels.sellPrice));
    m_security->setText(Q(labels.security));
    m_bonds->setText(Q(labels.bonds));
    m_interest->setText(Q(labels.interestRate));
    m_available->setText(Q(labels.availableBonds));
    m_available->setStyleSheet(
        ToneStyle(figures.availableBonds < 0 ? Tone::Warning : Tone::Plain, true));
    m_tradeable->setText(Q(labels.tradeable));

    const bool open = !figures.bankrupt;
    m_buyShares->setEnabled(open && figures.shareButtons);
    m_sellShares->setEnabled(open && figures.shareButtons);
    m_buyBonds->setEnabled(open && figures.bondButtons);
    m_sellBonds->setEnabled(open && figures.bondButtons);

    QString note;
    if (figures.bankrupt)
        note = "This company is out of business: its shares are no longer traded.";
    else if (StockTradedThisTurn(gs, c))
        note =
            "You have made this month's stock market transaction. The market opens again "
            "for you next month.";
    else
        note = "Shares are traded in blocks of 10%. One stock market transaction a month.";
    m_note->setText(note);
}

void TForm15::buyShares() {
    GameState& gs = session().game();
    const int c = gs.PlayerChannel;
    const int t = selected();
    if (PreventedByButtons(CheckBuyShares(gs, c, t).outcome)) return;
    Act(session().dialogs(),
        {.check = [&gs, c, t] { return Refused(CheckBuyShares(gs, c, t)); },
         .question =
             [&gs, c, t] {
                 return Dialog{kBuyOfferTitle, BuyOfferText(CheckBuyShares(gs, c, t))};
             },
         .apply =
             [&gs, c, t] {
                 const BrokerQuote done = BuyShares(gs, c, t);
                 if (done.boughtOut) return Dialog{kBuyOutTitle, BuyOutText(gs, t)};
                 return Refused(done);
             }},
        [this] { redraw(); });
}

void TForm15::sellShares() {
    GameState& gs = session().game();
    const int c = gs.PlayerChannel;
    const int t = selected();
    if (PreventedByButtons(CheckSellShares(gs, c, t).outcome)) return;
    Act(session().dialogs(),
        {.check = [&gs, c, t] { return Refused(CheckSellShares(gs, c, t)); },
         .question =
             [&gs, c, t] {
                 return Dialog{kSellOfferTitle, SellOfferText(CheckSellShares(gs, c, t))};
             },
         .apply = [&gs, c, t] { return Refused(SellShares(gs, c, t)); }},
        [this] { redraw(); });
}

void TForm15::buyBackBonds() {
    GameState& gs = session().game();
    const int c = gs.PlayerChannel;
    const int t = selected();
    if (PreventedByButtons(CheckBuyBackBonds(gs, c, t).outcome)) return;
    // Bonds change hands without a question.
    Act(session().dialogs(),
        {.check = [&gs, c, t] { return Refused(CheckBuyBackBonds(gs, c, t)); },
         .question = nullptr,
         .apply = [&gs, c, t] { return Refused(BuyBackBonds(gs, c, t)); }},
        [this] { redraw(); });
}

void TForm15::issueBonds() {
    GameState& gs = session().game();
    const int c = gs.PlayerChannel;
    const int t = selected();
    if (PreventedByButtons(CheckIssueBonds(gs, c, t).outcome)) return;
    Act(session().dialogs(),
        {.check = [&gs, c, t] { return Refused(CheckIssueBonds(gs, c, t)); },
         .question = nullptr,
         .apply = [&gs, c, t] { return Refused(IssueBonds(gs, c, t)); }},
        [this] { redraw(); });
}

}  // namespace qvx::ui
