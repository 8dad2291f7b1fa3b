#pragma once
// TForm16, the licence map: the regions of the game's map with the flags of the companies that
// broadcast there, and a panel on one region where the player acquires or cancels its licence.
#include <array>

#include "GameScreen.h"
#include "LicenceView.h"

class QFrame;
class QLabel;

namespace qvx::ui {

class BlindLabel;
class PictureLabel;

class TForm16 : public GameScreen {
    Q_OBJECT
  public:
    TForm16(Session& session, QWidget* parent);

    void prepare() override;
    void redraw();
    // Opens the region panel on region 1..9, placed away from its marker.
    void showRegion(int region);
    void acquireLicence();
    void cancelLicence();
    int shownRegion() const { return m_region; }

  private:
    struct Marker {
        PictureLabel* picture = nullptr;
        std::array<QLabel*, kChannels> flags{};
    };
    void buildMap();
    void buildPanel();
    void buildLegend();
    void fillPanel();
    void hidePanel();
    static QLabel* Child(QWidget* parent, const char* name);

    PictureLabel* m_map = nullptr;
    std::array<Marker, kMapMarkers> m_markers{};
    std::array<BlindLabel*, kMapMarkers> m_lines{};
    std::array<QLabel*, kChannels> m_legend{};
    QFrame* m_panel = nullptr;
    QLabel* m_money = nullptr;
    QLabel* m_stations = nullptr;
    QLabel* m_stationCosts = nullptr;
    int m_region = 0;  // the region on the panel, 0 while it is closed
};

}  // namespace qvx::ui
