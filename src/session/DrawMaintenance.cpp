#include "session/DrawMaintenance.h"

#include "ground/AtomicFile.h"
#include "ground/Error.h"
#include "ground/Formats.h"
#include "session/DrawCommands.h"
#include "session/Session.h"

#include <cmath>

namespace zf {

namespace {

std::vector<Draw> storedDraws(const Session& s)
{
    return s.drawFile().readAll();
}

} // namespace

std::vector<std::string> findingTexts(const std::vector<CalendarFinding>& findings)
{
    std::vector<std::string> lines;
    for (const CalendarFinding& f : findings) {
        Text what = Text::FindingMissing;
        switch (f.kind) {
        case CalendarFinding::Kind::Missing:
            break;
        case CalendarFinding::Kind::Twice:
            what = Text::FindingTwice;
            break;
        case CalendarFinding::Kind::Order:
            what = Text::FindingOrder;
            break;
        case CalendarFinding::Kind::Weekday:
            what = Text::FindingWeekday;
            break;
        case CalendarFinding::Kind::Damaged:
            what = Text::FindingDamaged;
            break;
        }
        lines.push_back(text(what, {formatDate(f.day), f.damage}));
    }
    return lines;
}

std::vector<std::string> importSummaryTexts(const ImportSummary& s)
{
    std::vector<std::string> lines = {text(Text::ImportAdded, {std::to_string(s.added)}),
                                      text(Text::ImportUnchanged, {std::to_string(s.unchanged)}),
                                      text(Text::ImportReplaced, {std::to_string(s.replaced)})};
    for (const ImportConflict& k : s.conflicts)
        lines.push_back(text(Text::ImportConflict,
                             {formatDate(toDay(k.stored.datum)), drawNumbersText(k.stored), drawNumbersText(k.file)}));
    for (const CsvRejected& r : s.rejected)
        lines.push_back(text(Text::ImportRejected, {std::to_string(r.line), r.reason}));
    return lines;
}

std::string drawNumbersText(const Draw& d)
{
    std::string t;
    for (int i = 0; i < 6; ++i)
        t += std::to_string(d.zahlen[i]) + " ";
    return t + "D" + std::to_string(d.zahlen[7]);
}

std::optional<Draw> entryStart(Session& s)
{
    const std::vector<Draw> draws = storedDraws(s);
    if (draws.empty())
        return std::nullopt;
    const double wanted = std::round(s.endDay);
    const Draw* start = &draws.back();
    for (const Draw& d : draws)
        if (d.datum == wanted) {
            start = &d;
            break;
        }
    s.aktDatum = start->datum;
    return *start;
}

void enterDraw(Session& s, const Draw& draw)
{
    if (const auto problem = drawValuesProblem(draw))
        throw Error(Text::DrawNotStored, {formatDate(toDay(draw.datum)), *problem});
    s.drawFile().rewrite(withDrawEntered(storedDraws(s), withSortedNumbers(draw)), s.zahlenFile + "~");
}

void endEntry(Session& s)
{
    if (s.aktDatum >= kFirstDrawDay)
        s.setEndDay(s.aktDatum);
    evaluateForDate(s);
}

int deleteDay(Session& s, int day)
{
    const std::vector<Draw> draws = storedDraws(s);
    const std::vector<Draw> kept = withoutDay(draws, day);
    const int removed = static_cast<int>(draws.size() - kept.size());
    if (removed > 0)
        s.drawFile().rewrite(kept, "Zahlen.da~");
    return removed;
}

std::string deleteQuestion(const Session& s)
{
    const auto& z = s.current.zahl;
    std::string numbers;
    for (int i = 1; i <= 6; ++i)
        numbers += (i > 1 ? " " : "") + std::to_string(z[i]);
    return text(Text::DeleteQuestion, {formatDate(toDay(s.current.datum1)), numbers, std::to_string(z[8])});
}

bool deleteShownDraw(Session& s)
{
    if (s.current.datum1 < kFirstDrawDay || s.drawFile().readAll().empty()) {
        s.ports().dialogs->information(text(Text::NothingToDelete));
        return false;
    }
    if (!s.ports().dialogs->askYesNo(deleteQuestion(s), text(Text::DeleteCaption)))
        return false;
    const BusyScope busy(*s.ports().feedback);
    deleteDay(s, toDay(s.current.datum1));
    evaluateForDate(s);
    return true;
}

ImportSummary importCsv(Session& s, std::string_view bytes, const CsvColumns& columns, bool replace)
{
    const ImportPlan plan = planImport(storedDraws(s), drawsFromCsv(readCsv(bytes), columns), replace);
    if (plan.changed)
        s.drawFile().rewrite(plan.draws, s.zahlenFile + "~");
    return plan.summary;
}

std::vector<std::string> importSummaryLines(const ImportSummary& s)
{
    std::vector<std::string> lines = {"added: " + std::to_string(s.added), "unchanged: " + std::to_string(s.unchanged),
                                      "replaced: " + std::to_string(s.replaced)};
    for (const ImportConflict& k : s.conflicts)
        lines.push_back("conflict: " + formatDate(toDay(k.stored.datum)) + " stored " + drawNumbersText(k.stored) +
                        " file " + drawNumbersText(k.file));
    for (const CsvRejected& r : s.rejected)
        lines.push_back("rejected: " + std::to_string(r.line) + " " + r.reason);
    return lines;
}

void exportCsv(Session& s, const std::string& path)
{
    writeFileAtomically(path, drawsToCsv(storedDraws(s)));
}

std::vector<CalendarFinding> checkDrawCalendar(Session& s)
{
    return checkCalendar(storedDraws(s));
}

std::vector<std::string> findingLines(const std::vector<CalendarFinding>& findings)
{
    std::vector<std::string> lines;
    for (const CalendarFinding& f : findings)
        lines.push_back(std::string(findingName(f.kind)) + ": " + formatDate(f.day) +
                        (f.damage.empty() ? "" : " " + f.damage));
    return lines;
}

} // namespace zf
