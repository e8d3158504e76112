#pragma once
// The history's file, read and written whole at each change through the safe-file layer: a
// change reads what the file holds now (another copy's picks included), applies itself and puts
// a new file in the old one's place only while that place still holds the file it read; where
// another copy replaced it in between, the change starts over on that copy's file.

#include "history/PickHistory.h"

#include <functional>
#include <optional>
#include <string>

namespace sv {

class HistoryFile {
public:
    explicit HistoryFile(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

    // The entries stored: none when there is no file yet; nothing at all when the file is not
    // one to read (a named pipe, a folder, over 1 MB, unreadable).
    std::optional<History> read() const;
    // Reads, edits and writes back; the history as written, or nothing when it could not be
    // written (errno in error()).
    std::optional<History> change(const std::function<void(History&)>& edit);
    int error() const { return error_; }

private:
    std::string path_;
    int error_ = 0;
};

} // namespace sv
