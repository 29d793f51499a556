#include "ui/frmresult.h"

#include "engine/kin.h"
#include "engine/tables.h"
#include "report/reportcomposer.h"
#include "ui/appcontext.h"
#include "ui/frmmain.h"
#include "ui/frmsave.h"
#include "ui/richtextpanel.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextCursor>

#include <algorithm>

namespace kinwheel {
namespace {

struct Position {
    const char* heading;
    const char* meaning;
};

// By cross slot: Central, Ally, Occult, Challenge, Guide.
constexpr Position kPositions[5] = {
    {"Central", "This signifies the features for your day of birth."},
    {"Ally", "This signifies features common with you personality."},
    {"Occult", "This signifies magical gift that you have in you."},
    {"Challenge",
     "This signifies the challenges that up may have to face and situations where you have to show your courage."},
    {"Guide", "This signifies the force that influences your action."},
};

const char* const kPictureProperty = "pictureNumber";

} // namespace

frmMayanBirthchartResult::frmMayanBirthchartResult(AppContext& context, QWidget* parent)
    : ProgramWindow(context, "frmMayanBirthchartResult", QSize(tw(10065), tw(7170)), parent)
{
    setupUi();
    Form_Load();
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
        auto* label = new QLabel(QString::fromLatin1(kPositions[slot].heading), client);
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

    m_RTB = new RichTextPanel(client);
    m_RTB->setObjectName(QStringLiteral("RTB"));
    m_RTB->setGeometry(twRect(6840, 360, 3135, 5895));
    m_RTB->makeReadOnly();
    m_RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_RTB->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_RTB->setAccessibleName(QStringLiteral("Reading"));

    addOfferFrame(twRect(30, 6300, 7185, 855));

    m_cmdSave = new QPushButton(QStringLiteral("Save"), client);
    m_cmdSave->setObjectName(QStringLiteral("cmdSave"));
    m_cmdSave->setGeometry(twRect(7680, 6480, 1095, 375));
    m_cmdBack = new QPushButton(QStringLiteral("Back"), client);
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
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addCommand(file, "&Back", "mnuBack", &frmMayanBirthchartResult::mnuBack_Click);
    file->addSeparator();
    addCommand(file, "E&xit", "mnuExit", &frmMayanBirthchartResult::mnuExit_Click);
    addSharedMenus();
}

void frmMayanBirthchartResult::Form_Load()
{
    // Same details, same reading. Should the details not be computable the
    // window shows the reading already current.
    (void)calculateKin(m_context.details, m_context.chart, m_context.count);
    fillResultWindow();
}

void frmMayanBirthchartResult::fillResultWindow()
{
    m_RTB->setWholeText(QString());
    for (int i = 0; i < 5; ++i) {
        const int glyphIndex = m_context.chart.cross[i];
        if (glyphIndex < 0 || glyphIndex >= static_cast<int>(GlyphTable.size()))
            continue; // a cross out of range is never derived; show nothing rather than read past the table
        const Glyph& glyph = GlyphTable[static_cast<std::size_t>(glyphIndex)];
        const QString name = QString::fromUtf8(glyph.name);

        const int number = glyphIndex + 1;
        showGlyphCard(m_imgSign[i], number);
        m_imgSign[i]->setProperty(kPictureProperty, number);
        m_imgSign[i]->setAccessibleName(QStringLiteral("%1: %2").arg(QString::fromLatin1(kPositions[i].heading), name));

        m_RTB->setSelBold(true);
        m_RTB->insertText(QString::fromLatin1(kPositions[i].heading) + QStringLiteral("\r\n"));
        m_RTB->insertText(QString::fromLatin1(kPositions[i].meaning) + QStringLiteral("\r\n"));
        m_RTB->setSelBold(false);
        m_RTB->setSelBold(true);
        m_RTB->insertText(name + QStringLiteral("\r\n"));
        m_RTB->setSelBold(false);
        m_RTB->insertText(QString::fromUtf8(glyph.description) + QStringLiteral("\r\n\r\n"));
    }
    // The whole Maya date of the birth day, one line each, and the count.
    if (const std::vector<MayaDateLine> maya = mayaDateLines(m_context.chart); !maya.empty()) {
        m_RTB->setSelBold(true);
        m_RTB->insertText(QString::fromLatin1(kMayaDateHeading) + QStringLiteral("\r\n"));
        m_RTB->setSelBold(false);
        for (const MayaDateLine& line : maya)
            m_RTB->insertText(line.label + line.value + QStringLiteral("\r\n"));
    }
    // Show the reading from its start.
    m_RTB->moveCursor(QTextCursor::Start);
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
void frmMayanBirthchartResult::cmdSave_Click() { showReportWindow(m_context, this); }
void frmMayanBirthchartResult::mnuExit_Click() { close(); }

} // namespace kinwheel
