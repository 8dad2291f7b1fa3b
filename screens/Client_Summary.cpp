#include "Client_Summary.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QStringList>

#include "DaySummary.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

constexpr const char* kSwitchTexts[kChannels] = {
    "Switch to Red channel", "Switch to Yellow channel", "Switch to Green channel",
    "Switch to Blue channel"};

constexpr QRect kPanelPlace{40, 144, 944, 526};
constexpr int kBubbleLeft = 770;
constexpr int kBubblePitch = 56;

QLabel* MakeFigureCaption(QWidget* parent, const QString& name, const QString& text, int y) {
    return Text(parent, name, text, {32, y, 300, 36}, 14, Tone::Muted);
}

}  // namespace

TForm12::TForm12(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm12", "QVX2_bg_summary.jpg") {
    buildHeader();
    buildInfoPanel();
    buildLogPanel();
    buildTabs();

    setEscapeButton(ButtonWithTwin(
        *this, this, {"Button1", "Close", {724, 690, 280, 44}, "BlindButton1", {40, 700, 180, 24}},
        [this] { accept(); }));
    showInfo();
}

void TForm12::buildHeader() {
    m_title = Text(this, "Label18", "", {40, 24, 700, 44}, 22, Tone::Plain, true);
    // The selected company's bubble sits in a ring of its colour.
    m_bubbleRing = new QLabel(this);
    m_bubbleRing->setObjectName("BubbleRing");
    m_bubbleRing->resize(52, 52);
    for (int c = 1; c <= kChannels; ++c) {
        const QRect place(kBubbleLeft + (c - 1) * kBubblePitch, 26, 40, 40);
        auto* bubble = new PictureLabel(this, QString("Bubble%1").arg(c), place);
        bubble->setPicture(QString("QVX2_bubble%1.jpg").arg(c));
        bubble->setAccessibleName(kSwitchTexts[c - 1]);
        bubble->setToolTip(kSwitchTexts[c - 1]);
        bubble->setCursor(Qt::PointingHandCursor);
        m_bubbles[c - 1] = bubble;
        auto* blind = new BlindLabel(session(), this, QString("BlindBubble%1").arg(c),
                                     kSwitchTexts[c - 1], {40 + (c - 1) * 236, 76, 230, 22});
        auto pick = [this, c] {
            session().sounds().PlayClick();
            redraw(c);
        };
        connect(bubble, &PictureLabel::clicked, this, pick);
        connect(blind, &BlindLabel::clicked, this, pick);
    }
}

void TForm12::buildInfoPanel() {
    m_info = Panel(this, "Panel1", kPanelPlace, PanelKind::Tabbed);
    m_infoTitle = Text(m_info, "Label22", "", {32, 24, 880, 36}, 18, Tone::Plain, true);
    m_logo = new PictureLabel(m_info, "Image1", {32, 84, 96, 96});
    m_bankrupt =
        Text(m_info, "Bankrupt_Label", "BANKRUPT", {156, 112, 400, 44}, 24, Tone::Warning, true);

    auto* line = new QFrame(m_info);
    line->setObjectName("InfoRule");
    line->setGeometry(32, 210, 880, 1);
    line->setStyleSheet(QString("background: %1;").arg(palette::kLine));
    MakeFigureCaption(m_info, "Label23", "Operational funds:", 236);
    m_funds = Text(m_info, "Label24", "", {340, 232, 540, 44}, 20, Tone::Plain, true);
    MakeFigureCaption(m_info, "Label25", "Net revenue:", 296);
    m_netRevenue = Text(m_info, "Label26", "", {340, 292, 540, 44}, 20, Tone::Plain, true);
}

void TForm12::buildLogPanel() {
    m_log = Panel(this, "Panel2", kPanelPlace, PanelKind::Tabbed);
    m_logTitle = Text(m_log, "Label7", "", {32, 24, 880, 36}, 18, Tone::Plain, true);
    m_memo = new QPlainTextEdit(m_log);
    m_memo->setObjectName("Memo1");
    m_memo->setGeometry(32, 76, 880, 420);
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_memo->setAccessibleName("Game log");
    m_memo->setStyleSheet("QPlainTextEdit { padding: 6px; }");
}

void TForm12::buildTabs() {
    const char* names[2][2] = {{"Image2", "Image8"}, {"Image3", "Image9"}};
    const char* texts[2] = {"Info", "Game log"};
    for (int t = 0; t < 2; ++t) {
        const QRect place(40 + t * 174, 106, 170, 39);
        auto* tab = Tab(this, names[t][0], texts[t], place, false);
        auto* lit = Tab(this, names[t][1], texts[t], place, true);
        m_tabs[t] = tab;
        m_litTabs[t] = lit;
        for (PictureLabel* sender : {tab, lit}) {
            connect(sender, &PictureLabel::clicked, this, [this, t] {
                session().sounds().PlayClick();
                t == 0 ? showInfo() : showGameLog();
            });
        }
    }
}

void TForm12::showInfo() {
    m_info->show();
    m_log->hide();
    m_litTabs[0]->show();
    m_litTabs[0]->raise();
    m_litTabs[1]->hide();
}

void TForm12::showGameLog() {
    m_log->show();
    m_info->hide();
    m_litTabs[1]->show();
    m_litTabs[1]->raise();
    m_litTabs[0]->hide();
}

bool TForm12::infoShown() const {
    return !m_info->isHidden();
}

void TForm12::redraw(int company) {
    if (company < 1 || company > kChannels) return;
    m_company = company;
    const GameState& gs = session().game();
    const DaySummary summary = BuildDaySummary(gs, company);

    m_title->setText(QString::fromStdString(summary.title));
    m_infoTitle->setText(QString::fromStdString(summary.infoTitle));
    m_logTitle->setText(QString::fromStdString(summary.logTitle));
    m_logo->setPicture(QString::fromStdString(summary.logoPicture));
    m_logo->setAccessibleName(QString::fromStdString(gs.ChannelNames[company]));
    m_bankrupt->setVisible(summary.bankrupt);
    m_funds->setText(QString::fromStdString(summary.funds));
    m_netRevenue->setText(QString::fromStdString(summary.netRevenue));
    Tone revenue = Tone::Plain;
    if (!summary.bankrupt) revenue = NetRevenue(gs, company) < 0 ? Tone::Warning : Tone::Gain;
    m_netRevenue->setStyleSheet(ToneStyle(revenue, true));

    QStringList lines;
    for (const std::string& line : summary.log)
        lines << QString::fromStdString(line);
    m_memo->setPlainText(lines.join('\n'));

    const QRect bubble = m_bubbles[company - 1]->geometry();
    m_bubbleRing->move(bubble.topLeft() - QPoint(6, 6));
    m_bubbleRing->setStyleSheet(
        QString("background: transparent; border: 3px solid %1; border-radius: 10px;")
            .arg(palette::kChannels[company - 1]));
    m_bubbleRing->lower();
    backgroundPicture()->lower();
}

void TForm12::showFor(int company) {
    redraw(company);
    showInfo();
    run();
}

void TForm12::done(int result) {
    ClearGameLogs(session().game());
    GameScreen::done(result);
}

}  // namespace qvx::ui
