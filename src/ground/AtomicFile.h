#pragma once

#include <string>

namespace zf {

// Reads a whole file; throws IoError naming the file when it cannot be opened
// or read, or when it is larger than maxBytes.
std::string readFileBytes(const std::string& path, size_t maxBytes);

// Writes the bytes into a temporary file beside `path`, then renames it over
// `path` in one step, so a failed write leaves the old file as it was.
// Throws IoError naming the file.
void writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace zf
