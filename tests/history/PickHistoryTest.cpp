// The history of picks: what a pick, a pin, a removal and a clear leave, the file text read
// back, broken lines, and two copies changing one file at once.

#include "history/PickHistory.h"
#include "history/HistoryFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace sv;

namespace {

std::string tempFolder() {
    std::string pattern = ::testing::TempDir() + "historyXXXXXX";
    const char* made = ::mkdtemp(pattern.data());
    EXPECT_NE(made, nullptr);
    return pattern;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(PickHistoryTest, APickAgainMovesToTheFrontAndKeepsItsPin) {
    History h;
    addPick(h, rgb(1, 2, 3), 100);
    addPick(h, rgb(4, 5, 6), 200);
    ASSERT_TRUE(setPinned(h, rgb(1, 2, 3), true));
    addPick(h, rgb(1, 2, 3), 300);
    ASSERT_EQ(h.size(), 2u);
    EXPECT_EQ(h[0], (HistoryEntry{rgb(1, 2, 3), 300, true}));
    EXPECT_EQ(h[1], (HistoryEntry{rgb(4, 5, 6), 200, false}));
    EXPECT_FALSE(removeEntry(h, rgb(9, 9, 9)));
    EXPECT_FALSE(setPinned(h, rgb(9, 9, 9), true));
}

TEST(PickHistoryTest, TheOldestUnpinnedGoPastTheLimitAndPinnedNever) {
    History h;
    addPick(h, 0, 0); // the oldest, pinned
    setPinned(h, 0, true);
    for (int i = 1; i <= 150; ++i) {
        addPick(h, i, i);
    }
    ASSERT_EQ(h.size(), kHistoryLimit);
    EXPECT_EQ(h.front().color, 150);
    EXPECT_EQ(h.back(), (HistoryEntry{0, 0, true}));
    EXPECT_EQ(h[h.size() - 2].color, 52); // 1 .. 51 went, oldest first

    // All pinned: none is pushed out, and the newest pick is kept too.
    History pinned;
    for (int i = 0; i < int(kHistoryLimit); ++i) {
        addPick(pinned, i, i);
        setPinned(pinned, i, true);
    }
    addPick(pinned, 1000, 1000);
    EXPECT_EQ(pinned.size(), kHistoryLimit + 1);
    EXPECT_EQ(pinned.front().color, 1000);
    addPick(pinned, 1001, 1001); // 1000 is now the oldest unpinned
    EXPECT_EQ(pinned.size(), kHistoryLimit + 1);
    EXPECT_EQ(pinned.front().color, 1001);
    EXPECT_EQ(pinned[1].color, int(kHistoryLimit) - 1);

    clearUnpinned(h);
    EXPECT_EQ(h, (History{{0, 0, true}}));
}

TEST(PickHistoryTest, TheTextReadsBackAsItselfAndBrokenLinesAreSkipped) {
    History h;
    addPick(h, rgb(0x0A, 0x5A, 0x5A), 1796652180);
    addPick(h, kWhite, 1796652200);
    setPinned(h, rgb(0x0A, 0x5A, 0x5A), true);
    const std::string text = writeHistoryText(h);
    EXPECT_EQ(text, "#FFFFFF 1796652200\n#0A5A5A 1796652180 pinned\n");
    EXPECT_EQ(readHistoryText(text), h);

    const std::string broken = "#FFFFFF 1796652200\r\n"
                               "#0A5A5 17\n"          // cut short
                               "#GGGGGG 5\n"          // not hex
                               "#123456 -5\n"         // before 1970
                               "#123456 12 pinnedx\n" // an unknown mark
                               "#123456 99999999999999999999\n"
                               "#FFFFFF 1\n" // the same colour again: the first stands
                               "\n"
                               "#0A5A5A 1796652180 pinned";
    EXPECT_EQ(readHistoryText(broken), h);
}

TEST(HistoryFileTest, ChangesReadWhatIsStoredAndRefuseWhatIsNoFile) {
    const std::string folder = tempFolder();
    HistoryFile file(folder + "/deeper/history.txt");
    EXPECT_EQ(file.read(), History{});
    ASSERT_TRUE(file.change([](History& h) { addPick(h, rgb(1, 2, 3), 10); }));
    // Another program's line in between is read by the next change.
    {
        std::ofstream out(folder + "/deeper/history.txt", std::ios::app);
        out << "#040506 20\n";
    }
    const auto written = file.change([](History& h) { addPick(h, rgb(7, 8, 9), 30); });
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), 3u);
    EXPECT_EQ(readFile(folder + "/deeper/history.txt"), "#070809 30\n#010203 10\n#040506 20\n");

    const std::string fifo = folder + "/fifo.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    HistoryFile pipe(fifo);
    EXPECT_FALSE(pipe.read());
    EXPECT_FALSE(pipe.change([](History& h) { addPick(h, 1, 1); }));
}

TEST(HistoryFileTest, TwoCopiesPickingAtOnceLoseNothing) {
    const std::string folder = tempFolder();
    const std::string path = folder + "/history.txt";
    // Two processes, as two running copies are, each keeping 40 picks of its own colours.
    std::vector<pid_t> copies;
    for (int copy = 0; copy < 2; ++copy) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            HistoryFile file(path);
            bool ok = true;
            for (int i = 0; i < 40; ++i) {
                ok = file.change([&](History& h) { addPick(h, copy * 1000 + i, i); }) && ok;
            }
            std::_Exit(ok ? 0 : 1);
        }
        copies.push_back(pid);
    }
    for (pid_t pid : copies) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto stored = HistoryFile(path).read();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->size(), 80u);
}
