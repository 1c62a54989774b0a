#include "PlayedTee.h"

#include "CourseHandicapCalculator.h"
#include "HandicapCalculation.h"

namespace tallyrock {

int playedTee(const Store& store, int p, int r) {
    const PlayerRecord& player = store.player(p);
    const RoundRecord& round = player.round[r];
    const int defaultTee = isTee(player.PlayerTee) ? player.PlayerTee : MensTee;
    int best = defaultTee, bestScore = 0;
    for (int tee : {defaultTee, LadiesTee, MensTee, ProTee}) {
        CalcValues values;
        setRoundRatingAndSlope(values, store, round.RoundCourse, tee);
        if (!unusableCourseReason(values, store, round.RoundCourse, tee).empty()) continue;
        values.RoundSlot = static_cast<int16_t>(r);
        ComputeRoundDifferential(values, store, p);
        if (values.RoundDifferential != round.RoundDiff) continue;
        const bool sameHcp = courseHandicap(round.RoundIndex, values.RoundSlope) == round.RoundCourseHcp;
        const int score = sameHcp ? 2 : 1;
        if (score > bestScore) {
            best = tee;
            bestScore = score;
        }
    }
    return best;
}

} // namespace tallyrock
