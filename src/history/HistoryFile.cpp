#include "history/HistoryFile.h"

#include "files/SafeFile.h"

#include <cerrno>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace sv {

namespace {

constexpr std::size_t kMaxHistoryBytes = 1024 * 1024;
// How a change's temporary files start: ".history.txt.".
constexpr const char* kTemporaryPrefix = "history.txt";
// Copies that keep replacing the file under a change make it start over at most this often.
constexpr int kMaxAttempts = 20;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::optional<History> readOpen(const std::string& path, OpenedFile& opened, int& error) {
    opened = openRegularFile(path, kMaxHistoryBytes);
    if (opened.failure == OpenFailure::Missing) {
        return History{};
    }
    std::string text;
    if (!opened.ok() || !readAll(opened.file.fd(), text, kMaxHistoryBytes)) {
        error = opened.failure == OpenFailure::System ? opened.errorNumber : EINVAL;
        return std::nullopt;
    }
    return readHistoryText(text);
}

// Holds the folder's lock while a change reads and writes, so that two copies changing the
// history at one moment take turns. A copy that keeps it longer than a second is not waited for:
// the replace's own check still keeps its file.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        using namespace std::chrono_literals;
        for (int i = 0; fd_.isOpen() && i < 200; ++i) {
            if (::flock(fd_.fd(), LOCK_EX | LOCK_NB) == 0) {
                return;
            }
            std::this_thread::sleep_for(5ms);
        }
    }

private:
    FileHandle fd_; // closing it lets go of the lock
};

} // namespace

std::optional<History> HistoryFile::read() const {
    OpenedFile opened;
    int error = 0;
    return readOpen(path_, opened, error);
}

std::optional<History> HistoryFile::change(const std::function<void(History&)>& edit) {
    error_ = 0;
    const std::string target = followLinks(path_);
    const std::string folder = folderOf(target);
    if (const int made = makeFolders(folder); made != 0) {
        error_ = made;
        return std::nullopt;
    }
    const FolderLock lock(folder);
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        OpenedFile opened;
        std::optional<History> history = readOpen(target, opened, error_);
        if (!history) {
            return std::nullopt;
        }
        edit(*history);
        NewFile file;
        if (!file.open(folder, kTemporaryPrefix) || !file.write(writeHistoryText(*history))) {
            error_ = file.error();
            return std::nullopt;
        }
        if (file.replace(target, opened.ok() ? &opened : nullptr)) {
            return history;
        }
        error_ = file.error();
        if (error_ != 0 && error_ != EEXIST && error_ != ENOENT && error_ != ESTALE) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace sv
