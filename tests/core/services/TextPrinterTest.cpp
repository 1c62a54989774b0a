// The text printer: what a page shows, line by line.
#include "services/TextPrinter.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {

TEST(TextPrinter, ContinuedPrintsDrawnLinesAndPageBreaks) {
    TextPrinter printer;
    printer.print("Hcp ", false);
    printer.print("12.3", false);
    printer.print(" final");
    printer.print("");
    printer.drawLine(0, 0, 1440, 1440); // leaves no text
    double y = printer.currentY();
    printer.print("mid");
    EXPECT_GT(printer.currentY(), y);
    printer.print("half", false); // the new page ends it
    printer.newPage();
    EXPECT_EQ(printer.currentY(), 0);
    printer.print("two");
    printer.print("tail", false);
    printer.endDoc();
    EXPECT_EQ(printer.text(), "Hcp 12.3 final\n\nmid\nhalf\n\ftwo\ntail\n");
    EXPECT_TRUE(printer.ended());
}

} // namespace
} // namespace tallyrock::test
