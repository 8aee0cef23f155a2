#include "gui/HintStatus.h"

#include "session/Session.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace zf {

HintStatus::HintStatus(Session& app, QWidget& window) : QObject(&window), m_app(app), m_window(window)
{
    // Watching the application, not each control: a mouse move reaches only
    // controls that track the mouse, and the parts of a control (the field
    // inside a spin control) take it without passing it on. Enter reaches
    // every control.
    qApp->installEventFilter(this);
}

void HintStatus::Label30MouseMove(QWidget* control)
{
    QWidget* w = control;
    while (w && w != &m_window && w->toolTip().isEmpty())
        w = w->parentWidget();
    if (!w || w == &m_window)
        return;
    if (Feedback* f = m_app.ports().feedback)
        f->setStatus(1, w->toolTip().toStdString());
}

bool HintStatus::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type t = event->type();
    if ((t == QEvent::Enter || t == QEvent::MouseMove) && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->window() == &m_window)
            Label30MouseMove(w);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zf
