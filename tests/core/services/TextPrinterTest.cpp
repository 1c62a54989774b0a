// The text printer: what a page shows, line by line.
#include "services/TextPrinter.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {

TEST(TextPrinter, PrintsThatDoNotEndTheLineAreContinued) {
    TextPrinter printer;
    printer.print("Hcp ", false);
    printer.print("12.3", false);
    printer.print(" final");
    printer.print("");
    printer.print("tail", false);
    printer.endDoc();
    EXPECT_EQ(printer.text(), "Hcp 12.3 final\n\ntail\n");
    EXPECT_TRUE(printer.ended());
}

TEST(TextPrinter, PagesAreSeparatedByAFormFeed) {
    TextPrinter printer;
    printer.print("one");
    printer.print("half", false);
    printer.newPage();
    EXPECT_EQ(printer.currentY(), 0);
    printer.print("two");
    printer.endDoc();
    EXPECT_EQ(printer.text(), "one\nhalf\n\ftwo\n");
}

TEST(TextPrinter, DrawnLinesLeaveNoText) {
    TextPrinter printer;
    printer.print("above");
    printer.drawLine(0, 0, 1440, 1440);
    printer.print("below");
    EXPECT_EQ(printer.text(), "above\nbelow\n");
    double y = printer.currentY();
    printer.print("x");
    EXPECT_GT(printer.currentY(), y);
}

} // namespace
} // namespace tallyrock::test
