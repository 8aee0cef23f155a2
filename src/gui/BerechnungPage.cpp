#include "gui/BerechnungPage.h"

#include "gui/GuiUtil.h"
#include "gui/OptionBinder.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>

namespace zf {

namespace {

bool comparesTips(const OptionDef& d)
{
    return d.control == "CheckBox3" || d.control == "CheckBox24" || d.control == "CheckBox27";
}

} // namespace

BerechnungPage::BerechnungPage(Session& app, OptionBinder& options, QWidget* parent) : PageBase(app, options, parent)
{
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("PageControl2");
    layout->addWidget(m_tabs);

    QVBoxLayout* l = addSubPage(OptionPage::Statistisch, "TabStatistisch", "Statistisch");
    options.addRows(OptionPage::Statistisch, l, subPage(OptionPage::Statistisch));

    l = addSubPage(OptionPage::ScheinOptimierung, "TabScheinOptimierung", "Schein Optimierung");
    QWidget* sheet = subPage(OptionPage::ScheinOptimierung);
    auto* withTips = new QGroupBox("Optimierung der einzelnen Tipps miteinander im Schein ", sheet);
    withTips->setObjectName("GroupBoxTipps");
    options.addRows(OptionPage::ScheinOptimierung, new QVBoxLayout(withTips), withTips, comparesTips);
    auto* withDraws = new QGroupBox("Optimierung der einzelnen Tipps über die vergangenen Ziehungen", sheet);
    withDraws->setObjectName("GroupBoxZiehungen");
    options.addRows(OptionPage::ScheinOptimierung, new QVBoxLayout(withDraws), withDraws);
    l->addWidget(withTips);
    l->addWidget(withDraws);

    l = addSubPage(OptionPage::Mathematisch, "TabMathematisch", "Mathematisch");
    l->addWidget(makeLabel("LabelMathematisch", "Diese Bedingungen werden in jeder Tippreihe berücksichtigt",
                           subPage(OptionPage::Mathematisch)));
    options.addRows(OptionPage::Mathematisch, l, subPage(OptionPage::Mathematisch));

    l = addSubPage(OptionPage::Traumzahl, "TabTraumzahl", "Traumzahl");
    options.addRows(OptionPage::Traumzahl, l, subPage(OptionPage::Traumzahl));

    l = addSubPage(OptionPage::Allgemein, "TabAllgemein", "Allgemein");
    QWidget* general = subPage(OptionPage::Allgemein);
    options.addRows(OptionPage::Allgemein, l, general);
    auto* note = makeLabel("LabelLaeufe",
                           "Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren Einstellungen nicht "
                           "alle Reihen berechnet werden konnten. ",
                           general);
    note->setWordWrap(true);
    // the note sits right below the budget
    l->insertWidget(l->indexOf(row("UpDown7")) + 1, note);
}

QVBoxLayout* BerechnungPage::addSubPage(OptionPage page, const QString& objectName, const QString& title)
{
    auto* scroll = new QScrollArea(m_tabs);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    content->setObjectName(objectName);
    auto* outer = new QVBoxLayout(content);
    auto* rows = new QVBoxLayout;
    outer->addLayout(rows);
    outer->addStretch(1);
    scroll->setWidget(content);
    m_tabs->addTab(scroll, title);
    m_subPages[page] = content;
    return rows;
}

QVBoxLayout* BerechnungPage::subLayout(OptionPage page) const
{
    return static_cast<QVBoxLayout*>(subPage(page)->layout()->itemAt(0)->layout());
}

QWidget* BerechnungPage::row(const QString& control) const
{
    return findChild<QWidget*>("Row" + control);
}

} // namespace zf
