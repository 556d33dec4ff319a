// How the game control reaches its data file: the file itself in the game, anything that behaves
// like it in tests (a directory that cannot be written, say).
#pragma once

#include <utility>

#include "colours/colour_model.h"
#include "scores/best_scores.h"
#include "scores/data_file.h"

namespace zendrix {

class DataFileAccess {
  public:
    virtual ~DataFileAccess() = default;
    virtual DataFileReport ReadBestScores(BestScoreTable& table, ColourModel& colours) = 0;
    virtual DataFileReport WriteBestScores(const BestScoreTable& table,
                                           const ColourModel& colours) = 0;
};

// The data file on the disk.
class DataFileOnDisk final : public DataFileAccess {
  public:
    explicit DataFileOnDisk(DataFile file = DataFile{}) : file_(std::move(file)) {}
    DataFileReport ReadBestScores(BestScoreTable& table, ColourModel& colours) override {
        return file_.ReadBestScores(table, colours);
    }
    DataFileReport WriteBestScores(const BestScoreTable& table,
                                   const ColourModel& colours) override {
        return file_.WriteBestScores(table, colours);
    }
    DataFile& file() { return file_; }

  private:
    DataFile file_;
};

}  // namespace zendrix
