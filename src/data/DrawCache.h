#pragma once

#include "data/DrawFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zf {

// Bit n set for each number n in 1..40 among the given values; others ignored.
inline uint64_t numberMask(const uint8_t* numbers, int count)
{
    uint64_t m = 0;
    for (int i = 0; i < count; ++i)
        if (numbers[i] >= 1 && numbers[i] <= 40)
            m |= uint64_t{1} << numbers[i];
    return m;
}

// A draw with the mask of its six numbers, for matching without re-reading.
struct CachedDraw {
    Draw draw;
    uint64_t mask = 0;     // the six numbers
    bool distinct = false; // six different numbers in 1..40: matches = bits in common
};

// An in-memory copy of the draw file. It is read again whenever this program
// wrote the file (DrawFile::generation) or its size or modification time
// changed, so readers see exactly what a fresh scan would give.
class DrawCache {
public:
    explicit DrawCache(std::string path) : m_path(std::move(path)) {}

    void setPath(const std::string& path);
    const std::string& path() const { return m_path; }
    // Reloads when stale; throws IoError when the file cannot be read. Checks
    // the file's size and time only when checkFile is set (a system call).
    const std::vector<CachedDraw>& draws(bool checkFile = true);
    // Bumped with every reload, so derived selections know when to rebuild.
    uint64_t version() const { return m_version; }

private:
    bool fileChanged() const;

    std::string m_path;
    std::vector<CachedDraw> m_draws;
    bool m_loaded = false;
    uint64_t m_generation = 0;
    uintmax_t m_size = 0;
    int64_t m_mtime = 0;
    uint64_t m_version = 0;
};

} // namespace zf
