#include "data/DrawFile.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "ground/Paths.h"

#include <atomic>
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

std::fstream openReadWrite(const std::string& path)
{
    std::fstream f(toPath(path), std::ios::in | std::ios::out | std::ios::binary);
    if (!f)
        ioFail(Text::IoOpen, path);
    return f;
}

uint64_t wholeRecordsBytes(const std::string& path)
{
    std::error_code ec;
    const auto size = fs::file_size(toPath(path), ec);
    if (ec)
        ioFail(Text::IoSize, path);
    return size - size % kRecordSize;
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

void DrawFile::createEmpty() const
{
    std::ofstream f(toPath(m_path), std::ios::binary | std::ios::trunc);
    if (!f)
        ioFail(Text::IoCreate, m_path);
    f.close();
    if (!f)
        ioFail(Text::IoClose, m_path);
    bump();
}

void DrawFile::scanBlocks(const std::function<bool(const Draw*, size_t)>& visit) const
{
    std::fstream f = openReadWrite(m_path);
    std::vector<unsigned char> raw(kBlockRecords * kRecordSize);
    std::vector<Draw> block(kBlockRecords);
    for (;;) {
        f.read(reinterpret_cast<char*>(raw.data()), static_cast<std::streamsize>(raw.size()));
        const auto got = static_cast<size_t>(f.gcount());
        if (f.bad())
            ioFail(Text::IoRead, m_path);
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
    if (!exists())
        createEmpty();
    const uint64_t end = wholeRecordsBytes(m_path);
    std::fstream f = openReadWrite(m_path);
    unsigned char raw[kRecordSize];
    encodeDraw(draw, raw);
    f.seekp(static_cast<std::streamoff>(end));
    f.write(reinterpret_cast<const char*>(raw), kRecordSize);
    f.close();
    if (!f)
        ioFail(Text::IoWriteInto, m_path);
    bump();
}

void DrawFile::rewrite(const std::vector<Draw>& draws, const std::string& tempName) const
{
    for (const Draw& d : draws)
        checkDrawValues(d);
    const fs::path target = toPath(m_path);
    const fs::path temp = target.parent_path() / toPath(tempName);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            ioFail(Text::IoCreate, fromPath(temp));
        unsigned char raw[kRecordSize];
        for (const Draw& d : draws) {
            encodeDraw(d, raw);
            out.write(reinterpret_cast<const char*>(raw), kRecordSize);
        }
        out.flush();
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            ioFail(Text::IoWriteInto, fromPath(temp));
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec); // replaces the old file in one step
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        ioFail(Text::IoReplace, m_path);
    }
    bump();
}

uint64_t DrawFile::generation()
{
    return g_generation.load();
}

bool migrateOldDrawFile(const std::string& home, const std::string& drawFileName)
{
    const DrawFile target(home + drawFileName);
    if (target.exists())
        return false;
    const fs::path oldPath = toPath(home + "Zahlen.dat");
    std::error_code ec;
    if (!fs::is_regular_file(oldPath, ec))
        return false;
    std::ifstream in(oldPath, std::ios::binary);
    if (!in)
        ioFail(Text::IoOpen, fromPath(oldPath));
    std::vector<Draw> draws;
    unsigned char old[kOldRecordSize];
    unsigned char raw[kRecordSize] = {};
    while (in.read(reinterpret_cast<char*>(old), kOldRecordSize)) {
        std::memcpy(raw, old, kOldRecordSize);
        draws.push_back(decodeDraw(raw));
    }
    if (in.bad())
        ioFail(Text::IoRead, fromPath(oldPath));
    // Through the temporary file, so a failure leaves no half draw file behind.
    target.rewrite(draws, drawFileName + "~");
    return true;
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
