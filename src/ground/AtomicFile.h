#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>

namespace zf {

// The steps a durable write is made of. The program uses the operating
// system's; tests put in one that fails at a chosen step. Each returns false
// (create: -1) on failure.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates or truncates the file for writing, with the mode of `like` when that exists.
    virtual int create(const std::string& path, const std::string& like);
    virtual bool write(int fd, const char* data, size_t size);
    virtual bool sync(int fd);
    virtual bool close(int fd);
    virtual bool rename(const std::string& from, const std::string& to);
    virtual bool syncFolder(const std::string& folder);
};

// The file system the writes go through; null restores the real one.
void setFileSystem(FileSystem* fs);

// Reads a whole regular file; throws IoError naming the file when it cannot be
// opened or read, is no regular file (a pipe or device would never end), or
// is larger than maxBytes.
std::string readFileBytes(const std::string& path, size_t maxBytes);

// The temporary file a write of `path` goes through: `tempName` in the same
// folder, by default the file's name with ".tmp~" appended.
std::string temporaryPathFor(const std::string& path, const std::string& tempName = {});

// Writes the bytes into the temporary file, flushes it to the disk, renames it
// over `path` in one step and flushes the folder, so neither a failed write
// nor a power cut leaves anything but the old or the new content. A file the
// user may not write is refused, not replaced. Throws IoError naming the file.
void writeFileAtomically(const std::string& path, const std::string& bytes, const std::string& tempName = {});

// Removes the temporaries that an interrupted write left in `folder`.
void removeStaleTemporaries(const std::string& folder, std::initializer_list<std::string> tempNames);

} // namespace zf
