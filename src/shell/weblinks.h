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
