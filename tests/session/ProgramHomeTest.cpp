#include "session/ProgramHome.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace fs = std::filesystem;
using zf::test::TempDir;

namespace {

struct Homes {
    TempDir share, user;
    zf::SeedResult seed() const { return zf::seedUserHome(share.home(), user.home() + "Ziffrano"); }
    std::string mine(const std::string& rel) const { return user.read("Ziffrano/" + rel); }
};

} // namespace

TEST(ProgramHome, PortableOnlyWithTheDataBeside)
{
    TempDir dir;
    EXPECT_FALSE(zf::isPortableHome(dir.home())) << "an installed bin/ folder holds no land/";
    fs::create_directory(dir.file("land"));
    EXPECT_TRUE(zf::isPortableHome(dir.home()));
    EXPECT_FALSE(fs::exists(dir.file(".ziffrano-write-probe")));
    if (geteuid() != 0) { // root may write anywhere
        fs::permissions(dir.home(), fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_FALSE(zf::isPortableHome(dir.home())) << "a read-only program folder";
        fs::permissions(dir.home(), fs::perms::owner_write, fs::perm_options::add);
    }
}

TEST(ProgramHome, SeedsAddsFollowsThePackageAndKeepsTheUsersChanges)
{
    Homes h;
    fs::create_directories(h.share.file("land"));
    h.share.write("land/meldungen.txt.de", "v1");
    h.share.write("yippee.wav", "wave");

    zf::SeedResult r = h.seed();
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(h.mine("land/meldungen.txt.de"), "v1");
    EXPECT_TRUE(r.errors.empty());

    r = h.seed();
    EXPECT_EQ(r.added + r.updated + r.kept, 0) << "a second start changes nothing";

    // a newer package: the untouched file follows, the changed one stays the user's
    h.share.write("land/meldungen.txt.de", "v2");
    h.share.write("yippee.wav", "louder wave");
    h.share.write("land/neu.txt", "new");
    h.user.write("Ziffrano/yippee.wav", "my own sound");
    r = h.seed();
    EXPECT_EQ(r.updated, 1);
    EXPECT_EQ(r.kept, 1);
    EXPECT_EQ(r.added, 1);
    EXPECT_EQ(h.mine("land/meldungen.txt.de"), "v2");
    EXPECT_EQ(h.mine("yippee.wav"), "my own sound");
    EXPECT_EQ(h.mine("land/neu.txt"), "new");

    // still the user's after yet another start, and the draws are never touched
    h.user.write("Ziffrano/ZahlenSN.dat", "draws");
    r = h.seed();
    EXPECT_EQ(r.kept, 1);
    EXPECT_EQ(h.mine("yippee.wav"), "my own sound");
    EXPECT_EQ(h.mine("ZahlenSN.dat"), "draws");
}

TEST(ProgramHome, ReportsWhatItCannotDo)
{
    Homes h;
    h.share.write("a.txt", "a");
    h.user.write("blocked", "a file where the folder should be");
    const zf::SeedResult r = zf::seedUserHome(h.share.home(), h.user.file("blocked") + "/Ziffrano");
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_NE(r.errors[0].find("blocked"), std::string::npos);
    EXPECT_TRUE(zf::seedUserHome(h.user.file("no-share"), h.user.home() + "Z").errors.size() == 1)
        << "a missing share folder is named";
}
