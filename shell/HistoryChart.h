#pragma once
// The history of a game as a line chart: one measure at a time (funds, company value, the
// 08:00 pm viewers, share price) chosen with four buttons above it, one line per company in its
// channel colour, axes with a readable scale, a legend, and a tooltip with the value of the
// point under the mouse. Made for a page of about 940 x 430 px.
//
// To show it: `chart->setFromGame(session().game())` (or setHistory with the names) whenever
// the page is shown; the chart keeps its own copy and never reads the session by itself.
#include <QPushButton>
#include <QWidget>
#include <array>
#include <optional>

#include "GameHistory.h"
#include "GameState.h"

namespace qvx::ui {

class HistoryChart : public QWidget {
    Q_OBJECT
  public:
    enum class Measure { Funds = 0, CompanyValue, PrimeTimeViewers, SharePrice };
    static constexpr int kMeasures = 4;

    explicit HistoryChart(QWidget* parent = nullptr);

    // names[c - 1] is company c's name, shown in the legend and the tooltips.
    void setHistory(const GameHistory& history, const std::array<QString, 4>& names);
    // The game's own history and channel names.
    void setFromGame(const GameState& gs);
    void setMeasure(Measure measure);
    Measure measure() const { return m_measure; }

    // The button choosing a measure ("HistoryMeasure1".."HistoryMeasure4").
    QPushButton* measureButton(Measure measure) const;
    // Where company c's point of entry i is drawn, or nothing when it has none there.
    std::optional<QPoint> pointPosition(int entry, int company) const;
    // What the tooltip says at pos: the nearest point within a few pixels, or "".
    QString valueTextAt(const QPoint& pos) const;
    // The chart's area (axes excluded) in widget coordinates.
    QRect plotRect() const;

    QSize sizeHint() const override { return {940, 430}; }

    static QString measureTitle(Measure measure);
    // How a value of the measure reads: "$ 1,500 millions", "12 millions", "$ 55".
    static QString valueText(Measure measure, int64_t value);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Scale {
        int64_t lo = 0, hi = 1, step = 1;
    };
    struct Hit {
        int entry = -1;
        int company = 0;
    };
    int64_t valueOf(const HistoryPoint& point) const;
    bool hasPoint(int entry, int company) const;
    Scale yScale() const;
    Scale xScale() const;
    QPointF place(int entry, int company) const;
    Hit hitAt(const QPoint& pos) const;
    void updateSummary();
    void layoutButtons();

    GameHistory m_history;
    std::array<QString, 4> m_names;
    Measure m_measure = Measure::Funds;
    std::array<QPushButton*, kMeasures> m_buttons{};
    Hit m_hover;
};

}  // namespace qvx::ui
