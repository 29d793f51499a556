#include "ui/frmcomparewith.h"

#include "engine/tables.h"
#include "report/comparison.h"
#include "report/validation.h"
#include "ui/appcontext.h"
#include "ui/frmcompare.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace kinwheel {

frmCompareWith::frmCompareWith(AppContext& context, const Reading& first, QWidget* parent)
    : QDialog(parent), m_context(context), m_first(first)
{
    setupCompareDialog(this, "frmCompareWith", tr("Compare With"));
    setupUi();
}

void frmCompareWith::setupUi()
{
    auto* layout = new QVBoxLayout(this);
    auto* whose = new ElidingLabel(tr("Compare %1's reading with:")
                                       .arg(comparedName(m_first, RelationSide::First)),
                                   this);
    whose->setObjectName(QStringLiteral("lblWhose"));
    whose->setFont(windowFont(8.25, true));
    layout->addWidget(whose);

    auto* saved = new QHBoxLayout;
    m_cmdOpen = new QPushButton(tr("&Open Reading File…"), this);
    m_cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    m_cmdRecent = new QPushButton(tr("&Recent Readings"), this);
    m_cmdRecent->setObjectName(QStringLiteral("cmdRecent"));
    m_mnuRecent = new QMenu(m_cmdRecent);
    m_mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    m_mnuRecent->setToolTipsVisible(true);
    m_cmdRecent->setMenu(m_mnuRecent);
    for (QPushButton* button : {m_cmdOpen, m_cmdRecent}) {
        button->setAutoDefault(false);
        saved->addWidget(button);
    }
    saved->addStretch();
    layout->addLayout(saved);

    auto* typed = new QGroupBox(tr("Or a name and birth date"), this);
    typed->setObjectName(QStringLiteral("fraTyped"));
    auto* form = new QFormLayout(typed);
    m_txtName = new QLineEdit(typed);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setMaxLength(kMaxNameLength);
    m_txtName->setAccessibleName(tr("Name"));
    form->addRow(tr("&Name"), m_txtName);
    auto* date = new QHBoxLayout;
    const auto list = [typed, date](const char* name, const QString& accessibleName) {
        auto* box = new QComboBox(typed);
        box->setObjectName(QString::fromLatin1(name));
        box->setMaxVisibleItems(12);
        box->setAccessibleName(accessibleName);
        date->addWidget(box);
        return box;
    };
    m_cboMonth = list("cboMonth", tr("Month of birth"));
    m_cboDate = list("cboDate", tr("Day of birth"));
    m_cboYear = list("cboYear", tr("Year of birth"));
    fillBirthDateLists(m_cboMonth, m_cboDate, m_cboYear);
    auto* dateLabel = new QLabel(tr("&Date of Birth"), typed);
    dateLabel->setBuddy(m_cboMonth);
    form->addRow(dateLabel, date);
    layout->addWidget(typed);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_cmdCompare = new QPushButton(tr("&Compare"), this);
    m_cmdCompare->setObjectName(QStringLiteral("cmdCompare"));
    m_cmdCompare->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAutoDefault(false);
    buttons->addWidget(m_cmdCompare);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_cmdOpen, &QPushButton::clicked, this, &frmCompareWith::cmdOpen_Click);
    // Another window may have changed the list since this one was built.
    connect(m_mnuRecent, &QMenu::aboutToShow, this, [this] {
        fillRecentReadingsMenu(m_mnuRecent, m_context.services.settings,
                               [this](const QString& path) { compareWithFile(path); });
    });
    fillRecentReadingsMenu(m_mnuRecent, m_context.services.settings,
                           [this](const QString& path) { compareWithFile(path); });
    connect(m_cmdCompare, &QPushButton::clicked, this, &frmCompareWith::cmdCompare_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(m_cmdOpen, m_cmdRecent);
    setTabOrder(m_cmdRecent, m_txtName);
    setTabOrder(m_txtName, m_cboMonth);
    setTabOrder(m_cboMonth, m_cboDate);
    setTabOrder(m_cboDate, m_cboYear);
    setTabOrder(m_cboYear, m_cmdCompare);
    setTabOrder(m_cmdCompare, cancel);
    m_txtName->setFocus();
}

bool frmCompareWith::choose(const Person& person)
{
    const std::optional<Reading> second = checkedOrRefused(m_context.services.messages, this, person, m_first.count,
                                                           m_first.dayStart, m_txtName, m_cboMonth);
    if (!second)
        return false;
    accept();
    emit chosen(*second);
    return true;
}

void frmCompareWith::cmdCompare_Click()
{
    choose(birthDatePerson(m_txtName, m_cboMonth, m_cboDate, m_cboYear));
}

void frmCompareWith::cmdOpen_Click()
{
    if (const QString path = askReadingFile(m_context.services.files, this); !path.isEmpty())
        compareWithFile(path);
}

bool frmCompareWith::compareWithFile(const QString& path)
{
    const bool chosen = openReadingFile(m_context.services.messages, this, path, [this](const Person& person) {
        // Left in the controls, so that a refused date can be corrected there.
        showBirthDatePerson(person, m_txtName, m_cboMonth, m_cboDate, m_cboYear);
        return choose(person);
    });
    return rememberReading(m_context.services.settings, path, chosen);
}

frmCompareWith* askToCompare(AppContext& context, const Reading& first, QWidget* parent)
{
    auto* dialog = new frmCompareWith(context, first, parent);
    QObject::connect(dialog, &frmCompareWith::chosen, dialog, [&context, first, parent](const Reading& second) {
        showComparisonWindow(context, first, second, parent);
    });
    centreOnScreen(dialog);
    dialog->show();
    return dialog;
}

} // namespace kinwheel
