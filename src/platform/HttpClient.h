#pragma once

#include "ground/Ports.h"

namespace zf {

// Plain HTTP GET through cpp-httplib, optionally through a proxy.
class HttpClient : public Http {
public:
    HttpResponse get(const std::string& host, int port, const std::string& path, const std::string& proxyHost,
                     int proxyPort) override;
};

} // namespace zf
