#pragma once
// What the main and result windows share: the lavender client area of a fixed
// size, the forum link, the frame with the two offer labels, the Help, Donate
// and Make Money menus, and the page each of them opens.

#include "engine/reading.h"
#include "ui/publisherlinks.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include <optional>

namespace kinwheel {

class ProgramWindow : public QMainWindow, public PublisherLinks {
    Q_OBJECT
public slots:
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void mnuAbout_Click();
    // View > Tzolk'in Board: the board of boardReading(), or the open one raised.
    void mnuBoard_Click();

protected:
    ProgramWindow(AppContext& context, const char* objectName, QSize clientSize, QWidget* parent);

    QWidget* client() const { return centralWidget(); }
    // The forum invitation Label14 at its place in the client area.
    void addForumLink(QRect geometry);
    // fraFullBrand with lblCobrand under lblFullBrand.
    void addOfferFrame(QRect geometry);
    // Help, Donate and Make Money, after the window's own File menu.
    // "Make Money Online" starts hidden.
    void addSharedMenus();
    // View with "Tzolk'in &Board" (Ctrl+B).
    void addViewMenu();
    // The reading the board shows (nothing: no board), and whether it is today's.
    virtual std::optional<Reading> boardReading() = 0;
    virtual bool boardShowsToday() const { return false; }
    // Tab goes on from last to the forum link and the offer labels.
    void chainLinksAfter(QWidget* last);

    // A menu item named for its control that runs slot.
    template <class Window>
    QAction* addCommand(QMenu* menu, const QString& caption, const char* objectName, void (Window::*slot)())
    {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(objectName));
        connect(action, &QAction::triggered, static_cast<Window*>(this), slot);
        return action;
    }
    static void addSeparator(QMenu* menu, const char* objectName)
    {
        menu->addSeparator()->setObjectName(QString::fromLatin1(objectName));
    }

};

} // namespace kinwheel
