#pragma once
// What every command of tallyrock-cli shares: the store over the current
// directory's data files, today's date, and the way a command refuses.

#include "services/Clock.h"
#include "store/ChangeSet.h"
#include "store/Message.h"
#include "store/Store.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace tallyrock::cli {

// Thrown by a command that refuses; main prints the message and exits with 1.
struct Refused {
    std::string text;
};
[[noreturn]] void refuse(const Message& message);
[[noreturn]] void refuse(const std::string& text);

class CliContext {
  public:
    CliContext();

    Store store;
    Date today; // the system's date, or --today

    // Takes the data folder's lock for the whole command (waiting up to
    // store.lockWait), finishes a change a crashed program left behind, then
    // reads the settings and league list files as the main window's load does;
    // a league list that is present but unreadable refuses the command.
    void start();
    // Lands everything the command wrote, all of it or nothing.
    Failure finish();
    // Opens a listed league as the main window does: league file, course file
    // and teams. Any file that is present but fails to load refuses the command.
    void openLeague(const std::string& name);
    // Reads the course file; a present but unreadable file refuses the command.
    void loadCourses();
    // Refuses with the message when there is one.
    static void check(const Failure& failure);

  private:
    std::unique_ptr<ChangeSet> m_change;
};

// MM-DD-YYYY; false when the text is not a date.
bool parseDashedDate(const std::string& text, Date& out);

} // namespace tallyrock::cli
