#pragma once
// What the World Handicap System needs beyond the course file and the
// settings file, each kept in a file of its own so those files stay as they
// are: per course and tee the stroke index of each hole and, optionally, the
// ratings and slopes of each nine; per course and date the playing conditions
// calculation (PCC); and the method's settings.

#include <array>
#include <cstdint>
#include <map>
#include <utility>

namespace tallyrock {

// One tee of one course.
struct TeeHoles {
    std::array<int16_t, 19> StrokeIndex{}; // holes 1..18; 0 when none is given
    float FrontRating = 0, FrontSlope = 0; // 0: not given
    float BackRating = 0, BackSlope = 0;

    bool hasStrokeIndexes() const { return StrokeIndex[1] != 0; }
};

struct WhsTables {
    std::map<std::pair<int, int>, TeeHoles> tees; // by course number and tee
    // PCC by course number and date key (full year x 10000 + month x 100 + day); 0 is not kept.
    std::map<std::pair<int, int32_t>, int16_t> pcc;
    // Set when a file failed to load: the first save keeps the original beside it.
    bool teesLoadFailed = false;
    bool pccLoadFailed = false;

    // Nothing when the course and tee have no entry.
    const TeeHoles* tee(int course, int teeNumber) const;
    int pccOn(int course, int32_t dateKey) const;
};

} // namespace tallyrock
