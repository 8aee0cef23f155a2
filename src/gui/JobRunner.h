#pragma once

#include "ground/Ports.h"

#include <QObject>
#include <QTimer>

#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>

class QProgressBar;
class QShortcut;
class QThread;

namespace zf {

class TForm1;

// Runs one long job at a time on a worker thread of its own: the status bar
// shows its progress, Esc cancels it, and its end is handled back on the
// window's thread.
class JobRunner : public QObject, private Progress {
    Q_OBJECT
public:
    using Work = std::function<void(Progress&, const CancelFlag&)>;
    using Apply = std::function<void()>;
    using OnError = std::function<void(const std::string&)>;

    // Thrown into a job by onWindowThread when the window is closing and will
    // not run the call; not a std::exception, so a job's error handling lets
    // it pass and the job ends as cancelled.
    struct Closing {};

    explicit JobRunner(TForm1& window);
    // Stops a running job and waits for it; its apply never runs.
    ~JobRunner() override;

    // Runs work on the worker. When it has returned (done, cancelled or
    // failed) the progress bar hides and apply runs on the window's thread;
    // after a failure onError gets the message (by default the general error
    // display). Returns false while another job runs.
    bool start(Work work, Apply apply = {}, OnError onError = {});
    bool running() const { return m_thread != nullptr; }
    void cancel() { m_cancel = true; }
    // For closing the window: cancels, waits for the worker and finishes the
    // job at once. Returns false, without waiting, when called from inside
    // the job's own onWindowThread call: the job cannot end before it returns.
    bool cancelAndWait();

    // Runs f on the window's thread and returns its result; from the worker
    // it waits for the window (for a modal dialog, say). An exception of f
    // reaches the caller.
    template <class F>
    auto onWindowThread(F f) -> std::invoke_result_t<F&>
    {
        using R = std::invoke_result_t<F&>;
        if constexpr (std::is_void_v<R>) {
            callOnWindow([&] { f(); });
        } else {
            std::optional<R> result;
            callOnWindow([&] { result.emplace(f()); });
            return std::move(*result);
        }
    }

signals:
    // After apply and onError; the runner is idle again.
    void finished();

private:
    enum class Call { None, Pending, Running, Done };

    void report(int k, int n, const std::string& text) override;
    void showProgress();
    bool stopAndWait();
    void finish();
    void callOnWindow(const std::function<void()>& call);
    void serveCall();

    TForm1& m_window;
    QProgressBar* m_bar;
    QShortcut* m_escape;
    // Reports only store the latest state; this timer shows it, so a job
    // reporting millions of times costs the window nothing.
    QTimer m_poll;
    std::unique_ptr<QThread> m_thread;
    int m_jobId = 0;
    CancelFlag m_cancel{false};
    Apply m_apply;
    OnError m_onError;
    std::optional<std::string> m_error; // written by the worker, read after it has ended

    std::mutex m_mutex; // guards everything below
    struct Report {
        int k = 0;
        int n = 0;
        std::string text;
        bool fresh = false;
    } m_latest;
    const std::function<void()>* m_call = nullptr;
    Call m_callState = Call::None;
    std::exception_ptr m_callError;
    bool m_stopping = false; // the window is closing and serves no more calls
    std::condition_variable m_callChanged;
};

} // namespace zf
