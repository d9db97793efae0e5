#pragma once

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/core/OrvkitGuards.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include "PrintQString.h"

#include <gtest/gtest.h>

#include <optional>

// A fixed English day-month-year locale ("dd/mm/yyyy", "/", ":", AM/PM, "Sep") and a
// clock standing at Wednesday 18 March 2026, 14:30.
class DateTextTest : public testing::Test {
protected:
    DateTextTest() : fSettings(orv::FormatSettings, Settings()), fClock(orv::MakeDate(2026, 3, 18) + 14.5 / 24) {}

    static orv::TOrvFormatSettings Settings()
    {
        orv::TOrvFormatSettings fs = orv::EnglishFormatSettings();
        fs.ShortMonthNames[8] = QStringLiteral("Sep"); // the way people type it
        fs.LongDateFormat = QStringLiteral("dddd, d mmmm yyyy");
        fs.ShortTimeFormat = QStringLiteral("hh:nn");
        fs.LongTimeFormat = QStringLiteral("hh:nn:ss");
        return fs;
    }

    static orv::TDateTime D(uint16_t y, uint16_t m, uint16_t d) { return orv::MakeDate(y, m, d); }

    // The message of the EConvertError a call raises, or nothing.
    template <typename F>
    static std::optional<QString> ErrorOf(F&& f)
    {
        try {
            f();
        } catch (const orv::EConvertError& e) {
            return e.Message();
        }
        return std::nullopt;
    }

    orv::TOrvScopedValue<orv::TOrvFormatSettings> fSettings;
    orv::TOrvScopedValue<bool> fRaise{orv::GlobalRaiseDateErrors};
    orv::TOrvScopedValue<orv::TOrv2DigitYr> fYearMode{orv::GlobalTwoDigitYearMode};
    orv::TOrvScopedValue<bool> fBlank{orv::GlobalBlankWhenZero};
    orv::TOrvClockOverride fClock;
};
