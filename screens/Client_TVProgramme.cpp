#include "Client_TVProgramme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "Act.h"
#include "Forecast.h"
#include "InfoPanels.h"
#include "Office.h"
#include "Pictures.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "TitleInfo.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Shift, Ctrl or Alt turn the archive images from dragging to the fill-the-day double click.
bool ModifierHeld(const QMouseEvent* event) {
    return (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) !=
           Qt::NoModifier;
}

}  // namespace

TForm8::TForm8(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm8", "QVX2_bg_screen.jpg") {
    buildHeader();
    buildRows();
    buildArchive();
    buildButtons();
    buildInfoPanels();
    prepare();
}

void TForm8::prepare() {
    m_tab = ArchiveTab::MoviesNews;
    m_undo.clear();
    m_redo.clear();
    hideInfo();
    m_blindMovieInfo->hide();
    m_blindAdInfo->hide();
    redraw();
}

void TForm8::redraw() {
    const GameState& gs = session().game();
    const Catalogue& cat = session().catalogue();
    m_view = BuildProgrammeTable(gs, cat, m_tab);
    m_date->setText(Q(DateLine(gs.GameInfo[Info::kTurn])));

    const DayForecast forecast = ForecastPlayerDay(gs, cat, session().deck(), session().rng());
    for (size_t i = 0; i < kSlots; ++i) {
        const ProgrammeRow& row = m_view.programmes[i];
        const HourForecast& hour = forecast.hours[i];
        SetFittedText(m_slots[i], Q(row.text));
        m_slots[i]->setStyleSheet(ToneStyle(row.picture.empty() ? Tone::Muted : Tone::Plain));
        const QString tooltip = WrappedToolTip(Q(hour.tooltip));
        m_slots[i]->setToolTip(tooltip);
        m_slotPics[i]->setPicture(Q(row.picture));
        m_forecasts[i]->setText(Q(hour.text));
        m_forecasts[i]->setToolTip(tooltip);
        m_forecasts[i]->setAccessibleName(Q(hour.text));

        const ProgrammeRow& ad = m_view.ads[i];
        Tone tone = Tone::Muted;
        if (hour.adReached) tone = *hour.adReached ? Tone::Gain : Tone::Warning;
        SetFittedText(m_adRows[i], Q(ad.text));
        m_adRows[i]->setStyleSheet(ToneStyle(tone));
        m_adRows[i]->setToolTip(
            hour.adReached ? (*hour.adReached ? "The forecast reaches this contract's audience"
                                              : "The forecast misses this contract's audience")
                           : QString());
        m_adPics[i]->setPicture(Q(ad.picture));
    }

    const bool blind = session().blindMode();
    for (size_t i = 0; i < kArchiveImages; ++i) {
        const ArchiveImageView& image = m_view.archive[i];
        m_archivePanels[i]->setVisible(image.shown);
        m_archive[i]->setPicture(Q(image.picture));
        m_archive[i]->setAccessibleName(Q(image.blindText));
        m_archive[i]->setToolTip(Q(image.blindText));
        m_blindArchive[i]->setText(Q(image.blindText));
        m_blindArchive[i]->setVisible(blind && image.shown);
        m_blindArchive[i]->raise();
    }
    const int open = static_cast<int>(m_tab);
    for (int t = 0; t < 2; ++t) {
        m_interfaces[t]->setVisible(t == open);
        m_litTabs[t]->setVisible(t == open);
        m_interfaces[t]->lower();
    }
    m_litTabs[open]->raise();
    backgroundPicture()->lower();
    m_undoButton->setEnabled(canUndo());
    m_redoButton->setEnabled(canRedo());
}

void TForm8::selectTab(ArchiveTab tab) {
    m_tab = tab;
    hideInfo();
    redraw();
}

void TForm8::edit(const std::function<ProgrammeOutcome()>& operation,
                  const std::function<Dialog()>& question) {
    GameState& gs = session().game();
    const ProgrammeEdits before = TakeProgrammeEdits(gs);
    Act(session().dialogs(),
        {.check = {},
         .question = question,
         .apply = [&operation] { return ProgrammeMessage(operation()); }},
        {});
    // Only what changed the table goes into the history: a refused drop is nothing to undo.
    if (TakeProgrammeEdits(gs) != before) {
        m_undo.push_back(before);
        m_redo.clear();
    }
    redraw();
}

void TForm8::dropped(int from, int to) {
    GameState& gs = session().game();
    const Catalogue& cat = session().catalogue();
    if (from >= 1 && from <= kSlots) {
        edit([&] { return MoveSlotProgramme(gs, cat, from, to); });
    } else if (from > kAdRowCode && from <= kAdRowCode + kSlots) {
        edit([&] { return MoveSlotAd(gs, from - kAdRowCode, to); });
    } else if (from <= -1 && from >= -kArchiveImages) {
        edit([&] { return DropArchiveImage(gs, cat, m_tab, -from, to); });
    }
}

void TForm8::fillEmptyAds(int image) {
    edit([this, image] { return FillEmptyAdHours(session().game(), m_tab, image); });
}

void TForm8::deleteTable() {
    edit([this] { return DeleteProgrammeTable(session().game()); }, DeleteProgrammeQuestion);
}

void TForm8::undo() {
    if (m_undo.empty()) return;
    GameState& gs = session().game();
    m_redo.push_back(TakeProgrammeEdits(gs));
    RestoreProgrammeEdits(gs, m_undo.back());
    m_undo.pop_back();
    redraw();
}

void TForm8::redo() {
    if (m_redo.empty()) return;
    GameState& gs = session().game();
    m_undo.push_back(TakeProgrammeEdits(gs));
    RestoreProgrammeEdits(gs, m_redo.back());
    m_redo.pop_back();
    redraw();
}

void TForm8::closeScreen() {
    session().tutorialHook(15);
    accept();
}

void TForm8::keyPressEvent(QKeyEvent* event) {
    const auto mods = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (event->key() == Qt::Key_Z && mods == Qt::ControlModifier) {
        undo();
        return;
    }
    if (event->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        redo();
        return;
    }
    GameScreen::keyPressEvent(event);
}

bool TForm8::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(m_archive.begin(), m_archive.end(), watched);
    if (found == m_archive.end()) return GameScreen::eventFilter(watched, event);
    const int image = static_cast<int>(found - m_archive.begin()) + 1;
    if (event->type() == QEvent::MouseButtonPress && ModifierHeld(static_cast<QMouseEvent*>(event)))
        return true;
    if (event->type() == QEvent::MouseButtonDblClick &&
        ModifierHeld(static_cast<QMouseEvent*>(event))) {
        fillEmptyAds(image);
        return true;
    }
    return false;
}

void TForm8::showMovieInfo(int32_t movie) {
    if (session().blindMode()) return;
    const MovieInfo info = BuildMovieInfo(session().game(), session().catalogue(), session().deck(),
                                          movie, InfoWording::ProgrammeTable);
    m_adInfo->hide();
    m_movieInfo->showInfo(info);
}

void TForm8::showAdInfo(int32_t contract) {
    if (session().blindMode()) return;
    const ContractInfo info = BuildContractInfo(session().game(), session().catalogue(), contract,
                                                InfoWording::ProgrammeTable);
    m_movieInfo->hide();
    m_adInfo->showInfo(info);
}

void TForm8::showArchiveInfo(int image) {
    const ArchiveImageView& view = m_view.archive[static_cast<size_t>(image - 1)];
    if (m_tab == ArchiveTab::MoviesNews) {
        if (image != kNewsImage) showMovieInfo(view.id);
    } else {
        showAdInfo(view.id);
    }
}

void TForm8::hideInfo() {
    m_movieInfo->hide();
    m_adInfo->hide();
}

void TForm8::openBlindInfo(int image) {
    const ArchiveImageView& view = m_view.archive[static_cast<size_t>(image - 1)];
    const GameState& gs = session().game();
    const Catalogue& cat = session().catalogue();
    m_blindMovieInfo->hide();
    m_blindAdInfo->hide();
    if (view.isTitle) {
        m_blindMovieInfo->showInfo(
            BuildMovieInfo(gs, cat, session().deck(), view.id, InfoWording::ProgrammeTable));
    } else {
        m_blindAdInfo->showInfo(BuildContractInfo(gs, cat, view.id, InfoWording::ProgrammeTable));
    }
}

QPixmap TForm8::dragPicture(const PictureLabel* source) const {
    // An empty row has no picture and an empty archive position shows the grey one: neither
    // starts a drag.
    const QString& name = source->pictureName();
    if (name.isEmpty() || name == "MovieArchiveG.jpg") return {};
    return Pictures::Get(name);
}

}  // namespace qvx::ui
