#pragma once

#include "links.h"

#include <QUrl>

class Platform;

// Every web address the program opens is formed here, from the hosts chosen when
// the program was configured. All addresses are https.
QUrl linkAddress(Link link);
// The program's home page on its own site, ending in "/".
QUrl productHomePage();
// The page that takes a "Refer A Friend" submission, without its query.
QUrl referralEndpoint();

// The forum page that takes a referral: query keys taf1 to taf6 in order (sender
// name, sender e-mail, message, friend name, friend e-mail, the program's home
// page). Every value is percent-encoded as UTF-8, so whatever the user typed ("&",
// "=", "#", "+", line breaks, any script) arrives as typed and cannot add or
// change a key.
QUrl ReferralAddress(const ReferralValues& values);

// Hands an address to the desktop's browser. Nothing is reported when none starts.
void OpenLink(Platform& platform, const QUrl& address);
void OpenLink(Platform& platform, Link link);

// One procedure per page.
void OpenHelpPage(Platform& platform);
void OpenDownloadPage(Platform& platform);
void OpenForumHomePage(Platform& platform);
void OpenDonatePage(Platform& platform);
void OpenFullBrandingPage(Platform& platform);
void OpenCoBrandingPage(Platform& platform);
void OpenSoftwareCatalogPage(Platform& platform);
