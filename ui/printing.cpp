#include "ui/printing.h"

#include "platform/services.h"
#include "ui/windowparts.h"

#include <QCoreApplication>
#include <QDir>

namespace kinwheel {
namespace {

struct Printing {
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

} // namespace

void printWithPdfOffer(Services& services, QWidget* parent, const QTextDocument& document)
{
    const QString failure = services.printer.print(document);
    if (failure.isEmpty())
        return;
    // Without a printer the document can still leave the program, as a PDF.
    if (services.messages.ask(parent,
                              Printing::tr("The report could not be printed.\n\n%1\n\n"
                                           "Do you want to save it as a PDF file instead?")
                                  .arg(failure),
                              MessageIcon::Critical))
        saveAsPdf(services, parent, document);
}

bool saveAsPdf(Services& services, QWidget* parent, const QTextDocument& document)
{
    const QString path = services.files.saveFileName(
        parent, saveFileDialog(QString::fromLatin1(kAppTitle), Printing::tr("PDF files (*.pdf)"), QStringLiteral("pdf")));
    if (path.isEmpty())
        return false;
    const QString failure = services.printer.printToPdf(document, path);
    if (failure.isEmpty())
        return true;
    services.messages.show(
        parent, Printing::tr("The report could not be saved to %1.\n\n%2").arg(QDir::toNativeSeparators(path), failure),
        MessageIcon::Critical);
    return false;
}

} // namespace kinwheel
