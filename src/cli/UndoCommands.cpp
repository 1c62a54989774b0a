// Undoing the newest change to the data files, and the list of changes that can be undone.
#include "Command.h"

#include "store/UndoLog.h"

#include <iostream>
#include <memory>

namespace tallyrock::cli {

void addUndoCommands(CLI::App& app, CliContext& ctx, Commands& commands) {
    auto list = std::make_shared<bool>(false);
    CLI::App* undo = app.add_subcommand(
        "undo",
        "Undo the newest change to the data files (by this tool or the program), or list the changes");
    undo->add_flag("--list", *list, "List the changes that can be undone, newest first");
    commands.push_back({undo, [&ctx, list] {
                            if (*list) {
                                int n = 0;
                                for (const UndoEntry& entry : undoList(ctx.store))
                                    std::cout << ++n << "  " << entry.time << "  " << entry.by << "  "
                                              << entry.label << "\n";
                                return;
                            }
                            std::string label;
                            CliContext::check(undoLastChange(ctx.store, &label));
                            std::cout << "Undone: " << label << "\n";
                        }});
}

} // namespace tallyrock::cli
