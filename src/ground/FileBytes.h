#pragma once

#include <cstddef>
#include <string>

namespace zf {

// Reads a whole file; throws IoError when it cannot be read or is larger than
// maxBytes, so a wrong choice of file cannot fill the memory.
std::string readFileBytes(const std::string& path, size_t maxBytes);

// Writes the bytes into a temporary file beside `path` and renames it over
// `path` in one step: a failure leaves the old file as it was. Throws IoError.
void writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace zf
