#pragma once

#include "ground/Texts.h"

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace zf {

// An error that ends the running command. It carries the id of its text and
// the arguments, so an edge that shows it in another language can format it
// anew; what() is the German text.
class Error : public std::runtime_error {
public:
    Error(Text id, std::initializer_list<std::string> args) : std::runtime_error(text(id, args)), m_id(id), m_args(args)
    {
    }

    Text id() const { return m_id; }
    const std::vector<std::string>& args() const { return m_args; }

private:
    Text m_id;
    std::vector<std::string> m_args;
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
