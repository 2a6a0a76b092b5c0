#pragma once

#include <QString>

// The web pages the program can open. Windows name a page, never an address;
// the shell turns a name into its address and hands it to the desktop.
enum class Link {
    HelpPage,
    DownloadPage,
    ForumHomePage,
    DonatePage,
    FullBrandingPage,
    CoBrandingPage,
    SoftwareCatalogPage,
};

// The five values of one "Refer A Friend" submission, each already trimmed of
// blanks. The exit screen checks them; the shell turns them into the forum's
// referral page.
struct ReferralValues {
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;

    bool operator==(const ReferralValues&) const = default;
};
