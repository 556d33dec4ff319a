// The manual's layout (contents, headings, paragraph openings, indentation, blank lines, formula
// lines), the About message and the text box sizing rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/help_text.h"

namespace zendrix {
namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) return lines;
        start = end + 2;
    }
}

std::string Indented(int indent, const std::string& text) {
    return std::string(static_cast<size_t>(indent), ' ') + text;
}

struct Entry {
    int indent;
    std::string text;
};

const std::vector<Entry> kContents = {
    {5, "Overview"},
    {5, "Loading, running and exiting directions (the 'File' menu)"},
    {5, "Playing directions"},
    {10, "1) Selecting a minefield  (the 'Game' menu)"},
    {15, "a) Playing with random mine placements"},
    {15, "b) Playing with Demo mine placements"},
    {15, "c) Selecting a minefield size"},
    {15, "d) Selecting a mine density"},
    {15, "e) Selecting a mine reach (26, 18 or 6)"},
    {10, "2) Uncovering and marking mines (using the Mouse)"},
    {15, "a) Uncovering a square"},
    {15, "b) Marking a square"},
    {15, "c) Uncovering multiple squares"},
    {10, "3) Strategy"},
    {15, "a) The 'isolated 1'"},
    {15, "b) The 'vertical 111'"},
    {15, "c) The '1 up against a wall'"},
    {15, "d) Other considerations"},
    {5, "Customizing the colors (the 'Color' menu)"},
    {10, "1) Using the default colors"},
    {10, "2) Changing the colors of the markers"},
    {10, "3) Changing the colors of all items"},
    {10, "4) Creating new colors"},
    {5, "Scoring (the 'Scores' menu)"},
    {10, "1) Scoring Rules"},
    {10, "2) Showing Best Scores"},
    {10, "3) Deleting Best Scores"},
    {10, "4) Help"},
    {5, "Help (the 'Help' menu)"},
    {10, "1) Text"},
    {10, "2) Demonstration graphic"},
    {10, "3) About 3D-Zendrix"},
};

// Every non-empty line of the body, in order.
enum class Kind { kHeading, kParagraph, kFormula };
struct BodyLine {
    Kind kind;
    int indent;
    std::string text;  // whole line for headings and formulas, opening words for paragraphs
};

const std::string kFormula1 =
    "(MarkedMines/TotalMines)*(MarkedMines/MarkedSquares - MineDensity)/(1-MineDensity) + "
    "(UnmarkedMines/TotalMines)*(UnmarkedMines/UnmarkedSquares - MineDensity)/(1-MineDensity) ";

const std::vector<BodyLine> kBody = {
    {Kind::kHeading, 0, "OVERVIEW: "},
    {Kind::kParagraph, 10, ""},
    {Kind::kParagraph, 10, ""},
    {Kind::kParagraph, 10, ""},
    {Kind::kParagraph, 10, ""},
    {Kind::kHeading, 0, "LOADING, RUNNING AND EXITING DIRECTIONS: "},
    {Kind::kParagraph, 10, "Loading 3D-Zendrix."},
    {Kind::kParagraph, 10, "Running 3D-Zendrix:"},
    {Kind::kParagraph, 10, "Exiting 3D-Zendrix (the 'File' menu):"},
    {Kind::kHeading, 0, "PLAYING DIRECTIONS: "},
    {Kind::kParagraph, 10, "1) Selecting a minefield  (the 'Game' menu):"},
    {Kind::kParagraph, 15, "a) Playing with random mine placements:"},
    {Kind::kParagraph, 15, "b) Playing with Demo mine placements:"},
    {Kind::kParagraph, 15, "c) Selecting a minefield size:"},
    {Kind::kParagraph, 15, "d) Selecting a mine density;"},
    {Kind::kParagraph, 15, "e) Selecting a mine reach (6, 18 or 26):"},
    {Kind::kParagraph, 0,
     "'Only 6 sides' - Under this setting only the cubes that share a side with the cube that "
     "contains a mine will have their mine numbers incremented."},
    {Kind::kParagraph, 0,
     "'Nearest 18 sides or edges' - Under this setting the cubes that share either a side or an "
     "edge with the cube that contains a mine will have their mine numbers incremented."},
    {Kind::kParagraph, 0,
     "'All 26 sides, edges or points' - Under this setting the cubes that share either a side or "
     "an edge or a point with the cube that contains a mine will have their mine numbers "
     "incremented."},
    {Kind::kParagraph, 10, "2) Uncovering and marking mines (using the Mouse):"},
    {Kind::kParagraph, 15, "a) Uncovering a square:"},
    {Kind::kParagraph, 15, "b) Marking a square;"},
    {Kind::kParagraph, 15, "c) Uncovering multiple squares:"},
    {Kind::kParagraph, 11, "3) Strategy:"},
    {Kind::kParagraph, 15, "a) 'isolated 1':"},
    {Kind::kParagraph, 15, "b) 'vertical 111':"},
    {Kind::kParagraph, 15, "c) '1 up against a wall':"},
    {Kind::kParagraph, 15, "d) Other considerations:"},
    {Kind::kHeading, 0, "CUSTOMIZING THE COLORS (the 'Color' menu):"},
    {Kind::kParagraph, 10, "1) Using the default colors:"},
    {Kind::kParagraph, 10, "2) Changing the colors of the markers:"},
    {Kind::kParagraph, 10, "3) Changing the colors of all items:"},
    {Kind::kParagraph, 10, "4) Creating new colors:"},
    {Kind::kHeading, 0, "SCORING (the 'Scores' menu):"},
    {Kind::kParagraph, 10, "1) Scoring Rules:"},
    {Kind::kFormula, 0, kFormula1},
    {Kind::kFormula, 0, "or, more concisely: "},
    {Kind::kFormula, 0,
     "((MM/TM)*(MM/MS - F) + (UM/TM)*(UM/US-F))/(1-F) where F is the Mine Density."},
    {Kind::kParagraph, 0,
     "Best scores are determined based upon this value, adjusted by a factor ½ if a Mine Reach "
     "of 18 was used, or by a factor of ¼ if a Mine Reach of 6 was used."},
    {Kind::kParagraph, 10, "2) Showing Best Scores:"},
    {Kind::kParagraph, 10, "3) Deleting Best Scores:"},
    {Kind::kParagraph, 10, "4) Help:"},
    {Kind::kHeading, 0, "HELP (the 'Help' menu): "},
    {Kind::kParagraph, 10, "1) Text:"},
    {Kind::kParagraph, 10, "2) Demonstration graphic:"},
    {Kind::kParagraph, 10, "3) About 3D-Zendrix:"},
};

class HelpDocumentTest : public ::testing::Test {
  protected:
    const std::string document = HelpDocument();
    const std::vector<std::string> lines = SplitCrLf(document);
};

TEST_F(HelpDocumentTest, LinesAreSeparatedByCrLfOnly) {
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << "line " << i;
    }
}

TEST_F(HelpDocumentTest, OpensWithBlankLineTitleAndContents) {
    ASSERT_GT(lines.size(), kContents.size() + 3);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "                     3D-ZENDRIX TEXT HELP");
    EXPECT_EQ(lines[2], "CONTENTS:");
    for (size_t i = 0; i < kContents.size(); ++i) {
        EXPECT_EQ(lines[3 + i], Indented(kContents[i].indent, kContents[i].text))
            << "contents entry " << i;
    }
    const size_t after = 3 + kContents.size();
    EXPECT_EQ(lines[after], "");
    EXPECT_EQ(lines[after + 1], "");
    EXPECT_EQ(lines[after + 2], "OVERVIEW: ");
}

// Walks every non-empty line after the contents against the expected body, checking the exact
// indentation, the opening words and the blank lines around each line.
TEST_F(HelpDocumentTest, BodyFollowsTheExpectedLinesWithTheirSpacing) {
    const size_t first = 3 + kContents.size() + 2;
    std::vector<size_t> bodyLines;
    for (size_t i = first; i < lines.size(); ++i) {
        if (!lines[i].empty()) bodyLines.push_back(i);
    }
    ASSERT_EQ(bodyLines.size(), kBody.size());

    for (size_t k = 0; k < kBody.size(); ++k) {
        const BodyLine& expected = kBody[k];
        const size_t at = bodyLines[k];
        const std::string& line = lines[at];
        SCOPED_TRACE("body line " + std::to_string(k) + ": " + line.substr(0, 60));

        if (expected.kind == Kind::kParagraph) {
            EXPECT_EQ(line.rfind(Indented(expected.indent, expected.text), 0), 0u);
            EXPECT_NE(line[static_cast<size_t>(expected.indent)], ' ') << "indentation";
            EXPECT_GT(line.size(), static_cast<size_t>(expected.indent) + expected.text.size())
                << "paragraph has nothing after its opening words";
        } else {
            EXPECT_EQ(line, Indented(expected.indent, expected.text));
        }

        const bool lastLine = k + 1 == kBody.size();
        const bool nextIsHeading = !lastLine && kBody[k + 1].kind == Kind::kHeading;
        const bool nextIsFormula = !lastLine && kBody[k + 1].kind == Kind::kFormula;
        // The formula lines stand together as one block.
        const size_t expectedGap = lastLine                                             ? 1
                                   : nextIsHeading                                      ? 2
                                   : (nextIsFormula && expected.kind == Kind::kFormula) ? 0
                                                                                        : 1;
        const size_t actualGap = (lastLine ? lines.size() : bodyLines[k + 1]) - at - 1;
        EXPECT_EQ(actualGap, expectedGap) << "blank lines after this line";
    }
}

TEST_F(HelpDocumentTest, QuotedStatementsAppear) {
    const char* statements[] = {
        "6 cubes that share a side, 12 that share an edge and 8 that share a point",
        "4x8x3, 6x12x3 or 8x16x3",
        "from 2% to 32%",
        "'S4 #3' indicates a Small minefield with 4% mine density using the 3rd Demo minefield",
        "Small minefields are 4 by 8, Medium minefields are 6 by 12, and Large minefields are 8 "
        "by 16.",
        "4 cubes on the same level plus 1 above and 1 below",
        "8 cubes on the same level plus 5 above and 5 below",
        "8 cubes on the same level plus 9 above and 9 below",
        "3DZendrix.dat",
    };
    for (const char* statement : statements) {
        EXPECT_NE(document.find(statement), std::string::npos) << statement;
    }
}

TEST(AboutMessage, TitleBlankLineThenNoticeInParts) {
    const std::string message = AboutMessage("3D-Zendrix Version 1.3");
    ASSERT_GE(message.size(), 2u);
    EXPECT_EQ(message.substr(message.size() - 2), "\r\n") << "every notice line ends with CR LF";

    std::vector<std::string> lines = SplitCrLf(message);
    lines.pop_back();  // the empty remainder after the final CR LF
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "3D-Zendrix Version 1.3");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "Copyright (c) 2026 The 3D-Zendrix authors");

    // The notice's parts, in order, each its own run of lines between empty ones.
    const char* parts[] = {"Copyright (c) 2026", "distribut", "Permission is hereby granted",
                           "The above copyright notice", "WITHOUT WARRANTY"};
    size_t part = 0;
    for (size_t i = 2; i < lines.size(); ++i) {
        if (lines[i].empty()) {
            EXPECT_FALSE(lines[i - 1].empty()) << "one empty line between parts, line " << i;
            continue;
        }
        ASSERT_LT(part, std::size(parts)) << "unexpected line: " << lines[i];
        EXPECT_NE(lines[i].find(parts[part]), std::string::npos) << lines[i];
        ++part;
    }
    EXPECT_EQ(part, std::size(parts));
    EXPECT_FALSE(lines.back().empty());
}

TEST(AboutMessage, KeepsAnyProgramTitleAsItsFirstLine) {
    for (const std::string title : {"", "X", "3D-Zendrix Version 9.9 "}) {
        const std::string message = AboutMessage(title);
        EXPECT_EQ(message.rfind(title + "\r\n\r\nCopyright", 0), 0u) << '"' << title << '"';
    }
}

TEST(CopyrightNotice, IsOneLineNamingTheAuthors) {
    const std::string notice = kCopyrightNotice;
    EXPECT_EQ(notice.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(notice.rfind("Copyright (c) 2026 The 3D-Zendrix authors", 0), 0u);
}

TEST(HelpTextBoxSize, FollowsTheWindowUnlessSqueezed) {
    struct Case {
        TwipSize inner;
        std::optional<TwipSize> box;
    };
    const Case cases[] = {
        {{7335, 5460}, TwipSize{7320, 5445}},
        {{21, 21}, TwipSize{6, 6}},
        {{30, 9000}, TwipSize{15, 8985}},
        {{20, 5000}, std::nullopt},
        {{5000, 20}, std::nullopt},
        {{20, 20}, std::nullopt},
        {{0, 0}, std::nullopt},
        {{-15, 300}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HelpTextBoxSizeFor(c.inner), c.box) << c.inner.width << " x " << c.inner.height;
    }
}

}  // namespace
}  // namespace zendrix
