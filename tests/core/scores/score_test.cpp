// Score, adjusted score and the clock's time text.
#include <gtest/gtest.h>

#include "scores/score.h"
#include "scores/time_string.h"

namespace zendrix {
namespace {

TEST(Score, HandWorkedCases) {
    struct Case {
        const char* what;
        ScoreCounts counts;  // S, TM, MS, MM, U
        float expected;
    } cases[] = {
        {"sweep, every mine marked", {96, 31, 31, 31, 65}, 100.0f},
        {"sweep, no mark", {96, 31, 0, 0, 65}, 100.0f},
        {"sweep, one of 31 mines marked (once 99.99)", {96, 31, 1, 1, 65}, 100.0f},
        {"the demonstration: 2 of 4 mines in 5 marks, 21 covered", {96, 4, 5, 2, 70}, 21.49f},
        {"lost with no marks: (4/86 - 4/96) / (1 - 4/96), cut", {96, 4, 0, 0, 10}, 0.5f},
        {"struck on the very first uncover", {96, 4, 0, 0, 0}, 0.0f},
        {"marks only on mine-free squares: 4 (384 - 52) / (4 13 92)", {96, 4, 3, 0, 80}, 27.75f},
    };
    for (const Case& c : cases) EXPECT_EQ(ScoreFromCounts(c.counts), c.expected) << c.what;
}

TEST(Score, EveryCompleteSweepScoresExactlyAHundred) {
    const int squares[] = {96, 216, 384};
    const int mines[3][5] = {{2, 4, 8, 15, 31}, {4, 9, 17, 35, 69}, {8, 15, 31, 61, 123}};
    for (int size = 0; size < 3; ++size) {
        for (int density = 0; density < 5; ++density) {
            const int s = squares[size], tm = mines[size][density];
            for (int mm = 0; mm <= tm; ++mm) {
                const ScoreCounts counts{s, tm, mm, mm, s - tm};
                ASSERT_EQ(ScoreFromCounts(counts), 100.0f)
                    << s << " squares, " << mm << " of " << tm;
            }
        }
    }
}

TEST(Score, NeverLeavesZeroToHundredForAnyReachableCounts) {
    // Every uncovered square is mine-free, so the covered squares hold all the mines and the
    // score can neither fall below 0 nor rise above 100.
    const int s = 96, tm = 8;
    for (int u = 0; u <= s - tm; u += 7) {
        for (int ms = 0; ms <= s - u; ms += 3) {
            for (int mm = std::max(0, ms - (s - u - tm)); mm <= std::min(ms, tm); ++mm) {
                const float score = ScoreFromCounts({s, tm, ms, mm, u});
                ASSERT_GE(score, 0.0f);
                ASSERT_LE(score, 100.0f);
            }
        }
    }
}

TEST(AdjustedScore, TimeTermAndReachFactors) {
    struct Case {
        float score;
        double seconds;
        bool reach6, reach18;
        double expected;
    } cases[] = {
        {100, 0, false, false, 100.0}, {100, 50, false, false, 100.0 - 50 / 1e8},
        {100, 0, false, true, 50.0},   {100, 0, true, false, 25.0},
        {100, 0, true, true, 25.0},    {30, 100, false, false, 30.0 - 100 / 1e8},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(AdjustedScore(c.score, c.seconds, c.reach6, c.reach18), c.expected);
    }
    EXPECT_LT(AdjustedScore(100, 10, true, false), AdjustedScore(30, 10, false, false));
    EXPECT_GT(AdjustedScore(50, 10, false, false), AdjustedScore(50, 11, false, false));
}

TEST(TimeString, HoursMinutesSecondsAtLeastTwoDigits) {
    struct Case {
        double seconds;
        const char* text;
    } cases[] = {{0, "00:00:00"},       {59, "00:00:59"},    {60, "00:01:00"},
                 {3599, "00:59:59"},    {3600, "01:00:00"},  {36000, "10:00:00"},
                 {360000, "100:00:00"}, {86399, "23:59:59"}, {90061, "25:01:01"}};
    for (const Case& c : cases) EXPECT_EQ(TimeString(c.seconds), c.text);
}

}  // namespace
}  // namespace zendrix
