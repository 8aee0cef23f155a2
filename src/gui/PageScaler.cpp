#include "gui/PageScaler.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zf {

namespace {

constexpr double kMinFontSize = 6;
constexpr double kMaxFontSize = 48;

} // namespace

// The application's style with its sizes multiplied by the factor.
class PageStyle : public QProxyStyle {
public:
    explicit PageStyle(const QString& base) : QProxyStyle(base) {}
    void setFactor(double f) { m_factor = m_metricFactor = f; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int v = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_SmallIconSize:
        case PM_ButtonIconSize:
        case PM_ScrollBarExtent:
        case PM_LayoutLeftMargin:
        case PM_LayoutTopMargin:
        case PM_LayoutRightMargin:
        case PM_LayoutBottomMargin:
        case PM_LayoutHorizontalSpacing:
        case PM_LayoutVerticalSpacing:
            return v > 0 ? static_cast<int>(std::lround(v * m_metricFactor)) : v;
        default:
            return v;
        }
    }

    // What a control adds around its text (frames, arrows, spin buttons, the
    // check mark) grows with the text; measured at the designed metrics so
    // the scaled ones do not count twice.
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override
    {
        m_metricFactor = 1;
        const QSize s = QProxyStyle::sizeFromContents(type, option, contents, widget);
        m_metricFactor = m_factor;
        if (m_factor == 1 || !contents.isValid())
            return s;
        const QSize extra = s - contents;
        return contents + QSize(static_cast<int>(std::lround(extra.width() * m_factor)),
                                static_cast<int>(std::lround(extra.height() * m_factor)));
    }

private:
    double m_factor = 1;
    mutable double m_metricFactor = 1; // 1 while the base style measures contents
};

PageScaler::PageScaler(QWidget& area)
    : QObject(&area), m_area(area), m_style(new PageStyle(QApplication::style()->name())),
      m_baseFontSize(area.font().pointSizeF())
{
    m_style->setParent(this);
    adopt(&m_area);
    for (QWidget* w : m_area.findChildren<QWidget*>())
        adopt(w);
}

void PageScaler::adopt(QWidget* w)
{
    if (m_design.contains(w))
        return;
    // The parts Qt builds inside its controls keep the sizes Qt gives them.
    for (QWidget* p = w->parentWidget(); p && p != &m_area; p = p->parentWidget())
        if (qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QComboBox*>(p))
            return;
    Design d{w->minimumSize(), w->maximumSize(), QSize()};
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->icon().isNull())
        d.icon = b->iconSize();
    m_design.insert(w, d);
    connect(w, &QObject::destroyed, this, [this, w] { m_design.remove(w); });
    if (w->style() != m_style)
        w->setStyle(m_style);
}

void PageScaler::apply(double factor)
{
    for (QWidget* w : m_area.findChildren<QWidget*>())
        adopt(w);
    m_factor = factor;
    m_style->setFactor(factor);
    auto scaled = [factor](int v) { return static_cast<int>(std::lround(v * factor)); };
    for (auto it = m_design.cbegin(); it != m_design.cend(); ++it) {
        QWidget* w = it.key();
        const Design& d = it.value();
        if (d.min.width() > 0 || d.min.height() > 0)
            w->setMinimumSize(scaled(d.min.width()), scaled(d.min.height()));
        w->setMaximumSize(d.max.width() < QWIDGETSIZE_MAX ? scaled(d.max.width()) : QWIDGETSIZE_MAX,
                          d.max.height() < QWIDGETSIZE_MAX ? scaled(d.max.height()) : QWIDGETSIZE_MAX);
        if (d.icon.isValid())
            static_cast<QAbstractButton*>(w)->setIconSize(d.icon * factor);
        // the controls drop the sizes they keep from the style
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(w, &styleChange);
    }
    // last: captions aligned on a font change take their widths from it
    QFont f = m_area.font();
    f.setPointSizeF(std::clamp(m_baseFontSize * factor, kMinFontSize, kMaxFontSize));
    m_area.setFont(f);
}

} // namespace zf
