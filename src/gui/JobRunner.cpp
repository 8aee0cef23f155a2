#include "gui/JobRunner.h"

#include "gui/GuiUtil.h"
#include "gui/MainWindow.h"
#include "session/Session.h"

#include <QLabel>
#include <QProgressBar>
#include <QShortcut>
#include <QStatusBar>
#include <QThread>

namespace zf {

JobRunner::JobRunner(TForm1& window)
    : QObject(&window), m_window(window), m_bar(new QProgressBar),
      m_escape(new QShortcut(QKeySequence(Qt::Key_Escape), &window))
{
    m_bar->setObjectName("JobProgress");
    m_bar->setMaximumWidth(200);
    window.statusBar()->addPermanentWidget(m_bar);
    m_bar->hide();
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, &JobRunner::cancel);
    m_poll.setInterval(50);
    connect(&m_poll, &QTimer::timeout, this, &JobRunner::showProgress);
}

JobRunner::~JobRunner()
{
    stopAndWait();
}

bool JobRunner::start(Work work, Apply apply, OnError onError)
{
    if (m_thread)
        return false;
    m_cancel = false;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = false;
        m_latest = {};
    }
    m_apply = std::move(apply);
    m_onError = std::move(onError);
    m_bar->setRange(0, 0); // busy until the first report
    m_bar->show();
    m_escape->setEnabled(true);
    m_poll.start();
    m_thread.reset(QThread::create([this, work = std::move(work)] {
        try {
            work(*this, m_cancel);
        } catch (const Closing&) {
        } catch (const std::exception& e) {
            m_error = e.what();
        } catch (...) {
            m_error = "unknown error";
        }
    }));
    // A finish signal that arrives after cancelAndWait has already finished
    // this job must not end the next one.
    connect(m_thread.get(), &QThread::finished, this, [this, id = ++m_jobId] {
        if (id == m_jobId)
            finish();
    });
    m_thread->start();
    return true;
}

void JobRunner::report(int k, int n, const std::string& text)
{
    std::lock_guard lock(m_mutex);
    m_latest = {k, n, text, true};
}

void JobRunner::showProgress()
{
    Report r;
    {
        std::lock_guard lock(m_mutex);
        if (!m_latest.fresh)
            return;
        m_latest.fresh = false;
        r = m_latest;
    }
    m_bar->setRange(0, r.n);
    m_bar->setValue(r.k);
    m_window.statusPanel(1)->setText(qs(r.text));
}

bool JobRunner::stopAndWait()
{
    if (!m_thread)
        return true;
    m_cancel = true;
    {
        std::lock_guard lock(m_mutex);
        // Only this thread runs calls, so a running one is below us on the stack.
        if (m_callState == Call::Running)
            return false;
        m_stopping = true;
    }
    m_callChanged.notify_all();
    m_thread->wait();
    return true;
}

bool JobRunner::cancelAndWait()
{
    if (!stopAndWait())
        return false;
    finish();
    return true;
}

void JobRunner::finish()
{
    if (!m_thread)
        return;
    m_thread->wait();
    m_thread.reset();
    m_poll.stop();
    showProgress();
    m_bar->hide();
    m_escape->setEnabled(false);
    const Apply apply = std::exchange(m_apply, nullptr);
    const OnError onError = std::exchange(m_onError, nullptr);
    const std::optional<std::string> error = std::exchange(m_error, std::nullopt);
    if (apply)
        runGuarded(m_window.app(), apply);
    if (error) {
        if (onError)
            onError(*error);
        else if (Dialogs* d = m_window.app().ports().dialogs)
            d->error(*error);
    }
    emit finished();
}

void JobRunner::callOnWindow(const std::function<void()>& call)
{
    if (QThread::currentThread() == thread()) {
        call();
        return;
    }
    std::unique_lock lock(m_mutex);
    if (m_stopping)
        throw Closing{};
    m_call = &call;
    m_callState = Call::Pending;
    m_callError = nullptr;
    // Not a blocking queued call: a window that waits for the worker while
    // closing withdraws the call instead of deadlocking.
    QMetaObject::invokeMethod(this, &JobRunner::serveCall, Qt::QueuedConnection);
    m_callChanged.wait(lock,
                       [this] { return m_callState == Call::Done || (m_stopping && m_callState == Call::Pending); });
    const bool served = m_callState == Call::Done;
    m_call = nullptr;
    m_callState = Call::None;
    if (!served)
        throw Closing{};
    if (m_callError)
        std::rethrow_exception(std::exchange(m_callError, nullptr));
}

void JobRunner::serveCall()
{
    std::unique_lock lock(m_mutex);
    if (m_callState != Call::Pending)
        return; // withdrawn, or served by an earlier event
    m_callState = Call::Running;
    lock.unlock();
    std::exception_ptr error;
    try {
        (*m_call)();
    } catch (...) {
        error = std::current_exception();
    }
    lock.lock();
    m_callError = error;
    m_callState = Call::Done;
    m_callChanged.notify_all();
}

} // namespace zf
