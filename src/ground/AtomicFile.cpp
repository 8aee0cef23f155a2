#include "ground/AtomicFile.h"

#include "ground/Error.h"
#include "ground/Paths.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace zf {

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& path)
{
    throw IoError("E/A-Fehler: " + what + " \"" + path + "\" fehlgeschlagen.");
}

} // namespace

std::string readFileBytes(const std::string& path, size_t maxBytes)
{
    if (path.empty())
        throw IoError("E/A-Fehler: Es wurde keine Datei angegeben.");
    std::error_code ec;
    if (fs::is_directory(toPath(path), ec))
        fail("Öffnen von", path);
    std::ifstream in(toPath(path), std::ios::binary);
    if (!in)
        fail("Öffnen von", path);
    std::string bytes;
    char buf[4096];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        bytes.append(buf, static_cast<size_t>(in.gcount()));
        if (bytes.size() > maxBytes)
            throw IoError("Die Datei \"" + path + "\" ist mit mehr als " + std::to_string(maxBytes) +
                          " Bytes zu groß für diesen Zweck.");
    }
    if (in.bad())
        fail("Lesen von", path);
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
            fail("Anlegen von", fromPath(temp));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            fail("Schreiben in", fromPath(temp));
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec); // replaces the old file in one step
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        fail("Ersetzen von", path);
    }
}

} // namespace zf
