#pragma once
// The World Handicap System over a player's rounds: for each round the course
// handicap from the index before it, the strokes received, the hole maximums,
// the differential with the day's PCC, the exceptional score reductions and
// the index after it; for the player the low index, the caps, and the course
// and playing handicap of the default tee. Recording, editing, deleting and
// importing rounds, and every view of the work, go through workWhs, so each
// rule is applied in one place.

#include "HandicapCalculation.h"
#include "WhsRules.h"
#include "store/Message.h"

#include <optional>
#include <string>
#include <vector>

namespace tallyrock {

// Stored as the index and the course handicap of a round that has none: fewer
// than 54 holes posted (no index), or no index before the round (no course
// handicap). No score of any method comes near it. Shown "NH".
inline constexpr float NoHandicap = -999.0f;
inline constexpr const char* NoHandicapText = "NH";
bool hasHandicap(float stored);

// Printed wherever a World Handicap System index is.
inline constexpr const char* WhsIndexNote =
    "computed by Tallyrock by the WHS rules; not an official Handicap Index";

bool whsMethod(const Settings& settings);

// Why the course cannot give a World Handicap System round from the tee (no
// stroke indexes for it), naming the course and the tee; empty when it can.
std::string whsCourseReason(const Store& store, int course, int tee);
Message whsCourseMessage(const std::string& reason);

// One round as the work takes it.
struct WhsRoundInput {
    int slot = 0;
    int16_t month = 0, day = 0, year = 0;
    int course = 0;
    int tee = 0;
    HoleScores holes{};
    float storedDifferential = 0;
    float storedIndex = 0;
    bool rewrite = false; // worked out again and written back; otherwise its stored values stand
};

struct WhsRoundWork {
    int slot = 0;
    int tee = 0;
    bool rewritten = false;
    bool nineHoles = false, frontNine = false;
    std::optional<int> indexBefore;      // tenths
    bool indexBeforeApproximate = false; // the round before is no longer held: its own index stands in
    int par = 0, ratingHundredths = 0,
        slope = 0;                 // what the round was worked against (the nine's for nine holes)
    bool nineRatingHalved = false; // no nine ratings given: half the 18-hole rating
    bool strokeIndexes = false;    // the tee has stroke indexes
    std::optional<whs::Fraction> courseHandicapExact;
    std::optional<int> courseHandicap; // rounded
    whs::HoleValues strokes{}, maximums{};
    HoleScores holes{};           // after the maximums (a rewritten round) or as stored
    std::vector<int> cappedHoles; // holes the maximum lowered
    int adjustedGross = 0;
    int pcc = 0;
    std::optional<whs::Fraction> expectedNine; // tenths
    whs::Fraction differentialExact;           // tenths
    int differential = 0;                      // tenths, rounded; the stored one for a round kept
    int esr = 0;                               // tenths this round triggered: 0, -10 or -20
    int adjustedDifferential = 0;              // tenths, after every reduction that applies to it
    int holesPosted = 0;                       // through this round
    std::optional<int> indexAfter;             // tenths; none: NH
    std::vector<std::string> lines;            // the round's steps, in words
    std::vector<std::string> indexLines;       // how the index after it was reached
    bool softCap = false, hardCap = false;
    std::optional<int> lowIndex;
    bool lowIndexNeedsOlderRounds = false;
};

struct WhsPlayerWork {
    std::vector<WhsRoundWork> rounds; // oldest first
    // The newest round's low index and caps.
    std::optional<int> lowIndex;
    bool lowIndexNeedsOlderRounds = false;
    bool softCap = false, hardCap = false;
    std::vector<std::string> steps;         // the newest index in words, then the handicaps below
    std::vector<std::string> handicapLines; // the course and playing handicap in words
    // The player's default tee on the course of the newest round.
    int course = 0, tee = 0;
    std::optional<whs::Fraction> courseHandicapExact;
    std::optional<int> courseHandicap, playingHandicap;
};

// The player's held rounds, nothing to rewrite. The tee of a held round is not
// stored: it is the tee whose rating and slope give the stored differential
// from the stored scores (the default tee first), else the default tee.
std::vector<WhsRoundInput> heldWhsRounds(const Store& store, int p);

// The work over rounds oldest first. `olderRoundsDropped`: rounds older than
// the first were played but are no longer held (a player with 20 rounds).
WhsPlayerWork workWhs(const Store& store, const std::vector<WhsRoundInput>& rounds, int defaultTee,
                      bool olderRoundsDropped);

// The 18-hole course handicap, rounded, from an index (tenths) on a course's
// tee; none when the tee has no slope.
std::optional<int> whsCourseHandicap(const Store& store, int course, int tee, int indexTenths);

// Everything the worksheet shows for a player: the held rounds as stored.
WhsPlayerWork playerWhs(const Store& store, int p);

// Writes the rewritten rounds back into the player's slots: capped hole
// scores and totals, differential, index and course handicap.
void storeWhsWork(Store& store, int p, const WhsPlayerWork& work);

// The calculation panel after a round: its steps, the index steps, and the
// note on the index.
std::vector<std::string> whsPanel(const WhsPlayerWork& work, int slot);

// A stored index or course handicap as the views show it: "NH" or the pattern
// (or the general number form).
std::string handicapText(float stored, const char* pattern);
std::string generalHandicap(float stored);

} // namespace tallyrock
