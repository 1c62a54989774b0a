// The CSV reader: quoting, line breaks inside fields, and the line a fault is on.
#include "store/CsvReader.h"

#include <gtest/gtest.h>

using namespace tallyrock;

namespace {

using Fields = std::vector<std::string>;

TEST(CsvReader, QuotedFieldsHoldCommasQuotesAndLineBreaks) {
    CsvParse csv = parseCsv("\xEF\xBB\xBF"
                            "date,player\r\n"
                            "06/05/24,\"Lee, Ann\"\r\n"
                            "\"say \"\"hi\"\"\",\"two\r\nlines\"\n"
                            "last,\n"
                            "x,y");
    ASSERT_EQ(csv.error, "");
    ASSERT_EQ(csv.records.size(), 5u);
    EXPECT_EQ(csv.records[0].fields, (Fields{"date", "player"}));
    EXPECT_EQ(csv.records[1].fields, (Fields{"06/05/24", "Lee, Ann"}));
    EXPECT_EQ(csv.records[2].fields, (Fields{"say \"hi\"", "two\r\nlines"}));
    EXPECT_EQ(csv.records[3].fields, (Fields{"last", ""}));
    EXPECT_EQ(csv.records[4].fields, (Fields{"x", "y"}));
    // Records are numbered by the line they start on.
    EXPECT_EQ(csv.records[2].line, 3);
    EXPECT_EQ(csv.records[3].line, 5);
    EXPECT_EQ(csv.records[4].line, 6);
}

TEST(CsvReader, MalformedQuotesNameTheirLine) {
    CsvParse open = parseCsv("a,b\r\nc,\"never\r\nclosed\r\n");
    EXPECT_EQ(open.error, "a quoted field is not closed");
    EXPECT_EQ(open.errorLine, 2);
    CsvParse after = parseCsv("a,b\nc,d\n\"e\"f,g\n");
    EXPECT_EQ(after.error, "text follows the closing quote of a field");
    EXPECT_EQ(after.errorLine, 3);
}

} // namespace
