#include "platform/HttpClient.h"

#include "ground/Error.h"

#include <httplib.h>

namespace zf {

HttpResponse HttpClient::get(const std::string& host, int port, const std::string& path, const std::string& proxyHost,
                             int proxyPort)
{
    httplib::Client client(host, port);
    client.set_connection_timeout(15);
    client.set_read_timeout(30);
    if (!proxyHost.empty())
        client.set_proxy(proxyHost, proxyPort);
    const httplib::Result res = client.Get(path);
    if (!res)
        throw Error(Text::ConnectionFailed, {host, httplib::to_string(res.error())});
    return {res->status, res->reason, res->body, res->get_header_value("Last-Modified")};
}

} // namespace zf
