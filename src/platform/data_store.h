// Whole-file access for the game's data file: read it, replace it without ever leaving a
// half-written copy, and move a damaged one out of the way without overwriting older copies.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace zendrix {

enum class ReadStatus {
    kOk,
    kMissing,   // nothing of that name exists
    kTooLarge,  // larger than the caller's limit; the text is not returned
    kFailed,    // exists but cannot be read (not a regular file, no permission, I/O error)
};

struct ReadFileResult {
    ReadStatus status = ReadStatus::kFailed;
    std::string text;
    std::string error;  // why it failed, for the player's message
};

// Reads the whole file as bytes. Refuses files above maxBytes so a stray huge file cannot
// exhaust memory.
ReadFileResult ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

struct StoreResult {
    bool ok = false;
    std::string error;            // why it failed
    std::filesystem::path where;  // KeepAside: the name the file now has
};

// Writes the contents to a new temporary file beside the target, flushes it to the disk and
// renames it over the target. On any failure the temporary is removed and the old file is left
// exactly as it was. A symbolic link is written through: the file at the end of its chain of
// links is replaced (or, for a dangling link, created) and the link stays as it is. The new file
// keeps the permission bits of the one it replaces.
StoreResult WriteFileAtomically(const std::filesystem::path& path, std::string_view contents);

// Renames the file to "<name>.bad", or "<name>.bad.1", "<name>.bad.2", ... whichever is free
// first, so that no earlier copy is ever overwritten.
StoreResult KeepAside(const std::filesystem::path& path);

// How many numbered copies KeepAside tries before it gives up.
inline constexpr int kMaxKeptAsideCopies = 1000;

}  // namespace zendrix
