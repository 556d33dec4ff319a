// Whole-file access for the game's data file: read it without ever blocking on what stands at its
// name, replace it without ever leaving a half-written copy, move a damaged one out of the way
// without overwriting older copies, and never touch a file or follow a link that another user
// planted.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
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
// exhaust memory. What is opened is checked on the open descriptor, so a FIFO or device swapped
// in at the name can neither block the game nor be read as the file.
ReadFileResult ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// What stands at a name once the links a save may follow are followed. Links are followed the
// way the kernel's protected-symlinks rule does: in a sticky, world-writable folder (such as
// /tmp) only a link that belongs to the player or to the folder's owner.
struct FileInspection {
    bool followed = true;          // false: a link that must not be followed, a loop, ...
    bool plantedLink = false;      // not followed because anyone could have put it there
    std::string error;             // why it was not followed
    std::filesystem::path target;  // the name at the end of the links
    bool exists = false;
    bool regular = false;
    bool ownedByPlayer = true;  // false: another user's; the game never replaces or renames it
    bool ownerMayWrite = true;  // false: the player made it read-only
    std::optional<std::filesystem::perms> mode;  // of an existing regular file
};
FileInspection Inspect(const std::filesystem::path& path);

struct StoreResult {
    bool ok = false;
    std::string error;            // why it failed
    std::filesystem::path where;  // KeepAside: the name the file now has
};

// Writes the contents to a new, uniquely named temporary file beside the target, flushes it to
// the disk and renames it over the target. On any failure the temporary is removed and the old
// file is left exactly as it was. A symbolic link is written through (when it may be followed):
// the file at the end of its chain of links is replaced (or, for a dangling link, created) and
// the link stays as it is. The new file keeps the permission bits of the one it replaces, or
// takes `mode` when given. A file that belongs to another user is never replaced.
StoreResult WriteFileAtomically(const std::filesystem::path& path, std::string_view contents,
                                std::optional<std::filesystem::perms> mode = std::nullopt);

// Renames the file to "<name>.bad", or "<name>.bad.1", "<name>.bad.2", ... whichever is free
// first, so that no earlier copy is ever overwritten. Another user's file is never renamed.
StoreResult KeepAside(const std::filesystem::path& path);

// Removes the player's own temporaries of earlier saves of `target` that were cut short (by a
// crash or a kill). Only call it while no other save of the same file can be running.
void RemoveStaleTemporaries(const std::filesystem::path& target);

// How many numbered copies KeepAside tries before it gives up.
inline constexpr int kMaxKeptAsideCopies = 1000;

}  // namespace zendrix
