#include "Listings.h"

#include "store/FileNames.h"

namespace tallyrock {

namespace {

constexpr std::size_t ShortLeftChars = 41; // date to index, without hole 1
constexpr std::size_t ShortTailFrom = 95;  // 1-based: the course handicap and count columns
constexpr std::size_t LongHeadingChars = 132;
constexpr std::size_t NameField = 22;
constexpr std::size_t ShortPageBreak = 53;
constexpr std::size_t LongPageBreaks[] = {43, 86};

std::string nameField(const std::string& name) {
    std::size_t length = charCount(name);
    return name + std::string(length < NameField ? NameField - length : 0, ' ');
}

// Characters from the n-th (1-based) to the end.
std::string charsFrom(const std::string& text, std::size_t n) {
    return text.substr(leftChars(text, n - 1).size());
}

std::string shortLine(const std::string& name, const std::string& round) {
    return std::string(7, ' ') + nameField(name) + leftChars(round, ShortLeftChars) +
           charsFrom(round, ShortTailFrom);
}

std::string longLine(const std::string& name, const std::string& round) {
    return std::string(6, ' ') + nameField(name) + round;
}

// The composed heading line cut to its first 132 characters: "... C Hcp # rnd".
std::string longHeading(const ViewLines& view) {
    return leftChars(longLine(view.names[0], view.rounds[0]), LongHeadingChars) + "rnd";
}

void setReportFont(ReportPrinter& printer, const std::string& fontName, double size) {
    printer.setFontName(fontName);
    printer.setFontSize(size);
    printer.setBold(true);
}

void printBlankLines(ReportPrinter& printer, int count) {
    for (int i = 0; i < count; ++i)
        printer.print(" ");
}

// The top of every page after a break: the font again, four blank lines, the
// page heading, the separator and one blank line.
void printPageTop(ReportPrinter& printer, const std::string& fontName, double size,
                  const std::string& heading, const std::string& separator) {
    printer.newPage();
    SelectReportPrinter(printer);
    setReportFont(printer, fontName, size);
    printBlankLines(printer, 4);
    printer.print(heading);
    printer.print(separator);
    printer.print(" ");
}

// Both listings: title block, then the lines with the page breaks after the given items.
void printListing(ReportPrinter& printer, const std::string& fontName, double size, const std::string& title,
                  const std::vector<std::string>& lines, const std::string& separator,
                  std::initializer_list<std::size_t> breaks) {
    SelectReportPrinter(printer);
    setReportFont(printer, fontName, size);
    printBlankLines(printer, 4);
    printer.print(title);
    printer.print("");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        printer.print(lines[i]);
        for (std::size_t after : breaks)
            if (i == after) printPageTop(printer, fontName, size, lines[0], separator);
    }
    printer.endDoc();
}

} // namespace

std::string listingTitle(const std::string& leagueFilePath, const Date& today, int width) {
    std::size_t length = charCount(leagueFilePath);
    std::string name = leftChars(leagueFilePath, length >= 4 ? length - 4 : 0);
    int gap = width - static_cast<int>(length);
    return std::string(6, ' ') + name + std::string(gap > 0 ? static_cast<std::size_t>(gap) : 0, ' ') +
           "Tallyrock   " + dashedDate(today);
}

std::string shortSeparator() {
    return std::string(6, ' ') + std::string(82, '_');
}
std::string longSeparator() {
    return std::string(6, ' ') + std::string(129, '-');
}

std::vector<std::string> shortListingLines(const ViewLines& view) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < view.size(); ++i)
        lines.push_back(i == 1 ? shortSeparator() : shortLine(view.names[i], view.rounds[i]));
    if (!view.note.empty()) lines.push_back(std::string(7, ' ') + view.note);
    return lines;
}

std::vector<std::string> longListingLines(const ViewLines& view) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < view.size(); ++i) {
        if (i == 0)
            lines.push_back(longHeading(view));
        else
            lines.push_back(i == 1 ? longSeparator() : longLine(view.names[i], view.rounds[i]));
    }
    if (!view.note.empty()) lines.push_back(std::string(6, ' ') + view.note);
    return lines;
}

bool listingOffered(const ViewLines& view, bool shown) {
    return shown && view.size() >= 3;
}

Message listingQuestion() {
    return {"Tallyrock",
            joinLines({"Include individual hole scores?   (Click Yes)", "",
                       "List including hole scores prints Landscape", "",
                       "Short list (click No) prints Portrait"}),
            Icon::None};
}

void printshortreport(ReportPrinter& printer, const std::string& fontName, const ViewLines& view,
                      const std::string& title) {
    printer.setDocumentName("Short listing");
    printer.setOrientation(Orientation::Portrait);
    printListing(printer, fontName, 10, title, shortListingLines(view), shortSeparator(), {ShortPageBreak});
}

void printlongreport(ReportPrinter& printer, const std::string& fontName, const ViewLines& view,
                     const std::string& title) {
    printer.setDocumentName("Long listing");
    printer.setOrientation(Orientation::Landscape);
    printListing(printer, fontName, 9, title, longListingLines(view), longSeparator(),
                 {LongPageBreaks[0], LongPageBreaks[1]});
}

std::vector<std::string> shortprintfileLines(const ViewLines& view, const std::string& title) {
    std::vector<std::string> lines{title, " "};
    for (std::string& line : shortListingLines(view))
        lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> longprintfileLines(const ViewLines& view, const std::string& title) {
    std::vector<std::string> lines{title, " "};
    for (std::string& line : longListingLines(view))
        lines.push_back(std::move(line));
    return lines;
}

std::string joinCrlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::optional<std::filesystem::path> exportFileName(const std::string& chosen) {
    std::string name = chosen;
    std::size_t length = charCount(name);
    if (length < 4 || upperCase(name.substr(name.size() - 4)) != ".TXT") name += ".txt";
    if (charCount(name) < 7) return std::nullopt;
    std::filesystem::path path(name);
    for (const auto& part : path)
        if (part == "..") return std::nullopt;
    return path;
}

Message exportWriteFailure(const std::string& fileName) {
    return {"Tallyrock", joinLines({"Unable to write the listing to", fileName}), Icon::Exclamation};
}

Failure shortprintfile(Store& store, const std::filesystem::path& file, const ViewLines& view,
                       const std::string& title) {
    if (!store.writer->writeFile(file, joinCrlf(shortprintfileLines(view, title))))
        return exportWriteFailure(file.string());
    return std::nullopt;
}

} // namespace tallyrock
