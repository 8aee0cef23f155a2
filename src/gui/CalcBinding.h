#pragma once

#include "gui/CommandHold.h"

#include <QObject>
#include <QString>

class QAction;
class QPushButton;
class QWidget;

namespace zf {

class Session;
class TForm1;

// The calculation in the main window: BitBtn4 and the menu item start it and
// stop it, it runs as a job off the window's thread, the button shows the
// stop caption meanwhile, commands that would change the draw file or start
// another long operation wait until it has ended; closing the window stops
// it first (the window's job runner does that).
class CalcBinding : public QObject {
    Q_OBJECT
public:
    explicit CalcBinding(TForm1& window);

    // The click of BitBtn4 and Berechnen1.
    void Label28Click();

private:
    void holdCommands(bool hold);
    void setButtonText(const QString& text);

    TForm1& m_window;
    Session& m_app;
    QPushButton* m_button = nullptr;
    QString m_caption;
    CommandHold m_hold;
};

} // namespace zf
