// The data file's text: number forms whatever the locale, the 93 lines, names the format cannot
// carry, and the other forms the reader accepts.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "fixtures.h"
#include "scores/data_file.h"

namespace zendrix {
namespace {

using testing::BusyColours;
using testing::BusyTable;

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

TEST(DataFileText, NumbersInShortestFormWithFullStopAndNoExponent) {
    const std::pair<float, const char*> singles[] = {{100.0f, "100"},
                                                     {45.67f, "45.67"},
                                                     {99.99f, "99.99"},
                                                     {-0.01f, "-0.01"},
                                                     {0.5f, "0.5"},
                                                     {7.25f, "7.25"},
                                                     {45.6f, "45.6"},
                                                     {-0.0f, "0"},
                                                     {1e-7f, "0.0000001"},
                                                     {2.0f / 3, "0.6666667"},
                                                     {123456789.0f, "123456800"}};
    for (const auto& [value, text] : singles) EXPECT_EQ(FormatSingle(value), text);
    const std::pair<double, const char*> doubles[] = {{0, "0"},
                                                      {59, "59"},
                                                      {360000, "360000"},
                                                      {1e12, "1000000000000"},
                                                      {0.1 + 0.2, "0.3"},
                                                      {1.0 / 3, "0.333333333333333"},
                                                      {123456789012345678.0, "123456789012346000"}};
    for (const auto& [value, text] : doubles) EXPECT_EQ(FormatDouble(value), text);
}

struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

void ExpectFullStopsAndRoundTrip() {
    const std::string text = FormatDataFile(BusyTable(), BusyColours());
    EXPECT_NE(text.find("\"Smith, John\",45.67,3599,"), std::string::npos);
    BestScoreTable read;
    ColourModel colours;
    EXPECT_TRUE(ParseDataFile(text, read, colours).ok);
    EXPECT_EQ(read, BusyTable());
}

TEST(DataFileText, FullStopUnderAGlobalCppLocaleWithDecimalComma) {
    const std::locale saved = std::locale::global(std::locale(std::locale(), new CommaDecimal));
    ExpectFullStopsAndRoundTrip();
    std::locale::global(saved);
}

TEST(DataFileText, FullStopUnderAnInstalledCLocaleWithDecimalComma) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    bool found = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if ((found = std::setlocale(LC_ALL, name) != nullptr)) break;
    }
    if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";
    ExpectFullStopsAndRoundTrip();
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(DataFileText, HasThe93LinesInOrder) {
    const std::vector<std::string> empty = LinesOf(FormatDataFile(BestScoreTable{}, ColourModel{}));
    ASSERT_EQ(empty.size(), 93u);
    EXPECT_EQ(empty[74], "\"\",0,0,#FALSE#,#FALSE#,#FALSE#");
    EXPECT_EQ(empty[75], "4");
    EXPECT_EQ(empty[86], "0");
    EXPECT_EQ(empty[92], "0,0,0,\"Changeable 6\"");

    // Size outermost, then density, then rank.
    const std::vector<std::string> busy = LinesOf(FormatDataFile(BusyTable(), BusyColours()));
    EXPECT_EQ(busy[1], "\"Smith, John\",45.67,3599,#FALSE#,#TRUE#,#TRUE#");
    EXPECT_EQ(busy[(1 * 5 + 2) * 5 + 4], "\"Zoë Ångström 日本\",0.5,0,#TRUE#,#TRUE#,#FALSE#");
    EXPECT_EQ(busy[(2 * 5 + 4) * 5], "\"x\",-0.01,360000,#FALSE#,#FALSE#,#TRUE#");
    EXPECT_EQ(busy[88], "51,256,8,\"Mix, no. 1\"");
}

TEST(DataFileText, NamesAreWrittenSoThatReadingNeverSplitsThem) {
    BestScoreTable table;
    ColourModel colours;
    table.At(1, 1, 1).name = "He said \"hi\", twice";
    table.At(1, 1, 2).name = "two\r\nlines\n";
    table.At(1, 1, 3).name = "abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
    colours.changeableName[0] = "Sky \"blue\",\r\nlight";

    const std::string text = FormatDataFile(table, colours);
    EXPECT_EQ(LinesOf(text).size(), 93u);
    ASSERT_TRUE(ParseDataFile(text, table, colours).ok);
    EXPECT_EQ(table.At(1, 1, 1).name, "He said 'hi', twice");
    EXPECT_EQ(table.At(1, 1, 2).name, "two  lines ");
    EXPECT_EQ(table.At(1, 1, 3).name, "abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(colours.changeableName[0], "Sky 'blue',  light");
}

TEST(DataFileText, ReaderAcceptsOtherLineEndsAndNumberForms) {
    const std::string written = FormatDataFile(BusyTable(), BusyColours());
    auto replaced = [&](std::string from, std::string to) {
        std::string text = written;
        for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
            text.replace(at, from.size(), to);
        }
        return text;
    };
    const std::string lf = replaced("\r\n", "\n");
    for (const std::string& text : {
             lf,
             written + "\r\n\r\n",
             lf + "\n\n",
             written.substr(0, written.size() - 2),  // no line end after the last line
             "\xEF\xBB\xBF" + written,               // saved by an editor that adds a BOM
             replaced(",0.5,", ",.5,"),
             replaced(",-0.01,", ",-.01,"),
             replaced(",45.67,3599,", ",45.670,3599.0,"),
         }) {
        BestScoreTable table;
        ColourModel colours;
        const ParseResult result = ParseDataFile(text, table, colours);
        EXPECT_TRUE(result.ok) << result.Describe();
        EXPECT_EQ(table, BusyTable());
        testing::ExpectSameColours(colours, BusyColours());
    }
}

}  // namespace
}  // namespace zendrix
