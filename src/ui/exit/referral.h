#pragma once

#include "links.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

// The "Refer A Friend" form of the exit screen: what its boxes show while empty,
// what the user is told, and the checks made before anything is sent.
namespace Referral {

// What each box of the form shows while it holds nothing of the user's. A box
// whose text is its placeholder counts as empty.
inline const QString kNamePlaceholder = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Your Name"));
inline const QString kEmailPlaceholder = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Your Email Address"));
inline const QString kFriendNamePlaceholder = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Friend's Name"));
inline const QString kFriendEmailPlaceholder = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Friend's Email Address"));
inline const QString kMessagePlaceholder = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Your Message"));
// The message box starts with its placeholder and a line break, which is not
// the placeholder itself: it is sent as it is unless the user changes it.
inline const QString kInitialMessage = QStringLiteral("Your Message\r\n");

// Everything the user is told about the form.
inline const QString kEmailHasSpace = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Email Address Cannot Contain Space"));
inline const QString kSameEmails = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Please Enter Distinct Email Addresses"));
inline const QString kImproperEmail = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Please Enter Proper Email Address"));
inline const QString kNoName = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Name"));
inline const QString kNoEmail = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Email"));
inline const QString kNoMessage = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Message"));
inline const QString kNoFriendName = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Name"));
inline const QString kNoFriendEmail = QStringLiteral(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Email"));

// One of the texts above as the user reads it, in the program's language (English
// as it is).
inline QString shown(const QString& text) {
    return QCoreApplication::translate("Referral", text.toUtf8().constData());
}

// What the message box holds at first: its placeholder, as the user reads it, and a
// line break.
inline QString initialMessage() {
    return shown(kMessagePlaceholder) + QStringLiteral("\r\n");
}

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
