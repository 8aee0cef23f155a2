#include "platform/HttpClient.h"

#include "ground/Error.h"

#include <httplib.h>

namespace zf {

HttpResponse HttpClient::get(const HttpRequest& request)
{
    httplib::Client client(request.host, request.port);
    client.set_connection_timeout(m_connectTimeout);
    client.set_read_timeout(m_readTimeout);
    client.set_write_timeout(m_readTimeout);
    if (!request.proxyHost.empty())
        client.set_proxy(request.proxyHost, request.proxyPort);
    httplib::Headers headers;
    for (const auto& [name, value] : request.headers)
        headers.emplace(name, value);
    const httplib::Result res = client.Get(request.target, headers);
    if (!res)
        throw Error(Text::ConnectionFailed,
                    {request.host + ":" + std::to_string(request.port), httplib::to_string(res.error())});
    return {res->status, res->reason, res->body, res->get_header_value("Last-Modified")};
}

} // namespace zf
