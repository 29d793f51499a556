#include "ui/windowparts.h"

#include "platform/settings.h"
#include "platform/weblinks.h"
#include "report/language.h"
#include "report/readingfile.h"
#include "report/validation.h"
#include "ui/widgets.h"

#include "kinwheel_assets.h"

#include <QCoreApplication>
#include <QEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace kinwheel {
namespace {

// The index in scales of the one drawn for a device-pixel ratio: the next
// finer one for a ratio in between, the finest past the last.
template <std::size_t N>
std::size_t scaleFor(const std::array<int, N>& scales, qreal devicePixelRatio)
{
    for (std::size_t i = 0; i < N; ++i)
        if (devicePixelRatio <= scales[i])
            return i;
    return N - 1;
}

// Keeps a card box's picture at the ratio of the screen the box is on.
class GlyphCardKeeper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool screenChange = event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
                                  || event->type() == QEvent::DevicePixelRatioChange
#endif
            ;
        auto* box = static_cast<QLabel*>(watched);
        if (screenChange)
            box->setPixmap((box->property(kSmallProperty).toBool() ? smallGlyphPicture : glyphPicture)(
                box->property(kCardProperty).toInt(), box->devicePixelRatioF(),
                box->property(kLanguageProperty).toString()));
        return false;
    }

    static constexpr char kCardProperty[] = "glyphCard";
    static constexpr char kLanguageProperty[] = "glyphCardLanguage";
    static constexpr char kSmallProperty[] = "glyphCardSmall";
};

} // namespace

QIcon programIcon(int largest)
{
    // Qt decodes every picture an icon is given, and a window hands all of
    // them to the desktop, so a window icon takes only the sizes a title bar
    // or task switcher shows. Each icon is built once and lives with the
    // application, so every new window shares its pictures.
    const QByteArray cached = "kinwheelIcon" + QByteArray::number(largest);
    if (const QVariant icon = qApp->property(cached.constData()); icon.isValid())
        return icon.value<QIcon>();
    QIcon icon;
    for (int size : assets::kIconSizes)
        if (size <= largest)
            icon.addFile(QStringLiteral(":/icon/kinwheel-%1.png").arg(size), QSize(size, size));
    for (int size : assets::kIconSizesAt2x)
        if (2 * size <= largest)
            icon.addFile(QStringLiteral(":/icon/kinwheel-%1@2x.png").arg(size), QSize(2 * size, 2 * size));
    qApp->setProperty(cached.constData(), icon);
    return icon;
}

void setupWindowLook(QWidget* window, const QString& caption)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(caption);
    window->setWindowIcon(programIcon());
    window->setFont(windowFont(8.25));
    setWindowColours(window, kWindowColour);
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        // The menu bar draws on the window colour with the button text colour.
        QPalette bar = main->menuBar()->palette();
        bar.setColor(QPalette::ButtonText, Qt::black);
        main->menuBar()->setPalette(bar);
    }
}

void setupProgramWindow(QMainWindow* window, QSize clientSize)
{
    setupWindowLook(window, QString::fromLatin1(kWindowCaption));
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientSize);
    window->setCentralWidget(client);
    // The window takes the size of client area plus menu bar, and keeps it.
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void centreOnScreen(QWidget* window)
{
    window->adjustSize();
    if (const QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setWindowColours(QWidget* window, const QColor& background)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

namespace {

template <class Label>
Label* styledLabel(QWidget* parent, const char* objectName, const QString& text, QRect geometry, const QFont& font,
                   const QColor& colour, Qt::Alignment alignment)
{
    auto* label = new Label(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    if (colour.isValid())
        setTextColour(label, colour);
    return label;
}

} // namespace

QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text, QRect geometry, const QFont& font,
                  const QColor& colour, Qt::Alignment alignment)
{
    return styledLabel<QLabel>(parent, objectName, text, geometry, font, colour, alignment);
}

ClickableLabel* makeClickableLabel(QWidget* parent, const char* objectName, const QString& text, QRect geometry,
                                   const QFont& font, const QColor& colour, Qt::Alignment alignment)
{
    auto* label = styledLabel<ClickableLabel>(parent, objectName, text, geometry, font, colour, alignment);
    label->setFocusPolicy(Qt::TabFocus);
    return label;
}

QGroupBox* makePlainFrame(QWidget* parent, const char* objectName, QRect geometry)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(objectName));
    frame->setGeometry(geometry);
    return frame;
}

ClickableLabel* makeOfferLabel(QGroupBox* frame, const char* objectName, LabelText text, QRect geometry,
                               Qt::Alignment alignment)
{
    ClickableLabel* label = makeClickableLabel(frame, objectName, shownLabelText(text), geometry,
                                               windowFont(8.25, true, true), kLinkYellow, alignment);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    label->setPalette(palette);
    return label;
}

void bringLabelToFront(QWidget* front, QWidget* back)
{
    front->raise();
    front->setFocusPolicy(Qt::TabFocus);
    back->setFocusPolicy(Qt::NoFocus);
}

FileDialogOptions readingFileDialog(const QString& title)
{
    FileDialogOptions options;
    options.title = title;
    options.filter = QCoreApplication::translate("kinwheel", "Mayan Astrology (*.man)");
    options.defaultSuffix = QStringLiteral("man");
    return options;
}

FileDialogOptions saveFileDialog(const QString& title, const QString& filter, const QString& suffix)
{
    return {title, filter, suffix, true};
}

void fillBirthDateLists(QComboBox* month, QComboBox* day, QComboBox* year)
{
    // The list's positions are the months; their names follow the language.
    for (int m = 1; m <= 12; ++m)
        month->addItem(capitalised(shownMonthName(m)));
    for (int d = 1; d <= 31; ++d)
        day->addItem(QString::number(d));
    for (int y = kFirstYear; y <= kLastYear; ++y)
        year->addItem(QString::number(y));
    for (QComboBox* list : {month, day, year})
        list->setCurrentIndex(0);
}

Person birthDatePerson(const QLineEdit* name, const QComboBox* month, const QComboBox* day, const QComboBox* year)
{
    return {name->text().trimmed().toStdString(),
            {kFirstYear + year->currentIndex(), month->currentIndex() + 1, day->currentIndex() + 1}};
}

void showBirthDatePerson(const Person& person, QLineEdit* name, QComboBox* month, QComboBox* day, QComboBox* year)
{
    name->setText(QString::fromStdString(person.name));
    year->setCurrentIndex(person.birthDate.year - kFirstYear);
    month->setCurrentIndex(person.birthDate.month - 1);
    day->setCurrentIndex(person.birthDate.day - 1);
}

void fillRecentReadingsMenu(QMenu* menu, SettingsStore& settings, const std::function<void(const QString&)>& open)
{
    menu->clear();
    const QStringList paths = RecentReadings(settings);
    if (paths.isEmpty()) {
        QAction* none = menu->addAction(QCoreApplication::translate("kinwheel", "(None)"));
        none->setObjectName(QStringLiteral("mnuRecentNone"));
        none->setEnabled(false);
        return;
    }
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        entry->setObjectName(QStringLiteral("mnuRecentFile(%1)").arg(i));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(entry->toolTip());
        QObject::connect(entry, &QAction::triggered, menu, [open, path] { open(path); });
    }
}

QString askReadingFile(FileDialogService& files, QWidget* parent)
{
    return files.openFileName(parent, readingFileDialog(QCoreApplication::translate("kinwheel", "Select the source file")));
}

bool openReadingFile(MessageService& messages, QWidget* parent, const QString& path,
                     const std::function<bool(const Person&)>& use)
{
    const auto read = readReadingFile(path);
    const auto* person = std::get_if<Person>(&read);
    if (!person) {
        messages.show(parent, QCoreApplication::translate("kinwheel", "Please Check The File."), MessageIcon::Critical);
        return false;
    }
    return use(*person);
}

bool rememberReading(SettingsStore& settings, const QString& path, bool opened)
{
    if (opened)
        AddRecentReading(settings, path);
    else
        RemoveRecentReading(settings, path);
    return opened;
}

void showRefusal(MessageService& messages, QWidget* parent, const Refusal& refusal, QWidget* nameBox,
                 QWidget* dateBox)
{
    const bool name = refusal.field == Refusal::Name;
    messages.show(parent, refusal.message, name ? MessageIcon::Critical : MessageIcon::Information);
    if (QWidget* box = name ? nameBox : dateBox)
        box->setFocus();
}

std::optional<Reading> checkedOrRefused(MessageService& messages, QWidget* parent, const Person& person, Count count,
                                        DayStart start, QWidget* nameBox, QWidget* dateBox)
{
    auto checked = checkedReading(person, count, NameRule::Required, start);
    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        showRefusal(messages, parent, *refusal, nameBox, dateBox);
        return std::nullopt;
    }
    return std::get<Reading>(std::move(checked));
}

QString glyphPictureKey(int number)
{
    if (number < 1 || number > static_cast<int>(assets::kCardNames.size()))
        return {};
    return QFileInfo(QString::fromUtf8(assets::kCardFiles.front()[static_cast<std::size_t>(number - 1)].front())).fileName();
}

namespace {

template <class Files>
QPixmap cardPicture(const Files& files, int number, qreal devicePixelRatio, QStringView language)
{
    if (glyphPictureKey(number).isEmpty())
        return {};
    std::size_t languageIndex = 0;
    for (std::size_t i = 0; i < assets::kCardLanguages.size(); ++i)
        if (language == QString::fromUtf8(assets::kCardLanguages[i]))
            languageIndex = i;
    const std::size_t scale = scaleFor(assets::kCardScales, devicePixelRatio);
    QPixmap picture(QStringLiteral(":/") + QString::fromUtf8(files[languageIndex][static_cast<std::size_t>(number - 1)][scale]));
    picture.setDevicePixelRatio(assets::kCardScales[scale]);
    return picture;
}

} // namespace

QPixmap glyphPicture(int number, qreal devicePixelRatio, QStringView language)
{
    return cardPicture(assets::kCardFiles, number, devicePixelRatio, language);
}

QPixmap smallGlyphPicture(int number, qreal devicePixelRatio, QStringView language)
{
    return cardPicture(assets::kSmallCardFiles, number, devicePixelRatio, language);
}

QPixmap boardGlyphPicture(int number, qreal devicePixelRatio)
{
    if (number < 1 || number > static_cast<int>(assets::kBoardGlyphFiles.size()))
        return {};
    const std::size_t scale = scaleFor(assets::kBoardGlyphScales, devicePixelRatio);
    QPixmap picture(QStringLiteral(":/")
                    + QString::fromUtf8(assets::kBoardGlyphFiles[static_cast<std::size_t>(number - 1)][scale]));
    picture.setDevicePixelRatio(assets::kBoardGlyphScales[scale]);
    return picture;
}

int boardGlyphScale(qreal devicePixelRatio)
{
    return assets::kBoardGlyphScales[scaleFor(assets::kBoardGlyphScales, devicePixelRatio)];
}

void showGlyphCard(QLabel* box, int number, QStringView language, bool small)
{
    if (!box->findChild<GlyphCardKeeper*>(QString(), Qt::FindDirectChildrenOnly))
        box->installEventFilter(new GlyphCardKeeper(box));
    box->setProperty(GlyphCardKeeper::kCardProperty, number);
    // The names on the card are in the language the program speaks, unless one is asked for.
    const QString shown = language.isEmpty() ? currentLanguage() : language.toString();
    box->setProperty(GlyphCardKeeper::kLanguageProperty, shown);
    box->setProperty(GlyphCardKeeper::kSmallProperty, small);
    box->setPixmap((small ? smallGlyphPicture : glyphPicture)(number, box->devicePixelRatioF(), shown));
}

} // namespace kinwheel
