// The real data file, except that saving fails while it is not writable, as in a directory the
// player may not write to.
#pragma once

#include "scores/data_file_access.h"

namespace zendrix::testing {

class SwitchableDataFile final : public DataFileAccess {
  public:
    DataFileReport ReadBestScores(BestScoreTable& table, ColourModel& colours) override {
        return file_.ReadBestScores(table, colours);
    }
    DataFileReport WriteBestScores(const BestScoreTable& table,
                                   const ColourModel& colours) override {
        if (writable) return file_.WriteBestScores(table, colours);
        DataFileReport report;
        report.outcome = DataFileOutcome::kNotWritten;
        report.file = file_.path();
        report.problem = "Permission denied";
        report.message = "The best scores and colours could not be saved.";
        return report;
    }

    bool writable = true;

  private:
    DataFile file_;
};

}  // namespace zendrix::testing
