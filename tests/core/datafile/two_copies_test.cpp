// Two copies of the game saving one data file in turn: each keeps the other's results and colour
// changes, a deletion stays deleted, a lock that stays taken leaves the file alone, and the
// leftovers of killed saves are cleared away under the lock.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "scores/data_file.h"

namespace zendrix {
namespace {

namespace fs = std::filesystem;
using testing::Entries;
using testing::ReadBytes;
using testing::TempDirectory;
using testing::WriteBytes;

BestScoreEntry Result(const char* name, float score) {
    return BestScoreEntry{name, score, 60, false, false, false};
}

// One running copy of the game: its memory and its view of the file.
struct Copy {
    explicit Copy(const fs::path& directory) : file(directory) {
        EXPECT_TRUE(file.ReadBestScores(table, colours).outcome != DataFileOutcome::kNotWritten);
    }
    void Save() {
        const DataFileReport report = file.WriteBestScores(table, colours);
        ASSERT_EQ(report.outcome, DataFileOutcome::kWritten) << report.message;
        table = *report.savedTable;  // as the game does: other copies' results appear
    }
    std::vector<std::string> Names(int size, int density) const {
        std::vector<std::string> names;
        for (int rank = 1; rank <= kKeptRanks; ++rank) {
            names.push_back(table.At(size, density, rank).name);
        }
        return names;
    }

    DataFile file;
    BestScoreTable table;
    ColourModel colours;
};

std::vector<std::string> NamesInFile(const fs::path& directory, int size, int density) {
    Copy reader(directory);
    return reader.Names(size, density);
}

TEST(TwoCopies, KeepEachOthersResultsAndColoursAndDeletionsStay) {
    TempDirectory dir;
    Copy a(dir.path()), b(dir.path());

    a.table.At(1, 2, 1) = Result("Ann", 90);
    a.Save();
    b.table.At(1, 2, 1) = Result("Bob", 95);
    b.Save();
    EXPECT_EQ(b.Names(1, 2), (std::vector<std::string>{"Bob", "Ann", "", "", ""}));

    // A deletes its own result without ever having seen Bob's: Bob's stays, Ann's goes.
    a.table.DeleteRank(1, 2, 1);
    a.Save();
    EXPECT_EQ(NamesInFile(dir.path(), 1, 2), (std::vector<std::string>{"Bob", "", "", "", ""}));
    EXPECT_EQ(a.Names(1, 2), (std::vector<std::string>{"Bob", "", "", "", ""}));

    // Colours: each copy's own changes win, the rest is the file's.
    a.colours.itemColor[kItemGrid1] = 9;
    a.Save();
    b.colours.itemColor[kItemGrid2] = 5;
    b.colours.changeableName[2] = "Teal";
    b.Save();
    a.colours.itemColor[kItemMinefield] = 13;  // A still shows its own Grid 2 colour
    a.Save();
    Copy reader(dir.path());
    EXPECT_EQ(reader.colours.itemColor[kItemGrid1], 9);
    EXPECT_EQ(reader.colours.itemColor[kItemGrid2], 5);
    EXPECT_EQ(reader.colours.itemColor[kItemMinefield], 13);
    EXPECT_EQ(reader.colours.changeableName[2], "Teal");
}

TEST(TwoCopies, AResultPushedOutIsNoDeletion) {
    TempDirectory dir;
    {
        BestScoreTable full;
        const char* names[] = {"A", "B", "C", "D", "E"};
        for (int rank = 1; rank <= 5; ++rank) {
            full.At(2, 3, rank) =
                Result(names[rank - 1], 100.0f - 10.0f * static_cast<float>(rank));
        }
        ASSERT_TRUE(DataFile::WriteCopy(dir / kDataFileName, full, ColourModel{}).ok);
    }
    Copy a(dir.path()), b(dir.path());
    b.table.DeleteRank(2, 3, 4);  // D
    b.Save();
    // A's new result pushes E out of A's five; E is still one of the file's five best.
    a.table.newbestscore("X", 2, 3, GameResult{75, 60, false, false, false});
    a.Save();
    EXPECT_EQ(NamesInFile(dir.path(), 2, 3), (std::vector<std::string>{"A", "B", "X", "C", "E"}));
    // The same game saved again by both copies is counted once.
    b.table = a.table;
    b.Save();
    EXPECT_EQ(NamesInFile(dir.path(), 2, 3), (std::vector<std::string>{"A", "B", "X", "C", "E"}));
}

class FakeLock : public DataFileLock {
  public:
    explicit FakeLock(Result result) : result_(result) {}
    Result Lock(const fs::path& path, std::chrono::milliseconds timeout,
                std::string& error) override {
        asked = path;
        waited = timeout;
        if (result_ == Result::kHeldElsewhere) error = "held by process 4242";
        if (result_ == Result::kCannotCreate) error = "the folder cannot be written";
        held = result_ == Result::kTaken;
        return result_;
    }
    void Unlock() override { held = false; }

    fs::path asked;
    std::chrono::milliseconds waited{0};
    bool held = false;

  private:
    Result result_;
};

TEST(TwoCopies, ALockNotTakenLeavesTheFileAndSaysWhyAndThatTheDataIsNotOnDisk) {
    // Another copy holding the lock is not the same trouble as a folder refusing it: the player
    // is told which one it is.
    struct Case {
        DataFileLock::Result lockResult;
        SaveRefusal refusal;
        bool blamesAnotherCopy;
    };
    for (const Case& c : {Case{DataFileLock::Result::kHeldElsewhere, SaveRefusal::kLocked, true},
                          Case{DataFileLock::Result::kCannotCreate, SaveRefusal::kFailed, false}}) {
        TempDirectory dir;
        const std::string before = FormatDataFile(BestScoreTable{}, ColourModel{});
        WriteBytes(dir / kDataFileName, before);
        auto lock = std::make_shared<FakeLock>(c.lockResult);
        DataFile file(dir.path(), lock);
        BestScoreTable table;
        table.At(1, 1, 1) = Result("Waiting", 50);

        const DataFileReport report = file.WriteBestScores(table, ColourModel{});
        EXPECT_EQ(report.outcome, DataFileOutcome::kNotWritten);
        EXPECT_EQ(report.refusal, c.refusal);
        EXPECT_NE(report.message.find("not on the disk yet"), std::string::npos) << report.message;
        EXPECT_EQ(report.message.find("another copy") != std::string::npos, c.blamesAnotherCopy)
            << report.message;
        EXPECT_EQ(lock->asked, dir / "3DZendrix.dat.lock");
        EXPECT_GE(lock->waited, std::chrono::milliseconds(1000));
        EXPECT_FALSE(lock->held);
        EXPECT_EQ(ReadBytes(dir / kDataFileName), before);
    }
}

TEST(TwoCopies, LeftoversOfKilledSavesNeverBlockASaveAndGoUnderTheLock) {
    TempDirectory dir;
    std::vector<std::string> leftovers = {"3DZendrix.dat.tmp", "3DZendrix.dat.tmp-k3x9q2"};
    for (int n = 1; n <= 150; ++n) leftovers.push_back("3DZendrix.dat.tmp." + std::to_string(n));
    for (const std::string& name : leftovers) WriteBytes(dir / name, "half a save");
    // Not the game's leftovers: a folder, and a file of another name.
    fs::create_directory(dir / "3DZendrix.dat.tmp.151");
    WriteBytes(dir / "3DZendrix.dat.tmpl", "the player's");

    auto lock = std::make_shared<FakeLock>(DataFileLock::Result::kTaken);
    DataFile file(dir.path(), lock);
    BestScoreTable table;
    ColourModel colours;
    EXPECT_EQ(file.ReadBestScores(table, colours).outcome, DataFileOutcome::kCreated);
    EXPECT_FALSE(lock->held);
    EXPECT_EQ(
        Entries(dir.path()),
        (std::vector<std::string>{"3DZendrix.dat", "3DZendrix.dat.tmp.151", "3DZendrix.dat.tmpl"}));
}

}  // namespace
}  // namespace zendrix
