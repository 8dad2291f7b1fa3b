#include "CompanySwitch.h"

#include "OfficeView.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

constexpr int kCellHeight = 52;
constexpr int kBubble = 40;
constexpr const char* kColourWords[4] = {"Red", "Yellow", "Green", "Blue"};

QString ColourWord(int c) {
    return kColourWords[c - 1];
}

}  // namespace

CompanySwitch::CompanySwitch(Session& session, QWidget* parent, QPoint origin, int pitch,
                             const QString& blindStem)
    : QWidget(parent), m_session(session) {
    setObjectName("CompanySwitch");
    setGeometry(origin.x(), origin.y(), pitch * 4, kCellHeight);
    const int inner = pitch - 8;
    for (int c = 1; c <= 4; ++c) {
        Cell& cell = m_cells[c - 1];
        const int left = (c - 1) * pitch;
        const QString switchText = "Switch to " + ColourWord(c) + " channel";
        cell.bubble =
            new PictureLabel(this, QString("Bubble%1").arg(c), {left, 0, kBubble, kBubble});
        cell.bubble->setPicture(QString("QVX2_bubble%1.jpg").arg(c));
        cell.bubble->setAccessibleName(switchText);
        cell.shape = new PictureLabel(this, QString("Shape%1").arg(c),
                                      {left + kBubble + 6, 0, kBubble, kBubble});
        cell.shape->setScaledContents(true);
        cell.name = new PictureLabel(this, QString("CompanyName%1").arg(c),
                                     {left + 2 * kBubble + 14, 0, inner - 2 * kBubble - 14, 24});
        cell.marker = new PictureLabel(this, QString("Marker%1").arg(c),
                                       {left + 2 * kBubble + 14, 30, inner - 2 * kBubble - 18, 6});
        // The twin lies over its cell's pictures, as every blind twin lies over what it stands for.
        cell.twin = new BlindLabel(session, this, QString("%1%2").arg(blindStem).arg(c), switchText,
                                   {left, 9, inner, 24});
        for (PictureLabel* part : {cell.bubble, cell.shape, cell.name, cell.marker}) {
            part->setCursor(Qt::PointingHandCursor);
            connect(part, &PictureLabel::clicked, this, [this, c] { choose(c); });
        }
        connect(cell.twin, &BlindLabel::clicked, this, [this, c] { choose(c); });
    }
    mark();
}

void CompanySwitch::select(int c) {
    if (c < 1 || c > 4) return;
    m_selected = c;
    mark();
}

void CompanySwitch::choose(int c) {
    if (c < 1 || c > 4 || c == m_selected) return;
    m_session.sounds().PlayClick();
    select(c);
    if (m_onChange) m_onChange(c);
}

void CompanySwitch::refresh() {
    const GameState& gs = m_session.game();
    for (int c = 1; c <= 4; ++c) {
        Cell& cell = m_cells[c - 1];
        const int32_t logo = gs.Channel[c][Ch::kLogo];
        const bool open = InBusiness(gs, c);
        cell.shape->setPicture(
            QString::fromStdString(open ? SmallLogoPicture(logo) : GreyLogoPicture(logo)));
        const QString name = QString::fromStdString(gs.ChannelNames[c]);
        SetFittedText(cell.name, name);
        cell.shape->setAccessibleName(name + (open ? "" : ", bankrupt"));
    }
    mark();
}

void CompanySwitch::mark() {
    for (int c = 1; c <= 4; ++c) {
        Cell& cell = m_cells[c - 1];
        const bool lit = c == m_selected;
        cell.name->setStyleSheet(ToneStyle(lit ? Tone::Plain : Tone::Muted, lit));
        cell.marker->setStyleSheet(QString("background: %1; border-radius: 3px;")
                                       .arg(lit ? palette::kChannels[c - 1] : palette::kLine));
        cell.bubble->setAccessibleDescription(lit ? "Selected" : QString());
    }
}

}  // namespace qvx::ui
