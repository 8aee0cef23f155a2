#include "data/DrawCsv.h"

#include "ground/Formats.h"
#include "ground/Texts.h"

#include <algorithm>

namespace zf {

namespace {

constexpr char kCandidates[] = {';', '\t', ','};

// UTF-16 files (as spreadsheet programs save "Unicode text") become 8-bit
// text; the digits and separators that matter are all ASCII.
std::string plainText(std::string_view bytes)
{
    auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
    if (starts("\xEF\xBB\xBF"))
        return std::string(bytes.substr(3));
    const bool le = starts("\xFF\xFE"), be = starts("\xFE\xFF");
    if (!le && !be)
        return std::string(bytes);
    std::string out;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[le ? i : i + 1]);
        const auto hi = static_cast<unsigned char>(bytes[le ? i + 1 : i]);
        out += hi == 0 && lo < 0x80 ? static_cast<char>(lo) : '?';
    }
    return out;
}

std::vector<std::string_view> physicalLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::string trimmed(std::string_view s, char delimiter)
{
    auto blank = [&](char ch) { return ch == ' ' || (ch == '\t' && delimiter != '\t'); };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return std::string(s);
}

std::vector<std::string> splitLine(std::string_view line, char delimiter)
{
    std::vector<std::string> fields;
    size_t i = 0;
    for (;;) {
        std::string field;
        while (i < line.size() && line[i] == ' ')
            ++i;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            // anything between the closing quote and the delimiter belongs to the field
            const size_t end = std::min(line.find(delimiter, i), line.size());
            field += trimmed(line.substr(i, end - i), delimiter);
            i = end;
        } else {
            const size_t end = std::min(line.find(delimiter, i), line.size());
            field = trimmed(line.substr(i, end - i), delimiter);
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= line.size())
            break;
        ++i; // the delimiter
    }
    return fields;
}

bool isBlank(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char ch) { return ch == ' ' || ch == '\t'; });
}

char detectDelimiter(const std::vector<std::string_view>& lines)
{
    char best = ';';
    size_t bestFields = 1;
    for (char d : kCandidates) {
        size_t fewest = SIZE_MAX;
        int seen = 0;
        for (std::string_view l : lines) {
            if (isBlank(l))
                continue;
            fewest = std::min(fewest, splitLine(l, d).size());
            if (++seen == 10)
                break;
        }
        if (seen > 0 && fewest > bestFields) {
            best = d;
            bestFields = fewest;
        }
    }
    return best;
}

bool hasLetter(const std::string& s)
{
    return std::any_of(s.begin(), s.end(),
                       [](char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); });
}

std::string shortened(const std::string& s)
{
    return s.size() > 40 ? s.substr(0, 40) + "..." : s;
}

} // namespace

namespace {

CsvTable readPlain(const std::string& text, char delimiter)
{
    CsvTable table;
    table.delimiter = delimiter;
    const auto lines = physicalLines(text);
    for (size_t i = 0; i < lines.size(); ++i)
        if (!isBlank(lines[i]))
            table.rows.push_back({static_cast<int>(i) + 1, splitLine(lines[i], delimiter)});
    return table;
}

} // namespace

CsvTable readCsv(std::string_view bytes, char delimiter)
{
    return readPlain(plainText(bytes), delimiter);
}

CsvTable readCsv(std::string_view bytes)
{
    const std::string text = plainText(bytes);
    return readPlain(text, detectDelimiter(physicalLines(text)));
}

int CsvColumns::widest() const
{
    return std::max({date, dream, *std::max_element(numbers.begin(), numbers.end())});
}

std::optional<CsvColumns> parseCsvColumns(std::string_view text)
{
    std::vector<int> v;
    while (true) {
        const size_t comma = text.find(',');
        const auto n = tryToInt(text.substr(0, comma));
        if (!n || *n < 1 || *n > 1000 || text.substr(0, comma).find(' ') != std::string_view::npos)
            return std::nullopt;
        v.push_back(*n - 1);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    if (v.size() != 8)
        return std::nullopt;
    CsvColumns c;
    c.date = v[0];
    std::copy(v.begin() + 1, v.begin() + 7, c.numbers.begin());
    c.dream = v[7];
    return c;
}

std::optional<int> parseCsvDate(std::string_view text)
{
    // fields in the order they appear, with their digit counts
    int parts[3] = {0, 0, 0}, digits[3] = {0, 0, 0};
    int field = 0;
    char sep = 0;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            if (++digits[field] > 8)
                return std::nullopt;
            parts[field] = parts[field] * 10 + (ch - '0');
        } else if ((ch == '.' || ch == '/' || ch == '-') && (sep == 0 || sep == ch) && field < 2 && digits[field] > 0) {
            sep = ch;
            ++field;
        } else {
            return std::nullopt;
        }
    }
    int year, month, day;
    if (sep == 0 && field == 0 && digits[0] == 8) {
        year = parts[0] / 10000;
        month = parts[0] / 100 % 100;
        day = parts[0] % 100;
    } else if (field == 2 && sep == '-' && digits[0] == 4 && digits[1] <= 2 && digits[2] <= 2) {
        year = parts[0];
        month = parts[1];
        day = parts[2];
    } else if (field == 2 && sep != '-' && digits[0] <= 2 && digits[1] <= 2 && digits[2] == 4) {
        day = parts[0];
        month = parts[1];
        year = parts[2];
    } else {
        return std::nullopt;
    }
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const int result = dayFromCivil(year, month, day);
    if (civilFromDay(result).day != day)
        return std::nullopt;
    return result;
}

bool isHeaderRow(const CsvRow& row, const CsvColumns& columns)
{
    const bool dateThere = columns.date < static_cast<int>(row.fields.size()) &&
                           parseCsvDate(row.fields[static_cast<size_t>(columns.date)]);
    return !dateThere && std::any_of(row.fields.begin(), row.fields.end(), hasLetter);
}

CsvDraws drawsFromCsv(const CsvTable& table, const CsvColumns& columns)
{
    CsvDraws out;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const CsvRow& row = table.rows[r];
        if (r == 0 && isHeaderRow(row, columns)) {
            out.header = true;
            continue;
        }
        auto reject = [&](const std::string& reason) { out.rejected.push_back({row.line, reason}); };
        if (columns.widest() >= static_cast<int>(row.fields.size())) {
            reject(text(Text::CsvColumnMissing, {std::to_string(columns.widest() + 1)}));
            continue;
        }
        const std::string& dateText = row.fields[static_cast<size_t>(columns.date)];
        const auto day = parseCsvDate(dateText);
        if (!day) {
            reject(text(Text::CsvNoDate, {shortened(dateText)}));
            continue;
        }
        std::array<int, 6> numbers{};
        std::optional<std::string> problem;
        for (size_t i = 0; i < 6 && !problem; ++i) {
            const std::string& f = row.fields[static_cast<size_t>(columns.numbers[i])];
            const auto n = tryToInt(f);
            if (!n)
                problem = text(Text::CsvNoNumber, {shortened(f)});
            else
                numbers[i] = *n;
        }
        const std::string& dreamText = row.fields[static_cast<size_t>(columns.dream)];
        const auto dream = tryToInt(dreamText);
        if (!problem && !dream)
            problem = text(Text::CsvNoDream, {shortened(dreamText)});
        if (!problem)
            problem = drawValuesProblem(numbers, *dream);
        if (problem) {
            reject(*problem);
            continue;
        }
        Draw d;
        d.datum = *day;
        for (size_t i = 0; i < 6; ++i)
            d.zahlen[i] = static_cast<uint8_t>(numbers[i]);
        d.zahlen[7] = static_cast<uint8_t>(*dream);
        out.draws.push_back({row.line, d});
    }
    return out;
}

std::string drawsToCsv(const std::vector<Draw>& draws)
{
    std::string out = "Datum;Zahl1;Zahl2;Zahl3;Zahl4;Zahl5;Zahl6;Traumzahl\n";
    for (const Draw& d : draws) {
        out += formatDate(toDay(d.datum));
        for (int i = 0; i < 6; ++i)
            out += ";" + std::to_string(d.zahlen[i]);
        out += ";" + std::to_string(d.zahlen[7]) + "\n";
    }
    return out;
}

} // namespace zf
