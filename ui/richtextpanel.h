#pragma once
// The rich-text box of the result, report and comparison windows: the
// reading's text is set as the runs report/ composes.

#include "report/reportcomposer.h"

#include <QTextEdit>

#include <vector>

class QTextCursor;

namespace kinwheel {

class PrinterService;

class RichTextPanel : public QTextEdit {
    Q_OBJECT
public:
    // Black text on a white page, whatever the desktop palette.
    explicit RichTextPanel(QWidget* parent = nullptr);

    // Selectable and printable, not editable; Tab leaves the box.
    void makeReadOnly();

    void clearSelection();
    // Replaces the whole text with the runs, each inserted with its bold and
    // colour (an invalid colour is the box's own), and shows them from the start.
    void setRuns(const std::vector<ReportRun>& runs);
    // Writes the whole text as a PDF file at path, as Print prints it.
    // Returns an empty text on success, otherwise why it failed.
    QString printToPdf(PrinterService& printer, const QString& path);
};

// Inserts the runs at cursor, each with its bold, colour (an invalid colour
// is the document's own) and size, pointSize times its scale; "\r\n" (or
// "\n") starts a new paragraph.
void insertRuns(QTextCursor& cursor, const std::vector<ReportRun>& runs, qreal pointSize);

} // namespace kinwheel
