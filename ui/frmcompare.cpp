#include "ui/frmcompare.h"

#include "engine/tables.h"
#include "report/comparison.h"
#include "report/language.h"
#include "ui/appcontext.h"
#include "ui/printing.h"
#include "ui/richtextpanel.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include "kinwheel_assets.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

namespace kinwheel {

ElidingLabel::ElidingLabel(const QString& text, QWidget* parent) : QLabel(parent), m_text(text)
{
    setTextFormat(Qt::PlainText);
    setToolTip(text);
    setAccessibleName(text);
    setText(text);
}

QSize ElidingLabel::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(QStringLiteral("Www…")), QLabel::minimumSizeHint().height()};
}

QSize ElidingLabel::sizeHint() const
{
    return {std::min(QLabel::sizeHint().width(), 30 * fontMetrics().averageCharWidth()), QLabel::sizeHint().height()};
}

void ElidingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    setText(fontMetrics().elidedText(m_text, Qt::ElideRight, contentsRect().width()));
}

void setupCompareDialog(QDialog* dialog, const char* objectName, const QString& title)
{
    dialog->setObjectName(QString::fromLatin1(objectName));
    dialog->setWindowModality(Qt::ApplicationModal);
    setupWindowLook(dialog, frmCompare::tr("%1 - %2").arg(title, QString::fromLatin1(kWindowCaption)));
}

namespace {

QString glyphName(int glyph)
{
    return glyphText(TextTable::GlyphNames, glyph);
}

} // namespace

frmCompare::frmCompare(AppContext& context, const Reading& first, const Reading& second, QWidget* parent)
    : QDialog(parent), m_context(context), m_first(first), m_second(second)
{
    setupCompareDialog(this, "frmCompare", tr("Two Readings Side by Side"));
    setSizeGripEnabled(true);
    setupUi();
}

void frmCompare::setupUi()
{
    auto* layout = new QVBoxLayout(this);
    auto* count = new QLabel(comparisonCountLine(m_first.count), this);
    count->setObjectName(QStringLiteral("lblCount"));
    count->setFont(windowFont(8.25, true));
    count->setWordWrap(true);
    layout->addWidget(count);

    auto* people = new QHBoxLayout;
    people->setSpacing(24);
    people->addWidget(personColumn(m_first, 0));
    people->addWidget(personColumn(m_second, 1));
    layout->addLayout(people);

    auto* relations = new QLabel(tr("&Relations"), this);
    relations->setObjectName(QStringLiteral("lblRelations"));
    relations->setFont(windowFont(8.25, true));
    layout->addWidget(relations);
    m_RTB = new RichTextPanel(this);
    m_RTB->setObjectName(QStringLiteral("RTB"));
    m_RTB->setFont(windowFont(8.25));
    m_RTB->makeReadOnly();
    m_RTB->setAccessibleName(tr("Relations"));
    m_RTB->setMinimumHeight(fontMetrics().lineSpacing() * 8);
    m_RTB->setRuns(composeRelations(m_first, m_second));
    relations->setBuddy(m_RTB);
    layout->addWidget(m_RTB, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const auto button = [this, buttons](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    m_cmdPdf = button(tr("Save as P&DF…"), "cmdPdf");
    m_cmdPrint = button(tr("&Print"), "cmdPrint");
    m_cmdClose = button(tr("&Close"), "cmdClose");
    layout->addLayout(buttons);

    connect(m_cmdPdf, &QPushButton::clicked, this, &frmCompare::cmdPdf_Click);
    connect(m_cmdPrint, &QPushButton::clicked, this, &frmCompare::cmdPrint_Click);
    connect(m_cmdClose, &QPushButton::clicked, this, &QDialog::close);
    setTabOrder(m_RTB, m_cmdPdf);
    setTabOrder(m_cmdPdf, m_cmdPrint);
    setTabOrder(m_cmdPrint, m_cmdClose);
    m_RTB->setFocus();
}

// Name, date and kin, then the cross as the result window lays it out:
// Guide above, Challenge, Central and Ally across, Occult below.
QWidget* frmCompare::personColumn(const Reading& reading, int person)
{
    auto* column = new QWidget(this);
    column->setObjectName(person == 0 ? QStringLiteral("fraFirst") : QStringLiteral("fraSecond"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    const QString name = comparedName(reading, person == 0 ? RelationSide::First : RelationSide::Second);
    auto* lblName = new ElidingLabel(name, column);
    lblName->setObjectName(QStringLiteral("lblName(%1)").arg(person));
    lblName->setFont(windowFont(11, true));
    layout->addWidget(lblName);
    auto* details = new QLabel(tr("%1\nKin %2, %3 · tone %4, %5")
                                   .arg(dayMonthYear(reading.person.birthDate))
                                   .arg(reading.kin)
                                   .arg(QString::fromStdString(tzolkinDayName(reading.kin)))
                                   .arg(reading.tone)
                                   .arg(toneText(TextTable::ToneNames, reading.tone)),
                               column);
    if (const QString note = readingDateNote(reading); !note.isEmpty())
        details->setText(details->text() + QLatin1Char('\n') + note);
    details->setObjectName(QStringLiteral("lblKin(%1)").arg(person));
    details->setTextFormat(Qt::PlainText);
    details->setWordWrap(true);
    layout->addWidget(details);

    auto* cross = new QGridLayout;
    cross->setSpacing(4);
    static constexpr int kCell[5][2] = {{1, 1}, {1, 2}, {2, 1}, {1, 0}, {0, 1}}; // row, column by slot
    const QSize box(assets::kSmallCardWidth, assets::kSmallCardHeight);
    for (int slot = 0; slot < 5; ++slot) {
        auto* cell = new QVBoxLayout;
        cell->setSpacing(1);
        auto* card = new QLabel(column);
        card->setObjectName(QStringLiteral("imgSign(%1,%2)").arg(person).arg(slot));
        card->setFixedSize(box);
        const int glyph = reading.cross[slot];
        if (glyph >= 0 && glyph < static_cast<int>(GlyphTable.size())) {
            showGlyphCard(card, glyph + 1, {}, true);
            card->setAccessibleName(tr("%1, %2: %3").arg(name, positionHeading(slot), glyphName(glyph)));
        }
        m_imgSign[person][slot] = card;
        auto* caption = new QLabel(positionHeading(slot), column);
        caption->setObjectName(QStringLiteral("lblLabel(%1,%2)").arg(person).arg(slot));
        caption->setFont(windowFont(8.25, true));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        cell->addWidget(card, 0, Qt::AlignHCenter);
        cell->addWidget(caption);
        cross->addLayout(cell, kCell[slot][0], kCell[slot][1]);
    }
    layout->addLayout(cross);
    layout->addStretch();
    return column;
}

std::unique_ptr<QTextDocument> comparisonDocument(const Reading& first, const Reading& second)
{
    auto document = std::make_unique<QTextDocument>();
    const QFont font = windowFont(9.75);
    document->setDefaultFont(font);
    QTextCursor cursor(document.get());
    insertRuns(cursor, composeComparison(first, second), font.pointSizeF());
    return document;
}

void frmCompare::cmdPrint_Click()
{
    printWithPdfOffer(m_context.services, this, *comparisonDocument(m_first, m_second));
}

void frmCompare::cmdPdf_Click()
{
    saveAsPdf(m_context.services, this, *comparisonDocument(m_first, m_second));
}

frmCompare* showComparisonWindow(AppContext& context, const Reading& first, const Reading& second, QWidget* parent)
{
    auto* window = new frmCompare(context, first, second, parent);
    centreOnScreen(window);
    window->show();
    return window;
}

} // namespace kinwheel
