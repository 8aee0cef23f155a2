#include "gui/QtFeedback.h"

#include "gui/GuiUtil.h"
#include "gui/MainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>

namespace zf {

QtFeedback::~QtFeedback()
{
    while (m_busy-- > 0)
        QApplication::restoreOverrideCursor();
}

void QtFeedback::attach(TForm1& window)
{
    m_window = &window;
}

void QtFeedback::setStatus(int panel, const std::string& text)
{
    if (m_window && (panel == 0 || panel == 1))
        m_window->statusPanel(panel)->setText(qs(text));
}

void QtFeedback::setBusy(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_busy;
    } else if (m_busy > 0) {
        QApplication::restoreOverrideCursor();
        --m_busy;
    }
}

void QtFeedback::showPage(Page page)
{
    if (m_window)
        m_window->pages()->setCurrentIndex(static_cast<int>(page));
}

} // namespace zf
