// Reading and saving the data file in a private directory: first run, round trip, damaged files
// kept aside with memory left alone, and folders that cannot be written.
#include <gtest/gtest.h>

#include <algorithm>

#include "fixtures.h"
#include "platform/data_store.h"
#include "scores/data_file.h"

namespace zendrix {
namespace {

namespace fs = std::filesystem;
using testing::BusyColours;
using testing::BusyTable;
using testing::Entries;
using testing::ExpectSameColours;
using testing::ReadBytes;
using testing::TempDirectory;
using testing::WriteBytes;

// The file's text with line `number` (1-based) replaced.
std::string WithLine(const std::string& text, int number, const std::string& line) {
    size_t start = 0;
    for (int i = 1; i < number; ++i) start = text.find("\r\n", start) + 2;
    return text.substr(0, start) + line + text.substr(text.find("\r\n", start));
}

TEST(DataFileStore, FirstRunCreatesThe93LineFileFromMemory) {
    TempDirectory dir;
    BestScoreTable table;
    ColourModel colours;
    const DataFileReport report = DataFile(dir.path()).ReadBestScores(table, colours);

    EXPECT_EQ(report.outcome, DataFileOutcome::kCreated);
    EXPECT_FALSE(report.NeedsAttention());
    const std::string text = ReadBytes(dir / kDataFileName);
    EXPECT_EQ(text, FormatDataFile(BestScoreTable{}, ColourModel{}));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 93);
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{kDataFileName});
}

TEST(DataFileStore, WriteReadWriteIsByteIdentical) {
    TempDirectory dir;
    DataFile file(dir.path());
    ASSERT_EQ(file.WriteBestScores(BusyTable(), BusyColours()).outcome, DataFileOutcome::kWritten);
    const std::string first = ReadBytes(dir / kDataFileName);

    BestScoreTable table;
    ColourModel colours;
    ASSERT_EQ(file.ReadBestScores(table, colours).outcome, DataFileOutcome::kRead);
    EXPECT_EQ(table, BusyTable());
    ExpectSameColours(colours, BusyColours());
    ASSERT_EQ(file.WriteBestScores(table, colours).outcome, DataFileOutcome::kWritten);
    EXPECT_EQ(ReadBytes(dir / kDataFileName), first);
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{kDataFileName});
}

TEST(DataFileStore, FileOfAnotherShapeIsKeptAsideAndMemoryKept) {
    // Written from other values than memory holds, so a half-filled table would show.
    BestScoreTable other;
    other.At(1, 1, 1) = {"Other", 12.5f, 7, false, false, false};
    const std::string good = FormatDataFile(other, ColourModel{});
    std::string garbage;
    for (int i = 0; i < 4000; ++i) garbage += static_cast<char>(i * 37 % 256);
    const struct {
        const char* what;
        std::string text;
        int line;  // where the reader should find the damage; 0: anywhere
    } damaged[] = {
        {"empty", "", 1},
        {"92 lines", good.substr(0, good.rfind("0,0,0,")), 93},
        {"cut mid-line", good.substr(0, good.find("\r\n", 1200) - 9), 0},
        {"text after line 93", good + "more\r\n", 94},
        {"a NUL byte in a name",
         WithLine(good, 5, std::string("\"A\0n\",0,0,#FALSE#,#FALSE#,#FALSE#", 30)), 5},
        {"binary garbage", garbage, 0},
        {"over a megabyte", std::string(kMaxDataFileBytes + 1, '\n'), 0},
    };
    for (const auto& [what, text, line] : damaged) {
        SCOPED_TRACE(what);
        BestScoreTable table = BusyTable();
        ColourModel colours = BusyColours();
        const ParseResult parsed = ParseDataFile(text, table, colours);
        EXPECT_FALSE(parsed.ok);
        if (line != 0) {
            EXPECT_EQ(parsed.line, line) << parsed.Describe();
        }
        EXPECT_EQ(table, BusyTable());

        TempDirectory dir;
        WriteBytes(dir / kDataFileName, text);
        DataFile file(dir.path());
        const DataFileReport report = file.ReadBestScores(table, colours);
        EXPECT_EQ(report.outcome, DataFileOutcome::kKeptAside) << report.message;
        EXPECT_TRUE(report.NeedsAttention() && report.freshFileWritten && file.mayOverwrite());
        EXPECT_NE(report.message.find("3DZendrix.dat.bad\""), std::string::npos) << report.message;
        EXPECT_EQ(table, BusyTable());
        ExpectSameColours(colours, BusyColours());
        EXPECT_EQ(ReadBytes(dir / "3DZendrix.dat.bad"), text);
        EXPECT_EQ(ReadBytes(dir / kDataFileName), FormatDataFile(table, colours));
    }
}

TEST(DataFileStore, ABadFieldCostsOnlyItsOwnLine) {
    // Combination (1, 1) holds three results; a bad one closes up, the others stay in order.
    BestScoreTable stored;
    stored.At(1, 1, 1) = {"Ann", 90, 10, false, false, false};
    stored.At(1, 1, 2) = {"Bob", 80, 20, false, false, false};
    stored.At(1, 1, 3) = {"Cy", 70, 30, false, false, false};
    stored.At(3, 5, 1) = {"Dee", 60, 40, false, true, false};
    const ColourModel storedColours = BusyColours();
    const std::string good = FormatDataFile(stored, storedColours);
    const std::string entry = "\"Bob\",80,20,#FALSE#,#FALSE#,";
    const struct {
        const char* what;
        int line;
        std::string text;
    } damaged[] = {
        {"bad number", 2, "\"Bob\",8x0,20,#FALSE#,#FALSE#,#FALSE#"},
        {"score 150", 2, "\"Bob\",150,20,#FALSE#,#FALSE#,#FALSE#"},
        {"time near double max", 2,
         "\"Bob\",80," + std::to_string(1.7976931348623157e308).substr(0, 309) +
             ",#FALSE#,#FALSE#,#FALSE#"},
        {"exponent", 2, "\"Bob\",8e1,20,#FALSE#,#FALSE#,#FALSE#"},
        {"time -5", 2, "\"Bob\",80,-5,#FALSE#,#FALSE#,#FALSE#"},
        {"time 1.5", 2, "\"Bob\",80,1.5,#FALSE#,#FALSE#,#FALSE#"},
        {"bad boolean", 2, entry + "#YES#"},
        {"stray quote", 2, "\"Bo\"b\",80,20,#FALSE#,#FALSE#,#FALSE#"},
        {"unterminated quote", 2, "\"Bob,80,20,#FALSE#,#FALSE#,#FALSE#"},
        {"unquoted name", 2, "Bob,80,20,#FALSE#,#FALSE#,#FALSE#"},
        {"extra field", 2, entry + "#FALSE#,#FALSE#"},
        {"item colour 4.5", 80, "4.5"},
        {"item colour 22", 80, "22"},
        {"component 257", 88, "0,257,0,\"Changeable 1\""},
        {"component -1", 93, "0,0,-1,\"Changeable 6\""},
    };
    for (const auto& [what, line, text] : damaged) {
        SCOPED_TRACE(what);
        BestScoreTable expected = stored;
        ColourModel expectedColours = storedColours;
        if (line == 2) {
            expected.At(1, 1, 2) = stored.At(1, 1, 3);
            expected.At(1, 1, 3) = BestScoreEntry{};
        } else if (line <= kBestScoreLines + kSavedItemCount) {
            const int item = line - kBestScoreLines - 1;
            expectedColours.itemColor[item] = expectedColours.defaultItemColor[item];
        } else {
            const int slot = line - kBestScoreLines - kSavedItemCount - 1;
            expectedColours.paletteRed[kFirstChangeable + slot] = 0;
            expectedColours.paletteGreen[kFirstChangeable + slot] = 0;
            expectedColours.paletteBlue[kFirstChangeable + slot] = 0;
            expectedColours.changeableName[slot] = DefaultChangeableName(slot);
        }

        TempDirectory dir;
        const std::string original = WithLine(good, line, text);
        WriteBytes(dir / kDataFileName, original);
        BestScoreTable table;
        ColourModel colours;
        const DataFileReport report = DataFile(dir.path()).ReadBestScores(table, colours);
        EXPECT_EQ(report.outcome, DataFileOutcome::kSalvaged) << report.message;
        EXPECT_NE(report.message.find("Line " + std::to_string(line) + " was dropped"),
                  std::string::npos)
            << report.message;
        EXPECT_EQ(table, expected);
        ExpectSameColours(colours, expectedColours);
        // The original bytes are kept, and a sound file takes their place.
        EXPECT_EQ(ReadBytes(dir / "3DZendrix.dat.bad"), original);
        EXPECT_EQ(ReadBytes(dir / kDataFileName), FormatDataFile(expected, expectedColours));
    }
}

TEST(DataFileStore, LaterDamagedFilesNeverOverwriteEarlierCopies) {
    TempDirectory dir;
    DataFile file(dir.path());
    BestScoreTable table;
    ColourModel colours;
    for (const char* text : {"first", "second", "third"}) {
        WriteBytes(dir / kDataFileName, text);
        file.ReadBestScores(table, colours);
    }
    EXPECT_EQ(ReadBytes(dir / "3DZendrix.dat.bad"), "first");
    EXPECT_EQ(ReadBytes(dir / "3DZendrix.dat.bad.1"), "second");
    EXPECT_EQ(ReadBytes(dir / "3DZendrix.dat.bad.2"), "third");
}

TEST(DataFileStore, DamagedFileThatCannotBeMovedIsNeverOverwritten) {
    TempDirectory dir;
    WriteBytes(dir / "3DZendrix.dat.bad", "");
    for (int copy = 1; copy <= kMaxKeptAsideCopies; ++copy) {
        WriteBytes(dir / ("3DZendrix.dat.bad." + std::to_string(copy)), "");
    }
    WriteBytes(dir / kDataFileName, "precious but damaged");
    DataFile file(dir.path());
    BestScoreTable table = BusyTable();
    ColourModel colours;

    const DataFileReport read = file.ReadBestScores(table, colours);
    EXPECT_EQ(read.outcome, DataFileOutcome::kUnreadable);
    EXPECT_FALSE(read.mayOverwrite || file.mayOverwrite());
    EXPECT_EQ(table, BusyTable());
    EXPECT_EQ(file.WriteBestScores(table, colours).outcome, DataFileOutcome::kNotWritten);
    EXPECT_EQ(ReadBytes(dir / kDataFileName), "precious but damaged");

    // Once the player has removed it, the game saves again.
    fs::remove(dir / kDataFileName);
    EXPECT_EQ(file.ReadBestScores(table, colours).outcome, DataFileOutcome::kCreated);
    EXPECT_TRUE(file.mayOverwrite());
}

TEST(DataFileStore, UnwritableFolderFailsCleanlyAndKeepsMemory) {
    TempDirectory dir;
    WriteBytes(dir / "plain-file", "not a folder");
    for (const fs::path& folder : {dir / "missing" / "folder", dir / "plain-file"}) {
        SCOPED_TRACE(folder.string());
        DataFile file(folder);
        BestScoreTable table = BusyTable();
        ColourModel colours = BusyColours();
        const DataFileReport write = file.WriteBestScores(table, colours);
        EXPECT_EQ(write.outcome, DataFileOutcome::kNotWritten);
        EXPECT_NE(write.message.find(kDataFileName), std::string::npos);
        const DataFileReport read = file.ReadBestScores(table, colours);
        EXPECT_EQ(read.outcome, DataFileOutcome::kNotWritten);
        EXPECT_TRUE(read.NeedsAttention());
        EXPECT_EQ(table, BusyTable());
        ExpectSameColours(colours, BusyColours());
    }
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"plain-file"});
}

TEST(DataFileStore, FailedReplaceLeavesNoTemporaryBehind) {
    TempDirectory dir;
    fs::create_directories(dir / "occupied" / "inside");
    EXPECT_FALSE(WriteFileAtomically(dir / "occupied", "text").ok);
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"occupied"});
    EXPECT_TRUE(fs::exists(dir / "occupied" / "inside"));
}

TEST(DataFileStore, ItemColoursOutsideThePaletteAreNamedAndFallBackToTheirDefaults) {
    std::string text = FormatDataFile(BusyTable(), BusyColours());
    text = WithLine(WithLine(WithLine(text, 76, "22"), 81, "-1"), 87, "99999999999999999999");
    TempDirectory dir;
    WriteBytes(dir / kDataFileName, text);
    BestScoreTable table;
    ColourModel colours;
    const DataFileReport report = DataFile(dir.path()).ReadBestScores(table, colours);

    EXPECT_EQ(report.outcome, DataFileOutcome::kSalvaged);
    EXPECT_TRUE(report.NeedsAttention());
    for (const char* item : {"\"Markers\"", "\"2 Mines\"", "\"All numbers\""}) {
        EXPECT_NE(report.message.find(item), std::string::npos) << report.message;
    }
    EXPECT_NE(report.message.find("Lines 76, 81 and 87 were dropped"), std::string::npos)
        << report.message;
    ColourModel expected = BusyColours();
    expected.itemColor[0] = 4;
    expected.itemColor[5] = 7;
    expected.itemColor[11] = 0;
    ExpectSameColours(colours, expected);
    EXPECT_EQ(table, BusyTable());
}

}  // namespace
}  // namespace zendrix
