#pragma once
// The publisher's pages. Each opener hands its one fixed address to the
// system's browser and returns at once. When nothing takes the address, a
// message over parent (nullptr: no window) shows it for the user to copy.

#include "engine/tables.h"

#include <QString>

class QWidget;

namespace kinwheel {

struct Services;

// Scheme and host of the publisher's site, fixed at build time; the report
// and the about box show it as the site's address.
QString siteRoot();
// A label text as the windows show it: "{host}" becomes the host of siteRoot(),
// so a label names the site its click opens.
QString shownLabelText(LabelText which);
void OpenHelpWebPage(Services& services, QWidget* parent);
void OpenHomePage(Services& services, QWidget* parent);
void OpenDownloadWebPage(Services& services, QWidget* parent);
void OpenDonatePage(Services& services, QWidget* parent);
void OpenFullyBrandedPage(Services& services, QWidget* parent);
void OpenCoBrandPage(Services& services, QWidget* parent);

} // namespace kinwheel
