#include "Client_RegionalLicenses.h"

#include <QFrame>

#include "Act.h"
#include "Licences.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

// The map picture's place; markers and flags are its children, at map coordinates.
constexpr QRect kMapPlace{8, 72, 840, 600};
constexpr int kMarkerSize = 32;
// Narrow enough that the right-hand flag of a marker at the map's eastern edge stays on it.
constexpr QSize kFlagSize{16, 22};
// Flag k around its marker: above, right, below, left.
constexpr QPoint kFlagOffsets[kChannels] = {{6, -41}, {41, 0}, {6, 41}, {-36, 0}};
// The region panel lies over the map's left or right edge, away from the marker it describes.
constexpr int kPanelWidth = 256;
constexpr int kPanelTop = 76;
constexpr int kPanelLeftX = kMapPlace.left() + 4;
constexpr int kPanelRightX = kMapPlace.right() + 1 - kPanelWidth - 4;
constexpr const char* kColourNames[kChannels] = {"Red", "Yellow", "Green", "Blue"};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString FlagStyle(int company) {
    return QString(
               "QLabel { background: %1; border: 2px solid %2; border-radius: 4px; color: %3;"
               " font-weight: bold; }")
        .arg(palette::kChannels[company - 1], palette::kText, palette::kNight);
}

// The panel's value labels with their captions, top to bottom: value name, caption name, caption.
struct PanelRow {
    const char* value;
    const char* caption;
    const char* text;
};
constexpr PanelRow kPopulationRows[] = {
    {"Label2", "Label1", "Kids:"},      {"Label4", "Label3", "Teens:"},
    {"Label6", "Label5", "Women:"},     {"Label12", "Label10", "Men:"},
    {"Label14", "Label13", "Seniors:"}, {"Label11", "Label7", "Total:"},
};
constexpr PanelRow kCostRows[] = {
    {"Label16", "Label15", "License price:"},
    {"Label21", "Label20", "Monthly costs:"},
};

}  // namespace

TForm16::TForm16(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm16", "QVX2_bg_screen.jpg") {
    Caption(this, "Label22", "Broadcasting licenses", {24, 20, 560, 40}, 20);
    // Right-aligned between two of the studio lamps of the background, where it stays readable.
    m_money = Text(this, "MoneyLabel", "", {540, 24, 320, 32}, 14, Tone::Gain, true);
    m_money->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    buildMap();
    buildLegend();
    buildPanel();
    setEscapeButton(ButtonWithTwin(*this, this,
                                   {.stem = "Button1",
                                    .text = "Close",
                                    .rect = {862, 628, 150, 44},
                                    .twinName = "BlindButton4",
                                    .twinRect = {862, 594, 150, 26}},
                                   [this] { accept(); }));
}

void TForm16::buildMap() {
    Panel(this, "MapFrame", kMapPlace.adjusted(-3, -3, 3, 3), PanelKind::Inset);
    m_map = Picture(this, "Image1", kMapPlace, "QVX2_map_US.jpg", "Map of the territories");
    for (int r = 1; r <= kMapMarkers; ++r) {
        Marker& marker = m_markers[static_cast<size_t>(r - 1)];
        for (int k = 1; k <= kChannels; ++k) {
            QLabel* flag = Text(m_map, QString("Region%1_Flag%2").arg(r).arg(k),
                                QString(kColourNames[k - 1][0]), {QPoint(0, 0), kFlagSize}, 8);
            flag->setAlignment(Qt::AlignCenter);
            flag->setStyleSheet(FlagStyle(k));
            flag->setAccessibleName(QString("%1 holds this license").arg(kColourNames[k - 1]));
            flag->hide();
            marker.flags[static_cast<size_t>(k - 1)] = flag;
        }
        marker.picture =
            new PictureLabel(m_map, QString("Region%1").arg(r), {0, 0, kMarkerSize, kMarkerSize});
        marker.picture->setPicture("QVX2_RegionA.bmp");
        marker.picture->setCursor(Qt::PointingHandCursor);
        PictureLabel* picture = marker.picture;
        connect(picture, &PictureLabel::entered, this,
                [picture] { picture->setPicture("QVX2_RegionB.bmp"); });
        connect(picture, &PictureLabel::left, this,
                [picture] { picture->setPicture("QVX2_RegionA.bmp"); });
        connect(picture, &PictureLabel::clicked, this, [this, r] {
            this->session().sounds().PlayClick();
            showRegion(r);
        });
    }

    new BlindLabel(session(), this, "BlindLabel1",
                   "Territories in this country:", {16, 80, 620, 24});
    for (int r = 1; r <= kMapMarkers; ++r) {
        auto* line = new BlindLabel(session(), this, QString("BlindLabel%1").arg(r + 1), " ",
                                    {16, 80 + 26 * r, 620, 24});
        connect(line, &BlindLabel::clicked, this, [this, r] {
            this->session().sounds().PlayClick();
            showRegion(r);
        });
        m_lines[static_cast<size_t>(r - 1)] = line;
    }
}

void TForm16::buildLegend() {
    QFrame* legend = Panel(this, "LegendPanel", {862, 72, 150, 250});
    Caption(legend, "Label24", "Flags", {12, 8, 126, 26}, 12);
    for (int k = 1; k <= kChannels; ++k) {
        const int top = 40 + (k - 1) * 50;
        QLabel* flag = Text(legend, QString("LegendFlag%1").arg(k), QString(kColourNames[k - 1][0]),
                            {QPoint(12, top + 11), kFlagSize}, 8);
        flag->setAlignment(Qt::AlignCenter);
        flag->setStyleSheet(FlagStyle(k));
        QLabel* name =
            Text(legend, QString("LegendName%1").arg(k), "", {42, top, 100, 44}, 9, Tone::Soft);
        name->setWordWrap(true);
        name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_legend[static_cast<size_t>(k - 1)] = name;
    }
    QFrame* own = Panel(this, "StationsPanel", {862, 334, 150, 126});
    Caption(own, "Label26", "Your network", {12, 8, 126, 26}, 12);
    m_stations = Text(own, "Label27", "", {12, 38, 126, 22}, 10, Tone::Plain, true);
    Text(own, "Label28", "Monthly costs:", {12, 64, 126, 22}, 10, Tone::Muted);
    m_stationCosts = Text(own, "Label29", "", {12, 88, 126, 22}, 10, Tone::Plain, true);
    QLabel* hint = Text(this, "Label25", "Click a marker to see its territory and license.",
                        {866, 476, 146, 80}, 10, Tone::Muted);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TForm16::buildPanel() {
    m_panel = Panel(this, "Panel1", {kPanelRightX, kPanelTop, kPanelWidth, 592}, PanelKind::Popup);
    constexpr int inner = kPanelWidth - 28;
    Caption(m_panel, "Label8", "", {14, 10, inner, 28}, 14);
    Text(m_panel, "Label9", "", {14, 38, inner, 20}, 10, Tone::Muted);
    QLabel* description = Text(m_panel, "Label18", "", {14, 62, inner, 96}, 10, Tone::Soft);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Caption(m_panel, "Label17", "Viewers", {14, 164, inner, 24}, 12);
    int top = 192;
    const auto row = [&](const PanelRow& r, int gapAfter) {
        Text(m_panel, r.caption, r.text, {14, top, 96, 22}, 10, Tone::Muted);
        QLabel* value = Text(m_panel, r.value, "", {110, top, inner - 96, 22}, 10, Tone::Plain);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        top += 24 + gapAfter;
    };
    for (const PanelRow& r : kPopulationRows)
        row(r, 0);
    Child(m_panel, "Label11")->setStyleSheet(ToneStyle(Tone::Plain, true));
    top += 10;
    Caption(m_panel, "Label19", "License", {14, top, inner, 24}, 12);
    top += 28;
    for (const PanelRow& r : kCostRows)
        row(r, 0);
    Child(m_panel, "Label16")->setStyleSheet(ToneStyle(Tone::Accent, true));

    const int buttonLeft = 14;
    ButtonWithTwin(*this, m_panel,
                   {.stem = "ButtonP1",
                    .text = "Acquire license",
                    .rect = {buttonLeft, 444, inner, 40},
                    .twinName = "BlindButton1",
                    .twinRect = {buttonLeft, 452, inner, 24}},
                   [this] { acquireLicence(); });
    ButtonWithTwin(*this, m_panel,
                   {.stem = "ButtonP2",
                    .text = "Cancel license",
                    .rect = {buttonLeft, 492, inner, 40},
                    .twinName = "BlindButton2",
                    .twinRect = {buttonLeft, 500, inner, 24}},
                   [this] { cancelLicence(); });
    addPanelEscapeButton(ButtonWithTwin(*this, m_panel,
                                        {.stem = "ButtonP3",
                                         .text = "Close",
                                         .rect = {buttonLeft, 540, inner, 40},
                                         .twinName = "BlindButton3",
                                         .twinRect = {buttonLeft, 548, inner, 24}},
                                        [this] { hidePanel(); }));
    m_panel->hide();
}

QLabel* TForm16::Child(QWidget* parent, const char* name) {
    return parent->findChild<QLabel*>(QString::fromLatin1(name));
}

void TForm16::prepare() {
    hidePanel();
    redraw();
}

void TForm16::redraw() {
    const GameState& gs = session().game();
    const LicenceMapView view = BuildLicenceMapView(gs);
    m_money->setText(Q(view.money));
    m_stations->setText(Q(view.stations));
    m_stationCosts->setText(Q(view.stationCosts));
    m_map->setPicture(Q(view.mapPicture));
    for (int r = 1; r <= kMapMarkers; ++r) {
        const RegionMarker& place = view.markers[static_cast<size_t>(r - 1)];
        Marker& marker = m_markers[static_cast<size_t>(r - 1)];
        const QString line = Q(view.lines[static_cast<size_t>(r - 1)]);
        m_lines[static_cast<size_t>(r - 1)]->setText(line);
        marker.picture->setVisible(place.shown);
        marker.picture->move(place.x, place.y);
        marker.picture->setAccessibleName(line);
        marker.picture->setToolTip(WrappedToolTip(line));
        for (int k = 0; k < kChannels; ++k) {
            QLabel* flag = marker.flags[static_cast<size_t>(k)];
            flag->move(place.x + kFlagOffsets[k].x(), place.y + kFlagOffsets[k].y());
            flag->setVisible(place.shown && place.flags[static_cast<size_t>(k)]);
        }
        marker.picture->raise();
    }
    for (int k = 1; k <= kChannels; ++k) {
        QString name = Q(gs.ChannelNames[k]);
        if (!InBusiness(gs, k)) name += " (bankrupt)";
        m_legend[static_cast<size_t>(k - 1)]->setText(name);
    }
    if (m_region != 0) fillPanel();
}

void TForm16::showRegion(int region) {
    if (region < 1 || region > kMapMarkers || !RegionExists(session().game(), region)) return;
    m_region = region;
    switch (RegionPanelSide(session().game().Regions[region][Reg::kMarkerX])) {
        case PanelSide::Left:
            m_panel->move(kPanelLeftX, kPanelTop);
            break;
        case PanelSide::Right:
            m_panel->move(kPanelRightX, kPanelTop);
            break;
        case PanelSide::Keep:
            break;
    }
    fillPanel();
    m_panel->show();
    m_panel->raise();
}

void TForm16::fillPanel() {
    const RegionPanelView view = BuildRegionPanelView(session().game(), session().deck(), m_region);
    SetFittedText(Child(m_panel, "Label8"), Q(view.name));
    SetFittedText(Child(m_panel, "Label9"), Q(view.codes));
    Child(m_panel, "Label18")->setText(Q(view.description));
    for (int g = 0; g < kAudienceGroups; ++g)
        Child(m_panel, kPopulationRows[g].value)->setText(Q(view.groups[static_cast<size_t>(g)]));
    Child(m_panel, "Label11")->setText(Q(view.total));
    Child(m_panel, "Label16")->setText(Q(view.price));
    Child(m_panel, "Label21")->setText(Q(view.monthlyCost));
    m_panel->setAccessibleName(Q(view.name));
}

void TForm16::hidePanel() {
    m_region = 0;
    m_panel->hide();
}

void TForm16::acquireLicence() {
    if (m_region == 0) return;
    GameState& gs = session().game();
    const Boosters& deck = session().deck();
    const int region = m_region;
    Act(session().dialogs(),
        {.check = [&gs, &deck,
                   region] { return LicenceMessage(CheckBuyLicence(gs, deck, region)); },
         .question = [&gs, &deck, region] { return BuyLicenceQuestion(gs, deck, region); },
         .apply = [&gs, &deck, region] { return LicenceMessage(BuyLicence(gs, deck, region)); }},
        [this] { redraw(); });
}

void TForm16::cancelLicence() {
    if (m_region == 0) return;
    GameState& gs = session().game();
    const int region = m_region;
    Act(session().dialogs(),
        {.check = [&gs, region] { return LicenceMessage(CheckCancelLicence(gs, region)); },
         .question = [&gs, region] { return CancelLicenceQuestion(gs, region); },
         .apply = [&gs, region] { return LicenceMessage(CancelLicence(gs, region)); }},
        [this] { redraw(); });
}

}  // namespace qvx::ui
