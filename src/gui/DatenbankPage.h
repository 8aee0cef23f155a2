#pragma once

#include "gui/PageBase.h"

class QDateEdit;
class QGroupBox;
class QLabel;
class QListWidget;
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
    // "GroupBoxKalender": the calendar check's findings, hidden until a check ran.
    void showCalendarFindings(const QStringList& lines, int missing);
    QGroupBox* calendarBox() const { return m_calendarBox; }
    QListWidget* calendarList() const { return m_calendarList; }

private:
    QLabel* m_label29;
    QDateEdit* m_picker1;
    QWidget* m_buttons;
    QGroupBox* m_calendarBox;
    QLabel* m_calendarSummary;
    QListWidget* m_calendarList;
};

} // namespace zf
