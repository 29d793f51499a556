#pragma once
// How two kins meet: the rules that relate two readings by their kins, day
// signs, tones and destiny crosses. Numbers only; report/ words them.

#include "engine/mayadate.h"

#include <vector>

namespace kinwheel {

enum class RelationRule {
    SameKin,
    SameDaySign,
    SameTone,
    // The other's day sign stands in this slot of one's destiny cross.
    Ally,
    Occult,
    Challenge,
    Guide,
    SameColour,      // red, white, blue, yellow: sign index mod 4
    SameEarthFamily, // the Dreamspell earth families: sign index mod 5
    SameTrecena,     // the thirteen-day run (the Dreamspell's wavespell)
    SameCastle,      // one of the five runs of 52 kins; Dreamspell only
};

// Whose destiny cross finds a directed relation; Both for a shared trait.
enum class RelationSide { Both, First, Second };

struct Relation {
    RelationRule rule = RelationRule::SameKin;
    RelationSide from = RelationSide::Both;
    bool operator==(const Relation&) const = default;
};

constexpr int colourOfGlyph(int glyph) { return glyph % 4; }
constexpr int earthFamilyOfGlyph(int glyph) { return glyph % 5; }
constexpr int trecenaOfKin(int kin) { return (kin - 1) / 13; }
constexpr int castleOfKin(int kin) { return (kin - 1) / 52; }
// Kin A + kin B counted round to 1..260: a sum of 260 or 520 is kin 260.
constexpr int combinedKin(int first, int second) { return (first + second - 1) % 260 + 1; }

// Every relation between two kins 1..260 under a count, in this order: the
// shared kin, sign and tone; the first's cross (Ally, Occult, Challenge,
// Guide), then the second's; colour, earth family, trecena and castle.
// Empty when a kin is out of range.
std::vector<Relation> relationsBetween(int firstKin, int secondKin, Count count);

} // namespace kinwheel
