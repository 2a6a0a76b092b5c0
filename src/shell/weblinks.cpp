#include "weblinks.h"

#include "platform.h"
#include "solvanta_config.h"

#include <QByteArray>

#include <utility>

namespace {

QUrl address(const char* host, const char* path) {
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(QString::fromUtf8(host));
    url.setPath(QString::fromUtf8(path));
    return url;
}

} // namespace

QUrl linkAddress(Link link) {
    switch (link) {
    case Link::HelpPage:
        return address(SOLVANTA_PRODUCT_HOST, "/solvanta-help.html");
    case Link::DownloadPage:
        return address(SOLVANTA_PRODUCT_HOST, "/download-solvanta.html");
    case Link::ForumHomePage:
        return address(SOLVANTA_FORUM_HOST, "");
    case Link::DonatePage:
        return address(SOLVANTA_HELP_HOST, "/donate.html");
    case Link::FullBrandingPage:
        return address(SOLVANTA_HELP_HOST, "/fully-branded.html");
    case Link::CoBrandingPage:
        return address(SOLVANTA_HELP_HOST, "/co-brand.html");
    case Link::SoftwareCatalogPage:
        return address(SOLVANTA_FORUM_HOST, "/quillory");
    }
    return {};
}

QUrl productHomePage() {
    return address(SOLVANTA_PRODUCT_HOST, "/");
}

QUrl referralEndpoint() {
    return address(SOLVANTA_FORUM_HOST, "/vexo-refer-a-friend.php");
}

QUrl ReferralAddress(const ReferralValues& values) {
    const std::pair<const char*, QString> items[] = {
        {"taf1", values.senderName},  {"taf2", values.senderEmail},
        {"taf3", values.message},     {"taf4", values.friendName},
        {"taf5", values.friendEmail}, {"taf6", productHomePage().toString()},
    };
    // Only the unreserved characters stay as they are; everything else, the
    // query's own delimiters included, is percent-encoded.
    QByteArray query;
    for (const auto& [key, value] : items) {
        if (!query.isEmpty())
            query += '&';
        query += key;
        query += '=';
        query += QUrl::toPercentEncoding(value);
    }
    QUrl address = referralEndpoint();
    address.setQuery(QString::fromLatin1(query), QUrl::StrictMode);
    return address;
}

void OpenLink(Platform& platform, const QUrl& address) {
    platform.openAddress(address);
}

void OpenLink(Platform& platform, Link link) {
    OpenLink(platform, linkAddress(link));
}

void OpenHelpPage(Platform& platform) {
    OpenLink(platform, Link::HelpPage);
}
void OpenDownloadPage(Platform& platform) {
    OpenLink(platform, Link::DownloadPage);
}
void OpenForumHomePage(Platform& platform) {
    OpenLink(platform, Link::ForumHomePage);
}
void OpenDonatePage(Platform& platform) {
    OpenLink(platform, Link::DonatePage);
}
void OpenFullBrandingPage(Platform& platform) {
    OpenLink(platform, Link::FullBrandingPage);
}
void OpenCoBrandingPage(Platform& platform) {
    OpenLink(platform, Link::CoBrandingPage);
}
void OpenSoftwareCatalogPage(Platform& platform) {
    OpenLink(platform, Link::SoftwareCatalogPage);
}
