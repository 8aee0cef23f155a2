#pragma once

#include "data/DrawCsv.h"

#include <vector>

namespace zf {

struct ImportConflict {
    int line = 0;
    Draw stored;
    Draw file;
};

struct ImportSummary {
    int added = 0;
    int unchanged = 0;
    int replaced = 0;
    std::vector<ImportConflict> conflicts;
    std::vector<CsvRejected> rejected; // in line order

    bool clean() const { return conflicts.empty() && rejected.empty(); }
};

struct ImportPlan {
    std::vector<Draw> draws; // the history after the import
    ImportSummary summary;
    bool changed = false;
};

// The same draw: the same six numbers in any order and the same dream number.
bool sameDraw(const Draw& a, const Draw& b);

// Merges the good rows into the stored history: a new date goes before the
// first later draw, a stored date with the same numbers stays unchanged, with
// other numbers it is a conflict and stays as stored unless `replace` (then
// the numbers are replaced and the record's other bytes kept). A date given
// twice in the file with other numbers the second time is rejected.
ImportPlan planImport(const std::vector<Draw>& stored, const CsvDraws& rows, bool replace);

} // namespace zf
