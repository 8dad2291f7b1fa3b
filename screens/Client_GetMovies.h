#pragma once
// TForm9, the movie agency: the channel's movie archive and the agency's offers, with buying,
// selling and reordering by drag and drop. The trades are the engine's; this screen routes each
// drop to the trade of the place where the drag started and shows the dialogs it answers with.
#include <memory>

#include "GameScreen.h"

class QLabel;

namespace qvx::ui {

class MovieInfoPanel;
class PlaceGrid;

class TForm9 : public GameScreen {
    Q_OBJECT
  public:
    TForm9(Session& session, QWidget* parent);
    ~TForm9() override;

    void prepare() override { redraw(); }
    // Archive and offer pictures, blind texts and the money line.
    void redraw();
    // The hover panel for title m; m < 1 hides it.
    void showMovieInfo(int32_t movie);

    void buyMovie(int offer, int position);
    void sellMovie(int position);
    void swapArchive(int from, int to);

  private:
    void dropped(int from, int to);
    void openBlindInfo(int32_t movie);
    void close();

    std::unique_ptr<PlaceGrid> m_archive;
    std::unique_ptr<PlaceGrid> m_offers;
    MovieInfoPanel* m_panel;
    MovieInfoPanel* m_blindPanel;
    QLabel* m_money;
    int32_t m_shown = 0;
};

}  // namespace qvx::ui
