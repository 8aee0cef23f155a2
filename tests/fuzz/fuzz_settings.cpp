// Stored settings values of every kind as start-up reads them, then
// NAME=VALUE lines as `--set` takes them.
#include "ground/Ports.h"
#include "session/Session.h"
#include "session/Settings.h"

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <type_traits>

namespace {

// Hands out the input's bytes as the values the settings hold.
class FuzzStore : public zf::SettingsStore {
public:
    FuzzStore(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    zf::ReadStatus readFlag(const std::string&, bool& v) override { return take(v); }
    zf::ReadStatus readInt(const std::string&, int& v) override { return take(v); }
    zf::ReadStatus readDate(const std::string&, double& v) override { return take(v); }
    zf::ReadStatus readText(const std::string&, std::string& v) override
    {
        uint8_t n = 0;
        if (take(n) != zf::ReadStatus::Ok || n > m_size)
            return zf::ReadStatus::Missing;
        v.assign(reinterpret_cast<const char*>(m_data), n);
        skip(n);
        return zf::ReadStatus::Ok;
    }

private:
    template <typename T>
    zf::ReadStatus take(T& v)
    {
        uint8_t kind = 0;
        if (m_size < 1 + sizeof(T))
            return zf::ReadStatus::Missing;
        kind = m_data[0];
        skip(1);
        if (kind % 8 == 0)
            return zf::ReadStatus::WrongKind;
        if constexpr (std::is_same_v<T, bool>)
            v = m_data[0] & 1;
        else
            std::memcpy(&v, m_data, sizeof(T));
        skip(sizeof(T));
        return kind % 8 == 1 ? zf::ReadStatus::Missing : zf::ReadStatus::Ok;
    }
    void skip(size_t n)
    {
        m_data += n;
        m_size -= n;
    }

    const uint8_t* m_data;
    size_t m_size;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzStore store(data, size);
    zf::Session app(zf::Ports{&store});
    zf::loadSettings(app, store);
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(lines, line);)
        if (const auto eq = line.find('='); eq != std::string::npos)
            (void)zf::setStoredValue(app, line.substr(0, eq), line.substr(eq + 1));
    (void)zf::storedValues(app);
    return 0;
}
