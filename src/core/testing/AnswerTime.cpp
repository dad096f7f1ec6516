#include "core/testing/AnswerTime.h"

#include "core/shell/SettingFile.h"

#include <algorithm>

AnswerTimeSetting readAnswerTimeSetting(const QString& path)
{
    AnswerTimeSetting setting;
    const SettingFileValue value = readSettingFile(path);
    setting.fileEmpty = value.state == SettingFileValue::State::Empty;
    // Below one minute the countdown would never reach 0:00; such a value
    // can only come from a damaged file and counts as the default minute.
    if (value.state == SettingFileValue::State::Number)
        setting.minutes = std::clamp(value.number, 1, 99);
    return setting;
}

void Countdown::start(const AnswerTimeSetting& setting)
{
    minutes_ = setting.minutes - 1;
    tens_ = 6;
    units_ = 0;
}

Countdown::Tick Countdown::tick()
{
    if (unlimited())
        return Tick::Hidden;
    if (minutes_ == 0 && tens_ == 0 && units_ == 0)
        return Tick::TimeOut;
    if (units_ == 0 && tens_ == 0) {
        --minutes_;
        tens_ = 6;
    }
    if (--units_ < 0) {
        units_ = 9;
        --tens_;
    }
    return minutes_ == 0 && tens_ == 0 && units_ == 4 ? Tick::Warning : Tick::Shown;
}

QString Countdown::startText() const
{
    return QString::number(minutes_) + QStringLiteral(":60");
}

QString Countdown::display() const
{
    return QStringLiteral("%1:%2%3").arg(minutes_).arg(tens_).arg(units_);
}

QString Countdown::resetText() const
{
    return QString::number(minutes_) + QStringLiteral(":00");
}
