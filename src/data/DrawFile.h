#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zf {

// One draw as stored: 24 bytes, little-endian, fields back to back.
struct Draw {
    double datum = 0;                // day count since 30.12.1899
    std::array<uint8_t, 8> zahlen{}; // [0..5] numbers, [6] spare slot, [7] dream number
    uint8_t replay = 0;
    std::array<uint8_t, 6> losziffern{};
    uint8_t reserved = 0;

    bool operator==(const Draw&) const = default;
};

constexpr size_t kRecordSize = 24;
constexpr size_t kOldRecordSize = 16;
constexpr size_t kBlockRecords = 1000;
// Far more than a history of daily draws from 1900 to 2200 needs; a larger
// file is refused rather than read into memory.
constexpr size_t kMaxDrawRecords = 1'000'000;
constexpr size_t kMaxDrawFileBytes = kMaxDrawRecords * kRecordSize;

void encodeDraw(const Draw& draw, unsigned char* out);
Draw decodeDraw(const unsigned char* in);
// Throws zf::Error when a number is outside 1..40 or the dream number outside 1..5.
void checkDrawValues(const Draw& draw);
// What keeps six numbers and a dream number out of the file: a number outside
// 1..40, a number given twice or a dream number outside 1..5. Takes whole
// integers, so a value is judged before it is cut to a byte.
std::optional<std::string> drawValuesProblem(const std::array<int, 6>& numbers, int dream);
std::optional<std::string> drawValuesProblem(const Draw& draw);
// What makes a stored record unusable: a number outside 1..40 or given twice,
// a dream number outside 1..5, a date that is not a whole day from 1900 to
// 2200. Readers show such a record as damaged and leave it out of every count.
std::optional<std::string> drawDamage(const Draw& draw);
// The draws without the damaged ones, as charts and calculations count them.
std::vector<Draw> usableDraws(std::vector<Draw> draws);

// The draw file: a plain sequence of records in ascending date order. Every
// operation opens and closes the file itself; a trailing piece shorter than
// one record is ignored by readers and never written after.
class DrawFile {
public:
    explicit DrawFile(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }
    bool exists() const;
    // Nothing at the path, or a link that points nowhere.
    bool absent() const;
    // Creates an empty draw file where none is; never through a link.
    void createEmpty() const;

    // Full scan, reading only; an absent file holds no draws. Throws IoError
    // for what is no regular file or larger than kMaxDrawFileBytes.
    void scan(const std::function<bool(const Draw&)>& visit) const;
    std::vector<Draw> readAll() const;
    // Up to kBlockRecords records per call; visit returns false to stop.
    void scanBlocks(const std::function<bool(const Draw* block, size_t count)>& visit) const;

    // Appends after the last whole record; like rewrite, through a temporary file.
    void append(const Draw& draw) const;
    // Writes the records through tempName (same folder) with writeFileAtomically.
    // On failure the draw file stays as it was.
    void rewrite(const std::vector<Draw>& draws, const std::string& tempName = {}) const;

    // Counts every write by this program, so in-memory copies know when to reload.
    static uint64_t generation();

private:
    std::string m_path;
};

// The usable records of the old 16-byte format; damaged ones are named in `skipped`.
std::vector<Draw> parseOldDrawFile(const std::string& bytes, std::vector<std::string>& skipped);
// Creates the draw file from the old 16-byte "Zahlen.dat" when the draw file is
// missing, copying the usable records. Returns the report of the skipped ones.
std::optional<std::string> migrateOldDrawFile(const std::string& home, const std::string& drawFileName);

// The date window: open excludes the start date, closed includes it.
struct DateWindow {
    double start;
    double end;
    bool closed;

    bool contains(double datum) const { return (closed ? start <= datum : start < datum) && datum <= end; }
    bool operator==(const DateWindow&) const = default;
};

// The weekday filter of the analyses (CheckBox16 Thursday, CheckBox17 Monday).
struct WeekdayFilter {
    bool thursday = true;
    bool monday = true;

    bool passes(double datum) const;
    bool operator==(const WeekdayFilter&) const = default;
};

} // namespace zf
