#include "rules/DrawImport.h"

#include "ground/Formats.h"
#include "ground/Texts.h"
#include "rules/DrawHistory.h"

#include <algorithm>
#include <map>

namespace zf {

bool sameDraw(const Draw& a, const Draw& b)
{
    return withSortedNumbers(a).zahlen == withSortedNumbers(b).zahlen;
}

ImportPlan planImport(const std::vector<Draw>& stored, const CsvDraws& rows, bool replace)
{
    ImportPlan plan;
    ImportSummary& sum = plan.summary;
    sum.rejected = rows.rejected;
    std::vector<Draw> kept = stored;
    std::map<int, size_t> storedAt; // first record of each stored day
    for (size_t i = 0; i < kept.size(); ++i)
        storedAt.emplace(toDay(kept[i].datum), i);
    std::map<int, std::pair<Draw, int>> added; // day -> draw and its line
    std::map<int, int> replacedBy;             // day -> line

    for (const CsvDraw& row : rows.draws) {
        const int day = toDay(row.draw.datum);
        if (auto a = added.find(day); a != added.end()) {
            if (sameDraw(a->second.first, row.draw))
                ++sum.unchanged;
            else
                sum.rejected.push_back(
                    {row.line, text(Text::CsvDateTwice, {formatDate(day), std::to_string(a->second.second)})});
            continue;
        }
        const auto s = storedAt.find(day);
        if (s == storedAt.end()) {
            added.emplace(day, std::pair{row.draw, row.line});
            ++sum.added;
            continue;
        }
        Draw& current = kept[s->second];
        if (sameDraw(current, row.draw)) {
            ++sum.unchanged;
        } else if (const auto r = replacedBy.find(day); r != replacedBy.end()) {
            sum.rejected.push_back({row.line, text(Text::CsvDateTwice, {formatDate(day), std::to_string(r->second)})});
        } else if (replace) {
            // the ticket digits and the replay value are not in the file
            for (int i = 0; i < 6; ++i)
                current.zahlen[i] = row.draw.zahlen[i];
            current.zahlen[6] = 0;
            current.zahlen[7] = row.draw.zahlen[7];
            replacedBy.emplace(day, row.line);
            ++sum.replaced;
        } else {
            sum.conflicts.push_back({row.line, current, row.draw});
        }
    }
    std::stable_sort(sum.rejected.begin(), sum.rejected.end(),
                     [](const CsvRejected& a, const CsvRejected& b) { return a.line < b.line; });

    // each new draw goes just before the first stored draw dated after it
    auto next = added.begin();
    for (const Draw& d : kept) {
        for (; next != added.end() && next->first < toDay(d.datum); ++next)
            plan.draws.push_back(next->second.first);
        plan.draws.push_back(d);
    }
    for (; next != added.end(); ++next)
        plan.draws.push_back(next->second.first);
    plan.changed = sum.added > 0 || sum.replaced > 0;
    return plan;
}

} // namespace zf
