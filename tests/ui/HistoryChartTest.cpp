#include "HistoryChart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QTest>
#include <QToolTip>

#include "ScreenKit.h"

namespace qvx::test {
namespace {

using ui::HistoryChart;
namespace palette = ui::palette;

const std::array<QString, 4> kNames = {"Red One", "Sunny TV", "Green Wave", "Blue Sky"};

// Five turns; Blue Sky leaves business after turn 2, Red One falls into debt on turn 4.
GameHistory FiveTurns() {
    GameHistory h;
    for (int32_t t = 1; t <= 5; ++t) {
        HistoryEntry e;
        e.turn = t;
        for (int c = 1; c <= kChannels; ++c)
            e.companies[c] = {1, 1000 * c + 100 * t, 5000 + 10 * c * t, 3 * c + t, 50 + c + t};
        if (t > 2) e.companies[4] = {};
        h.entries.push_back(e);
    }
    h.entries[3].companies[1].funds = -2500;
    return h;
}

int CountColour(const QImage& image, const char* name, QRect area = {}) {
    if (area.isNull()) area = image.rect();
    const QRgb wanted = QColor(QString::fromLatin1(name)).rgb();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == wanted;
    return n;
}

QImage Grab(HistoryChart& chart) {
    QImage image = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (const char* out = std::getenv("QVX_HISTORY_CHART_PNG")) image.save(out);
    return image;
}

TEST(HistoryChart, AnEmptyHistorySaysSoAndDrawsNoLine) {
    HistoryChart chart;
    chart.setHistory({}, kNames);
    EXPECT_EQ(chart.accessibleDescription(), "Funds: no history yet.");
    const QImage image = Grab(chart);
    for (const char* colour : palette::kChannels)
        EXPECT_EQ(CountColour(image, colour, chart.plotRect()), 0) << colour;
    // The text itself: light pixels in the middle of the plot area.
    const QRect middle = chart.plotRect().adjusted(300, 120, -300, -120);
    int light = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x)
            light += qGray(image.pixel(x, y)) > 120;
    EXPECT_GT(light, 100);
    EXPECT_EQ(chart.valueTextAt(chart.plotRect().center()), "");
}

TEST(HistoryChart, DrawsEveryCompanysLineAndEndsTheBankruptOne) {
    HistoryChart chart;
    chart.setHistory(FiveTurns(), kNames);
    const QImage image = Grab(chart);
    for (const char* colour : palette::kChannels)
        EXPECT_GT(CountColour(image, colour, chart.plotRect()), 100) << colour;
    EXPECT_TRUE(chart.pointPosition(1, 4).has_value());
    EXPECT_FALSE(chart.pointPosition(2, 4).has_value());
    EXPECT_FALSE(chart.pointPosition(5, 1).has_value());
    // Later turns lie to the right, more money higher up (the y axis points down).
    const QPoint first = *chart.pointPosition(0, 2), last = *chart.pointPosition(4, 2);
    EXPECT_LT(first.x(), last.x());
    EXPECT_GT(first.y(), last.y());
    EXPECT_GT(chart.pointPosition(3, 1)->y(), chart.pointPosition(2, 1)->y());  // the debt
    EXPECT_TRUE(chart.plotRect().contains(*chart.pointPosition(3, 1)));
    EXPECT_EQ(chart.accessibleDescription(),
              "Funds, turn 5: Red One $ 1,500 millions. Sunny TV $ 2,500 millions. Green Wave "
              "$ 3,500 millions. Blue Sky out of business.");
}

TEST(HistoryChart, HoveringAPointTellsItsCompanyTurnAndValueInTheMeasuresUnit) {
    HistoryChart chart;
    chart.setHistory(FiveTurns(), kNames);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));

    const QPoint debt = *chart.pointPosition(3, 1);
    EXPECT_EQ(chart.valueTextAt(debt + QPoint(3, -2)), "Red One, turn 4: $ -2,500 millions");
    EXPECT_EQ(chart.valueTextAt(debt + QPoint(30, 0)), "");

    QHelpEvent help(QEvent::ToolTip, debt, chart.mapToGlobal(debt));
    QApplication::sendEvent(&chart, &help);
    EXPECT_EQ(QToolTip::text(), "Red One, turn 4: $ -2,500 millions");

    const std::pair<HistoryChart::Measure, const char*> measures[] = {
        {HistoryChart::Measure::CompanyValue, "Sunny TV, turn 2: $ 5,040 millions"},
        {HistoryChart::Measure::PrimeTimeViewers, "Sunny TV, turn 2: 8 millions"},
        {HistoryChart::Measure::SharePrice, "Sunny TV, turn 2: $ 54"},
    };
    for (const auto& [measure, text] : measures) {
        QTest::mouseClick(chart.measureButton(measure), Qt::LeftButton);
        EXPECT_EQ(chart.measure(), measure);
        EXPECT_TRUE(chart.measureButton(measure)->isChecked());
        EXPECT_FALSE(chart.measureButton(HistoryChart::Measure::Funds)->isChecked());
        EXPECT_EQ(chart.valueTextAt(*chart.pointPosition(1, 2)), text);
    }
    QToolTip::hideText();
}

TEST(HistoryChart, ASingleTurnAndAllZeroValuesStillMakeAScale) {
    GameHistory h;
    h.entries.push_back(HistoryEntry{.turn = 1, .companies = {}});
    h.entries[0].companies[3] = {1, 0, 0, 0, 0};
    HistoryChart chart;
    chart.setHistory(h, kNames);
    const auto at = chart.pointPosition(0, 3);
    ASSERT_TRUE(at.has_value());
    EXPECT_TRUE(chart.plotRect().adjusted(-1, -1, 1, 1).contains(*at));
    EXPECT_EQ(chart.valueTextAt(*at), "Green Wave, turn 1: $ 0 millions");
    Grab(chart);
}

}  // namespace
}  // namespace qvx::test
