#pragma once
// Print and Save as PDF of a window's document, with the program's messages:
// the report window and the comparison window print alike.

class QTextDocument;
class QWidget;

namespace kinwheel {

struct Services;

// Prints document on the default printer. When that fails, says why and
// offers to save it as a PDF file instead.
void printWithPdfOffer(Services& services, QWidget* parent, const QTextDocument& document);
// Asks for a PDF file's name and writes document there as print() would
// print it; a failure is shown. False when nothing was written.
bool saveAsPdf(Services& services, QWidget* parent, const QTextDocument& document);

} // namespace kinwheel
