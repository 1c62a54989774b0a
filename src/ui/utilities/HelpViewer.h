#pragma once
// Opening the instructions at a topic. Every information button and help
// menu item calls ShowHelpTopic on the one HelpViewer the program has (the
// HelpLauncher, which owns the help window); tests may give a recorder.
//
// Which topic each window asks for:
//   main window   Help > Contents, tool button "Help and Instructions"   Contents
//                 Help > Quick Start Instructions                         QuickStart
//                 Help > Purpose & Intent                                 Purpose
//                 button "Quick Start Basics"                             GettingStarted
//                 button "Important Tips"                                 Tips
//                 button "Entering Scores"                                EnteringScores
//   round set-up, score entry for new rounds                              EnteringScores
//   score entry while a stored round is corrected                         CorrectingRound
//   handicap rules window                                                 ProgramSettings
//   course handicap calculator                                            CourseHandicap
//   course window                                                         Courses
//   league creation and deletion                                          CreatingLeague
//   add, remove and rename player windows                                 AddingPlayers
//   team definition, team points, team summary                            TeamRecords
//   printer font window                                                   PrinterFont
//   restore window                                                        BackupRestore

#include <array>
#include <cstddef>

namespace tallyrock {

// The topics of the instructions, in the order the text has them.
enum class HelpTopic {
    Contents,
    Purpose,
    GettingStarted,
    QuickStart, // the quick start steps inside "Getting Started"
    PlayersNeeds,
    Definitions,
    CreatingLeague,
    AddingPlayers,
    Courses,
    EnteringScores,
    Viewing,
    Printing,
    CorrectingRound,
    ProgramSettings,
    PrinterFont, // a part of "Program Settings"
    TeamRecords,
    Charts,
    HandicapCards,
    BackupRestore,
    DataFiles,
    CommandLine,
    OfficialHandicaps,
    CourseHandicap,
    NineHoleRounds,
    Toolbar,
    Tips,
};

// Every topic, in the enumeration's order: Contents to Tips.
inline constexpr auto AllHelpTopics = [] {
    std::array<HelpTopic, static_cast<std::size_t>(HelpTopic::Tips) + 1> topics{};
    for (std::size_t i = 0; i < topics.size(); ++i)
        topics[i] = static_cast<HelpTopic>(i);
    return topics;
}();

// The topic of a text position of the instructions the windows were first
// written against (0 the top, 1477 purpose, 2442 getting started, 2470 quick
// start, 14952 entering scores, 19076 correcting a round, 20806 settings,
// 23576 printer font, 26784 course handicaps, 32181 tips ...): the topic
// whose position is the last one at or before it.
HelpTopic helpTopicAtPosition(int position);

class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    // Shows the help window (opening it if needed, never disabling anything)
    // with the topic's heading at the top of the text.
    virtual void ShowHelpTopic(HelpTopic topic) = 0;
};

} // namespace tallyrock
