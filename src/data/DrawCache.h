#pragma once

#include "data/DrawFile.h"

#include <cstdint>
#include <memory>
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

using DrawSnapshot = std::shared_ptr<const std::vector<Draw>>;
class DrawIndex;

// An in-memory copy of the draw file, handed out as an unchangeable snapshot
// that jobs on other threads may keep. It is read again whenever this program
// wrote the file (DrawFile::generation) or its size or modification time
// changed, so readers see exactly what a fresh scan would give, less the
// damaged records that the calculations leave out.
class DrawCache {
public:
    explicit DrawCache(std::string path = {}) : m_path(std::move(path)) {}

    void setPath(const std::string& path);
    const std::string& path() const { return m_path; }
    // Reloads when stale; throws IoError when the file cannot be read.
    DrawSnapshot draws();
    // Every record as stored, damaged ones included, for the readers that
    // show or step through the file record by record.
    DrawSnapshot records();
    // The history tests' index of these draws, kept while they are the draws
    // the cache holds: later calculations on the same history reuse it.
    std::shared_ptr<DrawIndex> index(const DrawSnapshot& draws);

private:
    bool fileChanged() const;
    void reload();

    std::string m_path;
    DrawSnapshot m_records;
    DrawSnapshot m_draws; // m_records itself when nothing is damaged
    std::shared_ptr<DrawIndex> m_index;
    uint64_t m_generation = 0;
    uintmax_t m_size = 0;
    int64_t m_mtime = 0;
};

} // namespace zf
