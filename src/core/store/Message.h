#pragma once
// A message the program shows in a message box. Core operations return these;
// the windows show them and the command-line tool prints them.

#include <optional>
#include <string>
#include <string_view>

namespace tallyrock {

enum class Icon { None, Exclamation, Question, Stop, Information };

struct Message {
    std::string title;
    std::string text; // line breaks as "\r\n"
    Icon icon = Icon::None;
};

// Empty when the operation succeeded.
using Failure = std::optional<Message>;

// Joins lines with the carriage return and line feed that message texts use.
std::string joinLines(std::initializer_list<std::string> lines);

// The text with every line break as one "\n": a break may be given as CR LF,
// as LF CR (the backup and restore messages) or as a lone CR or LF, and each
// is one break, never two.
std::string plainLineBreaks(std::string_view text);

} // namespace tallyrock
