#include "gui/ChartView.h"

#include "rules/Charts.h"
#include "session/Session.h"

#include <QPointer>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QValueAxis>

#include <algorithm>

namespace zf {

namespace {

// Narrower bars than this get no value marks; they would overlap.
constexpr double kMinMarkWidth = 16;
// Room for one x label under the bars; fewer labels when bars are narrower.
constexpr double kLabelWidth = 28;
constexpr int kMaxValueTicks = 10;

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

    // The bars take the series colour or one other colour (the selected
    // colour of the set); the charts use green and red.
    const int n = static_cast<int>(data.bars.size());
    QList<qreal> values;
    values.reserve(n);
    for (const ChartBar& b : data.bars)
        values.append(b.y);
    m_bars->deselectAllBars();
    m_bars->remove(0, m_bars->count());
    m_bars->append(values);
    QList<int> other;
    for (int i = 0; i < n; ++i) {
        if (data.bars[i].colour != ChartBar::kSeriesColour) {
            if (other.isEmpty())
                m_bars->setSelectedColor(rgb(data.bars[i].colour));
            other.append(i);
        }
    }
    m_bars->selectBars(other);

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
    const double top = data.axisMax > data.axisMin ? data.axisMax : data.axisMin + 1;
    m_left->setRange(data.axisMin, top);
    m_left->setTickInterval(niceStep((top - data.axisMin) / kMaxValueTicks));
    updateLayout();
}

void ChartView::updateLayout()
{
    const int n = m_bars->count();
    const double barWidth = n > 0 ? chart()->plotArea().width() / n : 0;
    m_series2->setLabelsVisible(m_app.chart().marksVisible && barWidth >= kMinMarkWidth);
    m_bottom->setTickInterval(niceStep(barWidth > 0 ? kLabelWidth / barWidth : 1));
}

} // namespace zf
