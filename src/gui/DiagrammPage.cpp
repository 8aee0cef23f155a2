#include "gui/DiagrammPage.h"

#include "gui/GuiUtil.h"
#include "gui/OptionBinder.h"

#include <QBoxLayout>
#include <QLabel>

namespace zf {

DiagrammPage::DiagrammPage(Session& app, OptionBinder& options, QWidget* parent) : PageBase(app, options, parent)
{
    auto* page = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_chartButtons = new QWidget(this);
    m_chartButtons->setObjectName("ChartButtons");
    auto* buttons = new QHBoxLayout(m_chartButtons);
    buttons->setContentsMargins(0, 0, 0, 0);
    top->addWidget(m_chartButtons, 1);
    top->addWidget(makeLabel("LabelStartDatum", "Ziehungen ab:", this));
    top->addWidget(options.create(Opt::DateTimePicker2, this));
    page->addLayout(top);

    m_chartArea = new QWidget(this);
    m_chartArea->setObjectName("ChartArea");
    auto* area = new QVBoxLayout(m_chartArea);
    area->setContentsMargins(0, 0, 0, 0);
    page->addWidget(m_chartArea, 1);
}

QVBoxLayout* DiagrammPage::chartAreaLayout() const
{
    return static_cast<QVBoxLayout*>(m_chartArea->layout());
}

QHBoxLayout* DiagrammPage::chartButtonsLayout() const
{
    return static_cast<QHBoxLayout*>(m_chartButtons->layout());
}

} // namespace zf
