// The CSV exports (`export LEAGUE KIND [DATE | PLAYER] FILE.csv`) and the
// results of a date as a report of `print`.
#include "Command.h"
#include "ReportKinds.h"

#include "views/CsvExport.h"
#include "views/NightResults.h"

#include <memory>

namespace tallyrock::cli {

namespace {

struct ExportArgs {
    std::string league;
    std::vector<std::string> words; // the kind, its argument when it takes one, the file
};

std::string argumentWord(ExportArgument argument) {
    switch (argument) {
    case ExportArgument::Date:
        return " DATE";
    case ExportArgument::Player:
        return " PLAYER";
    case ExportArgument::None:
        break;
    }
    return "";
}

std::string usage(const ExportKind& kind) {
    return std::string(kind.name) + argumentWord(kind.argument) + " FILE.csv";
}

void printNight(ReportRequest& request) {
    if (request.args.size() != 1) refuse("The results need the date: print LEAGUE night MM/DD/YY");
    NightChoice choice = nightResultsOf(request.ctx.store, request.args[0]);
    CliContext::check(choice.refusal);
    printNightResults(request.printer, request.ctx.store, choice.sheet, request.ctx.today);
}

void runExport(CliContext& ctx, const ExportArgs& args) {
    const ExportKind* kind = findExportKind(args.words.front());
    if (!kind) refuse("There is no export '" + args.words.front() + "'.");
    const bool takesArgument = kind->argument != ExportArgument::None;
    if (args.words.size() != (takesArgument ? 3u : 2u)) refuse("Usage: export LEAGUE " + usage(*kind));
    ctx.openLeague(args.league);
    ExportTarget target = exportTarget(ctx.store.workDir, args.words.back());
    CliContext::check(target.refusal);
    ExportRows rows = kind->rows({ctx.store, takesArgument ? args.words[1] : std::string(), ctx.today});
    CliContext::check(rows.refusal);
    CliContext::check(writeCsvExport(ctx.store, *target.file, rows.rows));
}

} // namespace

void addExportCommands(CLI::App& app, CliContext& ctx, Commands& commands) {
    addReportKind(commands,
                  {"night", "night MM/DD/YY  the results of a date, best net score first", printNight});

    auto args = std::make_shared<ExportArgs>();
    CLI::App* sub = app.add_subcommand("export", "Write a CSV file for spreadsheets");
    addLeagueArgument(sub, args->league);
    sub->add_option("KIND", args->words, "The kind, its date or player when it takes one, and the file")
        ->required();
    sub->footer([] {
        std::string text = "Kinds:\n";
        for (const ExportKind& kind : exportKinds())
            text += "  " + usage(kind) + "  " + kind.title + "\n";
        return text + "DATE is MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD. The file is written in the data folder\n"
                      "(\".csv\" is added to a name without it) and never over a data file of the program.\n"
                      "UTF-8, a header row, RFC 4180 quoting, CR LF line ends, dates YYYY-MM-DD.\n";
    });
    commands.push_back({sub, [&ctx, args] { runExport(ctx, *args); }});
}

} // namespace tallyrock::cli
