#include "ui/frmresult.h"

#include "engine/tables.h"
#include "engine/tzolkin.h"
#include "report/kinreturns.h"
#include "report/language.h"
#include "report/reportcomposer.h"
#include "ui/appcontext.h"
#include "ui/frmcomparewith.h"
#include "ui/frmmain.h"
#include "ui/frmsave.h"
#include "ui/mayanumeral.h"
#include "ui/richtextpanel.h"
#include "ui/today.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

namespace kinwheel {
namespace {

const char* const kPictureProperty = "pictureNumber";

} // namespace

frmMayanBirthchartResult::frmMayanBirthchartResult(AppContext& context, const Reading& reading, QWidget* parent)
    : ProgramWindow(context, "frmMayanBirthchartResult", QSize(tw(10065), tw(7170)), parent), m_reading(reading)
{
    setupUi();
    fillResultWindow();
    centreOnScreen(this);
}

// Every control with its place, in stacking order. Positions in twips.
void frmMayanBirthchartResult::setupUi()
{
    QWidget* client = this->client();

    addForumLink(twRect(300, 30, 9465, 195));

    auto picture = [client, this](int slot, int left, int top) {
        auto* box = new QLabel(client);
        box->setObjectName(QStringLiteral("imgSign(%1)").arg(slot));
        box->setGeometry(twRect(left, top, 1305, 1695));
        m_imgSign[slot] = box;
    };
    auto caption = [client, this](int slot, int left, int top, int width) {
        auto* label = new QLabel(positionHeading(slot), client);
        label->setObjectName(QStringLiteral("lblLabel(%1)").arg(slot));
        label->setFont(windowFont(8.25, true));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        // The caption keeps its place; it may grow sideways so a wider font is not cut off.
        const QRect place = twRect(left, top, width, 195);
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
        const int grow = std::max(0, needed - place.width());
        label->setGeometry(place.adjusted(-(grow + 1) / 2, 0, grow / 2, 2));
        m_lblLabel[slot] = label;
    };
    using Slot = DestinyCross::Slot;
    picture(Slot::Guide, 2700, 335);
    caption(Slot::Guide, 3090, 2025, 585);
    picture(Slot::Challenge, 960, 2295);
    picture(Slot::Central, 2700, 2295);
    picture(Slot::Ally, 4440, 2295);
    caption(Slot::Challenge, 1095, 3990, 975);
    caption(Slot::Central, 3015, 3990, 735);
    caption(Slot::Ally, 4860, 3990, 405);
    picture(Slot::Occult, 2700, 4255);
    caption(Slot::Occult, 3075, 5955, 615);

    // The tone on a plate over the top edge of the central card, where a
    // reader looks for the day's number.
    m_picTone = new ToneBadge(client);
    m_picTone->setObjectName(QStringLiteral("picTone"));
    m_picTone->setFont(windowFont(7.5, true));
    const QRect central = m_imgSign[Slot::Central]->geometry();
    const QSize badge = m_picTone->sizeHint();
    m_picTone->setGeometry(central.center().x() - badge.width() / 2, central.top() - 2, badge.width(), badge.height());

    m_RTB = new RichTextPanel(client);
    m_RTB->setObjectName(QStringLiteral("RTB"));
    m_RTB->setGeometry(twRect(6840, 360, 3135, 5895));
    m_RTB->makeReadOnly();
    m_RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_RTB->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_RTB->setAccessibleName(tr("Reading"));

    addOfferFrame(twRect(30, 6300, 7185, 855));

    m_cmdSave = new QPushButton(tr("Save"), client);
    m_cmdSave->setObjectName(QStringLiteral("cmdSave"));
    m_cmdSave->setGeometry(twRect(7680, 6480, 1095, 375));
    m_cmdBack = new QPushButton(tr("Back"), client);
    m_cmdBack->setObjectName(QStringLiteral("cmdBack"));
    m_cmdBack->setGeometry(twRect(8880, 6480, 1095, 375));

    setTabOrder(m_RTB, m_cmdSave);
    setTabOrder(m_cmdSave, m_cmdBack);
    chainLinksAfter(m_cmdBack);

    connect(m_cmdSave, &QPushButton::clicked, this, &frmMayanBirthchartResult::cmdSave_Click);
    connect(m_cmdBack, &QPushButton::clicked, this, &frmMayanBirthchartResult::cmdBack_Click);

    setupMenus();
}

void frmMayanBirthchartResult::setupMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addCommand(file, tr("&Back"), "mnuBack", &frmMayanBirthchartResult::mnuBack_Click);
    addCommand(file, tr("&Compare With…"), "mnuCompare", &frmMayanBirthchartResult::mnuCompare_Click);
    addCommand(file, tr("Export Kin &Returns…"), "mnuExportReturns", &frmMayanBirthchartResult::mnuExportReturns_Click);
    file->addSeparator();
    addCommand(file, tr("E&xit"), "mnuExit", &frmMayanBirthchartResult::mnuExit_Click);
    addViewMenu();
    addSharedMenus();
}

void frmMayanBirthchartResult::fillResultWindow()
{
    for (int i = 0; i < 5; ++i) {
        const int glyphIndex = m_reading.cross[i];
        if (glyphIndex < 0 || glyphIndex >= static_cast<int>(GlyphTable.size()))
            continue; // a cross out of range is never computed; show nothing rather than read past the table
        const int number = glyphIndex + 1;
        showGlyphCard(m_imgSign[i], number);
        m_imgSign[i]->setProperty(kPictureProperty, number);
        m_imgSign[i]->setAccessibleName(
            QStringLiteral("%1: %2").arg(positionHeading(i), glyphText(TextTable::GlyphNames, glyphIndex)));
    }
    m_picTone->setTone(m_reading.tone, toneText(TextTable::ToneNames, m_reading.tone));
    m_RTB->setRuns(composeResultText(m_reading, returnsFromToday(m_context)));
}

int frmMayanBirthchartResult::pictureNumber(int slot) const
{
    return m_imgSign[slot]->property(kPictureProperty).toInt();
}

void frmMayanBirthchartResult::cmdBack_Click()
{
    auto* main = new frmMain(m_context);
    main->show();
    close();
}

void frmMayanBirthchartResult::mnuBack_Click() { cmdBack_Click(); }
void frmMayanBirthchartResult::cmdSave_Click() { showReportWindow(m_context, m_reading, this); }
void frmMayanBirthchartResult::mnuExit_Click() { close(); }
void frmMayanBirthchartResult::mnuCompare_Click() { askToCompare(m_context, m_reading, this); }

void frmMayanBirthchartResult::mnuExportReturns_Click()
{
    Services& services = m_context.services;
    const std::optional<CivilDate> day = today(m_context);
    const std::vector<CivilDate> dates = day ? kinReturns(m_reading, *day, kReturnsExported) : std::vector<CivilDate>{};
    if (dates.empty()) {
        services.messages.show(this, tr("No return of this kin is left in the calendar."), MessageIcon::Information);
        return;
    }
    const QString path = services.files.saveFileName(
        this, saveFileDialog(tr("Export Kin Returns"), tr("iCalendar (*.ics)"), QStringLiteral("ics")));
    if (path.isEmpty())
        return;
    if (const QString failure = writeKinReturnsCalendar(path, kinReturnsCalendar(m_reading, dates, *day));
        !failure.isEmpty())
        services.messages.show(this, failure, MessageIcon::Critical);
}

} // namespace kinwheel
