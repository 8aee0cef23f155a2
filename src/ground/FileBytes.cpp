#include "ground/FileBytes.h"

#include "ground/Error.h"
#include "ground/Paths.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace zf {

std::string readFileBytes(const std::string& path, size_t maxBytes)
{
    std::error_code ec;
    const auto size = fs::file_size(toPath(path), ec);
    if (ec)
        throw IoError("Die Datei \"" + path + "\" kann nicht gelesen werden.");
    if (size > maxBytes)
        throw IoError("Die Datei \"" + path + "\" ist zu groß (mehr als " + std::to_string(maxBytes / 1024) + " KB).");
    std::ifstream in(toPath(path), std::ios::binary);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw IoError("Die Datei \"" + path + "\" kann nicht gelesen werden.");
    return bytes;
}

void writeFileAtomically(const std::string& path, const std::string& bytes)
{
    const fs::path target = toPath(path);
    fs::path temp = target;
    temp += "~";
    auto fail = [&](const std::string& what) {
        std::error_code ignored;
        if (fs::is_regular_file(temp, ignored))
            fs::remove(temp, ignored);
        throw IoError("E/A-Fehler: " + what + " \"" + path + "\" fehlgeschlagen.");
    };
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            fail("Anlegen von");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            fail("Schreiben in");
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec)
        fail("Ersetzen von");
}

} // namespace zf
