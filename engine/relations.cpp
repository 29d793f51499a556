#include "engine/relations.h"

#include "engine/kin.h"

namespace kinwheel {

std::vector<Relation> relationsBetween(int firstKin, int secondKin, Count count)
{
    std::vector<Relation> found;
    if (firstKin < 1 || firstKin > 260 || secondKin < 1 || secondKin > 260)
        return found;
    const int firstSign = glyphOfKin(firstKin), secondSign = glyphOfKin(secondKin);
    const auto both = [&found](bool holds, RelationRule rule) {
        if (holds)
            found.push_back({rule, RelationSide::Both});
    };
    both(firstKin == secondKin, RelationRule::SameKin);
    both(firstSign == secondSign, RelationRule::SameDaySign);
    both(toneOfKin(firstKin) == toneOfKin(secondKin), RelationRule::SameTone);

    constexpr RelationRule kSlotRules[] = {RelationRule::Ally, RelationRule::Occult, RelationRule::Challenge,
                                           RelationRule::Guide};
    const auto crossFinds = [&](int ownKin, int otherSign, RelationSide side) {
        const DestinyCross cross = crossOf(glyphOfKin(ownKin), toneOfKin(ownKin));
        for (int slot = DestinyCross::Ally; slot <= DestinyCross::Guide; ++slot)
            if (cross[slot] == otherSign)
                found.push_back({kSlotRules[slot - DestinyCross::Ally], side});
    };
    crossFinds(firstKin, secondSign, RelationSide::First);
    crossFinds(secondKin, firstSign, RelationSide::Second);

    both(colourOfGlyph(firstSign) == colourOfGlyph(secondSign), RelationRule::SameColour);
    both(earthFamilyOfGlyph(firstSign) == earthFamilyOfGlyph(secondSign), RelationRule::SameEarthFamily);
    both(trecenaOfKin(firstKin) == trecenaOfKin(secondKin), RelationRule::SameTrecena);
    both(count == Count::Dreamspell && castleOfKin(firstKin) == castleOfKin(secondKin), RelationRule::SameCastle);
    return found;
}

} // namespace kinwheel
