#include "referral.h"

#include "platform.h"
#include "weblinks.h"

#include <QByteArray>

#include <utility>

namespace Referral {

QString trimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace Referral

namespace {

using namespace Referral;

bool emptyOr(const QString& value, const QString& placeholder) {
    return value.isEmpty() || value == placeholder;
}

void reportProblem(Platform& platform, const QString& text) {
    platform.showMessage(text, kApplicationTitle, Platform::Icon::Critical, Platform::Buttons::Ok);
}

} // namespace

std::optional<QString> ReferralEmailProblem(const ReferralValues& values) {
    const QString& mine = values.senderEmail;
    const QString& theirs = values.friendEmail;
    if (mine == theirs)
        return kSameEmails;
    const QLatin1Char at('@');
    const QLatin1Char dot('.');
    if (!mine.contains(at) || !theirs.contains(at))
        return kImproperEmail;
    if (!mine.contains(dot) || !theirs.contains(dot))
        return kImproperEmail;
    return std::nullopt;
}

std::optional<QString> ReferralMissingValue(const ReferralValues& values) {
    if (emptyOr(values.senderName, kNamePlaceholder))
        return kNoName;
    if (emptyOr(values.senderEmail, kEmailPlaceholder))
        return kNoEmail;
    if (emptyOr(values.message, kMessagePlaceholder))
        return kNoMessage;
    if (emptyOr(values.friendName, kFriendNamePlaceholder))
        return kNoFriendName;
    if (emptyOr(values.friendEmail, kFriendEmailPlaceholder))
        return kNoFriendEmail;
    return std::nullopt;
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

void SendReferral(Platform& platform, const ReferralValues& values) {
    if (const auto missing = ReferralMissingValue(values)) {
        reportProblem(platform, *missing);
        return;
    }
    OpenLink(platform, ReferralAddress(values));
}

void SubmitReferral(Platform& platform, const ReferralValues& values) {
    if (const auto problem = ReferralEmailProblem(values)) {
        reportProblem(platform, *problem);
        return;
    }
    SendReferral(platform, values);
}
