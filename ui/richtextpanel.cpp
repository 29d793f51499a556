#include "ui/richtextpanel.h"

#include "platform/services.h"

#include <QTextCursor>
#include <QTextDocument>

namespace kinwheel {

void insertRuns(QTextCursor& cursor, const std::vector<ReportRun>& runs, qreal pointSize)
{
    for (const ReportRun& run : runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        if (run.colour.isValid())
            format.setForeground(run.colour);
        format.setFontPointSize(pointSize * run.scale);
        cursor.insertText(QString(run.text).remove(QLatin1Char('\r')), format);
    }
}

RichTextPanel::RichTextPanel(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    // The reading's colours are chosen for a light page: keep one whatever
    // the desktop palette is.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    setPalette(palette);
}

void RichTextPanel::makeReadOnly()
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Nothing can be typed, so Tab moves on to the next control.
    setTabChangesFocus(true);
}

void RichTextPanel::setRuns(const std::vector<ReportRun>& runs)
{
    clear();
    // clear() keeps the last character format; start from the box's own.
    setCurrentCharFormat(QTextCharFormat());
    QTextCursor cursor(document());
    insertRuns(cursor, runs, font().pointSizeF());
    moveCursor(QTextCursor::Start);
}

void RichTextPanel::clearSelection()
{
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
}

QString RichTextPanel::printToPdf(PrinterService& printer, const QString& path)
{
    return printer.printToPdf(*document(), path);
}

} // namespace kinwheel
