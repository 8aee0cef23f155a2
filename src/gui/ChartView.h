#pragma once

#include <QtCharts/QChartView>

class QBarSeries;
class QBarSet;
class QValueAxis;

namespace zf {

class Session;

// Chart1 on the "Diagramm" page: draws the core's chart data with one bar
// series (Series2) whose bars carry their own colours and value marks (or,
// for grouped data, one bar set per group member), and a second series
// (Series1) that stays empty.
class ChartView : public QChartView {
    Q_OBJECT
public:
    explicit ChartView(Session& app, QWidget* parent = nullptr);

    QBarSeries* series1() const { return m_series1; }
    QBarSeries* series2() const { return m_series2; }
    QBarSet* bars() const { return m_bars; }
    QColor barColour(int index) const;
    QValueAxis* leftAxis() const { return m_left; }
    QValueAxis* bottomAxis() const { return m_bottom; }

    void refresh();

    // Every how many x values the bottom axis shows a label so that labels
    // `labelWidth` wide stand side by side on `plotWidth` under `bars` bars:
    // 1, 2, 5, 10, 20, ... A label is never shortened instead.
    static int labelStep(int bars, double plotWidth, double labelWidth);

private:
    // Value marks and x labels as far as the bar width allows.
    void updateLayout();
    // The room one x label needs, for the widest label of the chart.
    double xLabelWidth() const;

    Session& m_app;
    QBarSeries* m_series1;
    QBarSeries* m_series2;
    QBarSet* m_bars;
    QList<QBarSet*> m_groupSets; // the further bars of grouped charts
    QValueAxis* m_left;
    QValueAxis* m_bottom;
    QValueAxis* m_barAxis; // bar i at i; hidden under the bottom axis
    double m_axisTop = 1;  // the chart's axis maximum, before room for marks
};

} // namespace zf
