#include "updatereminder.h"

#include "platform.h"
#include "weblinks.h"

#include <QCoreApplication>

namespace {
const QString kKey = QStringLiteral("lastReminderDate");
constexpr qint64 kQuietDays = 14;
} // namespace

void UpdateReminder(Platform& platform) {
    const QDate today = platform.today();
    const QString todayText = today.toString(Qt::ISODate);

    const std::optional<QString> stored = platform.readSetting(kKey);
    const QDate last = stored ? QDate::fromString(*stored, Qt::ISODate) : QDate();
    if (!last.isValid()) {
        // First start, or a value that is no date: start counting from today.
        platform.writeSetting(kKey, todayText);
        return;
    }

    const qint64 days = today.daysTo(last);
    if (days >= -kQuietDays && days <= kQuietDays)
        return;

    const Platform::Answer answer = platform.showMessage(
        //: The line break (a carriage return) parts the two sentences; keep it.
        QCoreApplication::translate("UpdateReminder",
                                    "There maybe an update to this software available\rDo you "
                                    "want to check for an update?"),
        kApplicationTitle, Platform::Icon::Information, Platform::Buttons::YesNo, nullptr);
    platform.writeSetting(kKey, todayText);
    if (answer == Platform::Answer::Yes)
        OpenDownloadPage(platform);
}
