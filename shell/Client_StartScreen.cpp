#include "Client_StartScreen.h"

#include <QFrame>
#include <QKeyEvent>
#include <QTextBrowser>

#include "Client_TutorialWindow.h"
#include "DialogService.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "StartScreenTexts.h"
#include "Widgets.h"

namespace qvx::ui {

TForm3::TForm3(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm3", "QVX2_bg_start.jpg") {
    // One centred column under the background's title (which ends at y 170): the pitch, then
    // the buttons with their blind twins to their left. The right of a wide display belongs to
    // the tutorial window, which must not cover the button it asks for.
    auto* pitch = Text(this, "Label1", kPitchText, {182, 186, 660, 84}, 13);
    pitch->setWordWrap(true);
    pitch->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    addButton(1, "Start a new game", 0, &TForm3::startNewGame);
    m_continueButton = addButton(2, "Continue a game", 1, &TForm3::continueGame);
    m_highscoreButton = addButton(5, "Highscores", 2, &TForm3::showHighscores);
    m_deckButton = addButton(10, "Modify advantage deck", 3, &TForm3::modifyDeck);
    addButton(4, "Blind compatibility", 4, &TForm3::toggleBlindMode);
    m_musicButton = addButton(6, kMusicOffLabel, 5, &TForm3::toggleMusicAndEffects, false);
    addButton(7, "Credits", 6, &TForm3::showCredits);
    addButton(8, "Visit our website", 7, &TForm3::visitWebsite);
    addButton(3, "Exit game", 8, &TForm3::exitGame, false);

    setRoutes({});  // no screen behind the routed buttons yet
    m_blindTopic = new BlindLabel(session, this, "BlindTopicLabel", "Blind compatibility mode: ON",
                                  {24, 16, 300, 24});

    m_credits = Panel(this, "Panel1", {108, 85, 560, 600});
    Caption(m_credits, "P1_Label1", "Credits", {24, 16, 300, 32}, 16);
    m_creditsText = new QTextBrowser(m_credits);
    m_creditsText->setObjectName("RichEdit1");
    m_creditsText->setGeometry(24, 56, 512, 470);
    m_creditsText->setReadOnly(true);
    m_creditsText->setPlainText(kCreditsText);
    addPanelEscapeButton(ButtonWithTwin(
        *this, m_credits,
        {"P1_Button1", "Close", {205, 540, 150, 36}, "BlindButton4", {24, 546, 80, 22}, true},
        [this] { hideCredits(); }));
    m_credits->hide();
}

ImageButton* TForm3::addButton(int number, const QString& text, int row, void (TForm3::*handler)(),
                               bool playsClick) {
    const QRect place(372, 276 + row * 52, 280, 44);
    // The blind twins are numbered after the credits panel's close label.
    ImageButton* button = ButtonWithTwin(*this, this,
                                         {.stem = QString("Button%1").arg(number),
                                          .text = text,
                                          .rect = place,
                                          .twinName = QString("BlindButton%1").arg(number + 4),
                                          .twinRect = {152, place.y() + 10, 210, 24},
                                          .playsClick = playsClick},
                                         [this, handler] {
                                             if (handler) (this->*handler)();
                                         });
    button->setEnabled(handler != nullptr);
    return button;
}

void TForm3::setRoutes(StartRoutes routes) {
    m_routes = std::move(routes);
    m_continueButton->setEnabled(bool(m_routes.continueGame));
    m_highscoreButton->setEnabled(bool(m_routes.showHighscores));
    m_deckButton->setEnabled(bool(m_routes.modifyDeck));
}

void TForm3::addVersionLine(const QString& line) {
    m_creditsText->setPlainText(m_creditsText->toPlainText() + "\n" + line);
}

void TForm3::startNewGame() {
    Session& s = session();
    Settings& settings = s.settings();
    if (settings.SaveSlotNames[kRunningGameSlot] != kEmptySlotCaption) {
        if (!s.dialogs().Ask(kRestartTitle, kRestartText)) return;
        s.sounds().PlayClick();
        settings.SaveSlotNames[kRunningGameSlot] = kEmptySlotCaption;
    }
    s.tutorialHook(1);
    NewGameChoice choice;
    GameState& gs = s.game();
    gs.CurrentGame = 1;
    ClearGame(gs);
    const bool chosen = m_routes.chooseNewGame && m_routes.chooseNewGame(choice);
    // Back on the start screen, whatever the new game screen ended with.
    if (!chosen) return tutorialBack();

    const GameStart started = StartNewGame(gs, s.catalogue(), settings, s.rng(), choice, s.dirs());
    // A catalogue that cannot be read leaves the cleared game as it was: no office.
    if (started.outcome == StartOutcome::NotStarted) {
        s.dialogs().Inform("Error", QString::fromStdString(started.message()));
        return tutorialBack();
    }
    if (started.outcome == StartOutcome::StartedUnsaved)
        s.dialogs().Inform("Error", "The new game could not be saved: " +
                                        QString::fromStdString(started.message()));
    if (m_routes.runOffice) m_routes.runOffice();
    tutorialBack();
}

void TForm3::continueGame() {
    if (!m_routes.continueGame) return;
    tutorialAside();
    if (m_routes.continueGame() && m_routes.runOffice) m_routes.runOffice();
    tutorialBack();
}

void TForm3::modifyDeck() {
    if (!m_routes.modifyDeck) return;
    tutorialAside();
    m_routes.modifyDeck();
    tutorialBack();
}

void TForm3::showHighscores() {
    if (!m_routes.showHighscores) return;
    tutorialAside();
    m_routes.showHighscores();
    tutorialBack();
}

void TForm3::tutorialAside() {
    if (TForm28* tutorial = session().tutorial()) tutorial->closeByProgram();
}

void TForm3::tutorialBack() {
    if (TForm28* tutorial = session().tutorial()) tutorial->restartOver(this);
}

void TForm3::reject() {
    // The program is ending: the tutorial window must not outlive the start screen.
    tutorialAside();
    GameScreen::reject();
}

void TForm3::showEvent(QShowEvent* event) {
    GameScreen::showEvent(event);
    tutorialBack();
}

void TForm3::keyPressEvent(QKeyEvent* event) {
    // Escape never ends the program: it offers to quit the tutorial, or closes the credits.
    if (event->key() == Qt::Key_Escape) {
        if (event->isAutoRepeat()) return;
        if (TForm28* tutorial = session().tutorial(); tutorial && tutorial->active())
            tutorial->askQuit();
        else
            pressEscapeButton();
        return;
    }
    GameScreen::keyPressEvent(event);
}

void TForm3::exitGame() {
    m_credits->hide();
    reject();
}

void TForm3::toggleBlindMode() {
    Session& s = session();
    if (!s.blindMode()) {
        if (!s.dialogs().Ask(kBlindOnQuestionTitle, kBlindOnQuestionText)) return;
        s.dialogs().Inform(kBlindOnTitle, kBlindOnText);
        s.setBlindMode(true);
    } else {
        s.setBlindMode(false);
        s.dialogs().Inform(kBlindOffTitle, kBlindOffText);
    }
}

void TForm3::toggleMusicAndEffects() {
    Session& s = session();
    if (s.soundEffectsEnabled) {
        m_musicButton->setText(kMusicOnLabel);
        s.soundEffectsEnabled = false;
        s.musicEnabled = false;
        s.sounds().StopMusic();
    } else {
        m_musicButton->setText(kMusicOffLabel);
        s.soundEffectsEnabled = true;
        s.musicEnabled = true;
        s.sounds().RestartMusic();
    }
    if (auto* blind = findChild<BlindLabel*>("BlindButton10"))
        blind->setText(m_musicButton->text());
}

void TForm3::showCredits() {
    m_credits->show();
    m_credits->raise();
    m_creditsText->show();
}

void TForm3::hideCredits() {
    m_credits->hide();
}

void TForm3::visitWebsite() {
    session().openManual(QString());
}

}  // namespace qvx::ui
