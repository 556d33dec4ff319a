#include "platform/qt/qt_data_file_lock.h"

#include <QString>

namespace zendrix {

namespace {
// A save holds the lock for a fraction of a second. A lock older than this belongs to a copy that
// hangs, even when its process still exists (a dead one's is taken over at once).
constexpr int kStaleAfterMs = 15000;
}  // namespace

DataFileLock::Result QtDataFileLock::Lock(const std::filesystem::path& path,
                                          std::chrono::milliseconds timeout, std::string& error) {
    lock_ = std::make_unique<QLockFile>(QString::fromStdString(path.string()));
    lock_->setStaleLockTime(kStaleAfterMs);
    if (lock_->tryLock(static_cast<int>(timeout.count()))) return Result::kTaken;
    const std::string name = "its lock file \"" + path.filename().string() + "\"";
    Result result = Result::kCannotCreate;
    switch (lock_->error()) {
        case QLockFile::LockFailedError: {
            qint64 pid = 0;
            QString host, application;
            error = name + " is held";
            if (lock_->getLockInfo(&pid, &host, &application)) {
                error += " by process " + std::to_string(pid);
            }
            result = Result::kHeldElsewhere;
            break;
        }
        case QLockFile::PermissionError:
            error = name + " cannot be created: the folder cannot be written";
            break;
        default:
            error = name + " cannot be created";
            break;
    }
    lock_.reset();
    return result;
}

void QtDataFileLock::Unlock() {
    // Unlocking removes the lock file, so that no trace is left beside the data file.
    lock_.reset();
}

}  // namespace zendrix
