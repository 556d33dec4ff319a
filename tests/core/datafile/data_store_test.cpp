// Saving the data file when the player has made it a symbolic link or narrowed its permissions:
// the link must survive and its target get the contents, and the file must keep its mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures.h"
#include "platform/data_store.h"
#include "scores/data_file.h"

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace zendrix {
namespace {

namespace fs = std::filesystem;
using testing::BusyColours;
using testing::BusyTable;
using testing::Entries;
using testing::ReadBytes;
using testing::TempDirectory;
using testing::WriteBytes;

struct Link {
    std::string name;  // where the link is, inside the test directory
    std::string to;    // what it points at
    bool absolute;     // `to` is made absolute by putting the test directory in front
};

void MakeLinks(const TempDirectory& dir, const std::vector<Link>& links) {
    for (const Link& link : links) {
        const fs::path to = link.absolute ? dir.path() / link.to : fs::path(link.to);
        fs::create_symlink(to, dir / link.name);
    }
}

void ExpectLinksUnchanged(const TempDirectory& dir, const std::vector<Link>& links) {
    for (const Link& link : links) {
        SCOPED_TRACE(link.name);
        std::error_code ec;
        ASSERT_TRUE(fs::is_symlink(fs::symlink_status(dir / link.name, ec)));
        const fs::path to = link.absolute ? dir.path() / link.to : fs::path(link.to);
        EXPECT_EQ(fs::read_symlink(dir / link.name, ec), to);
    }
}

// Every name below the directory, links not followed, so that a stray temporary or a link
// replaced by a plain file shows.
std::vector<std::string> Tree(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(directory)) {
        names.push_back(entry.path().lexically_relative(directory).string() +
                        (entry.is_symlink() ? " (link)" : ""));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Octal(unsigned bits) {
    std::ostringstream out;
    out << '0' << std::oct << bits;
    return out.str();
}

fs::perms ModeOf(const fs::path& path) {
    return fs::status(path).permissions() & fs::perms::all;
}

// Sets the process umask for one test, so the default mode is known.
class Umask {
  public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }

  private:
    mode_t old_;
};

TEST(DataStoreLinks, SavingThroughALinkUpdatesItsTargetAndKeepsTheLink) {
    const struct {
        const char* what;
        std::string saved;  // the name the game saves to
        std::vector<Link> links;
        std::string target;  // the file that must receive the contents
        bool targetExists;
    } cases[] = {
        {"absolute link",
         "3DZendrix.dat",
         {{"3DZendrix.dat", "synced/real.dat", true}},
         "synced/real.dat",
         true},
        {"relative link",
         "3DZendrix.dat",
         {{"3DZendrix.dat", "synced/real.dat", false}},
         "synced/real.dat",
         true},
        {"relative link climbing out of its folder",
         "game/3DZendrix.dat",
         {{"game/3DZendrix.dat", "../synced/real.dat", false}},
         "synced/real.dat",
         true},
        {"chain of two links",
         "3DZendrix.dat",
         {{"3DZendrix.dat", "hop", false}, {"hop", "synced/real.dat", true}},
         "synced/real.dat",
         true},
        {"second link relative to its own folder",
         "3DZendrix.dat",
         {{"3DZendrix.dat", "synced/hop", false}, {"synced/hop", "real.dat", false}},
         "synced/real.dat",
         true},
        {"dangling link",
         "3DZendrix.dat",
         {{"3DZendrix.dat", "synced/new.dat", false}},
         "synced/new.dat",
         false},
        {"chain ending in a dangling link",
         "3DZendrix.dat",
         {{"3DZendrix.dat", "hop", true}, {"hop", "synced/new.dat", false}},
         "synced/new.dat",
         false},
    };
    for (const auto& [what, saved, links, target, targetExists] : cases) {
        SCOPED_TRACE(what);
        TempDirectory dir;
        fs::create_directories(dir / "synced");
        fs::create_directories(dir / "game");
        if (targetExists) WriteBytes(dir / target, "old contents");
        MakeLinks(dir, links);
        std::vector<std::string> expected = Tree(dir.path());
        if (!targetExists) {
            expected.push_back(target);
            std::sort(expected.begin(), expected.end());
        }

        const StoreResult stored = WriteFileAtomically(dir / saved, "new contents");
        ASSERT_TRUE(stored.ok) << stored.error;
        EXPECT_EQ(ReadBytes(dir / target), "new contents");
        EXPECT_EQ(ReadWholeFile(dir / saved, 100).text, "new contents");
        ExpectLinksUnchanged(dir, links);
        EXPECT_EQ(Tree(dir.path()), expected);
    }
}

TEST(DataStoreLinks, LinksThatLeadNowhereWritableFailCleanly) {
    std::vector<Link> tooLong;
    for (int i = 0; i < 50; ++i) {
        tooLong.push_back({i == 0 ? "3DZendrix.dat" : "hop" + std::to_string(i),
                           i == 49 ? "real.dat" : "hop" + std::to_string(i + 1), false});
    }
    const struct {
        const char* what;
        std::vector<Link> links;
    } cases[] = {
        {"loop of two links", {{"3DZendrix.dat", "hop", false}, {"hop", "3DZendrix.dat", true}}},
        {"link to itself", {{"3DZendrix.dat", "3DZendrix.dat", false}}},
        {"dangling link into a missing folder", {{"3DZendrix.dat", "missing/real.dat", false}}},
        {"dangling link into a plain file", {{"3DZendrix.dat", "real.dat/inside", false}}},
        {"chain of fifty links", tooLong},
    };
    for (const auto& [what, links] : cases) {
        SCOPED_TRACE(what);
        TempDirectory dir;
        WriteBytes(dir / "real.dat", "old contents");
        MakeLinks(dir, links);
        const std::vector<std::string> before = Tree(dir.path());

        const StoreResult stored = WriteFileAtomically(dir / "3DZendrix.dat", "new contents");
        EXPECT_FALSE(stored.ok);
        EXPECT_FALSE(stored.error.empty());
        EXPECT_EQ(ReadBytes(dir / "real.dat"), "old contents");
        ExpectLinksUnchanged(dir, links);
        EXPECT_EQ(Tree(dir.path()), before);
    }
}

TEST(DataStoreLinks, GameSavesThroughTheLinkItFoundAtStartUp) {
    TempDirectory dir;
    fs::create_directories(dir / "synced");
    fs::create_symlink("synced/3DZendrix.dat", dir / kDataFileName);
    DataFile file(dir.path());
    BestScoreTable table;
    ColourModel colours;

    // The link dangles at first: the game creates the file it names.
    EXPECT_EQ(file.ReadBestScores(table, colours).outcome, DataFileOutcome::kCreated);
    EXPECT_EQ(file.WriteBestScores(BusyTable(), BusyColours()).outcome, DataFileOutcome::kWritten);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / kDataFileName)));
    EXPECT_EQ(ReadBytes(dir / "synced" / kDataFileName),
              FormatDataFile(BusyTable(), BusyColours()));
    EXPECT_EQ(Entries(dir / "synced"), std::vector<std::string>{kDataFileName});
}

// The game's read of the data file in the directory, with scores and colours in memory.
DataFileReport ReadAtStartUp(const TempDirectory& dir) {
    DataFile file(dir.path());
    BestScoreTable table = BusyTable();
    ColourModel colours = BusyColours();
    return file.ReadBestScores(table, colours);
}

TEST(DataStoreLinks, ADamagedFileBehindALinkIsPutAsideBesideItAndTheLinkStays) {
    TempDirectory dir;
    fs::create_directories(dir / "synced");
    WriteBytes(dir / "synced" / "real.dat", "precious but damaged");
    fs::create_symlink("synced/real.dat", dir / kDataFileName);

    const DataFileReport report = ReadAtStartUp(dir);
    EXPECT_EQ(report.outcome, DataFileOutcome::kKeptAside);
    EXPECT_EQ(report.keptAsideAs, dir / "synced" / "real.dat.bad");
    EXPECT_EQ(ReadBytes(dir / "synced" / "real.dat.bad"), "precious but damaged");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / kDataFileName)));
    EXPECT_EQ(ReadBytes(dir / "synced" / "real.dat"), FormatDataFile(BusyTable(), BusyColours()));
    EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{kDataFileName, "synced"}));
}

TEST(DataStoreLinks, ALinkToAFolderIsPutAsideItselfAndTheFolderLeftAlone) {
    TempDirectory dir;
    fs::create_directories(dir / "folder");
    WriteBytes(dir / "folder" / "inside", "player's");
    fs::create_symlink("folder", dir / kDataFileName);

    EXPECT_EQ(ReadAtStartUp(dir).outcome, DataFileOutcome::kKeptAside);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / (std::string(kDataFileName) + ".bad"))));
    EXPECT_EQ(Entries(dir / "folder"), std::vector<std::string>{"inside"});
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / kDataFileName)));
}

TEST(DataStoreModes, SavingKeepsTheModeOfTheFileItReplaces) {
    const Umask umask(022);
    const struct {
        fs::perms mode;
        bool throughLink;
    } cases[] = {
        {fs::perms{0600}, false}, {fs::perms{0640}, false}, {fs::perms{0666}, false},
        {fs::perms{0400}, false}, {fs::perms{0600}, true},  {fs::perms{0640}, true},
    };
    for (const auto& [mode, throughLink] : cases) {
        SCOPED_TRACE(Octal(static_cast<unsigned>(mode)) + (throughLink ? " through a link" : ""));
        TempDirectory dir;
        WriteBytes(dir / "real.dat", "old contents");
        fs::permissions(dir / "real.dat", mode);
        if (throughLink) fs::create_symlink("real.dat", dir / "3DZendrix.dat");
        const fs::path saved = dir / (throughLink ? "3DZendrix.dat" : "real.dat");

        ASSERT_TRUE(WriteFileAtomically(saved, "new contents").ok);
        EXPECT_EQ(ReadBytes(dir / "real.dat"), "new contents");
        EXPECT_EQ(ModeOf(dir / "real.dat"), mode);
        // A second save starts from the kept mode, not from the default.
        ASSERT_TRUE(WriteFileAtomically(saved, "newer contents").ok);
        EXPECT_EQ(ModeOf(dir / "real.dat"), mode);
    }
}

TEST(DataStoreModes, NewFileGetsTheDefaultMode) {
    for (const mode_t mask : {mode_t{022}, mode_t{027}, mode_t{077}}) {
        SCOPED_TRACE("umask " + Octal(mask));
        const Umask umask(mask);
        TempDirectory dir;
        fs::create_symlink("dangling.dat", dir / "link.dat");

        ASSERT_TRUE(WriteFileAtomically(dir / "plain.dat", "contents").ok);
        ASSERT_TRUE(WriteFileAtomically(dir / "link.dat", "contents").ok);
        EXPECT_EQ(ModeOf(dir / "plain.dat"), fs::perms(0666 & ~mask));
        EXPECT_EQ(ModeOf(dir / "dangling.dat"), fs::perms(0666 & ~mask));
    }
}

TEST(DataStoreModes, APrivateFileStaysPrivateAfterSalvageAndAFreshStart) {
    const Umask umask(022);
    std::string badLine = FormatDataFile(BusyTable(), BusyColours());
    badLine.replace(0, badLine.find("\r\n"), "\"Ada\",1000,42,#TRUE#,#FALSE#,#FALSE#");
    for (const std::string& text : {badLine, std::string("not a data file")}) {
        SCOPED_TRACE(text.substr(0, 20));
        TempDirectory dir;
        WriteBytes(dir / kDataFileName, text);
        fs::permissions(dir / kDataFileName, fs::perms{0600});
        const DataFileReport report = ReadAtStartUp(dir);
        ASSERT_TRUE(report.freshFileWritten) << report.message;
        EXPECT_EQ(ModeOf(dir / kDataFileName), fs::perms{0600});
    }
}

TEST(DataStoreModes, AReadOnlyFileIsThePlayersChoiceAndStaysAsItIs) {
    TempDirectory dir;
    const std::string before = FormatDataFile(BusyTable(), BusyColours());
    WriteBytes(dir / kDataFileName, before);
    fs::permissions(dir / kDataFileName, fs::perms{0444});
    DataFile file(dir.path());
    BestScoreTable table;
    ColourModel colours;
    ASSERT_EQ(file.ReadBestScores(table, colours).outcome, DataFileOutcome::kRead);
    table.DeleteAll();
    const DataFileReport report = file.WriteBestScores(table, colours);
    EXPECT_EQ(report.refusal, SaveRefusal::kReadOnly);
    EXPECT_NE(report.message.find("read-only"), std::string::npos) << report.message;
    EXPECT_EQ(ReadBytes(dir / kDataFileName), before);
    EXPECT_EQ(ModeOf(dir / kDataFileName), fs::perms{0444});
}

TEST(DataStoreOpen, AFifoAtTheNameNeitherBlocksNorIsTakenForTheFile) {
    TempDirectory dir;
    ASSERT_EQ(::mkfifo((dir / kDataFileName).c_str(), 0600), 0);
    const ReadFileResult read = ReadWholeFile(dir / kDataFileName, kMaxDataFileBytes);
    EXPECT_EQ(read.status, ReadStatus::kFailed);
    EXPECT_EQ(read.error, "it is not a regular file");
    // The player's own FIFO is put aside like any damaged file, and play goes on.
    EXPECT_EQ(ReadAtStartUp(dir).outcome, DataFileOutcome::kKeptAside);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(dir / "3DZendrix.dat.bad")));
}

// Files and links of another user need root to be made (and a process that is not root to meet a
// file it cannot read). Each case runs in a child process as "nobody", the game's player there,
// in a sticky folder open to everyone, as /tmp is; the files belong to root.
TEST(DataStoreOwnership, AnotherUsersFilesAndPlantedLinksAreNeverFollowedRenamedOrReplaced) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root, to make files and links that belong to another user";
    }
    constexpr uid_t kNobody = 65534;
    const std::string intact = FormatDataFile(BusyTable(), BusyColours());
    const struct {
        const char* what;
        std::function<void(const fs::path&)> plant;  // as root, in the shared folder
        DataFileOutcome startUp;
        bool savesRefused;
    } cases[] = {
        {"a link planted by another user",
         [](const fs::path& at) {
             WriteBytes(at / "victim.dat", "root's own file");
             fs::create_symlink("victim.dat", at / kDataFileName);
         },
         DataFileOutcome::kUnreadable, true},
        {"another user's intact file the player cannot read",
         [&](const fs::path& at) {
             WriteBytes(at / kDataFileName, intact);
             fs::permissions(at / kDataFileName, fs::perms{0600});
         },
         DataFileOutcome::kUnreadable, true},
        {"another user's damaged file",
         [](const fs::path& at) { WriteBytes(at / kDataFileName, "damaged"); },
         DataFileOutcome::kUnreadable, true},
        {"another user's intact file the player can read",
         [&](const fs::path& at) { WriteBytes(at / kDataFileName, intact); },
         DataFileOutcome::kRead, true},
    };
    for (const auto& [what, plant, startUp, savesRefused] : cases) {
        SCOPED_TRACE(what);
        TempDirectory dir;
        const fs::path shared = dir / "shared";
        fs::create_directory(shared);
        fs::permissions(dir.path(), fs::perms{0755});
        fs::permissions(shared, fs::perms{01777});
        // Owned by a third user, so that root's link is not the folder owner's either.
        ASSERT_EQ(::chown(shared.c_str(), 12345, 12345), 0);
        plant(shared);
        const std::vector<std::string> before = Tree(shared);
        const std::string victim = ReadBytes(shared / "victim.dat");

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int failures = 0;
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(100);
            DataFile file(shared);
            BestScoreTable table = BusyTable();
            ColourModel colours;
            if (file.ReadBestScores(table, colours).outcome != startUp) failures |= 1;
            table.At(1, 1, 1).name = "Nobody";
            const DataFileReport save = file.WriteBestScores(table, colours);
            if ((save.outcome != DataFileOutcome::kWritten) != savesRefused) failures |= 2;
            ::_exit(failures);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: start-up outcome, 2: saving, 100: no nobody";
        EXPECT_EQ(Tree(shared), before);
        EXPECT_EQ(ReadBytes(shared / "victim.dat"), victim);
    }
    // The player's own link in the same kind of folder is followed as anywhere else.
    TempDirectory dir;
    fs::permissions(dir.path(), fs::perms{01777});
    fs::create_symlink("real.dat", dir / kDataFileName);
    EXPECT_TRUE(WriteFileAtomically(dir / kDataFileName, "contents").ok);
    EXPECT_EQ(ReadBytes(dir / "real.dat"), "contents");
}

}  // namespace
}  // namespace zendrix
#endif
