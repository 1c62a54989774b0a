// Text in and out of the data files: numbers, names a line can hold, message line breaks, and the CSV
// reader (quoting, line breaks inside fields, the line a fault is on).
#include "store/CsvReader.h"
#include "store/Message.h"
#include "store/NumberText.h"
#include "store/SafeText.h"

#include <gtest/gtest.h>

using namespace tallyrock;

TEST(NumberText, FileFormOfSinglesAndIntegers) {
    // 15 x 0.96 in single precision is 14.3999996; seven digits give 14.4.
    const std::vector<std::pair<float, std::string>> singles = {
        {12.3f, " 12.3 "},         {0.5f, " .5 "},    {-1.2f, "-1.2 "},     {18.0f, " 18 "},
        {0.96f, " .96 "},          {-0.5f, "-.5 "},   {0.0f, " 0 "},        {-0.0f, " 0 "},
        {1234567.0f, " 1234567 "}, {1e7f, " 1E+07 "}, {0.0001f, " .0001 "}, {15.0f * 0.96f, " 14.4 "}};
    for (const auto& [value, text] : singles) {
        EXPECT_EQ(fileNumber(value), text);
        EXPECT_EQ(static_cast<float>(fileFieldNumber(text).value_or(-999)), value) << text;
    }
    EXPECT_EQ((std::vector<std::string>{fileNumber(5), fileNumber(-3), generalNumber(0.5f),
                                        generalNumber(-0.4f), generalNumber(8.0f), generalNumber(-0.0f)}),
              (std::vector<std::string>{" 5 ", "-3 ", "0.5", "-0.4", "8", "0"}));
}

TEST(NumberText, LeadingNumberAndFileFieldParse) {
    const std::vector<std::pair<std::string, double>> leading = {
        {"  12.5abc", 12.5}, {" 4", 4},      {"", 0},       {"abc", 0}, {"-2.0", -2.0},
        {".96", 0.96},       {"1.2.3", 1.2}, {"70 5", 70},  {"3e", 3},  {"-", 0},
        {"+7.5", 7.5},       {"1e400", 0},   {"-2e-400", 0}}; // beyond a double: as the C library reads them
    for (const auto& [text, value] : leading)
        EXPECT_EQ(leadingNumber(text), value) << "'" << text << "'";
    EXPECT_EQ(fileFieldNumber(" 5,6").value(), 5);
    for (const std::string bad : {"abc", "", " 12x "})
        EXPECT_FALSE(fileFieldNumber(bad).has_value()) << bad;
    EXPECT_EQ(fileFieldInteger(" 20 ").value(), 20);
    EXPECT_EQ(fileFieldInteger(" 2.5 ").value(), 2); // a half goes to the even number
    EXPECT_EQ(fileFieldInteger(" 3.5 ").value(), 4);
    EXPECT_FALSE(fileFieldInteger(" 40000 ").has_value());
    EXPECT_FALSE(fileFieldInteger("-40000").has_value());
    // Beyond a double: too large is no number, too small is zero.
    EXPECT_FALSE(fileFieldNumber(" 1e400 ").has_value());
    EXPECT_FALSE(fileFieldNumber(" 120000000000000000000e290 ").has_value());
    EXPECT_EQ(fileFieldNumber(" 0.000001e-400 ").value_or(-1), 0);
    EXPECT_EQ(fileFieldNumber("+3").value_or(0), 3);
    EXPECT_FALSE(fileFieldNumber("+-3").has_value());
}

TEST(NumberText, DisplayPatternsRoundHalfAwayFromZeroOnTheDecimalText) {
    struct Case {
        double value;
        const char *pattern, *text;
    };
    // Singles round on their seven written digits, not the shortest text reading back (15.674999, 2.1499999).
    const float average = (8.0f + 17.3f + 17.5f + 19.9f) / 4.0f;
    struct SingleCase {
        float value;
        const char *pattern, *text;
    };
    for (const SingleCase& c : {SingleCase{average, "0.00", "15.68"}, SingleCase{0.1f + 2.05f, "0.0", "2.2"},
                                SingleCase{-(0.1f + 2.05f), "0.0", "-2.2"}, SingleCase{0.96f, "#.00", ".96"},
                                SingleCase{1.1f, "#.00", "1.10"}, SingleCase{1e7f, "0.0", "10000000.0"}})
        EXPECT_EQ(formatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    for (const Case& c :
         {Case{0.5, "#.00", ".50"}, Case{12.345, "0.00", "12.35"}, Case{-12.345, "0.00", "-12.35"},
          Case{65.0, "00.0", "65.0"}, Case{5.25, "00.0", "05.3"}, Case{12.25f, "#0.0", "12.3"},
          Case{0.25f, "#0.0", "0.3"}, Case{3.14159, "###0.0", "3.1"}, Case{1234.56, "##0.0", "1234.6"},
          Case{2.0005, "#0.000", "2.001"}, Case{7.0, "00", "07"}, Case{2.5, "0", "3"},
          Case{-0.04, "0.0", "0.0"}, Case{9.96, "0.0", "10.0"},
          // 1.005 as a double lies just below 1.005; its shortest text does not.
          Case{1.005, "0.00", "1.01"}})
        EXPECT_EQ(formatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    EXPECT_EQ((std::vector<long long>{roundWhole(2.5), roundWhole(-2.5), roundWhole(2.4999)}),
              (std::vector<long long>{3, -3, 2}));
    EXPECT_EQ(toSingle(1e300), std::numeric_limits<float>::max());
}

TEST(MessageText, EachLineBreakIsOneBreakWhateverItsOrder) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb", "a\nb"},       {"a\n\rb", "a\nb"},     {"a\n\r\n\rb", "a\n\nb"},
        {"a\r\n\r\nb", "a\n\nb"}, {"a\rb\nc", "a\nb\nc"}, {"a\n\nb\r\r", "a\n\nb\n\n"},
    };
    for (const auto& [text, plain] : cases)
        EXPECT_EQ(plainLineBreaks(text), plain) << text;
}

TEST(SafeText, RefusesWhatOneLineOfAFileCannotHold) {
    const std::string utf8 = "A name holds bytes that are not valid UTF-8 text.";
    const std::string blanks = "A name cannot be made of blanks only.";
    const struct {
        std::string text;
        std::string refusal; // empty: accepted
    } cases[] = {
        {"Núñez \U0001F3CC", ""}, // two- and four-byte characters
        {"", ""},                 // empty is each operation's own case
        {"Ann\nLee", "A name cannot contain a line break."},
        {"Ann\r", "A name cannot contain a line break."},
        {"Ann\tLee", "A name cannot contain a control character (code 9)."},
        {std::string("A\0B", 3), "A name cannot contain a control character (code 0)."},
        {"Ann\x7F", "A name cannot contain a control character (code 127)."},
        {"Ann \xC3", utf8},         // cut sequence
        {"\xC0\xAF", utf8},         // overlong "/"
        {"\xED\xA0\x80", utf8},     // surrogate
        {"\xF4\x90\x80\x80", utf8}, // above U+10FFFF
        {"\xFF\n", utf8},           // the first fault
        {"   ", blanks},
        {"\xC2\xA0\xE3\x80\x80", blanks}, // no-break and ideographic spaces
        {" \xE2\x80\x8B ", blanks},       // a zero-width space between blanks
    };
    for (const auto& c : cases) {
        Failure refusal = checkName(c.text, "A name");
        EXPECT_EQ(refusal ? refusal->text : "", c.refusal) << c.text;
        EXPECT_EQ(isSafeText(c.text), c.refusal.empty() || c.refusal == blanks) << c.text;
    }
    EXPECT_EQ(keepSafeCharacters("A\nB\xFF\tC\x7F\xC3\xA9\r"), "ABC\xC3\xA9");
}

TEST(SafeText, NamesMatchWhateverTheLetterCaseOfEveryLetter) {
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {"JOHN NÚÑEZ", "John Núñez", true},
        {"Núñez", "Nu\u0301n\u0303ez", true}, // composed and decomposed
        {"STRASSE", "Straße", true},          // full folding: ß is ss
        {"ΣΙΣ", "σις", true},                 // with a final sigma
        {"Été", "Ete", false},                // accents still count
        {"Ann\xFF", "ANN\xFF", true},         // a damaged name still folds its readable part
        {"Ann\xFF", "Ann\xFE", false},        // and its other bytes match only themselves
        {"\xC3", "\xC3\x83", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sameName(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TEST(CsvReader, QuotedFieldsHoldCommasQuotesAndLineBreaks) {
    CsvParse csv = parseCsv("\xEF\xBB\xBF"
                            "date,player\r\n"
                            "06/05/24,\"Lee, Ann\"\r\n"
                            "\"say \"\"hi\"\"\",\"two\r\nlines\"\n"
                            "last,\n"
                            "x,y");
    EXPECT_EQ(csv.error, "");
    // Records are numbered by the line they start on.
    std::vector<std::pair<int, std::vector<std::string>>> records;
    for (const auto& record : csv.records)
        records.emplace_back(record.line, record.fields);
    EXPECT_EQ(records, (decltype(records){{1, {"date", "player"}},
                                          {2, {"06/05/24", "Lee, Ann"}},
                                          {3, {"say \"hi\"", "two\r\nlines"}},
                                          {5, {"last", ""}},
                                          {6, {"x", "y"}}}));
}

TEST(CsvReader, TextAfterAClosingQuoteNamesItsLine) {
    CsvParse after = parseCsv("a,b\nc,d\n\"e\"f,g\n");
    EXPECT_EQ(std::pair(after.error, after.errorLine),
              (std::pair<std::string, int>("text follows the closing quote of a field", 3)));
}
