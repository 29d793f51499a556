#include "platform/weblinks.h"

#include "platform/services.h"

#include "kinwheel_config.h"

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

void openPage(PageOpener& pages, const char* address)
{
    pages.open(QUrl(QString::fromLatin1(address), QUrl::StrictMode));
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

void OpenHelpWebPage(PageOpener& pages) { openPage(pages, kHelpWebPage); }
void OpenHomePage(PageOpener& pages) { openPage(pages, kHomePage); }
void OpenDownloadWebPage(PageOpener& pages) { openPage(pages, kDownloadWebPage); }
void OpenDonatePage(PageOpener& pages) { openPage(pages, kDonatePage); }
void OpenFullyBrandedPage(PageOpener& pages) { openPage(pages, kFullyBrandedPage); }
void OpenCoBrandPage(PageOpener& pages) { openPage(pages, kCoBrandPage); }

} // namespace kinwheel
