#include "gui/CommandHold.h"

#include "gui/MainWindow.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace zf {

void CommandHold::hold(TForm1& window, const QList<QObject*>& keep)
{
    QList<QWidget*> buttons;
    for (QPushButton* b : window.findChildren<QPushButton*>())
        buttons.append(b);
    for (QToolButton* b : window.findChildren<QToolButton*>())
        buttons.append(b);
    for (QWidget* b : buttons) {
        // dialogs keep theirs: the number list is edited in one
        if (keep.contains(b) || !b->isEnabled() || b->window() != &window || window.menuBar()->isAncestorOf(b))
            continue;
        b->setEnabled(false);
        m_widgets.append(b);
    }
    for (QAction* a : window.menuBar()->actions()) {
        if (keep.contains(a) || a->objectName() == "Schlieen1" || !a->isEnabled())
            continue;
        a->setEnabled(false);
        m_actions.append(a);
    }
}

void CommandHold::release()
{
    for (const auto& w : m_widgets)
        if (w)
            w->setEnabled(true);
    for (const auto& a : m_actions)
        if (a)
            a->setEnabled(true);
    m_widgets.clear();
    m_actions.clear();
}

} // namespace zf
