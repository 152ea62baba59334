#include "features/provider_minutes.h"

#include <string_view>

#include "base/file_error.h"
#include "base/money.h"
#include "base/saturate.h"
#include "base/setting_names.h"
#include "domain/calendar.h"
#include "domain/database_file.h"

namespace ruvo {

std::int32_t MonthOnlineSeconds(const std::string& databasePath, const std::string& today,
                                HeldDatabases& databases, platform::Sound& sound,
                                UnreadableRecords* unreadable) {
    const std::string key = "Online " + today + (unreadable != nullptr ? " noted" : "");
    try {
        return SaturateToInt32(databases.figureOf(databasePath, key, [&](std::string_view bytes) {
            std::int64_t sum = 0;
            ScanDatabase(bytes, [&](const ConnectionRecord& record) {
                const std::string& date = record.startDate;
                if (date.size() < 8 || today.size() < 8 || date.compare(6, 2, today, 6, 2) != 0 ||
                    date.compare(3, 2, today, 3, 2) != 0) {
                    return true;
                }
                if (const auto seconds = ToInteger(record.durationSeconds)) {
                    sum += *seconds;
                } else if (unreadable != nullptr) {
                    unreadable->note(databasePath, record, record.durationSeconds);
                }
                return true;
            });
            return sum;
        }));
    } catch (const FileError&) {
        sound.beep(platform::Beep::Default);
        return 0;
    }
}

void ProviderMinutes::monthRollover() {
    const std::string key = MonthKey(TodayText(platform_.clock.now()));
    if (settings_.readIfPresent(setting::OnlineMinutesMonth) != key) {
        settings_.writeSetting(setting::OnlineMinutesMonth, key);
        settings_.writeSetting(setting::MonthOnlineMinutes, "0");
    }
}

void ProviderMinutes::updateMonthlyMinutes(const std::string& databasePath) {
    monthRollover();
    const std::int32_t seconds = MonthOnlineSeconds(databasePath, TodayText(platform_.clock.now()),
                                                    databases_, platform_.sound, &unreadable_);
    unreadable_.tellNew();
    settings_.writeSetting(setting::MonthOnlineMinutes, IntToStr(seconds / 60));
    const auto used = ToInteger(settings_.readSetting(setting::MonthOnlineMinutes));
    if (!used) {
        settings_.writeSetting(setting::MonthOnlineMinutes, "0");
        main_.freeMinutesLeft.setText("0");
        return;
    }
    const std::int64_t left = static_cast<std::int64_t>(StrToInt(main_.freeMinutes.text())) - *used;
    main_.freeMinutesLeft.setText(left < 1 ? "0" : IntToStr(left));
}

bool ProviderMinutes::freeMinutesUsedUp(std::int32_t monthSecondsAtStart,
                                        std::int32_t runningSeconds) {
    monthRollover();
    const std::int64_t used =
        (static_cast<std::int64_t>(monthSecondsAtStart) + runningSeconds) / 60;
    return StrToInt(main_.freeMinutes.text()) < used;
}

}  // namespace ruvo
