#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class Platform;

// The "Refer A Friend" form of the exit screen: what the user typed, the checks
// made before anything is sent, and the page that carries a referral.
namespace Referral {

// What each box of the form shows while it holds nothing of the user's. A box
// whose text is its placeholder counts as empty.
inline const QString kNamePlaceholder = QStringLiteral("Your Name");
inline const QString kEmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString kFriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString kFriendEmailPlaceholder = QStringLiteral("Friend's Email Address");
inline const QString kMessagePlaceholder = QStringLiteral("Your Message");
// The message box starts with its placeholder and a line break, which is not
// the placeholder itself: it is sent as it is unless the user changes it.
inline const QString kInitialMessage = QStringLiteral("Your Message\r\n");

// Everything the user is told about the form.
inline const QString kEmailHasSpace = QStringLiteral("Email Address Cannot Contain Space");
inline const QString kSameEmails = QStringLiteral("Please Enter Distinct Email Addresses");
inline const QString kImproperEmail = QStringLiteral("Please Enter Proper Email Address");
inline const QString kNoName = QStringLiteral("Please Enter Your Name");
inline const QString kNoEmail = QStringLiteral("Please Enter Your Email");
inline const QString kNoMessage = QStringLiteral("Please Enter Your Message");
inline const QString kNoFriendName = QStringLiteral("Please Enter Your Friend's Name");
inline const QString kNoFriendEmail = QStringLiteral("Please Enter Your Friend's Email");

// Removes leading and trailing blanks (the space character only: tabs and line
// breaks stay).
QString trimSpaces(const QString& text);

} // namespace Referral

// The five values of one submission, each already trimmed of blanks.
struct ReferralValues {
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The first problem with the two e-mail addresses, if any: the same address twice
// (letter case counts), or an address without "@" or without ".".
std::optional<QString> ReferralEmailProblem(const ReferralValues& values);

// The first value still empty or showing its placeholder, as the message that
// asks for it.
std::optional<QString> ReferralMissingValue(const ReferralValues& values);

// The forum page that takes the referral: query keys taf1 to taf6 in order
// (sender name, sender e-mail, message, friend name, friend e-mail, the program's
// home page). Every value is percent-encoded as UTF-8, so whatever the user typed
// ("&", "=", "#", "+", line breaks, any script) arrives as typed and cannot add or
// change a key.
QUrl ReferralAddress(const ReferralValues& values);

// Asks for the first missing value or, when none is missing, opens the referral
// page in the browser.
void SendReferral(Platform& platform, const ReferralValues& values);

// The whole submission: the e-mail checks, then SendReferral. Every problem is
// reported in a critical message box and ends the submission.
void SubmitReferral(Platform& platform, const ReferralValues& values);
