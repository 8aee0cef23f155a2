// A stand-in for the automation program, for tests: records the arguments it
// receives, one a line, in a file beside itself named after it plus ".args".
// The record appears whole (through a rename), so a test can wait for it.
#include "ground/AtomicFile.h"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 1)
        return 1;
    std::string lines;
    for (int i = 1; i < argc; ++i)
        lines += std::string(argv[i]) + '\n';
    try {
        zf::writeFileAtomically(std::string(argv[0]) + ".args", lines);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
