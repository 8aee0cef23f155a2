#pragma once

#include "fakes/TempDir.h"
#include "platform/UpdateServer.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zf::test {

// The project's update server on a free loopback port, serving a draw file.
struct Server {
    TempDir dir;
    std::unique_ptr<UpdateServer> server;
    int port = 0;
    std::thread thread;
    std::vector<std::string> log;
    std::mutex logMutex;

    explicit Server(const std::vector<Draw>& draws)
    {
        DrawFile(dir.file("server.dat")).rewrite(draws, "s.tmp");
        std::filesystem::create_directories(dir.file("scripts"));
        std::filesystem::create_directories(dir.file("files"));
        UpdateServerConfig c;
        c.port = 0;
        c.drawFile = dir.file("server.dat");
        c.scriptsDir = dir.file("scripts");
        c.filesDir = dir.file("files");
        c.log = [this](const std::string& line) {
            std::lock_guard lock(logMutex);
            log.push_back(line);
        };
        server = std::make_unique<UpdateServer>(c);
        port = server->bind();
        thread = std::thread([this] { server->run(); });
    }
    ~Server()
    {
        server->stop();
        thread.join();
    }
    std::string address() const { return "http://127.0.0.1:" + std::to_string(port); }
};

} // namespace zf::test
