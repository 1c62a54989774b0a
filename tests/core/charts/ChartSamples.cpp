#include "ChartSamples.h"

#include "store/NumberText.h"

namespace tallyrock::test {

int addChartPlayer(Store& store, const std::string& name) {
    int p = ++store.league.PlayerCount;
    store.player(p).PlayerName = name;
    store.player(p).PlayerTee = 2;
    return p;
}

RoundRecord& addChartRound(Store& store, int p, float diff, float index, int course) {
    PlayerRecord& player = store.player(p);
    RoundRecord& round = player.round[static_cast<std::size_t>(++player.RoundCount)];
    round.RoundDiff = diff;
    round.RoundIndex = index;
    round.RoundCourseHcp = static_cast<float>(roundWhole(index));
    round.RoundCourse = static_cast<int16_t>(course);
    return round;
}

void setChartCourse(Store& store, int c, const std::vector<int>& pars, const std::string& initials) {
    if (store.courses.CourseCount < c) store.courses.CourseCount = static_cast<int16_t>(c);
    auto& fields = store.courses.CourseField[static_cast<std::size_t>(c)];
    fields[field::Name] = "Course " + initials;
    for (std::size_t h = 0; h < pars.size() && h < 18; ++h)
        fields[static_cast<std::size_t>(field::holePar(static_cast<int>(h) + 1))] = fileNumber(pars[h]);
    fields[field::Initials] = initials;
}

void setHoleScores(RoundRecord& round, std::initializer_list<int> scores) {
    std::size_t h = 1;
    for (int s : scores)
        round.HoleScore[h++] = static_cast<int16_t>(s);
    int out = 0, in = 0;
    for (std::size_t k = 1; k <= 18; ++k)
        (k <= 9 ? out : in) += round.HoleScore[k];
    round.HoleScore[OutSlot] = static_cast<int16_t>(out);
    round.HoleScore[InSlot] = static_cast<int16_t>(in);
}

} // namespace tallyrock::test
