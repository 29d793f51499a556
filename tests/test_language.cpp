// The program in every language it speaks: each translation complete and
// true to its placeholders, no English left in a window shown in another
// language, every text fitting its control, the long texts translated, and
// the English texts byte for byte as they were.

#include "support.h"

#include "engine/tables.h"
#include "platform/weblinks.h"
#include "report/comparison.h"
#include "report/comparisonjson.h"
#include "report/language.h"
#include "report/readingjson.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

const QDir kSource(QStringLiteral(KINWHEEL_SOURCE_DIR));
const QString kEnglishCode = QStringLiteral("en");
const QStringList kWindows = {"frmMain", "frmMayanBirthchartResult", "frmSave", "frmAbout",
                              "frmBoard", "frmCompare", "frmCompareWith"};

// Every language the program speaks but English.
QStringList translatedLanguages()
{
    QStringList codes;
    for (const LanguageInfo& language : kLanguages)
        if (language.code != kEnglish)
            codes << QString::fromUtf8(language.code);
    return codes;
}

QString tsFile(const QString& language)
{
    return kSource.filePath(QStringLiteral("translations/kinwheel_%1.ts").arg(language));
}

struct Message {
    QString context, source;
    QString type; // of the translation: "unfinished", "vanished", "obsolete" or none
    QStringList translations; // one, or a numerus message's forms
};

QList<Message> messagesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    bool numerus = false;
    for (QXmlStreamReader xml(&file); !xml.atEnd(); xml.readNext()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append({context, {}, {}, {}});
            numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages.last().type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!numerus)
                messages.last().translations << xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            messages.last().translations << xml.readElementText();
        }
    }
    return messages;
}

// A text without its access-key marks: "Fi&le" is "File", "&&" an ampersand.
QString withoutAccessKeys(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The words of a text, in lower case; an apostrophe inside a word (K'iche') is part of it.
QStringList wordsOf(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}+(?:['’]\\p{L}+)*'?"));
    QStringList words;
    for (auto match = word.globalMatch(text); match.hasNext();)
        words << match.next().captured().toLower();
    return words;
}

QSet<QString> wordSet(const QStringList& texts)
{
    QSet<QString> words;
    for (const QString& text : texts)
        for (const QString& w : wordsOf(withoutAccessKeys(text)))
            words.insert(w);
    return words;
}

// The English the program holds: its messages and the engine's tables, but
// not the people's names nor the Maya labels.
const QSet<QString>& englishWords()
{
    static const QSet<QString> words = [] {
        QStringList texts;
        for (const Message& message : messagesOf(tsFile(translatedLanguages().first())))
            texts << message.source;
        for (const Glyph& glyph : GlyphTable)
            texts << QString::fromUtf8(glyph.name) << QString::fromUtf8(glyph.description);
        for (const Tone& tone : ToneTable)
            texts << QString::fromUtf8(tone.name) << QString::fromUtf8(tone.description);
        for (const DaySign& sign : DaySignTable)
            texts << QString::fromUtf8(sign.englishName) << QString::fromUtf8(sign.keywords)
                  << QString::fromUtf8(sign.gemstone) << QString::fromUtf8(sign.significance)
                  << QString::fromUtf8(sign.description);
        return wordSet(texts);
    }();
    return words;
}

// The words of a language: its messages and its long texts.
QSet<QString> languageWords(const QString& language)
{
    QStringList texts;
    for (const Message& message : messagesOf(tsFile(language)))
        texts << message.translations;
    for (int table = 0; table < kTextTableCount; ++table)
        for (int i = 0; i < textTableSize(TextTable(table)); ++i)
            texts << localText(TextTable(table), i, language);
    return wordSet(texts);
}

// Words the same in every language: names of the program, the counts, the
// Maya calendar, the languages and the people born under each sign.
const QSet<QString>& namesOfEveryLanguage()
{
    static const QSet<QString> words = [] {
        QStringList texts{"Kin", "Kinwheel", "Dreamspell", "Lunar", "Solar", "Tzolk'in", "Haab'", "K'iche'", "Kiche",
                          "Yucatec", "GMT", "PDF", "v"};
        for (std::string_view name : TzolkinDayNames)
            texts << QString::fromUtf8(name);
        for (std::string_view name : HaabMonthNames)
            texts << QString::fromUtf8(name);
        for (const DaySign& sign : DaySignTable)
            texts << QString::fromUtf8(sign.label) << QString::fromUtf8(sign.shortName)
                  << QString::fromUtf8(sign.personalities);
        for (const LanguageInfo& language : kLanguages)
            texts << QString::fromUtf8(language.name); // each language's name in itself
        texts << QUrl(siteRoot()).host();
        return wordSet(texts);
    }();
    return words;
}

// A control's name for the messages: its object name, or its class under
// the nearest named parent.
QString controlName(const QObject* object)
{
    if (!object->objectName().isEmpty())
        return object->objectName();
    const QObject* named = object->parent();
    while (named && named->objectName().isEmpty())
        named = named->parent();
    return (named ? named->objectName() + QLatin1Char('/') : QString()) + QLatin1String(object->metaObject()->className());
}

struct ShownText {
    QString control, text;
};

void addMenu(QList<ShownText>& shown, QMenu* menu)
{
    shown.append({controlName(menu), menu->title()});
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        shown.append({controlName(action), action->text()});
        shown.append({controlName(action), action->toolTip()});
        shown.append({controlName(action), action->statusTip()});
        if (QMenu* submenu = action->menu())
            addMenu(shown, submenu);
    }
}

// Every text a window shows or says: its title, each shown control's text,
// items, tooltip and accessible name, its menus and all their entries, the
// text boxes' text, and the parts a control draws itself as a screen reader
// reads them (the board's cells).
QList<ShownText> shownTexts(QWidget* window)
{
    QList<ShownText> shown{{window->objectName(), window->windowTitle()}};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : std::as_const(widgets)) {
        if (widget != window && (widget->isWindow() || !widget->isVisibleTo(window)))
            continue;
        const QString control = controlName(widget);
        for (const QString& text : {widget->toolTip(), widget->accessibleName(), widget->accessibleDescription(),
                                    widget->statusTip(), widget->whatsThis()})
            shown.append({control, text});
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            shown.append({control, label->text()});
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            shown.append({control, button->text()});
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            shown.append({control, box->title()});
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                shown.append({control, combo->itemText(i)});
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            shown.append({control, edit->placeholderText()});
        } else if (auto* text = qobject_cast<QTextEdit*>(widget)) {
            shown.append({control, text->toPlainText()});
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                shown << ShownText{control, tabs->tabText(i)} << ShownText{control, tabs->tabToolTip(i)};
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* action : bar->actions())
                if (action->menu())
                    addMenu(shown, action->menu());
                else
                    shown.append({controlName(action), action->text()});
        }
        if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget))
            for (int i = 0; i < accessible->childCount(); ++i)
                if (QAccessibleInterface* part = accessible->child(i); part && !part->object())
                    shown << ShownText{control, part->text(QAccessible::Name)}
                          << ShownText{control, part->text(QAccessible::Description)};
    }
    for (ShownText& entry : shown)
        if (Qt::mightBeRichText(entry.text))
            entry.text = QTextDocumentFragment::fromHtml(entry.text).toPlainText();
    return shown;
}

// A window shown with the one reading, laid out and drawn.
QWidget* shown(Fixture& f, const QString& name)
{
    QWidget* window = showWindow(f, name);
    if (!QTest::qWaitForWindowExposed(window))
        return nullptr;
    QCoreApplication::processEvents();
    return window;
}

// The window of the current test row, shown in the row's language; null when
// either cannot be had.
QWidget* shownForRow(Fixture& f)
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    return installLanguage(language) ? shown(f, window) : nullptr;
}

// Why a text does not fit its control, or nothing when it does.
QString overflow(QWidget* widget)
{
    const auto too = [](const QString& text, QSize needed, QSize has) {
        return QStringLiteral("\"%1\" needs %2x%3, has %4x%5")
            .arg(text)
            .arg(needed.width())
            .arg(needed.height())
            .arg(has.width())
            .arg(has.height());
    };
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QString text = label->text();
        const bool rich = label->textFormat() == Qt::RichText
                          || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        if (text.isEmpty() || rich || !label->pixmap().isNull())
            return {};
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        if (label->buddy())
            flags |= Qt::TextShowMnemonic;
        const QRect needed = metrics.boundingRect(room, flags, text);
        if (needed.width() > room.width() || needed.height() > room.height())
            return too(text, needed.size(), room.size());
        return {};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text().isEmpty())
            return {};
        const QString text = withoutAccessKeys(button->text());
        int width = button->sizeHint().width();
        if (qobject_cast<QPushButton*>(button)) {
            // The style's least width for a button is no fault of the text.
            QStyleOptionButton option;
            option.initFrom(button);
            const QStyle* style = button->style();
            width = std::min(width, metrics.horizontalAdvance(text)
                                        + (button->icon().isNull() ? 0 : button->iconSize().width() + 4)
                                        + style->pixelMetric(QStyle::PM_ButtonMargin, &option, button)
                                        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button));
        }
        if (width > button->width() || metrics.height() > button->height())
            return too(text, {width, metrics.height()}, button->size());
        return {};
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        if (box->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        if (!box->rect().contains(title))
            return too(withoutAccessKeys(box->title()), title.size(), box->size());
        return {};
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        // A choice wider than the field is elided there only by a list that
        // shows the whole of it on hover.
        QStringList cut;
        const int current = combo->currentIndex();
        for (int i = 0; i < combo->count(); ++i) {
            const int width = metrics.horizontalAdvance(combo->itemText(i))
                              + (combo->itemIcon(i).isNull() ? 0 : combo->iconSize().width() + 4);
            combo->setCurrentIndex(i);
            if (width > field.width() && combo->toolTip() != combo->itemText(i))
                cut << too(combo->itemText(i), {width, metrics.height()}, field.size());
        }
        combo->setCurrentIndex(current);
        return cut.join(QStringLiteral("; "));
    }
    if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
        QStringList outside;
        for (QAction* action : bar->actions())
            if (action->isVisible() && !bar->rect().contains(bar->actionGeometry(action)))
                outside << withoutAccessKeys(action->text());
        for (auto* extension : bar->findChildren<QWidget*>(QStringLiteral("qt_menubar_ext_button")))
            if (extension->isVisible())
                outside << QStringLiteral("the bar's extension button is shown");
        return outside.isEmpty() ? QString() : QStringLiteral("outside the bar: ") + outside.join(QStringLiteral(", "));
    }
    if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
        QStringList cut;
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect tab = tabs->tabRect(i);
            const int width = metrics.horizontalAdvance(withoutAccessKeys(tabs->tabText(i)));
            if (!tabs->rect().contains(tab) || width > tab.width())
                cut << too(tabs->tabText(i), {width, metrics.height()}, tab.size());
        }
        return cut.join(QStringLiteral("; "));
    }
    return {};
}

// Fails when there is any problem, each told on a line of its own (a
// failure's message would be cut short).
void verifyNone(const QStringList& problems)
{
    for (const QString& problem : problems)
        qWarning().noquote() << problem;
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 found, each told above").arg(problems.size())));
}

// The readings whose English texts are held to their digests.
struct EnglishCase {
    const char* name;
    Reading first;
    std::optional<Reading> second; // a comparison
};

QByteArray serialized(const std::vector<ReportRun>& runs)
{
    QByteArray bytes;
    for (const ReportRun& run : runs)
        bytes += run.text.toUtf8() + '\x1f' + (run.bold ? "b" : "-") + '\x1f'
                 + (run.colour.isValid() ? run.colour.name().toLatin1() : "-") + '\x1f'
                 + QByteArray::number(run.scale) + '\x1e';
    return bytes;
}

// The English texts of a case: the report's runs, the terminal's text, the
// result window's text and the JSON; for a comparison its printed runs, the
// window's relations, the terminal's text and the JSON. The site's root is
// the build's, so it is written as "{root}".
QByteArray englishTexts(const EnglishCase& c)
{
    const ReturnsSection returns{{2026, 12, 7}, 3};
    QByteArray bytes;
    if (c.second) {
        bytes = serialized(composeComparison(c.first, *c.second)) + serialized(composeRelations(c.first, *c.second))
                + comparisonPlainText(c.first, *c.second).toUtf8()
                + QJsonDocument(comparisonJson(c.first, *c.second)).toJson();
    } else {
        bytes = serialized(composeReport(c.first, reportClosingLine(), returns))
                + reportPlainText(c.first, reportClosingLine(), returns).toUtf8()
                + serialized(composeResultText(c.first, returns)) + QJsonDocument(readingJson(c.first)).toJson();
    }
    return bytes.replace(siteRoot().toUtf8(), "{root}");
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramStyle(); }
    void cleanup()
    {
        closeAllWindows();
        installLanguage(kEnglishCode);
    }

    void translationComplete_data();
    void translationComplete();
    void placeholdersAndAccessKeys_data();
    void placeholdersAndAccessKeys();
    void noEnglishLeft_data();
    void noEnglishLeft();
    void accessKeysUnique_data() { noEnglishLeft_data(); }
    void accessKeysUnique();
    void textsFit_data();
    void textsFit();
    void longTexts_data();
    void longTexts();
    void englishUnchanged();
};

void TestLanguage::translationComplete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : translatedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

// lupdate over the sources into a copy of the translation finds nothing new,
// nothing unfinished and nothing gone.
void TestLanguage::translationComplete()
{
    QFETCH(QString, language);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QFileInfo(tsFile(language)).fileName());
    QVERIFY(QFile::copy(tsFile(language), copy));
    QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(KINWHEEL_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-I"), kSource.path(),
                   QStringLiteral("@" KINWHEEL_TRANSLATED_SOURCES), QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0, lupdate.readAll().constData());

    QStringList problems;
    for (const Message& message : messagesOf(copy))
        if (!message.type.isEmpty())
            problems << QStringLiteral("%1 in %2: %3").arg(message.type, message.context, message.source);
    verifyNone(problems);
}

void TestLanguage::placeholdersAndAccessKeys_data()
{
    translationComplete_data();
}

// Every placeholder of a message is in its translation, and nothing else;
// a caption's access key stays one.
void TestLanguage::placeholdersAndAccessKeys()
{
    QFETCH(QString, language);
    static const QRegularExpression placeholder(QStringLiteral("%(?:L?\\d+|n)"));
    static const QRegularExpression entity(QStringLiteral("&(?:[A-Za-z]+|#\\d+);"));
    const auto placeholders = [](const QString& text) {
        QStringList found;
        for (auto match = placeholder.globalMatch(text); match.hasNext();)
            found << match.next().captured();
        found.sort();
        found.removeDuplicates();
        return found;
    };
    const auto accessKeys = [](QString text) {
        return text.remove(QStringLiteral("&&")).remove(entity).count(QLatin1Char('&'));
    };
    const QList<Message> messages = messagesOf(tsFile(language));
    QVERIFY(!messages.isEmpty());
    QStringList problems;
    for (const Message& message : messages) {
        for (const QString& translation : message.translations) {
            if (translation.isEmpty())
                continue;
            if (placeholders(translation) != placeholders(message.source))
                problems << QStringLiteral("placeholders %1 for %2: %3")
                                .arg(placeholders(translation).join(u' '), placeholders(message.source).join(u' '),
                                     message.source);
            if (accessKeys(message.source) > 1 || accessKeys(translation) != accessKeys(message.source))
                problems << QStringLiteral("access keys: %1 -> %2").arg(message.source, translation);
        }
    }
    verifyNone(problems);
}

void TestLanguage::noEnglishLeft_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const QString& language : translatedLanguages())
        for (const QString& window : kWindows)
            QTest::addRow("%s %s", qPrintable(language), qPrintable(window)) << language << window;
}

// A word of the program's English that no text of the language holds, shown
// in a window in that language, is English left untranslated.
void TestLanguage::noEnglishLeft()
{
    QFETCH(QString, language);
    const QSet<QString> translated = languageWords(language);
    Fixture f;
    QWidget* shownWindow = shownForRow(f);
    QVERIFY(shownWindow);
    QStringList english;
    for (const ShownText& entry : shownTexts(shownWindow)) {
        for (const QString& line : entry.text.split(QLatin1Char('\n'))) {
            QStringList words;
            for (const QString& word : wordsOf(withoutAccessKeys(line)))
                if (englishWords().contains(word) && !translated.contains(word)
                    && !namesOfEveryLanguage().contains(word) && !words.contains(word))
                    words << word;
            if (!words.isEmpty())
                english << QStringLiteral("%1: %2 in \"%3\"")
                               .arg(entry.control, words.join(QStringLiteral(", ")),
                                    line.size() > 100 ? line.left(97) + QStringLiteral("...") : line);
        }
    }
    english.removeDuplicates();
    verifyNone(english);
}

// In a translated window no two entries of one menu, nor two menus of its
// bar, share an access key (the English keeps the keys it was given).
void TestLanguage::accessKeysUnique()
{
    Fixture f;
    QWidget* shownWindow = shownForRow(f);
    QVERIFY(shownWindow);
    QStringList clashes;
    QList<QWidget*> menus;
    for (QMenuBar* bar : shownWindow->findChildren<QMenuBar*>())
        menus << bar;
    for (QMenu* menu : shownWindow->findChildren<QMenu*>())
        menus << menu;
    for (QWidget* menu : std::as_const(menus)) {
        QHash<QChar, QString> keys;
        for (QAction* action : menu->actions()) {
            const QString text = action->menu() ? action->menu()->title() : action->text();
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (!action->isVisible() || at < 0 || at + 1 >= text.size())
                continue;
            const QChar key = text[at + 1].toLower();
            if (keys.contains(key))
                clashes << QStringLiteral("%1: \"%2\" and \"%3\"").arg(controlName(menu), keys[key], text);
            keys.insert(key, text);
        }
    }
    verifyNone(clashes);
}

void TestLanguage::textsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const LanguageInfo& info : kLanguages)
        for (const QString& window : kWindows)
            QTest::addRow("%s %s", info.code.data(), qPrintable(window)) << QString::fromUtf8(info.code) << window;
}

// Each shown label, button, group-box title, list item, menu title and tab
// fits its control; a window laid out in twips as it is, the others at the
// size they are shown.
void TestLanguage::textsFit()
{
    Fixture f;
    QWidget* shownWindow = shownForRow(f);
    QVERIFY(shownWindow);
    QList<QWidget*> widgets = shownWindow->findChildren<QWidget*>();
    QStringList cut;
    for (QWidget* widget : std::as_const(widgets)) {
        // A control placed beyond the window's edge is one nobody sees.
        const QRect where(widget->mapTo(shownWindow, QPoint()), widget->size());
        if (!widget->isVisibleTo(shownWindow) || widget->isWindow() || !shownWindow->rect().intersects(where))
            continue;
        if (const QString why = overflow(widget); !why.isEmpty())
            cut << controlName(widget) + QStringLiteral(": ") + why;
    }
    verifyNone(cut);
}

void TestLanguage::longTexts_data()
{
    translationComplete_data();
}

// Every long text and table value has its own entry in the language; the
// same words as the English only where the two languages share them.
void TestLanguage::longTexts()
{
    QFETCH(QString, language);
    const QHash<QString, QStringList> sameInBoth = {{"es", {"Lunar", "Solar", "Jaguar", "Jade"}}};
    QStringList missing;
    for (int table = 0; table < kTextTableCount; ++table) {
        for (int i = 0; i < textTableSize(TextTable(table)); ++i) {
            const QString text = localText(TextTable(table), i, language);
            const QString english = localText(TextTable(table), i, kEnglishCode);
            if (text.isEmpty() || (text == english && !sameInBoth.value(language).contains(text)))
                missing << QStringLiteral("%1 %2: %3")
                               .arg(QString::fromUtf8(textTableFile(TextTable(table))))
                               .arg(i)
                               .arg(english);
        }
    }
    verifyNone(missing);
}

// The English report, terminal text, result text, comparison and JSON are
// the program's as they have always been: each case's digest is in
// english-texts.sha256.
void TestLanguage::englishUnchanged()
{
    const EnglishCase cases[] = {
        {"Ada 1975-03-05", readingFor("Ada", {1975, 3, 5}), {}},
        {"584285 2012-12-21", readingFor("Ben", {2012, 12, 21}, Count::Corr584285), {}},
        {"Dreamspell 2000-02-29", readingFor("Cy", {2000, 2, 29}, Count::Dreamspell), {}},
        {"no name 0099-03-04", readingFor("", {99, 3, 4}), {}},
        {"9999-12-31", readingFor("Dee", {9999, 12, 31}), {}},
        {"evening, day begins at sunset",
         readingFor("Eve", {1987, 7, 26}, Count::Gmt584283, BirthTime::Evening, DayStart::Sunset), {}},
        {"night, day begins at sunrise, Dreamspell",
         readingFor("Nat", {2000, 3, 1}, Count::Dreamspell, BirthTime::Night, DayStart::Sunrise), {}},
        {"comparison", readingFor("Ada", {1987, 7, 26}), readingFor("Ben", {1990, 5, 3})},
        {"comparison, Dreamspell, no names", readingFor("", {1987, 7, 26}, Count::Dreamspell),
         readingFor("", {1990, 5, 3}, Count::Dreamspell)},
        {"comparison, evening at sunset",
         readingFor("Eve", {1987, 7, 26}, Count::Gmt584283, BirthTime::Evening, DayStart::Sunset),
         readingFor("Ned", {1990, 5, 3}, Count::Gmt584283, BirthTime::Night, DayStart::Sunset)},
        {"comparison, same kin", readingFor("Ann", {1975, 3, 5}, Count::Corr584285),
         readingFor("Bo", {1975, 11, 20}, Count::Corr584285)},
    };
    QCOMPARE(currentLanguage(), kEnglishCode);
    QStringList digests;
    for (const EnglishCase& c : cases)
        digests << QString::fromLatin1(QCryptographicHash::hash(englishTexts(c), QCryptographicHash::Sha256).toHex())
                       + QStringLiteral("  ") + QLatin1String(c.name);
    QFile golden(kSource.filePath(QStringLiteral("tests/english-texts.sha256")));
    QVERIFY(golden.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(digests, QString::fromUtf8(golden.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
