#pragma once

#include "data/DrawFile.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zf {

// The update server's side of the protocol, free of any network code.

// The stored draws by date, each date with the answer body its request gets.
class DrawAnswers {
public:
    DrawAnswers() = default;
    explicit DrawAnswers(const std::vector<Draw>& draws);

    // nullptr when no draw of that day is stored
    const std::string* body(int day) const;
    size_t dates() const { return m_bodies.size(); }

private:
    std::unordered_map<int, std::string> m_bodies;
};

struct ServiceAnswer {
    int status = 200;
    std::string body;
};

// Answers a request target (path and query as they arrived):
// "/zahlen/lotto_neu.asp?Programm=Somnara&Datum=yyyymmdd" gets the stored
// draws of that date (200) or, for a date not stored, 500; another path 404;
// a malformed query 400.
ServiceAnswer answerDrawRequest(std::string_view target, const DrawAnswers& draws);

} // namespace zf
