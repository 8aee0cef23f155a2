#include "platform/UpdateServer.h"

#include "ground/Error.h"
#include "ground/Paths.h"
#include "rules/DrawUpdate.h"

#include <httplib.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace zf {

namespace {

std::string httpDate(fs::file_time_type stamp)
{
    const auto sys = std::chrono::time_point_cast<std::chrono::seconds>(stamp - fs::file_time_type::clock::now() +
                                                                        std::chrono::system_clock::now());
    const std::time_t t = std::chrono::system_clock::to_time_t(sys);
    std::tm tm{};
#ifdef _WIN32
    gmtime_s(&tm, &t);
#else
    gmtime_r(&t, &tm);
#endif
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s, %02d %s %04d %02d:%02d:%02d GMT", days[tm.tm_wday], tm.tm_mday,
                  months[tm.tm_mon], tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buf;
}

void plain(httplib::Response& res, int status, const std::string& body)
{
    res.status = status;
    res.set_content(body, "text/plain; charset=utf-8");
}

} // namespace

UpdateServer::UpdateServer(UpdateServerConfig config)
    : m_config(std::move(config)), m_server(std::make_unique<httplib::Server>())
{
    httplib::Server& s = *m_server;
    const size_t threads = m_config.threads;
    s.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    s.set_payload_max_length(kMaxBodyBytes);
    s.set_read_timeout(std::chrono::seconds(5));
    s.set_write_timeout(std::chrono::seconds(5));
    s.set_keep_alive_timeout(5);
    s.set_keep_alive_max_count(1000);
    // header and body go out as two writes; without this each answer may wait for a delayed ACK
    s.set_tcp_nodelay(true);

    s.set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
        size_t bytes = 0;
        for (const auto& [name, value] : req.headers)
            bytes += name.size() + value.size() + 4;
        if (req.headers.size() > kMaxHeaders || bytes > kMaxHeaderBytes) {
            plain(res, 431, "Zu viele oder zu lange Kopfzeilen\r\n");
            res.set_header("Connection", "close");
            return httplib::Server::HandlerResponse::Handled;
        }
        // a GET's body is never read, so its announced length is checked here
        const auto length = req.get_header_value<uint64_t>("Content-Length");
        if (length > kMaxBodyBytes) {
            plain(res, 413, "Anfrage zu groß\r\n");
            res.set_header("Connection", "close");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });

    s.Get(std::string(kUpdatePath), [this](const httplib::Request& req, httplib::Response& res) {
        const ServiceAnswer a = answerDrawRequest(req.target, *drawAnswers());
        plain(res, a.status, a.body);
    });

    if (!m_config.scriptsDir.empty()) {
        s.Get(R"(/scripts/([A-Za-z0-9_.\-]+\.txt))", [this](const httplib::Request& req, httplib::Response& res) {
            const fs::path file = toPath(m_config.scriptsDir) / toPath(req.matches[1].str());
            std::error_code ec;
            if (!fs::is_regular_file(file, ec)) {
                plain(res, 404, "Nicht gefunden\r\n");
                return;
            }
            const auto stamp = fs::last_write_time(file, ec);
            std::ifstream in(file, std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            if (ec || !in) {
                plain(res, 500, "Nicht lesbar\r\n");
                return;
            }
            res.set_header("Last-Modified", httpDate(stamp));
            res.set_content(bytes.str(), "text/plain");
        });
    }
    if (!m_config.filesDir.empty())
        s.set_mount_point("/dateien", m_config.filesDir);

    s.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty())
            plain(res, res.status, std::to_string(res.status) + "\r\n");
    });
    s.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
        plain(res, 500, "Interner Fehler\r\n");
    });
    s.set_logger([this](const httplib::Request& req, const httplib::Response& res) {
        logRequest(req.remote_addr + " \"" + req.method + " " + req.target + "\" " + std::to_string(res.status) + " " +
                   std::to_string(res.body.size()));
    });
}

UpdateServer::~UpdateServer()
{
    stop();
}

void UpdateServer::logRequest(const std::string& line)
{
    if (m_config.log)
        m_config.log(line);
}

std::shared_ptr<const DrawAnswers> UpdateServer::drawAnswers()
{
    std::lock_guard lock(m_mutex);
    std::error_code ec;
    const fs::path path = toPath(m_config.drawFile);
    const auto stamp = fs::last_write_time(path, ec);
    const auto size = ec ? 0 : fs::file_size(path, ec);
    // a file that is gone or unreadable for a moment keeps the last draws served
    if (!ec && (!m_index || stamp != m_stamp || size != m_size)) {
        try {
            m_index = std::make_shared<const DrawAnswers>(DrawFile(m_config.drawFile).readAll());
            m_stamp = stamp;
            m_size = size;
            logRequest("draw file read: " + std::to_string(m_index->dates()) + " draw dates");
        } catch (const std::exception& e) {
            logRequest(std::string("draw file not read: ") + e.what());
        }
    }
    if (!m_index)
        m_index = std::make_shared<const DrawAnswers>();
    return m_index;
}

int UpdateServer::bind()
{
    if (!DrawFile(m_config.drawFile).exists())
        throw Error(Text::DrawFileMissing, {m_config.drawFile});
    drawAnswers();
    int port = m_config.port;
    if (port == 0) {
        port = m_server->bind_to_any_port(m_config.bind);
        if (port < 0)
            port = 0;
    } else if (!m_server->bind_to_port(m_config.bind, port)) {
        port = 0;
    }
    if (port == 0)
        throw Error(Text::CannotBind, {m_config.bind + ":" + std::to_string(m_config.port)});
    return port;
}

bool UpdateServer::run()
{
    return m_server->listen_after_bind();
}

void UpdateServer::stop()
{
    if (m_server)
        m_server->stop();
}

} // namespace zf
