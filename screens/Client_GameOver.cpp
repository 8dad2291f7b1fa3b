#include "Client_GameOver.h"

#include <QFrame>

#include "ResultsView.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

constexpr int kRankLeft = 520;
constexpr int kRankWidth = 464;
constexpr int kRunnerTop = 272;
constexpr int kRunnerPitch = 112;
constexpr int kRunnerLogo = 64;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Value label and "millions" label of second, third and last.
struct RunnerNames {
    const char* caption;
    const char* value;
    const char* millions;
};
constexpr RunnerNames kRunners[] = {
    {"2nd place", "Label4", "Label1"},
    {"3rd place", "Label12", "Label7"},
    {"Last place", "Label14", "Label11"},
};

}  // namespace

TForm20::TForm20(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm20", "QVX2_bg_screen.jpg") {
    Caption(this, "GameOverCaption", "Game over", {40, 20, 600, 44}, 24);

    QFrame* scenario = Panel(this, "ScenarioPanel", {40, 80, 460, 580});
    m_title = Text(scenario, "Label5", "", {16, 12, 428, 32}, 16, Tone::Plain, true);
    m_picture = Picture(scenario, "Image1", {16, 52, 320, 240}, {}, "Scenario map");
    m_picture->setScaledContents(true);
    m_goal = Text(scenario, "Label10", "", {16, 302, 428, 28}, 13, Tone::Accent, true);
    m_description = Text(scenario, "Label6", "", {16, 338, 428, 228}, 11, Tone::Soft);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QFrame* ranking = Panel(this, "RankingPanel", {kRankLeft, 80, kRankWidth, 580});
    Caption(ranking, "WinnerCaption", "Winner", {16, 12, 200, 28}, 15);
    PlaceView& winner = m_places[0];
    winner.logo = Picture(ranking, "Image2", {16, 48, 128, 128}, {}, "Winner's logo");
    winner.logo->setScaledContents(true);
    m_winnerName = Text(ranking, "Label9", "", {160, 56, 288, 36}, 18, Tone::Plain, true);
    winner.value = Text(ranking, "Label3", "", {160, 100, 288, 32}, 16, Tone::Gain, true);
    winner.colour = new BlindLabel(session, ranking, "BlindLabel1", "", {160, 144, 200, 22}, false);

    auto* rule = new QFrame(ranking);
    rule->setObjectName("RankingRule");
    rule->setGeometry(16, 196, kRankWidth - 32, 2);
    rule->setStyleSheet(QString("background: %1;").arg(palette::kLine));

    for (int p = 1; p <= 3; ++p) {
        const RunnerNames& names = kRunners[p - 1];
        const int top = kRunnerTop + (p - 1) * kRunnerPitch - 60;
        PlaceView& place = m_places[static_cast<size_t>(p)];
        Caption(ranking, QString("PlaceCaption%1").arg(p + 1), names.caption, {16, top, 200, 26},
                13);
        place.logo = Picture(ranking, QString("Image%1").arg(p + 2),
                             {16, top + 32, kRunnerLogo, kRunnerLogo}, {}, "Company logo");
        place.logo->setScaledContents(true);
        place.value =
            Text(ranking, names.value, "", {96, top + 48, 240, 32}, 15, Tone::Plain, true);
        place.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place.millions =
            Text(ranking, names.millions, "millions", {344, top + 48, 104, 32}, 15, Tone::Soft);
        place.colour = new BlindLabel(session, ranking, QString("BlindLabel%1").arg(p + 1), "",
                                      {96, top + 4, 200, 22}, false);
    }

    setEscapeButton(ButtonWithTwin(*this, this,
                                   {.stem = "Button1",
                                    .text = "Continue",
                                    .rect = {764, 690, 220, 44},
                                    .twinName = "BlindButton1",
                                    .twinRect = {540, 700, 200, 24}},
                                   [this] { accept(); }));
    // The texts for blind players stay hidden on this screen whatever the switch says; the
    // pictures and the button carry what a screen reader needs.
    if (auto* twin = findChild<BlindLabel*>("BlindButton1")) {
        disconnect(&session, nullptr, twin, nullptr);
        twin->hide();
    }
}

void TForm20::prepare() {
    const GameOverView view = BuildGameOverView(session().game(), session().catalogue());
    m_title->setText(Q(view.title));
    m_description->setText(Q(view.description));
    m_goal->setText(Q(view.goal));
    m_picture->setPicture(Q(view.picture));
    m_picture->setVisible(!view.picture.empty());
    SetFittedText(m_winnerName, Q(view.winnerName));
    for (size_t p = 0; p < m_places.size(); ++p) {
        const GameOverPlace& shown = view.places[p];
        PlaceView& place = m_places[p];
        const bool taken = shown.channel != 0;
        place.logo->setVisible(taken);
        if (taken) place.logo->setPicture(Q(shown.logoPicture));
        place.value->setText(p == 0 ? Q(view.winnerValue) : Q(shown.value));
        place.value->setStyleSheet(ToneStyle(shown.bankrupt ? Tone::Warning : Tone::Gain, true));
        if (place.millions) place.millions->setVisible(taken && !shown.bankrupt);
        place.colour->setText(Q(shown.colourText));
        place.logo->setAccessibleName(Q(shown.colourText));
        place.logo->setAccessibleDescription(place.value->text());
    }
}

}  // namespace qvx::ui
