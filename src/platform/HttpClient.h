#pragma once

#include "ground/Ports.h"

#include <chrono>

namespace zf {

// Plain HTTP GET through cpp-httplib, optionally through a proxy. The time-outs
// keep a dead server from holding a job (or the start) for more than a few seconds.
class HttpClient : public Http {
public:
    explicit HttpClient(std::chrono::milliseconds connectTimeout = std::chrono::seconds(3),
                        std::chrono::milliseconds readTimeout = std::chrono::seconds(5))
        : m_connectTimeout(connectTimeout), m_readTimeout(readTimeout)
    {
    }

    HttpResponse get(const HttpRequest& request) override;

private:
    std::chrono::milliseconds m_connectTimeout;
    std::chrono::milliseconds m_readTimeout;
};

} // namespace zf
