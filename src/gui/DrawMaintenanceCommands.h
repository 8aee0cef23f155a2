#pragma once

#include <QObject>

class QPushButton;

namespace zf {

class Session;
class TForm1;

// The commands on the draw history on "Datenbank": enter or correct a draw
// (BitBtn8), delete the shown draw, CSV import and export, and the calendar check.
class DrawMaintenanceCommands : public QObject {
    Q_OBJECT
public:
    explicit DrawMaintenanceCommands(TForm1& window);

    // Runs the calendar check and shows it when the history has a hole.
    void showCalendarIfHoles();

public slots:
    void BitBtn8Click();
    void BitBtn4Click();
    void ImportClick();
    void ExportClick();
    void KalenderClick();

private:
    TForm1& m_window;
    Session& m_app;
};

} // namespace zf
