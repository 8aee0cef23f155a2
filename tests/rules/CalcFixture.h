#pragma once

#include "fakes/SheetText.h"
#include "rules/CandidateTest.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zf::test {

// A started program on a temporary folder with the German messages.
struct CalcFixture : ::testing::Test, AppFixture {
    CalcFixture()
    {
        app.prepareStart(dir.home());
        app.messages().load(ZF_SOURCE_DIR "/data/land/meldungen.txt.de");
    }

    void set(const char* name, int value) { app.options().setInt(name, value); }

    // "1,2,3,4,5,6" -> a tip
    static Tip tip(const std::string& text)
    {
        Tip t{};
        std::istringstream in(text);
        std::string part;
        for (int i = 0; i < 6 && std::getline(in, part, ','); ++i)
            t[i] = static_cast<uint8_t>(std::stoi(part));
        return t;
    }
    static int sum(const Tip& t)
    {
        int s = 0;
        for (uint8_t v : t)
            s += v;
        return s;
    }
};

} // namespace zf::test
