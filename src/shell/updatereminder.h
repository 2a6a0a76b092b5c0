#pragma once

class Platform;

// At start-up: asks at most once every 15 days whether to look for a newer version,
// remembering the day of the last question in the settings ("lastReminderDate",
// yyyy-MM-dd). The first start only remembers the day.
void UpdateReminder(Platform& platform);
