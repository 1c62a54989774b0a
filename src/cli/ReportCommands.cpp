// The rounds view as text (`listing`) and every printed report (`print`), to
// a PDF file through the desktop program's printer (the PDF module) or to a
// text file.
#include "Command.h"
#include "PdfPrinting.h"
#include "ReportKinds.h"

#include "roster/CourseOps.h"
#include "roster/PlayerOps.h"
#include "services/TextPrinter.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "views/CourseHcpChart.h"
#include "views/Listings.h"
#include "views/RoundsView.h"

#include <iostream>
#include <memory>

namespace tallyrock::cli {
namespace fs = std::filesystem;

namespace {

void addListingOptions(CLI::App* sub, ListingOptions& options) {
    sub->add_option("--view", options.view, "recent (default), date or player")
        ->check(CLI::IsMember({"recent", "date", "player"}));
    sub->add_option("--player", options.player, "The player of the player view");
    sub->add_option("--back", options.back, "Presses of \"earlier\" in the recent and date views")
        ->check(CLI::NonNegativeNumber);
}

// The rounds view as the main window shows it after the options' choices.
ViewLines listingView(CliContext& ctx, const ListingOptions& options) {
    Store& store = ctx.store;
    RoundsView view;
    std::string mode = options.view.empty() ? (options.player.empty() ? "recent" : "player") : options.view;
    if (mode == "player") {
        if (options.player.empty()) refuse("The player view needs --player NAME.");
        if (options.back > 0) refuse("--back applies to the recent and date views.");
        int p = findPlayer(store.league, options.player);
        if (p == 0) refuse("There is no player '" + options.player + "' in this league.");
        store.CurrentPlayer = static_cast<int16_t>(p);
        view.setMode(ViewMode::Player);
        view.fillPlayer(store, p);
        return view.lines();
    }
    if (!options.player.empty()) refuse("--player applies to the player view.");
    view.setMode(mode == "date" ? ViewMode::ByDate : ViewMode::Recent);
    view.show(store);
    for (int i = 0; i < options.back; ++i)
        view.spinDown(store);
    return view.lines();
}

std::string title(CliContext& ctx, int width) {
    return listingTitle(ctx.store.league.LeagueFilePath, ctx.today, width);
}

void writeOrRefuse(CliContext& ctx, const fs::path& file, const std::string& text) {
    if (!ctx.store.writer->writeFile(file, text)) refuse("Unable to write " + file.string());
}

ViewLines printableView(ReportRequest& request) {
    ViewLines view = listingView(request.ctx, request.listing);
    if (!listingOffered(view, true)) refuse("The view holds no rounds to print.");
    return view;
}

void noArguments(const ReportRequest& request, const std::string& report) {
    if (!request.args.empty()) refuse("The " + report + " listing takes no arguments.");
}

void printChart(ReportRequest& request) {
    if (request.args.size() != 2) refuse("The chart needs COURSE and TEE: print LEAGUE chart COURSE TEE");
    const CourseTable& courses = request.ctx.store.courses;
    const std::string& name = request.args[0];
    int course = findCourse(courses, name);
    if (course == 0) {
        // A course number is taken as well as a name.
        double number = leadingNumber(name);
        if (plainNumber(static_cast<long long>(number)) == name && number >= 1 &&
            number <= courses.CourseCount && courses.offered(static_cast<int>(number)))
            course = static_cast<int>(number);
    }
    if (course == 0) refuse("There is no course '" + name + "'.");
    const std::string& teeText = request.args[1];
    if (teeText != "1" && teeText != "2" && teeText != "3")
        refuse("TEE is 1 for Ladies, 2 for Mens or 3 for the Pro tee.");
    PrintChcpChart(request.printer, request.ctx.store, course, teeText[0] - '0');
}

void addListingReports(Commands& commands) {
    addReportKind(commands,
                  {"short", "short  the short listing (portrait, no hole scores)", [](ReportRequest& r) {
                       noArguments(r, "short");
                       printshortreport(r.printer, r.ctx.store.settings.FontName, printableView(r),
                                        title(r.ctx, ShortTitleWidth));
                   }});
    addReportKind(commands,
                  {"long", "long  the long listing (landscape, with the hole scores)", [](ReportRequest& r) {
                       noArguments(r, "long");
                       printlongreport(r.printer, r.ctx.store.settings.FontName, printableView(r),
                                       title(r.ctx, LongTitleWidth));
                   }});
    addReportKind(commands, {"chart", "chart COURSE TEE  the course handicap reference chart (tee 1, 2 or 3)",
                             printChart});
}

struct PrintArgs {
    std::string league, report;
    std::vector<std::string> args;
    std::string pdf, text;
    ListingOptions listing;
};

struct ListingArgs {
    std::string league, out;
    bool longForm = false;
    ListingOptions listing;
};

} // namespace

void addReportKind(Commands& commands, ReportKind kind) {
    for (ReportKind& existing : commands.reports)
        if (existing.name == kind.name) {
            existing = std::move(kind);
            return;
        }
    commands.reports.push_back(std::move(kind));
}

void addReportCommands(CLI::App& app, CliContext& ctx, Commands& commands) {
    addListingReports(commands);

    auto l = std::make_shared<ListingArgs>();
    CLI::App* listing = app.add_subcommand(
        "listing", "The rounds view as the exported listing: title, a blank line, the lines");
    addLeagueArgument(listing, l->league);
    addListingOptions(listing, l->listing);
    listing->add_flag("--long", l->longForm, "The long listing's lines (with the hole scores)");
    listing->add_option("--out", l->out, "Write to this file (CR LF line ends) instead of standard output");
    commands.push_back({listing, [&ctx, l] {
                            ctx.openLeague(l->league);
                            ViewLines view = listingView(ctx, l->listing);
                            std::vector<std::string> lines =
                                l->longForm ? longprintfileLines(view, title(ctx, LongTitleWidth))
                                            : shortprintfileLines(view, title(ctx, ShortTitleWidth));
                            if (!l->out.empty()) {
                                writeOrRefuse(ctx, l->out, joinCrlf(lines));
                                return;
                            }
                            for (const std::string& line : lines)
                                std::cout << line << "\n";
                        }});

    auto p = std::make_shared<PrintArgs>();
    CLI::App* print = app.add_subcommand("print", "Print a report to a PDF file or as text");
    addLeagueArgument(print, p->league);
    print->add_option("REPORT", p->report, "The report: short, long, chart ...")->required();
    print->add_option("ARGS", p->args, "The report's own arguments");
    addListingOptions(print, p->listing);
    CLI::Option_group* output = print->add_option_group("output", "Where the printout goes");
    output->add_option("--pdf", p->pdf, "Print to this PDF file");
    output->add_option("--text", p->text, "Write the printed text to this file (a form feed between pages)");
    output->require_option(1);
    print->footer([&commands] {
        std::string text = "Reports:\n";
        for (const ReportKind& kind : commands.reports)
            text += "  " + kind.usage + "\n";
        return text;
    });
    commands.push_back({print, [&ctx, &commands, p] {
                            const ReportKind* kind = nullptr;
                            for (const ReportKind& k : commands.reports)
                                if (k.name == p->report) kind = &k;
                            if (!kind) refuse("There is no report '" + p->report + "'.");
                            ctx.openLeague(p->league);
                            auto run = [&](ReportPrinter& printer) {
                                ReportRequest request{ctx, p->args, p->listing, printer};
                                kind->print(request);
                            };
                            if (!p->pdf.empty()) {
                                printToPdf(ctx, p->pdf, run);
                                return;
                            }
                            TextPrinter printer;
                            run(printer);
                            printer.endDoc();
                            writeOrRefuse(ctx, p->text, printer.text());
                        }});
}

} // namespace tallyrock::cli
