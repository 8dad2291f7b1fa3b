#pragma once
// TForm7, the office: the hub of a running game. It shows the viewed channel's money, logo,
// date and clock, opens the planning screens, turns the day over with "End turn", and plays the
// simulated day back on its TV with faces, popups, watch buttons and Play/Pause.
#include <QPoint>
#include <QPointer>
#include <array>
#include <functional>
#include <vector>

#include "GameScreen.h"
#include "OfficeView.h"
#include "PlanningPhase.h"
#include "Playback.h"
#include "Ranking.h"

class QFrame;
class QKeyEvent;
class QLabel;
class QListWidget;
class QTimer;

namespace qvx::ui {

class BlindLabel;
class ImageButton;
class PictureLabel;

class TForm7 : public GameScreen {
    Q_OBJECT
  public:
    TForm7(Session& session, QWidget* parent);

    // --- Screens that arrive with other work ------------------------------------------------
    // The day summary of a company; it shows gs.GameLog and clears the logs when it closes.
    void setSummary(std::function<void(int company)> showSummary);
    // The screen of main button 1, 2, 3, 4, 6, 7 or 9. Until one is installed the button is
    // disabled in the planning phase (it has nothing to open) but still explains its lock
    // during the playback.
    void setScreenOpener(int button, std::function<void()> open);
    // The phone's "Stock broker".
    void setStockBroker(std::function<void()> open);
    // Shown modally at the end of a finished game, before the office saves and closes.
    void setGameOverScreen(std::function<void()> show);

    // --- Turn flow ----------------------------------------------------------------------------
    // The office side of entering a game in the planning phase; run() then shows it.
    void prepareForPlanning();
    void refreshOffice();
    void showClock();
    void fillContacts();
    void advancePhase();
    void startBroadcasting();

    // --- Handlers: the clicks and the tests call the same code ------------------------------
    void mainButtonClicked(int button);  // 1..10
    void endTurnClicked();
    void exitClicked();
    void watchClicked(int channel);         // the watch button's unpressed image
    void watchPressedClicked(int channel);  // its pressed image
    void playPressed();
    void playReleased();
    void pauseClicked();
    void tvEntered();
    void tvLeft();
    void tvClicked();  // blind mode: toggles the hour popup
    void faceEntered(int face);
    void faceLeft(int face);
    void faceClicked(int face);  // blind mode: toggles the group popup
    void showPhone();
    void closePhone();
    void callClicked();
    void showCheats();  // the double click on the hidden spot
    void hideCheats();
    void cheatMoney(int32_t amount);
    void cheatPopularity(int group);  // 0 = every group
    void cheatAutoPlay(int32_t days);

    // --- The playback, drivable without a running timer ---------------------------------------
    void tick();       // one Timer1 tick: one game minute
    void blinkTick();  // one Timer2 tick
    // Ticks until the clock reads hour:minute (or the day is over).
    void playBackTo(int hour, int minute);
    void showHourOnTv();
    // Fills the hour popup; false when the hour has nothing to tell (the popup is then hidden).
    bool showHourInfo();
    bool showGroupInfo(int group);

    int playbackInterval() const;
    bool playbackRunning() const;
    bool blinkRunning() const;
    int blinkCount() const { return m_blinkCount; }
    bool moneyHighlighted() const { return m_moneyHighlighted; }
    bool cuePlayed() const { return m_cuePlayed; }
    bool playbackPaused() const { return m_playbackPaused; }

    // The key that stands for main button 1..10: "1".."9", "0".
    static QString shortcutOf(int button);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape and the window's close command come here: they ask like "Exit game".
    void reject() override;

  private:
    // The hour popup sits over the TV; the group popup beside the face that opened it, Kids first.
    static constexpr QPoint kInfoPopupPlace{128, 170};
    static constexpr QPoint kKidsPopupPlace{713, 163};

    struct WatchButton {
        PictureLabel* action = nullptr;
        PictureLabel* pressed = nullptr;
    };
    struct InfoRows {
        std::vector<QLabel*> captions;
        std::vector<QLabel*> values;
    };

    // Building the screen (Client_OfficeScreen_Layout.cpp).
    void buildTopBar();
    void buildTv();
    void buildControls();
    void buildFaces();
    void buildMainButtons();
    void buildInfoPopup();
    void buildGroupPopup();
    void buildPhone();
    void buildCheats();

    // The keyboard (Client_OfficeScreen_Keys.cpp): true for a key that is the office's.
    void showShortcut(int button);
    bool shortcutPressed(QKeyEvent* event);
    bool shortcutReleased(QKeyEvent* event);
    void togglePlayback();
    void fastForwardKeyLost();
    bool contactListKey(QObject* watched, QEvent* event);

    void runMainButton(int button);
    bool broadcasting();
    bool playerHasGame();
    void updateMainButtons();
    void updatePhaseLook();
    void updateGuide();
    void showPlayImage(bool playing);
    void stopPlayback();
    void resumePlaybackAfterPopup();
    void markViewedChannel();
    void setMoneyHighlighted(bool on);
    void enterFinalResult(const FinalResult& final);
    void reportHighscoreFailure(const Status& entered);
    void reportFailure(const QString& what, const std::string& message);
    void endOfDay();
    void giveLogsToSummary(const DayLogs& day);
    void finishGame();
    void saveAndClose();
    void closeOffice();
    void applyTv(const TvView& tv);
    // The group popup beside face 1..5, kept inside the screen.
    void showGroupPopup(int face);

    std::array<std::function<void()>, kMainButtonCount + 1> m_openers{};
    std::function<void(int)> m_summary;
    std::function<void()> m_stockBroker;
    std::function<void()> m_gameOver;

    QTimer* m_timer1;
    QTimer* m_timer2;
    int m_blinkCount = 0;
    bool m_moneyHighlighted = false;
    bool m_cuePlayed = false;
    bool m_playbackPaused = false;
    int m_groupPopupFace = 0;
    bool m_closed = false;
    bool m_fastForwardKeyHeld = false;

    // Top bar.
    PictureLabel* m_cheatSpot = nullptr;
    PictureLabel* m_logo = nullptr;
    QLabel* m_money = nullptr;
    QLabel* m_bankrupt = nullptr;
    BlindLabel* m_channelText = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_clock = nullptr;
    QLabel* m_clockSuffix = nullptr;

    // TV and its figures.
    QFrame* m_tvBox = nullptr;
    PictureLabel* m_tvOff = nullptr;
    PictureLabel* m_tv = nullptr;
    QLabel* m_viewers = nullptr;
    QLabel* m_adRequirement = nullptr;
    QLabel* m_reqCaption = nullptr;
    QLabel* m_appeal = nullptr;
    BlindLabel* m_onAir = nullptr;
    std::array<QFrame*, kAudienceGroups + 1> m_faceBoxes{};
    std::array<PictureLabel*, kAudienceGroups + 1> m_faces{};

    // Playback controls.
    std::array<WatchButton, kChannels + 1> m_watch{};
    WatchButton m_play;
    WatchButton m_pause;

    // Popups.
    QFrame* m_infoPopup = nullptr;
    QLabel* m_infoTitle = nullptr;
    InfoRows m_infoRows;
    QLabel* m_infoRating = nullptr;
    QLabel* m_infoText = nullptr;
    QLabel* m_infoPay = nullptr;
    QFrame* m_groupPopup = nullptr;
    QLabel* m_groupName = nullptr;
    InfoRows m_groupRows;
    QLabel* m_groupOpinion = nullptr;
    QLabel* m_groupVoice = nullptr;

    // Main buttons and their blind twins.
    std::array<ImageButton*, kMainButtonCount + 1> m_buttons{};

    // Phone and cheats.
    QFrame* m_phone = nullptr;
    QListWidget* m_contactList = nullptr;
    std::vector<Contact> m_contacts;
    QFrame* m_cheats = nullptr;
};

}  // namespace qvx::ui
