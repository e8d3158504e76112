#include "files/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace sv {

namespace {

// A temporary file is ".prefix." + these many letters and digits + this ending: a pattern no
// file of the user's is likely to have, so stale ones can be recognised and removed.
constexpr int kTemporaryLetters = 10;
constexpr std::string_view kTemporarySuffix = ".part";

bool isTemporaryName(std::string_view name, const std::string& prefix) {
    const std::string start = '.' + prefix + '.';
    if (name.size() != start.size() + kTemporaryLetters + kTemporarySuffix.size() ||
        !name.starts_with(start) || !name.ends_with(kTemporarySuffix)) {
        return false;
    }
    const std::string_view letters = name.substr(start.size(), kTemporaryLetters);
    return std::all_of(letters.begin(), letters.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

} // namespace

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileHandle::~FileHandle() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

OpenedFile openRegularFile(const std::string& path, std::size_t maxBytes, Links links) {
    OpenedFile opened;
    int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (links == Links::Refuse) {
        flags |= O_NOFOLLOW;
    }
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) {
        const int error = errno;
        opened.failure = error == ENOENT ? OpenFailure::Missing
                         : error == ELOOP
                             ? (links == Links::Refuse ? OpenFailure::Link : OpenFailure::System)
                         : error == EISDIR ? OpenFailure::Folder
                                           : OpenFailure::System;
        opened.errorNumber = error;
        return opened;
    }
    opened.file = FileHandle(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        opened.failure = OpenFailure::System;
        opened.errorNumber = errno;
    } else if (S_ISDIR(info.st_mode)) {
        opened.failure = OpenFailure::Folder;
    } else if (!S_ISREG(info.st_mode)) {
        opened.failure = OpenFailure::NotRegular;
    } else if (maxBytes != 0 && static_cast<unsigned long long>(info.st_size) > maxBytes) {
        opened.failure = OpenFailure::TooLarge;
    }
    if (!opened.ok()) {
        opened.file = FileHandle();
        return opened;
    }
    // Reads of a regular file never wait anyway; later readers expect blocking semantics.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    opened.size = static_cast<long long>(info.st_size);
    opened.device = info.st_dev;
    opened.inode = info.st_ino;
    opened.mode = info.st_mode & 07777;
    return opened;
}

bool readAll(int fd, std::string& out, std::size_t maxBytes) {
    std::vector<char> buffer(65536);
    while (out.size() < maxBytes) {
        const std::size_t want = std::min(buffer.size(), maxBytes - out.size());
        const ssize_t got = ::read(fd, buffer.data(), want);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (got == 0) {
            break;
        }
        out.append(buffer.data(), static_cast<std::size_t>(got));
    }
    return true;
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t put = ::write(fd, data, size);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (put == 0) {
            errno = EIO;
            return false;
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

FileHandle createTemporaryFile(const std::string& folder, const std::string& prefix,
                               std::string& path) {
    std::string base = folder;
    if (!base.empty() && base.back() != '/') {
        base += '/';
    }
    base += '.' + prefix + '.';
    // A name of our own, made with O_EXCL so no file that is there already is ever opened;
    // mode 0666 less the umask, as for any document the user saves.
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = base;
        for (int i = 0; i < kTemporaryLetters; ++i) {
            candidate += kLetters[random() % (sizeof kLetters - 1)];
        }
        candidate += kTemporarySuffix;
        const int fd =
            ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0) {
            path = candidate;
            return FileHandle(fd);
        }
        if (errno != EEXIST) {
            break;
        }
    }
    path.clear();
    return FileHandle();
}

CommitResult commitWithoutReplacing(const std::string& temporaryPath,
                                    const std::string& finalPath) {
    if (::renameat2(AT_FDCWD, temporaryPath.c_str(), AT_FDCWD, finalPath.c_str(),
                    RENAME_NOREPLACE) == 0) {
        return CommitResult::Committed;
    }
    if (errno == EEXIST) {
        return CommitResult::NameTaken;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return CommitResult::Failed;
    }
    // A file system without the no-replace rename: a hard link never replaces either.
    if (::link(temporaryPath.c_str(), finalPath.c_str()) != 0) {
        return errno == EEXIST ? CommitResult::NameTaken : CommitResult::Failed;
    }
    ::unlink(temporaryPath.c_str());
    return CommitResult::Committed;
}

NewFile::~NewFile() {
    removeOwnFile(temporaryPath_);
}

bool NewFile::open(const std::string& folder, const std::string& prefix) {
    file_ = createTemporaryFile(folder, prefix, temporaryPath_);
    if (!file_.isOpen()) {
        error_ = errno;
        return false;
    }
    return true;
}

bool NewFile::write(const std::string& data) {
    if (error_ != 0) {
        return false;
    }
    if (!writeAll(file_.fd(), data.data(), data.size())) {
        error_ = errno;
        return false;
    }
    return true;
}

bool NewFile::finishWriting() {
    if (error_ != 0 || !file_.isOpen()) {
        return false;
    }
    // A full disk may show only when the data reaches it.
    if (::fsync(file_.fd()) != 0 && errno != EINVAL) {
        error_ = errno;
        return false;
    }
    if (::close(file_.release()) != 0) {
        error_ = errno;
        return false;
    }
    return true;
}

bool NewFile::replace(const std::string& path, const OpenedFile* previous) {
    // A settings file kept private (0600) stays private.
    if (previous != nullptr && error_ == 0 && file_.isOpen() &&
        ::fchmod(file_.fd(), previous->mode) != 0) {
        error_ = errno;
    }
    if (!finishWriting()) {
        return false;
    }
    struct stat now {};
    const bool exists = ::lstat(path.c_str(), &now) == 0;
    const bool same = previous != nullptr && exists && S_ISREG(now.st_mode) &&
                      now.st_dev == previous->device && now.st_ino == previous->inode;
    if (exists != (previous != nullptr) || (exists && !same)) {
        error_ = exists ? EEXIST : ENOENT;
        return false;
    }
    // Where nothing was, the name is taken only if it is still free.
    const bool moved =
        exists ? ::rename(temporaryPath_.c_str(), path.c_str()) == 0
               : commitWithoutReplacing(temporaryPath_, path) == CommitResult::Committed;
    if (!moved) {
        error_ = errno;
        return false;
    }
    temporaryPath_.clear();
    return true;
}

std::string NewFile::commit(const std::string& folder,
                            const std::function<std::string(int)>& nameFor, int maxTries) {
    if (!finishWriting()) {
        return {};
    }
    std::string base = folder;
    if (!base.empty() && base.back() != '/') {
        base += '/';
    }
    for (int n = 1; n <= maxTries; ++n) {
        const std::string path = base + nameFor(n);
        switch (commitWithoutReplacing(temporaryPath_, path)) {
        case CommitResult::Committed:
            temporaryPath_.clear();
            return path;
        case CommitResult::NameTaken:
            continue;
        case CommitResult::Failed:
            error_ = errno;
            return {};
        }
    }
    error_ = EEXIST;
    return {};
}

int makeFolders(const std::string& path) {
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string part = path.substr(0, end);
        if (!part.empty() && ::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            return errno;
        }
        if (end == std::string::npos) {
            break;
        }
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno;
    }
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

void removeOwnFile(const std::string& path) {
    if (!path.empty()) {
        ::unlink(path.c_str());
    }
}

int removeStaleTemporaryFiles(const std::string& folder, const std::string& prefix,
                              int olderThanSeconds) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    const time_t limit = fileClockNow().tv_sec - olderThanSeconds;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(entry->d_name, prefix)) {
            continue;
        }
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::getuid() && info.st_mtime <= limit &&
            ::unlinkat(::dirfd(dir), entry->d_name, 0) == 0) {
            ++removed;
        }
    }
    ::closedir(dir);
    return removed;
}

std::string followLinks(const std::string& path) {
    std::string at = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(at.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return at;
        }
        std::vector<char> target(static_cast<std::size_t>(std::max<off_t>(info.st_size, 255)) + 1);
        const ssize_t length = ::readlink(at.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) {
            return at;
        }
        std::string next(target.data(), static_cast<std::size_t>(length));
        if (!next.starts_with('/')) {
            const std::size_t slash = at.rfind('/');
            next = (slash == std::string::npos ? std::string() : at.substr(0, slash + 1)) + next;
        }
        at = std::move(next);
    }
    return at;
}

timespec fileClockNow() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now;
}

namespace {

bool notBefore(const timespec& t, const timespec& since) {
    return t.tv_sec > since.tv_sec || (t.tv_sec == since.tv_sec && t.tv_nsec >= since.tv_nsec);
}

} // namespace

bool removeIfMadeSince(const std::string& path, const OpenedFile& opened, timespec since) {
    if (!opened.ok() || !opened.file.isOpen()) {
        return false;
    }
    struct stat held {};
    struct stat named {};
    if (::fstat(opened.file.fd(), &held) != 0 || ::lstat(path.c_str(), &named) != 0) {
        return false;
    }
    const bool sameFile = named.st_dev == held.st_dev && named.st_ino == held.st_ino;
    const bool ours = S_ISREG(held.st_mode) && held.st_uid == ::getuid() && held.st_nlink == 1;
    // Both times: a file's modification time can be set back, its change time cannot.
    const bool fresh = notBefore(held.st_mtim, since) && notBefore(held.st_ctim, since);
    if (!sameFile || !ours || !fresh) {
        return false;
    }
    return ::unlink(path.c_str()) == 0;
}

std::string systemErrorText(int errorNumber) {
    return std::strerror(errorNumber);
}

} // namespace sv
