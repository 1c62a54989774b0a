// Text that goes into a data file, and names compared whatever their letter case.
#include "store/SafeText.h"
#include "store/Message.h"

#include <gtest/gtest.h>

using namespace tallyrock;

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
        {"N\xC3\xBA\xC3\xB1"
         "ez \xF0\x9F\x8F\x8C",
         ""},     // two- and four-byte characters
        {"", ""}, // empty is each operation's own case
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
        {"JOHN N\xC3\x9A\xC3\x91"
         "EZ",
         "John N\xC3\xBA\xC3\xB1"
         "ez",
         true},
        {"N\xC3\xBA\xC3\xB1"
         "ez",
         "Nu\xCC\x81n\xCC\x83"
         "ez",
         true}, // composed and decomposed
        {"STRASSE",
         "Stra\xC3\x9F"
         "e",
         true},                                                         // full folding: ß is ss
        {"\xCE\xA3\xCE\x99\xCE\xA3", "\xCF\x83\xCE\xB9\xCF\x82", true}, // ΣΙΣ, σις with final sigma
        {"\xC3\x89t\xC3\xA9", "Ete", false},                            // accents still count
        {"Ann\xFF", "ANN\xFF", true},  // a damaged name still folds its readable part
        {"Ann\xFF", "Ann\xFE", false}, // and its other bytes match only themselves
        {"\xC3", "\xC3\x83", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sameName(c.a, c.b), c.same) << c.a << " / " << c.b;
}
