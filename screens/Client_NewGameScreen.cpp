#include "Client_NewGameScreen.h"

#include <QFrame>
#include <QLineEdit>

#include "Boosters.h"
#include "DialogService.h"
#include "Scenarios.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Tutorial.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

constexpr const char* kNamePrompt = "Please give your TV company a meaningful name:";
constexpr const char* kExpertTitle = "Expert mode";
constexpr const char* kTweakedTitle = "Tweaked mode";
constexpr const char* kDifficultQuestion =
    "You have selected a difficult and advanced game mode. Do you really wish to play this "
    "scenario?";
constexpr const char* kEmptyDeckPlace = "Empty";

}  // namespace

TForm6::TForm6(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm6", "QVX2_bg_newgame.jpg") {
    buildScenarioPanel();
    buildLogoPanel();
    buildDeckColumn();
    buildNamePanel();
    buildBottomButtons();
    prepare();
}

ImageButton* TForm6::addButton(QWidget* parent, int number, const QString& text,
                               const QString& blindText, const QRect& place,
                               const QRect& blindPlace, void (TForm6::*handler)(), bool small) {
    return ButtonWithTwin(*this, parent,
                          {.stem = QString("Button%1").arg(number),
                           .text = text,
                           .rect = place,
                           .twinName = QString("BlindButton%1").arg(number),
                           .twinRect = blindPlace,
                           .small = small,
                           .twinText = blindText},
                          [this, handler] { (this->*handler)(); });
}

void TForm6::buildScenarioPanel() {
    QFrame* panel = Panel(this, "ScenarioPanel", {20, 20, 540, 500});
    Caption(panel, "ScenarioCaption", "Scenario", {16, 12, 300, 26});
    m_scenarioPicture = new PictureLabel(panel, "Image1", {16, 86, 320, 240});

    m_title = Text(panel, "Label5", "", {16, 44, 508, 32}, 16, Tone::Plain, true);
    m_title->setWordWrap(true);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_goal = Text(panel, "Label10", "", {352, 86, 172, 72}, 12, Tone::Accent);
    m_goal->setWordWrap(true);
    m_goal->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The blind twins say what they step, since both panels have a Previous and a Next.
    addButton(panel, 2, "Previous", "Previous scenario", {365, 242, 150, 36}, {352, 168, 172, 22},
              &TForm6::previousScenario);
    addButton(panel, 3, "Next", "Next scenario", {365, 288, 150, 36}, {352, 196, 172, 22},
              &TForm6::nextScenario);
    m_blindTitle = new BlindLabel(session(), panel, "BlindLabel5", "", {16, 334, 320, 22});

    // The descriptions are paragraphs of several sentences: they get the panel's whole width.
    m_description = Text(panel, "Label6", "", {16, 366, 508, 120}, 12, Tone::Soft);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TForm6::buildLogoPanel() {
    QFrame* panel = Panel(this, "LogoPanel", {576, 20, 220, 500});
    Caption(panel, "LogoCaption", "Company logo", {12, 12, 196, 26});
    m_logoPicture = new PictureLabel(panel, "Image2", {10, 46, 200, 200});
    m_logoCaption = Text(panel, "Label8", "", {10, 254, 200, 26}, 12, Tone::Plain, true);
    m_logoCaption->setAlignment(Qt::AlignCenter);

    addButton(panel, 6, "Previous", "Previous logo", {35, 296, 150, 36}, {10, 394, 200, 22},
              &TForm6::previousLogo);
    addButton(panel, 7, "Next", "Next logo", {35, 342, 150, 36}, {10, 420, 200, 22},
              &TForm6::nextLogo);
    m_blindLogo = new BlindLabel(session(), panel, "BlindLabel8", "", {10, 446, 200, 22});
}

void TForm6::buildDeckColumn() {
    QFrame* panel = Panel(this, "DeckPanel", {812, 20, 192, 500});
    Caption(panel, "DeckCaption", "Advantage deck", {12, 12, 172, 26});
    for (int k = 0; k < kBoosterSlots; ++k) {
        const int y = 48 + k * 88;
        m_deckPictures[k] = new PictureLabel(panel, QString("Deck%1").arg(k + 1), {12, y, 60, 80});
        m_deckNames[k] = Text(panel, QString("DeckName%1").arg(k + 1), "", {80, y, 104, 80});
        m_deckNames[k]->setWordWrap(true);
        m_deckNames[k]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void TForm6::buildNamePanel() {
    QFrame* panel = Panel(this, "NamePanel", {20, 536, 984, 124});
    Text(panel, "Label1", kNamePrompt, {20, 14, 944, 26}, 12, Tone::Plain, true);
    m_name = new QLineEdit(panel);
    m_name->setObjectName("Edit1");
    m_name->setGeometry(20, 52, 600, 40);
    QFont font = m_name->font();
    font.setPointSize(13);
    m_name->setFont(font);
    m_name->setAccessibleName(kNamePrompt);
    TakeOnlyRecordText(m_name);
}

void TForm6::buildBottomButtons() {
    setEscapeButton(addButton(this, 10, "Back", "Back", {428, 690, 280, 44}, {20, 700, 180, 24},
                              &TForm6::back, false));
    addButton(this, 11, "Continue", "Continue", {724, 690, 280, 44}, {210, 700, 180, 24},
              &TForm6::confirm, false);
}

void TForm6::prepare() {
    m_scenario = 1;
    m_logo = 1;
    m_name->clear();
    showScenario();
    showLogo();
    showDeck();
    m_name->setFocus();
}

NewGameChoice TForm6::choice() const {
    NewGameChoice chosen;
    chosen.scenario = m_scenario;
    chosen.logo = m_logo;
    // The name is kept as typed; only a name of nothing but blanks, which no list could show,
    // counts as no name and gets the logo's default.
    const QString typed = m_name->text();
    chosen.name = typed.trimmed().isEmpty() ? std::string() : typed.toStdString();
    return chosen;
}

void TForm6::previousScenario() {
    m_scenario = StepCyclic(m_scenario, -1, kScenarios);
    showScenario();
    scenarioBrowsed();
}

void TForm6::nextScenario() {
    m_scenario = StepCyclic(m_scenario, 1, kScenarios);
    showScenario();
    scenarioBrowsed();
}

// Step 3 ends on reaching scenario 1 and step 2 on any browsing; asked in this order so that
// one click never ends both.
void TForm6::scenarioBrowsed() {
    if (m_scenario == 1) session().tutorialHook(3);
    session().tutorialHook(2);
}

void TForm6::previousLogo() {
    m_logo = StepCyclic(m_logo, -1, kLogoCount);
    showLogo();
}

void TForm6::nextLogo() {
    m_logo = StepCyclic(m_logo, 1, kLogoCount);
    showLogo();
}

void TForm6::back() {
    reject();
}

void TForm6::confirm() {
    const int32_t kind = ScenarioKind(m_scenario);
    if (kind == Kind::kExpert || kind == Kind::kTweaked) {
        const QString title = kind == Kind::kExpert ? kExpertTitle : kTweakedTitle;
        if (!session().dialogs().Ask(title, kDifficultQuestion)) return;
    }
    session().tutorialHook(kTutorialContinueStep);
    accept();
}

void TForm6::showScenario() {
    const QString title = QString::fromStdString(ScenarioTitle(m_scenario));
    m_title->setText(title);
    m_goal->setText(QString::fromStdString(ScenarioGoal(m_scenario)));
    m_description->setText(QString::fromStdString(ScenarioDescription(m_scenario)));
    m_scenarioPicture->setPicture(QString::fromStdString(ScenarioPicture(m_scenario)));
    m_scenarioPicture->setAccessibleName(title);
    m_blindTitle->setText(title);
    m_blindTitle->setAccessibleName(title);
}

void TForm6::showLogo() {
    const QString caption = LogoColourCaption(m_logo);
    m_logoCaption->setText(caption);
    m_logoPicture->setPicture(QString::fromStdString(LogoPicture(m_logo)));
    m_logoPicture->setAccessibleName(caption);
    m_blindLogo->setText(caption);
    m_blindLogo->setAccessibleName(caption);
    // What an empty field will give, in the field itself.
    m_name->setPlaceholderText(DefaultChannelName(m_logo));
}

void TForm6::showDeck() {
    const Boosters& deck = session().settings().Deck;
    for (int k = 0; k < kBoosterSlots; ++k) {
        PictureLabel* picture = m_deckPictures[k];
        QLabel* name = m_deckNames[k];
        const BoosterCard* card = FindBoosterCard(deck.ActiveBoosters[k + 1]);
        if (card) {
            picture->setPicture(QString::fromStdString(BoosterPicture(*card)));
            picture->setStyleSheet(QString());
            name->setText(card->name);
            name->setStyleSheet(ToneStyle(Tone::Plain));
        } else {
            picture->setPicture(QString());
            picture->setStyleSheet(
                QString("border: 2px dashed %1; border-radius: 6px;").arg(palette::kLine));
            name->setText(kEmptyDeckPlace);
            name->setStyleSheet(ToneStyle(Tone::Muted));
        }
        picture->setAccessibleName(name->text());
    }
}

}  // namespace qvx::ui
