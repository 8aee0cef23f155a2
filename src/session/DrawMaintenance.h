#pragma once

#include "data/DrawCsv.h"
#include "rules/DrawHistory.h"
#include "rules/DrawImport.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zf {

class Session;

// The draw the entry dialog starts from: the draw dated on the end day, else
// the last draw; nullopt for an empty file. aktDatum takes its date.
std::optional<Draw> entryStart(Session& s);

// Stores a draw from the entry: the numbers sorted ascending, every record of
// its date replaced, merged in date order, through the atomic rewrite. Throws
// Error naming what is wrong (numbers outside 1..40 or repeated, dream
// number outside 1..5); nothing is written then.
void enterDraw(Session& s, const Draw& draw);

// The end of the entry: the end day goes to aktDatum (the date the entry
// started from) and the evaluation for a date runs.
void endEntry(Session& s);

// Removes every record of the day through the atomic rewrite; returns how many.
int deleteDay(Session& s, int day);

// The question before deleting the shown draw, naming its date and numbers.
std::string deleteQuestion(const Session& s);
// Deletes the shown draw (every record of its date) after the user agreed,
// then runs the evaluation for the end day. false when nothing was
// deleted: no draw shown, or the user said no.
bool deleteShownDraw(Session& s);

// Merges the CSV rows into the history and writes it when anything changed.
ImportSummary importCsv(Session& s, std::string_view bytes, const CsvColumns& columns, bool replace);
// "added: N", "unchanged: N", "replaced: N", then one "conflict: ..." and
// "rejected: LINE reason" line each.
std::vector<std::string> importSummaryLines(const ImportSummary& summary);
// Writes the history as CSV through a temporary file.
void exportCsv(Session& s, const std::string& path);

// The calendar check of the stored history.
std::vector<CalendarFinding> checkDrawCalendar(Session& s);
// "missing: 09.11.2023" and the like, one per finding.
std::vector<std::string> findingLines(const std::vector<CalendarFinding>& findings);

// The same findings and summary for people: "fehlt: 09.11.2023" and the like.
std::vector<std::string> findingTexts(const std::vector<CalendarFinding>& findings);
std::vector<std::string> importSummaryTexts(const ImportSummary& summary);

// "3 11 17 25 33 40 D2"
std::string drawNumbersText(const Draw& d);

} // namespace zf
