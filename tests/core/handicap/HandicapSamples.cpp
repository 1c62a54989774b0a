#include "HandicapSamples.h"

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
        fields[static_cast<std::size_t>(field::rating(t))] =
            ratingFieldText(tees[static_cast<std::size_t>(t - 1)].rating);
        fields[static_cast<std::size_t>(field::slope(t))] =
            ratingFieldText(tees[static_cast<std::size_t>(t - 1)].slope);
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

int addSamplePlayer(Store& store, const std::string& name, int tee) {
    int p = ++store.league.PlayerCount;
    store.player(p).PlayerName = name;
    store.player(p).PlayerTee = static_cast<int16_t>(tee);
    return p;
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

} // namespace tallyrock::test
