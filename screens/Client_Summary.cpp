#include "Client_Summary.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QStringList>

#include "DaySummary.h"
#include "Session.h"
#include "Sounds.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

constexpr const char* kSwitchTexts[kChannels] = {
    "Switch to Red channel", "Switch to Yellow channel", "Switch to Green channel",
    "Switch to Blue channel"};
constexpr const char* kChannelColours[kChannels] = {"#e63946", "#ffb703", "#2a9d8f", "#219ebc"};

constexpr QRect kPanelPlace{40, 144, 944, 526};
constexpr int kBubbleLeft = 770;
constexpr int kBubblePitch = 56;

QString PanelStyle(const QString& name) {
    return QString(
               "QFrame#%1 { background: rgba(17, 28, 46, 235); border: 1px solid #778da9;"
               " border-top-right-radius: 10px; border-bottom-left-radius: 10px;"
               " border-bottom-right-radius: 10px; }")
        .arg(name);
}

QLabel* MakeFigureCaption(QWidget* parent, const QString& name, const QString& text, int y) {
    QLabel* caption = MakeLabel(parent, name, text, {32, y, 300, 36}, 14);
    caption->setStyleSheet("color: #a9b8cc; background: transparent;");
    return caption;
}

}  // namespace

TForm12::TForm12(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm12", "QVX2_bg_summary.jpg") {
    buildHeader();
    buildInfoPanel();
    buildLogPanel();
    buildTabs();

    auto* close = new ImageButton(session, this, "Button1", "Close", {724, 690, 280, 44});
    connect(close, &ImageButton::clicked, this, &QDialog::accept);
    auto* blindClose = new BlindLabel(session, this, "BlindButton1", "Close", {40, 700, 180, 24});
    connect(blindClose, &BlindLabel::clicked, this, [this] {
        this->session().sounds().PlayClick();
        accept();
    });
    showInfo();
}

void TForm12::buildHeader() {
    m_title = MakeLabel(this, "Label18", "", {40, 24, 700, 44}, 22, true);
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
    m_info = new QFrame(this);
    m_info->setObjectName("Panel1");
    m_info->setGeometry(kPanelPlace);
    m_info->setStyleSheet(PanelStyle("Panel1"));
    m_infoTitle = MakeLabel(m_info, "Label22", "", {32, 24, 880, 36}, 18, true);
    m_logo = new PictureLabel(m_info, "Image1", {32, 84, 96, 96});
    m_bankrupt = MakeLabel(m_info, "Bankrupt_Label", "BANKRUPT", {156, 112, 400, 44}, 24, true);
    m_bankrupt->setStyleSheet("color: #ff4d5a; background: transparent;");

    auto* line = new QFrame(m_info);
    line->setObjectName("InfoRule");
    line->setGeometry(32, 210, 880, 1);
    line->setStyleSheet("background: #415a77;");
    MakeFigureCaption(m_info, "Label23", "Operational funds:", 236);
    m_funds = MakeLabel(m_info, "Label24", "", {340, 232, 540, 44}, 20, true);
    MakeFigureCaption(m_info, "Label25", "Net revenue:", 296);
    m_netRevenue = MakeLabel(m_info, "Label26", "", {340, 292, 540, 44}, 20, true);
}

void TForm12::buildLogPanel() {
    m_log = new QFrame(this);
    m_log->setObjectName("Panel2");
    m_log->setGeometry(kPanelPlace);
    m_log->setStyleSheet(PanelStyle("Panel2"));
    m_logTitle = MakeLabel(m_log, "Label7", "", {32, 24, 880, 36}, 18, true);
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
        auto* tab = new PictureLabel(this, names[t][0], place);
        tab->setText(texts[t]);
        tab->setAlignment(Qt::AlignCenter);
        tab->setCursor(Qt::PointingHandCursor);
        tab->setAccessibleName(texts[t]);
        tab->setStyleSheet(
            "color: #a9b8cc; background: #1b263b; border: 1px solid #415a77;"
            " border-top-left-radius: 8px; border-top-right-radius: 8px;");
        // The lit tab covers the panel's top edge, so that tab and panel read as one piece.
        auto* lit = new PictureLabel(this, names[t][1], place.adjusted(0, 0, 0, 1));
        lit->setText(texts[t]);
        lit->setAlignment(Qt::AlignCenter);
        lit->setAccessibleName(texts[t]);
        lit->setStyleSheet(
            "color: white; font-weight: bold; background: rgb(17, 28, 46);"
            " border: 1px solid #778da9; border-bottom: none; border-top: 3px solid #ffb703;"
            " border-top-left-radius: 8px; border-top-right-radius: 8px;");
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
    const char* colour = "white";
    if (!summary.bankrupt) colour = NetRevenue(gs, company) < 0 ? "#ff4d5a" : "#8ee6a0";
    m_netRevenue->setStyleSheet(QString("color: %1; background: transparent;").arg(colour));

    QStringList lines;
    for (const std::string& line : summary.log)
        lines << QString::fromStdString(line);
    m_memo->setPlainText(lines.join('\n'));

    const QRect bubble = m_bubbles[company - 1]->geometry();
    m_bubbleRing->move(bubble.topLeft() - QPoint(6, 6));
    m_bubbleRing->setStyleSheet(
        QString("background: transparent; border: 3px solid %1; border-radius: 10px;")
            .arg(kChannelColours[company - 1]));
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
