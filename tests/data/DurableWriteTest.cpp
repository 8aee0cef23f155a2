#include "data/DrawFile.h"
#include "fakes/DrawText.h"
#include "fakes/TempDir.h"
#include "ground/AtomicFile.h"
#include "ground/Error.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace zf;
using namespace zf::test;

namespace {

enum class Step { Create, Write, Sync, Close, Rename, SyncFolder, None };

// The real file system, failing at one chosen step; a failed write has put
// half of its bytes down, as a full disk does.
class FailingFileSystem : public FileSystem {
public:
    explicit FailingFileSystem(Step failing) : m_failing(failing) { setFileSystem(this); }
    ~FailingFileSystem() override { setFileSystem(nullptr); }

    int create(const std::string& path, const std::string& like) override
    {
        return m_failing == Step::Create ? -1 : FileSystem::create(path, like);
    }
    bool write(int fd, const char* data, size_t size) override
    {
        if (m_failing != Step::Write)
            return FileSystem::write(fd, data, size);
        FileSystem::write(fd, data, size / 2);
        return false;
    }
    bool sync(int fd) override { return m_failing != Step::Sync && FileSystem::sync(fd); }
    bool close(int fd) override { return FileSystem::close(fd) && m_failing != Step::Close; }
    bool rename(const std::string& from, const std::string& to) override
    {
        return m_failing != Step::Rename && FileSystem::rename(from, to);
    }
    bool syncFolder(const std::string& folder) override
    {
        return m_failing != Step::SyncFolder && FileSystem::syncFolder(folder);
    }

private:
    Step m_failing;
};

const std::vector<std::string> kOld = {"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 7 8 9 10 11 12 D2"};
const std::string kNew = "13.11.2023 13 14 15 16 17 18 D3";

} // namespace

TEST(DurableWrite, EveryFailingStepLeavesOldOrNewContentAndIsReported)
{
    const std::vector<Draw> old = drawsFromText(kOld);
    std::vector<Draw> grown = old;
    grown.push_back(drawFromText(kNew));
    for (const bool append : {false, true}) {
        for (int s = 0; s <= static_cast<int>(Step::None); ++s) {
            const Step step = static_cast<Step>(s);
            TempDir dir;
            const DrawFile file(dir.file("ZahlenSN.dat"));
            file.rewrite(old);
            {
                FailingFileSystem failing(step);
                auto write = [&] { append ? file.append(drawFromText(kNew)) : file.rewrite(grown, "ZahlenSN.dat~"); };
                if (step == Step::None)
                    EXPECT_NO_THROW(write());
                else
                    EXPECT_THROW(write(), IoError) << "step " << s << (append ? " append" : " rewrite");
            }
            // only a failure after the rename leaves the new content; none leaves a temporary
            const bool renamed = step == Step::SyncFolder || step == Step::None;
            EXPECT_EQ(file.readAll(), renamed ? grown : old) << "step " << s << (append ? " append" : " rewrite");
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.home()), {}), 1) << "step " << s;
        }
    }
}

TEST(DurableWrite, AKilledWriterLeavesOldOrNewContent)
{
    TempDir dir;
    const DrawFile file(dir.file("ZahlenSN.dat"));
    // two histories large enough that a kill lands inside a write
    const std::vector<Draw> a = randomDraws(20000, 1), b = randomDraws(20000, 2);
    file.rewrite(a);
    std::mt19937 random(7);
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            try {
                for (int i = 0;; ++i)
                    file.rewrite(i % 2 ? a : b);
            } catch (...) {
            }
            _exit(1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(1000 + random() % 20000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::vector<Draw> now = file.readAll();
        EXPECT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " records";
    }
    // the next start clears what the killed writes left
    removeStaleTemporaries(dir.home(), {"ZahlenSN.dat.tmp~"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.home()), {}), 1);
}

TEST(DurableWrite, ALinkedFileIsWrittenWhereTheLinkPoints)
{
    TempDir dir;
    DrawFile(dir.file("real.dat")).rewrite(drawsFromText(kOld));
    std::filesystem::create_symlink(dir.file("real.dat"), dir.file("ZahlenSN.dat"));
    DrawFile(dir.file("ZahlenSN.dat")).append(drawFromText(kNew));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("ZahlenSN.dat")));
    EXPECT_EQ(DrawFile(dir.file("real.dat")).readAll().size(), 3u);
}
