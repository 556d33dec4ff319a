// File access for the data file, with the standard library and, where the system offers it,
// fsync so that a save survives a power cut as well as a crash.
#include "platform/data_store.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#define ZENDRIX_HAVE_FSYNC 1
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

// Creates a fresh temporary beside the target. Exclusive creation keeps two writers (or a
// leftover from a crash) from sharing one temporary.
std::FILE* CreateTemporary(const fs::path& target, fs::path& temporary, int& error) {
    constexpr int kAttempts = 100;
    error = 0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        fs::path candidate = target;
        candidate += attempt == 0 ? ".tmp" : ".tmp." + std::to_string(attempt);
        errno = 0;
        if (std::FILE* file = std::fopen(candidate.string().c_str(), "wbx")) {
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
    fs::path temporary;
    int error = 0;
    std::FILE* file = CreateTemporary(path, temporary, error);
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

    fs::rename(temporary, path, ec);
    if (ec) {
        result.error = ec.message();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return result;
    }
    SyncDirectory(path.parent_path());
    result.ok = true;
    result.where = path;
    return result;
}

StoreResult KeepAside(const fs::path& path) {
    StoreResult result;
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
