#include "ui/richtextpanel.h"

#include "platform/services.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <memory>

namespace kinwheel {

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

void RichTextPanel::setWholeText(const QString& text)
{
    clear();
    // clear() keeps the last character format; start from the box's own.
    setCurrentCharFormat(QTextCharFormat());
    if (!text.isEmpty())
        insertText(text);
    moveCursor(QTextCursor::Start);
}

void RichTextPanel::setRuns(const std::vector<ReportRun>& runs)
{
    setWholeText(QString());
    const qreal size = font().pointSizeF();
    for (const ReportRun& run : runs) {
        setSelBold(run.bold);
        if (run.colour.isValid())
            setSelColor(run.colour);
        QTextCharFormat format;
        format.setFontPointSize(size * run.scale);
        mergeCurrentCharFormat(format);
        insertText(run.text);
    }
    moveCursor(QTextCursor::Start);
}

void RichTextPanel::setSelBold(bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeCurrentCharFormat(format);
}

void RichTextPanel::setSelColor(const QColor& colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    mergeCurrentCharFormat(format);
}

void RichTextPanel::insertText(const QString& text)
{
    QString plain = text;
    plain.remove(QLatin1Char('\r'));
    QTextCursor cursor = textCursor();
    const QTextCharFormat format = currentCharFormat();
    cursor.insertText(plain, format);
    setTextCursor(cursor);
}

void RichTextPanel::clearSelection()
{
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
}

template <class Print>
QString RichTextPanel::withPrintedDocument(Print print)
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return print(*document());
    QTextDocument selected;
    selected.setDefaultFont(document()->defaultFont());
    QTextCursor(&selected).insertFragment(cursor.selection());
    return print(selected);
}

QString RichTextPanel::printTo(PrinterService& printer)
{
    return withPrintedDocument([&](const QTextDocument& document) { return printer.print(document); });
}

QString RichTextPanel::printToPdf(PrinterService& printer, const QString& path)
{
    return withPrintedDocument([&](const QTextDocument& document) { return printer.printToPdf(document, path); });
}

} // namespace kinwheel
