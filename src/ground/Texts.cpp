#include "ground/Texts.h"

#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

namespace zf {

namespace {

struct Entry {
    const char* name;
    const char* german;
};

const Entry kTexts[] = {
#define ZF_TEXT_ENTRY(name, german) {#name, german},
    ZF_TEXTS(ZF_TEXT_ENTRY)
#undef ZF_TEXT_ENTRY
};

std::mutex translationMutex;
std::shared_ptr<const std::vector<std::string>> translation;

} // namespace

const char* textName(Text id)
{
    return kTexts[static_cast<int>(id)].name;
}

const char* germanText(Text id)
{
    return kTexts[static_cast<int>(id)].german;
}

void useTexts(std::vector<std::string> byId)
{
    auto table = byId.empty() ? nullptr : std::make_shared<const std::vector<std::string>>(std::move(byId));
    const std::lock_guard lock(translationMutex);
    translation = std::move(table);
}

std::string text(Text id, std::initializer_list<std::string> args)
{
    const std::vector<std::string> a(args);
    std::shared_ptr<const std::vector<std::string>> table;
    {
        const std::lock_guard lock(translationMutex);
        table = translation;
    }
    const auto i = static_cast<size_t>(id);
    std::string_view rest =
        table && i < table->size() && !(*table)[i].empty() ? std::string_view((*table)[i]) : kTexts[i].german;
    std::string out;
    // "{1}".."{9}" take the arguments
    for (size_t at = rest.find('{'); at != std::string_view::npos; at = rest.find('{')) {
        out.append(rest.substr(0, at));
        const bool argument = at + 2 < rest.size() && rest[at + 1] >= '1' && rest[at + 1] <= '9' && rest[at + 2] == '}';
        if (!argument) {
            out.push_back('{');
            rest.remove_prefix(at + 1);
            continue;
        }
        if (const auto i = static_cast<size_t>(rest[at + 1] - '1'); i < a.size())
            out.append(a[i]);
        rest.remove_prefix(at + 3);
    }
    out.append(rest);
    return out;
}

} // namespace zf
