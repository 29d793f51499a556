// The main window's choice menus, Count, Day Begins At and Language: each
// keeps its choice in the settings store, the first two in the run's context
// too; a new language builds the main window again in it.

#include "ui/frmmain.h"

#include "platform/services.h"
#include "platform/settings.h"
#include "report/language.h"
#include "ui/frmboard.h"
#include "ui/appcontext.h"

#include <QActionGroup>
#include <QMenuBar>

#include <algorithm>

namespace kinwheel {

void frmMain::addChoiceMenu(const QString& title, const char* objectName, const char* itemName,
                            const QStringList& captions, int checked, void (frmMain::*click)(int))
{
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(QString::fromLatin1(objectName));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    int i = 0;
    for (const QString& caption : captions) {
        QAction* item = menu->addAction(caption);
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
    addChoiceMenu(tr("&Day Begins At"), "mnuDayBegins", "mnuDayBeginsItem",
                  {tr("&Midnight (calendar day)"), tr("&Sunset (the previous evening)"), tr("Sun&rise")},
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

void frmMain::setupLanguageMenu()
{
    // Each language by its own name, so that a user finds theirs whatever the program speaks now.
    QStringList names;
    int checked = 0;
    for (const LanguageInfo& language : kLanguages) {
        if (QLatin1String(language.code.data(), qsizetype(language.code.size())) == currentLanguage())
            checked = static_cast<int>(names.size());
        names << QString::fromUtf8(language.name);
    }
    addChoiceMenu(tr("&Language"), "mnuLanguage", "mnuLanguageItem", names, checked, &frmMain::mnuLanguageItem_Click);
}

void frmMain::mnuLanguageItem_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(kLanguages.size()))
        return;
    const std::string_view code = kLanguages[static_cast<std::size_t>(index)].code;
    const QString language = QString::fromLatin1(code.data(), qsizetype(code.size()));
    keepChoice("mnuLanguageItem", index, WriteLanguageSetting(m_context.services.settings, language),
               tr("The language is used until the program ends, but it could not be kept for the next start: "
                  "the settings could not be written."));
    if (language == currentLanguage())
        return;
    installLanguage(language);
    rebuildInLanguage();
}

void frmMain::rebuildInLanguage()
{
    auto* next = new frmMain(m_context);
    next->showPerson(enteredPerson());
    next->bringOfferToFront(coBrandShown());
    next->move(pos());
    next->show();
    // A board open over this window is opened again over the new one.
    const bool board = !findChildren<frmBoard*>(QString(), Qt::FindDirectChildrenOnly).isEmpty();
    close();
    if (board)
        next->mnuBoard_Click();
    next->activateWindow();
}

} // namespace kinwheel
