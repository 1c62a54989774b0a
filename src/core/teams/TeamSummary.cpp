#include "TeamSummary.h"

#include "TeamOps.h"
#include "TeamPoints.h"
#include "services/PrintJob.h"
#include "store/FileNames.h"

#include <algorithm>

namespace tallyrock {

namespace {

constexpr int HeadingBreakAfter = 45;
constexpr int EntryBreakAfter = 52;

class SummaryBuilder {
  public:
    SummaryBuilder(const Store& store, const TeamSummaryOptions& options)
        : m_store(store), m_options(options) {}

    ReportPages build(const Date& today) {
        m_pages.emplace_back();
        for (int i = 0; i < 4; ++i)
            print(" ");
        print(std::string(42, ' ') + "Tallyrock   " + dashedDate(today));
        print("");
        m_lineCount = 6;
        for (int t = 1; t <= m_store.teams.TeamCount && t <= MaxTeams; ++t) {
            teamHeading(t);
            if (m_options.names) teamNames(t);
            teamEntries(t);
            teamFooter(t);
        }
        return std::move(m_pages);
    }

  private:
    void print(std::string line) { m_pages.back().push_back(std::move(line)); }

    void pageBreak() {
        m_pages.emplace_back();
        m_lineCount = 2;
        print(" ");
        print(" ");
    }

    void teamHeading(int t) {
        if (m_lineCount > HeadingBreakAfter) pageBreak();
        print(" ");
        print("    " + std::string(80, '-'));
        print("    Team: " + teamRecord(m_store.teams, t).TeamName);
        print(" ");
        m_lineCount += 4;
    }

    void teamNames(int t) {
        std::vector<std::string> lines = summaryMemberLines(m_store, t);
        for (const std::string& line : lines)
            print(line);
        print(" ");
        m_lineCount += static_cast<int>(lines.size()) + 1;
    }

    void teamEntries(int t) {
        const TeamRecord& team = teamRecord(m_store.teams, t);
        const int count = std::min<int>(team.TeamEntryCount, MaxEntries);
        for (int e = m_options.lastOnly ? count : 1; e >= 1 && e <= count; ++e) {
            print(summaryEntryLine(team.entry[e]));
            if (++m_lineCount > EntryBreakAfter) pageBreak();
        }
    }

    void teamFooter(int t) {
        const TeamRecord& team = teamRecord(m_store.teams, t);
        const int count = std::min<int>(team.TeamEntryCount, MaxEntries);
        float lastManual = count > 0 ? team.entry[count].TeamEntryManual : 0.0f;
        // The total of every entry, also when only the last one was printed.
        float sum = runningTotal(m_store.teams, t);
        print(std::string(60, ' ') + std::string(14, '-'));
        print(std::string(53, ' ') + "Total: " + alignedNumber(lastManual) + " " + alignmentSpaces(sum) +
              "  " + oneDecimal(sum));
        print(" ");
        m_lineCount += 3;
    }

    const Store& m_store;
    const TeamSummaryOptions& m_options;
    ReportPages m_pages;
    int m_lineCount = 0;
};

} // namespace

std::vector<std::string> summaryMemberLines(const Store& store, int t) {
    std::vector<std::string> lines{"    "};
    for (const std::string& name : teamMemberNames(store, t)) {
        if (charCount(lines.back() + name) < 70)
            lines.back() += name + " , ";
        else
            lines.push_back("    " + name + " , ");
    }
    std::string& last = lines.back();
    last.resize(last.size() - 2);
    return lines;
}

std::string summaryEntryLine(const TeamEntry& entry) {
    std::string line = "    " + entry.TeamEntryText;
    if (charCount(line) < 60) line = fitChars(line, 60);
    return line + entryNumbers(entry);
}

ReportPages teamSummaryPages(const Store& store, const TeamSummaryOptions& options, const Date& today) {
    return SummaryBuilder(store, options).build(today);
}

void printTeamSummary(ReportPrinter& printer, const Store& store, const TeamSummaryOptions& options,
                      const Date& today) {
    const ReportPages pages = teamSummaryPages(store, options, today);
    printer.setDocumentName("Team summary");
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) printer.newPage();
        SelectReportPrinter(printer);
        printer.setFontName(store.settings.FontName);
        printer.setFontSize(10);
        if (i == 0) printer.setBold(true);
        for (const std::string& line : pages[i])
            printer.print(line);
    }
    printer.endDoc();
}

} // namespace tallyrock
