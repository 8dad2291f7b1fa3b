#include "InfoPanels.h"

#include <QLabel>

#include "GameScreen.h"
#include "ScreenKit.h"

namespace qvx::ui {

namespace {

constexpr int kWidth = 420;
constexpr int kInner = kWidth - 28;
constexpr int kLine = 22;
constexpr int kBarLeft = 96;
constexpr int kBarWidth = 230;
constexpr const char* kRatingNames[kRatingBars] = {"Action", "Comedy", "Romance",
                                                   "SFX",    "Story",  "Cast"};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Both panels start alike: a popup frame with the title and the story or second text under it.
void StartPanel(QFrame* panel, const QString& name, QPoint at, int height, QLabel*& title,
                QLabel*& story) {
    panel->setObjectName(name);
    panel->setGeometry(QRect(at, QSize(kWidth, height)));
    panel->setStyleSheet(PanelStyleSheet(name, PanelKind::Popup));
    title = Text(panel, "InfoTitle", "Empty", {14, 10, kInner, 28}, 13, Tone::Accent, true);
    story = Text(panel, "InfoStory", "", {14, 40, kInner, 80}, 10, Tone::Soft);
    story->setWordWrap(true);
    story->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    panel->hide();
}

// The blind panel's own "Close" sits under the panel's last line.
int AddClose(GameScreen& screen, QFrame* panel, int height) {
    screen.addPanelEscapeButton(ButtonWithTwin(screen, panel,
                                               {.stem = "InfoClose",
                                                .text = "Close",
                                                .rect = {kWidth - 134, height, 120, 32},
                                                .small = true},
                                               [panel] { panel->hide(); }));
    return height + 44;
}

}  // namespace

MovieInfoPanel::MovieInfoPanel(GameScreen& screen, QWidget* parent, const QString& name, QPoint at,
                               bool blind)
    : QFrame(parent) {
    constexpr int kRatingsTop = 200;
    constexpr int kBottom = kRatingsTop + kRatingBars * kLine + 8;
    StartPanel(this, name, at, kBottom + kLine + 12, m_title, m_story);
    m_type = Text(this, "InfoType", "", {14, 124, kInner, kLine});
    m_genre = Text(this, "InfoGenre", "", {14, 124 + kLine, kInner, kLine});
    m_quality = Text(this, "InfoQuality", "", {14, 124 + 2 * kLine, kInner, kLine});
    for (int r = 0; r < kRatingBars; ++r) {
        const int y = kRatingsTop + r * kLine;
        Text(this, QString("InfoRatingName%1").arg(r + 1), kRatingNames[r], {14, y, 80, kLine}, 10,
             Tone::Muted);
        auto* track = ui::Panel(this, QString("InfoTrack%1").arg(r + 1),
                                {kBarLeft, y + 5, kBarWidth, 12}, PanelKind::Inset);
        track->lower();
        m_bars[r] = new QFrame(this);
        m_bars[r]->setObjectName(QString("InfoBar%1").arg(r + 1));
        m_bars[r]->setStyleSheet(
            QString("background: %1; border-radius: 4px;").arg(palette::kAccent));
        m_ratings[r] = Text(this, QString("InfoRating%1").arg(r + 1), "",
                            {kBarLeft + kBarWidth + 12, y, 60, kLine}, 10);
    }
    m_length = Text(this, "InfoLength", "", {14, kBottom, 120, kLine});
    m_price =
        Text(this, "InfoPrice", "", {140, kBottom, kInner - 126, kLine}, 11, Tone::Gain, true);
    m_price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (blind) resize(kWidth, AddClose(screen, this, height()));
}

void MovieInfoPanel::fill(const MovieInfo& info) {
    m_title->setText(Q(info.title));
    m_story->setText(Q(info.story));
    m_type->setText(Q(info.type));
    m_genre->setText(Q(info.genre));
    m_quality->setText(Q(info.quality));
    for (int r = 0; r < kRatingBars; ++r) {
        const QRect track = findChild<QFrame*>(QString("InfoTrack%1").arg(r + 1))->geometry();
        m_bars[r]->setGeometry(track.x(), track.y(), kBarWidth * info.ratings[r] / 100,
                               track.height());
        m_bars[r]->setVisible(info.ratings[r] > 0);
        m_ratings[r]->setText(Q(info.ratingTexts[r]));
    }
    m_length->setText(Q(info.length));
    m_price->setText(Q(info.price));
    setAccessibleName(Q(info.title));
    setAccessibleDescription(Q(info.story));
}

void MovieInfoPanel::showInfo(const MovieInfo& info) {
    fill(info);
    setVisible(info.shown);
    if (info.shown) raise();
}

QString MovieInfoPanel::title() const {
    return m_title->text();
}

ContractInfoPanel::ContractInfoPanel(GameScreen& screen, QWidget* parent, const QString& name,
                                     QPoint at, bool blind)
    : QFrame(parent) {
    constexpr int kTop = 126;
    const char* names[6] = {"InfoAudience", "InfoRequired", "InfoCompleted",
                            "InfoPayment",  "InfoPay",      "InfoDeadline"};
    StartPanel(this, name, at, kTop + 6 * kLine + 12, m_name, m_text);
    for (int i = 0; i < 6; ++i)
        m_lines[i] = Text(this, names[i], "", {14, kTop + i * kLine, kInner, kLine});
    m_lines[4]->setStyleSheet(ToneStyle(Tone::Gain, true));
    if (blind) resize(kWidth, AddClose(screen, this, height()));
}

void ContractInfoPanel::fill(const ContractInfo& info) {
    m_name->setText(Q(info.name));
    m_text->setText(Q(info.text));
    const std::string* lines[6] = {&info.audience, &info.required, &info.completed,
                                   &info.payment,  &info.pay,      &info.deadline};
    for (int i = 0; i < 6; ++i)
        m_lines[i]->setText(Q(*lines[i]));
    setAccessibleName(Q(info.name));
    setAccessibleDescription(Q(info.text));
}

void ContractInfoPanel::showInfo(const ContractInfo& info) {
    fill(info);
    setVisible(info.shown);
    if (info.shown) raise();
}

QString ContractInfoPanel::title() const {
    return m_name->text();
}

}  // namespace qvx::ui
