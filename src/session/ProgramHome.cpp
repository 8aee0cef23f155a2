#include "session/ProgramHome.h"

#include "ground/AtomicFile.h"
#include "ground/Error.h"
#include "ground/Paths.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace zf {

namespace {

// Shipped files are pictures, sounds, texts and templates of a few MB at most.
constexpr size_t kMaxShippedBytes = 64u << 20;

std::string fingerprint(const std::string& bytes)
{
    uint64_t h = 14695981039346656037ull; // FNV-1a: enough to tell versions apart
    for (unsigned char c : bytes)
        h = (h ^ c) * 1099511628211ull;
    std::ostringstream out;
    out << std::hex << h << '-' << std::dec << bytes.size();
    return out.str();
}

std::map<std::string, std::string> readShippedList(const fs::path& file)
{
    std::map<std::string, std::string> list;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        if (tab != std::string::npos)
            list[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return list;
}

} // namespace

bool isPortableHome(const std::string& exeDir)
{
    std::error_code ec;
    const fs::path dir = toPath(exeDir);
    if (!fs::is_directory(dir / "land", ec))
        return false;
    const fs::path probe = dir / ".ziffrano-write-probe";
    bool writable = static_cast<bool>(std::ofstream(probe));
    fs::remove(probe, ec);
    return writable;
}

SeedResult seedUserHome(const std::string& shareDir, const std::string& userDir)
{
    SeedResult result;
    std::error_code ec;
    const fs::path share = toPath(shareDir), user = toPath(userDir);
    fs::create_directories(user, ec);
    if (ec) {
        result.errors.push_back(userDir + ": " + ec.message());
        return result;
    }
    const fs::path listFile = user / kShippedList;
    std::map<std::string, std::string> shipped = readShippedList(listFile);
    const size_t before = shipped.size();
    bool changed = false;

    for (auto it = fs::recursive_directory_iterator(share, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_regular_file(ec))
            continue;
        const std::string rel = fromPath(fs::relative(it->path(), share, ec).generic_u8string());
        const fs::path target = user / toPath(rel);
        try {
            const std::string bytes = readFileBytes(fromPath(it->path()), kMaxShippedBytes);
            const std::string now = fingerprint(bytes);
            std::string mine;
            const bool present = fs::exists(target, ec);
            if (present)
                mine = fingerprint(readFileBytes(fromPath(target), kMaxShippedBytes));
            if (present && mine == now) {
                // already as shipped
            } else if (present && (!shipped.count(rel) || shipped[rel] != mine)) {
                ++result.kept; // the user's own version
                continue;
            } else {
                fs::create_directories(target.parent_path(), ec);
                writeFileAtomically(fromPath(target), bytes);
                ++(present ? result.updated : result.added);
            }
            if (shipped[rel] != now) {
                shipped[rel] = now;
                changed = true;
            }
        } catch (const Error& e) {
            result.errors.push_back(e.what());
        }
    }
    if (ec)
        result.errors.push_back(shareDir + ": " + ec.message());
    if (changed || shipped.size() != before) {
        std::string text;
        for (const auto& [rel, fp] : shipped)
            text += rel + '\t' + fp + '\n';
        try {
            writeFileAtomically(fromPath(listFile), text);
        } catch (const Error& e) {
            result.errors.push_back(e.what());
        }
    }
    return result;
}

} // namespace zf
