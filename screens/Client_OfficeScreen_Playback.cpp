// The playback of the simulated day: the clock on Timer1, the TV with its faces and popups, the
// replay of the ad spots with the money blink on Timer2, the watch buttons and Play/Pause.
#include <QFrame>
#include <QMouseEvent>
#include <QTimer>

#include "Client_OfficeScreen.h"
#include "DialogService.h"
#include "Office.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

void FillRows(const std::vector<QLabel*>& captions, const std::vector<QLabel*>& values,
              const std::vector<InfoRow>& rows) {
    for (size_t i = 0; i < captions.size(); ++i) {
        const bool used = i < rows.size();
        captions[i]->setText(used ? Text(rows[i].caption) : QString());
        values[i]->setText(used ? Text(rows[i].value) : QString());
    }
}

// A viewer's voice carries the company's name, which may be long: a smaller font first, then
// whole words cut with an ellipsis before the closing quote, so the label never clips a line.
void FitWrapped(QLabel* label, const QString& text, int largest, int smallest) {
    const auto fits = [label](const QString& candidate) {
        return label->fontMetrics()
                   .boundingRect(QRect(0, 0, label->width(), 1 << 20), Qt::TextWordWrap, candidate)
                   .height() <= label->height();
    };
    label->setAccessibleName(text);
    QFont font = label->font();
    for (int size = largest; size >= smallest; --size) {
        font.setPointSize(size);
        label->setFont(font);
        if (fits(text)) {
            label->setText(text);
            return;
        }
    }
    QString cut = text;
    const QString tail =
        text.endsWith('"') ? QString::fromUtf8("\u2026\"") : QString::fromUtf8("\u2026");
    while (!cut.isEmpty()) {
        const qsizetype space = cut.lastIndexOf(' ');
        cut.truncate(space > 0 ? space : cut.size() - 1);
        if (fits(cut + tail)) break;
    }
    label->setText(cut + tail);
}

}  // namespace

int TForm7::playbackInterval() const {
    return m_timer1->interval();
}
bool TForm7::playbackRunning() const {
    return m_timer1->isActive();
}
bool TForm7::blinkRunning() const {
    return m_timer2->isActive();
}

void TForm7::stopPlayback() {
    m_timer1->stop();
}

// The Play image lit means the clock runs; the Pause image lit means it stands.
void TForm7::showPlayImage(bool playing) {
    m_play.pressed->setVisible(playing);
    m_pause.pressed->setVisible(!playing);
}

void TForm7::markViewedChannel() {
    const int viewed = session().game().ViewedChannel;
    for (int k = 1; k <= kChannels; ++k)
        m_watch[k].pressed->setVisible(k == viewed);
}

void TForm7::setMoneyHighlighted(bool on) {
    m_moneyHighlighted = on;
    m_money->setStyleSheet(ToneStyle(on ? Tone::Highlight : Tone::Plain, true));
}

void TForm7::tick() {
    if (anotherModalIsOpen()) return;
    GameState& gs = session().game();
    if (!broadcasting()) {
        stopPlayback();
        return;
    }
    const ClockTime now = AdvanceOfficeClock(gs);
    showClock();

    const LiveSpots spots = CountLiveAdSpots(gs, now.hour, now.minute, gs.ViewedChannel);
    if (spots.viewed == SpotEvent::Payment) {
        session().sounds().PlayPayment();
        m_blinkCount = 0;
        m_timer2->start(kMoneyBlinkMs);
    } else if (spots.viewed == SpotEvent::Fanfare) {
        session().sounds().PlayFanfare();
    }
    if (spots.anyPaid) refreshOffice();

    const TickActions actions = TickActionsAt(now.hour, now.minute);
    // A new hour reached while fast-forwarding starts no cue: they would only stutter.
    if (actions.resetCue && playbackInterval() != kFastForwardTickMs) m_cuePlayed = false;
    if (actions.refreshOffice) refreshOffice();
    if (actions.redrawTv) {
        showHourOnTv();
        showHourInfo();
    }
    if (actions.endOfDay) {
        stopPlayback();
        advancePhase();
    }
}

void TForm7::blinkTick() {
    ++m_blinkCount;
    if (m_blinkCount > kMoneyBlinkTicks) {
        setMoneyHighlighted(false);
        m_timer2->stop();
        return;
    }
    setMoneyHighlighted(!m_moneyHighlighted);
}

void TForm7::playBackTo(int hour, int minute) {
    const GameState& gs = session().game();
    // A day has 600 minutes; the bound keeps a stalled clock (a modal window) from hanging.
    for (int guard = 0; guard < 24 * 60 && broadcasting(); ++guard) {
        if (gs.ClockHour == hour && gs.ClockMinute == minute) return;
        tick();
    }
}

void TForm7::showHourOnTv() {
    const GameState& gs = session().game();
    applyTv(ShowHourOnTv(gs, session().catalogue(), OnAirNow(gs)));
}

void TForm7::applyTv(const TvView& tv) {
    m_tvBox->setVisible(tv.tvVisible);
    if (tv.tvVisible) m_tv->setPicture(Text(tv.picture));
    m_onAir->setText(Text(tv.nowBroadcasting));
    if (auto* onAir = findChild<QLabel*>("OnAirText")) {
        static const std::string kPrefix = "Now broadcasting: ";
        const std::string& text = tv.nowBroadcasting;
        onAir->setText(Text(text.rfind(kPrefix, 0) == 0 ? text.substr(kPrefix.size()) : text));
    }
    m_viewers->setText(Text(tv.viewers));
    m_adRequirement->setText(Text(tv.adRequirement));
    const Tone requirement = tv.adRequirementRed ? Tone::Warning : Tone::Plain;
    m_adRequirement->setStyleSheet(ToneStyle(requirement, true));
    m_reqCaption->setStyleSheet(ToneStyle(requirement));
    m_adRequirement->setProperty("warning", tv.adRequirementRed);
    m_reqCaption->setProperty("warning", tv.adRequirementRed);
    m_appeal->setText(Text(tv.appeal));

    for (int face = 1; face <= kAudienceGroups; ++face) {
        const FaceView& view = tv.faces[static_cast<size_t>(face - 1)];
        switch (view.state) {
            case FaceState::Hidden:
                m_faceBoxes[face]->hide();
                break;
            case FaceState::Shown:
                m_faces[face]->setPicture(Text(view.picture));
                m_faceBoxes[face]->show();
                break;
            case FaceState::Unchanged:
                break;
        }
    }
    if (tv.hideInfoPopup) m_infoPopup->hide();

    if (tv.cue == Cue::None || m_cuePlayed) return;
    m_cuePlayed = true;
    if (tv.cue == Cue::News)
        session().sounds().PlayNewsCue();
    else
        session().sounds().PlayGenreCue(tv.cueGenre);
}

bool TForm7::showHourInfo() {
    const GameState& gs = session().game();
    const HourInfo info = ShowHourInfo(gs, session().catalogue(), OnAirNow(gs));
    if (info.view == HourInfoView::Hidden) {
        m_infoPopup->hide();
        return false;
    }
    m_infoTitle->setText(Text(info.title));
    if (info.titleFontSize) {
        QFont font = m_infoTitle->font();
        font.setPointSize(*info.titleFontSize);
        m_infoTitle->setFont(font);
    }
    FillRows(m_infoRows.captions, m_infoRows.values, info.rows);
    m_infoRating->setText(Text(info.rating));
    m_infoText->setText(Text(info.label18));
    m_infoPay->setText(Text(info.label25));
    return true;
}

bool TForm7::showGroupInfo(int group) {
    const GroupInfo info = ShowGroupInfo(session().game(), OnAirNow(session().game()), group);
    if (!info.visible) {
        m_groupPopup->hide();
        return false;
    }
    m_groupName->setText(Text(info.groupName));
    FillRows(m_groupRows.captions, m_groupRows.values, info.rows);
    if (info.opinion) m_groupOpinion->setText(Text(*info.opinion));
    FitWrapped(m_groupVoice, Text(info.voice), 11, 9);
    return true;
}

void TForm7::updateGuide() {
    const GameState& gs = session().game();
    const Catalogue& cat = session().catalogue();
    const int viewed = gs.ViewedChannel >= 1 && gs.ViewedChannel <= kChannels ? gs.ViewedChannel
                                                                              : gs.PlayerChannel;
    const bool live = broadcasting();
    const int onAir = live ? SlotOnAir(gs.ClockHour) : 0;
    for (int s = 1; s <= kSlots; ++s) {
        auto* row = findChild<QLabel*>(QString("GuideRow%1").arg(s));
        if (!row) continue;
        QString title = "-";
        if (viewed >= 1 && viewed <= kChannels) {
            const int32_t id = gs.Programme[viewed][s][Slot::kProgramme];
            if (id == Slot::kNewsShow) title = "News spot";
            if (id >= 1 && id <= kMovies) title = Text(cat.MovieTitles[id]);
        }
        const QString time = Text(ClockText(s + 1, 0)) + " pm   ";
        row->setText(row->fontMetrics().elidedText(time + title, Qt::ElideRight, row->width()));
        const Tone tone =
            s == onAir ? Tone::Highlight : (live && s < onAir ? Tone::Disabled : Tone::Muted);
        row->setStyleSheet(ToneStyle(tone, s == onAir));
    }
}

// --- Watch buttons and Play/Pause ------------------------------------------------------------

void TForm7::watchClicked(int channel) {
    Session& s = session();
    s.sounds().StopCue();
    s.sounds().PlayClick();
    if (!WatchChannel(s.game(), channel)) return;
    m_cuePlayed = false;
    markViewedChannel();
    refreshOffice();
}

void TForm7::watchPressedClicked(int channel) {
    Session& s = session();
    s.sounds().StopCue();
    s.sounds().PlayClick();
    if (!broadcasting()) {
        s.dialogs().Inform(kRefusalTitle, OfficeText::kWatchButtonText);
        return;
    }
    if (channel < 1 || channel > kChannels) return;
    m_cuePlayed = false;
    SwitchOffTv(s.game());
    markViewedChannel();
    refreshOffice();
}

void TForm7::playPressed() {
    Session& s = session();
    if (!broadcasting()) {
        s.sounds().PlayClick();
        s.dialogs().Inform(kRefusalTitle, OfficeText::kPlayButtonText);
        return;
    }
    s.sounds().PlayFastForward();
    m_playbackPaused = false;
    m_timer1->start(kFastForwardTickMs);
    showPlayImage(true);
}

void TForm7::playReleased() {
    if (!broadcasting()) return;
    session().sounds().StopCue();
    m_timer1->start(kPlaybackTickMs);
    m_cuePlayed = false;
    showHourOnTv();
    showPlayImage(true);
}

void TForm7::pauseClicked() {
    session().sounds().PlayClick();
    m_playbackPaused = true;
    stopPlayback();
    showPlayImage(false);
}

// --- Hover popups ----------------------------------------------------------------------------

void TForm7::resumePlaybackAfterPopup() {
    if (!broadcasting() || m_playbackPaused || session().game().EndTurnBusy) return;
    m_timer1->start();
    showPlayImage(true);
}

void TForm7::tvEntered() {
    if (session().blindMode() || !broadcasting()) return;
    if (showHourInfo()) {
        m_infoPopup->show();
        m_infoPopup->raise();
    }
    stopPlayback();
    showPlayImage(false);
}

void TForm7::tvLeft() {
    if (session().blindMode()) return;
    m_infoPopup->hide();
    resumePlaybackAfterPopup();
}

void TForm7::tvClicked() {
    if (!session().blindMode()) return;
    if (m_infoPopup->isVisible()) {
        m_infoPopup->hide();
    } else if (broadcasting() && showHourInfo()) {
        m_infoPopup->show();
        m_infoPopup->raise();
    }
}

void TForm7::showGroupPopup(int face) {
    const int step = m_faceBoxes[2]->y() - m_faceBoxes[1]->y();
    // Beside its face, but never over the main buttons ("End turn", "Exit game" beneath).
    const int lowest = m_buttons[1]->y() - m_groupPopup->height() - 8;
    const int y = std::min(kKidsPopupPlace.y() + (face - 1) * step, lowest);
    m_groupPopup->move(kKidsPopupPlace.x(), y);
    m_groupPopupFace = face;
    m_groupPopup->show();
    m_groupPopup->raise();
}

void TForm7::faceEntered(int face) {
    if (session().blindMode() || !broadcasting() || face < 1 || face > kAudienceGroups) return;
    if (showGroupInfo(GroupOfFace(face))) showGroupPopup(face);
    stopPlayback();
    showPlayImage(false);
}

void TForm7::faceLeft(int) {
    if (!session().blindMode()) m_groupPopup->hide();
    resumePlaybackAfterPopup();
}

void TForm7::faceClicked(int face) {
    if (!session().blindMode() || face < 1 || face > kAudienceGroups) return;
    if (m_groupPopup->isVisible() && m_groupPopupFace == face) {
        m_groupPopup->hide();
        return;
    }
    if (!broadcasting() || !showGroupInfo(GroupOfFace(face))) return;
    showGroupPopup(face);
    stopPlayback();
    showPlayImage(false);
}

bool TForm7::eventFilter(QObject* watched, QEvent* event) {
    if (contactListKey(watched, event)) return true;
    const bool playImage = watched == m_play.action || watched == m_play.pressed;
    if (playImage && (event->type() == QEvent::MouseButtonPress ||
                      event->type() == QEvent::MouseButtonRelease)) {
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return true;
        if (event->type() == QEvent::MouseButtonPress)
            playPressed();
        else
            playReleased();
        return true;
    }
    return GameScreen::eventFilter(watched, event);
}

}  // namespace qvx::ui
