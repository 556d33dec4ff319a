// Converts the best-scores table and colour choices to and from the data file's text, and reads
// and saves the file so that a damaged or unwritable file never costs the player anything held
// in memory.
#include "scores/data_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "platform/data_store.h"

namespace zendrix {

namespace fs = std::filesystem;

namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;
constexpr float kScoreLimit = 100.0f;
// Far beyond any game anyone will play, and still exact in a double.
constexpr double kTimeLimit = 1e12;
constexpr const char* kTrue = "#TRUE#";
constexpr const char* kFalse = "#FALSE#";

// Fixed notation from the digits and exponent of a scientific form: to_chars' scientific output
// gives the shortest (or the rounded) digits, and this places the full stop without an exponent.
template <typename T>
std::string FormatNumber(T value, int maxDigits) {
    // Non-finite values never come from a game; "0" keeps the file readable if one slips in.
    if (!std::isfinite(value) || value == 0) return "0";
    char buffer[64];
    auto scientific = [&](int precision) {
        const auto result = precision < 0 ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                                          std::chars_format::scientific)
                                          : std::to_chars(buffer, buffer + sizeof buffer, value,
                                                          std::chars_format::scientific, precision);
        return std::string_view(buffer, static_cast<size_t>(result.ptr - buffer));
    };
    auto split = [](std::string_view text, std::string& digits, int& exponent) {
        const size_t e = text.find('e');
        digits.clear();
        for (char ch : text.substr(0, e)) {
            if (ch >= '0' && ch <= '9') digits += ch;
        }
        std::string_view power = text.substr(e + 1);
        if (!power.empty() && power.front() == '+') power.remove_prefix(1);
        std::from_chars(power.data(), power.data() + power.size(), exponent);
    };

    std::string digits;
    int exponent = 0;
    split(scientific(-1), digits, exponent);
    if (static_cast<int>(digits.size()) > maxDigits)
        split(scientific(maxDigits - 1), digits, exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    const int before = exponent + 1;  // digits before the full stop
    const int count = static_cast<int>(digits.size());
    if (before <= 0) {
        text += "0.";
        text.append(static_cast<size_t>(-before), '0');
        text += digits;
    } else if (before >= count) {
        text += digits;
        text.append(static_cast<size_t>(before - count), '0');
    } else {
        text += digits.substr(0, static_cast<size_t>(before));
        text += '.';
        text += digits.substr(static_cast<size_t>(before));
    }
    return text;
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// -?(d+(.d+)?|.d+): what the writer produces, plus the ".5" form without the leading 0.
bool IsDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    auto allDigits = [](std::string_view part) {
        for (char ch : part) {
            if (!IsDigit(ch)) return false;
        }
        return true;
    };
    if (!allDigits(whole) || !allDigits(fraction)) return false;
    if (point == std::string_view::npos) return !whole.empty();
    return !fraction.empty();
}

bool IsInteger(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    if (text.empty()) return false;
    for (char ch : text) {
        if (!IsDigit(ch)) return false;
    }
    return true;
}

template <typename T>
bool ReadDecimal(std::string_view text, T& value) {
    if (!IsDecimal(text)) return false;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

// The value the file would hold after one more save, so that saving what was read gives back
// exactly what was read.
template <typename T>
T Normalised(T value, int maxDigits) {
    const std::string text = FormatNumber(value, maxDigits);
    T result{};
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), result, std::chars_format::fixed);
    // Rounding to fewer digits can step past the largest double; such values fail the range checks
    // anyway, so keep them as read rather than let them turn into 0.
    return ec == std::errc() ? result : value;
}

// Integers in range come back as they are; anything beyond long long becomes its limit, which
// every range check then rejects.
bool ReadInteger(std::string_view text, long long& value) {
    if (!IsInteger(text)) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = text.front() == '-' ? -1 : std::numeric_limits<long long>::max();
        return true;
    }
    return ec == std::errc();
}

struct Field {
    std::string_view text;
    bool quoted = false;
};

// Splits one line at its commas; a quoted field runs to its closing quote, commas included.
bool SplitFields(std::string_view line, std::vector<Field>& fields, std::string& reason) {
    fields.clear();
    size_t pos = 0;
    while (true) {
        Field field;
        if (pos < line.size() && line[pos] == '"') {
            const size_t close = line.find('"', pos + 1);
            if (close == std::string_view::npos) {
                reason = "a quoted text has no closing quote";
                return false;
            }
            field.text = line.substr(pos + 1, close - pos - 1);
            field.quoted = true;
            pos = close + 1;
            if (pos < line.size() && line[pos] != ',') {
                reason = "there is text after a closing quote";
                return false;
            }
        } else {
            const size_t comma = line.find(',', pos);
            field.text = line.substr(
                pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
            pos = comma == std::string_view::npos ? line.size() : comma;
        }
        fields.push_back(field);
        if (pos >= line.size()) return true;
        ++pos;  // the comma
    }
}

// Collects the first fault found; parsing stops there.
class LineParser {
  public:
    explicit LineParser(std::string_view line) : line_(line) {}

    bool Split(size_t expected) {
        if (!SplitFields(line_, fields_, reason_)) return false;
        if (fields_.size() != expected) {
            reason_ = "it has " + std::to_string(fields_.size()) + " field" +
                      (fields_.size() == 1 ? "" : "s") + " where " + std::to_string(expected) +
                      (expected == 1 ? " is expected" : " are expected");
            return false;
        }
        return true;
    }

    bool Text(size_t index, const char* what, std::string& value) {
        if (!fields_[index].quoted) return Fail(what, "is not in double quotes");
        value = SanitiseName(fields_[index].text);
        return true;
    }

    bool Score(size_t index, float& value) {
        float read = 0;
        if (fields_[index].quoted || !ReadDecimal(fields_[index].text, read)) {
            return Fail("the score", "is not a number");
        }
        value = Normalised(read, kSingleDigits);
        if (value < -kScoreLimit || value > kScoreLimit) {
            return Fail("the score", "is outside -100 to 100");
        }
        return true;
    }

    bool Time(size_t index, double& value) {
        double read = 0;
        if (fields_[index].quoted || !ReadDecimal(fields_[index].text, read)) {
            return Fail("the time", "is not a number");
        }
        value = Normalised(read, kDoubleDigits);
        if (value < 0 || value > kTimeLimit || std::floor(value) != value) {
            return Fail("the time", "is not a whole number of seconds in range");
        }
        return true;
    }

    bool Flag(size_t index, const char* what, bool& value) {
        const std::string_view text = fields_[index].text;
        if (fields_[index].quoted || (text != kTrue && text != kFalse)) {
            return Fail(what, "is neither #TRUE# nor #FALSE#");
        }
        value = text == kTrue;
        return true;
    }

    // Returns false only when the field is not a whole number at all; `inRange` tells the caller
    // whether it lies in [low, high].
    bool Integer(size_t index, const char* what, long long low, long long high, int16_t& value,
                 bool& inRange) {
        long long read = 0;
        if (fields_[index].quoted || !ReadInteger(fields_[index].text, read)) {
            return Fail(what, "is not a whole number");
        }
        inRange = read >= low && read <= high;
        if (inRange) value = static_cast<int16_t>(read);
        return true;
    }

    bool Component(size_t index, const char* what, int16_t& value) {
        bool inRange = false;
        if (!Integer(index, what, 0, 256, value, inRange)) return false;
        return inRange || Fail(what, "is outside 0 to 256");
    }

    bool Fail(const char* what, const char* problem) {
        reason_ = std::string(what) + " " + problem;
        return false;
    }

    const std::string& reason() const { return reason_; }

  private:
    std::string_view line_;
    std::vector<Field> fields_;
    std::string reason_;
};

std::vector<std::string_view> SplitLines(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string Shown(const fs::path& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return "\"" + (ec ? path : absolute).string() + "\"";
}

const char* const kGoesOn = " The game goes on with the best scores and colours it had.";

}  // namespace

std::string FormatSingle(float value) {
    return FormatNumber(value, kSingleDigits);
}

std::string FormatDouble(double value) {
    return FormatNumber(value, kDoubleDigits);
}

std::string ParseResult::Describe() const {
    if (ok) return "";
    return "line " + std::to_string(line) + ": " + reason;
}

std::string FormatDataFile(const BestScoreTable& table, const ColourModel& colours) {
    std::string text;
    text.reserve(4096);
    auto flag = [](bool value) { return value ? kTrue : kFalse; };
    for (int size = 1; size <= kSizeCount; ++size) {
        for (int density = 1; density <= kDensityCount; ++density) {
            for (int rank = 1; rank <= kKeptRanks; ++rank) {
                const BestScoreEntry& entry = table.At(size, density, rank);
                text += Quoted(SanitiseName(TruncateName(entry.name)));
                text += ',' + FormatSingle(entry.score) + ',' + FormatDouble(entry.time) + ',';
                text += flag(entry.reach6Used);
                text += ',';
                text += flag(entry.reach18Used);
                text += ',';
                text += flag(entry.demoMinefield);
                text += "\r\n";
            }
        }
    }
    for (int item = 0; item < kSavedItemCount; ++item) {
        text += std::to_string(colours.itemColor[item]) + "\r\n";
    }
    for (int slot = 0; slot < kChangeableCount; ++slot) {
        const int entry = kFirstChangeable + slot;
        text += std::to_string(colours.paletteRed[entry]) + ',' +
                std::to_string(colours.paletteGreen[entry]) + ',' +
                std::to_string(colours.paletteBlue[entry]) + ',' +
                Quoted(SanitiseName(colours.changeableName[slot])) + "\r\n";
    }
    return text;
}

ParseResult ParseDataFile(std::string_view text, BestScoreTable& table, ColourModel& colours) {
    ParseResult result;
    const std::vector<std::string_view> lines = SplitLines(text);
    auto fail = [&](int line, std::string reason) {
        result.line = line;
        result.reason = std::move(reason);
        result.badLines.clear();
        return result;
    };
    if (text.size() > kMaxDataFileBytes) {
        return fail(1, "it is larger than " + std::to_string(kMaxDataFileBytes) + " bytes");
    }
    // Bytes that no text holds: this is some other file, not a damaged data file.
    for (size_t i = 0; i < lines.size(); ++i) {
        for (const char ch : lines[i]) {
            const auto byte = static_cast<unsigned char>(ch);
            if ((byte < 0x20 && ch != '\t') || byte == 0x7F) {
                return fail(static_cast<int>(i) + 1, "it holds bytes that are not text");
            }
        }
    }
    if (lines.size() < static_cast<size_t>(kDataFileLines)) {
        return fail(static_cast<int>(lines.size()) + 1,
                    "the file stops after " + std::to_string(lines.size()) + " of its " +
                        std::to_string(kDataFileLines) + " lines");
    }
    for (size_t i = kDataFileLines; i < lines.size(); ++i) {
        if (!lines[i].empty()) {
            return fail(static_cast<int>(i) + 1, "there is more text after the last line");
        }
    }

    // Kept to be put back should no line at all be readable.
    BestScoreTable tableBefore = table;
    ColourModel coloursBefore = colours;
    int number = 0;
    auto bad = [&](std::string reason) { result.badLines.push_back({number, std::move(reason)}); };
    for (int size = 1; size <= kSizeCount; ++size) {
        for (int density = 1; density <= kDensityCount; ++density) {
            bool closeUp = false;
            for (int rank = 1; rank <= kKeptRanks; ++rank) {
                LineParser line(lines[static_cast<size_t>(number++)]);
                BestScoreEntry entry;
                std::string name;
                const bool ok = line.Split(6) && line.Text(0, "the name", name) &&
                                line.Score(1, entry.score) && line.Time(2, entry.time) &&
                                line.Flag(3, "the reach 6 flag", entry.reach6Used) &&
                                line.Flag(4, "the reach 18 flag", entry.reach18Used) &&
                                line.Flag(5, "the demo minefield flag", entry.demoMinefield);
                if (ok) {
                    entry.name = TruncateName(name);
                } else {
                    bad(line.reason());
                    entry = BestScoreEntry{};
                    closeUp = true;
                }
                table.At(size, density, rank) = std::move(entry);
            }
            // An empty slot above results would break the ranking every insertion relies on.
            if (closeUp) {
                std::stable_partition(&table.At(size, density, 1),
                                      &table.At(size, density, kKeptRanks) + 1,
                                      [](const BestScoreEntry& e) { return !e.name.empty(); });
            }
        }
    }
    for (int item = 0; item < kSavedItemCount; ++item) {
        LineParser line(lines[static_cast<size_t>(number++)]);
        bool inRange = false;
        int16_t value = 0;
        const std::string what =
            "the colour of \"" + std::string(kItemNames[static_cast<size_t>(item)]) + "\"";
        if (!line.Split(1) || !line.Integer(0, what.c_str(), 0, kPaletteSize - 1, value, inRange)) {
            bad(line.reason());
            inRange = false;
        } else if (!inRange) {
            bad(what + " is not a palette entry");
        }
        colours.itemColor[item] = inRange ? value : colours.defaultItemColor[item];
    }
    for (int slot = 0; slot < kChangeableCount; ++slot) {
        LineParser line(lines[static_cast<size_t>(number++)]);
        const int entry = kFirstChangeable + slot;
        int16_t red = 0, green = 0, blue = 0;
        std::string name;
        const bool ok = line.Split(4) && line.Component(0, "the red component", red) &&
                        line.Component(1, "the green component", green) &&
                        line.Component(2, "the blue component", blue) &&
                        line.Text(3, "the colour name", name);
        if (!ok) {
            bad(line.reason());
            name = DefaultChangeableName(slot);
            red = green = blue = 0;
        }
        colours.paletteRed[entry] = red;
        colours.paletteGreen[entry] = green;
        colours.paletteBlue[entry] = blue;
        colours.changeableName[slot] = std::move(name);
    }
    // Not one line of a data file: some other text, not a damaged data file.
    if (result.badLines.size() == static_cast<size_t>(kDataFileLines)) {
        const int first = result.badLines.front().line;
        std::string reason =
            "no line can be read, the first because " + result.badLines.front().reason;
        table = std::move(tableBefore);
        colours = std::move(coloursBefore);
        return fail(first, std::move(reason));
    }
    result.ok = true;
    return result;
}

DataFile::DataFile(fs::path directory, std::shared_ptr<DataFileLock> lock)
    : path_(std::move(directory) / kDataFileName), lock_(std::move(lock)) {}

StoreResult DataFile::WriteCopy(const fs::path& path, const BestScoreTable& table,
                                const ColourModel& colours) {
    return WriteFileAtomically(path, FormatDataFile(table, colours));
}

namespace {

// Holds the lock for one save; without a lock (tests, one copy only) saving just goes ahead.
class LockHeld {
  public:
    LockHeld(DataFileLock* lock, const fs::path& file) : lock_(lock) {
        if (lock_ == nullptr) return;
        fs::path lockPath = file;
        lockPath += ".lock";
        result_ = lock_->Lock(lockPath, kLockTimeout, error_);
    }
    ~LockHeld() {
        if (lock_ != nullptr && result_ == DataFileLock::Result::kTaken) lock_->Unlock();
    }
    LockHeld(const LockHeld&) = delete;
    LockHeld& operator=(const LockHeld&) = delete;
    bool held() const { return lock_ == nullptr || result_ == DataFileLock::Result::kTaken; }
    // Not held because another copy kept it, rather than because the folder refused it.
    bool heldElsewhere() const {
        return lock_ != nullptr && result_ == DataFileLock::Result::kHeldElsewhere;
    }
    const std::string& error() const { return error_; }

  private:
    DataFileLock* lock_;
    DataFileLock::Result result_ = DataFileLock::Result::kTaken;
    std::string error_;
};

std::string BadLinesText(const std::vector<BadLine>& badLines) {
    std::string text;
    for (const BadLine& bad : badLines) {
        text += (text.empty() ? "" : "; ") + std::string("line ") + std::to_string(bad.line) +
                ": " + bad.reason;
    }
    return text;
}

std::string LineNumbers(const std::vector<BadLine>& badLines) {
    std::string text;
    for (size_t i = 0; i < badLines.size(); ++i) {
        if (i > 0) text += i + 1 == badLines.size() ? " and " : ", ";
        text += std::to_string(badLines[i].line);
    }
    return text;
}

const char* const kNotOnDisk =
    " They are not on the disk yet: the game keeps them and tries again at its next save.";

}  // namespace

DataFileReport DataFile::WriteBestScores(const BestScoreTable& table, const ColourModel& colours) {
    DataFileReport report = Save(table, colours);
    if (!report.message.empty()) return report;
    report.message = report.outcome == DataFileOutcome::kWritten
                         ? "The best scores and colours were saved in " + Shown(path_) + "."
                         : "The best scores and colours could not be saved in " + Shown(path_) +
                               " (" + report.problem + ")." + kNotOnDisk;
    return report;
}

DataFileReport DataFile::Save(const BestScoreTable& table, const ColourModel& colours) {
    DataFileReport report;
    report.file = path_;
    report.mayOverwrite = mayOverwrite_;
    auto refuse = [&](SaveRefusal refusal, std::string problem, std::string message) {
        report.outcome = DataFileOutcome::kNotWritten;
        report.refusal = refusal;
        report.problem = std::move(problem);
        report.message = std::move(message);
        return report;
    };
    if (!mayOverwrite_) {
        return refuse(SaveRefusal::kProtecting, "the file could not be read and is kept as it is",
                      "The best scores and colours were not saved, because the data file " +
                          Shown(path_) +
                          " could not be read when it was last loaded and is left as it is, so "
                          "that nothing in it is lost.");
    }
    const FileInspection inspection = Inspect(path_);
    if (!inspection.followed && !inspection.plantedLink) {
        return refuse(SaveRefusal::kFailed, inspection.error,
                      "The best scores and colours could not be saved in " + Shown(path_) + " (" +
                          inspection.error + ")." + kNotOnDisk);
    }
    if (!inspection.followed || (inspection.exists && !inspection.ownedByPlayer)) {
        const std::string why =
            inspection.followed ? "it belongs to another user" : inspection.error;
        return refuse(SaveRefusal::kNotOurs, why,
                      "The best scores and colours of this session cannot be saved in " +
                          Shown(path_) + ": " + why +
                          ", and the game never writes over it. To keep them, start the game in "
                          "a folder of your own.");
    }
    if (inspection.exists && inspection.regular && !inspection.ownerMayWrite) {
        return refuse(SaveRefusal::kReadOnly, "the file is read-only",
                      "The data file " + Shown(path_) +
                          " is read-only, so the best scores and colours of this session cannot "
                          "be saved until you make it writable. The game saves them at its next "
                          "save once it is.");
    }

    const LockHeld lock(lock_.get(), inspection.target);
    if (!lock.held() && !lock.heldElsewhere()) {
        return refuse(SaveRefusal::kFailed, lock.error(),
                      "The best scores and colours could not be saved in " + Shown(path_) + " (" +
                          lock.error() + ")." + kNotOnDisk);
    }
    if (!lock.held()) {
        return refuse(SaveRefusal::kLocked, lock.error(),
                      "The best scores and colours could not be saved in " + Shown(path_) +
                          ", because another copy of the game did not finish saving in time (" +
                          lock.error() + ")." + kNotOnDisk);
    }
    // No other save of this file runs now, so a temporary lying about is a killed save's.
    if (lock_ != nullptr) RemoveStaleTemporaries(inspection.target);

    // What other copies saved since this one last read or wrote the file.
    const SavedChoices mine{table, colours};
    const SavedChoices base = base_ ? *base_ : SavedChoices{BestScoreTable{}, ColourModel{}};
    SavedChoices theirs = base;
    std::string salvageNote;
    const ReadFileResult current = ReadWholeFile(path_, kMaxDataFileBytes);
    if (current.status == ReadStatus::kFailed) {
        return refuse(SaveRefusal::kFailed, current.error,
                      "The best scores and colours were not saved, because the data file " +
                          Shown(path_) + " could not be read just before (" + current.error +
                          ") and saving would replace it." + kNotOnDisk);
    }
    if (current.status != ReadStatus::kMissing) {
        SavedChoices read = base;
        const ParseResult parsed = current.status == ReadStatus::kOk
                                       ? ParseDataFile(current.text, read.table, read.colours)
                                       : ParseResult{};
        if (parsed.ok) theirs = read;
        if (!parsed.ok || !parsed.badLines.empty()) {
            // Someone else's damage is kept, as at start-up, before the file is replaced.
            const StoreResult kept = KeepAside(path_);
            if (!kept.ok) {
                return refuse(SaveRefusal::kFailed, kept.error,
                              "The best scores and colours were not saved, because the data file " +
                                  Shown(path_) + " has been damaged and could not be renamed (" +
                                  kept.error + ")." + kNotOnDisk);
            }
            report.keptAsideAs = kept.where;
            salvageNote = " The data file had been damaged meanwhile (" +
                          (current.status != ReadStatus::kOk ? current.error
                           : parsed.ok                       ? BadLinesText(parsed.badLines)
                                                             : parsed.Describe()) +
                          "); it has been kept as " + Shown(kept.where) + ".";
        }
    }
    SavedChoices merged = MergeSaves(base, mine, theirs);
    const StoreResult stored =
        WriteFileAtomically(path_, FormatDataFile(merged.table, merged.colours), inspection.mode);
    if (!stored.ok) {
        report.outcome = DataFileOutcome::kNotWritten;
        report.refusal = SaveRefusal::kFailed;
        report.problem = stored.error;
        return report;
    }
    report.outcome = DataFileOutcome::kWritten;
    // Memory keeps its own colours until the file is next read; so that another copy's colour
    // change is not taken for this copy's at the next save, base holds memory's colours.
    base_ = SavedChoices{merged.table, colours};
    report.savedTable = std::move(merged.table);
    if (!salvageNote.empty()) {
        report.problem = "the file had been damaged meanwhile";
        report.message =
            "The best scores and colours were saved in " + Shown(path_) + "." + salvageNote;
    }
    return report;
}

DataFileReport DataFile::SetAside(const BestScoreTable& table, const ColourModel& colours,
                                  std::string problem, bool damaged) {
    DataFileReport report;
    report.file = path_;
    report.problem = std::move(problem);
    const std::string opening = "The data file " + Shown(path_) +
                                (damaged ? " is damaged (" : " could not be read (") +
                                report.problem + ").";

    const FileInspection inspection = Inspect(path_);
    const StoreResult kept = KeepAside(path_);
    if (!kept.ok) {
        mayOverwrite_ = false;
        report.outcome = DataFileOutcome::kUnreadable;
        report.mayOverwrite = false;
        report.problem += "; it could not be renamed: " + kept.error;
        report.message = opening + " It could not be renamed either (" + kept.error +
                         "), so it is left as it is and will not be overwritten: changes made in "
                         "this session will not be saved." +
                         kGoesOn;
        return report;
    }

    report.outcome = DataFileOutcome::kKeptAside;
    report.keptAsideAs = kept.where;
    // The fresh file is as private as the one it replaces.
    const StoreResult fresh =
        WriteFileAtomically(path_, FormatDataFile(table, colours), inspection.mode);
    report.freshFileWritten = fresh.ok;
    report.mayOverwrite = mayOverwrite_;
    if (fresh.ok) {
        base_ = SavedChoices{table, colours};
        report.message = opening + " It has been kept as " + Shown(kept.where) +
                         " and a new data file has been written." + kGoesOn;
    } else {
        report.problem += "; a new file could not be written: " + fresh.error;
        report.message = opening + " It has been kept as " + Shown(kept.where) +
                         ", but a new data file could not be written (" + fresh.error + ")." +
                         kGoesOn;
    }
    return report;
}

DataFileReport DataFile::ReadBestScores(BestScoreTable& table, ColourModel& colours) {
    bool created = false;
    ReadFileResult read = ReadWholeFile(path_, kMaxDataFileBytes);
    if (read.status == ReadStatus::kMissing) {
        // A file kept from harm is gone: the player removed it, and a new one may be written.
        mayOverwrite_ = true;
        // Through the save, so that a copy starting at the same time is not written over.
        DataFileReport report = Save(table, colours);
        if (report.outcome != DataFileOutcome::kWritten) {
            report.message = "The data file " + Shown(path_) + " did not exist and could not be " +
                             "created (" + report.problem + ")." + kGoesOn;
            return report;
        }
        created = true;
        read = ReadWholeFile(path_, kMaxDataFileBytes);
    }
    if (read.status != ReadStatus::kOk) {
        // Another user's file, or a link someone else planted, is reported and left alone.
        const FileInspection inspection = Inspect(path_);
        if (inspection.plantedLink || (inspection.exists && !inspection.ownedByPlayer)) {
            mayOverwrite_ = false;
            DataFileReport report;
            report.file = path_;
            report.outcome = DataFileOutcome::kUnreadable;
            report.mayOverwrite = false;
            report.problem = inspection.followed ? read.error : inspection.error;
            report.message = "The data file " + Shown(path_) + " could not be read (" +
                             report.problem +
                             "). It is not the game's to move or replace, so it is left as it is "
                             "and changes made in this session will not be saved." +
                             kGoesOn;
            return report;
        }
        return SetAside(table, colours, read.error, read.status == ReadStatus::kTooLarge);
    }

    BestScoreTable newTable = table;
    ColourModel newColours = colours;
    const ParseResult parsed = ParseDataFile(read.text, newTable, newColours);
    if (!parsed.ok) return SetAside(table, colours, parsed.Describe(), true);
    table = std::move(newTable);
    colours = std::move(newColours);
    mayOverwrite_ = true;
    base_ = SavedChoices{table, colours};

    DataFileReport report;
    report.file = path_;
    report.outcome = created ? DataFileOutcome::kCreated : DataFileOutcome::kRead;
    report.message = created ? "The data file " + Shown(path_) +
                                   " did not exist, so it was created with the current best "
                                   "scores and colours."
                             : "The best scores and colours were read from " + Shown(path_) + ".";
    if (parsed.badLines.empty()) return report;

    // Every sound line is in memory; the original bytes are kept and a sound file takes their
    // place, so the bad lines are not met again at every start.
    report.problem = BadLinesText(parsed.badLines);
    const bool one = parsed.badLines.size() == 1;
    std::string message = "The data file " + Shown(path_) + " had " +
                          (one ? "a damaged line" : "damaged lines") + " (" + report.problem +
                          "). " + (one ? "Line " : "Lines ") + LineNumbers(parsed.badLines) +
                          (one ? " was" : " were") +
                          " dropped: an empty best-score slot or a default colour takes "
                          "its place, and everything else was read.";
    const FileInspection inspection = Inspect(path_);
    const StoreResult kept = inspection.ownedByPlayer
                                 ? KeepAside(path_)
                                 : StoreResult{false, "it belongs to another user", {}};
    if (kept.ok) {
        report.outcome = DataFileOutcome::kSalvaged;
        report.keptAsideAs = kept.where;
        const StoreResult fresh =
            WriteFileAtomically(path_, FormatDataFile(table, colours), inspection.mode);
        report.freshFileWritten = fresh.ok;
        message += " The original file has been kept as " + Shown(kept.where) +
                   (fresh.ok ? " and a new data file has been written."
                             : ", but a new data file could not be written (" + fresh.error + ").");
    }
    report.message = message;
    return report;
}

}  // namespace zendrix
