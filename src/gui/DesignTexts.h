#pragma once

#include "data/LanguageFiles.h"

#include <vector>

namespace zf {

// The control texts of the program's windows as designed (German, nothing
// loaded), in the order of the language walk: what the committed base file
// must hold. Needs a QApplication.
std::vector<TextRecord> designedControlTexts();

} // namespace zf
