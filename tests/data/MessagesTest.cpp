#include "data/Messages.h"
#include "fakes/TempDir.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

TEST(TextLines, ByteOrderMarkSelectsTheEncoding)
{
    TempDir dir;
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"utf8", "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
                 "e\r\nzwei"},
        {"utf16le", std::string("\xFF\xFEG\0r\0\xFC\0\xDF\0e\0\r\0\n\0z\0w\0e\0i\0", 24)},
        {"utf16be", std::string("\xFE\xFF\0G\0r\0\xFC\0\xDF\0e\0\n\0z\0w\0e\0i", 22)},
        {"cp1252", "Gr\xFC\xDF"
                   "e\nzwei\n"},
    };
    for (const auto& c : cases) {
        dir.write(c.name, c.bytes);
        const auto lines = readTextLines(dir.file(c.name));
        ASSERT_TRUE(lines) << c.name;
        EXPECT_EQ(*lines, (std::vector<std::string>{"Gr\xC3\xBC\xC3\x9F"
                                                    "e",
                                                    "zwei"}))
            << c.name;
    }
    EXPECT_FALSE(readTextLines(dir.file("missing")));
}

TEST(TextLines, EmptyLinesCount)
{
    TempDir dir;
    dir.write("m", "a\n\n\nd\n");
    EXPECT_EQ(*readTextLines(dir.file("m")), (std::vector<std::string>{"a", "", "", "d"}));
}

TEST(Messages, ShippedGermanCatalogueHasEveryLine)
{
    Messages m;
    ASSERT_TRUE(m.load(std::string(ZF_SOURCE_DIR) + "/data/land/meldungen.txt.de"));
    EXPECT_GE(m.count(), 54);
    for (int i : {0, 16, 23, 24, 25, 26, 30, 31, 32, 36, 50, 51})
        EXPECT_FALSE(m[i].empty()) << i;
}
