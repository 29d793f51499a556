#pragma once
// The 260-day round as a whole: on which dates a kin falls under a count,
// the kins of a destiny cross and the galactic activation portals (the five
// castles of 52 kins are relations.h's castleOfKin()).

#include "engine/reading.h"

#include <array>
#include <vector>

namespace kinwheel {

// Whether the date has a kin of its own under the count: every valid date
// but Dreamspell's 29 February, which takes the kin of 28 February.
bool hasOwnKin(const CivilDate& date, Count count);

// Up to n dates on or after `from` whose kin is `kin` (1..260) under the
// count, earliest first; fewer when 9999-12-31 comes first. Dreamspell's
// 29 February is never one of them.
std::vector<CivilDate> nextDatesOfKin(int kin, const CivilDate& from, Count count, int n);
// Up to n dates before `before` whose kin is `kin`, latest first; fewer
// when 0001-01-01 comes first.
std::vector<CivilDate> previousDatesOfKin(int kin, const CivilDate& before, Count count, int n);

// The next n dates on which the reading's kin comes round again under its
// count: from today, and always after the reading's own date.
std::vector<CivilDate> kinReturns(const Reading& reading, const CivilDate& today, int n);

// The kin 1..260 of a glyph index 0..19 and a tone 1..13; 0 out of range.
int kinOf(int glyph, int tone);
// The kins of the destiny cross of a kin, in slot order (Central, Ally,
// Occult, Challenge, Guide): the occult kin is 261 - kin, the others share
// the kin's tone. Their glyphs are those of crossOf().
std::array<int, 5> crossKins(int kin);

// Whether a kin is one of the 52 galactic activation portals (the "Loom of
// Maya" of the Dreamspell count).
bool isActivationPortal(int kin);

} // namespace kinwheel
