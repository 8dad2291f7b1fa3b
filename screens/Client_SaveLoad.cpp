#include "Client_SaveLoad.h"

#include <QFrame>
#include <QLineEdit>
#include <cstdio>

#include "Client_TutorialWindow.h"
#include "DialogService.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Settings.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

constexpr int kRowLeft = 40;
constexpr int kRowWidth = 944;
constexpr int kRowTop = 104;
constexpr int kRowPitch = 90;
constexpr int kRowHeight = 82;

constexpr const char* kErrorTitle = "Error";
constexpr const char* kOverwriteTitle = "Save game";
constexpr const char* kOverwriteText = "Overwrite saved game?";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

int SaveButton(int n) {
    return 2 * n + 1;
}
int LoadButton(int n) {
    return 2 * n + 2;
}

}  // namespace

TForm14::TForm14(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm14", "QVX2_bg_screen.jpg") {
    Caption(this, "Label1", "Save and load games", {kRowLeft, 24, 600, 40}, 20);
    Text(this, "Label2",
         "Give a slot a caption and save the running game there, or load a game saved before.",
         {kRowLeft, 66, kRowWidth, 26}, 11, Tone::Muted);
    for (int n = 1; n <= kNumberedSaveSlots; ++n)
        buildRow(n);

    m_continue = ButtonWithTwin(*this, this,
                                {.stem = "Button1",
                                 .text = "Continue previous game",
                                 .rect = {kRowLeft, 690, 340, 44},
                                 .twinName = "BlindButton1",
                                 .twinRect = {400, 700, 200, 24}},
                                [this] { continuePreviousGame(); });
    setEscapeButton(ButtonWithTwin(*this, this,
                                   {.stem = "Button2",
                                    .text = "Back",
                                    .rect = {704, 690, 280, 44},
                                    .twinName = "BlindButton2",
                                    .twinRect = {620, 700, 70, 24}},
                                   [this] { reject(); }));
}

void TForm14::buildRow(int n) {
    Row& row = m_rows[static_cast<size_t>(n)];
    const QRect place(kRowLeft, kRowTop + (n - 1) * kRowPitch, kRowWidth, kRowHeight);
    row.panel = Panel(this, QString("SlotPanel%1").arg(n), place, PanelKind::Inset);
    Text(row.panel, QString("SlotLabel%1").arg(n), QString("%1.").arg(n), {16, 8, 32, 36}, 15,
         Tone::Accent, true);

    row.caption = new QLineEdit(row.panel);
    row.caption->setObjectName(QString("Edit%1").arg(n));
    row.caption->setGeometry(52, 8, 520, 36);
    QFont font = row.caption->font();
    font.setPointSize(12);
    row.caption->setFont(font);
    row.caption->setAccessibleName(QString("Caption of slot %1").arg(n));
    TakeOnlyRecordText(row.caption);

    row.summary =
        Text(row.panel, QString("SlotSummary%1").arg(n), "", {54, 50, 560, 24}, 10, Tone::Soft);

    const int save = SaveButton(n);
    const int load = LoadButton(n);
    row.save = ButtonWithTwin(*this, row.panel,
                              {.stem = QString("Button%1").arg(save),
                               .text = "Save",
                               .rect = {624, 8, 150, 38},
                               .twinName = QString("BlindButton%1").arg(save),
                               .twinRect = {624, 52, 150, 22},
                               .small = true,
                               .twinText = QString("Save in slot %1").arg(n)},
                              [this, n] { saveSlot(n); });
    row.load = ButtonWithTwin(*this, row.panel,
                              {.stem = QString("Button%1").arg(load),
                               .text = "Load",
                               .rect = {784, 8, 150, 38},
                               .twinName = QString("BlindButton%1").arg(load),
                               .twinRect = {784, 52, 150, 22},
                               .small = true,
                               .twinText = QString("Load slot %1").arg(n)},
                              [this, n] { loadSlot(n); });
}

void TForm14::prepareFor(Opener opener) {
    m_opener = opener;
    m_loaded = false;
    const Settings& settings = session().settings();
    for (int n = 1; n <= kNumberedSaveSlots; ++n) {
        m_rows[static_cast<size_t>(n)].caption->setText(
            Q(settings.SaveSlotNames[static_cast<size_t>(n)]));
        showRow(n);
    }
    const bool previous = settings.SaveSlotNames[kRunningGameSlot] != kEmptySlotCaption;
    m_continue->setEnabled(opener == Opener::StartScreen && previous);
}

void TForm14::showRow(int n) {
    Row& row = m_rows[static_cast<size_t>(n)];
    const std::string& caption = session().settings().SaveSlotNames[static_cast<size_t>(n)];
    const bool empty = caption == kEmptySlotCaption;
    // An empty slot's files (if any are left over) are not a game the player kept.
    row.held = empty ? SlotSummary{} : ReadSlotSummary(n, session().userDir());
    const QString summary = empty ? QString() : Q(SlotSummaryText(row.held));
    row.summary->setText(summary);
    row.summary->setStyleSheet(ToneStyle(row.held.readable || empty ? Tone::Soft : Tone::Warning));
    row.summary->setToolTip(row.held.readable || empty ? QString() : Q(row.held.problem));
    row.panel->setAccessibleName(summary.isEmpty()
                                     ? QString("Slot %1: %2").arg(n).arg(Q(caption))
                                     : QString("Slot %1: %2, %3").arg(n).arg(Q(caption), summary));
    row.load->setEnabled(!empty && row.held.readable);
    row.load->setAccessibleDescription(summary);
    row.save->setEnabled(session().game().CurrentGame != 0);
}

void TForm14::saveSlot(int n) {
    Session& s = session();
    GameState& gs = s.game();
    Settings& settings = s.settings();
    if (gs.CurrentGame == 0) return;
    std::string& caption = settings.SaveSlotNames[static_cast<size_t>(n)];
    if (caption != kEmptySlotCaption && !s.dialogs().Ask(kOverwriteTitle, kOverwriteText)) return;

    const Status saved = SaveSlot(gs, settings, n, s.userDir());
    if (!saved) {
        s.dialogs().Inform(
            kErrorTitle,
            QString("The game could not be saved in slot %1: %2").arg(n).arg(Q(saved.message())));
        return;
    }
    // A caption left empty, or left as the empty slot's, would hide the game just saved.
    const std::string typed =
        m_rows[static_cast<size_t>(n)].caption->text().trimmed().toStdString();
    caption = typed.empty() || typed == kEmptySlotCaption ? DefaultSlotCaption(gs) : typed;
    // The captions reach the disk now, so that a game saved is not lost with its caption if the
    // program ends without its own goodbye.
    if (const Status stored = SaveSettings(settings, s.userDir()); !stored)
        s.dialogs().Inform(kErrorTitle,
                           QString("The game was saved in slot %1, but the list of saved games "
                                   "could not be written: %2")
                               .arg(n)
                               .arg(Q(stored.message())));
    accept();
}

void TForm14::loadSlot(int n) {
    Row& row = m_rows[static_cast<size_t>(n)];
    if (!row.load->isEnabled()) return;
    loadFrom(n, QString("slot %1").arg(n));
}

void TForm14::continuePreviousGame() {
    if (!m_continue->isEnabled()) return;
    loadFrom(kRunningGameSlot, "the previous game");
}

void TForm14::loadFrom(int slot, const QString& which) {
    Session& s = session();
    // The engine reads the slot and its catalogue completely before anything is replaced, so
    // a failed load leaves the game on the desk as it was.
    const Status loaded = LoadGameFromSlot(s.game(), s.catalogue(), slot, s.dirs());
    if (!loaded) {
        s.dialogs().Inform(
            kErrorTitle,
            QString("The game in %1 could not be loaded: %2").arg(which, Q(loaded.message())));
        // What the files hold may have changed since the screen opened: show it as it is now.
        for (int n = 1; n <= kNumberedSaveSlots; ++n)
            showRow(n);
        return;
    }
    // A missing or broken history file only empties the history charts.
    if (!s.game().HistoryNote.empty()) std::fprintf(stderr, "%s\n", s.game().HistoryNote.c_str());
    m_loaded = true;
    // A loaded game is the player's own: the tutorial's first turn does not fit it.
    if (TForm28* tutorial = s.tutorial()) tutorial->gameLoaded();
    accept();
}

}  // namespace qvx::ui
