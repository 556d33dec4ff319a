// Converts the best-scores table and colour choices to and from the data file's text, and reads
// and saves the file so that a damaged or unwritable file never costs the player anything held
// in memory.
#include "scores/data_file.h"

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
                      " are expected";
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
        result.replacedItems.clear();
        return result;
    };
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

    // Everything goes into copies first, so a fault on line 93 leaves the game's values whole.
    BestScoreTable newTable = table;
    ColourModel newColours = colours;
    int number = 0;
    for (int size = 1; size <= kSizeCount; ++size) {
        for (int density = 1; density <= kDensityCount; ++density) {
            for (int rank = 1; rank <= kKeptRanks; ++rank) {
                LineParser line(lines[static_cast<size_t>(number++)]);
                BestScoreEntry entry;
                std::string name;
                const bool ok = line.Split(6) && line.Text(0, "the name", name) &&
                                line.Score(1, entry.score) && line.Time(2, entry.time) &&
                                line.Flag(3, "the reach 6 flag", entry.reach6Used) &&
                                line.Flag(4, "the reach 18 flag", entry.reach18Used) &&
                                line.Flag(5, "the demo minefield flag", entry.demoMinefield);
                if (!ok) return fail(number, line.reason());
                entry.name = TruncateName(name);
                newTable.At(size, density, rank) = std::move(entry);
            }
        }
    }
    for (int item = 0; item < kSavedItemCount; ++item) {
        LineParser line(lines[static_cast<size_t>(number++)]);
        bool inRange = false;
        int16_t value = 0;
        if (!line.Split(1) ||
            !line.Integer(0, "the item colour", 0, kPaletteSize - 1, value, inRange)) {
            return fail(number, line.reason());
        }
        if (!inRange) {
            // One bad colour is not worth the player's scores: that item goes back to its default.
            value = newColours.defaultItemColor[item];
            result.replacedItems.push_back(item);
        }
        newColours.itemColor[item] = value;
    }
    for (int slot = 0; slot < kChangeableCount; ++slot) {
        LineParser line(lines[static_cast<size_t>(number++)]);
        const int entry = kFirstChangeable + slot;
        const bool ok = line.Split(4) &&
                        line.Component(0, "the red component", newColours.paletteRed[entry]) &&
                        line.Component(1, "the green component", newColours.paletteGreen[entry]) &&
                        line.Component(2, "the blue component", newColours.paletteBlue[entry]) &&
                        line.Text(3, "the colour name", newColours.changeableName[slot]);
        if (!ok) return fail(number, line.reason());
    }

    table = std::move(newTable);
    colours = std::move(newColours);
    result.ok = true;
    return result;
}

DataFile::DataFile(fs::path directory) : path_(std::move(directory) / kDataFileName) {}

DataFileReport DataFile::Write(const BestScoreTable& table, const ColourModel& colours) {
    DataFileReport report;
    report.file = path_;
    const StoreResult stored = WriteFileAtomically(path_, FormatDataFile(table, colours));
    report.outcome = stored.ok ? DataFileOutcome::kWritten : DataFileOutcome::kNotWritten;
    report.problem = stored.error;
    report.mayOverwrite = mayOverwrite_;
    return report;
}

DataFileReport DataFile::WriteBestScores(const BestScoreTable& table, const ColourModel& colours) {
    if (!mayOverwrite_) {
        DataFileReport report;
        report.file = path_;
        report.outcome = DataFileOutcome::kNotWritten;
        report.mayOverwrite = false;
        report.problem = "the file could not be read and is kept as it is";
        report.message = "The best scores and colours were not saved, because the data file " +
                         Shown(path_) +
                         " could not be read when it was last loaded and is left as it is, so "
                         "that nothing in it is lost.";
        return report;
    }
    DataFileReport report = Write(table, colours);
    report.message = report.outcome == DataFileOutcome::kWritten
                         ? "The best scores and colours were saved in " + Shown(path_) + "."
                         : "The best scores and colours could not be saved in " + Shown(path_) +
                               " (" + report.problem +
                               "). The game keeps them in memory as they are.";
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
    const StoreResult fresh = WriteFileAtomically(path_, FormatDataFile(table, colours));
    report.freshFileWritten = fresh.ok;
    report.mayOverwrite = mayOverwrite_;
    if (fresh.ok) {
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
        DataFileReport report = Write(table, colours);
        if (report.outcome != DataFileOutcome::kWritten) {
            report.message = "The data file " + Shown(path_) + " did not exist and could not be " +
                             "created (" + report.problem + ")." + kGoesOn;
            return report;
        }
        created = true;
        read = ReadWholeFile(path_, kMaxDataFileBytes);
    }
    if (read.status != ReadStatus::kOk)
        return SetAside(table, colours, read.error, read.status == ReadStatus::kTooLarge);

    const ParseResult parsed = ParseDataFile(read.text, table, colours);
    if (!parsed.ok) return SetAside(table, colours, parsed.Describe(), true);

    mayOverwrite_ = true;
    DataFileReport report;
    report.file = path_;
    report.outcome = created ? DataFileOutcome::kCreated : DataFileOutcome::kRead;
    report.message = created ? "The data file " + Shown(path_) +
                                   " did not exist, so it was created with the current best "
                                   "scores and colours."
                             : "The best scores and colours were read from " + Shown(path_) + ".";
    if (!parsed.replacedItems.empty()) {
        std::string items;
        for (const int item : parsed.replacedItems) {
            report.problem += (report.problem.empty() ? "" : "; ") + std::string("line ") +
                              std::to_string(kBestScoreLines + item + 1) +
                              ": the item colour is not a palette entry";
            items += (items.empty() ? "" : ", ") + Quoted(kItemNames[static_cast<size_t>(item)]);
        }
        report.message += " The colour stored for " + items +
                          " was not a valid colour and has been set back to its default.";
    }
    return report;
}

}  // namespace zendrix
