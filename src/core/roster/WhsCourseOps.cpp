#include "WhsCourseOps.h"

#include "handicap/HandicapCalculation.h"
#include "handicap/WhsRules.h"
#include "roster/CourseOps.h"
#include "store/ChangeSet.h"
#include "store/NumberText.h"
#include "store/RuleOptions.h"
#include "store/WhsFiles.h"

#include <cmath>
#include <optional>

namespace tallyrock {

Message strokeIndexRefusal(const std::string& teeText) {
    return {"Course Setup",
            joinLines({"The stroke indexes of the " + teeText + " must hold each number",
                       "from 1 to 18 once (1 the hardest hole)."}),
            Icon::Exclamation};
}

Message nineRatingRefusal(const std::string& teeText) {
    return {"Course Setup",
            joinLines({"The nine-hole ratings of the " + teeText + " need a rating from " +
                           formatPattern(LowestNineRating, "0.0") + " to " +
                           formatPattern(HighestNineRating, "0.0"),
                       "and a slope from " + plainNumber(LowestSlope) + " to " + plainNumber(HighestSlope) +
                           " for each nine, or none at all."}),
            Icon::Exclamation};
}

Message pccRefusal() {
    return {"Playing Conditions", "The PCC is a whole number from -1 to 3.", Icon::Exclamation};
}

Message noSuchCourse() {
    return {"Tallyrock", "That course is not in the course list.", Icon::Exclamation};
}

namespace {

bool courseExists(const Store& store, int course) {
    return course >= 1 && course <= store.courses.CourseCount && store.courses.offered(course);
}

bool validNine(double rating, double slope) {
    double tenths = std::round(rating * 10) / 10;
    return std::abs(tenths - rating) < 1e-9 && rating >= LowestNineRating && rating <= HighestNineRating &&
           slope >= LowestSlope && slope <= HighestSlope && std::round(slope) == slope;
}

// Removes an entry that holds nothing any more.
void dropEmpty(WhsTables& t, int course, int tee) {
    auto it = t.tees.find({course, tee});
    if (it == t.tees.end()) return;
    const TeeHoles& h = it->second;
    if (!h.hasStrokeIndexes() && h.FrontRating == 0 && h.BackRating == 0) t.tees.erase(it);
}

Failure saveTees(Store& store, const WhsTables& before) {
    if (Failure f = applyChange(store, [&] { return SaveWhsTees(store); })) {
        store.whs.tees = before.tees; // the table stays as the file is
        return f;
    }
    return std::nullopt;
}

} // namespace

Failure setStrokeIndexes(Store& store, int course, int tee, const std::array<int16_t, 19>& strokeIndex) {
    if (!courseExists(store, course)) return noSuchCourse();
    whs::StrokeIndexes si{};
    for (std::size_t h = 1; h <= 18; ++h)
        si[h] = strokeIndex[h];
    if (!isTee(tee) || !whs::validStrokeIndexes(si)) return strokeIndexRefusal(teeName(tee));
    WhsTables before = store.whs;
    store.whs.tees[{course, tee}].StrokeIndex = strokeIndex;
    return saveTees(store, before);
}

Failure setNineRatings(Store& store, int course, int tee, double frontRating, double frontSlope,
                       double backRating, double backSlope) {
    if (!courseExists(store, course)) return noSuchCourse();
    if (!isTee(tee) || !validNine(frontRating, frontSlope) || !validNine(backRating, backSlope))
        return nineRatingRefusal(teeName(tee));
    WhsTables before = store.whs;
    TeeHoles& h = store.whs.tees[{course, tee}];
    h.FrontRating = toSingle(frontRating);
    h.FrontSlope = toSingle(frontSlope);
    h.BackRating = toSingle(backRating);
    h.BackSlope = toSingle(backSlope);
    return saveTees(store, before);
}

Failure setPcc(Store& store, int course, int month, int day, int year, int value) {
    if (!courseExists(store, course)) return noSuchCourse();
    if (value < LowestPcc || value > HighestPcc) return pccRefusal();
    WhsTables before = store.whs;
    std::pair<int, int32_t> key{course, fullYear(year) * 10000 + month * 100 + day};
    if (value == 0)
        store.whs.pcc.erase(key);
    else
        store.whs.pcc[key] = static_cast<int16_t>(value);
    if (Failure f = applyChange(store, [&] { return SaveWhsPcc(store); })) {
        store.whs.pcc = before.pcc;
        return f;
    }
    return std::nullopt;
}

int pccOn(const Store& store, int course, int month, int day, int year) {
    return store.whs.pccOn(course, fullYear(year) * 10000 + month * 100 + day);
}

Failure dropCourseWhsData(Store& store, int course) {
    WhsTables& t = store.whs;
    bool tees = false, pcc = false;
    for (int tee = 1; tee <= 3; ++tee)
        tees = t.tees.erase({course, tee}) > 0 || tees;
    for (auto it = t.pcc.begin(); it != t.pcc.end();)
        if (it->first.first == course) {
            it = t.pcc.erase(it);
            pcc = true;
        } else {
            ++it;
        }
    if (tees)
        if (Failure f = SaveWhsTees(store)) return f;
    if (pcc)
        if (Failure f = SaveWhsPcc(store)) return f;
    return std::nullopt;
}

TeeHolesForms teeHolesForms(const Store& store, int course) {
    TeeHolesForms forms;
    for (int tee = 1; tee <= 3; ++tee) {
        const TeeHoles* h = store.whs.tee(course, tee);
        if (!h) continue;
        TeeHolesForm& f = forms[tee];
        if (h->hasStrokeIndexes())
            for (std::size_t i = 1; i <= 18; ++i)
                f.strokeIndex[i] = plainNumber(h->StrokeIndex[i]);
        if (h->FrontRating > 0) {
            f.frontRating = formatPattern(h->FrontRating, "0.0");
            f.frontSlope = generalNumber(h->FrontSlope);
            f.backRating = formatPattern(h->BackRating, "0.0");
            f.backSlope = generalNumber(h->BackSlope);
        }
    }
    return forms;
}

namespace {

bool blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// The rows as values: nothing where a row cannot be stored.
std::optional<TeeHoles> teeHolesOf(const TeeHolesForm& f, Failure& refusal, int tee) {
    TeeHoles h;
    bool anyIndex = false, allIndexes = true;
    whs::StrokeIndexes si{};
    for (std::size_t i = 1; i <= 18; ++i) {
        if (blank(f.strokeIndex[i])) {
            allIndexes = false;
            continue;
        }
        anyIndex = true;
        auto v = completeNumber(f.strokeIndex[i]);
        if (!v || *v != std::round(*v) || *v < 1 || *v > 18) allIndexes = false;
        si[i] = v ? static_cast<int>(*v) : 0;
    }
    if (anyIndex && (!allIndexes || !whs::validStrokeIndexes(si))) {
        refusal = strokeIndexRefusal(teeName(tee));
        return std::nullopt;
    }
    if (anyIndex)
        for (std::size_t i = 1; i <= 18; ++i)
            h.StrokeIndex[i] = static_cast<int16_t>(si[i]);
    const std::string* nine[] = {&f.frontRating, &f.frontSlope, &f.backRating, &f.backSlope};
    bool anyNine = false, allNine = true;
    std::array<double, 4> values{};
    for (std::size_t k = 0; k < 4; ++k) {
        if (blank(*nine[k])) {
            allNine = false;
            continue;
        }
        anyNine = true;
        auto v = completeNumber(*nine[k]);
        if (!v) allNine = false;
        values[k] = v.value_or(0);
    }
    if (anyNine) {
        if (!allNine || !validNine(values[0], values[1]) || !validNine(values[2], values[3])) {
            refusal = nineRatingRefusal(teeName(tee));
            return std::nullopt;
        }
        h.FrontRating = toSingle(values[0]);
        h.FrontSlope = toSingle(values[1]);
        h.BackRating = toSingle(values[2]);
        h.BackSlope = toSingle(values[3]);
    }
    return h;
}

} // namespace

Failure checkTeeHolesForms(const TeeHolesForms& forms) {
    for (int tee = 1; tee <= 3; ++tee) {
        Failure refusal;
        if (!teeHolesOf(forms[tee], refusal, tee)) return refusal;
    }
    return std::nullopt;
}

Failure saveTeeHolesForms(Store& store, int course, const TeeHolesForms& forms) {
    if (Failure refusal = checkTeeHolesForms(forms)) return refusal;
    // The course window saves any course of the table, even one no list offers.
    if (course < 1 || course > store.courses.CourseCount) return noSuchCourse();
    WhsTables before = store.whs;
    bool changed = false;
    for (int tee = 1; tee <= 3; ++tee) {
        Failure unused;
        TeeHoles h = *teeHolesOf(forms[tee], unused, tee);
        const TeeHoles* old = store.whs.tee(course, tee);
        TeeHoles was = old ? *old : TeeHoles{};
        if (was.StrokeIndex == h.StrokeIndex && was.FrontRating == h.FrontRating &&
            was.FrontSlope == h.FrontSlope && was.BackRating == h.BackRating && was.BackSlope == h.BackSlope)
            continue;
        changed = true;
        store.whs.tees[{course, tee}] = h;
        dropEmpty(store.whs, course, tee);
    }
    return changed ? saveTees(store, before) : std::nullopt;
}

} // namespace tallyrock
