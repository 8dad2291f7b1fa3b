// The programme table's layout: the ten hours on the left, the archive with its two tabs on the
// right, the dustbin, the history and the close button along the bottom.
#include <QFrame>
#include <QLabel>

#include "Client_TVProgramme.h"
#include "DragDrop.h"
#include "InfoPanels.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

constexpr int kRowsTop = 76;
constexpr int kHourPitch = 61;
constexpr int kArchiveColumns = 4;
constexpr QPoint kArchiveOrigin{640, 122};
constexpr int kArchivePitchX = 88;
constexpr int kArchivePitchY = 81;
constexpr int kCell = 78;
constexpr QPoint kInfoAt{406, 101};
constexpr QPoint kBlindInfoAt{8, 12};
constexpr int kButtonsTop = 700;
constexpr int kTwinsTop = 742;

QString Numbered(const char* stem, int n) {
    return QString("%1%2").arg(stem).arg(n);
}

}  // namespace

void TForm8::buildHeader() {
    Caption(this, "Label1", "TV program table", {24, 14, 420, 34}, 18);
    m_date = Text(this, "Label13", QString(), {24, 46, 580, 22}, 11, Tone::Muted);
}

void TForm8::buildRows() {
    Panel(this, "RowsPanel", {10, 70, 596, 622});
    for (int s = 1; s <= kSlots; ++s) {
        const int i = s - 1;
        const int y = kRowsTop + i * kHourPitch;
        Panel(this, Numbered("Hour", s), {16, y, 584, 58}, PanelKind::Inset);
        m_slotPics[i] = Picture(this, Numbered("SlotPic", s), {22, y + 3, 36, 27}, QString(),
                                QString("Programme picture, hour %1").arg(s));
        m_slots[i] = new PictureLabel(this, Numbered("Slot", s), {64, y + 1, 386, 30});
        m_forecasts[i] =
            Text(this, Numbered("Forecast", s), QString(), {456, y + 1, 138, 30}, 10, Tone::Soft);
        m_forecasts[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_adPics[i] = Picture(this, Numbered("SlotAdPic", s), {30, y + 33, 28, 21}, QString(),
                              QString("Advertisement picture, hour %1").arg(s));
        m_adRows[i] = new PictureLabel(this, Numbered("SlotAds", s), {64, y + 30, 530, 26});
        for (PictureLabel* row : {m_slots[i], m_adRows[i]}) {
            row->setScaledContents(false);
            row->setTextFormat(Qt::PlainText);
            row->setAccessibleDescription(
                "Drag onto another hour or the dustbin; drop archive items here");
        }
        m_slots[i]->setFont(QFont(m_slots[i]->font().family(), 11));
        m_adRows[i]->setFont(QFont(m_adRows[i]->font().family(), 10));
        auto picture = [this](const PictureLabel* row) {
            return [this, row] { return dragPicture(row); };
        };
        new DragSource(m_slots[i], s, picture(m_slotPics[i]));
        new DragSource(m_adRows[i], kAdRowCode + s, picture(m_adPics[i]));
        auto onDrop = [this](int from, int to) { dropped(from, to); };
        new DropArea(m_slots[i], s, onDrop);
        new DropArea(m_adRows[i], s, onDrop);
        connect(m_slots[i], &PictureLabel::entered, this,
                [this, i] { showMovieInfo(m_view.programmes[i].id); });
        connect(m_adRows[i], &PictureLabel::entered, this,
                [this, i] { showAdInfo(m_view.ads[i].id); });
        connect(m_slots[i], &PictureLabel::left, this, &TForm8::hideInfo);
        connect(m_adRows[i], &PictureLabel::left, this, &TForm8::hideInfo);
    }
}

void TForm8::buildArchive() {
    const char* texts[2] = {"Movies & News", "Advertisements"};
    for (int t = 0; t < 2; ++t) {
        const QRect place(620 + t * 194, 72, 190, 37);
        m_interfaces[t] =
            Panel(this, Numbered("Interface", 4 + t), {620, 108, 388, 584}, PanelKind::Tabbed);
        m_tabs[t] = Tab(this, Numbered("Tab", t + 1) + "ActiveField", texts[t], place, false);
        m_litTabs[t] = Tab(this, Numbered("Tab", t + 1) + "Lit", texts[t], place, true);
        auto* twin = new BlindLabel(session(), this, Numbered("BlindLabel", 4 + t), texts[t],
                                    {620 + t * 194, 48, 190, 22});
        const auto tab = static_cast<ArchiveTab>(t);
        auto pick = [this, tab] {
            session().sounds().PlayClick();
            selectTab(tab);
        };
        connect(m_tabs[t], &PictureLabel::clicked, this, pick);
        connect(twin, &BlindLabel::clicked, this, pick);
    }
    auto onDrop = [this](int from, int to) { dropped(from, to); };
    // The news item is no place to put anything: image 1 takes drops on "Advertisements" only.
    auto accepts = [this](int k) {
        return [this, k](int) { return k != kNewsImage || m_tab == ArchiveTab::Advertisements; };
    };
    for (int k = 1; k <= kArchiveImages; ++k) {
        const int i = k - 1;
        const QPoint at = kArchiveOrigin + QPoint((i % kArchiveColumns) * kArchivePitchX,
                                                  (i / kArchiveColumns) * kArchivePitchY);
        m_archivePanels[i] = Panel(this, Numbered("Archive", k) + "_Panel",
                                   {at, QSize(kCell, kCell)}, PanelKind::Inset);
        m_archive[i] = Picture(m_archivePanels[i], Numbered("Archive", k), {3, 3, 72, 72},
                               QString(), QString("Archive position %1").arg(k));
        m_archive[i]->setCursor(Qt::OpenHandCursor);
        m_blindArchive[i] = new BlindLabel(session(), this, Numbered("BlindArchiveSlot", k),
                                           QString(), {628, 112 + i * 20, 372, 20});
        m_blindArchive[i]->setWordWrap(false);
        for (QWidget* widget :
             {static_cast<QWidget*>(m_archive[i]), static_cast<QWidget*>(m_blindArchive[i])}) {
            new DragSource(widget, -k, [this, i] { return dragPicture(m_archive[i]); });
            new DropArea(widget, -k, onDrop, accepts(k));
        }
        // After the drag source, so that a press with a modifier held never starts a drag.
        m_archive[i]->installEventFilter(this);
        connect(m_archive[i], &PictureLabel::entered, this, [this, k] { showArchiveInfo(k); });
        connect(m_archive[i], &PictureLabel::left, this, &TForm8::hideInfo);
        connect(m_blindArchive[i], &BlindLabel::clicked, this, [this, k] { openBlindInfo(k); });
    }
}

void TForm8::buildButtons() {
    auto* bin = ButtonWithTwin(*this, this,
                               {.stem = "Button2",
                                .text = "Dustbin",
                                .rect = {16, kButtonsTop, 170, 36},
                                .twinName = "BlindLabel6",
                                .twinRect = {16, kTwinsTop, 290, 22},
                                .small = true,
                                .twinText = "Dustbin (Click to delete program)"},
                               [this] { deleteTable(); });
    bin->setAccessibleDescription("Drop a row here to delete it; click to delete the whole table");
    auto onDrop = [this](int from, int to) { dropped(from, to); };
    new DropArea(bin, kDustbin, onDrop);
    new DropArea(findChild<BlindLabel*>("BlindLabel6"), kDustbin, onDrop);
    m_undoButton = ButtonWithTwin(*this, this,
                                  {.stem = "UndoButton",
                                   .text = "Undo",
                                   .rect = {196, kButtonsTop, 120, 36},
                                   .twinName = "BlindUndoButton",
                                   .twinRect = {316, kTwinsTop, 90, 22},
                                   .small = true},
                                  [this] { undo(); });
    m_redoButton = ButtonWithTwin(*this, this,
                                  {.stem = "RedoButton",
                                   .text = "Redo",
                                   .rect = {326, kButtonsTop, 120, 36},
                                   .twinName = "BlindRedoButton",
                                   .twinRect = {416, kTwinsTop, 90, 22},
                                   .small = true},
                                  [this] { redo(); });
    m_undoButton->setToolTip("Take back the last change (Ctrl+Z)");
    m_redoButton->setToolTip("Make the change again (Ctrl+Shift+Z)");
    setEscapeButton(ButtonWithTwin(*this, this,
                                   {.stem = "Button1",
                                    .text = "Close",
                                    .rect = {724, kButtonsTop, 280, 44},
                                    .twinName = "BlindButton4",
                                    .twinRect = {884, kTwinsTop + 4, 120, 22}},
                                   [this] { closeScreen(); }));
}

void TForm8::buildInfoPanels() {
    m_movieInfo = new MovieInfoPanel(*this, this, "Panel1", kInfoAt);
    m_adInfo = new ContractInfoPanel(*this, this, "Panel3", kInfoAt);
    // The hover panels lie over the archive: they must not take the pointer from the image.
    m_movieInfo->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_adInfo->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_blindMovieInfo = new MovieInfoPanel(*this, this, "BlindInfoPanel1", kBlindInfoAt, true);
    m_blindAdInfo = new ContractInfoPanel(*this, this, "BlindInfoPanel2", kBlindInfoAt, true);
}

}  // namespace qvx::ui
