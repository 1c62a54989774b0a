#include "store/NumberText.h"

#include <gtest/gtest.h>

using namespace tallyrock;

TEST(NumberText, FileFormOfSinglesAndIntegers) {
    EXPECT_EQ(fileNumber(12.3f), " 12.3 ");
    EXPECT_EQ(fileNumber(0.5f), " .5 ");
    EXPECT_EQ(fileNumber(-1.2f), "-1.2 ");
    EXPECT_EQ(fileNumber(18.0f), " 18 ");
    EXPECT_EQ(fileNumber(0.96f), " .96 ");
    EXPECT_EQ(fileNumber(-0.5f), "-.5 ");
    EXPECT_EQ(fileNumber(0.0f), " 0 ");
    EXPECT_EQ(fileNumber(-0.0f), " 0 ");
    // 15 x 0.96 in single precision is 14.3999996; seven digits give 14.4.
    EXPECT_EQ(fileNumber(15.0f * 0.96f), " 14.4 ");
    EXPECT_EQ(fileNumber(1234567.0f), " 1234567 ");
    EXPECT_EQ(fileNumber(1e7f), " 1E+07 ");
    EXPECT_EQ(fileNumber(0.0001f), " .0001 ");
    EXPECT_EQ(fileNumber(5), " 5 ");
    EXPECT_EQ(fileNumber(-3), "-3 ");
    EXPECT_EQ(fileNumber(0), " 0 ");
}

TEST(NumberText, FileFormReadsBackToTheSameSingle) {
    for (float v : {0.5f, -1.2f, 12.3f, 0.96f, 36.4f, 40.4f, 17.0f, -2.3f, 99.9f}) {
        auto back = fileFieldNumber(fileNumber(v));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(static_cast<float>(*back), v);
    }
}

TEST(NumberText, GeneralFormKeepsTheLeadingZero) {
    EXPECT_EQ(generalNumber(0.5f), "0.5");
    EXPECT_EQ(generalNumber(-0.4f), "-0.4");
    EXPECT_EQ(generalNumber(12.3f), "12.3");
    EXPECT_EQ(generalNumber(8.0f), "8");
    EXPECT_EQ(generalNumber(-0.0f), "0");
}

TEST(NumberText, LeadingNumberParse) {
    EXPECT_EQ(leadingNumber("  12.5abc"), 12.5);
    EXPECT_EQ(leadingNumber(" 4"), 4);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber("-2.0"), -2.0);
    EXPECT_EQ(leadingNumber(".96"), 0.96);
    EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(leadingNumber("70 5"), 70);
    EXPECT_EQ(leadingNumber("3e"), 3);
    EXPECT_EQ(leadingNumber("-"), 0);
}

TEST(NumberText, FileFieldsEndAtCommaOrSpaceAndMustBeNumbers) {
    EXPECT_EQ(fileFieldNumber(" 12.3 ").value(), 12.3);
    EXPECT_EQ(fileFieldNumber(" 5,6").value(), 5);
    EXPECT_FALSE(fileFieldNumber("abc").has_value());
    EXPECT_FALSE(fileFieldNumber("").has_value());
    EXPECT_FALSE(fileFieldNumber(" 12x ").has_value());
    EXPECT_EQ(fileFieldInteger(" 20 ").value(), 20);
    EXPECT_FALSE(fileFieldInteger(" 40000 ").has_value());
    EXPECT_FALSE(fileFieldInteger("-40000").has_value());
}

TEST(NumberText, DisplayPatternsRoundHalfAwayFromZero) {
    EXPECT_EQ(formatPattern(0.96f, "#.00"), ".96");
    EXPECT_EQ(formatPattern(1.1f, "#.00"), "1.10");
    EXPECT_EQ(formatPattern(0.95f, "0.00"), "0.95");
    EXPECT_EQ(formatPattern(12.345, "0.00"), "12.35");
    EXPECT_EQ(formatPattern(-12.345, "0.00"), "-12.35");
    EXPECT_EQ(formatPattern(65.0, "00.0"), "65.0");
    EXPECT_EQ(formatPattern(5.25, "00.0"), "05.3");
    EXPECT_EQ(formatPattern(12.25f, "#0.0"), "12.3");
    EXPECT_EQ(formatPattern(0.25f, "#0.0"), "0.3");
    EXPECT_EQ(formatPattern(3.14159, "###0.0"), "3.1");
    EXPECT_EQ(formatPattern(1234.56, "##0.0"), "1234.6");
    EXPECT_EQ(formatPattern(2.0005, "#0.000"), "2.001");
    EXPECT_EQ(formatPattern(7.0, "00"), "07");
    EXPECT_EQ(formatPattern(2.5, "0"), "3");
    EXPECT_EQ(formatPattern(-0.04, "0.0"), "0.0");
    EXPECT_EQ(formatPattern(9.96, "0.0"), "10.0");
    EXPECT_EQ(formatPattern(0.5, "#.00"), ".50");
}

TEST(NumberText, RoundingOnTheShortestDecimalText) {
    // 1.005 as a double lies just below 1.005; its shortest text does not.
    EXPECT_EQ(formatPattern(1.005, "0.00"), "1.01");
    EXPECT_EQ(roundWhole(2.5), 3);
    EXPECT_EQ(roundWhole(-2.5), -3);
    EXPECT_EQ(roundWhole(2.4999), 2);
    EXPECT_EQ(toSingle(1e300), std::numeric_limits<float>::max());
}
