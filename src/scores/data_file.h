// The data file "3DZendrix.dat": the best-scores table and the player's colour choices as 93
// comma-separated lines, the pure text conversion both ways, and reading and saving it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "colours/colour_model.h"
#include "scores/best_scores.h"

namespace zendrix {

inline constexpr const char* kDataFileName = "3DZendrix.dat";
inline constexpr int kBestScoreLines = kSizeCount * kDensityCount * kKeptRanks;              // 75
inline constexpr int kDataFileLines = kBestScoreLines + kSavedItemCount + kChangeableCount;  // 93
// A valid file is a few kilobytes; anything this large is not ours.
inline constexpr std::size_t kMaxDataFileBytes = 1 << 20;

// Numbers as the file stores them: shortest decimal form, full stop, no exponent, "0" for
// minus zero, a leading 0 before the full stop. Floats keep at most 7 significant digits,
// doubles at most 15.
std::string FormatSingle(float value);
std::string FormatDouble(double value);

struct ParseResult {
    bool ok = false;
    int line = 0;        // 1-based line where the damage was found; 0 when ok
    std::string reason;  // what is wrong with that line
    // Items (0..11) whose palette index was outside 0..21 and that were set to their default.
    std::vector<int> replacedItems;

    // "line 12: the score is not a number", for messages.
    std::string Describe() const;
};

// The file's exact text: 93 lines, each ending in CR LF.
std::string FormatDataFile(const BestScoreTable& table, const ColourModel& colours);

// Reads the text into the table and the colour model only if the whole text is a valid data
// file; otherwise neither is touched. Accepts CR LF or LF line ends and trailing empty lines.
// An item colour outside 0..21 is replaced by that item's default rather than rejecting the
// file (listed in replacedItems).
ParseResult ParseDataFile(std::string_view text, BestScoreTable& table, ColourModel& colours);

enum class DataFileOutcome {
    kRead,        // read, and the table and colours now hold its contents
    kCreated,     // it was missing, so it was written from memory and read back
    kWritten,     // saved
    kKeptAside,   // damaged or unreadable: renamed to keptAsideAs, memory left as it was
    kUnreadable,  // damaged or unreadable and could not be renamed: left in place, not overwritten
    kNotWritten,  // could not be saved (or was not, to protect a file that could not be read)
};

struct DataFileReport {
    DataFileOutcome outcome = DataFileOutcome::kNotWritten;
    std::filesystem::path file;         // the data file
    std::filesystem::path keptAsideAs;  // kKeptAside: where the damaged file went
    std::string problem;                // what went wrong, technically; empty when all is well
    bool freshFileWritten = false;      // kKeptAside: a new file was written from memory
    bool mayOverwrite = true;           // false: later saves will leave the file alone
    std::string message;                // a complete sentence or two for the player

    // True when the player should be shown the message (a colour reset while reading counts).
    bool NeedsAttention() const {
        return outcome == DataFileOutcome::kKeptAside || outcome == DataFileOutcome::kUnreadable ||
               outcome == DataFileOutcome::kNotWritten || !problem.empty();
    }
};

// The data file in one directory (by default the current working directory). Remembers when a
// damaged file could not be moved aside, so that no later save destroys it.
class DataFile {
  public:
    explicit DataFile(std::filesystem::path directory = {});

    const std::filesystem::path& path() const { return path_; }
    bool mayOverwrite() const { return mayOverwrite_; }

    // Loads the file into the table and the colours. A missing file is first written from
    // memory. A damaged or unreadable one is renamed aside and replaced by a file written from
    // memory; memory keeps its values. Clearing bestScoresChanged is left to the caller.
    DataFileReport ReadBestScores(BestScoreTable& table, ColourModel& colours);

    // Saves the table and the colours, replacing the file in one step.
    DataFileReport WriteBestScores(const BestScoreTable& table, const ColourModel& colours);

  private:
    DataFileReport Write(const BestScoreTable& table, const ColourModel& colours);
    DataFileReport SetAside(const BestScoreTable& table, const ColourModel& colours,
                            std::string problem, bool damaged);

    std::filesystem::path path_;
    bool mayOverwrite_ = true;
};

}  // namespace zendrix
