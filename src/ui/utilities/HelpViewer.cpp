#include "HelpViewer.h"

#include <iterator>

namespace tallyrock {

HelpTopic helpTopicAtPosition(int position) {
    struct Start {
        int position;
        HelpTopic topic;
    };
    static constexpr Start starts[] = {
        {0, HelpTopic::Contents},
        {1477, HelpTopic::Purpose},
        {2442, HelpTopic::GettingStarted},
        {2470, HelpTopic::QuickStart},
        {6304, HelpTopic::PlayersNeeds},
        {9315, HelpTopic::Definitions},
        {11315, HelpTopic::CreatingLeague},
        {12582, HelpTopic::AddingPlayers},
        {13737, HelpTopic::Courses},
        {14952, HelpTopic::EnteringScores},
        {17397, HelpTopic::Viewing},
        {19076, HelpTopic::CorrectingRound},
        {20806, HelpTopic::ProgramSettings},
        {23576, HelpTopic::PrinterFont},
        {24372, HelpTopic::TeamRecords},
        {26019, HelpTopic::OfficialHandicaps},
        {26784, HelpTopic::CourseHandicap},
        {27760, HelpTopic::NineHoleRounds},
        {30497, HelpTopic::Toolbar},
        {32181, HelpTopic::Tips},
    };
    HelpTopic topic = HelpTopic::Contents;
    for (const Start& start : starts)
        if (position >= start.position) topic = start.topic;
    return topic;
}

} // namespace tallyrock
