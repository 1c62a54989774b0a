// tallyrock-cli: the program's operations in batch, over the data files of the
// current working directory.
#include "Command.h"
#include "store/Message.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <iostream>
#include <sstream>
#include <string_view>
#include <vector>

using namespace tallyrock;
using namespace tallyrock::cli;

namespace {

using AddCommands = void (*)(CLI::App&, CliContext&, Commands&);

// Every command file, in the order their commands are listed in the help.
constexpr AddCommands allCommandFiles[] = {
    addStoreCommands, addRosterCommands, addReportCommands, addRoundCommands,   addTeamCommands,
    addChartCommands, addUndoCommands,   addExportCommands, addExplainCommands, addWhsCommands};

// The command files a run needs. Building every command's options costs more
// than most commands' own work, so a run builds only the file of the command it
// names; without a known command name (help, a mistyped name) it builds them all,
// and the help and the errors are those of the whole tool.
std::vector<AddCommands> commandFilesFor(int argc, char** argv) {
    struct CommandFile {
        std::vector<std::string_view> commands;
        std::vector<AddCommands> needed;
    };
    static const CommandFile files[] = {
        {{"create-league", "delete-league", "leagues", "add-course", "courses", "rules"}, {addStoreCommands}},
        {{"add-player", "remove-player", "rename-player", "move-player"}, {addRosterCommands}},
        {{"listing"}, {addReportCommands}},
        {{"print"},
         {addReportCommands, addTeamCommands, addChartCommands, addExportCommands, addExplainCommands}},
        {{"record", "edit-round", "delete-round", "import", "course-handicap"}, {addRoundCommands}},
        {{"undo"}, {addUndoCommands}},
        {{"export"}, {addExportCommands}},
        {{"explain"}, {addReportCommands, addExplainCommands}}, // which adds to print
        {{"course-si", "course-nines", "pcc"}, {addWhsCommands}},
    };
    // The command is the first word that is neither a tool option nor its value.
    for (int i = 1; i < argc; ++i) {
        std::string_view word = argv[i];
        if (word == "--today" || word == "--wait") {
            ++i;
            continue;
        }
        if (word.starts_with("-")) continue;
        for (const CommandFile& file : files)
            if (std::find(file.commands.begin(), file.commands.end(), word) != file.commands.end())
                return file.needed;
        break;
    }
    return {std::begin(allCommandFiles), std::end(allCommandFiles)};
}

} // namespace

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
    for (AddCommands add : commandFilesFor(argc, argv))
        add(app, ctx, commands);

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
