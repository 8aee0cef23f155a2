#pragma once

#include <stdexcept>
#include <string>

namespace zf {

// An error that ends the running command; the window shows its text.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number where one was expected.
class ConvertError : public Error {
public:
    using Error::Error;
};

// A failed open, read, write or close of a file.
class IoError : public Error {
public:
    using Error::Error;
};

} // namespace zf
