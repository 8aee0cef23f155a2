#include "session/OnlineUpdate.h"

#include "ground/Formats.h"
#include "ground/Texts.h"
#include "rules/DrawUpdate.h"
#include "session/DrawCommands.h"
#include "session/Session.h"

namespace zf {

namespace {

bool isBlankLine(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

UpdateInput prepareUpdate(Session& s)
{
    const DrawFile file = s.drawFile();
    file.createEmpty();
    const std::vector<Draw> draws = file.readAll();
    UpdateInput in;
    in.drawFilePath = s.drawFilePath();
    in.tempName = s.zahlenFile + "~";
    in.server = s.options().text(Opt::ServerEdit);
    in.proxyHost = s.options().text(Opt::ProxyHostEdit);
    in.proxyPort = s.options().text(Opt::ProxyPortEdit);
    in.today = s.ports().clock->today();
    if (draws.empty()) {
        // a new user gets the whole history, not only the draws of this week
        in.firstDay = kFirstDrawDay;
    } else {
        in.carry = draws.back();
        const int last = toDay(draws.back().datum);
        if (last > 0)
            s.setEndDay(last);
        in.firstDay = nextDrawDate(last > 0 ? last : toDay(s.endDay));
    }
    s.aktDatum = in.firstDay;
    return in;
}

UpdateResult fetchDraws(const UpdateInput& in, Http& http, Progress& progress, const CancelFlag& cancel)
{
    UpdateResult r;
    auto status = [&](int panel, const std::string& text) {
        (panel == 0 ? r.panel0 : r.panel1) = text;
        if (in.status)
            in.status(panel, text);
    };
    int total = 0;
    for (int d = in.firstDay; d <= in.today; d = nextDrawDate(d))
        ++total;

    const DrawFile file(in.drawFilePath);
    const auto address = parseServerAddress(in.server);
    std::vector<Draw> draws;
    int day = in.firstDay;
    try {
        if (total > 0)
            draws = file.readAll();
        for (; day <= in.today; day = nextDrawDate(day)) {
            if (cancel) {
                r.cancelled = true;
                break;
            }
            const std::string date = formatDate(day);
            progress.report(r.requests, total,
                            text(Text::UpdateProgress, {date, std::to_string(r.requests + 1), std::to_string(total)}));
            if (!address) {
                r.message = text(Text::UpdateBadAddress, {in.server});
                break;
            }
            HttpRequest request{
                address->host,
                address->port,
                address->prefix + updateRequestTarget(day),
                "",
                0,
                {{"Accept", "text/html, */*"}, {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"}}};
            if (!in.proxyHost.empty()) {
                const auto port = tryToInt(in.proxyPort);
                if (!port || *port < 1 || *port > 65535) {
                    r.message = text(Text::UpdateBadProxyPort, {in.proxyPort});
                    break;
                }
                request.proxyHost = in.proxyHost;
                request.proxyPort = *port;
            }
            UpdateStep step;
            step.day = day;
            status(0, text(Text::UpdateLoading));
            ++r.requests;
            HttpResponse res;
            try {
                res = http.get(request);
            } catch (const std::exception& e) {
                status(0, text(Text::UpdateNoConnection));
                step.panel0 = r.panel0;
                if (in.stepDone)
                    in.stepDone(step);
                r.message =
                    text(Text::UpdateNoAnswer, {address->host + ":" + std::to_string(address->port), date, e.what()});
                break;
            }
            step.answered = true;
            step.status = res.status;
            status(0, text(Text::UpdateReceived, {std::to_string(res.body.size())}));
            status(1, text(Text::UpdateNoWarranty));
            if (res.status > 200)
                status(0, res.status == 500 ? text(Text::UpdateNotYet, {date})
                                            : text(Text::UpdateFailedStatus, {std::to_string(res.status), res.reason}));
            std::optional<std::string> stop;
            if (res.status == 200) {
                std::vector<Draw> fresh;
                for (const std::string& line : bodyLines(res.body)) {
                    // an empty line holds neither a draw nor a message
                    if (isBlankLine(line))
                        continue;
                    const UpdateLine parsed = parseUpdateLine(line, day, in.carry);
                    if (parsed.kind == UpdateLine::Kind::Draw) {
                        fresh.push_back(parsed.draw);
                        continue;
                    }
                    stop = parsed.kind == UpdateLine::Kind::Unreadable
                               ? parsed.rest
                               : text(Text::UpdateLineNotStored, {line, date, parsed.problem});
                    break;
                }
                if (!fresh.empty()) {
                    draws.insert(draws.end(), fresh.begin(), fresh.end());
                    file.rewrite(draws, in.tempName);
                    step.appended = static_cast<int>(fresh.size());
                    r.appended += step.appended;
                    r.lastStored = day;
                }
            }
            step.panel0 = r.panel0;
            if (in.stepDone)
                in.stepDone(step);
            if (stop) {
                r.message = stop;
                break;
            }
        }
    } catch (const std::exception& e) {
        r.message = text(Text::UpdateEnded, {e.what()});
    }
    r.nextDay = day;
    return r;
}

void finishUpdate(Session& s, const UpdateResult& r)
{
    Feedback& feedback = *s.ports().feedback;
    if (!r.panel0.empty())
        feedback.setStatus(0, r.panel0);
    if (!r.panel1.empty())
        feedback.setStatus(1, r.panel1);
    if (r.message)
        s.ports().dialogs->information(*r.message);
    s.setEndDay(r.nextDay);
    s.aktDatum = r.nextDay;
    if (r.lastStored)
        s.current.datum1 = *r.lastStored;
    s.drawLabels.label35 = s.drawLabels.label29;
    s.drawLabels.notify();
    evaluateForDate(s);
}

UpdateResult runUpdate(Session& s, Progress& progress, const CancelFlag& cancel,
                       std::function<void(const UpdateStep&)> stepDone)
{
    UpdateInput in = prepareUpdate(s);
    in.stepDone = std::move(stepDone);
    UpdateResult r = fetchDraws(in, *s.ports().http, progress, cancel);
    finishUpdate(s, r);
    return r;
}

} // namespace zf
