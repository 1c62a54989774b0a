// The printer font window's opening and accept.
#include "utilities/PrinterFont.h"
#include "core/TestFiles.h"
#include "fakes/FailingWriter.h"
#include "store/SettingsFile.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {

TEST(PrinterFont, OpeningAndAcceptWritingTheLeagueList) {
    TempDir dir;
    Store store;
    EXPECT_EQ(openPrinterFont(store.settings), ""); // an empty stored font becomes Courier New
    EXPECT_EQ(store.settings.FontName, "Courier New");
    store.workDir = dir.path();
    store.settings.LeagueCount = 1;
    store.settings.LeagueList[1] = "Monday";
    store.settings.IndexFactor = 0.96f;
    store.settings.HcpLimitOption = 1;
    EXPECT_FALSE(acceptPrinterFont(store, "DejaVu Sans Mono"));
    EXPECT_EQ(readFile(dir / "vexa.dat"),
              crlf({" 1 ", "Monday", " .96 ", "DejaVu Sans Mono", " 0 ", " 0 ", " 1 ", " 0 "}));
    EXPECT_EQ(openPrinterFont(store.settings), "DejaVu Sans Mono");
    EXPECT_FALSE(acceptPrinterFont(store, ""));
    EXPECT_EQ(store.settings.FontName, "Courier New");

    // A name the league list could not give back whole is refused and nothing is written.
    const std::string before = readFile(dir / "vexa.dat");
    for (const std::string name : {"\"Q\" Mono", "Mono, \"Q\"", "Line\nBreak", "Tab\tMono"}) {
        EXPECT_EQ(acceptPrinterFont(store, name).value_or(Message{}).text,
                  "The name of this font cannot be saved in vexa.dat.\r\nThe printer font stays Courier New.")
            << name;
        EXPECT_EQ(store.settings.FontName, "Courier New");
        EXPECT_EQ(readFile(dir / "vexa.dat"), before);
    }

    store.writer = std::make_shared<FailingWriter>();
    EXPECT_EQ(acceptPrinterFont(store, "Arial").value_or(Message{}).text,
              "Cannot Write vexa.dat, Please check disk write protect.");
}

} // namespace
} // namespace tallyrock::test
