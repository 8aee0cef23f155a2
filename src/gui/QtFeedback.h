#pragma once

#include "ground/Ports.h"

#include <QPointer>

class QLabel;
class QTabWidget;

namespace zf {

class TForm1;

// Status bar, busy cursor and page switching of the main window.
class QtFeedback : public Feedback {
public:
    ~QtFeedback() override;
    // The window is created after the ports; until then nothing is shown.
    void attach(TForm1& window);

    void setStatus(int panel, const std::string& text) override;
    void setBusy(bool busy) override;
    void showPage(Page page) override;

private:
    QPointer<TForm1> m_window;
    int m_busy = 0;
};

} // namespace zf
