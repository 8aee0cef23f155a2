#pragma once

#include "ground/Ports.h"

namespace zf {

// Web addresses go to the default browser, anything else is taken as a file.
class QtShell : public Shell {
public:
    bool open(const std::string& target) override;
};

} // namespace zf
