// Ranking, insertion and deletion in the best-scores table; names the file can carry.
#include <gtest/gtest.h>

#include "scores/best_scores.h"
#include "scores/score.h"

namespace zendrix {
namespace {

GameResult Result(float score, double time = 100, bool r6 = false, bool r18 = false) {
    return {score, time, r6, r18, false};
}

std::vector<std::string> Names(const BestScoreTable& table, int size, int density) {
    std::vector<std::string> names;
    for (int rank = 1; rank <= 5; ++rank) names.push_back(table.At(size, density, rank).name);
    return names;
}

TEST(BestScores, InsertionKeepsRankOrderAndDropsTheFifth) {
    BestScoreTable table;
    const std::pair<const char*, float> games[] = {{"a", 90}, {"b", 70}, {"c", 50},
                                                   {"d", 30}, {"e", 10}, {"f", 60}};
    for (const auto& [name, score] : games) table.newbestscore(name, 2, 3, Result(score));
    EXPECT_EQ(Names(table, 2, 3), (std::vector<std::string>{"a", "b", "f", "c", "d"}));
    EXPECT_EQ(table.At(2, 3, 6).name, "e") << "the old rank 5 falls into the spare slot";
    EXPECT_DOUBLE_EQ(table.GetBestScore(2, 3), AdjustedScore(30, 100, false, false));
    EXPECT_EQ(Names(table, 1, 1), std::vector<std::string>(5, ""))
        << "other combinations untouched";
}

TEST(BestScores, TiesKeepTheOlderEntryAheadAndShorterTimesRankHigher) {
    BestScoreTable table;
    table.newbestscore("old", 1, 1, Result(50, 100));
    table.newbestscore("new", 1, 1, Result(50, 100));
    table.newbestscore("quick", 1, 1, Result(50, 99));
    table.newbestscore("slow", 1, 1, Result(50, 101));
    EXPECT_EQ(Names(table, 1, 1), (std::vector<std::string>{"quick", "old", "new", "slow", ""}));
}

TEST(BestScores, ReachFactorsDecideTheRank) {
    BestScoreTable table;
    table.newbestscore("thirty", 3, 5, Result(30));
    table.newbestscore("perfect at reach 6", 3, 5, Result(100, 100, true));
    EXPECT_EQ(Names(table, 3, 5)[1], "perfect at reach 6");
    EXPECT_TRUE(table.At(3, 5, 2).reach6Used);
}

TEST(BestScores, ZeroOrNegativeNeverEntersEvenAnEmptyTable) {
    BestScoreTable table;
    table.newbestscore("zero", 1, 2, Result(0, 0));
    table.newbestscore("zero with time", 1, 2, Result(0, 10));
    EXPECT_EQ(Names(table, 1, 2), std::vector<std::string>(5, ""));
    EXPECT_DOUBLE_EQ(table.GetBestScore(1, 2), 0.0);
}

TEST(BestScores, Deletions) {
    BestScoreTable full;
    for (int i = 1; i <= 5; ++i) {
        full.newbestscore(std::to_string(i), 1, 1, Result(static_cast<float>(100 - i), i));
        full.newbestscore(std::to_string(i), 2, 2, Result(static_cast<float>(100 - i)));
    }
    BestScoreTable table = full;
    table.DeleteRank(1, 1, 2);
    EXPECT_EQ(Names(table, 1, 1), (std::vector<std::string>{"1", "3", "4", "5", ""}));
    EXPECT_EQ(table.At(1, 1, 5), BestScoreEntry{});

    table = full;
    table.DeleteRank(1, 1, 5);
    EXPECT_EQ(Names(table, 1, 1), (std::vector<std::string>{"1", "2", "3", "4", ""}));

    table = full;
    table.DeleteCombination(1, 1);
    EXPECT_EQ(Names(table, 1, 1), std::vector<std::string>(5, ""));
    EXPECT_EQ(Names(table, 2, 2), Names(full, 2, 2));

    table.DeleteAll();
    for (int size = 1; size <= 3; ++size)
        for (int density = 1; density <= 5; ++density)
            for (int rank = 1; rank <= 5; ++rank)
                EXPECT_EQ(table.At(size, density, rank), BestScoreEntry{}) << "flags included";
}

TEST(BestScores, DeleteAllConfirmationText) {
    EXPECT_STREQ(kDeleteAllTitle, "Confirm Delete All Best Scores");
    EXPECT_EQ(DeleteAllText(),
              " Are you CERTAIN you wish to\r\n\r\n DELETE ALL BEST SCORES\r\n\r\n"
              "       for ALL Minefield Sizes \r\n\r\n    and for ALL Mine Densities,\r\n\r\n"
              "         NOT JUST THE\r\n\r\n   CURRENT Minefield Size \r\n\r\n"
              "and CURRENT Mine Density?");
}

TEST(Names, WhatTheFileCannotCarryIsReplacedAndLengthIsCountedInCharacters) {
    EXPECT_EQ(SanitiseName("say \"hi\"\r\nbye"), "say 'hi'  bye");
    EXPECT_EQ(TruncateName("abcdefghijklmnopqrstuvwxyz0123"), "abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(TruncateName("short"), "short");
    const std::string umlauts = "äöüäöüäöüäöüäöüäöüäöüäöüäöü";  // 27 characters, 54 bytes
    EXPECT_EQ(TruncateName(umlauts), umlauts.substr(0, 50));
}

}  // namespace
}  // namespace zendrix
