#pragma once

#include "rules/UpdateService.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace httplib {
class Server;
}

namespace zf {

struct UpdateServerConfig {
    std::string bind = "127.0.0.1";
    int port = 8080; // 0: any free port
    std::string drawFile;
    std::string scriptsDir;                      // empty: no /scripts/
    std::string filesDir;                        // empty: no /dateien/
    std::function<void(const std::string&)> log; // one line per request, from the serving threads
    size_t threads = 16;
};

// The maker's side of the update protocol: answers the draw requests from a
// draw file it re-reads when the file changes, and serves the click-script
// templates and downloadable files. Requests are bounded in size and header
// count; a malformed or oversized one gets its 4xx answer and serving goes on.
class UpdateServer {
public:
    explicit UpdateServer(UpdateServerConfig config);
    ~UpdateServer();
    UpdateServer(const UpdateServer&) = delete;
    UpdateServer& operator=(const UpdateServer&) = delete;

    // Reads the draw file and binds the port; throws Error when either fails.
    // Returns the port bound.
    int bind();
    // Serves until stop(); returns false when serving failed.
    bool run();
    // From any thread; run() returns soon after.
    void stop();

    static constexpr size_t kMaxBodyBytes = 4096;
    static constexpr size_t kMaxHeaders = 64;
    static constexpr size_t kMaxHeaderBytes = 16 * 1024;

private:
    std::shared_ptr<const DrawAnswers> drawAnswers();
    void logRequest(const std::string& line);

    UpdateServerConfig m_config;
    std::unique_ptr<httplib::Server> m_server;
    std::mutex m_mutex; // guards the index and what it was read from
    std::shared_ptr<const DrawAnswers> m_index;
    std::filesystem::file_time_type m_stamp{};
    uintmax_t m_size = 0;
};

} // namespace zf
