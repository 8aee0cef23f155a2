#pragma once

#include "gui/PageBase.h"

class QDateEdit;
class QLabel;
class QVBoxLayout;

namespace zf {

// "Datenbank": the current draw, the end of the date window and the commands
// on the draw history.
class DatenbankPage : public PageBase {
    Q_OBJECT
public:
    DatenbankPage(Session& app, OptionBinder& options, QWidget* parent = nullptr);

    QLabel* drawLabel() const { return m_label29; }
    QDateEdit* endDay() const { return m_picker1; }
    // "DatabaseButtons": the commands of the page.
    QWidget* databaseButtons() const { return m_buttons; }
    QVBoxLayout* databaseButtonsLayout() const;

private:
    QLabel* m_label29;
    QDateEdit* m_picker1;
    QWidget* m_buttons;
};

} // namespace zf
