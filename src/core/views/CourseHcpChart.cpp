#include "CourseHcpChart.h"

#include "Listings.h"
#include "handicap/HandicapCalculation.h"
#include "handicap/WhsEngine.h"
#include "store/NumberText.h"
#include "store/RuleOptions.h"

#include <cmath>

namespace tallyrock {

namespace {
constexpr double FirstRow = -5.0, RowStep = 0.5, ColumnStep = 12.5;
constexpr int Rows = 25, Columns = 4;

void chartFont(ReportPrinter& printer, const std::string& fontName, double size) {
    printer.setFontName(fontName);
    printer.setFontSize(size);
    printer.setBold(true);
}
} // namespace

std::string checkY(double y) {
    return (y >= 0 && y < 10 ? " " : "") + formatPattern(y, "0.0");
}

double chartRounded(double value) {
    return std::nearbyint(value); // default rounding mode: halves to even
}

std::string chartCourseHcpText(double y, double slope) {
    double hcp = chartRounded(y * slope / 113);
    long long whole = static_cast<long long>(hcp);
    return (whole >= 0 && whole <= 9 ? " " : "") + plainNumber(whole);
}

void buildline(std::string& line, const std::string& indexText, const std::string& courseHcpText) {
    line += std::string(7, ' ') + indexText + std::string(6, ' ') + courseHcpText;
}

namespace {
template <typename Text> std::vector<std::string> rowsOf(Text courseHcpText) {
    std::vector<std::string> rows;
    for (int i = 0; i < Rows; ++i) {
        double r = FirstRow + RowStep * i;
        std::string line;
        for (int column = 0; column < Columns; ++column) {
            double y = r + ColumnStep * column;
            buildline(line, checkY(y), courseHcpText(y));
        }
        rows.push_back(line);
    }
    return rows;
}
} // namespace

std::vector<std::string> chartRows(double slope) {
    return rowsOf([slope](double y) { return chartCourseHcpText(y, slope); });
}

std::string whsChartCourseHcpText(double y, int slope, int ratingHundredths, int par) {
    long long whole = whs::courseHandicap(whs::toTenths(y), slope, ratingHundredths, par).rounded();
    return (whole >= 0 && whole <= 9 ? " " : "") + plainNumber(whole);
}

std::vector<std::string> whsChartRows(int slope, int ratingHundredths, int par) {
    return rowsOf([=](double y) { return whsChartCourseHcpText(y, slope, ratingHundredths, par); });
}

std::string chartTeePrompt() {
    return joinLines(
        {"Print Chart relating to which Tee?", "", "Type 1 for Ladies, 2 for Mens or 3 for the Pro tee"});
}

int chartTeeAnswer(const std::string& typed) {
    double value = std::nearbyint(leadingNumber(typed));
    if (value > 4) return 4;
    if (value < 0) return 0;
    return static_cast<int>(value);
}

// The chart spells the pro tee its own way and takes it for any other number.
std::string chartTeeLabel(int tee) {
    return (tee == LadiesTee || tee == MensTee ? teeName(tee) : std::string("Pro tee")) + " - slope ";
}

void PrintChcpChart(ReportPrinter& printer, const Store& store, int course, int tee) {
    if (course < 1 || course > MaxCourses || !isTee(tee)) return;
    double slope = store.courses.numeric(course, field::slope(tee));
    const std::string& font = store.settings.FontName;
    printer.setDocumentName("Course handicap chart");
    printer.setOrientation(Orientation::Portrait);
    SelectReportPrinter(printer);
    chartFont(printer, font, 24);
    for (int i = 0; i < 3; ++i)
        printer.print(" ");
    printer.print("   " + store.courses.name(course));
    printer.print(" ");
    chartFont(printer, font, 14);
    printer.print("     " + chartTeeLabel(tee) + generalNumber(toSingle(slope)));
    printer.print(" ");
    printer.print(" ");
    chartFont(printer, font, 12);
    printer.print(ChartHeading);
    const bool whsRules = whsMethod(store.settings);
    int rating = whs::toHundredths(store.courses.numeric(course, field::rating(tee)));
    int par = static_cast<int>(roundWhole(store.courses.numeric(course, field::TotalPar)));
    int wholeSlope = static_cast<int>(roundWhole(slope));
    for (const std::string& row : whsRules ? whsChartRows(wholeSlope, rating, par) : chartRows(slope))
        printer.print(row);
    for (int i = 0; i < 4; ++i)
        printer.print(" ");
    printer.print("    Use your Hcp index to find the course handicap.");
    if (whsRules)
        printer.print("    World Handicap System: index x slope / 113 + (rating " +
                      whs::hundredthsText(rating) + " - par " + plainNumber(par) + ").");
    printer.endDoc();
}

} // namespace tallyrock
