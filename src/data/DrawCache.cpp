#include "data/DrawCache.h"

#include "ground/Error.h"
#include "ground/Paths.h"

#include <bit>
#include <filesystem>

namespace fs = std::filesystem;

namespace zf {

namespace {

bool fileStamp(const std::string& path, uintmax_t& size, int64_t& mtime)
{
    std::error_code ec;
    const fs::path p = toPath(path);
    size = fs::file_size(p, ec);
    if (ec)
        return false;
    mtime = fs::last_write_time(p, ec).time_since_epoch().count();
    return !ec;
}

} // namespace

void DrawCache::setPath(const std::string& path)
{
    if (path != m_path) {
        m_path = path;
        m_loaded = false;
    }
}

bool DrawCache::fileChanged() const
{
    uintmax_t size = 0;
    int64_t mtime = 0;
    return !fileStamp(m_path, size, mtime) || size != m_size || mtime != m_mtime;
}

const std::vector<CachedDraw>& DrawCache::draws(bool checkFile)
{
    if (m_loaded && m_generation == DrawFile::generation() && !(checkFile && fileChanged()))
        return m_draws;
    m_loaded = false;
    const uint64_t generation = DrawFile::generation();
    uintmax_t size = 0;
    int64_t mtime = 0;
    // stamp before reading: a change while reading shows up at the next check
    const bool stamped = fileStamp(m_path, size, mtime);
    std::vector<CachedDraw> draws;
    DrawFile(m_path).scan([&](const Draw& d) {
        CachedDraw c{d, numberMask(d.zahlen.data(), 6), false};
        c.distinct = std::popcount(c.mask) == 6;
        draws.push_back(c);
        return true;
    });
    if (!stamped)
        throw IoError("E/A-Fehler: Lesen von \"" + m_path + "\" fehlgeschlagen.");
    m_draws = std::move(draws);
    m_generation = generation;
    m_size = size;
    m_mtime = mtime;
    m_loaded = true;
    ++m_version;
    return m_draws;
}

} // namespace zf
