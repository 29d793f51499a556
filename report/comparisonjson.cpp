#include "report/comparisonjson.h"

#include "engine/relations.h"
#include "report/comparison.h"
#include "report/readingjson.h"

#include <QJsonArray>

namespace kinwheel {
namespace {

QString ruleKey(RelationRule rule)
{
    switch (rule) {
    case RelationRule::SameKin:
        return QStringLiteral("sameKin");
    case RelationRule::SameDaySign:
        return QStringLiteral("sameDaySign");
    case RelationRule::SameTone:
        return QStringLiteral("sameTone");
    case RelationRule::Ally:
        return QStringLiteral("ally");
    case RelationRule::Occult:
        return QStringLiteral("occult");
    case RelationRule::Challenge:
        return QStringLiteral("challenge");
    case RelationRule::Guide:
        return QStringLiteral("guide");
    case RelationRule::SameColour:
        return QStringLiteral("sameColour");
    case RelationRule::SameEarthFamily:
        return QStringLiteral("sameEarthFamily");
    case RelationRule::SameTrecena:
        return QStringLiteral("sameTrecena");
    case RelationRule::SameCastle:
        break;
    }
    return QStringLiteral("sameCastle");
}

QString sideKey(RelationSide side)
{
    switch (side) {
    case RelationSide::First:
        return QStringLiteral("first");
    case RelationSide::Second:
        return QStringLiteral("second");
    case RelationSide::Both:
        break;
    }
    return QStringLiteral("both");
}

} // namespace

QJsonObject comparisonJson(const Reading& first, const Reading& second)
{
    QJsonArray relations;
    for (const Relation& relation : relationsBetween(first.kin, second.kin, first.count))
        relations.append(QJsonObject{
            {QStringLiteral("rule"), ruleKey(relation.rule)},
            {QStringLiteral("from"), sideKey(relation.from)},
            {QStringLiteral("text"), relationText(relation, first, second)},
        });
    const int combined = combinedKin(first.kin, second.kin);
    return QJsonObject{
        {QStringLiteral("count"), QString::fromUtf8(countKey(first.count))},
        {QStringLiteral("first"), readingJson(first)},
        {QStringLiteral("second"), readingJson(second)},
        {QStringLiteral("relations"), relations},
        {QStringLiteral("combinedKin"),
         QJsonObject{
             {QStringLiteral("kin"), combined},
             {QStringLiteral("tone"), toneJson(toneOfKin(combined))},
             {QStringLiteral("daySign"), daySignJson(glyphOfKin(combined))},
         }},
    };
}

} // namespace kinwheel
