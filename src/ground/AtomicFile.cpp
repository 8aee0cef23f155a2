#include "ground/AtomicFile.h"

#include "ground/Error.h"
#include "ground/Paths.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace zf {

namespace {

[[noreturn]] void fail(Text action, const std::string& path)
{
    throw IoError(Text::IoFailure, {text(action), path});
}

} // namespace

std::string readFileBytes(const std::string& path, size_t maxBytes)
{
    if (path.empty())
        throw IoError(Text::NoFileNamed, {});
    std::error_code ec;
    if (fs::is_directory(toPath(path), ec))
        fail(Text::IoOpen, path);
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

void writeFileAtomically(const std::string& path, const std::string& bytes)
{
    const fs::path target = toPath(path);
    fs::path temp = target;
    temp += ".tmp~";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            fail(Text::IoCreate, fromPath(temp));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            fail(Text::IoWriteInto, fromPath(temp));
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec); // replaces the old file in one step
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        fail(Text::IoReplace, path);
    }
}

} // namespace zf
