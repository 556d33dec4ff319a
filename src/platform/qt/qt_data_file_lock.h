// The data file's lock as a QLockFile: two copies of the game save in turn, and the lock of a
// copy that died (crash, kill -9, power cut) is taken over instead of blocking every later save.
#pragma once

#include <QLockFile>
#include <memory>

#include "scores/data_file.h"

namespace zendrix {

class QtDataFileLock : public DataFileLock {
  public:
    Result Lock(const std::filesystem::path& path, std::chrono::milliseconds timeout,
                std::string& error) override;
    void Unlock() override;

  private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace zendrix
