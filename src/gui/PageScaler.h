#pragma once

#include <QHash>
#include <QObject>
#include <QSize>

class QWidget;

namespace zf {

class PageStyle;

// Rescales the main window's tab-page area by a factor of its designed size:
// the page font, the size limits and icon sizes of its controls, and through
// a style of its own the sizes the style gives (check marks, frames, arrows,
// layout margins and spacing). Every factor is applied to the designed
// values, never to the last scaled ones, so any sequence of factors ends
// where it started.
class PageScaler : public QObject {
    Q_OBJECT
public:
    // Takes the area's current state as its designed state.
    explicit PageScaler(QWidget& area);

    void apply(double factor);
    double factor() const { return m_factor; }

private:
    struct Design {
        QSize min;
        QSize max;
        QSize icon; // invalid: not a button
    };
    void adopt(QWidget* w);

    QWidget& m_area;
    PageStyle* m_style;
    double m_baseFontSize;
    double m_factor = 1;
    QHash<QWidget*, Design> m_design;
};

} // namespace zf
