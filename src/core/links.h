#pragma once

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
