#include "Client_OfficeScreen.h"

#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QTimer>

#include "Client_TutorialWindow.h"
#include "DayClose.h"
#include "DaySummary.h"
#include "DialogService.h"
#include "Office.h"
#include "PlanningPhase.h"
#include "SaveGame.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "TurnCycle.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

// The buttons whose screens arrive with other work; the others act on the office itself.
bool OpensScreen(int button) {
    return button >= 1 && button <= kMainButtonCount && button != 5 && button != 8 && button != 10;
}

// The tutorial's step each planning screen's button ends, 0 for none.
int TutorialStepOfButton(int button) {
    switch (button) {
        case 1:
            return 14;
        case 2:
            return 5;
        case 3:
            return 8;
        case 4:
            return 11;
        default:
            return 0;
    }
}

}  // namespace

TForm7::TForm7(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm7", "QVX2_bg_office.jpg") {
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName("Timer1");
    m_timer1->setInterval(kPlaybackTickMs);
    connect(m_timer1, &QTimer::timeout, this, &TForm7::tick);
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName("Timer2");
    m_timer2->setInterval(kMoneyBlinkMs);
    connect(m_timer2, &QTimer::timeout, this, &TForm7::blinkTick);
    connect(&session, &Session::keyInTutorialWindow, this, [this] { m_groupPopup->hide(); });

    buildTopBar();
    buildTv();
    buildControls();
    buildFaces();
    buildMainButtons();
    buildInfoPopup();
    buildGroupPopup();
    buildPhone();
    buildCheats();
    m_cheatSpot->raise();
    updateMainButtons();
}

void TForm7::setSummary(std::function<void(int company)> showSummary) {
    m_summary = std::move(showSummary);
}

void TForm7::setScreenOpener(int button, std::function<void()> open) {
    if (!OpensScreen(button)) return;
    m_openers[static_cast<size_t>(button)] = std::move(open);
    updateMainButtons();
}

void TForm7::setStockBroker(std::function<void()> open) {
    m_stockBroker = std::move(open);
}

void TForm7::setGameOverScreen(std::function<void()> show) {
    m_gameOver = std::move(show);
}

bool TForm7::broadcasting() {
    return session().game().GameInfo[Info::kPhase] == Info::kPhaseBroadcasting;
}

bool TForm7::playerHasGame() {
    return session().game().CurrentGame != 0;
}

void TForm7::prepareForPlanning() {
    OpenOffice(session().game());
    stopPlayback();
    m_timer2->stop();
    m_blinkCount = 0;
    setMoneyHighlighted(false);
    m_cuePlayed = false;
    m_playbackPaused = false;
    m_closed = false;
    m_infoPopup->hide();
    m_groupPopup->hide();
    m_phone->hide();
    m_cheats->hide();
    markViewedChannel();
    showPlayImage(false);
    refreshOffice();
}

void TForm7::refreshOffice() {
    GameState& gs = session().game();
    const int viewed = gs.ViewedChannel;
    const MoneyPanel panel = BuildMoneyPanel(gs, viewed);
    m_money->setText(QString::fromStdString(panel.money));
    if (panel.logoVisible) m_logo->setPicture(QString::fromStdString(panel.logoPicture));
    m_logo->setVisible(panel.logoVisible);
    m_bankrupt->setVisible(panel.bankrupt);
    m_channelText->setText(QString::fromStdString(panel.channelText));
    if (panel.viewers) m_viewers->setText(QString::fromStdString(*panel.viewers));
    if (panel.adRequirement) m_adRequirement->setText(QString::fromStdString(*panel.adRequirement));
    if (panel.appeal) m_appeal->setText(QString::fromStdString(*panel.appeal));
    m_date->setText(QString::fromStdString(panel.dateLine));
    if (auto* name = findChild<QLabel*>("ViewedName"))
        name->setText(viewed >= 1 && viewed <= kChannels
                          ? QString::fromStdString(gs.ChannelNames[viewed])
                          : QString("TV switched off"));
    showClock();
    showHourInfo();
    showHourOnTv();
    fillContacts();
    updatePhaseLook();
    updateGuide();
}

void TForm7::showClock() {
    const GameState& gs = session().game();
    m_clock->setText(QString::fromStdString(ClockText(gs.ClockHour, gs.ClockMinute)));
    m_clockSuffix->setText(ClockSuffix(gs.GameInfo[Info::kPhase], gs.ClockHour));
}

void TForm7::fillContacts() {
    const QListWidgetItem* current = m_contactList->currentItem();
    const QString selected = current ? current->text() : QString();
    m_contacts = FillContacts(session().game());
    m_contactList->clear();
    for (const Contact& contact : m_contacts) {
        m_contactList->addItem(QString::fromStdString(contact.text));
        if (!selected.isEmpty() && selected == QString::fromStdString(contact.text))
            m_contactList->setCurrentRow(m_contactList->count() - 1);
    }
}

// During the playback every button shows something (its screen's lock explains itself); in the
// planning phase a button whose screen is not installed yet has nothing to open and looks so.
void TForm7::updateMainButtons() {
    const bool live = broadcasting();
    for (int k = 1; k <= kMainButtonCount; ++k) {
        const bool enabled = !OpensScreen(k) || live || m_openers[static_cast<size_t>(k)];
        m_buttons[k]->setEnabled(enabled);
        // The greyed picture says "not yet"; the caption stays readable.
        if (!enabled) m_buttons[k]->label()->setStyleSheet(ToneStyle(Tone::Soft, true));
    }
}

void TForm7::updatePhaseLook() {
    updateMainButtons();
    if (auto* lamp = findChild<QLabel*>("OnAirLamp")) {
        const bool live = broadcasting();
        lamp->setText(live ? "ON AIR" : "OFF AIR");
        lamp->setStyleSheet(
            QString("color: %1; background: %2; border-radius: 6px; font-weight: bold;")
                .arg(live ? palette::kText : palette::kMuted,
                     live ? palette::kOnAir : palette::kPanel));
    }
}

void TForm7::mainButtonClicked(int button) {
    // The tutorial window steps aside while a button's dialogs and screens are up, and comes
    // back on top of the office afterwards.
    TForm28* tutorial = session().tutorial();
    if (tutorial) tutorial->hide();
    runMainButton(button);
    if (tutorial && !m_closed) tutorial->showOver(this);
}

void TForm7::runMainButton(int button) {
    if (button == 5) return endTurnClicked();
    if (button == 10) return exitClicked();
    session().sounds().PlayClick();
    GameState& gs = session().game();
    if (gs.EndTurnBusy || button < 1 || button > kMainButtonCount) return;
    if (broadcasting()) {
        if (const char* locked = LockedButtonText(button)) {
            stopPlayback();
            showPlayImage(false);
            session().dialogs().Inform(kRefusalTitle, locked);
        }
        return;
    }
    if (button == 8) return showPhone();
    if (const auto& open = m_openers[static_cast<size_t>(button)]) {
        if (const int step = TutorialStepOfButton(button)) session().tutorialHook(step);
        open();
        refreshOffice();
    }
}

void TForm7::endTurnClicked() {
    session().sounds().PlayClick();
    GameState& gs = session().game();
    if (playbackRunning()) {
        stopPlayback();
        showPlayImage(false);
    }
    if (gs.EndTurnBusy) return;
    DialogService& dialogs = session().dialogs();
    if (!dialogs.Ask(OfficeText::kEndTurnTitle, OfficeText::kEndTurnText)) return;
    if (!broadcasting()) {
        switch (EndTurnWarning(gs)) {
            case TurnWarning::NoNews:
                if (!dialogs.Ask(OfficeText::kNoNewsTitle, OfficeText::kNoNewsText)) return;
                break;
            case TurnWarning::NoAds:
                if (!dialogs.Ask(OfficeText::kNoAdsTitle, OfficeText::kNoAdsText)) return;
                break;
            case TurnWarning::None:
                break;
        }
    }
    ConfirmEndTurn(gs);
    advancePhase();
}

void TForm7::advancePhase() {
    if (broadcasting()) return endOfDay();
    session().tutorialHook(16);
    startBroadcasting();
}

void TForm7::startBroadcasting() {
    Session& s = session();
    GameState& gs = s.game();
    // The cycle leaves the game broadcasting at 02:00 pm with the player's channel on the TV.
    const Broadcast day = BeginBroadcast(gs, s.catalogue(), s.deck(), s.rng(), s.userDir());
    if (!day.highscore) reportHighscoreFailure(day.highscore);
    m_cuePlayed = false;
    m_playbackPaused = false;
    m_phone->hide();
    m_timer1->start(kPlaybackTickMs);
    showPlayImage(true);
    markViewedChannel();
    refreshOffice();
}

void TForm7::endOfDay() {
    Session& s = session();
    GameState& gs = s.game();
    stopPlayback();
    s.sounds().StopCue();
    s.tutorialHook(17);
    m_infoPopup->hide();
    m_groupPopup->hide();
    WatchOwnChannel(gs);
    markViewedChannel();
    showPlayImage(false);
    const DayLogs day =
        OpenPlanningPhase(gs, s.catalogue(), s.settings(), s.userDir(), kRunningGameSlot);
    // A failed autosave leaves the game playable and the previous save intact; the player is
    // told, because a crash now would cost more than one turn.
    if (!day.saved)
        s.dialogs().Inform("Error", "The game could not be saved automatically: " +
                                        QString::fromStdString(day.saved.message()));
    refreshOffice();
    giveLogsToSummary(day);
    if (gs.GameInfo[Info::kGameOver] == 1) return finishGame();
    showHourOnTv();
    showClock();
}

void TForm7::giveLogsToSummary(const DayLogs& day) {
    GameState& gs = session().game();
    RestoreDayLogs(gs, day);
    if (m_summary) {
        m_summary(gs.PlayerChannel);
        return;
    }
    ClearGameLogs(gs);
}

void TForm7::finishGame() {
    session().sounds().PlayWinningMusic();
    if (m_gameOver) m_gameOver();
    saveAndClose();
}

void TForm7::enterFinalResult(const FinalResult& final) {
    const Status entered = EnterFinalResult(final, session().userDir(), session().rng());
    if (!entered) reportHighscoreFailure(entered);
}

void TForm7::reportHighscoreFailure(const Status& entered) {
    reportFailure("Your result could not be entered into the highscores: ", entered.message());
}

void TForm7::reportFailure(const QString& what, const std::string& message) {
    session().dialogs().Inform("Error", what + QString::fromStdString(message));
}

void TForm7::exitClicked() {
    session().sounds().PlayClick();
    GameState& gs = session().game();
    if (gs.EndTurnBusy) return;
    const bool over = gs.GameInfo[Info::kGameOver] == 1;
    if (!over && !session().dialogs().Ask(OfficeText::kExitTitle, OfficeText::kExitText)) return;
    stopPlayback();
    if (broadcasting() && playerHasGame()) {
        // A save in the middle of the playback would hold the morning's money next to a day
        // already spent; the day is closed first, as End turn would, so nothing is lost.
        ConfirmEndTurn(gs);
        advancePhase();
        if (m_closed) return;
    }
    if (over || !playerHasGame()) return closeOffice();
    saveAndClose();
}

void TForm7::saveAndClose() {
    const Status saved = SaveRunningGame(session().game(), session().userDir());
    if (!saved) reportFailure("The running game could not be saved: ", saved.message());
    closeOffice();
}

void TForm7::closeOffice() {
    stopPlayback();
    m_timer2->stop();
    setMoneyHighlighted(false);
    session().sounds().StopCue();
    m_closed = true;
    done(QDialog::Accepted);
}

void TForm7::reject() {
    exitClicked();
}

void TForm7::keyPressEvent(QKeyEvent* event) {
    // Escape belongs to the tutorial, never to closing the office.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        // The Escape held from closing a screen repeats here: it must not ask to quit.
        if (event->isAutoRepeat()) return;
        if (TForm28* tutorial = session().tutorial(); tutorial && tutorial->active())
            tutorial->askQuit();
        return;
    }
    m_groupPopup->hide();
    if (shortcutPressed(event)) return event->accept();
    GameScreen::keyPressEvent(event);
}

}  // namespace qvx::ui
