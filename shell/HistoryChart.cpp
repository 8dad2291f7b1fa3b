#include "HistoryChart.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "Formatting.h"
#include "ScreenKit.h"

namespace qvx::ui {

namespace {

// QWidget::palette() hides the kit's palette inside the chart's members.
namespace colours = qvx::ui::palette;

constexpr int kButtonHeight = 28;
constexpr int kButtonWidth = 150;
constexpr int kLeftMargin = 78;  // room for "-3,500,000"
constexpr int kRightMargin = 18;
constexpr int kTopMargin = 62;  // the buttons, the legend and the unit
constexpr int kBottomMargin = 38;
constexpr int kHitRadius = 8;
constexpr int kYTicks = 6;
constexpr int kXTicks = 10;

// The smallest of 1, 2, 2.5, 5 x 10^k that is at least raw, so the ticks fall on round numbers.
int64_t NiceStep(int64_t raw) {
    int64_t magnitude = 1;
    while (magnitude <= std::numeric_limits<int64_t>::max() / 100 && magnitude * 10 <= raw)
        magnitude *= 10;
    if (magnitude >= 10 && magnitude / 4 * 10 >= raw && magnitude * 2 < raw)
        return magnitude / 4 * 10;  // 25, 250, 2,500 ...
    for (int64_t factor : {1, 2, 5}) {
        if (magnitude * factor >= raw) return magnitude * factor;
    }
    return magnitude * 10;
}

int64_t FloorTo(int64_t v, int64_t step) {
    int64_t q = v / step;
    if (v % step != 0 && v < 0) --q;
    return q * step;
}

int64_t CeilTo(int64_t v, int64_t step) {
    int64_t q = v / step;
    if (v % step != 0 && v > 0) ++q;
    return q * step;
}

QColor Colour(const char* name) {
    return QColor(QString::fromLatin1(name));
}

}  // namespace

HistoryChart::HistoryChart(QWidget* parent) : QWidget(parent) {
    setObjectName("HistoryChart");
    setMouseTracking(true);
    resize(sizeHint());
    for (int m = 0; m < kMeasures; ++m) {
        auto* button = new QPushButton(measureTitle(static_cast<Measure>(m)), this);
        button->setObjectName(QString("HistoryMeasure%1").arg(m + 1));
        button->setCheckable(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(
            QString("QPushButton { color: %1; background: %2; border: 1px solid %3; "
                    "font-weight: bold; padding: 2px; }"
                    "QPushButton:checked { color: %4; background: %5; border-color: %4; }")
                .arg(colours::kSoftText, colours::kNight, colours::kLine, colours::kAccent,
                     colours::kPanel));
        connect(button, &QPushButton::clicked, this,
                [this, m] { setMeasure(static_cast<Measure>(m)); });
        m_buttons[static_cast<size_t>(m)] = button;
    }
    for (int c = 0; c < kChannels; ++c)
        m_names[static_cast<size_t>(c)] = QString("Company %1").arg(c + 1);
    layoutButtons();
    setMeasure(Measure::Funds);
}

void HistoryChart::setHistory(const GameHistory& history, const std::array<QString, 4>& names) {
    m_history = history;
    m_names = names;
    m_hover = {};
    updateSummary();
    update();
}

void HistoryChart::setFromGame(const GameState& gs) {
    std::array<QString, 4> names;
    for (int c = 1; c <= kChannels; ++c) {
        names[static_cast<size_t>(c - 1)] = gs.ChannelNames[c].empty()
                                                ? QString("Company %1").arg(c)
                                                : QString::fromStdString(gs.ChannelNames[c]);
    }
    setHistory(gs.History, names);
}

void HistoryChart::setMeasure(Measure measure) {
    m_measure = measure;
    for (int m = 0; m < kMeasures; ++m)
        m_buttons[static_cast<size_t>(m)]->setChecked(m == static_cast<int>(measure));
    m_hover = {};
    updateSummary();
    update();
}

QPushButton* HistoryChart::measureButton(Measure measure) const {
    return m_buttons[static_cast<size_t>(measure)];
}

QString HistoryChart::measureTitle(Measure measure) {
    switch (measure) {
        case Measure::Funds:
            return "Funds";
        case Measure::CompanyValue:
            return "Company value";
        case Measure::PrimeTimeViewers:
            return "Viewers at 08:00 pm";
        case Measure::SharePrice:
            return "Share price";
    }
    return {};
}

QString HistoryChart::valueText(Measure measure, int64_t value) {
    const QString amount = QString::fromStdString(FormatAmount(value));
    switch (measure) {
        case Measure::Funds:
        case Measure::CompanyValue:
            return "$ " + amount + " millions";
        case Measure::PrimeTimeViewers:
            return amount + " millions";
        case Measure::SharePrice:
            return "$ " + amount;
    }
    return amount;
}

int64_t HistoryChart::valueOf(const HistoryPoint& point) const {
    switch (m_measure) {
        case Measure::Funds:
            return point.funds;
        case Measure::CompanyValue:
            return point.companyValue;
        case Measure::PrimeTimeViewers:
            return point.primeTimeViewers;
        case Measure::SharePrice:
            return point.sharePrice;
    }
    return 0;
}

bool HistoryChart::hasPoint(int entry, int company) const {
    return entry >= 0 && entry < static_cast<int>(m_history.entries.size()) && company >= 1 &&
           company <= kChannels &&
           m_history.entries[static_cast<size_t>(entry)].companies[company].inBusiness != 0;
}

QRect HistoryChart::plotRect() const {
    return QRect(kLeftMargin, kTopMargin, std::max(40, width() - kLeftMargin - kRightMargin),
                 std::max(40, height() - kTopMargin - kBottomMargin));
}

HistoryChart::Scale HistoryChart::yScale() const {
    // Zero stays in view so that a line's height means something; a fall into debt shows
    // below it.
    int64_t lo = 0, hi = 0;
    for (size_t e = 0; e < m_history.entries.size(); ++e) {
        for (int c = 1; c <= kChannels; ++c) {
            if (!hasPoint(static_cast<int>(e), c)) continue;
            const int64_t v = valueOf(m_history.entries[e].companies[c]);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    if (hi == lo) hi = lo + kYTicks;
    const int64_t step = NiceStep(std::max<int64_t>(1, (hi - lo + kYTicks - 1) / kYTicks));
    return {FloorTo(lo, step), CeilTo(hi, step), step};
}

HistoryChart::Scale HistoryChart::xScale() const {
    if (m_history.entries.empty()) return {1, 2, 1};
    const int64_t first = m_history.entries.front().turn;
    int64_t last = m_history.entries.back().turn;
    if (last == first) last = first + 1;
    const int64_t step = NiceStep(std::max<int64_t>(1, (last - first + kXTicks - 1) / kXTicks));
    return {first, last, step};
}

QPointF HistoryChart::place(int entry, int company) const {
    const QRect r = plotRect();
    const Scale x = xScale();
    const Scale y = yScale();
    const HistoryEntry& e = m_history.entries[static_cast<size_t>(entry)];
    const double fx = double(e.turn - x.lo) / double(x.hi - x.lo);
    const double fy = double(valueOf(e.companies[company]) - y.lo) / double(y.hi - y.lo);
    return {r.left() + fx * r.width(), r.bottom() - fy * r.height()};
}

std::optional<QPoint> HistoryChart::pointPosition(int entry, int company) const {
    if (!hasPoint(entry, company)) return std::nullopt;
    return place(entry, company).toPoint();
}

HistoryChart::Hit HistoryChart::hitAt(const QPoint& pos) const {
    Hit best;
    double bestDistance = kHitRadius + 0.5;
    for (size_t e = 0; e < m_history.entries.size(); ++e) {
        for (int c = 1; c <= kChannels; ++c) {
            if (!hasPoint(static_cast<int>(e), c)) continue;
            const QPointF p = place(static_cast<int>(e), c);
            const double d = std::hypot(p.x() - pos.x(), p.y() - pos.y());
            if (d < bestDistance) {
                bestDistance = d;
                best = {static_cast<int>(e), c};
            }
        }
    }
    return best;
}

QString HistoryChart::valueTextAt(const QPoint& pos) const {
    const Hit hit = hitAt(pos);
    if (hit.entry < 0) return {};
    const HistoryEntry& e = m_history.entries[static_cast<size_t>(hit.entry)];
    return QString("%1, turn %2: %3")
        .arg(m_names[static_cast<size_t>(hit.company - 1)])
        .arg(e.turn)
        .arg(valueText(m_measure, valueOf(e.companies[hit.company])));
}

void HistoryChart::updateSummary() {
    // A screen reader gets the latest figure of each company instead of the picture.
    QString text = measureTitle(m_measure);
    if (m_history.entries.empty()) {
        text += ": no history yet.";
    } else {
        const int last = static_cast<int>(m_history.entries.size()) - 1;
        text += QString(", turn %1:").arg(m_history.entries.back().turn);
        for (int c = 1; c <= kChannels; ++c) {
            const QString name = m_names[static_cast<size_t>(c - 1)];
            text += hasPoint(last, c)
                        ? QString(" %1 %2.").arg(
                              name,
                              valueText(m_measure, valueOf(m_history.entries.back().companies[c])))
                        : QString(" %1 out of business.").arg(name);
        }
    }
    setAccessibleName("History chart");
    setAccessibleDescription(text);
}

void HistoryChart::layoutButtons() {
    int x = 0;
    for (QPushButton* button : m_buttons) {
        QFont bold = button->font();
        bold.setBold(true);
        const int w =
            std::max(kButtonWidth, QFontMetrics(bold).horizontalAdvance(button->text()) + 28);
        button->setGeometry(x, 0, w, kButtonHeight);
        x += w + 6;
    }
}

void HistoryChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutButtons();
}

bool HistoryChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = valueTextAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void HistoryChart::mouseMoveEvent(QMouseEvent* event) {
    const Hit hit = hitAt(event->position().toPoint());
    if (hit.entry != m_hover.entry || hit.company != m_hover.company) {
        m_hover = hit;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void HistoryChart::leaveEvent(QEvent* event) {
    if (m_hover.entry >= 0) {
        m_hover = {};
        update();
    }
    QWidget::leaveEvent(event);
}

void HistoryChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(colours::kNight));
    p.setPen(Colour(colours::kPanelEdge));
    p.drawRect(rect().adjusted(0, kButtonHeight + 4, -1, -1));

    QFont small = font();
    small.setPointSize(9);
    QFont legendFont = font();
    legendFont.setPointSize(10);
    legendFont.setBold(true);

    // The legend, right of the unit line: a swatch and the company's name, cut to fit.
    p.setFont(legendFont);
    const QFontMetrics legendMetrics(legendFont);
    const int legendTop = kButtonHeight + 10;
    const int legendSlot = (width() - kLeftMargin - kRightMargin - 140) / kChannels;
    for (int c = 1; c <= kChannels; ++c) {
        const int x = kLeftMargin + 140 + (c - 1) * legendSlot;
        p.setPen(Qt::NoPen);
        p.setBrush(Colour(colours::kChannels[c - 1]));
        p.drawRoundedRect(QRectF(x, legendTop + 4, 22, 8), 2, 2);
        p.setPen(Colour(colours::kSoftText));
        const QString name = legendMetrics.elidedText(m_names[static_cast<size_t>(c - 1)],
                                                      Qt::ElideRight, legendSlot - 46);
        p.drawText(QRect(x + 28, legendTop, legendSlot - 30, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   name);
    }

    const QRect r = plotRect();
    if (m_history.entries.empty()) {
        QFont big = font();
        big.setPointSize(14);
        big.setBold(true);
        p.setFont(big);
        p.setPen(Colour(colours::kMuted));
        p.drawText(r, Qt::AlignCenter, "No history yet");
        return;
    }

    // The unit, above the value axis.
    p.setFont(small);
    p.setPen(Colour(colours::kAccent));
    const QString unit = m_measure == Measure::PrimeTimeViewers ? "millions of viewers"
                         : m_measure == Measure::SharePrice     ? "$ per share"
                                                                : "$ millions";
    p.drawText(QRect(4, legendTop, kLeftMargin + 130, 16), Qt::AlignLeft | Qt::AlignVCenter, unit);

    // Value axis: round ticks, thousands separated.
    const Scale y = yScale();
    const QFontMetrics smallMetrics(small);
    for (int64_t v = y.lo; v <= y.hi; v += y.step) {
        const double fy = double(v - y.lo) / double(y.hi - y.lo);
        const int py = static_cast<int>(std::lround(r.bottom() - fy * r.height()));
        p.setPen(QPen(v == 0 ? Colour(colours::kPanelEdge) : Colour(colours::kLine), 1,
                      v == 0 ? Qt::SolidLine : Qt::DotLine));
        p.drawLine(r.left(), py, r.right(), py);
        p.setPen(Colour(colours::kMuted));
        p.drawText(QRect(0, py - 8, kLeftMargin - 8, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromStdString(FormatAmount(v)));
    }
    // Turn axis.
    const Scale x = xScale();
    const int64_t firstTick = CeilTo(x.lo, x.step);
    std::vector<int64_t> turns;
    // The first turn is labelled too, unless a round tick stands right beside it.
    if (firstTick != x.lo && double(firstTick - x.lo) / double(x.hi - x.lo) * r.width() > 36)
        turns.push_back(x.lo);
    for (int64_t t = firstTick; t <= x.hi; t += x.step)
        turns.push_back(t);
    for (int64_t t : turns) {
        const double fx = double(t - x.lo) / double(x.hi - x.lo);
        const int px = static_cast<int>(std::lround(r.left() + fx * r.width()));
        p.setPen(Colour(colours::kLine));
        p.drawLine(px, r.bottom(), px, r.bottom() + 4);
        p.setPen(Colour(colours::kMuted));
        p.drawText(QRect(px - 30, r.bottom() + 5, 60, 14), Qt::AlignCenter, QString::number(t));
    }
    p.setPen(Colour(colours::kPanelEdge));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topLeft());
    p.setPen(Colour(colours::kAccent));
    p.drawText(QRect(r.left(), r.bottom() + 19, r.width(), 16), Qt::AlignCenter, "Turn");

    // The lines: a company's ends where it left business.
    const int count = static_cast<int>(m_history.entries.size());
    const double dot = count > 60 ? 1.5 : 3.0;
    for (int c = 1; c <= kChannels; ++c) {
        const QColor colour = Colour(colours::kChannels[c - 1]);
        QPainterPath path;
        bool open = false;
        for (int e = 0; e < count; ++e) {
            if (!hasPoint(e, c)) {
                open = false;
                continue;
            }
            const QPointF at = place(e, c);
            if (open)
                path.lineTo(at);
            else
                path.moveTo(at);
            open = true;
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        for (int e = 0; e < count; ++e) {
            if (hasPoint(e, c)) p.drawEllipse(place(e, c), dot, dot);
        }
    }
    if (hasPoint(m_hover.entry, m_hover.company)) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Colour(colours::kHighlight), 2));
        p.drawEllipse(place(m_hover.entry, m_hover.company), 6, 6);
    }
}

}  // namespace qvx::ui
