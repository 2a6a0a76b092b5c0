#include "referral.h"

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

// The boxes show their placeholders in the user's language; the English one, pasted
// in, counts as empty too.
bool emptyOr(const QString& value, const QString& placeholder) {
    return value.isEmpty() || value == placeholder || value == shown(placeholder);
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

std::optional<QString> ReferralProblem(const ReferralValues& values) {
    if (auto problem = ReferralEmailProblem(values))
        return problem;
    return ReferralMissingValue(values);
}
