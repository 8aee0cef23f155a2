#include "gui/AnalysisBinding.h"

#include "ground/Texts.h"
#include "gui/DatenbankPage.h"
#include "gui/GuiUtil.h"
#include "gui/JobRunner.h"
#include "gui/MainWindow.h"
#include "session/AnalysisCommands.h"
#include "session/Session.h"

#include <QBoxLayout>
#include <QPushButton>

#include <memory>

namespace zf {

AnalysisBinding::AnalysisBinding(TForm1& window) : QObject(&window), m_window(window), m_app(window.app())
{
    setObjectName("AnalysisBinding");
    DatenbankPage* db = window.datenbank();
    m_bitBtn9 = new QPushButton("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum",
                                db->databaseButtons());
    m_bitBtn9->setObjectName("BitBtn9");
    m_bitBtn9->setToolTip("Berechnung und Erfolg beginnend mit dem oben gewählten Datum");
    m_bitBtn19 = new QPushButton("Historische Analyse beginnend mit dem oben gewähltem Datum", db->databaseButtons());
    m_bitBtn19->setObjectName("BitBtn19");
    db->databaseButtonsLayout()->addWidget(m_bitBtn9);
    db->databaseButtonsLayout()->addWidget(m_bitBtn19);
    connect(m_bitBtn9, &QPushButton::clicked, this, &AnalysisBinding::BitBtn9Click);
    connect(m_bitBtn19, &QPushButton::clicked, this, &AnalysisBinding::BitBtn19Click);
}

void AnalysisBinding::BitBtn9Click()
{
    toggle(m_bitBtn9, [this](std::function<void()> done) { return startBacktest(std::move(done)); });
}

void AnalysisBinding::BitBtn19Click()
{
    toggle(m_bitBtn19, [this](std::function<void()> done) { return startRepeats(std::move(done)); });
}

void AnalysisBinding::toggle(QPushButton* button, const Start& start)
{
    JobRunner& jobs = *m_window.jobs();
    if (m_running == button) {
        jobs.cancel();
        return;
    }
    if (jobs.running())
        return;
    m_running = button;
    m_caption = button->text();
    button->setText(qs(text(Text::AnalysisStop)));
    m_hold.hold(m_window, {button});
    const bool started = start([this, button] {
        m_hold.release();
        button->setText(m_caption);
        m_running = nullptr;
    });
    if (!started) {
        m_hold.release();
        button->setText(m_caption);
        m_running = nullptr;
    }
}

bool AnalysisBinding::startBacktest(std::function<void()> done)
{
    std::optional<BacktestInput> input;
    if (!runGuarded(m_app, [&] { input = prepareBacktest(m_app); }) || !input)
        return false;
    auto result = std::make_shared<BacktestResult>();
    auto work = [in = std::move(*input), result](Progress& progress, const CancelFlag& cancel) mutable {
        *result = backtest(std::move(in), progress, cancel);
    };
    return m_window.jobs()->start(std::move(work), [this, result, done] {
        done();
        runGuarded(m_app, [&] { finishBacktest(m_app, *result); });
    });
}

bool AnalysisBinding::startRepeats(std::function<void()> done)
{
    std::optional<RepeatInput> input;
    if (!runGuarded(m_app, [&] { input = prepareRepeats(m_app); }) || !input)
        return false;
    JobRunner& jobs = *m_window.jobs();
    // the question at a stop is the window's
    input->goOn = [&jobs, ask = std::move(input->goOn)](double day) {
        return jobs.onWindowThread([&] { return ask(day); });
    };
    auto result = std::make_shared<RepeatResult>();
    auto work = [in = std::move(*input), result](Progress& progress, const CancelFlag& cancel) {
        *result = analyseRepeats(in, progress, cancel);
    };
    return jobs.start(std::move(work), [this, result, done] {
        done();
        runGuarded(m_app, [&] { finishRepeats(m_app, *result); });
    });
}

} // namespace zf
