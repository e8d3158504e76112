// Files opened, committed and deleted by name, on a real file system: pipes, links, folders,
// files that appear meanwhile, and two writers racing for one name.

#include "files/SafeFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace sv {
namespace {

namespace fs = std::filesystem;

class SafeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "svsafeXXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    static void write(const std::string& p, const std::string& text) {
        std::ofstream(p, std::ios::binary) << text;
    }
    static std::string read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Sets a file's modification time an hour back, as for a file the user already had.
    static void makeOld(const std::string& p) {
        timespec times[2];
        ::clock_gettime(CLOCK_REALTIME, &times[0]);
        times[0].tv_sec -= 3600;
        times[1] = times[0];
        ASSERT_EQ(::utimensat(AT_FDCWD, p.c_str(), times, 0), 0);
    }

    fs::path dir_;
};

TEST_F(SafeFileTest, OnlyRegularFilesOpenAndNothingWaits) {
    const std::string fifo = path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A blocking open of a pipe with no writer would never return.
    EXPECT_EQ(openRegularFile(fifo).failure, OpenFailure::NotRegular);
    fs::create_symlink(fifo, path("link-to-pipe"));
    EXPECT_EQ(openRegularFile(path("link-to-pipe")).failure, OpenFailure::NotRegular);
    EXPECT_EQ(openRegularFile(dir_.string()).failure, OpenFailure::Folder);
    EXPECT_EQ(openRegularFile(path("none")).failure, OpenFailure::Missing);
    EXPECT_EQ(openRegularFile("/dev/null").failure, OpenFailure::NotRegular);

    write(path("a.txt"), "hello");
    fs::create_symlink(path("a.txt"), path("link"));
    EXPECT_TRUE(openRegularFile(path("link")).ok());
    EXPECT_EQ(openRegularFile(path("link"), 0, Links::Refuse).failure, OpenFailure::Link);
    EXPECT_EQ(openRegularFile(path("a.txt"), 4).failure, OpenFailure::TooLarge);
    OpenedFile opened = openRegularFile(path("a.txt"), 5);
    ASSERT_TRUE(opened.ok());
    std::string text;
    EXPECT_TRUE(readAll(opened.file.fd(), text, 3));
    EXPECT_EQ(text, "hel");
    if (::geteuid() != 0) { // root reads anything
        ::chmod(path("a.txt").c_str(), 0);
        const OpenedFile denied = openRegularFile(path("a.txt"));
        EXPECT_EQ(denied.failure, OpenFailure::System);
        EXPECT_EQ(denied.errorNumber, EACCES);
    }
}

TEST_F(SafeFileTest, OnlyAFreshFileOfOursWithOneNameIsDeleted) {
    const timespec start = fileClockNow();
    // Made after the start: deleted.
    write(path("fresh.png"), "picture");
    {
        const OpenedFile opened = openRegularFile(path("fresh.png"));
        EXPECT_TRUE(removeIfMadeSince(path("fresh.png"), opened, start));
    }
    EXPECT_FALSE(fs::exists(path("fresh.png")));

    // A file the user already had: kept, byte for byte.
    write(path("old.odt"), "a document");
    makeOld(path("old.odt"));
    {
        const OpenedFile opened = openRegularFile(path("old.odt"));
        EXPECT_FALSE(removeIfMadeSince(path("old.odt"), opened, start));
    }
    EXPECT_EQ(read(path("old.odt")), "a document");

    // A second name for a file of the user's: kept.
    write(path("photo.jpg"), "a photo");
    fs::create_hard_link(path("photo.jpg"), path("linked.jpg"));
    {
        const OpenedFile opened = openRegularFile(path("linked.jpg"));
        EXPECT_FALSE(removeIfMadeSince(path("linked.jpg"), opened, start));
    }
    EXPECT_TRUE(fs::exists(path("linked.jpg")));

    // Swapped for another file after it was read: the other file is kept.
    write(path("swap.png"), "first");
    {
        const OpenedFile opened = openRegularFile(path("swap.png"));
        fs::rename(path("photo.jpg"), path("swap.png"));
        EXPECT_FALSE(removeIfMadeSince(path("swap.png"), opened, start));
    }
    EXPECT_EQ(read(path("swap.png")), "a photo");

    // Made before the request started (a request a second from now).
    write(path("before.png"), "x");
    timespec later = fileClockNow();
    later.tv_sec += 1;
    {
        const OpenedFile opened = openRegularFile(path("before.png"));
        EXPECT_FALSE(removeIfMadeSince(path("before.png"), opened, later));
    }
    EXPECT_TRUE(fs::exists(path("before.png")));
}

TEST_F(SafeFileTest, ACommitNeverReplacesAndMovesOnToTheNextName) {
    auto nameFor = [](int n) {
        return n == 1 ? std::string("579.html") : "579-" + std::to_string(n) + ".html";
    };
    write(path("579.html"), "one");
    write(path("579-2.html"), "two");
    NewFile file;
    ASSERT_TRUE(file.open(dir_.string(), "page"));
    ASSERT_TRUE(file.write("three"));
    EXPECT_EQ(file.commit(dir_.string(), nameFor), path("579-3.html"));
    EXPECT_EQ(read(path("579.html")), "one");
    EXPECT_EQ(read(path("579-2.html")), "two");
    EXPECT_EQ(read(path("579-3.html")), "three");
    // A document like any other the user saves: readable by others as the umask allows.
    const mode_t mask = ::umask(022);
    NewFile shared;
    ASSERT_TRUE(shared.open(dir_.string(), "page"));
    const std::string sharedPath = shared.commit(dir_.string(), [](int) { return "shared.html"; });
    ::umask(mask);
    struct stat info {};
    ASSERT_EQ(::stat(sharedPath.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
    fs::remove(sharedPath);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);

    // A file never committed leaves nothing behind.
    {
        NewFile dropped;
        ASSERT_TRUE(dropped.open(dir_.string(), "page"));
        dropped.write("half");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);

    NewFile nowhere;
    EXPECT_FALSE(nowhere.open(path("no-such-folder"), "page"));
    EXPECT_EQ(nowhere.error(), ENOENT);
}

// Two writers, as two copies of the program making a page in the same second: every page is
// kept, each under a name of its own.
TEST_F(SafeFileTest, TwoWritersRacingForOneNameBothKeepTheirPages) {
    constexpr int kPagesEach = 200;
    std::atomic<bool> go{false};
    auto writer = [&](char who) {
        while (!go) {
        }
        for (int i = 0; i < kPagesEach; ++i) {
            NewFile file;
            ASSERT_TRUE(file.open(dir_.string(), "page"));
            ASSERT_TRUE(file.write(std::string(1, who) + std::to_string(i)));
            const std::string got = file.commit(
                dir_.string(), [](int n) { return "p-" + std::to_string(n) + ".html"; });
            ASSERT_FALSE(got.empty()) << file.error();
        }
    };
    std::thread a(writer, 'a');
    std::thread b(writer, 'b');
    go = true;
    a.join();
    b.join();
    std::set<std::string> contents;
    for (const auto& entry : fs::directory_iterator(dir_)) {
        contents.insert(read(entry.path().string()));
    }
    EXPECT_EQ(contents.size(), 2u * kPagesEach);
}

TEST_F(SafeFileTest, AReplaceTakesOnlyThePlaceOfTheFileReadBefore) {
    const std::string settings = path("s.conf");
    write(settings, "old");
    {
        const OpenedFile before = openRegularFile(settings);
        NewFile file;
        ASSERT_TRUE(file.open(dir_.string(), "s"));
        file.write("new");
        EXPECT_TRUE(file.replace(settings, &before));
    }
    EXPECT_EQ(read(settings), "new");
    {
        // Read, then swapped for a pipe: the pipe stays.
        const OpenedFile before = openRegularFile(settings);
        fs::remove(settings);
        ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);
        NewFile file;
        ASSERT_TRUE(file.open(dir_.string(), "s"));
        file.write("newer");
        EXPECT_FALSE(file.replace(settings, &before));
    }
    EXPECT_TRUE(fs::is_fifo(settings));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(SafeFileTest, AReplaceKeepsThePermissionsAndALinkIsFollowedToItsTarget) {
    fs::create_directory(dir_ / "dotfiles");
    const std::string target = path("dotfiles/s.conf");
    write(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    // A link to a link, one of them relative, as dotfile managers make them.
    fs::create_symlink("dotfiles/s.conf", path("middle"));
    fs::create_symlink(path("middle"), path("s.conf"));
    EXPECT_EQ(followLinks(path("s.conf")), path("dotfiles/s.conf"));
    EXPECT_EQ(followLinks(target), target);
    fs::create_symlink("missing/x.conf", path("dangling"));
    EXPECT_EQ(followLinks(path("dangling")), path("missing/x.conf"));
    fs::create_symlink("loop", path("loop"));
    EXPECT_EQ(followLinks(path("loop")), path("loop")); // ends, whatever it returns

    const std::string resolved = followLinks(path("s.conf"));
    const OpenedFile before = openRegularFile(resolved);
    NewFile file;
    ASSERT_TRUE(file.open((dir_ / "dotfiles").string(), "s.conf"));
    file.write("new");
    ASSERT_TRUE(file.replace(resolved, &before));
    EXPECT_TRUE(fs::is_symlink(path("s.conf")));
    EXPECT_EQ(read(path("s.conf")), "new");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST_F(SafeFileTest, StaleTemporaryFilesOfOursAreRemovedAndNothingElse) {
    // A write cut short leaves its temporary file; so does one still running in another copy.
    std::string stale;
    std::string running;
    {
        FileHandle a = createTemporaryFile(dir_.string(), "page", stale);
        FileHandle b = createTemporaryFile(dir_.string(), "page", running);
        ASSERT_TRUE(a.isOpen() && b.isOpen());
    }
    makeOld(stale);
    // Files of the user's that merely look alike, and an old link named as ours.
    const std::string lookAlikes[] = {path(".page.abc.part"), path(".page.abcdefghij"),
                                      path(".page.abcdefghi!.part"), path("page.abcdefghij.part"),
                                      path(".Spectrivue.conf.abcdefghij.part")};
    for (const std::string& p : lookAlikes) {
        write(p, "mine");
        makeOld(p);
    }
    fs::create_symlink(path("page.abcdefghij.part"), path(".page.ABCDEFGHIJ.part"));

    EXPECT_EQ(removeStaleTemporaryFiles(dir_.string(), "page"), 1);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(running));
    for (const std::string& p : lookAlikes) {
        EXPECT_TRUE(fs::exists(p)) << p;
    }
    EXPECT_TRUE(fs::is_symlink(path(".page.ABCDEFGHIJ.part")));
    EXPECT_EQ(removeStaleTemporaryFiles(path("missing"), "page"), 0);
}

} // namespace
} // namespace sv
