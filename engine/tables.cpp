#include "engine/tables.h"

#include "engine/kin.h"
#include "kinwheel_texts.h"

namespace kinwheel {
namespace {

// Splits a content file into its N lines at compile time; a wrong count does not compile.
template <std::size_t N>
constexpr std::array<std::string_view, N> lines(std::string_view file)
{
    std::array<std::string_view, N> out{};
    std::size_t count = 0;
    while (!file.empty()) {
        const std::size_t end = file.find('\n');
        const std::string_view line = file.substr(0, end);
        if (count == N)
            throw "content file has too many lines";
        out[count++] = line;
        file = end == std::string_view::npos ? std::string_view{} : file.substr(end + 1);
    }
    if (count != N)
        throw "content file has too few lines";
    return out;
}

constexpr auto signDescriptions = lines<20>(texts::kSignDescriptionsFile);
constexpr auto signPersonalities = lines<20>(texts::kSignPersonalitiesFile);
constexpr auto toneDescriptions = lines<13>(texts::kToneDescriptionsFile);
constexpr auto glyphDescriptions = lines<20>(texts::kGlyphDescriptionsFile);
constexpr auto labelTexts = lines<kLabelTextCount>(texts::kLabelTextsFile);

constexpr int leapDay(int year) { return isLeapYear(year) ? 1 : 0; }

constexpr YearValues makeYearTable()
{
    YearValues t{};
    int value = 147; // 1 March 1900
    t[1900] = static_cast<std::int16_t>(value);
    for (int year = 1901; year <= kMaxYear; ++year) {
        value = (value + 105 + leapDay(year)) % kCycle;
        t[static_cast<std::size_t>(year)] = static_cast<std::int16_t>(value);
    }
    value = 147;
    for (int year = 1900; year > 0; --year) {
        value = (value + 2 * kCycle - 105 - leapDay(year)) % kCycle;
        t[static_cast<std::size_t>(year - 1)] = static_cast<std::int16_t>(value);
    }
    return t;
}

constexpr MonthValues makeMonthTable()
{
    // Month lengths from March on, the year running into January and February.
    constexpr std::array<int, 12> lengthsFromMarch = {31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31, 29};
    MonthValues t{};
    int count = 0;
    for (std::size_t k = 0; k < 12; ++k) {
        const std::size_t month = (k + 2) % 12; // March is month index 2
        for (int d = 0; d < lengthsFromMarch[k]; ++d, ++count)
            t[month][static_cast<std::size_t>(d)] =
                static_cast<std::int16_t>(count > kCycle ? count - kCycle : count);
    }
    return t;
}

constexpr std::array<std::int16_t, kCycle> makeToneNumbers()
{
    std::array<std::int16_t, kCycle> t{};
    for (int i = 0; i < kCycle; ++i)
        t[static_cast<std::size_t>(i)] = static_cast<std::int16_t>((i + 7) % 13 + 1);
    return t;
}

} // namespace

constexpr std::array<DaySign, 20> kDaySigns = {{
    {"BATZ - (CHUEN)", "Chuen", "Monkey", "Witty and demonstrative", "Aventurine", "Manifestation",
     signPersonalities[0], signDescriptions[0]},
    {"E - (EB)", "Eb", "Road", "Careful and useful", "Malachite", "Resolution", signPersonalities[1],
     signDescriptions[1]},
    {"AJ - (BEN)", "Ben", "Reed", "Crusading and wise", "Turquoise ", "Understanding",
     signPersonalities[2], signDescriptions[2]},
    {"ISH - (IX)", "Ix", "Jaguar", "Introvert and intelligent", "Moonstone", "Ascension",
     signPersonalities[3], signDescriptions[3]},
    {"TZIKIN - (MEN)", "Men", "Eagle", "Free and independent", "Unakite ", "Unity",
     signPersonalities[4], signDescriptions[4]},
    {"AJMAK - (CIB)", "Cib", "Wisdom", "Knowledgeable and authoritative", "Smokey Quartz", "Duality",
     signPersonalities[5], signDescriptions[5]},
    {"NOJ - (CABAN)", "Caban", "Earth", "Practical and intellectual", "Agate", "Action",
     signPersonalities[6], signDescriptions[6]},
    {"TIJASH - (ETZNAB)", "Etznab", "Flint", "Romantic and self sufficient", "Rhodonite", "Stability",
     signPersonalities[7], signDescriptions[7]},
    {"KAWOK - (CAUAC)", "Cauac", "Storm", "Healing and helpful", "Jade", "Empowerment",
     signPersonalities[8], signDescriptions[8]},
    {"AJPU - (AHUA)", "Ahau", "Sun", "Affectionate and creative", "Rose Quartz", "Flow",
     signPersonalities[9], signDescriptions[9]},
    {"IMOSH - (IMIX)", "Imix", "Crocodile", "Protective and dominating", "Red Jasper", "Unity",
     signPersonalities[10], signDescriptions[10]},
    {"IK - (IK)", "Ik", "Wind", "Clever, lively, and multifaceted", "Sodalite", "Justice",
     signPersonalities[11], signDescriptions[11]},
    {"AKABAL - (AKBAL)", "Akbal", "Night", "Conservative and thoughtful", "Snowflake Obsidian",
     "Patience", signPersonalities[12], signDescriptions[12]},
    {"KAT - (KAN)", "Kan", "Seed", "Sexual, dynamic and energetic", "Dumortierite", "Manifestation",
     signPersonalities[13], signDescriptions[13]},
    {"KAN - (CHICCHAN)", "Chicchan", "Serpent", "Forceful, powerful and charismatic", "Amethyst",
     "Resolution", signPersonalities[14], signDescriptions[14]},
    {"KAME - (CIMI)", "Cimi", "Transformer", "Helpful and sacrificing", "Carnelian", "Understanding",
     signPersonalities[15], signDescriptions[15]},
    {"KIEJ - (MANIK)", "Manik", "Deer", "Nomadic and cooperative", "Amazonite", "Ascension",
     signPersonalities[16], signDescriptions[16]},
    {"KANIL - (LAMAT)", "Lamat", "Star", "Witty and jolly", "Hematite", "Unity", signPersonalities[17],
     signDescriptions[17]},
    {"TOJ - (MULUK)", "Muluc", "Offering", "Emotional and imaginative", "Lapis Lazuli", "Duality",
     signPersonalities[18], signDescriptions[18]},
    {"TZI - (OC)", "Oc", "Dog", "Helpful and loyal", "Bloodstone", "Patience", signPersonalities[19],
     signDescriptions[19]},
}};

namespace {
constexpr std::array<std::string_view, kCycle> makeSignLabels()
{
    std::array<std::string_view, kCycle> t{};
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = kDaySigns[i % 20].label;
    return t;
}
} // namespace

constinit const YearValues YearTable = makeYearTable();
const MonthValues MonthTable = makeMonthTable();
const std::array<std::int16_t, kCycle> ToneNumberTable = makeToneNumbers();
const std::array<std::string_view, kCycle> SignLabelTable = makeSignLabels();
const std::array<DaySign, 20> DaySignTable = kDaySigns;

const std::array<Tone, 13> ToneTable = {{
    {"Magnetic", toneDescriptions[0]},
    {"Lunar", toneDescriptions[1]},
    {"Electric", toneDescriptions[2]},
    {"Self-Existing", toneDescriptions[3]},
    {"Overtone", toneDescriptions[4]},
    {"Rythmic", toneDescriptions[5]},
    {"Resonant", toneDescriptions[6]},
    {"Galactic", toneDescriptions[7]},
    {"Solar", toneDescriptions[8]},
    {"Planetary", toneDescriptions[9]},
    {"Spectral", toneDescriptions[10]},
    {"Crystal", toneDescriptions[11]},
    {"Cosmic", toneDescriptions[12]},
}};

const std::array<Glyph, 20> GlyphTable = {{
    {"Red Dragon", glyphDescriptions[0]},
    {"White Wind", glyphDescriptions[1]},
    {"Blue Night", glyphDescriptions[2]},
    {"Yellow Seed", glyphDescriptions[3]},
    {"Red Serpent", glyphDescriptions[4]},
    {"White WorldBridger", glyphDescriptions[5]},
    {"Blue Hand", glyphDescriptions[6]},
    {"Yellow Star", glyphDescriptions[7]},
    {"Red Moon", glyphDescriptions[8]},
    {"White Dog", glyphDescriptions[9]},
    {"Blue Monkey", glyphDescriptions[10]},
    {"Yellow Human", glyphDescriptions[11]},
    {"Red Skywalker", glyphDescriptions[12]},
    {"White Wizard", glyphDescriptions[13]},
    {"Blue Eagle", glyphDescriptions[14]},
    {"Yellow Warrior", glyphDescriptions[15]},
    {"Red Earth", glyphDescriptions[16]},
    {"White Mirror", glyphDescriptions[17]},
    {"Blue Storm", glyphDescriptions[18]},
    {"Yellow Sun", glyphDescriptions[19]},
}};

std::string_view labelText(LabelText which)
{
    return labelTexts[static_cast<std::size_t>(which)];
}

} // namespace kinwheel
