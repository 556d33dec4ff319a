// The data file "3DZendrix.dat": the best-scores table and the player's colour choices as 93
// comma-separated lines, the pure text conversion both ways, and reading and saving it.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "colours/colour_model.h"
#include "platform/data_store.h"
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

// A line of the file whose fields could not all be read; it was given its default instead.
struct BadLine {
    int line = 0;        // 1-based
    std::string reason;  // what is wrong with it
};

struct ParseResult {
    // The file has the data file's shape (its 93 lines of text) and its values are now in memory,
    // every bad line replaced by its default (an empty best-score slot, a default colour).
    bool ok = false;
    int line = 0;        // !ok: 1-based line where the shape is broken
    std::string reason;  // !ok: what is wrong there
    std::vector<BadLine> badLines;

    // "line 12: the score is not a number", for messages.
    std::string Describe() const;
};

// The file's exact text: 93 lines, each ending in CR LF.
std::string FormatDataFile(const BestScoreTable& table, const ColourModel& colours);

// Reads the text into the table and the colour model when it has the data file's shape (93 lines
// of text; CR LF or LF line ends, trailing empty lines allowed); otherwise neither is touched. A
// line that has the shape but a field that cannot be read (a stray quote, a score of 150, a time
// of 1.5, an item colour outside 0..21) does not cost the others: it gets its default and is
// listed in badLines, and the results of its size and density close up below it.
ParseResult ParseDataFile(std::string_view text, BestScoreTable& table, ColourModel& colours);

// What the file keeps: the best scores and the colour choices.
struct SavedChoices {
    BestScoreTable table;
    ColourModel colours;
};

// Joins this copy's changes with what other copies saved meanwhile. base: the file as this copy
// last read or wrote it; mine: memory; theirs: the file now. Best scores: a result that left
// memory since base was deleted here and goes from theirs too (unless it can only have been
// pushed out below memory's five), results new in memory are added, and each size and density
// keeps its five best by adjusted score, an older result ahead of an equal newer one; a
// combination that only one side changed is taken whole from it. Colours: for each saved item
// and each changeable colour, memory's value when it changed since base, else the file's.
SavedChoices MergeSaves(const SavedChoices& base, const SavedChoices& mine,
                        const SavedChoices& theirs);

// A lock beside the data file that copies of the game take in turn to save. The game's is a
// QLockFile; tests may use their own.
class DataFileLock {
  public:
    enum class Result {
        kTaken,
        kHeldElsewhere,  // another copy kept it for the whole wait
        kCannotCreate,   // the folder refuses the lock file (read-only, full, no permission)
    };
    virtual ~DataFileLock() = default;
    // Takes the lock file `path`, waiting at most `timeout` (a lock left by a dead process is taken
    // over). Unless taken, `error` says why.
    virtual Result Lock(const std::filesystem::path& path, std::chrono::milliseconds timeout,
                        std::string& error) = 0;
    virtual void Unlock() = 0;
};

// How long a save waits for another copy's save to finish.
inline constexpr std::chrono::milliseconds kLockTimeout{3000};

enum class DataFileOutcome {
    kRead,        // read, and the table and colours now hold its contents
    kCreated,     // it was missing, so it was written from memory and read back
    kSalvaged,    // read with bad lines replaced by defaults; the original kept as keptAsideAs
    kWritten,     // saved
    kKeptAside,   // damaged or unreadable: renamed to keptAsideAs, memory left as it was
    kUnreadable,  // damaged or unreadable and could not be renamed: left in place, not overwritten
    kNotWritten,  // could not be saved (or was not, to protect a file that could not be read)
};

// Why a save left the file as it was.
enum class SaveRefusal {
    kNone,
    kFailed,      // the system refused (full disk, folder not writable, ...)
    kLocked,      // another copy's save did not end in time
    kReadOnly,    // the player made the file read-only
    kNotOurs,     // the file, or a link to it, belongs to another user
    kProtecting,  // a file that could not be read is kept as it is
};

struct DataFileReport {
    DataFileOutcome outcome = DataFileOutcome::kNotWritten;
    SaveRefusal refusal = SaveRefusal::kNone;
    std::filesystem::path file;         // the data file
    std::filesystem::path keptAsideAs;  // kKeptAside, kSalvaged: where the original bytes went
    std::string problem;                // what went wrong, technically; empty when all is well
    bool freshFileWritten = false;      // kKeptAside, kSalvaged: a sound file was written
    bool mayOverwrite = true;           // false: later saves will leave the file alone
    std::string message;                // a complete sentence or two for the player
    // kWritten: the best scores now in the file, with other copies' results; memory takes them.
    std::optional<BestScoreTable> savedTable;

    // True when the player should be shown the message (a colour reset while reading counts).
    bool NeedsAttention() const {
        return outcome == DataFileOutcome::kKeptAside || outcome == DataFileOutcome::kUnreadable ||
               outcome == DataFileOutcome::kNotWritten || outcome == DataFileOutcome::kSalvaged ||
               !problem.empty();
    }
};

// The data file in one directory (by default the current working directory). Remembers what it
// last read or wrote, so that a save keeps what other copies saved meanwhile, and when a damaged
// file could not be moved aside, so that no later save destroys it.
class DataFile {
  public:
    explicit DataFile(std::filesystem::path directory = {},
                      std::shared_ptr<DataFileLock> lock = nullptr);

    const std::filesystem::path& path() const { return path_; }
    bool mayOverwrite() const { return mayOverwrite_; }

    // Loads the file into the table and the colours. A missing file is first written from
    // memory. A file with bad lines is loaded without them, kept aside and written anew. One
    // that is damaged beyond that, or unreadable, is renamed aside and replaced by a file written
    // from memory; memory keeps its values. Another user's file is never renamed. Clearing
    // bestScoresChanged is left to the caller.
    DataFileReport ReadBestScores(BestScoreTable& table, ColourModel& colours);

    // Saves the table and the colours: under the lock, re-reads the file, merges what other
    // copies saved since this one last read or wrote it (MergeSaves) and replaces the file in one
    // step. A read-only file and another user's file are left alone.
    DataFileReport WriteBestScores(const BestScoreTable& table, const ColourModel& colours);

    // A complete data file of the table and the colours at any path, for a copy the player can
    // move into place later. No merging and no lock.
    static StoreResult WriteCopy(const std::filesystem::path& path, const BestScoreTable& table,
                                 const ColourModel& colours);

  private:
    DataFileReport Save(const BestScoreTable& table, const ColourModel& colours);
    DataFileReport SetAside(const BestScoreTable& table, const ColourModel& colours,
                            std::string problem, bool damaged);

    std::filesystem::path path_;
    std::shared_ptr<DataFileLock> lock_;
    bool mayOverwrite_ = true;
    std::optional<SavedChoices> base_;
};

}  // namespace zendrix
