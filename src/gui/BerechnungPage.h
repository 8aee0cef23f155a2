#pragma once

#include "data/Options.h"
#include "gui/PageBase.h"

#include <map>

class QTabWidget;
class QVBoxLayout;

namespace zf {

// "Berechnung": the calculation options on five sub-pages.
class BerechnungPage : public PageBase {
    Q_OBJECT
public:
    BerechnungPage(Session& app, OptionBinder& options, QWidget* parent = nullptr);

    // Statistisch, ScheinOptimierung, Mathematisch, Traumzahl or Allgemein.
    QWidget* subPage(OptionPage page) const { return m_subPages.at(page); }
    // The sub-page's column of rows; add below the option rows.
    QVBoxLayout* subLayout(OptionPage page) const;
    // The row that holds an option control ("RowCheckBox1"), to add a button beside it.
    QWidget* row(const QString& control) const;
    QTabWidget* tabs() const { return m_tabs; }

private:
    QVBoxLayout* addSubPage(OptionPage page, const QString& objectName, const QString& title);

    QTabWidget* m_tabs;
    std::map<OptionPage, QWidget*> m_subPages;
};

} // namespace zf
