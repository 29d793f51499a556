#pragma once
// The publisher's pages. Each opener hands its one fixed address to the
// system's browser and returns at once; a failure is not reported.

#include "engine/tables.h"

#include <QString>

namespace kinwheel {

class PageOpener;

// Scheme and host of the publisher's site, fixed at build time; the report
// and the about box show it as the site's address.
QString siteRoot();
// A label text as the windows show it: "{host}" becomes the host of siteRoot(),
// so a label names the site its click opens.
QString shownLabelText(LabelText which);
void OpenHelpWebPage(PageOpener& pages);
void OpenHomePage(PageOpener& pages);
void OpenDownloadWebPage(PageOpener& pages);
void OpenDonatePage(PageOpener& pages);
void OpenFullyBrandedPage(PageOpener& pages);
void OpenCoBrandPage(PageOpener& pages);

} // namespace kinwheel
