#pragma once
// The one way this program opens, commits and deletes files by name. Three faults cannot happen
// through it:
// - waiting for ever in open() on a named pipe or a device: files are opened without blocking
//   and the open file itself is asked what it is, so a path swapped for a pipe between a check
//   and the open is still refused;
// - replacing a file that appeared meanwhile (another copy of the program, say): a finished
//   file takes its final name only if that name is free, atomically;
// - deleting a file that is not ours: a file is deleted only if it is the very file we read,
//   a regular file of this user with one name, made after a given moment.
// POSIX only, no Qt: the windows wrap the descriptors these return.

#include <cstddef>
#include <ctime>
#include <functional>
#include <string>
#include <utility>

namespace sv {

// An open file descriptor, closed when it goes.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int fd) : fd_(fd) {}
    FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    int fd() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    // Hands the descriptor over to its new owner.
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_ = -1;
};

enum class OpenFailure {
    None,
    Missing,    // nothing at that path
    Folder,     // a folder
    NotRegular, // a named pipe, a device, a socket
    TooLarge,   // larger than the caller takes
    Link,       // a symbolic link, where links are not followed
    System,     // any other error of the system: errorNumber says which
};

struct OpenedFile {
    FileHandle file;
    OpenFailure failure = OpenFailure::None;
    int errorNumber = 0;           // errno of a System failure (EACCES, EIO ...)
    long long size = 0;            // bytes, as the open file says
    unsigned long long device = 0; // identity of the open file
    unsigned long long inode = 0;
    unsigned mode = 0; // permission bits, kept by a replace
    bool ok() const { return failure == OpenFailure::None; }
};

enum class Links { Follow, Refuse };

// Opens a regular file for reading without ever blocking; anything else is refused with the
// reason. maxBytes 0 takes any size.
OpenedFile openRegularFile(const std::string& path, std::size_t maxBytes = 0,
                           Links links = Links::Follow);

// Reads what is left of an open file, at most maxBytes; false on a read error (errno kept).
bool readAll(int fd, std::string& out, std::size_t maxBytes);

// Writes all of data; false with errno set when the system takes less (a full disk: ENOSPC).
bool writeAll(int fd, const char* data, std::size_t size);

// A new, empty file in folder that no one else had (".prefix.XXXXXXXXXX.part", mode 0666 less
// the umask); its path in path. The descriptor is open for writing; none, with errno set, when
// no file can be made there.
FileHandle createTemporaryFile(const std::string& folder, const std::string& prefix,
                               std::string& path);

enum class CommitResult { Committed, NameTaken, Failed };

// Gives the finished file at temporaryPath the name finalPath only if no file has that name,
// atomically: of two processes committing to one name, one gets NameTaken. The temporary
// name is gone after Committed. errno tells why on Failed.
CommitResult commitWithoutReplacing(const std::string& temporaryPath, const std::string& finalPath);

// A file being written under a temporary name, ours alone, that takes its final name only when
// it is complete and only where that name is free; removed if it never gets there.
class NewFile {
public:
    NewFile() = default;
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile();

    // Starts the file in folder; false with error() set when it cannot be made.
    bool open(const std::string& folder, const std::string& prefix);
    bool write(const std::string& data);
    // Names the complete file nameFor(1), or nameFor(2), nameFor(3) ... where those are taken
    // (at most maxTries): the path it got, or empty with error() set.
    std::string commit(const std::string& folder, const std::function<std::string(int)>& nameFor,
                       int maxTries = 10000);
    // Puts the complete file in path's place, but only while that place still holds the file
    // read before (previous; nothing when previous is null): never anything else that
    // appeared there. The new file keeps previous's permissions. The check and the rename are a
    // moment apart; what could slip in between is replaced, as it would have been by the same
    // rename a moment later.
    bool replace(const std::string& path, const OpenedFile* previous);
    // errno of the first failure; 0 when none.
    int error() const { return error_; }

private:
    bool finishWriting();

    FileHandle file_;
    std::string temporaryPath_;
    int error_ = 0;
};

// Makes a folder and the folders above it that are missing; 0 when it is there, else the
// errno of the first that could not be made (EROFS on a read-only home, EACCES ...).
int makeFolders(const std::string& path);

// Removes a file this program made and nothing else.
void removeOwnFile(const std::string& path);

// Removes what a write cut short (a crash, a kill) left in folder: regular files of this user
// named as createTemporaryFile names them for prefix, last written at least olderThanSeconds
// ago (a younger one may be another copy's write in progress). Returns how many went.
int removeStaleTemporaryFiles(const std::string& folder, const std::string& prefix,
                              int olderThanSeconds = 60);

// The file path names once its symbolic links are followed (at most 40, as the system does);
// path itself when it is no link. A link whose target is missing gives that target, so a write
// makes the file where the link points.
std::string followLinks(const std::string& path);

// The system's file-timestamp clock now: files made after this moment have a modification
// and change time at or after it (the coarse clock is the one file times are taken from).
timespec fileClockNow();

// Deletes path only if it is still the file that was opened (same device and inode), a
// regular file of this user with a single name, changed at or after since. Returns whether it
// was deleted.
bool removeIfMadeSince(const std::string& path, const OpenedFile& opened, timespec since);

// The system's text for an errno value.
std::string systemErrorText(int errorNumber);

} // namespace sv
