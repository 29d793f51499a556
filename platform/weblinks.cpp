#include "platform/weblinks.h"

#include "platform/services.h"

#include "kinwheel_config.h"

#include <QCoreApplication>
#include <QUrl>

namespace kinwheel {
namespace {

#define KINWHEEL_PAGE(key) KINWHEEL_SITE_ROOT "/kinwheel/ssd.php?page=" key

constexpr char kHelpWebPage[] = KINWHEEL_PAGE("help-web-page");
constexpr char kHomePage[] = KINWHEEL_PAGE("home-page");
constexpr char kDownloadWebPage[] = KINWHEEL_PAGE("download-web-page");
constexpr char kDonatePage[] = KINWHEEL_PAGE("donate");
constexpr char kFullyBrandedPage[] = KINWHEEL_PAGE("fully-branded");
constexpr char kCoBrandPage[] = KINWHEEL_PAGE("co-brand");

void openPage(Services& services, QWidget* parent, const char* address)
{
    const QString text = QString::fromLatin1(address);
    if (services.pages.open(QUrl(text, QUrl::StrictMode)))
        return;
    // The box's text can be selected, so the address can be copied from it.
    const QString message = QCoreApplication::translate(
        "kinwheel", "The web page could not be opened: no web browser or other program took its address.\n\n"
                    "%1\n\nYou can copy the address from here and open it in your browser.");
    services.messages.show(parent, message.arg(text), MessageIcon::Critical);
}

} // namespace

QString siteRoot()
{
    return QStringLiteral(KINWHEEL_SITE_ROOT);
}

QString shownLabelText(LabelText which)
{
    return QString::fromUtf8(labelText(which))
        .replace(QLatin1String("{host}"), QUrl(siteRoot()).host());
}

void OpenHelpWebPage(Services& services, QWidget* parent) { openPage(services, parent, kHelpWebPage); }
void OpenHomePage(Services& services, QWidget* parent) { openPage(services, parent, kHomePage); }
void OpenDownloadWebPage(Services& services, QWidget* parent) { openPage(services, parent, kDownloadWebPage); }
void OpenDonatePage(Services& services, QWidget* parent) { openPage(services, parent, kDonatePage); }
void OpenFullyBrandedPage(Services& services, QWidget* parent) { openPage(services, parent, kFullyBrandedPage); }
void OpenCoBrandPage(Services& services, QWidget* parent) { openPage(services, parent, kCoBrandPage); }

} // namespace kinwheel
