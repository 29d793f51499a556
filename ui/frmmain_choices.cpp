// The main window's choice menus, Count and Day Begins At: each keeps its
// choice in the settings store and in the run's context.

#include "ui/frmmain.h"

#include "platform/services.h"
#include "platform/settings.h"
#include "ui/appcontext.h"

#include <QActionGroup>
#include <QMenuBar>

#include <algorithm>

namespace kinwheel {

void frmMain::addChoiceMenu(const char* title, const char* objectName, const char* itemName,
                            std::initializer_list<const char*> captions, int checked, void (frmMain::*click)(int))
{
    QMenu* menu = menuBar()->addMenu(tr(title));
    menu->setObjectName(QString::fromLatin1(objectName));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    int i = 0;
    for (const char* caption : captions) {
        QAction* item = menu->addAction(tr(caption));
        item->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(itemName)).arg(i));
        item->setCheckable(true);
        item->setChecked(i == checked);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, click, i] { (this->*click)(i); });
        ++i;
    }
}

void frmMain::keepChoice(const char* itemName, int index, bool stored, const QString& notStored)
{
    if (auto* item = findChild<QAction*>(QStringLiteral("%1(%2)").arg(QLatin1String(itemName)).arg(index)))
        item->setChecked(true);
    // Settings that could not be read were named once at start-up, and are
    // never written: saying so again at every choice would only nag.
    if (!stored && m_context.services.settings.readProblem().isEmpty())
        m_context.services.messages.show(this, notStored, MessageIcon::Information);
}

void frmMain::setupDayStartMenu()
{
    const auto checked = std::find(kDayStarts.begin(), kDayStarts.end(), m_context.dayStart) - kDayStarts.begin();
    addChoiceMenu(QT_TR_NOOP("&Day Begins At"), "mnuDayBegins", "mnuDayBeginsItem",
                  {QT_TR_NOOP("&Midnight (calendar day)"), QT_TR_NOOP("&Sunset (the previous evening)"),
                   QT_TR_NOOP("Sun&rise")},
                  static_cast<int>(checked), &frmMain::mnuDayBeginsItem_Click);
}

void frmMain::mnuDayBeginsItem_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(kDayStarts.size()))
        return;
    m_context.dayStart = kDayStarts[static_cast<std::size_t>(index)];
    keepChoice("mnuDayBeginsItem", index, WriteDayStartSetting(m_context.services.settings, m_context.dayStart),
               tr("The day start is used until the program ends, but it could not be kept for the next start: "
                  "the settings could not be written."));
}

} // namespace kinwheel
