#pragma once

#include "links.h"

#include <QString>

#include <optional>

// The "Refer A Friend" form of the exit screen: what its boxes show while empty,
// what the user is told, and the checks made before anything is sent.
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

// The first problem with the two e-mail addresses, if any: the same address twice
// (letter case counts), or an address without "@" or without ".".
std::optional<QString> ReferralEmailProblem(const ReferralValues& values);

// The first value still empty or showing its placeholder, as the message that
// asks for it.
std::optional<QString> ReferralMissingValue(const ReferralValues& values);

// The first problem of a submission, as the message that reports it: the e-mail
// checks first, then the first value still missing. Nothing when it can be sent.
std::optional<QString> ReferralProblem(const ReferralValues& values);
