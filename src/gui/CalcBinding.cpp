#include "gui/CalcBinding.h"

#include "gui/GuiUtil.h"
#include "gui/LottotippPage.h"
#include "gui/MainWindow.h"
#include "rules/TipSearch.h"
#include "session/LottoZahlen.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace zf {

CalcBinding::CalcBinding(TForm1& window) : QObject(&window), m_window(window), m_app(window.app())
{
    LottoZahlen& app = m_app;
    m_button = window.lottotipp()->findChild<QPushButton*>("BitBtn4");
    if (m_button) {
        connect(m_button, &QPushButton::clicked, this, &CalcBinding::Label28Click);
        app.calc.bitBtn4.changed = [this, &app] { m_button->setText(qs(app.calc.bitBtn4.caption)); };
    }
    if (QAction* menu = window.berechnenAction())
        connect(menu, &QAction::triggered, this, &CalcBinding::Label28Click);
    window.installEventFilter(this);
    for (const char* name : {"UpDown15", "UpDown16", "UpDown3", "UpDown9"})
        if (QSpinBox* s = spin(name))
            s->installEventFilter(this);
}

CalcBinding::~CalcBinding()
{
    m_app.calc.bitBtn4.changed = nullptr;
}

QSpinBox* CalcBinding::spin(const char* name) const
{
    return m_window.findChild<QSpinBox*>(name);
}

void CalcBinding::Label28Click()
{
    LottoZahlen& app = m_app;
    const bool starts = !app.calc.active;
    if (starts) {
        if (m_button) // the caption the language gave it comes back at the end
            app.calc.bitBtn4.caption = m_button->text().toStdString();
        holdCommands(true);
    }
    runGuarded(app, [&] { zf::Label28Click(app); });
    if (!starts)
        return;
    holdCommands(false);
    if (m_closeAfter)
        QTimer::singleShot(0, &m_window, &QWidget::close);
}

void CalcBinding::holdCommands(bool hold)
{
    if (!hold) {
        for (const auto& w : m_heldWidgets)
            if (w)
                w->setEnabled(true);
        for (const auto& a : m_heldActions)
            if (a)
                a->setEnabled(true);
        m_heldWidgets.clear();
        m_heldActions.clear();
        return;
    }
    // Buttons start commands (update, draw maintenance, analyses, files,
    // printing); typing in the sheet and changing options stay possible.
    QList<QWidget*> buttons;
    for (QPushButton* b : m_window.findChildren<QPushButton*>())
        buttons.append(b);
    for (QToolButton* b : m_window.findChildren<QToolButton*>())
        buttons.append(b);
    for (QWidget* b : buttons) {
        // dialogs keep theirs: the number list is edited in one
        if (b == m_button || !b->isEnabled() || b->window() != &m_window || m_window.menuBar()->isAncestorOf(b))
            continue;
        b->setEnabled(false);
        m_heldWidgets.append(b);
    }
    for (QAction* a : m_window.menuBar()->actions()) {
        if (a == m_window.berechnenAction() || a->objectName() == "Schlieen1" || !a->isEnabled())
            continue;
        a->setEnabled(false);
        m_heldActions.append(a);
    }
}

bool CalcBinding::eventFilter(QObject* watched, QEvent* event)
{
    LottoZahlen& app = m_app;
    if (watched == &m_window) {
        if (event->type() == QEvent::Close && app.calc.active) {
            // stop first; the window closes when the calculation has ended
            m_closeAfter = true;
            zf::Label28Click(app);
            event->ignore();
            return true;
        }
        return false;
    }
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (!press && event->type() != QEvent::MouseButtonRelease)
        return false;
    const QString name = watched->objectName();
    QSpinBox* up15 = spin("UpDown15");
    QSpinBox* up16 = spin("UpDown16");
    QSpinBox* up3 = spin("UpDown3");
    QSpinBox* up9 = spin("UpDown9");
    // the two minimums never ask for more than six numbers together
    if (name == "UpDown15" && up15 && up16)
        up15->setMaximum(6 - up16->value());
    else if (name == "UpDown16" && up15 && up16)
        up16->setMaximum(6 - up15->value());
    // the minimum overlap stays at or below the maximum
    else if (name == "UpDown3" && press && up3 && up9) {
        up9->setMaximum(up3->value());
        up3->setMinimum(up9->value());
    } else if (name == "UpDown9" && !press && up3 && up9)
        up3->setMinimum(up9->value());
    return false;
}

} // namespace zf
