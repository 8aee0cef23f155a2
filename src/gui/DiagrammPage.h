#pragma once

#include "gui/PageBase.h"

class QHBoxLayout;
class QVBoxLayout;

namespace zf {

// "Diagramm": the chart, its buttons and the start of the date window.
class DiagrammPage : public PageBase {
    Q_OBJECT
public:
    DiagrammPage(Session& app, OptionBinder& options, QWidget* parent = nullptr);

    // "ChartArea": holds the chart and fills the page.
    QWidget* chartArea() const { return m_chartArea; }
    QVBoxLayout* chartAreaLayout() const;
    // "ChartButtons": the toolbar of chart commands.
    QWidget* chartButtons() const { return m_chartButtons; }
    QHBoxLayout* chartButtonsLayout() const;

private:
    QWidget* m_chartArea;
    QWidget* m_chartButtons;
};

} // namespace zf
