#pragma once
// Recording, editing and deleting rounds as score entry does: the one way in
// for the score-entry window and the command-line tool alike. Works on the
// shared values of the store: CurrentPlayer, CurrentCourse, EditSlot (0 for a
// new round) and the entry date.

#include "HandicapCalculation.h"
#include "WhsEngine.h"
#include "store/Message.h"

#include <string>
#include <vector>

namespace tallyrock {

enum class RecordOutcome {
    Recorded,
    NoScore, // both totals 0: nothing stored, no message (the window goes back to hole 1)
    Refused, // nothing stored; the message says why
};

struct RecordResult {
    RecordOutcome outcome = RecordOutcome::Recorded;
    Failure message;
};

// Moves every round of a player with 20 rounds down one slot: slot 1 is lost
// and slot 20 is free for the new round.
void DropOldestRound(PlayerRecord& player);

class RoundRecorder {
  public:
    explicit RoundRecorder(Store& store) : m_store(store) {}

    const CalcValues& values() const { return m_values; }
    // The calculation panel's lines of the last calculation.
    const std::vector<std::string>& panel() const { return m_panel; }
    void clearPanel() { m_panel.clear(); }

    // CurrentPlayer = the first marked player, or 0.
    void FindNextMarkedPlayer();
    // Unmarks the current player and moves to the next marked one; false when none is left.
    bool AdvanceToNextPlayer();
    // The end of entry: the course window mode is cleared and the league file saved.
    Failure FinishEntry();

    // Whether scores are capped before recording by stroke control. The World
    // Handicap System caps them itself, by net double bogey, as it records.
    bool strokeControlOn() const;
    // Stroke control for the current player on the current course.
    HoleScores EQadjust(const HoleScores& holes) const;

    // Records the round as the window holds it after stroke control (holes,
    // Out and In stored as given) for CurrentPlayer from `tee`: a new round when
    // EditSlot is 0, otherwise into slot EditSlot. The tee also decides the limit.
    RecordResult record(const HoleScores& scores, int tee);
    // The same for scores as typed: stroke control first when it is on, then
    // Out and In become the sums of the holes when `sumTotals` is set.
    RecordResult recordTyped(const HoleScores& typed, bool sumTotals, int tee);

    // Deletes slot EditSlot of CurrentPlayer, recalculates the player's newest
    // round from the default tee (`shownTee` decides the limit), then ends
    // entry. Returns the save's failure. Under the World Handicap System every
    // round after the deleted one is worked again, and the panel tells how.
    Failure deleteRound(int shownTee);

  private:
    // Differential, index and course handicap of slot RoundSlot.
    void calculate(int p, int tee);
    // The World Handicap System: the player's rounds from slot `from` on are
    // worked again over `rounds` (the held rounds as they now stand) and written back.
    void calculateWhs(int p, std::vector<WhsRoundInput> rounds, int from, bool olderDropped);

    Store& m_store;
    CalcValues m_values;
    std::vector<std::string> m_panel;
};

// The refusal of a round whose course cannot give a differential.
Message unusableCourseMessage(const std::string& reason);
// The question asked before a round is deleted.
Message deleteRoundQuestion();
// The box that holds the calculation panel on screen after each player.
Message pausingMessage();
// Asked (Yes, No, Cancel) before anything would drop rounds recorded but not
// saved (unsavedRounds, UndoLog.h); Yes saves them as FinishEntry does.
Message unsavedRoundsQuestion(int count);

} // namespace tallyrock
