// File access for the data file through the POSIX calls that let the game check what it opened
// (fstat on the descriptor), who owns a link, and push a save to the disk (fsync).
#include "platform/data_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

namespace zendrix {

namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int error, const char* fallback) {
    if (error == 0) return fallback;
    return std::error_code(error, std::generic_category()).message();
}

// Makes the rename itself durable. Best effort: some file systems refuse fsync on directories.
void SyncDirectory(const fs::path& directory) {
    const fs::path where = directory.empty() ? fs::path(".") : directory;
    const int fd = ::open(where.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

fs::path FolderOf(const fs::path& path) {
    return path.parent_path().empty() ? fs::path(".") : path.parent_path();
}

// How many symbolic links a save follows before it gives up; the same bound the system uses, so
// a loop of links fails instead of hanging the save.
constexpr int kMaxLinkHops = 40;

// The kernel's protected-symlinks rule: in a sticky folder that anyone may write, a link is only
// followed when it belongs to the follower or to the folder's owner. Anyone could have planted it.
bool MayFollow(const fs::path& link, const struct stat& linkStatus) {
    struct stat folder {};
    if (::stat(FolderOf(link).c_str(), &folder) != 0) return false;
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == folder.st_uid;
}

// The file a save must replace: the name itself, or, when it is a symbolic link (the player may
// keep the real file in a synced folder), the name at the end of its chain of links. A dangling
// link yields the missing file it names, so that saving creates it and the link becomes valid.
// On return `status` holds the lstat of the result (or errno when it does not exist).
bool ResolveLinks(const fs::path& path, fs::path& resolved, struct stat& status, int& statError,
                  std::string& error, bool* planted = nullptr) {
    fs::path current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        statError = ::lstat(current.c_str(), &status) == 0 ? 0 : errno;
        // Anything but a link (missing, unreachable, ...) is left to the caller to judge.
        if (statError != 0 || !S_ISLNK(status.st_mode)) {
            resolved = current;
            return true;
        }
        if (hop == kMaxLinkHops) break;
        if (!MayFollow(current, status)) {
            if (planted) *planted = true;
            error =
                "it is a link that another user put in a folder open to everyone, which the "
                "game does not follow";
            return false;
        }
        std::error_code ec;
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

const char* const kNotOurs = "it belongs to another user";

// Opens a new file, failing if the name is taken. The file is born with no more access than the
// mode allows, so private contents are never readable by others, and then gets exactly that mode
// (which the umask may have narrowed). Without a mode it gets the default, as any new file.
int CreateExclusive(const fs::path& name, std::optional<fs::perms> mode) {
    const auto bits = static_cast<mode_t>(mode ? static_cast<unsigned>(*mode) : 0666u);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, bits);
    if (fd >= 0 && mode) (void)::fchmod(fd, bits);
    return fd;
}

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr int kTemporaryLetters = 6;

// A fresh temporary beside the target, under a random name: a leftover of a killed save never
// stands in the way, and exclusive creation keeps two writers from sharing one.
int CreateTemporary(const fs::path& target, std::optional<fs::perms> mode, fs::path& temporary,
                    int& error) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> letter(0, static_cast<int>(sizeof kLetters) - 2);
    constexpr int kAttempts = 100;
    error = 0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        fs::path candidate = target;
        candidate += std::string(kTemporaryMark);
        for (int i = 0; i < kTemporaryLetters; ++i) candidate += kLetters[letter(random)];
        const int fd = CreateExclusive(candidate, mode);
        if (fd >= 0) {
            temporary = candidate;
            return fd;
        }
        error = errno;
        if (error != EEXIST) return -1;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// True for the names this game's saves give their temporaries, today's and earlier versions':
// "<name>.tmp-xxxxxx", "<name>.tmp" and "<name>.tmp.<n>".
bool IsTemporaryName(std::string_view name, std::string_view target) {
    if (name.substr(0, target.size()) != target) return false;
    name.remove_prefix(target.size());
    auto allOf = [](std::string_view text, auto&& test) {
        for (const char ch : text) {
            if (!test(ch)) return false;
        }
        return true;
    };
    if (name.substr(0, kTemporaryMark.size()) == kTemporaryMark) {
        name.remove_prefix(kTemporaryMark.size());
        return name.size() == kTemporaryLetters && allOf(name, [](char ch) {
                   return (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
               });
    }
    if (name == ".tmp") return true;
    if (name.substr(0, 5) != ".tmp.") return false;
    name.remove_prefix(5);
    return !name.empty() && allOf(name, [](char ch) { return ch >= '0' && ch <= '9'; });
}

}  // namespace

FileInspection Inspect(const fs::path& path) {
    FileInspection inspection;
    struct stat status {};
    int statError = 0;
    if (!ResolveLinks(path, inspection.target, status, statError, inspection.error,
                      &inspection.plantedLink)) {
        inspection.followed = false;
        inspection.target = path;
        // What stands at the name is the link itself; whose it is decides what may happen to it.
        if (::lstat(path.c_str(), &status) == 0) {
            inspection.exists = true;
            inspection.ownedByPlayer = status.st_uid == ::geteuid();
        }
        return inspection;
    }
    if (statError != 0) return inspection;
    inspection.exists = true;
    inspection.regular = S_ISREG(status.st_mode);
    inspection.ownedByPlayer = status.st_uid == ::geteuid();
    inspection.ownerMayWrite = (status.st_mode & S_IWUSR) != 0;
    if (inspection.regular) inspection.mode = fs::perms(status.st_mode & 07777) & fs::perms::all;
    return inspection;
}

ReadFileResult ReadWholeFile(const fs::path& path, std::size_t maxBytes) {
    ReadFileResult result;
    const FileInspection inspection = Inspect(path);
    if (!inspection.followed) {
        result.error = inspection.error;
        return result;
    }
    if (!inspection.exists) {
        result.status = ReadStatus::kMissing;
        return result;
    }
    // Non-blocking: a FIFO put at the name must not hang the game. No following: the name was
    // resolved above, and a link swapped in since is refused rather than followed unchecked.
    const int fd = ::open(inspection.target.c_str(),
                          O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT) {
            result.status = ReadStatus::kMissing;
        } else if (error == ELOOP) {
            result.error = "it was replaced by a link while it was being opened";
        } else {
            result.error = ErrnoText(error, "it could not be opened");
        }
        return result;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        result.error = "it is not a regular file";
        ::close(fd);
        return result;
    }
    std::string text;
    char buffer[8192];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            result.error = ErrnoText(errno, "it could not be read to the end");
            ::close(fd);
            return result;
        }
        if (got == 0) break;
        if (text.size() + static_cast<size_t>(got) > maxBytes) {
            result.status = ReadStatus::kTooLarge;
            result.error = "it is larger than " + std::to_string(maxBytes) + " bytes";
            ::close(fd);
            return result;
        }
        text.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    result.status = ReadStatus::kOk;
    result.text = std::move(text);
    return result;
}

StoreResult WriteFileAtomically(const fs::path& path, std::string_view contents,
                                std::optional<fs::perms> mode) {
    StoreResult result;
    // Renaming over a link would replace the link with a plain file and leave its target stale.
    const FileInspection inspection = Inspect(path);
    if (!inspection.followed) {
        result.error = inspection.error;
        return result;
    }
    if (inspection.exists && !inspection.ownedByPlayer) {
        result.error = kNotOurs;
        return result;
    }
    const fs::path& target = inspection.target;

    fs::path temporary;
    int error = 0;
    const int fd = CreateTemporary(target, mode ? mode : inspection.mode, temporary, error);
    if (fd < 0) {
        result.error = ErrnoText(error, "no temporary file could be created");
        return result;
    }
    errno = 0;
    bool written = WriteAll(fd, contents) && ::fsync(fd) == 0;
    error = errno;
    // close can be the first to see a full disk (on network file systems), so its result counts.
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        result.error = ErrnoText(error, "the temporary file could not be written");
        return result;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        result.error = ErrnoText(errno, "the file could not be replaced");
        ::unlink(temporary.c_str());
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
    const FileInspection inspection = Inspect(link);
    if (inspection.followed && inspection.exists && inspection.regular) path = inspection.target;
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 && status.st_uid != ::geteuid()) {
        result.error = kNotOurs;
        return result;
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

void RemoveStaleTemporaries(const fs::path& target) {
    const std::string name = target.filename().string();
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(FolderOf(target), ec)) {
        if (!IsTemporaryName(entry.path().filename().string(), name)) continue;
        struct stat status {};
        // Only the player's own plain files: never a folder, a link or another user's file.
        if (::lstat(entry.path().c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid()) {
            ::unlink(entry.path().c_str());
        }
    }
}

}  // namespace zendrix
