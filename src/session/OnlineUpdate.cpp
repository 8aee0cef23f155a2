#include "session/OnlineUpdate.h"

#include "ground/Formats.h"
#include "rules/DrawUpdate.h"
#include "session/DrawCommands.h"
#include "session/Session.h"

namespace zf {

namespace {

const char* const kNoWarranty = "Keine Gewähr für die Richtigkeit der Zahlen!";

bool isBlankLine(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

UpdateInput prepareUpdate(Session& s)
{
    const DrawFile file = s.drawFile();
    if (!file.exists())
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
            s.setDateTimePicker1(last);
        in.firstDay = nextDrawDate(last > 0 ? last : toDay(s.dateTimePicker1));
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
                            "Ziehung vom " + date + " (" + std::to_string(r.requests + 1) + " von " +
                                std::to_string(total) + ")");
            if (!address) {
                r.message = "Die Adresse des Update-Servers \"" + in.server +
                            "\" ist ungültig; erwartet wird http://Rechner:Port (Internet-Optionen).";
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
                    r.message =
                        "Der Proxy-Port \"" + in.proxyPort +
                        "\" ist keine gültige Portnummer (Internet-Optionen); die Aktualisierung wurde beendet.";
                    break;
                }
                request.proxyHost = in.proxyHost;
                request.proxyPort = *port;
            }
            UpdateStep step;
            step.day = day;
            status(0, "Loading");
            ++r.requests;
            HttpResponse res;
            try {
                res = http.get(request);
            } catch (const std::exception& e) {
                status(0, "Keine Verbindung zum Update-Server");
                step.panel0 = r.panel0;
                if (in.stepDone)
                    in.stepDone(step);
                r.message = "Keine Antwort vom Update-Server " + address->host + ":" + std::to_string(address->port) +
                            " für die Ziehung vom " + date + " (" + e.what() +
                            "). Die Aktualisierung wurde beendet; die bisher geholten Ziehungen sind gespeichert.";
                break;
            }
            step.answered = true;
            step.status = res.status;
            status(0, "Received " + std::to_string(res.body.size()) + " bytes");
            status(1, kNoWarranty);
            if (res.status > 200)
                status(0, res.status == 500 ? date + " noch nicht da!"
                                            : "Failed : " + std::to_string(res.status) + " " + res.reason);
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
                               : "Die Zeile \"" + line + "\" für die Ziehung vom " + date +
                                     " wird nicht gespeichert: " + parsed.problem +
                                     " Die Aktualisierung wurde beendet.";
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
        r.message = std::string(e.what()) + " Die Aktualisierung wurde beendet.";
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
    s.setDateTimePicker1(r.nextDay);
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
