// The best-scores window's texts: column alignment blanks, the single-precision "0" rule, the cut
// adjusted value, notes and footnotes, and which Delete items a combination offers.
#include <gtest/gtest.h>

#include "scores/best_scores_view.h"

namespace zendrix {
namespace {

const std::string kHeading =
    std::string(20, ' ') + "Score\r\n  Score      Adjusted      Time            Name ";
const std::string kNotes = std::string(40, ' ') + "Notes";
const std::string kTitle = "    Footnotes:\r\n";
const std::string kReach6 = "          (6)   - used the Mine Reach 'Only 6 sides'\r\n";
const std::string kReach18 = "         (18)  - used the Mine Reach 'Nearest 18 sides or edges'\r\n";
const std::string kDemo = "          (D)  - used a Demo Minefield";

BestScoreEntry Entry(std::string name, float score, double time = 0, bool reach6 = false,
                     bool reach18 = false, bool demo = false) {
    return BestScoreEntry{std::move(name), score, time, reach6, reach18, demo};
}

TEST(BestScoresView, EmptyCombinationShowsOnlyItsCaptions) {
    BestScoreTable table;
    table.At(3, 4, 1) = Entry("Elsewhere", 80, 10, true, true, true);
    const std::string gap(59, ' ');
    const struct {
        int size, density;
        std::string line;
    } cases[] = {
        {1, 1, "Minefield size: Small    " + gap + "Mine density:    2%"},
        {2, 2, "Minefield size: Medium" + gap + "Mine density:    4%"},
        {3, 3, "Minefield size: Large    " + gap + "Mine density:    8%"},
        {1, 4, "Minefield size: Small    " + gap + "Mine density:  16%"},
        {3, 5, "Minefield size: Large    " + gap + "Mine density:  32%"},
    };
    for (const auto& c : cases) {
        const BestScoresContent content = ShowBestTimes(table, c.size, c.density);
        EXPECT_EQ(content.sizeAndDensity, c.line);
        EXPECT_EQ(content.tableHeading, kHeading);
        EXPECT_EQ(content.numbers + content.scores + content.adjustedScores + content.times +
                      content.names + content.notes + content.footnotes,
                  "");
        EXPECT_FALSE(content.footnotesVisible);
        EXPECT_EQ(content.scoreItemVisible, (std::array<bool, 5>{}));
    }
}

TEST(BestScoresView, ThreeResultsFillThreeLinesAndOfferThreeDeletions) {
    BestScoreTable table;
    table.At(2, 3, 1) = Entry("Ann", 100, 125);
    table.At(2, 3, 2) = Entry("<b>x</b>", 45.67f, 3600);
    table.At(2, 3, 3) = Entry("two\r\nlines", 7.25f, 59);

    const BestScoresContent content = ShowBestTimes(table, 2, 3);
    EXPECT_EQ(content.displayedSize, 2);
    EXPECT_EQ(content.displayedDensity, 3);
    EXPECT_EQ(content.numbers, "1)\r\n2)\r\n3)\r\n");
    EXPECT_EQ(content.scores, "100.00\r\n   45.67\r\n     7.25\r\n");
    EXPECT_EQ(content.adjustedScores, "100.00\r\n   45.67\r\n     7.25\r\n");
    EXPECT_EQ(content.times, "00:02:05\r\n01:00:00\r\n00:00:59\r\n");
    // A line break in a name would push the names below it out of their rows.
    EXPECT_EQ(content.names, "Ann\r\n<b>x</b>\r\ntwo  lines\r\n");
    EXPECT_EQ(content.notes, "\r\n \r\n \r\n");
    EXPECT_FALSE(content.footnotesVisible);
    EXPECT_EQ(content.scoreItemVisible, (std::array<bool, 5>{true, true, true, false, false}));
}

TEST(BestScoresView, NotesAndFootnotesFollowTheFlags) {
    const struct {
        const char* what;
        std::vector<BestScoreEntry> entries;
        std::string adjusted, notes, footnotes;
    } cases[] = {
        {"100 at reach 18 in rank 1",
         {Entry("A", 100, 0, false, true)},
         "  50.00\r\n",
         "(18)\r\n",
         kTitle + kReach18},
        {"demo only",
         {Entry("A", 60, 0, false, false, true), Entry("B", 50, 0, false, false, true)},
         "  60.00\r\n   50.00\r\n",
         " (D)\r\n  (D)\r\n",
         kTitle + kDemo},
        {"both reach flags",
         {Entry("A", 80, 0, true, true), Entry("B", 70, 0, true, true)},
         "  20.00\r\n   17.5\r\n",
         " (6) (18)\r\n  (6) (18)\r\n",
         kTitle + kReach6 + kReach18},
        {"all three, footnotes in fixed order",
         {Entry("A", 90, 0, false, false, true), Entry("B", 80, 0, false, true),
          Entry("C", 99.99f, 0, true, false, true)},
         "  90.00\r\n   40.00\r\n   24.99\r\n",
         " (D)\r\n(18)\r\n  (6)  (D)\r\n",
         kTitle + kReach6 + kReach18 + kDemo},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BestScoreTable table;
        for (size_t i = 0; i < c.entries.size(); ++i) {
            table.At(3, 1, static_cast<int>(i) + 1) = c.entries[i];
        }
        const BestScoresContent content = ShowBestTimes(table, 3, 1);
        EXPECT_EQ(content.adjustedScores, c.adjusted);
        EXPECT_EQ(content.notes, c.notes);
        EXPECT_TRUE(content.footnotesVisible);
        EXPECT_EQ(content.footnotes, c.footnotes);
        EXPECT_EQ(content.tableHeading, kHeading + kNotes);
    }
}

TEST(BestScoresView, ScoreColumnBlanksAndDecimals) {
    const struct {
        float score;
        int rank;
        const char* expected;
    } cases[] = {
        {100, 1, "100.00"},
        {100, 2, " 100.00"},
        {45.5f, 1, "  45.50"},
        {45.5f, 3, "   45.50"},
        {7.25f, 1, "    7.25"},
        {7.25f, 5, "     7.25"},
        {5, 1, "    5.00"},
        {10, 2, "   10.00"},
        {0.5f, 1, "    0.50"},
        // Stored as 45.5999985: the product 455.9999847 is a tie that single precision takes to
        // 456, above its integer part, so no "0" is added.
        {45.6f, 1, "  45.6"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScoreColumnText(c.score, c.rank), c.expected) << c.score << " rank " << c.rank;
    }
}

TEST(BestScoresView, AdjustedColumnCutsInSinglePrecision) {
    const struct {
        BestScoreEntry entry;
        const char* expected;
    } cases[] = {
        {Entry("reach 6", 99.99f, 0, true), "  24.99"},  // 24.9975 cut, not rounded
        {Entry("reach 18", 25, 0, false, true), "  12.5"},
        {Entry("slow", 100, 99999), "100.00"},  // the ranking's time term never shows
        // In double precision 100 x 45.67f is 4566.9998 and would cut to 45.66.
        {Entry("reach 26", 45.67f), "  45.67"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AdjustedColumnText(c.entry, 1), c.expected) << c.entry.name;
    }
}

TEST(BestScoresView, BackgroundOutgrowsTheClientArea) {
    EXPECT_EQ(BestScoresBackgroundSize(5505, 3450), (BackgroundSize{5535, 6555}));
    EXPECT_EQ(BestScoresBackgroundSize(583, 336), (BackgroundSize{586, 638}));
    // Large enough that a 32-bit product would overflow.
    EXPECT_EQ(BestScoresBackgroundSize(1000000, 1000000), (BackgroundSize{1005449, 1900000}));
}

}  // namespace
}  // namespace zendrix
