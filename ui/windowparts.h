#pragma once
// Pieces every window of the program is built from: the caption, the icon,
// labels plain and clickable, offer labels and their frame, the glyph cards.

#include "engine/tables.h"
#include "platform/services.h"

#include "kinwheel_config.h"

#include <QPixmap>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QMainWindow;

namespace kinwheel {

class ClickableLabel;

inline constexpr char kWindowCaption[] = "Kinwheel v" KINWHEEL_VERSION;

// Caption, icon, font and background of a program window whose client area
// (below the menu bar) is exactly clientSize; the window is not resizable.
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
// Shows card `number` in box at the box's device-pixel ratio, and again
// whenever the box moves to a screen of another ratio.
void showGlyphCard(QLabel* box, int number, QStringView language = u"en");

} // namespace kinwheel
