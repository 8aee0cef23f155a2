#include "gui/ChartView.h"

#include "rules/Charts.h"
#include "session/Session.h"

#include <QFontMetricsF>
#include <QPointer>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace zf {

namespace {

// Narrower bars than this get no value marks; they would overlap.
constexpr double kMinMarkWidth = 16;
// What the axis keeps free on either side of a label, and a little more
// against rounding.
constexpr double kLabelPadding = 2 * 5 + 4;
constexpr int kMaxValueTicks = 10;
// Between a value mark's text and its bar, and above it.
constexpr double kMarkRoom = 8;

QColor rgb(uint32_t c)
{
    return QColor::fromRgb(c);
}

// The axis shows its title as rich text, which would fold the runs of blanks
// that separate the title's parts into one.
QString titleHtml(const std::string& title)
{
    QString html = QString::fromStdString(title).toHtmlEscaped();
    for (qsizetype i = 0; i + 1 < html.size(); ++i)
        if (html[i] == u' ' && html[i + 1] == u' ')
            html[i] = QChar::Nbsp;
    return html;
}

} // namespace

ChartView::ChartView(Session& app, QWidget* parent)
    : QChartView(parent), m_app(app), m_series1(new QBarSeries), m_series2(new QBarSeries),
      m_bars(new QBarSet(QString())), m_left(new QValueAxis), m_bottom(new QValueAxis), m_barAxis(new QValueAxis)
{
    setObjectName("Chart1");
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    c->legend()->hide();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setBackgroundRoundness(0);
    c->setDropShadowEnabled(false);

    m_series1->setObjectName("Series1");
    m_series1->setName("Series1");
    m_series2->setObjectName("Series2");
    m_series2->setName("Series2");
    m_bars->setColor(rgb(ChartBar::kSeriesColour));
    m_bars->setBorderColor(Qt::transparent);
    m_bars->setLabelColor(Qt::black);
    m_series2->append(m_bars);
    m_series2->setBarWidth(0.8);
    m_series2->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    m_series2->setLabelsFormat("@value");
    // A bar series in the chart takes its share of every slot even when
    // hidden, so Series1 joins the chart only while it is switched on.
    m_series1->setParent(this);
    c->addSeries(m_series2);

    for (QValueAxis* a : {m_left, m_bottom}) {
        a->setLabelFormat("%.0f");
        a->setTickType(QValueAxis::TicksDynamic);
        a->setTickAnchor(0);
    }
    m_barAxis->setVisible(false);
    c->addAxis(m_left, Qt::AlignLeft);
    c->addAxis(m_barAxis, Qt::AlignBottom);
    c->addAxis(m_bottom, Qt::AlignBottom);
    m_series2->attachAxis(m_left);
    m_series2->attachAxis(m_barAxis);

    connect(c, &QChart::plotAreaChanged, this, [this] { updateLayout(); });
    // the program state outlives the view
    app.addChartListener([self = QPointer<ChartView>(this)] {
        if (self)
            self->refresh();
    });
    refresh();
}

QColor ChartView::barColour(int index) const
{
    return m_bars->isBarSelected(index) ? m_bars->selectedColor() : m_bars->color();
}

void ChartView::refresh()
{
    const ChartData& data = m_app.chart();
    const bool series1InChart = chart()->series().contains(m_series1);
    if (data.series1Visible && !series1InChart) {
        chart()->addSeries(m_series1);
        m_series1->attachAxis(m_left);
        m_series1->attachAxis(m_barAxis);
    } else if (!data.series1Visible && series1InChart) {
        chart()->removeSeries(m_series1);
        m_series1->setParent(this);
    }
    m_series1->setVisible(data.series1Visible);
    m_series2->setVisible(data.series2Visible);

    // Grouped bars get one set each, side by side at their x, with a legend;
    // otherwise the bars take the series colour or one other colour (the
    // selected colour of the set); the charts use green and red.
    const int k = std::max(1, static_cast<int>(data.groups.size()));
    for (QBarSet* set : std::exchange(m_groupSets, {}))
        m_series2->remove(set);
    const int n = static_cast<int>(data.bars.size()) / k;
    std::vector<QList<qreal>> values(static_cast<size_t>(k));
    for (int i = 0; i < n * k; ++i)
        values[static_cast<size_t>(i % k)].append(data.bars[static_cast<size_t>(i)].y);
    m_bars->deselectAllBars();
    m_bars->remove(0, m_bars->count());
    m_bars->append(values[0]);
    m_bars->setColor(rgb(ChartBar::kSeriesColour));
    m_bars->setLabel(QString());
    chart()->legend()->setVisible(k > 1);
    if (k > 1) {
        for (int j = 0; j < k; ++j) {
            QBarSet* set = j == 0 ? m_bars : new QBarSet(QString());
            set->setLabel(QString::fromStdString(data.groups[static_cast<size_t>(j)]));
            if (n > 0)
                set->setColor(rgb(data.bars[static_cast<size_t>(j)].colour));
            if (j > 0) {
                set->setBorderColor(Qt::transparent);
                set->setLabelColor(Qt::black);
                set->append(values[static_cast<size_t>(j)]);
                m_series2->append(set);
                m_groupSets.append(set);
            }
        }
    } else {
        QList<int> other;
        for (int i = 0; i < n; ++i) {
            if (data.bars[i].colour != ChartBar::kSeriesColour) {
                if (other.isEmpty())
                    m_bars->setSelectedColor(rgb(data.bars[i].colour));
                other.append(i);
            }
        }
        m_bars->selectBars(other);
    }

    // The bars stand at 0..n-1 on the hidden axis; the bottom axis shows
    // their x values (consecutive) over the same width.
    // Without bars the axes keep the width of one bar: an empty range would
    // leave the previous chart's axis and title on screen.
    const double firstX = n > 0 ? data.bars.front().x : 0;
    const int width = std::max(n, 1);
    m_barAxis->setRange(-0.5, width - 0.5);
    m_bottom->setRange(firstX - 0.5, firstX + width - 0.5);
    m_bottom->setTitleText(titleHtml(data.title));

    // A range of zero height still needs room to draw the axis.
    m_axisTop = data.axisMax > data.axisMin ? data.axisMax : data.axisMin + 1;
    m_left->setRange(data.axisMin, m_axisTop);
    m_left->setTickInterval(niceStep((m_axisTop - data.axisMin) / kMaxValueTicks));
    updateLayout();
}

int ChartView::labelStep(int bars, double plotWidth, double labelWidth)
{
    double step = 1;
    // the axis shares its width among all its labels, one more than the steps
    while (step < bars && plotWidth / (std::floor(bars / step) + 1) < labelWidth)
        step = niceStep(step * 1.5);
    return static_cast<int>(step);
}

double ChartView::xLabelWidth() const
{
    const QFontMetricsF fm(m_bottom->labelsFont());
    const auto& bars = m_app.chart().bars;
    double widest = fm.horizontalAdvance("0");
    for (const ChartBar* b : {bars.empty() ? nullptr : &bars.front(), bars.empty() ? nullptr : &bars.back()})
        if (b)
            widest = std::max(widest, fm.horizontalAdvance(QString::number(b->x)));
    return widest + kLabelPadding;
}

void ChartView::updateLayout()
{
    const int n = m_bars->count();
    const double plotWidth = chart()->plotArea().width();
    const double barWidth = n > 0 ? plotWidth / n / (1 + m_groupSets.size()) : 0;
    const bool marks = m_app.chart().marksVisible && barWidth >= kMinMarkWidth;
    m_series2->setLabelsVisible(marks);

    // A mark stands above its bar; a bar reaching the top of the axis gets
    // room above it, else its mark would sit inside the bar's dark top.
    const double bottom = m_left->min();
    bool reachesTop = false;
    for (const QBarSet* set : m_series2->barSets())
        for (int i = 0; i < set->count(); ++i)
            reachesTop = reachesTop || set->at(i) >= m_axisTop;
    double top = m_axisTop;
    const double plotHeight = chart()->plotArea().height();
    const double markHeight = QFontMetricsF(m_bars->labelFont()).height() + kMarkRoom;
    if (marks && reachesTop && plotHeight > 2 * markHeight)
        top += (m_axisTop - bottom) * markHeight / (plotHeight - markHeight);
    if (!qFuzzyCompare(m_left->max(), top))
        m_left->setMax(top);

    const int step = labelStep(std::max(n, 1), plotWidth, xLabelWidth());
    if (m_bottom->tickInterval() != step)
        m_bottom->setTickInterval(step);
}

} // namespace zf
