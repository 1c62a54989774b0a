#include "ViewSamples.h"

namespace tallyrock::test {

int addPlayer(Store& store, const std::string& name, int tee) {
    int p = ++store.league.PlayerCount;
    PlayerRecord& player = store.player(p);
    player.clearRecord();
    player.PlayerName = name;
    player.PlayerTee = static_cast<int16_t>(tee);
    return p;
}

void addRound(Store& store, int p, const RoundSample& sample) {
    PlayerRecord& player = store.player(p);
    RoundRecord& round = player.round[static_cast<std::size_t>(++player.RoundCount)];
    round.RoundMonth = static_cast<int16_t>(sample.month);
    round.RoundDay = static_cast<int16_t>(sample.day);
    round.RoundYear = static_cast<int16_t>(sample.year);
    round.RoundCourse = static_cast<int16_t>(sample.course);
    round.RoundIndex = sample.index;
    round.RoundCourseHcp = sample.courseHcp;
    for (int h = 1; h <= 18; ++h)
        round.HoleScore[static_cast<std::size_t>(h)] =
            static_cast<int16_t>(sample.holes[static_cast<std::size_t>(h)]);
    round.HoleScore[OutSlot] = static_cast<int16_t>(sample.out);
    round.HoleScore[InSlot] = static_cast<int16_t>(sample.in);
}

void setCourse(Store& store, int c, const std::string& name, const std::string& initials) {
    CourseTable& courses = store.courses;
    if (courses.CourseCount < c) courses.CourseCount = static_cast<int16_t>(c);
    auto& fields = courses.CourseField[static_cast<std::size_t>(c)];
    fields.fill("");
    fields[field::Name] = name;
    for (int h = 1; h <= 18; ++h)
        fields[static_cast<std::size_t>(field::holePar(h))] = "4";
    fields[field::OutPar] = "36";
    fields[field::InPar] = "36";
    fields[field::TotalPar] = "72";
    for (int t = 1; t <= 3; ++t) {
        fields[static_cast<std::size_t>(field::rating(t))] = " 70.5";
        fields[static_cast<std::size_t>(field::slope(t))] = " 113";
    }
    fields[field::Initials] = initials;
}

} // namespace tallyrock::test
