#include "CompareChart.h"

#include "handicap/WhsEngine.h"
#include "services/PrintJob.h"
#include "store/FileNames.h"
#include "store/NumberText.h"

#include <algorithm>
#include <cmath>

namespace tallyrock {

namespace {
constexpr int NameField = 22;
constexpr int IndexColumn = 72;
constexpr std::size_t LinesOnFirstPage = 50;
const std::string ListIndent(5, ' ');

float currentIndex(const PlayerRecord& player) {
    return player.round[player.RoundCount].RoundIndex;
}
// Players without an index yet come last.
constexpr float AfterEveryIndex = 1e6f;
} // namespace

std::vector<CompareEntry> compareOrder(const LeagueTables& league) {
    // index x 100 is whole, so the key's fraction keeps the slot and equal
    // indexes sort by slot. The slot also travels beside its key, so a wild
    // index in a damaged file cannot give back a slot outside the table.
    struct Keyed {
        float key;
        int player;
    };
    std::vector<Keyed> keys;
    for (int p = 1; p <= league.PlayerCount && p <= MaxPlayers; ++p) {
        float index = currentIndex(league.player[p]);
        float hundredfold = hasHandicap(index) ? index * 100.0f : AfterEveryIndex;
        keys.push_back({toSingle(static_cast<double>(hundredfold) + p / 1000.0), p});
    }
    std::sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) {
        return a.key < b.key || (a.key == b.key && a.player < b.player);
    });

    std::vector<CompareEntry> order;
    order.reserve(keys.size());
    for (const Keyed& k : keys)
        order.push_back(
            {k.player, k.key >= AfterEveryIndex ? NoHandicap : std::floor(k.key / 10.0f) / 10.0f});
    return order;
}

std::string compareLine(const std::string& name, float index) {
    std::string line = fitChars(" " + name, NameField);
    if (!hasHandicap(index)) return fitChars(line, IndexColumn) + "  " + NoHandicapText;
    double x = std::floor(static_cast<double>(index) + 0.5);
    x = std::clamp(x, -6.0, 41.0);
    line += std::string(static_cast<std::size_t>(x + 6), ' ') + "*";
    line = fitChars(line, IndexColumn);
    if (index >= 0) line += " ";
    return line + formatPattern(index, "0.0");
}

std::vector<std::string> compareLines(const LeagueTables& league, bool whsNote) {
    std::vector<std::string> lines;
    for (const CompareEntry& e : compareOrder(league)) {
        const PlayerRecord& player = league.player[e.player];
        if (player.RoundCount == 0) continue;
        lines.push_back(compareLine(player.PlayerName, e.index));
    }
    if (whsNote && !lines.empty()) lines.push_back(std::string(" Indexes ") + WhsIndexNote + ".");
    return lines;
}

Message compareListPrintQuestion() {
    return {"Tallyrock", "Ready to send List to the Printer.", Icon::None};
}

void PrintCompareHeading(ReportPrinter& printer, const Date& today) {
    printer.print("");
    printer.print("");
    printer.setFontSize(18);
    printer.setBold(true);
    printer.print(std::string(7, ' ') + "Tallyrock", false);
    printer.setFontSize(10);
    printer.print(std::string(10, ' ') + dashedDate(today));
    printer.print("");
    printer.print("");
    printer.setFontSize(12);
    printer.print(std::string(38, ' ') + "Hcp Index");
    printer.print(" ");
    printer.setFontSize(10);
    printer.print("      Player                -5    0    5   10   15   20   25   30   35   40");
    printer.print("");
    printer.print("");
    printer.print(ListIndent + std::string(79, '_'));
    printer.print("");
}

void printCompareList(ReportPrinter& printer, const std::vector<std::string>& lines,
                      const std::string& fontName, const Date& today) {
    printer.setDocumentName("League handicaps");
    printer.setOrientation(Orientation::Portrait);
    printer.setFontName(fontName);
    PrintCompareHeading(printer, today);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        printer.print(ListIndent + lines[i]);
        if (i + 1 == LinesOnFirstPage) {
            printer.newPage();
            SelectReportPrinter(printer);
            printer.setFontName(fontName);
            PrintCompareHeading(printer, today);
        }
    }
    printer.endDoc();
}

} // namespace tallyrock
