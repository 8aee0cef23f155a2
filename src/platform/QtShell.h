#pragma once

#include "ground/Ports.h"

namespace zf {

// Web addresses go to the default browser, anything else is taken as a file.
// Programs start detached, in the current folder.
class QtShell : public Shell {
public:
    bool open(const std::string& target) override;
    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
};

} // namespace zf
