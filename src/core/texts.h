#pragma once

#include <QString>
#include <QStringList>

// The program's built-in prose: sign traits, cusp portraits and the promotional
// texts of the windows. Every text is one paragraph without line breaks, in the
// language of the installed translators (English when none is installed).
// Texts that mention the forum take its address from the build configuration
// (forumDisplayAddress()); their lengths are fixed for the default address.
namespace Texts {

// The forum's address as shown to the user, e.g. "forum.solvanta.example".
QString forumDisplayAddress();

// Trait paragraphs of one sign, signNumber 1 (Aries) to 12 (Pisces).
QString positiveTraits(int signNumber);
QString negativeTraits(int signNumber);

// Leo's positive text is stored as two passages; positiveTraits(5) is their join.
QString leoPositivePassageOne(); // 783 characters
QString leoPositivePassageTwo(); // 215 characters

// Portrait of someone born on the cusp of the month, monthIndex 0 (January) to 11.
QString cuspDescription(int monthIndex);

QString forumBanner();       // 115 characters, ends inviting a visit to the forum address
QString fullBrandOffer();    // 161 characters
QString coBrandOffer();      // 185 characters
QString aboutDescription();  // 220 characters
QString aboutPromotion();    // 132 characters
QString supportText(int k);  // k = 0..3: 227, 211, 160, 196 characters
QString softwarePromotion(); // 615 characters

// "January" .. "December", as the month lists show them; in another language than
// English, the default locale's stand-alone month names.
QStringList monthNames();

} // namespace Texts
