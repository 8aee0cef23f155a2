#include "session/TipFileCommands.h"

#include "ground/AtomicFile.h"
#include "ground/Texts.h"
#include "rules/TipFile.h"
#include "session/DrawCommands.h"
#include "session/Session.h"
#include "session/SheetCommands.h"

namespace zf {

void saveTipFile(Session& s, const std::string& path)
{
    writeFileAtomically(path, formatTipFile(s.sheet()));
}

void saveTipsAsking(Session& s)
{
    const int day = nextDrawForTipFile(s.endDay, s.ports().clock->today());
    if (const auto path = s.ports().dialogs->saveFileName(tipFileFilter(tipFileName(day))))
        saveTipFile(s, *path);
}

void loadTipFile(Session& s, const std::string& path)
{
    const TipFileRows rows = parseTipFile(readFileBytes(path, kTipFileMaxBytes), path);
    clearTips(s);
    TipSheet& sheet = s.sheet();
    for (int row = 0; row < TipSheet::kRows; ++row) {
        const TipFileRow& r = rows[static_cast<size_t>(row)];
        for (int col = 0; col < TipSheet::kCols; ++col)
            sheet.setCell(row, col, r.cells[static_cast<size_t>(col)]);
        sheet.setDream(row, r.dream);
    }
}

void loadTipsAsking(Session& s)
{
    if (const auto path = s.ports().dialogs->openFileName(tipFileFilter()))
        loadTipFile(s, *path);
    evaluateForDate(s);
}

std::vector<std::string> writeTipListing(Session& s)
{
    const int next = nextDrawForListing(s.current.datum1, s.weekdayFilter());
    const std::string title = s.msg(Msg::WindowCaption) + " " + s.msg(Msg::GameName);
    std::vector<std::string> lines = tipListing(s.sheet(), next, title, s.msg(Msg::Tip));
    writeFileAtomically(s.home + "Tipp.txt", listingBytes(lines));
    return lines;
}

void showTipListing(Session& s)
{
    writeTipListing(s);
    const std::string path = s.home + "Tipp.txt";
    if (!s.ports().shell->open(path))
        s.ports().dialogs->information(text(Text::ListingNotOpened, {path}));
}

} // namespace zf
