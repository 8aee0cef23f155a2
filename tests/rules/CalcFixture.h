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

    void set(Opt key, int value) { app.options().setInt(index(key), value); }
    // By the window's control name, for tables of option settings. A coupled
    // option may not take the value silently: the table would test something else.
    void set(const std::string& name, int value)
    {
        const int i = Options::find(name);
        ASSERT_GE(i, 0) << name;
        app.options().setInt(i, value);
        ASSERT_EQ(app.options().integer(i), value) << name << " is limited by its partner";
    }
    // "CheckBox8=1 UpDown3=2"
    void setAll(const std::string& settings)
    {
        std::istringstream in(settings);
        std::string kv;
        while (in >> kv)
            set(kv.substr(0, kv.find('=')), std::stoi(kv.substr(kv.find('=') + 1)));
    }

    // "1,2,3,4,5,6" -> a candidate
    static Candidate tip(const std::string& text)
    {
        Candidate t{};
        std::istringstream in(text);
        std::string part;
        for (int i = 0; i < 6 && std::getline(in, part, ','); ++i)
            t[i] = static_cast<uint8_t>(std::stoi(part));
        return t;
    }
    static int sum(const Candidate& t)
    {
        int s = 0;
        for (uint8_t v : t)
            s += v;
        return s;
    }
};

} // namespace zf::test
