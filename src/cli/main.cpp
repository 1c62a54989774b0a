// tallyrock-cli: the program's operations in batch, over the data files of the
// current working directory.
#include "Command.h"
#include "store/Message.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <sstream>

using namespace tallyrock;
using namespace tallyrock::cli;

int main(int argc, char** argv) {
    // A file-size limit makes a save fail with its message instead of killing the tool.
    std::signal(SIGXFSZ, SIG_IGN);
    CliContext ctx;
    CLI::App app{"tallyrock-cli: golf league scores and handicaps, in batch", "tallyrock-cli"};
    app.require_subcommand(1, 1);
    std::string today;
    app.add_option("--today", today, "Today's date as MM-DD-YYYY, for titles and dates");
    double waitSeconds = 10;
    app.add_option("--wait", waitSeconds,
                   "Seconds to wait while another program changes the data files (default 10)")
        ->check(CLI::Range(0.0, 3600.0));
    Commands commands;
    addStoreCommands(app, ctx, commands);
    addRosterCommands(app, ctx, commands);
    addReportCommands(app, ctx, commands);
    addRoundCommands(app, ctx, commands);
    addTeamCommands(app, ctx, commands);
    addChartCommands(app, ctx, commands);
    addUndoCommands(app, ctx, commands);
    addExportCommands(app, ctx, commands);
    addExplainCommands(app, ctx, commands);
    addWhsCommands(app, ctx, commands);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << e.what() << "\n\n";
        const CLI::App* failing = &app;
        for (const Command& c : commands)
            if (c.sub->parsed()) failing = c.sub;
        std::cerr << failing->help();
        return 2;
    }
    if (!today.empty() && !parseDashedDate(today, ctx.today)) {
        std::cerr << "--today: '" << today << "' is not a date MM-DD-YYYY\n\n" << app.help();
        return 2;
    }
    ctx.store.lockWait = std::chrono::milliseconds(static_cast<long long>(waitSeconds * 1000));
    // What a command prints is its result: it is shown only once every file it wrote has landed.
    std::ostringstream output;
    std::streambuf* terminal = std::cout.rdbuf(output.rdbuf());
    auto fail = [&](const std::string& text) {
        std::cout.rdbuf(terminal);
        std::cerr << plainLineBreaks(text) << "\n";
        return 1; // nothing was changed: an unfinished change is dropped whole
    };
    try {
        ctx.start();
        for (const Command& c : commands)
            if (c.sub->parsed()) c.run();
        if (Failure failure = ctx.finish()) return fail(failure->text);
    } catch (const Refused& r) {
        return fail(r.text);
    } catch (const std::exception& e) {
        return fail(std::string("tallyrock-cli: ") + e.what());
    }
    std::cout.rdbuf(terminal);
    std::cout << output.str() << std::flush;
    return 0;
}
