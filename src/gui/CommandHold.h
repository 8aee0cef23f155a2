#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace zf {

class TForm1;

// Disables the main window's command buttons and menu items while a long job
// runs, so nothing changes the draw file or starts other work meanwhile;
// typing in the sheet, changing options and closing stay possible.
class CommandHold {
public:
    // keep: the buttons and menu items that stay usable (the job's own stop button, say).
    void hold(TForm1& window, const QList<QObject*>& keep);
    void release();

private:
    QList<QPointer<QWidget>> m_widgets;
    QList<QPointer<QAction>> m_actions;
};

} // namespace zf
