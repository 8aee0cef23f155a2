#include "cli/Cli.h"

#include "ground/Formats.h"
#include "platform/UpdateServer.h"

#include <csignal>
#include <ctime>
#include <iostream>
#include <mutex>
#include <thread>

#ifndef _WIN32
#include <pthread.h>
#endif

namespace zf::cli {

namespace {

#ifdef _WIN32
std::atomic<bool> g_stopRequested{false};
extern "C" void onStopSignal(int)
{
    g_stopRequested = true;
}
#endif

// Stops the server on SIGINT or SIGTERM: a thread of its own waits for the
// signal, so the server stops outside any signal handler.
class StopOnSignal {
public:
    explicit StopOnSignal(UpdateServer& server) : m_server(server)
    {
#ifdef _WIN32
        std::signal(SIGINT, onStopSignal);
        std::signal(SIGTERM, onStopSignal);
        m_waiter = std::thread([this] {
            while (!g_stopRequested && !m_done)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            m_server.stop();
        });
#else
        sigemptyset(&m_set);
        sigaddset(&m_set, SIGINT);
        sigaddset(&m_set, SIGTERM);
        // blocked before the server starts its threads, so they inherit it
        pthread_sigmask(SIG_BLOCK, &m_set, nullptr);
        m_waiter = std::thread([this] {
            int sig = 0;
            sigwait(&m_set, &sig);
            m_server.stop();
        });
#endif
    }
    ~StopOnSignal()
    {
#ifdef _WIN32
        m_done = true;
#else
        // the server ended on its own: wake the waiter
        pthread_kill(m_waiter.native_handle(), SIGTERM);
#endif
        m_waiter.join();
    }

private:
    UpdateServer& m_server;
    std::thread m_waiter;
#ifdef _WIN32
    std::atomic<bool> m_done{false};
#else
    sigset_t m_set;
#endif
};

} // namespace

CLI::App* declareServe(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("serve", "runs the update server on a draw file until SIGINT or SIGTERM");
    sub->add_option("--port", "the port (0: any free one)")->required()->type_name("P");
    sub->add_option("--bind", "the address to listen on (default 127.0.0.1)")->type_name("ADDR");
    sub->add_option("--draws", "the draw file it answers from, re-read when it changes")->required()->type_name("FILE");
    sub->add_option("--scripts", "serves /scripts/<name>.txt from this folder")->type_name("DIR");
    sub->add_option("--files", "serves /dateien/ from this folder")->type_name("DIR");
    return sub;
}

int cmdServe(Context& c)
{
    const auto port = tryToInt(*c.value("--port"));
    if (!port || *port < 0 || *port > 65535)
        throw UsageError{"--port takes a port number 0..65535"};
    std::mutex out;
    UpdateServerConfig config;
    config.port = *port;
    config.bind = c.value("--bind").value_or("127.0.0.1");
    config.drawFile = *c.value("--draws");
    config.scriptsDir = c.value("--scripts").value_or("");
    config.filesDir = c.value("--files").value_or("");
    config.log = [&out](const std::string& line) {
        const std::time_t now = std::time(nullptr);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
        std::lock_guard lock(out);
        std::cout << stamp << ' ' << line << std::endl;
    };
    UpdateServer server(config);
    const int bound = server.bind();
    {
        std::lock_guard lock(out);
        std::cout << "listening on http://" << config.bind << ':' << bound << std::endl;
    }
    bool served;
    {
        StopOnSignal stopper(server);
        served = server.run();
    }
    std::cout << "stopped" << std::endl;
    return served ? 0 : 1;
}

} // namespace zf::cli
