#pragma once

#include <QString>

namespace zf {

// The program directory (draw file, land/, pictures, templates): the
// executable's folder when it is a portable install, otherwise the user's
// data folder, created and brought up to the shipped data on every start.
QString programDirectory();

} // namespace zf
