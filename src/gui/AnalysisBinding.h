#pragma once

#include "gui/CommandHold.h"

#include <QObject>
#include <QString>

#include <functional>

class QPushButton;

namespace zf {

class Session;
class TForm1;

// The historical analyses on "Datenbank": BitBtn9 (parameter analysis) and
// BitBtn19 (draw-repeat analysis) run as jobs off the window's thread; a
// second press of the running one's button, or Esc, stops it before its next
// pass, and a stopped analysis writes no report.
class AnalysisBinding : public QObject {
    Q_OBJECT
public:
    explicit AnalysisBinding(TForm1& window);

public slots:
    void BitBtn9Click();
    void BitBtn19Click();

private:
    using Start = std::function<bool(std::function<void()> done)>;
    // Stops the running analysis of this button, or starts it.
    void toggle(QPushButton* button, const Start& start);
    bool startBacktest(std::function<void()> done);
    bool startRepeats(std::function<void()> done);

    TForm1& m_window;
    Session& m_app;
    QPushButton* m_bitBtn9;
    QPushButton* m_bitBtn19;
    QPushButton* m_running = nullptr;
    QString m_caption;
    CommandHold m_hold;
};

} // namespace zf
