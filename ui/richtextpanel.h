#pragma once
// The rich-text box of the result and report windows. All reading text is
// built through these operations, at the insertion point.

#include "report/reportcomposer.h"

#include <QTextEdit>

#include <vector>

namespace kinwheel {

class PrinterService;

class RichTextPanel : public QTextEdit {
    Q_OBJECT
public:
    // Black text on a white page, whatever the desktop palette.
    explicit RichTextPanel(QWidget* parent = nullptr);

    // Selectable and printable, not editable; Tab leaves the box.
    void makeReadOnly();

    // Replaces the whole text; the insertion point then stands at the start.
    void setWholeText(const QString& text);
    // Formatting of the text inserted from now on.
    void setSelBold(bool bold);
    void setSelColor(const QColor& colour);
    // Inserts at the insertion point and moves past it; "\r\n" (or "\n")
    // starts a new paragraph.
    void insertText(const QString& text);
    void clearSelection();
    // Replaces the whole text with the runs, each inserted with its bold and
    // colour (an invalid colour is the box's own), and shows them from the start.
    void setRuns(const std::vector<ReportRun>& runs);
    // Prints the selection, or everything when nothing is selected, as one
    // job. Returns an empty text on success, otherwise why it failed.
    QString printTo(PrinterService& printer);
    // Writes what printTo() would print as a PDF file at path.
    QString printToPdf(PrinterService& printer, const QString& path);

private:
    // Runs print on the selection, or on the whole document.
    template <class Print>
    QString withPrintedDocument(Print print);
};

} // namespace kinwheel
