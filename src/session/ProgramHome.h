#pragma once

#include <string>
#include <vector>

namespace zf {

// A folder beside the executable that holds the shipped data and may be
// written to is a portable install (the build folder, a Windows folder
// install): it stays the program directory.
bool isPortableHome(const std::string& exeDir);

struct SeedResult {
    int added = 0;   // shipped files the user folder did not have
    int updated = 0; // shipped files replaced by a newer version the user never changed
    int kept = 0;    // files the user changed, left as they are
    std::vector<std::string> errors;
};

// Brings the per-user folder up to the shipped data in shareDir: new files are
// added, files still as shipped follow a newer package, files the user changed
// are never overwritten. What was shipped is remembered in kShippedList.
SeedResult seedUserHome(const std::string& shareDir, const std::string& userDir);

inline constexpr const char* kShippedList = ".shipped";

} // namespace zf
