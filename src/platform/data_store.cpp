// File access for the data file, with the standard library and, where the system offers it,
// fsync so that a save survives a power cut as well as a crash.
#include "platform/data_store.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <optional>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define ZENDRIX_HAVE_FSYNC 1
#define ZENDRIX_HAVE_POSIX_OPEN 1
#endif

namespace zendrix {

namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int error, const char* fallback) {
    if (error == 0) return fallback;
    return std::error_code(error, std::generic_category()).message();
}

// Pushes the file's data to the disk; a rename is only safe once the new contents are there.
bool SyncFile(std::FILE* file) {
#ifdef ZENDRIX_HAVE_FSYNC
    return ::fsync(::fileno(file)) == 0;
#else
    (void)file;
    return true;
#endif
}

// Makes the rename itself durable. Best effort: some file systems refuse fsync on directories.
void SyncDirectory(const fs::path& directory) {
#ifdef ZENDRIX_HAVE_FSYNC
    const fs::path where = directory.empty() ? fs::path(".") : directory;
    const int fd = ::open(where.c_str(), O_RDONLY);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
#else
    (void)directory;
#endif
}

// How many symbolic links a save follows before it gives up; the same bound the system uses, so
// a loop of links fails instead of hanging the save.
constexpr int kMaxLinkHops = 40;

// The file a save must replace: the target itself, or, when it is a symbolic link (the player may
// keep the real file in a synced folder), the file at the end of its chain of links. A dangling
// link yields the missing file it names, so that saving creates it and the link becomes valid.
bool ResolveLinks(const fs::path& path, fs::path& resolved, std::string& error) {
    fs::path current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        std::error_code ec;
        // Anything but a link (missing, unreachable, ...) is left to the file creation to judge,
        // exactly as for a plain target.
        if (!fs::is_symlink(fs::symlink_status(current, ec))) {
            resolved = current;
            return true;
        }
        if (hop == kMaxLinkHops) break;
        const fs::path link = fs::read_symlink(current, ec);
        if (ec) {
            error = ec.message();
            return false;
        }
        // Not normalised: ".." must climb from the link's real folder, as the system does.
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels).message();
    return false;
}

// The permission bits the new file takes over from the one it replaces, so that a file the player
// made private stays private. None for a missing target: a new file gets the default.
std::optional<fs::perms> ModeToKeep(const fs::path& target) {
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (ec || !fs::is_regular_file(status)) return std::nullopt;
    return status.permissions() & fs::perms::all;
}

// Opens a new file, failing if the name is taken. With a mode to keep, the file is born with no
// more access than that mode allows, so private contents are never readable by others, and then
// gets exactly that mode (which the umask may have narrowed). Setting the mode is best effort.
std::FILE* CreateExclusive(const fs::path& name, std::optional<fs::perms> mode) {
#ifdef ZENDRIX_HAVE_POSIX_OPEN
    const auto bits = static_cast<mode_t>(mode ? static_cast<unsigned>(*mode) : 0666u);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, bits);
    if (fd < 0) return nullptr;
    if (mode) (void)::fchmod(fd, bits);
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        ::close(fd);
        ::unlink(name.c_str());
        errno = error;
    }
    return file;
#else
    std::FILE* file = std::fopen(name.string().c_str(), "wbx");
    if (file != nullptr && mode) {
        std::error_code ignored;
        fs::permissions(name, *mode, ignored);
    }
    return file;
#endif
}

// Creates a fresh temporary beside the target. Exclusive creation keeps two writers (or a
// leftover from a crash) from sharing one temporary.
std::FILE* CreateTemporary(const fs::path& target, std::optional<fs::perms> mode,
                           fs::path& temporary, int& error) {
    constexpr int kAttempts = 100;
    error = 0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        fs::path candidate = target;
        candidate += attempt == 0 ? ".tmp" : ".tmp." + std::to_string(attempt);
        errno = 0;
        if (std::FILE* file = CreateExclusive(candidate, mode)) {
            temporary = candidate;
            return file;
        }
        error = errno;
        std::error_code ec;
        if (error != EEXIST && !fs::exists(fs::symlink_status(candidate, ec))) return nullptr;
    }
    return nullptr;
}

}  // namespace

ReadFileResult ReadWholeFile(const fs::path& path, std::size_t maxBytes) {
    ReadFileResult result;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        result.status = ReadStatus::kMissing;
        return result;
    }
    if (ec) {
        result.error = ec.message();
        return result;
    }
    if (status.type() != fs::file_type::regular) {
        result.error = "it is not a regular file";
        return result;
    }

    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = ErrnoText(errno, "it could not be opened");
        return result;
    }
    std::string text;
    char buffer[8192];
    while (in) {
        in.read(buffer, sizeof buffer);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (text.size() + got > maxBytes) {
            result.status = ReadStatus::kTooLarge;
            result.error = "it is larger than " + std::to_string(maxBytes) + " bytes";
            return result;
        }
        text.append(buffer, got);
    }
    if (in.bad()) {
        result.error = ErrnoText(errno, "it could not be read to the end");
        return result;
    }
    result.status = ReadStatus::kOk;
    result.text = std::move(text);
    return result;
}

StoreResult WriteFileAtomically(const fs::path& path, std::string_view contents) {
    StoreResult result;
    // Renaming over a link would replace the link with a plain file and leave its target stale.
    fs::path target;
    if (!ResolveLinks(path, target, result.error)) return result;

    fs::path temporary;
    int error = 0;
    std::FILE* file = CreateTemporary(target, ModeToKeep(target), temporary, error);
    if (file == nullptr) {
        result.error = ErrnoText(error, "no temporary file could be created");
        return result;
    }

    errno = 0;
    bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size() &&
                   std::fflush(file) == 0 && SyncFile(file);
    error = errno;
    // fclose can be the first to see a full disk, so its result counts too.
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    std::error_code ec;
    if (!written) {
        fs::remove(temporary, ec);
        result.error = ErrnoText(error, "the temporary file could not be written");
        return result;
    }

    fs::rename(temporary, target, ec);
    if (ec) {
        result.error = ec.message();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return result;
    }
    SyncDirectory(target.parent_path());
    result.ok = true;
    result.where = path;
    return result;
}

StoreResult KeepAside(const fs::path& link) {
    StoreResult result;
    // A link to a damaged file: the file itself is put aside, beside it, so that the link stays
    // and the fresh file written next goes where the link points. Anything else behind a link (a
    // folder, say) is not the game's to move; then the link itself is put aside.
    fs::path path = link;
    {
        fs::path target;
        std::string ignored;
        std::error_code ec;
        if (ResolveLinks(link, target, ignored) &&
            fs::is_regular_file(fs::symlink_status(target, ec))) {
            path = target;
        }
    }
    for (int copy = 0; copy <= kMaxKeptAsideCopies; ++copy) {
        fs::path candidate = path;
        candidate += copy == 0 ? ".bad" : ".bad." + std::to_string(copy);
        std::error_code ec;
        // symlink_status: a dangling link still occupies the name.
        if (fs::exists(fs::symlink_status(candidate, ec))) continue;
        if (ec && ec != std::errc::no_such_file_or_directory) {
            result.error = ec.message();
            return result;
        }
        fs::rename(path, candidate, ec);
        if (ec) {
            result.error = ec.message();
            return result;
        }
        result.ok = true;
        result.where = candidate;
        return result;
    }
    result.error = "every name up to \"" + path.filename().string() + ".bad." +
                   std::to_string(kMaxKeptAsideCopies) + "\" is already taken";
    return result;
}

}  // namespace zendrix
