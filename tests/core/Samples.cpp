#include "Samples.h"

#include "roster/CourseOps.h"
#include "store/NumberText.h"

namespace tallyrock::test {

int addSampleCourse(Store& store, const std::string& name, const std::array<TeeRating, 3>& tees,
                    const std::array<int, 18>& pars) {
    int c = ++store.courses.CourseCount;
    auto& fields = store.courses.CourseField[static_cast<std::size_t>(c)];
    int out = 0, in = 0;
    for (int h = 1; h <= 18; ++h) {
        int par = pars[static_cast<std::size_t>(h - 1)];
        fields[static_cast<std::size_t>(field::holePar(h))] = " " + plainNumber(par);
        (h <= 9 ? out : in) += par;
    }
    fields[field::Name] = name;
    fields[field::OutPar] = plainNumber(out);
    fields[field::InPar] = plainNumber(in);
    fields[field::TotalPar] = " " + plainNumber(out + in);
    for (int t = 1; t <= 3; ++t) {
        const TeeRating& tee = tees[static_cast<std::size_t>(t - 1)];
        fields[static_cast<std::size_t>(field::rating(t))] = ratingFieldText(tee.rating);
        fields[static_cast<std::size_t>(field::slope(t))] = ratingFieldText(tee.slope);
    }
    fields[field::Initials] = name.substr(0, 2);
    return c;
}

Store sampleStore() {
    Store store;
    SetDefaults(store.settings);
    store.settings.NineHoleOption = 1;
    addSampleCourse(store, "Pine Hills", {{{70.1, 118}, {71.2, 125}, {73.5, 131}}});
    return store;
}

void setDifferentials(Store& store, int p, const std::vector<float>& diffs) {
    PlayerRecord& pl = store.player(p);
    pl.RoundCount = static_cast<int16_t>(diffs.size());
    for (std::size_t r = 1; r <= diffs.size(); ++r) {
        pl.round[r].RoundDiff = diffs[r - 1];
        pl.round[r].RoundCourse = 1;
    }
}

std::vector<int> markedPlayers(const Store& store) {
    std::vector<int> slots;
    for (int p = 1; p <= MaxPlayers; ++p)
        if (store.player(p).PlayerMark) slots.push_back(p);
    return slots;
}

HoleScores holeScores(const std::array<int, 18>& holes) {
    HoleScores s{};
    for (std::size_t h = 1; h <= 18; ++h) {
        s[h] = static_cast<int16_t>(holes[h - 1]);
        s[h <= 9 ? OutSlot : InSlot] = static_cast<int16_t>(s[h <= 9 ? OutSlot : InSlot] + holes[h - 1]);
    }
    return s;
}

HoleScores totalScores(int out, int in) {
    HoleScores s{};
    s[OutSlot] = static_cast<int16_t>(out);
    s[InSlot] = static_cast<int16_t>(in);
    return s;
}

int addSamplePlayer(Store& store, const std::string& name, int tee) {
    int p = ++store.league.PlayerCount;
    PlayerRecord& player = store.player(p);
    player.clearRecord();
    player.PlayerName = name;
    player.PlayerTee = static_cast<int16_t>(tee);
    return p;
}

void addRounds(Store& store, int p, std::initializer_list<RoundSample> rounds) {
    for (const RoundSample& round : rounds)
        addRound(store, p, round);
}

Store storeIn(const std::filesystem::path& folder, const std::string& leagueFile) {
    Store store;
    store.workDir = folder;
    store.league.LeagueFilePath = leagueFile;
    return store;
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
    for (std::size_t h = 1; h <= 18; ++h)
        round.HoleScore[h] = static_cast<int16_t>(sample.holes[h]);
    round.HoleScore[OutSlot] = static_cast<int16_t>(sample.out);
    round.HoleScore[InSlot] = static_cast<int16_t>(sample.in);
}

void setCourse(Store& store, int c, const std::string& name, const std::string& initials) {
    if (store.courses.CourseCount < c) store.courses.CourseCount = static_cast<int16_t>(c);
    auto& fields = store.courses.CourseField[static_cast<std::size_t>(c)];
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
