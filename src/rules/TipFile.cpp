#include "rules/TipFile.h"

#include "ground/Cp1252.h"
#include "ground/Error.h"
#include "ground/Formats.h"

#include <cmath>
#include <cstdio>

namespace zf {

namespace {

// The text up to the first comma; `rest` loses it and the comma.
bool takeField(std::string_view& rest, std::string& field)
{
    const size_t comma = rest.find(',');
    if (comma == std::string_view::npos)
        return false;
    field = std::string(rest.substr(0, comma));
    rest.remove_prefix(comma + 1);
    return true;
}

std::vector<std::string_view> splitLines(std::string_view text, size_t maxLines)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size() && lines.size() < maxLines; ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    // a last line without line break still counts
    if (lines.size() < maxLines && start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

} // namespace

std::string formatTipFile(const TipSheet& sheet)
{
    std::string text;
    for (int row = 0; row < TipSheet::kRows; ++row) {
        for (int col = 0; col < TipSheet::kCols; ++col)
            text += sheet.cell(row, col) + ",";
        text += sheet.dream(row) + "\r\n";
    }
    return utf8ToCp1252(text);
}

TipFileRow parseTipLine(std::string_view line)
{
    TipFileRow row;
    for (int col = 0; col < 5; ++col)
        takeField(line, row.cells[static_cast<size_t>(col)]);
    if (!takeField(line, row.cells[5])) {
        row.cells[5] = std::string(line);
        row.dream = "-";
    } else {
        row.dream = std::string(line);
    }
    return row;
}

TipFileRows parseTipFile(std::string_view bytes, const std::string& name)
{
    if (bytes.size() > kTipFileMaxBytes)
        throw Error(Text::TipFileTooLarge, {name, std::to_string(bytes.size())});
    if (bytes.find('\0') != std::string_view::npos)
        throw Error(Text::TipFileBinary, {name});
    std::string text;
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.substr(0, kBom.size()) == kBom && isValidUtf8(bytes.substr(kBom.size())))
        text = bytes.substr(kBom.size());
    else
        text = cp1252ToUtf8(bytes);
    TipFileRows rows;
    const auto lines = splitLines(text, TipSheet::kRows);
    for (size_t k = 0; k < rows.size(); ++k)
        rows[k] = parseTipLine(k < lines.size() ? lines[k] : std::string_view{});
    return rows;
}

int nextDrawForTipFile(double endDay, int today)
{
    const int day = toDay(std::round(endDay));
    if (weekday(day) == 0)
        return day + 3;
    if (weekday(day) == 3)
        return day + 4;
    return today;
}

std::string tipFileName(int day)
{
    const CivilDate d = civilFromDay(day);
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%02d.ztp", d.year, d.month, d.day);
    return name;
}

FileFilter tipFileFilter(const std::string& defaultName)
{
    return {"Tippdatei", "*.ztp", "ztp", defaultName, ""};
}

int nextDrawForListing(double datum1, const WeekdayFilter& flags)
{
    const int day = toDay(datum1);
    if (!flags.thursday || !flags.monday)
        return day + 7;
    return weekday(day) == 0 ? day + 3 : day + 4;
}

std::string longDate(int day)
{
    static const char* const names[] = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                        "Freitag", "Samstag",  "Sonntag"};
    return std::string(names[weekday(day)]) + " " + formatShortDate(day);
}

std::vector<std::string> tipListing(const TipSheet& sheet, int nextDraw, const std::string& productTitle,
                                    const std::string& tipWord)
{
    std::vector<std::string> lines = {productTitle + " Tipp für " + longDate(nextDraw), std::string(46, '~'), ""};
    for (int row = 0; row < TipSheet::kRows; ++row) {
        if (sheet.cell(row, 0).empty())
            continue;
        char label[8];
        std::snprintf(label, sizeof label, "%2d. ", row + 1);
        std::string line = label + tipWord + ": ";
        for (int col = 0; col < TipSheet::kCols; ++col) {
            const std::string& cell = sheet.cell(row, col);
            const auto n = tryToInt(cell);
            if (!n)
                throw ConvertError(Text::ListingCellNotANumber,
                                   {std::to_string(row + 1), std::to_string(col + 1), cell});
            char number[16];
            std::snprintf(number, sizeof number, "%2d", *n);
            line += (col > 0 ? "   " : "") + std::string(number);
        }
        lines.push_back(line + "  Plus: " + sheet.dream(row));
    }
    return lines;
}

std::string listingBytes(const std::vector<std::string>& lines)
{
    std::string bytes = "\xEF\xBB\xBF";
    for (const auto& l : lines)
        bytes += l + "\r\n";
    return bytes;
}

} // namespace zf
