#include "Client_Statistics.h"

#include <QFrame>
#include <QLabel>

#include "CompanySwitch.h"
#include "HistoryChart.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "StatisticsView.h"
#include "ViewerVoice.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

constexpr int kTabTop = 254;
constexpr int kTabWidth = 200;
constexpr int kTabPitch = 204;
constexpr int kTabHeight = 39;
constexpr QRect kPagePlace{40, 292, 944, 392};

constexpr const char* kBalanceCaptions[kBalanceLines] = {
    "Operating Funds", "Treasury stock",       "Other stock",
    "TV equipment",    "Broadcasting license", "Movie licenses",
    "Bonds",           "Stockholders Equity",  "Profit"};
constexpr const char* kIncomeCaptions[kIncomeLines] = {
    "Advertisements",     "Other revenues",     "Bond fees",      "TV station setup",
    "TV station monthly", "Movie license fees", "Other expenses", "Net revenue"};

// Population, quote and face of Kids .. Seniors.
struct GroupLabels {
    const char* group;
    const char* population;
    const char* quote;
};
constexpr GroupLabels kGroups[kAudienceGroups] = {{"Kids", "Label55", "Label75"},
                                                  {"Teens", "Label43", "Label65"},
                                                  {"Women", "Label58", "Label66"},
                                                  {"Men", "Label56", "Label57"},
                                                  {"Seniors", "Label59", "Label60"}};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A page of figures: a caption and its right-aligned amount per line, the last line the total
// under a rule.
template <size_t N>
void FigureRows(QFrame* page, const char* const (&captions)[N], const char* stem,
                std::array<QLabel*, N>& values) {
    constexpr int kTop = 24;
    constexpr int kPitch = 38;
    for (size_t i = 0; i < N; ++i) {
        const bool total = i + 1 == N;
        const int top = kTop + static_cast<int>(i) * kPitch + (total ? 12 : 0);
        if (total) {
            auto* rule = new QFrame(page);
            rule->setObjectName(QString("%1Rule").arg(stem));
            rule->setGeometry(48, top - 8, 848, 1);
            rule->setStyleSheet(QString("background: %1;").arg(palette::kLine));
        }
        const int n = static_cast<int>(i) + 1;
        Text(page, QString("%1Caption%2").arg(stem).arg(n), captions[i], {48, top, 420, 30},
             total ? 15 : 14, total ? Tone::Accent : Tone::Soft, total);
        QLabel* value = Text(page, QString("%1Text%2").arg(stem).arg(n), "", {480, top, 416, 30},
                             total ? 16 : 14, Tone::Plain, true);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        values[i] = value;
    }
}

}  // namespace

TForm17::TForm17(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm17", "QVX2_bg_screen.jpg") {
    Panel(this, "TopBar", {0, 0, 1024, 72}, PanelKind::Bar);
    Caption(this, "Label1", "Statistics", {40, 16, 400, 40}, 20);

    Panel(this, "SwitchPanel", {40, 84, 944, 64});
    m_switch = new CompanySwitch(session, this, {56, 96});
    m_switch->setOnChange([this](int) { redraw(); });
    buildHeader();

    addPage("Panel1", "Balance sheet", buildBalancePage(), [this](int c) { drawBalance(c); });
    addPage("Panel2", "Income statement", buildIncomePage(), [this](int c) { drawIncome(c); });
    addPage("Panel3", "Audience popularity", buildAudiencePage(),
            [this](int c) { drawAudience(c); });
    addPage("Panel4", "History", buildHistoryPage(),
            [this](int) { m_history->setFromGame(this->session().game()); });

    setEscapeButton(ButtonWithTwin(*this, this,
                                   {.stem = "Button1",
                                    .text = "Back",
                                    .rect = {704, 700, 280, 44},
                                    .twinName = "BlindButton1",
                                    .twinRect = {520, 710, 160, 24}},
                                   [this] { accept(); }));
    showOpenPage();
}

QRect TForm17::pagePlace() {
    return kPagePlace;
}

void TForm17::buildHeader() {
    Panel(this, "HeaderPanel", {40, 160, 944, 80});
    m_logo = Picture(this, "Image1", {56, 168, 64, 64}, QString(), "Company logo");
    m_name = Text(this, "Label7", "", {136, 166, 420, 34}, 17, Tone::Plain, true);
    m_bankrupt =
        Text(this, "Bankrupt_Label", "BANKRUPT", {136, 202, 240, 30}, 14, Tone::Warning, true);
    Text(this, "Label9", "Funds:", {584, 170, 140, 28}, 12, Tone::Muted);
    m_funds = Text(this, "Label10", "", {700, 170, 268, 28}, 14, Tone::Plain, true);
    m_funds->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text(this, "Label11", "Regional licenses:", {584, 204, 200, 28}, 12, Tone::Muted);
    m_licences = Text(this, "Label12", "", {780, 204, 188, 28}, 14, Tone::Plain, true);
    m_licences->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QFrame* TForm17::buildBalancePage() {
    QFrame* page = Panel(this, "BalancePage", kPagePlace, PanelKind::Tabbed);
    FigureRows(page, kBalanceCaptions, "BS_", m_balance);
    return page;
}

QFrame* TForm17::buildIncomePage() {
    QFrame* page = Panel(this, "IncomePage", kPagePlace, PanelKind::Tabbed);
    FigureRows(page, kIncomeCaptions, "IS_", m_income);
    return page;
}

QFrame* TForm17::buildAudiencePage() {
    QFrame* page = Panel(this, "AudiencePage", kPagePlace, PanelKind::Tabbed);
    constexpr int kTop = 14;
    constexpr int kPitch = 74;
    for (int g = 0; g < kAudienceGroups; ++g) {
        const int top = kTop + g * kPitch;
        const GroupLabels& names = kGroups[g];
        auto* box =
            Panel(page, QString("FaceBox%1").arg(g + 1), {20, top, 68, 68}, PanelKind::Inset);
        m_faces[static_cast<size_t>(g)] = Picture(box, QString("Face%1").arg(g + 1), {2, 2, 64, 64},
                                                  QString(), QString("%1 viewer").arg(names.group));
        Text(page, QString("GroupCaption%1").arg(g + 1), names.group, {104, top + 4, 200, 26}, 14,
             Tone::Accent, true);
        m_population[static_cast<size_t>(g)] =
            Text(page, names.population, "", {104, top + 34, 220, 24}, 12, Tone::Muted);
        QLabel* quote = Text(page, names.quote, "", {336, top, 588, 68}, 13, Tone::Soft);
        quote->setWordWrap(true);
        m_quotes[static_cast<size_t>(g)] = quote;
    }
    return page;
}

QFrame* TForm17::buildHistoryPage() {
    QFrame* page = Panel(this, "HistoryPage", kPagePlace, PanelKind::Tabbed);
    // Every company's line at once: the chart does not follow the switch.
    m_history = new HistoryChart(page);
    m_history->setObjectName("HistoryChart");
    m_history->setGeometry(page->rect().adjusted(8, 8, -8, -8));
    return page;
}

void TForm17::addPage(const QString& tabName, const QString& text, QWidget* panel,
                      std::function<void(int company)> draw) {
    const int index = static_cast<int>(m_pages.size());
    const QRect place(kPagePlace.left() + index * kTabPitch, kTabTop, kTabWidth, kTabHeight);
    Page page{tabName, text, panel, std::move(draw)};
    page.tab = Tab(this, tabName, text, place, false);
    page.litTab = Tab(this, tabName + "Lit", text, place, true);
    // The twin lies over its tab, as every blind twin lies over what it stands for.
    page.twin =
        new BlindLabel(session(), this, "Blind" + tabName, text, place.adjusted(8, 8, -8, -8));
    for (PictureLabel* sender : {page.tab, page.litTab})
        connect(sender, &PictureLabel::clicked, this, [this, index] { choosePage(index); });
    connect(page.twin, &BlindLabel::clicked, this, [this, index] { choosePage(index); });
    panel->setGeometry(kPagePlace);
    m_pages.push_back(std::move(page));
    showOpenPage();
}

void TForm17::choosePage(int page) {
    if (page < 0 || page >= static_cast<int>(m_pages.size()) || page == m_open) return;
    session().sounds().PlayClick();
    m_open = page;
    showOpenPage();
    if (ValidChannel(selected())) m_pages[static_cast<size_t>(page)].draw(selected());
}

void TForm17::showOpenPage() {
    for (int i = 0; i < static_cast<int>(m_pages.size()); ++i) {
        const Page& page = m_pages[static_cast<size_t>(i)];
        const bool open = i == m_open;
        page.panel->setVisible(open);
        page.litTab->setVisible(open);
        if (open) {
            page.panel->raise();
            page.litTab->raise();
        }
        page.twin->raise();
    }
}

void TForm17::prepare() {
    const GameState& gs = session().game();
    if (m_switch->selected() == 0 && ValidChannel(gs.PlayerChannel))
        m_switch->select(gs.PlayerChannel);
    redraw();
}

int TForm17::selected() const {
    return m_switch->selected();
}

void TForm17::selectCompany(int c) {
    m_switch->choose(c);
}

void TForm17::redraw() {
    m_switch->refresh();
    const int c = selected();
    if (!ValidChannel(c)) return;
    const StatisticsHeader header = BuildStatisticsHeader(session().game(), c);
    const QString name = Q(header.name);
    SetFittedText(m_name, name);
    m_logo->setPicture(Q(header.logoPicture));
    m_logo->setAccessibleName(header.bankrupt ? name + ", bankrupt" : name);
    m_bankrupt->setVisible(header.bankrupt);
    m_funds->setText(Q(header.funds));
    m_licences->setText(Q(header.licences));
    if (m_open >= 0 && m_open < static_cast<int>(m_pages.size()))
        m_pages[static_cast<size_t>(m_open)].draw(c);
}

void TForm17::drawBalance(int company) {
    const BalanceSheet sheet = BuildBalanceSheet(session().game(), session().catalogue(), company);
    for (size_t i = 0; i < m_balance.size(); ++i)
        m_balance[i]->setText(Q(sheet.texts[i]));
    m_balance.back()->setStyleSheet(
        ToneStyle(sheet.amounts.back() < 0 ? Tone::Warning : Tone::Plain, true));
}

void TForm17::drawIncome(int company) {
    const IncomeStatement statement = BuildIncomeStatement(session().game(), company);
    for (size_t i = 0; i < m_income.size(); ++i)
        m_income[i]->setText(Q(statement.texts[i]));
    const int64_t net = statement.amounts.back();
    m_income.back()->setStyleSheet(
        ToneStyle(net < 0 ? Tone::Warning : (net > 0 ? Tone::Gain : Tone::Plain), true));
}

void TForm17::drawAudience(int company) {
    const GameState& gs = session().game();
    for (int g = 1; g <= kAudienceGroups; ++g) {
        const ViewerVoice voice = ViewerVoiceOf(gs, company, g);
        const auto i = static_cast<size_t>(g - 1);
        m_population[i]->setText(Q(voice.populationText));
        m_quotes[i]->setText(Q(voice.quote));
        m_quotes[i]->setAccessibleName(Q(voice.quote));
        m_faces[i]->setPicture(Q(voice.facePicture));
    }
}

}  // namespace qvx::ui
