#pragma once

#include "gui/CommandHold.h"

#include <QObject>

#include <functional>

class QPushButton;
class QToolButton;

namespace zf {

class Session;
class TForm1;

// The online update in the main window: BitBtn1 ("Datenbank"), SpeedButton10
// ("Lottotipp") and the menu item start it; it runs as a job off the window's
// thread while SpeedButton8 (shown only meanwhile) or Esc stops it before the
// next request.
class UpdateBinding : public QObject {
    Q_OBJECT
public:
    explicit UpdateBinding(TForm1& window);

    // Starts the update; `then` runs once it has ended in any way (the
    // start-up goes on with its analyses there). false when it could not start.
    bool start(std::function<void()> then = {});

public slots:
    void ZiffranoClick();
    void SpeedButton8Click();

signals:
    // After the update's end and its evaluation.
    void updated();

private:
    void setRunning(bool running);

    TForm1& m_window;
    Session& m_app;
    QPushButton* m_bitBtn1;
    QToolButton* m_speedButton10;
    QToolButton* m_speedButton8;
    CommandHold m_hold;
};

} // namespace zf
