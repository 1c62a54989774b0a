// tallyrock-cli: the program's operations in batch, over the data files of the
// current working directory.
#include "Command.h"

#include <iostream>

using namespace tallyrock;
using namespace tallyrock::cli;

namespace {
std::string withNewlines(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i] == '\r' ? '\n' : text[i];
    }
    return out;
}
} // namespace

int main(int argc, char** argv) {
    CliContext ctx;
    CLI::App app{"tallyrock-cli: golf league scores and handicaps, in batch", "tallyrock-cli"};
    app.require_subcommand(1, 1);
    std::string today;
    app.add_option("--today", today, "Today's date as MM-DD-YYYY, for titles and dates");
    Commands commands;
    addStoreCommands(app, ctx, commands);
    addRosterCommands(app, ctx, commands);
    addReportCommands(app, ctx, commands);
    addRoundCommands(app, ctx, commands);
    addTeamCommands(app, ctx, commands);
    addChartCommands(app, ctx, commands);

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
    try {
        ctx.start();
        for (const Command& c : commands)
            if (c.sub->parsed()) c.run();
    } catch (const Refused& r) {
        std::cerr << withNewlines(r.text) << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "tallyrock-cli: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
