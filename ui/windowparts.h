#pragma once
// Pieces the main and result windows share: caption, client size, icon, the
// link labels and offer labels, the Help / Donate / Make Money menus, and the
// glyph card pictures.

#include "engine/tables.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QString>

class QGroupBox;

namespace kinwheel {

class ClickableLabel;

inline constexpr char kWindowCaption[] = "Kinwheel v1.25";

// Caption, icon, font and background of a program window whose client area
// (below the menu bar) is exactly clientSize; the window is not resizable.
void setupProgramWindow(QMainWindow* window, QSize clientSize);
// Places the window in the centre of its screen.
void centreOnScreen(QWidget* window);

// The program icon from the resources.
QIcon programIcon();

// A clickable yellow underlined label with one of the program's label texts.
ClickableLabel* makeLinkLabel(QWidget* parent, const char* objectName, LabelText text, bool bold);
// An offer label: clickable, opaque on the window colour so that it hides
// the other offer label lying under it.
ClickableLabel* makeOfferLabel(QGroupBox* frame, const char* objectName, LabelText text, QRect geometry);
// A frame without caption on the window colour.
QGroupBox* makePlainFrame(QWidget* parent, const char* objectName, QRect geometry);

// Puts front before back: raised, and the only one of the two that takes the focus.
void bringLabelToFront(QWidget* front, QWidget* back);

// Text in the form a widget shows it.
inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The Help, Donate and Make Money menus both windows carry, wired to the
// window's slots of the same names. "Make Money Online" starts hidden.
template <class Window>
void addSharedMenus(Window* window, QMenuBar* bar)
{
    auto item = [window](QMenu* menu, const char* caption, const char* name, void (Window::*slot)()) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, window, slot);
        return action;
    };
    auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    item(help, "&Online Help", "mnuOnline", &Window::mnuOnline_Click);
    item(help, "&Visit Us Online", "mnuVisit", &Window::mnuVisit_Click);
    separator(help, "mnuSep1");
    item(help, "Check for Software &Update", "mnuUpdate", &Window::mnuUpdate_Click);
    separator(help, "mnuSep2");
    item(help, "&About Software", "mnuAbout", &Window::mnuAbout_Click);

    // Menu titles that are commands themselves.
    QAction* donate = bar->addAction(QStringLiteral("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donate, &QAction::triggered, window, &Window::mnuDonate_Click);
    QAction* makeMoney = bar->addAction(QStringLiteral("Make Money &Online"));
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    makeMoney->setVisible(false);
    QObject::connect(makeMoney, &QAction::triggered, window, &Window::mnuMakeMoney_Click);
}

// The glyph card pictures 1..20; picture n shows glyph n - 1.
QString glyphPictureKey(int number);
QPixmap glyphPicture(int number);

} // namespace kinwheel
