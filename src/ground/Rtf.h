#pragma once

#include <string>
#include <vector>

namespace zf {

// A rich-text document with one paragraph per line, as word processors open
// it: Windows-1252 text in Arial 10 pt; characters the code page cannot hold
// become '?'.
std::string rtfDocument(const std::vector<std::string>& lines);

} // namespace zf
