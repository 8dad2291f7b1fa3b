#pragma once
// TForm8, the programme table: the player plans the next day's ten hours by dragging titles,
// the news item and contracts from his archive onto the rows, rows onto other rows or into the
// dustbin. Every drop is one engine operation; the screen keeps only the tab, the history of
// this opening's edits (the table costs nothing and records nothing, so they can be taken back)
// and the forecast it shows beside the hours.
#include <array>
#include <functional>
#include <vector>

#include "GameScreen.h"
#include "ProgrammeTable.h"
#include "ProgrammeView.h"

class QFrame;
class QLabel;

namespace qvx::ui {

class BlindLabel;
class ContractInfoPanel;
class ImageButton;
class MovieInfoPanel;
class PictureLabel;

class TForm8 : public GameScreen {
    Q_OBJECT
  public:
    TForm8(Session& session, QWidget* parent);

    // The office opens the table on "Movies & News" with a fresh history.
    void prepare() override;
    // RedrawProgrammeTable: rows, ad rows, the open tab's archive, the forecast, the buttons.
    void redraw();
    void selectTab(ArchiveTab tab);
    ArchiveTab archiveTab() const { return m_tab; }

    void undo();
    void redo();
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

    // Drag codes: a programme row is its slot, an ad row kAdRowCode + slot, archive image k -k.
    static constexpr int kAdRowCode = 100;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Client_TVProgramme_Layout.cpp
    void buildHeader();
    void buildRows();
    void buildArchive();
    void buildButtons();
    void buildInfoPanels();

    // One edit: the operation through the act helper, remembered for undo when it changed
    // what the table edits.
    void edit(const std::function<ProgrammeOutcome()>& operation,
              const std::function<Dialog()>& question = {});
    void dropped(int from, int to);
    void fillEmptyAds(int image);
    void deleteTable();
    void closeScreen();

    void showMovieInfo(int32_t movie);
    void showAdInfo(int32_t contract);
    void showArchiveInfo(int image);
    void hideInfo();
    void openBlindInfo(int image);
    QPixmap dragPicture(const PictureLabel* source) const;

    ArchiveTab m_tab = ArchiveTab::MoviesNews;
    ProgrammeTableView m_view;
    std::vector<ProgrammeEdits> m_undo;
    std::vector<ProgrammeEdits> m_redo;

    QLabel* m_date = nullptr;
    std::array<PictureLabel*, kSlots> m_slotPics{};
    std::array<PictureLabel*, kSlots> m_slots{};
    std::array<QLabel*, kSlots> m_forecasts{};
    std::array<PictureLabel*, kSlots> m_adPics{};
    std::array<PictureLabel*, kSlots> m_adRows{};
    std::array<QFrame*, kArchiveImages> m_archivePanels{};
    std::array<PictureLabel*, kArchiveImages> m_archive{};
    std::array<BlindLabel*, kArchiveImages> m_blindArchive{};
    std::array<PictureLabel*, 2> m_tabs{};     // Tab1ActiveField, Tab2ActiveField
    std::array<PictureLabel*, 2> m_litTabs{};  // the lit face of the open tab
    std::array<QFrame*, 2> m_interfaces{};     // Interface4, Interface5
    ImageButton* m_undoButton = nullptr;
    ImageButton* m_redoButton = nullptr;
    MovieInfoPanel* m_movieInfo = nullptr;
    ContractInfoPanel* m_adInfo = nullptr;
    MovieInfoPanel* m_blindMovieInfo = nullptr;
    ContractInfoPanel* m_blindAdInfo = nullptr;
};

}  // namespace qvx::ui
