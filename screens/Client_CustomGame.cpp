#include "Client_CustomGame.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <algorithm>
#include <iterator>

#include "Scenarios.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

enum Row { kDifficultyRow, kTurnsRow, kCompetitorsRow, kStartRow, kPopulationRow };

constexpr int kRowTop = 96;
constexpr int kRowPitch = 70;

}  // namespace

TForm25::TForm25(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm25", "QVX2_bg_custom.jpg") {
    QFrame* panel = Panel(this, "SettingsPanel", {212, 110, 600, 470});
    Caption(panel, "Label1", "Custom game", {32, 20, 536, 34}, 18);
    Text(panel, "Label2", "Set up the game to your liking.", {32, 56, 536, 24}, 11, Tone::Soft);

    QStringList turns;
    for (const int32_t t : kCustomTurnChoices)
        turns << QString::number(t);
    addSetting(panel, kDifficultyRow, "Difficulty", {"Normal", "Expert"});
    addSetting(panel, kTurnsRow, "Number of turns", turns);
    addSetting(panel, kCompetitorsRow, "Competitors",
               {"3 competitors", "2 competitors", "1 competitor", "No competitors"});
    addSetting(panel, kStartRow, "Start", {"Early beginnings", "Late game"});
    addSetting(panel, kPopulationRow, "Population",
               {"None", "Random population", "More young people", "More adults"});
    // No choice in the turn list is a choice too: the game then lasts 120 turns.
    m_lists[kTurnsRow]->setPlaceholderText(QString::number(kDefaultCustomTurns));

    ButtonWithTwin(*this, this,
                   {"Button1", "Continue", {724, 690, 280, 44}, "BlindButton1", {20, 700, 180, 24}},
                   [this] { accept(); });
    prepare();
}

void TForm25::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    GameScreen::keyPressEvent(event);
}

QComboBox* TForm25::addSetting(QWidget* panel, int row, const QString& caption,
                               const QStringList& entries) {
    const int y = kRowTop + row * kRowPitch;
    Text(panel, QString("Caption%1").arg(row + 1), caption, {32, y + 6, 200, 26}, 12, Tone::Plain,
         true);
    auto* list = new QComboBox(panel);
    list->setObjectName(QString("ComboBox%1").arg(row + 1));
    list->setGeometry(240, y, 328, 38);
    list->addItems(entries);
    list->setAccessibleName(caption);
    m_lists[row] = list;
    m_captions[row] = caption;
    m_blindStates[row] = new BlindLabel(session(), panel, QString("BlindLabel%1").arg(row + 1), "",
                                        {240, y + 41, 328, 22});
    connect(list, &QComboBox::currentIndexChanged, this, [this, row] { showBlindState(row); });
    return list;
}

void TForm25::prepare() {
    for (QComboBox* list : m_lists)
        list->setCurrentIndex(0);
    m_lists[kTurnsRow]->setCurrentIndex(-1);
    for (int row = 0; row < static_cast<int>(m_lists.size()); ++row)
        showBlindState(row);
}

void TForm25::showBlindState(int row) {
    const QComboBox* list = m_lists[row];
    const QString value = list->currentIndex() < 0 ? list->placeholderText() : list->currentText();
    const QString text = m_captions[row] + ": " + value;
    m_blindStates[row]->setText(text);
    m_blindStates[row]->setAccessibleName(text);
}

CustomSettings TForm25::settings() const {
    CustomSettings chosen;
    const int turns = m_lists[kTurnsRow]->currentIndex();
    chosen.turns = turns >= 0 && turns < static_cast<int>(std::size(kCustomTurnChoices))
                       ? kCustomTurnChoices[turns]
                       : kDefaultCustomTurns;
    chosen.difficulty =
        m_lists[kDifficultyRow]->currentIndex() == 1 ? Difficulty::Expert : Difficulty::Normal;
    // The list counts down from three competitors.
    chosen.competitors = 3 - std::max(0, m_lists[kCompetitorsRow]->currentIndex());
    chosen.start =
        m_lists[kStartRow]->currentIndex() == 1 ? StartMode::LateGame : StartMode::EarlyBeginnings;
    switch (m_lists[kPopulationRow]->currentIndex()) {
        case 1:
            chosen.population = PopulationMode::Random;
            break;
        case 2:
            chosen.population = PopulationMode::MoreYoungPeople;
            break;
        case 3:
            chosen.population = PopulationMode::MoreAdults;
            break;
        default:
            chosen.population = PopulationMode::None;
    }
    return chosen;
}

}  // namespace qvx::ui
