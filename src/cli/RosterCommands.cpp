// Players of a league: add, remove, rename and move.
#include "Command.h"

#include "roster/PlayerOps.h"
#include "roster/RosterChanges.h"
#include "store/FileNames.h"

#include <algorithm>
#include <memory>

namespace tallyrock::cli {

void reportAll(const std::vector<Message>& messages) {
    if (!messages.empty()) refuse(messages.front());
}

namespace {

struct PlayerArgs {
    std::string league, name;
    int tee = 2;
};

void addAddPlayer(CLI::App& app, CliContext& ctx, Commands& commands) {
    auto args = std::make_shared<PlayerArgs>();
    CLI::App* add = app.add_subcommand("add-player", "Add a player to a league");
    addLeagueArgument(add, args->league);
    add->add_option("NAME", args->name, "Player name, 3 to 18 characters")->required();
    add->add_option("--tee", args->tee, "Default tee: 1 red, 2 white, 3 blue")->check(CLI::Range(1, 3));
    commands.push_back({add, [&ctx, args] {
                            ctx.openLeague(args->league);
                            openAddPlayers(ctx.store);
                            std::string name = playerNameBoxText(args->name);
                            if (name != args->name && charCount(args->name) > 18)
                                refuse("A player name has at most 18 characters.");
                            switch (addPlayer(ctx.store, name, args->tee)) {
                            case AddPlayerResult::Refused:
                                refuse(*checkPlayerName(name));
                            case AddPlayerResult::TooShort:
                                refuse("A player name needs at least 3 characters.");
                            case AddPlayerResult::RosterFull:
                                refuse("The league is full (100 players).");
                            case AddPlayerResult::Duplicate:
                                refuse(duplicatePlayerName());
                            case AddPlayerResult::Added:
                                break;
                            }
                            reportAll(saveRosterFiles(ctx.store, TeamFileSave::WhileTeamsInUse));
                        }});
}

int playerSlot(const Store& store, const std::string& name) {
    int k = findPlayer(store.league, name);
    if (k == 0) refuse("There is no player named " + name + " in this league.");
    return k;
}

struct ChangeArgs {
    std::string league, name, newName, position;
};

// A command on one player of a league: LEAGUE and the player's name come first.
struct PlayerCommand {
    CLI::App* sub;
    std::shared_ptr<ChangeArgs> args;
};
PlayerCommand addPlayerCommand(CLI::App& app, const char* command, const char* help, const char* nameWord,
                               const char* nameHelp) {
    auto a = std::make_shared<ChangeArgs>();
    CLI::App* sub = app.add_subcommand(command, help);
    addLeagueArgument(sub, a->league);
    sub->add_option(nameWord, a->name, nameHelp)->required();
    return {sub, a};
}

void addRemovePlayer(CLI::App& app, CliContext& ctx, Commands& commands) {
    PlayerCommand command =
        addPlayerCommand(app, "remove-player", "Remove a player and all of the player's rounds (confirmed)",
                         "NAME", "Player name");
    commands.push_back({command.sub, [&ctx, a = command.args] {
                            ctx.openLeague(a->league);
                            removePlayer(ctx.store, playerSlot(ctx.store, a->name));
                            reportAll(saveRosterFiles(ctx.store, TeamFileSave::Always));
                        }});
}

void addRenamePlayer(CLI::App& app, CliContext& ctx, Commands& commands) {
    PlayerCommand command =
        addPlayerCommand(app, "rename-player", "Rename a player (confirmed)", "OLD", "Current name");
    command.sub->add_option("NEW", command.args->newName, "New name, 4 to 18 characters")->required();
    commands.push_back({command.sub, [&ctx, a = command.args] {
                            ctx.openLeague(a->league);
                            int k = playerSlot(ctx.store, a->name);
                            const std::string& newName = a->newName;
                            switch (checkRename(ctx.store.league, newName)) {
                            case RenameCheck::Refused:
                                refuse(*checkPlayerName(newName));
                            case RenameCheck::TooShort:
                                refuse("A new player name needs at least 4 characters.");
                            case RenameCheck::InUse:
                                refuse(nameInUse());
                            case RenameCheck::Ok:
                                break;
                            }
                            renamePlayer(ctx.store, k, newName);
                            reportAll(saveRosterFiles(ctx.store, TeamFileSave::Never));
                        }});
}

void addMovePlayer(CLI::App& app, CliContext& ctx, Commands& commands) {
    PlayerCommand command = addPlayerCommand(
        app, "move-player", "Move a player to another position in the player list", "NAME", "Player name");
    command.sub->add_option("POSITION", command.args->position, "New position, 1 to the number of players")
        ->required();
    commands.push_back(
        {command.sub, [&ctx, a = command.args] {
             ctx.openLeague(a->league); // reads the teams as the order window's load does
             int k = playerSlot(ctx.store, a->name);
             auto slots = rosterSlots(ctx.store.league);
             int from = static_cast<int>(std::find(slots.begin(), slots.end(), k) - slots.begin()) + 1;
             std::string shown = orderPositionText(a->position, ctx.store.league.PlayerCount);
             if (!movePlayer(ctx.store, a->name, from, orderTargetPosition(shown)))
                 refuse(a->name + " is already at position " + shown + ".");
             reportAll(saveRosterFiles(ctx.store, TeamFileSave::WhileTeamsInUse));
         }});
}

} // namespace

void addRosterCommands(CLI::App& app, CliContext& ctx, Commands& commands) {
    for (auto add : {addAddPlayer, addRemovePlayer, addRenamePlayer, addMovePlayer})
        add(app, ctx, commands);
}

} // namespace tallyrock::cli
