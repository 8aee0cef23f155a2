#include "ground/AtomicFile.h"

#include "ground/Error.h"
#include "ground/Paths.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <system_error>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace zf {

namespace {

[[noreturn]] void fail(Text action, const std::string& path)
{
    throw IoError(Text::IoFailure, {text(action), path});
}

FileSystem g_system;
FileSystem* g_fs = &g_system;

// The rename would replace a write-protected file all the same.
bool writeProtected(const std::string& path)
{
    std::error_code ec;
    if (!fs::exists(toPath(path), ec))
        return false;
#ifdef _WIN32
    return ::_waccess(toPath(path).c_str(), 2) != 0 && errno == EACCES;
#else
    return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
#endif
}

} // namespace

int FileSystem::create(const std::string& path, const std::string& like)
{
    std::error_code ec;
    const auto perms = fs::status(toPath(like), ec).permissions();
    const int mode = ec ? 0666 : static_cast<int>(perms & fs::perms::all);
#ifdef _WIN32
    return ::_wopen(toPath(path).c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
#endif
}

bool FileSystem::write(int fd, const char* data, size_t size)
{
    while (size > 0) {
#ifdef _WIN32
        const int n = ::_write(fd, data, static_cast<unsigned>(std::min<size_t>(size, 1 << 30)));
#else
        const ssize_t n = ::write(fd, data, size);
#endif
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool FileSystem::sync(int fd)
{
#ifdef _WIN32
    return ::_commit(fd) == 0;
#else
    return ::fsync(fd) == 0;
#endif
}

bool FileSystem::close(int fd)
{
#ifdef _WIN32
    return ::_close(fd) == 0;
#else
    return ::close(fd) == 0;
#endif
}

bool FileSystem::rename(const std::string& from, const std::string& to)
{
    std::error_code ec;
    fs::rename(toPath(from), toPath(to), ec); // replaces the old file in one step
    return !ec;
}

bool FileSystem::syncFolder([[maybe_unused]] const std::string& folder)
{
#ifdef _WIN32
    return true; // the rename is flushed with the file on Windows
#else
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#endif
}

void setFileSystem(FileSystem* fs)
{
    g_fs = fs ? fs : &g_system;
}

std::string readFileBytes(const std::string& path, size_t maxBytes)
{
    if (path.empty())
        throw IoError(Text::NoFileNamed, {});
    std::error_code ec;
    const auto status = fs::status(toPath(path), ec);
    if (status.type() == fs::file_type::not_found)
        fail(Text::IoOpen, path);
    if (!fs::is_regular_file(status))
        throw IoError(Text::NotARegularFile, {path});
    std::ifstream in(toPath(path), std::ios::binary);
    if (!in)
        fail(Text::IoOpen, path);
    std::string bytes;
    char buf[4096];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        bytes.append(buf, static_cast<size_t>(in.gcount()));
        if (bytes.size() > maxBytes)
            throw IoError(Text::FileTooLarge, {path, std::to_string(maxBytes)});
    }
    if (in.bad())
        fail(Text::IoRead, path);
    return bytes;
}

std::string temporaryPathFor(const std::string& path, const std::string& tempName)
{
    const fs::path target = toPath(path);
    return tempName.empty() ? path + ".tmp~" : fromPath(target.parent_path() / toPath(tempName));
}

void writeFileAtomically(const std::string& named, const std::string& bytes, const std::string& tempName)
{
    // a link keeps pointing at the file it names
    std::error_code ec;
    const fs::path real = fs::canonical(toPath(named), ec);
    const std::string path = ec ? named : fromPath(real);
    const std::string temp = temporaryPathFor(path, tempName);
    if (writeProtected(path))
        throw IoError(Text::FileReadOnly, {path});
    const int fd = g_fs->create(temp, path);
    if (fd < 0)
        fail(Text::IoCreate, temp);
    auto dropTemp = [&](Text action, const std::string& named) {
        std::error_code ignored;
        fs::remove(toPath(temp), ignored);
        fail(action, named);
    };
    const bool written = g_fs->write(fd, bytes.data(), bytes.size());
    const bool synced = written && g_fs->sync(fd);
    if (!g_fs->close(fd) || !written)
        dropTemp(Text::IoWriteInto, temp);
    if (!synced)
        dropTemp(Text::IoSync, temp);
    if (!g_fs->rename(temp, path))
        dropTemp(Text::IoReplace, path);
    if (!g_fs->syncFolder(fromPath(toPath(path).parent_path())))
        fail(Text::IoSync, path);
}

void removeStaleTemporaries(const std::string& folder, std::initializer_list<std::string> tempNames)
{
    std::error_code ec;
    for (const std::string& name : tempNames)
        fs::remove(toPath(folder) / toPath(name), ec);
}

} // namespace zf
