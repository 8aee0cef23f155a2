#pragma once

#include <QObject>

class QWidget;

namespace zf {

class Session;

// Every control of the main window that has a hint shows it in status panel 1
// on mouse-over, as the tip sheet's row labels do: one watcher for all
// control kinds, also for controls added after it.
class HintStatus : public QObject {
    Q_OBJECT
public:
    HintStatus(Session& app, QWidget& window);

    // The hint of `control`, or of the control it is part of (the field of a
    // spin control), into panel 1; nothing when neither has one.
    void Label30MouseMove(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& m_app;
    QWidget& m_window;
};

} // namespace zf
