#include "gui/CalcBinding.h"

#include "gui/GuiUtil.h"
#include "gui/JobRunner.h"
#include "gui/LottotippPage.h"
#include "gui/MainWindow.h"
#include "gui/TextWalk.h"
#include "session/Calculation.h"
#include "session/Session.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>

#include <memory>

namespace zf {

CalcBinding::CalcBinding(TForm1& window) : QObject(&window), m_window(window), m_app(window.app())
{
    m_button = window.lottotipp()->findChild<QPushButton*>("BitBtn4");
    if (m_button) {
        setButtonText(m_button->text());
        connect(m_button, &QPushButton::clicked, this, &CalcBinding::Label28Click);
    }
    if (QAction* menu = window.berechnenAction())
        connect(menu, &QAction::triggered, this, &CalcBinding::Label28Click);
}

void CalcBinding::Label28Click()
{
    JobRunner& jobs = *m_window.jobs();
    if (m_app.calc.active) {
        jobs.cancel();
        return;
    }
    if (jobs.running())
        return;
    std::optional<CalcInput> input;
    runGuarded(m_app, [&] { input = prepareCalculation(m_app); });
    if (!input)
        return;
    // the list mode's dialog is shown by the window while the job waits
    input->editList = [&jobs, dialog = m_app.ports().zahlenwahl](NumberSelection& form) {
        return jobs.onWindowThread([&] { return dialog->showModal(form); });
    };
    m_app.ports().feedback->showPage(Page::Lottotipp);
    if (m_button) {
        m_caption = m_button->text();
        setButtonText(qs(m_app.msg(Msg::StopCalculation)));
    }
    holdCommands(true);
    auto result = std::make_shared<CalcResult>();
    auto work = [in = std::move(*input), result](Progress& progress, const CancelFlag& cancel) mutable {
        *result = calculateTips(std::move(in), progress, cancel);
    };
    auto apply = [this, result] {
        holdCommands(false);
        if (m_button)
            setButtonText(m_caption);
        runGuarded(m_app, [&] { finishCalculation(m_app, std::move(*result)); });
    };
    // a failed job still runs apply first, then shows its error
    if (!jobs.start(std::move(work), apply))
        apply();
}

void CalcBinding::setButtonText(const QString& text)
{
    m_button->setText(text);
    // "Tipps &berechnen" and the menu's "&Berechnen" share Alt+B, the stop
    // caption's Alt+A is "&Aktualisieren"'s: the menu keeps the key, it runs
    // the same command (setText takes the key back each time)
    keepMenuMnemonics(m_button);
}

void CalcBinding::holdCommands(bool hold)
{
    if (hold)
        m_hold.hold(m_window, {m_button, m_window.berechnenAction()});
    else
        m_hold.release();
}

} // namespace zf
