#include "fakes/TempDir.h"
#include "ground/AtomicFile.h"
#include "ground/Cp1252.h"
#include "ground/Error.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zf;
using namespace zf::test;

TEST(AtomicFile, ReplacesTheFileAndLeavesNoTemporaryBehind)
{
    TempDir dir;
    writeFileAtomically(dir.file("a.txt"), "first");
    writeFileAtomically(dir.file("a.txt"), "second\r\n");
    EXPECT_EQ(dir.read("a.txt"), "second\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.home()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(AtomicFile, AFailedWriteKeepsTheOldFile)
{
    TempDir dir;
    dir.write("kept.txt", "old");
    std::filesystem::create_directory(dir.file("kept.txt.tmp~")); // the temporary cannot be created
    EXPECT_THROW(writeFileAtomically(dir.file("kept.txt"), "new"), IoError);
    EXPECT_EQ(dir.read("kept.txt"), "old");
    EXPECT_THROW(writeFileAtomically(dir.file("no/such/folder/x.txt"), "new"), IoError);
}

TEST(AtomicFile, ReadingNamesTheFileAndRefusesWhatIsTooLarge)
{
    TempDir dir;
    dir.write("small", "12345");
    EXPECT_EQ(readFileBytes(dir.file("small"), 5), "12345");
    try {
        readFileBytes(dir.file("small"), 4);
        FAIL() << "a file above the limit was read";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("small"), std::string::npos) << e.what();
    }
    for (const std::string& bad : {dir.file("missing"), dir.home(), std::string()})
        EXPECT_THROW(readFileBytes(bad, 100), IoError) << bad;
}

TEST(Cp1252, ConvertsBothWaysAndMarksWhatTheCodePageLacks)
{
    const std::pair<const char*, const char*> cases[] = {
        {"3,7,12,25,31,40,2", "3,7,12,25,31,40,2"},
        {"f\xC3\xBCr \xE2\x82\xAC", "f\xFCr \x80"}, // für €
        {"\xD0\x96", "?"},                          // Cyrillic Zhe
        {"\xF0\x9F\x8E\xB2", "?"},                  // an emoji
    };
    for (const auto& [utf8, cp] : cases)
        EXPECT_EQ(utf8ToCp1252(utf8), cp) << utf8;
    EXPECT_EQ(cp1252ToUtf8("f\xFCr \x80"), "f\xC3\xBCr \xE2\x82\xAC");
    // bytes that are no UTF-8 are taken as the code page already
    EXPECT_EQ(utf8ToCp1252("\xFC\xFF"), "\xFC\xFF");
    EXPECT_TRUE(isValidUtf8("f\xC3\xBCr"));
    for (const char* bad : {"\xFC", "\xC3", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
}
