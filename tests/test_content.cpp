// The long texts: opening words, exact lengths, one paragraph each, no word
// worn out within a text nor a phrase shared within a reading, and the famous
// people really born under their sign. The translated texts: the files of
// each language folder, line for line with the English, and the Spanish names.

#include "engine/kin.h"
#include "engine/tables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

#include <set>

using namespace kinwheel;

namespace {

struct Person {
    int row;
    const char* name;
    int year, month, day;
};
const Person kPeople[] = {
#include "personality_dates.inc"
};

// The words of an English text, in lower case and without apostrophes.
QStringList words(const QString& text)
{
    return text.toLower().remove(u'\'').split(QRegularExpression("[^a-z0-9]+"), Qt::SkipEmptyParts);
}

// Words a text cannot help repeating.
const QSet<QString> kFunctionWords = {
    "a", "an", "the", "and", "or", "but", "nor", "so", "yet", "if", "as", "than", "then", "that", "this", "these",
    "those", "there", "their", "theirs", "them", "they", "themselves", "it", "its", "itself", "he", "she", "his",
    "her", "him", "you", "your", "yours", "yourself", "we", "us", "our", "i", "me", "my", "who", "whom", "whose",
    "which", "what", "when", "where", "while", "why", "how", "of", "in", "on", "at", "to", "for", "from", "by",
    "with", "without", "into", "onto", "through", "about", "above", "below", "under", "over", "after", "before",
    "between", "toward", "towards", "against", "up", "down", "out", "off", "be", "is", "are", "was", "were",
    "been", "being", "am", "have", "has", "had", "do", "does", "did", "can", "could", "will", "would", "shall",
    "should", "may", "might", "must", "not", "no", "all", "any", "each", "every", "some", "both", "other",
    "others", "more", "most", "much", "many", "very", "too", "also", "own", "just", "only", "even", "such", "same"};

// The stem a word shares with its forms ("wise", "wisely", "wisdom": "wis"),
// or the family of an irregular one.
QString wordFamily(QString word)
{
    static const char* const kSuffixes[] = {"ings", "edly", "ness", "ing", "ers", "ies", "dom", "ful",
                                            "ed",   "er",   "es",   "ly",  "s"};
    for (const char* suffix : kSuffixes) {
        const QLatin1String s(suffix);
        if (word.endsWith(s) && word.size() - s.size() >= 3 && !(s == QLatin1String("s") && word.endsWith(u"ss"))) {
            word.chop(s.size());
            if (s == QLatin1String("ies"))
                word += u'y';
            break;
        }
    }
    if (word.size() > 3 && word.endsWith(u'e'))
        word.chop(1);
    static const QHash<QString, QString> kIrregular = {{"peopl", "person"}, {"lif", "liv"}, {"health", "heal"}};
    return kIrregular.value(word, word);
}

// Every file of a language folder under assets/text, with its entries and how
// long each may be beside the English entry of the same line.
enum class Length { Free, NearEnglish, AtMostEnglish };
const struct TranslatedFile {
    const char* name;
    int lines;
    Length length;
} kTranslatedFiles[] = {
    {"tone-descriptions.txt", 13, Length::NearEnglish},
    {"sign-descriptions.txt", 20, Length::NearEnglish},
    {"glyph-descriptions.txt", 20, Length::NearEnglish},
    // The windows keep their size: a label is no longer than the English one.
    {"labels.txt", 6, Length::AtMostEnglish},
    {"tone-names.txt", 13, Length::Free},
    {"glyph-names.txt", 20, Length::Free},
    {"sign-names.txt", 20, Length::Free},
    {"sign-keywords.txt", 20, Length::Free},
    {"sign-gemstones.txt", 20, Length::Free},
    {"sign-significance.txt", 20, Length::Free},
    {"galactic-names.txt", 20, Length::Free},
    {"tone-names-feminine.txt", 13, Length::Free},
};

const QDir kTextDir(QStringLiteral(KINWHEEL_TEXT_DIR));

// Reads a content file into its lines; returns what is wrong with it, or nothing.
QString readLines(const QString& path, QStringList& lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path + QStringLiteral(": ") + file.errorString();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8(file.readAll());
    if (utf8.hasError() || text.startsWith(QChar::ByteOrderMark))
        return path + QStringLiteral(": not plain UTF-8");
    if (!text.endsWith(u'\n') || text.contains(u'\r'))
        return path + QStringLiteral(": not one entry a line, each ended by a newline");
    lines = text.chopped(1).split(u'\n');
    return {};
}
} // namespace

class ContentTest : public QObject {
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
    void personalitiesLengths();
    void peopleAreBornUnderTheirSign_data();
    void peopleAreBornUnderTheirSign();
    void labelTexts();
    void noPhraseRepeatsWithinAReading();
    void healingInAtMostTwoGlyphs();
    void translationFolders();
    void translatedTexts_data();
    void translatedTexts();
    void spanishNames_data();
    void spanishNames();
};

void ContentTest::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");

    const struct {
        const char* opening;
        int length;
    } signs[20] = {
        {"The eleventh sign of Mayan astrology is the", 954}, {"Road also known as the Grass is the", 873},
        {"Reed - the thirteenth sign of Mayan astrology", 857}, {"Jaguar is the fourteenth sign of Mayan astrology", 640},
        {"As the name implies, the fifteenth sign of", 617}, {"Wisdom is the sixteenth sign of Mayan astrology.", 492},
        {"Earth or the earthquake is the seventeenth sign", 593}, {"The eighteenth sign of the Mayan zodiac -", 692},
        {"The nineteenth sign of the Mayan zodiac -", 563}, {"This is the twentieth sign of the Mayan", 704},
        {"According to Mayan Astrology, crocodile is the first", 826}, {"Wind is the second day sign as per", 746},
        {"The third sign of Mayan astrology, Night is", 847}, {"Seed is the fourth sign of Mayan astrology", 932},
        {"The fifth sign of the Mayan astrology, the", 637}, {"Transformer is the sixth sign of Mayan astrology.", 756},
        {"The seventh sign of Mayan astrology - the", 910}, {"The eighth sign of the Mayan astrology -", 885},
        {"Offering or Water - the ninth sign of", 869}, {"Dogs are well known for the most loyal", 839},
    };
    for (int r = 0; r < 20; ++r)
        QTest::addRow("sign %d %s", r, DaySignTable[std::size_t(r)].englishName.data())
            << QString::fromUtf8(DaySignTable[std::size_t(r)].description) << signs[r].opening << signs[r].length;

    const struct {
        const char* opening;
        int length;
    } tones[13] = {
        {"Power and great force are the keywords describing", 412},
        {"Balance is the keyword describing this day number", 457},
        {"Versatile and communicative are the keywords describing this", 461},
        {"Again balance is the keyword for this day", 419},
        {"Five is the 'elevation of all creation.' This", 448},
        {"Imbalance is the keyword describing this day numbers", 400},
        {"'Energy to catalyze' is what describes this day", 435},
        {"Male authority is the keyword describing this day", 528},
        {"Female authority is the keyword that best describes", 391},
        {"The keyword describing this particular day number of", 360},
        {"Resolution is the keyword that best describes this", 215},
        {"Strong and abundant energy is the keyword for", 271},
        {"Realization is the keyword that best describes this", 429},
    };
    for (int t = 0; t < 13; ++t)
        QTest::addRow("day number %d", t + 1) << QString::fromUtf8(ToneTable[std::size_t(t)].description) << tones[t].opening
                                              << tones[t].length;

    const struct {
        const char* opening;
        int length;
    } glyphs[20] = {
        {"Red Dragon days cast a particular influence on", 755},
        {"The most notable trait about the persons born", 676},
        {"As a Blue Night person, you tend to", 737},
        {"Regarding a nurturing attitude, these people are similar", 772},
        {"The Serpent, a powerful symbol of healing power", 912},
        {"If you are born on 'White Worldbridger' day,", 799},
        {"Blue Hand people have the ability to rise", 838},
        {"The 'Yellow Star' person was born with an", 796},
        {"This is the ninth glyph of Mayan calendar.", 770},
        {"If you were born on a 'White Dog'", 776},
        {"'Blue Monkey' persons are very energetic and restless", 761},
        {"Great wisdom and mystic capabilities are connected to", 666},
        {"People born on the days of 'Red Skywalkers'", 849},
        {"This is the 14th glyph of the Mayan", 604},
        {"'Blue Eagle' is the 15the glyph of Mayan", 664},
        {"As the name suggests, 'Yellow Warrior' possesses enormous", 692},
        {"The 'Red Earth' person is always on the", 760},
        {"This is the 18th glyph of Mayan birth", 617},
        {"'Blue Storm' is the 19th glyph of Mayan", 666},
        {"The last glyph of the Mayan birth chart", 612},
    };
    for (int g = 0; g < 20; ++g)
        QTest::addRow("glyph %d %s", g, GlyphTable[std::size_t(g)].name.data())
            << QString::fromUtf8(GlyphTable[std::size_t(g)].description) << glyphs[g].opening << glyphs[g].length;
}

void ContentTest::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, opening);
    QFETCH(int, length);
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(80)));
    QCOMPARE(text.size(), length);
    QVERIFY(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')));
    QCOMPARE(text.trimmed(), text);
    // A spaced hyphen stays only in the openings; the rest uses the spaced en dash.
    const QString rest = text.mid(opening.size());
    QVERIFY2(!rest.contains(QStringLiteral(" - ")) && !rest.contains(u'\u2014'), qPrintable(rest));
    // No word, counted with its forms, stands four times in one text.
    QHash<QString, int> uses;
    for (const QString& word : words(text))
        if (!kFunctionWords.contains(word))
            QVERIFY2(++uses[wordFamily(word)] < 4, qPrintable(word));
}

void ContentTest::personalitiesLengths()
{
    const int lengths[20] = {27, 32, 32, 24, 23, 32, 35, 29, 32, 33, 25, 31, 30, 24, 29, 23, 22, 27, 30, 24};
    for (int r = 0; r < 20; ++r) {
        const QString line = QString::fromUtf8(DaySignTable[std::size_t(r)].personalities);
        QCOMPARE(line.size(), lengths[r]);
        const QStringList people = line.split(QStringLiteral(", "));
        QCOMPARE(people.size(), 2);
        for (const Person& p : kPeople)
            if (p.row == r)
                QVERIFY2(people.contains(QString::fromUtf8(p.name)), p.name);
    }
    QCOMPARE(int(std::size(kPeople)), 40);
}

void ContentTest::peopleAreBornUnderTheirSign_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    for (const Person& p : kPeople)
        QTest::newRow(p.name) << p.row << p.year << p.month << p.day;
}

void ContentTest::peopleAreBornUnderTheirSign()
{
    QFETCH(int, row);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    BirthChart chart;
    QVERIFY(calculateKin({"", std::int16_t(year), std::string(MonthNames[std::size_t(month - 1)]), std::int16_t(day)}, chart));
    QCOMPARE(QString::fromUtf8(chart.signName), QString::fromUtf8(DaySignTable[std::size_t(row)].englishName));
    QCOMPARE(chart.signPersonalities, DaySignTable[std::size_t(row)].personalities);
}

void ContentTest::labelTexts()
{
    // The site labels take the host from the site root: the texts hold a
    // placeholder for it, and with "kinwheel.org" (12) the forum label has 93 characters.
    const QString placeholder = QStringLiteral("{host}");
    for (LabelText which : {LabelText::Forum, LabelText::ReportSite})
        QCOMPARE(QString::fromUtf8(labelText(which)).count(placeholder), 1);
    QCOMPARE(QString::fromUtf8(labelText(LabelText::Forum)).size() - placeholder.size() + 12, 93);
    QVERIFY(QString::fromUtf8(labelText(LabelText::CoBrandOffer)).startsWith(QStringLiteral("Co-brand this software for your site.")));
    QCOMPARE(QString::fromUtf8(labelText(LabelText::CoBrandOffer)).size(), 185);
    const QString home = QStringLiteral("Home Business Opportunity. Start your own Internet business");
    QVERIFY(QString::fromUtf8(labelText(LabelText::FullBrandOffer)).startsWith(home));
    QCOMPARE(QString::fromUtf8(labelText(LabelText::FullBrandOffer)).size(), 161);
    QVERIFY(QString::fromUtf8(labelText(LabelText::AboutOffer)).startsWith(home));
    QCOMPARE(QString::fromUtf8(labelText(LabelText::AboutOffer)).size(), 132);
    QVERIFY(!labelText(LabelText::ReportForum).empty());
    QVERIFY(!labelText(LabelText::ReportSite).empty());
}

// A reading shows one day number, one day sign with its people and the five
// glyphs of its cross together: none of them repeats another's phrase of five words.
void ContentTest::noPhraseRepeatsWithinAReading()
{
    const auto phrases = [](std::string_view text) {
        const QStringList all = words(QString::fromUtf8(text));
        QSet<QString> out;
        for (qsizetype i = 0; i + 5 <= all.size(); ++i)
            out.insert(all.mid(i, 5).join(u' '));
        return out;
    };
    for (std::size_t row = 0; row < DaySignTable.size(); ++row) {
        for (std::int16_t tone = 1; tone <= 13; ++tone) {
            BirthChart chart;
            chart.daySign = DaySignTable[row].label;
            chart.dayNumber = tone;
            deriveDestinyCross(chart);
            std::set<std::string_view> texts = {DaySignTable[row].description, DaySignTable[row].personalities,
                                                ToneTable[std::size_t(tone - 1)].description};
            for (int slot = 0; slot < 5; ++slot)
                texts.insert(GlyphTable[std::size_t(chart.cross[slot])].description);
            QSet<QString> seen;
            for (std::string_view text : texts) {
                for (const QString& phrase : phrases(text)) {
                    QVERIFY2(!seen.contains(phrase),
                             qPrintable(QStringLiteral("sign row %1, day number %2: \"%3\"").arg(row).arg(tone).arg(phrase)));
                    seen.insert(phrase);
                }
            }
        }
    }
}

// Healing is the Serpent's and the Hand's: no more glyph texts than two speak of it.
void ContentTest::healingInAtMostTwoGlyphs()
{
    const QRegularExpression heal(QStringLiteral("\\bheal"), QRegularExpression::CaseInsensitiveOption);
    QStringList healing;
    for (const Glyph& glyph : GlyphTable)
        if (QString::fromUtf8(glyph.description).contains(heal))
            healing << QString::fromUtf8(glyph.name);
    QVERIFY2(healing.size() <= 2, qPrintable(healing.join(QStringLiteral(", "))));
}

// A language folder holds every translated file and nothing else.
void ContentTest::translationFolders()
{
    QStringList files;
    for (const TranslatedFile& file : kTranslatedFiles)
        files << QString::fromLatin1(file.name);
    files.sort();
    const QStringList languages = kTextDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QVERIFY(languages.contains(QStringLiteral("es")));
    for (const QString& language : languages)
        QCOMPARE(QDir(kTextDir.filePath(language))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name),
                 files);
}

void ContentTest::translatedTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("file");
    for (const QString& language : kTextDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (int f = 0; f < int(std::size(kTranslatedFiles)); ++f)
            QTest::addRow("%s/%s", qPrintable(language), kTranslatedFiles[f].name) << language << f;
}

void ContentTest::translatedTexts()
{
    QFETCH(QString, language);
    QFETCH(int, file);
    const TranslatedFile& translated = kTranslatedFiles[file];
    const QString name = QString::fromLatin1(translated.name);
    const QFileInfo info(kTextDir.filePath(language + u'/' + name));
    QVERIFY2(info.isFile() && !info.isSymLink(), qPrintable(info.filePath()));
    QStringList lines;
    QCOMPARE(readLines(info.filePath(), lines), QString());
    QCOMPARE(lines.size(), translated.lines);
    QStringList english;
    if (translated.length != Length::Free) {
        QCOMPARE(readLines(kTextDir.filePath(name), english), QString());
        QCOMPARE(english.size(), lines.size());
    }

    // A straight apostrophe marks only a glottal stop, after a letter (K'iche');
    // quotation takes the language's own marks, in Spanish «…» alone.
    const bool spanish = language == u"es";
    const QRegularExpression strayQuote(spanish ? QStringLiteral("[\"“”‘’]|(^|\\P{L})'")
                                                : QStringLiteral("\"|(^|\\P{L})'"));
    const QRegularExpression notGuillemet(QStringLiteral("[^«»]"));
    const QString host = QStringLiteral("{host}");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const QByteArray where = QStringLiteral("line %1: %2").arg(i + 1).arg(line).toUtf8();
        QVERIFY2(!line.isEmpty() && line.trimmed() == line && !line.contains(QStringLiteral("  ")), where);
        QVERIFY2(!line.contains(strayQuote), where);
        if (spanish) {
            QVERIFY2(QString(line).remove(notGuillemet).remove(QStringLiteral("«»")).isEmpty(), where);
            QVERIFY2(line.count(u'¿') == line.count(u'?') && line.count(u'¡') == line.count(u'!'), where);
        }
        if (translated.length == Length::Free)
            continue;
        const QString& en = english[i];
        QVERIFY2(line.count(host) == en.count(host), where);
        if (translated.length == Length::AtMostEnglish)
            QVERIFY2(line.size() <= en.size(), where);
        else
            QVERIFY2(line.size() * 3 >= en.size() * 2 && line.size() * 3 <= en.size() * 4, where);
    }
}

void ContentTest::spanishNames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("tones") << "tone-names.txt"
                           << QStringList{"Magnético", "Lunar", "Eléctrico", "Autoexistente", "Entonado", "Rítmico",
                                          "Resonante", "Galáctico", "Solar", "Planetario", "Espectral", "Cristal",
                                          "Cósmico"};
    QTest::newRow("glyphs") << "glyph-names.txt"
                            << QStringList{"Dragón Rojo", "Viento Blanco", "Noche Azul", "Semilla Amarilla",
                                           "Serpiente Roja", "Enlazador de Mundos Blanco", "Mano Azul",
                                           "Estrella Amarilla", "Luna Roja", "Perro Blanco", "Mono Azul",
                                           "Humano Amarillo", "Caminante del Cielo Rojo", "Mago Blanco", "Águila Azul",
                                           "Guerrero Amarillo", "Tierra Roja", "Espejo Blanco", "Tormenta Azul",
                                           "Sol Amarillo"};
    QTest::newRow("signs") << "sign-names.txt"
                           << QStringList{"Mono", "Camino", "Caña", "Jaguar", "Águila", "Sabiduría", "Tierra",
                                          "Pedernal", "Tormenta", "Sol", "Cocodrilo", "Viento", "Noche", "Semilla",
                                          "Serpiente", "Transformador", "Venado", "Estrella", "Ofrenda", "Perro"};
}

void ContentTest::spanishNames()
{
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    QStringList lines;
    QCOMPARE(readLines(kTextDir.filePath(QStringLiteral("es/") + file), lines), QString());
    QCOMPARE(lines, names);
}

QTEST_APPLESS_MAIN(ContentTest)
#include "test_content.moc"
