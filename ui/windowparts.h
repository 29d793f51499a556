#pragma once
// Pieces every window of the program is built from: the caption, the icon,
// labels plain and clickable, offer labels and their frame, the birth-date
// lists, opening a reading file and refusing an entry, the glyph cards.

#include "engine/reading.h"
#include "engine/tables.h"
#include "platform/services.h"

#include "kinwheel_config.h"

#include <QPixmap>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class QGroupBox;
class QLabel;
class QComboBox;
class QLineEdit;
class QMainWindow;
class QMenu;

namespace kinwheel {

class ClickableLabel;
struct Refusal;

inline constexpr char kWindowCaption[] = "Kinwheel v" KINWHEEL_VERSION;

// What every window of the program shares: deleted when closed, caption as
// its title, the program's icon, font and colours, and on a main window a
// menu bar whose titles are legible on those colours.
void setupWindowLook(QWidget* window, const QString& caption);
// The look of a program window, the program's caption its title, whose
// client area (below the menu bar) is exactly clientSize; the window is not
// resizable.
void setupProgramWindow(QMainWindow* window, QSize clientSize);
// Places the window in the centre of its screen.
void centreOnScreen(QWidget* window);

// The program icon from the resources: every size drawn for it up to largest
// pixels, 1x and 2x.
QIcon programIcon(int largest = 64);

// The colour a widget draws its text in.
void setTextColour(QWidget* widget, const QColor& colour);
// The given background with dark text of the program's own, so captions and
// frame titles stay legible under any desktop palette (a dark one included).
void setWindowColours(QWidget* window, const QColor& background);

// A word-wrapped plain-text label; an invalid colour keeps the palette's.
QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text, QRect geometry,
                  const QFont& font, const QColor& colour = QColor(),
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// The same, reacting to clicks and reachable by Tab.
ClickableLabel* makeClickableLabel(QWidget* parent, const char* objectName, const QString& text, QRect geometry,
                                   const QFont& font, const QColor& colour = QColor(),
                                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// A frame without caption on the window colour, for the two offer labels.
QGroupBox* makePlainFrame(QWidget* parent, const char* objectName, QRect geometry);
// An offer label: yellow, bold and underlined, opaque on the window colour so
// that it hides the other offer label lying under it.
ClickableLabel* makeOfferLabel(QGroupBox* frame, const char* objectName, LabelText text, QRect geometry,
                               Qt::Alignment alignment);

// Puts front before back: raised, and the only one of the two that takes the focus.
void bringLabelToFront(QWidget* front, QWidget* back);

// The options of the file dialogs that open and save reading files.
FileDialogOptions readingFileDialog(const QString& title);
// A save dialog for one kind of file, asking before it replaces one.
FileDialogOptions saveFileDialog(const QString& title, const QString& filter, const QString& suffix);
// The birth-date lists of the main window: the twelve months, days 1 to 31
// and the years it takes, each at its first entry.
void fillBirthDateLists(QComboBox* month, QComboBox* day, QComboBox* year);
// The person a name box and those lists show: the name trimmed, the date
// from the lists' positions (their texts are for the eye).
Person birthDatePerson(const QLineEdit* name, const QComboBox* month, const QComboBox* day, const QComboBox* year);
// Shows person, whose values the lists hold, in the name box and the lists.
void showBirthDatePerson(const Person& person, QLineEdit* name, QComboBox* month, QComboBox* day, QComboBox* year);
// The recent reading files as menu entries ("&1 Ada.man", the path as tip),
// each running open with its path; "(None)", greyed, when there are none.
void fillRecentReadingsMenu(QMenu* menu, SettingsStore& settings, const std::function<void(const QString&)>& open);
// Asks for a reading file to open, as File > Open does; empty when none was chosen.
QString askReadingFile(FileDialogService& files, QWidget* parent);
// Reads the reading file at path and hands its person to use, which says
// whether it took it. A file that cannot be read is refused with "Please
// Check The File.", and use is not called. False when either refused it.
bool openReadingFile(MessageService& messages, QWidget* parent, const QString& path,
                     const std::function<bool(const Person&)>& use);
// The recent readings after path was opened (it goes to the top of the list)
// or refused (it leaves the list); gives opened.
bool rememberReading(SettingsStore& settings, const QString& path, bool opened);
// Shows why a name and birth date were refused, as Generate does: a missing
// name as an error, a date the month lacks as a note; the focus then goes to
// nameBox, or for the date to dateBox when there is one.
void showRefusal(MessageService& messages, QWidget* parent, const Refusal& refusal, QWidget* nameBox,
                 QWidget* dateBox = nullptr);
// The reading of person under count and start, checked as Generate checks it
// (a name required); none when refused, the refusal shown as showRefusal does.
std::optional<Reading> checkedOrRefused(MessageService& messages, QWidget* parent, const Person& person, Count count,
                                        DayStart start, QWidget* nameBox, QWidget* dateBox = nullptr);

// The glyph card pictures 1..20; picture n shows glyph n - 1. Each is drawn
// for its 87 x 113 box at 1x, 2x and 3x: glyphPicture gives the one for the
// device-pixel ratio (a ratio in between takes the next finer one), with
// that ratio set, so it shows unscaled at the box's size. The banner names
// the glyph in language ("en", "es"); a language without cards gives the
// English card.
QString glyphPictureKey(int number);
QPixmap glyphPicture(int number, qreal devicePixelRatio = 1.0, QStringView language = u"en");
// The small glyph of sign 1..20 for the 260-day board, drawn for 24 x 24 at
// 1x, 2x and 3x, chosen and set up for the ratio as glyphPicture does.
QPixmap boardGlyphPicture(int number, qreal devicePixelRatio = 1.0);
// The scale (1, 2 or 3) of the board glyphs boardGlyphPicture gives for a ratio.
int boardGlyphScale(qreal devicePixelRatio);
// The small card of the comparison window, drawn for its 68 x 88 box and
// chosen for a ratio as glyphPicture chooses.
QPixmap smallGlyphPicture(int number, qreal devicePixelRatio = 1.0, QStringView language = u"en");
// Shows card `number`, full or small, in box at the box's device-pixel
// ratio, and again whenever the box moves to a screen of another ratio.
void showGlyphCard(QLabel* box, int number, QStringView language = {}, bool small = false);

} // namespace kinwheel
