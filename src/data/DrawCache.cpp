#include "data/DrawCache.h"

#include "data/DrawIndex.h"

#include "ground/Error.h"
#include "ground/Paths.h"

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
        m_records.reset();
        m_draws.reset();
        m_index.reset();
    }
}

bool DrawCache::fileChanged() const
{
    uintmax_t size = 0;
    int64_t mtime = 0;
    return !fileStamp(m_path, size, mtime) || size != m_size || mtime != m_mtime;
}

void DrawCache::reload()
{
    if (m_records && m_generation == DrawFile::generation() && !fileChanged())
        return;
    m_records.reset();
    m_draws.reset();
    m_index.reset();
    const uint64_t generation = DrawFile::generation();
    uintmax_t size = 0;
    int64_t mtime = 0;
    // stamp before reading: a change while reading shows up at the next check
    const bool stamped = fileStamp(m_path, size, mtime);
    const DrawFile file(m_path);
    auto records = std::make_shared<const std::vector<Draw>>(file.readAll());
    if (!stamped && !file.absent())
        throw IoError(Text::IoFailure, {text(Text::IoRead), m_path});
    std::vector<Draw> usable = usableDraws(*records);
    m_draws = usable.size() == records->size() ? records : std::make_shared<const std::vector<Draw>>(std::move(usable));
    m_records = std::move(records);
    m_generation = generation;
    m_size = size;
    m_mtime = mtime;
}

DrawSnapshot DrawCache::draws()
{
    reload();
    return m_draws;
}

DrawSnapshot DrawCache::records()
{
    reload();
    return m_records;
}

std::shared_ptr<DrawIndex> DrawCache::index(const DrawSnapshot& draws)
{
    if (draws != m_draws)
        return std::make_shared<DrawIndex>(draws);
    if (!m_index)
        m_index = std::make_shared<DrawIndex>(draws);
    return m_index;
}

} // namespace zf
