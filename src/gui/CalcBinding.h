#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QPushButton;
class QSpinBox;
class QWidget;

namespace zf {

class LottoZahlen;
class TForm1;

// The calculation in the main window: BitBtn4 and the menu item start it and
// stop it, the button shows message 16 meanwhile, commands that would change
// the draw file or start another long operation wait until it has ended, and
// closing the window stops it first. Also couples the spin controls of the
// even/odd minimums and of the overlap limits.
class CalcBinding : public QObject {
    Q_OBJECT
public:
    explicit CalcBinding(TForm1& window);
    ~CalcBinding() override;

    // The click of BitBtn4 and Berechnen1.
    void Label28Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSpinBox* spin(const char* name) const;
    void holdCommands(bool hold);

    TForm1& m_window;
    LottoZahlen& m_app;
    QPushButton* m_button = nullptr;
    QList<QPointer<QWidget>> m_heldWidgets;
    QList<QPointer<QAction>> m_heldActions;
    bool m_closeAfter = false;
};

} // namespace zf
