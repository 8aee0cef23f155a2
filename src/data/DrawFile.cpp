#include "data/DrawFile.h"

#include "ground/AtomicFile.h"
#include "ground/Error.h"
#include "ground/Formats.h"
#include "ground/Paths.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace zf {

namespace {

std::atomic<uint64_t> g_generation{0};

void bump()
{
    ++g_generation;
}

[[noreturn]] void ioFail(Text action, const std::string& path)
{
    throw IoError(Text::IoFailure, {text(action), path});
}

std::string encodeAll(const std::vector<Draw>& draws)
{
    std::string bytes(draws.size() * kRecordSize, '\0');
    for (size_t i = 0; i < draws.size(); ++i)
        encodeDraw(draws[i], reinterpret_cast<unsigned char*>(bytes.data()) + i * kRecordSize);
    return bytes;
}

} // namespace

void encodeDraw(const Draw& d, unsigned char* out)
{
    uint64_t bits;
    std::memcpy(&bits, &d.datum, sizeof bits); // IEEE-754 bit pattern, not a struct copy
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<unsigned char>(bits >> (8 * i));
    for (int i = 0; i < 8; ++i)
        out[8 + i] = d.zahlen[i];
    out[16] = d.replay;
    for (int i = 0; i < 6; ++i)
        out[17 + i] = d.losziffern[i];
    out[23] = d.reserved;
}

Draw decodeDraw(const unsigned char* in)
{
    Draw d;
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<uint64_t>(in[i]) << (8 * i);
    std::memcpy(&d.datum, &bits, sizeof bits);
    for (int i = 0; i < 8; ++i)
        d.zahlen[i] = in[8 + i];
    d.replay = in[16];
    for (int i = 0; i < 6; ++i)
        d.losziffern[i] = in[17 + i];
    d.reserved = in[23];
    return d;
}

void checkDrawValues(const Draw& d)
{
    for (int i = 0; i < 6; ++i)
        if (d.zahlen[i] < 1 || d.zahlen[i] > 40)
            throw Error(Text::DrawNumberOutOfRange, {formatDate(toDay(d.datum)), std::to_string(d.zahlen[i])});
    if (d.zahlen[7] < 1 || d.zahlen[7] > 5)
        throw Error(Text::DreamNumberOutOfRange, {formatDate(toDay(d.datum)), std::to_string(d.zahlen[7])});
}

std::optional<std::string> drawValuesProblem(const std::array<int, 6>& numbers, int dream)
{
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] < 1 || numbers[i] > 40)
            return text(Text::NumberNotInRange, {std::to_string(numbers[i])});
        for (size_t j = 0; j < i; ++j)
            if (numbers[j] == numbers[i])
                return text(Text::NumberTwice, {std::to_string(numbers[i])});
    }
    if (dream < 1 || dream > 5)
        return text(Text::DreamNotInRange, {std::to_string(dream)});
    return std::nullopt;
}

std::optional<std::string> drawValuesProblem(const Draw& d)
{
    std::array<int, 6> numbers{};
    for (size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = d.zahlen[i];
    return drawValuesProblem(numbers, d.zahlen[7]);
}

bool DrawFile::exists() const
{
    std::error_code ec;
    return fs::is_regular_file(toPath(m_path), ec);
}

bool DrawFile::absent() const
{
    std::error_code ec;
    return fs::status(toPath(m_path), ec).type() == fs::file_type::not_found;
}

void DrawFile::createEmpty() const
{
    std::error_code ec;
    // never through a link that points nowhere: that would create its target
    if (!absent() || fs::is_symlink(fs::symlink_status(toPath(m_path), ec)))
        return;
    writeFileAtomically(m_path, {});
    bump();
}

void DrawFile::scanBlocks(const std::function<bool(const Draw*, size_t)>& visit) const
{
    if (absent())
        return; // no draws stored yet
    std::error_code ec;
    const auto status = fs::status(toPath(m_path), ec);
    if (ec)
        ioFail(Text::IoOpen, m_path);
    if (!fs::is_regular_file(status))
        throw IoError(Text::NotARegularFile, {m_path});
    const auto size = fs::file_size(toPath(m_path), ec);
    if (ec)
        ioFail(Text::IoSize, m_path);
    if (size > kMaxDrawFileBytes)
        throw IoError(Text::FileTooLarge, {m_path, std::to_string(kMaxDrawFileBytes)});
    std::ifstream f(toPath(m_path), std::ios::binary);
    if (!f)
        ioFail(Text::IoOpen, m_path);
    std::vector<unsigned char> raw(kBlockRecords * kRecordSize);
    std::vector<Draw> block(kBlockRecords);
    // the cap holds even when the file grows while it is read
    for (size_t total = 0; total < kMaxDrawFileBytes;) {
        f.read(reinterpret_cast<char*>(raw.data()), static_cast<std::streamsize>(raw.size()));
        const auto got = static_cast<size_t>(f.gcount());
        if (f.bad())
            ioFail(Text::IoRead, m_path);
        total += got;
        const size_t n = got / kRecordSize;
        for (size_t i = 0; i < n; ++i)
            block[i] = decodeDraw(raw.data() + i * kRecordSize);
        if (n > 0 && !visit(block.data(), n))
            return;
        if (got < raw.size())
            return;
    }
}

void DrawFile::scan(const std::function<bool(const Draw&)>& visit) const
{
    scanBlocks([&](const Draw* block, size_t n) {
        for (size_t i = 0; i < n; ++i)
            if (!visit(block[i]))
                return false;
        return true;
    });
}

std::vector<Draw> DrawFile::readAll() const
{
    std::vector<Draw> all;
    scan([&](const Draw& d) {
        all.push_back(d);
        return true;
    });
    return all;
}

void DrawFile::append(const Draw& draw) const
{
    checkDrawValues(draw);
    std::vector<Draw> all = readAll();
    all.push_back(draw);
    writeFileAtomically(m_path, encodeAll(all));
    bump();
}

void DrawFile::rewrite(const std::vector<Draw>& draws, const std::string& tempName) const
{
    for (const Draw& d : draws)
        checkDrawValues(d);
    writeFileAtomically(m_path, encodeAll(draws), tempName);
    bump();
}

uint64_t DrawFile::generation()
{
    return g_generation.load();
}

std::optional<std::string> drawDamage(const Draw& d)
{
    static const double lowest = dayFromCivil(1900, 1, 1);
    static const double highest = dayFromCivil(2200, 12, 31);
    if (!(d.datum >= lowest && d.datum <= highest) || d.datum != std::floor(d.datum)) {
        char shown[32];
        std::snprintf(shown, sizeof shown, "%g", d.datum);
        return text(Text::DamageDate, {shown});
    }
    for (size_t i = 0; i < 6; ++i) {
        const int n = d.zahlen[i];
        if (n < 1 || n > 40)
            return text(Text::DamageNumber, {std::to_string(n)});
        for (size_t j = 0; j < i; ++j)
            if (d.zahlen[j] == n)
                return text(Text::DamageTwice, {std::to_string(n)});
    }
    if (d.zahlen[7] < 1 || d.zahlen[7] > 5)
        return text(Text::DamageDream, {std::to_string(d.zahlen[7])});
    return std::nullopt;
}

std::vector<Draw> usableDraws(std::vector<Draw> draws)
{
    std::erase_if(draws, [](const Draw& d) { return drawDamage(d).has_value(); });
    return draws;
}

std::vector<Draw> parseOldDrawFile(const std::string& bytes, std::vector<std::string>& skipped)
{
    std::vector<Draw> draws;
    unsigned char raw[kRecordSize] = {};
    for (size_t at = 0; at + kOldRecordSize <= bytes.size(); at += kOldRecordSize) {
        std::memcpy(raw, bytes.data() + at, kOldRecordSize);
        const Draw d = decodeDraw(raw);
        if (const auto damage = drawDamage(d))
            skipped.push_back(text(Text::MigrationSkippedRecord, {formatDate(toDay(d.datum)), *damage}));
        else
            draws.push_back(d);
    }
    return draws;
}

std::optional<std::string> migrateOldDrawFile(const std::string& home, const std::string& drawFileName)
{
    const DrawFile target(home + drawFileName);
    if (!target.absent())
        return std::nullopt;
    const std::string oldPath = home + "Zahlen.dat";
    std::error_code ec;
    if (!fs::is_regular_file(toPath(oldPath), ec))
        return std::nullopt;
    std::vector<std::string> skipped;
    const std::vector<Draw> draws = parseOldDrawFile(readFileBytes(oldPath, kMaxDrawRecords * kOldRecordSize), skipped);
    // through the temporary file, so a failure leaves no half draw file behind
    target.rewrite(draws, drawFileName + "~");
    if (skipped.empty())
        return std::nullopt;
    std::string list;
    for (const std::string& s : skipped)
        list += (list.empty() ? "" : ", ") + s;
    return text(Text::MigrationSkipped, {oldPath, std::to_string(draws.size()), list});
}

bool WeekdayFilter::passes(double datum) const
{
    if (thursday && isThursday(datum))
        return true;
    if (monday && isMonday(datum))
        return true;
    return thursday && monday;
}

} // namespace zf
