#pragma once

#include <orvkit/core/OrvkitGlobals.h>

#include <QString>
#include <compare>
#include <cstdint>

namespace orv {

/// Money as a signed 32-bit count of hundredths.
using TOrvCurrency = int32_t;
/// Money as a signed 64-bit count of millionths.
using TOrvLongCurrency = int64_t;

/// The host's currency: a signed 64-bit count of ten-thousandths. A type of its own so
/// that a count of ten-thousandths is never mistaken for one of millionths.
struct TCurrency {
    static constexpr int64_t Scale = 10000;
    int64_t Raw = 0; ///< the count of ten-thousandths

    static constexpr TCurrency FromRaw(int64_t raw) { return TCurrency{raw}; }
    /// round(x x 10000), ties to even; "Invalid Value" (EConvertError) outside 64 bits.
    static TCurrency FromFloat(Extended x);
    friend constexpr auto operator<=>(const TCurrency&, const TCurrency&) = default;
};

inline namespace CurrencyEnums {
Q_NAMESPACE

/// Symbol placement: $1, 1$, $ 1, 1 $.
enum TCurrencyFormatType { cftSymVal, cftValSym, cftSymSpaceVal, cftValSpaceSym };
Q_ENUM_NS(TCurrencyFormatType)
/// Negative marks: (1), -1, 1-, $-1, 1-$.
enum TNegativeFormatType { nftBrackets, nftFront, nftBack, nftFrontAfter, nftBackBefore };
Q_ENUM_NS(TNegativeFormatType)
/// Where a currency edit takes its format from: no symbol, the process-wide
/// settings, or its own symbol and formats.
enum TOrvCurrencyFormatType { ecfFloat, ecfSystem, ecfCustom };
Q_ENUM_NS(TOrvCurrencyFormatType)
} // namespace CurrencyEnums

// Process-wide currency settings; the symbol itself is FormatSettings.CurrencyString.
// Change them through TOrvScopedValue.
extern bool GlobalShowCurrencySymbol;                ///< ApplyCurrencyFormat adds the symbol
extern bool GlobalCurrencyThousands;                 ///< GroupCurrencyDigits groups the units
extern TCurrencyFormatType GlobalCurrencyFormat;     ///< the system's placement at start-up
extern TNegativeFormatType GlobalNegativeFormat;     ///< the system's negative format at start-up

/// The symbol, placement and negative format of FormatSettings. The negative format
/// 0-15 maps 0,4,14,15 to brackets; 1,5,8,9 front; 3,7,10,11 back; 2,12 front-after;
/// 6,13 back-before; anything else front. A placement above 3 counts as cftSymVal.
void GetSystemCurrencyFormat(QString& symbol, TCurrencyFormatType& placement, TNegativeFormatType& negative);

// Conversions.
/// round(x x 100), ties to even; "Invalid Value" (EConvertError) when it does not fit.
TOrvCurrency FloatToCents(Extended x);
Extended CentsToFloat(TOrvCurrency n);
/// round(x x 1000000), ties to even; "Invalid Value" (EConvertError) when it does not fit.
TOrvLongCurrency FloatToLongCurrency(Extended x);
Extended LongCurrencyToFloat(TOrvLongCurrency n);
Extended CurrencyToFloat(TCurrency value);
// The float conversions round-trip (FloatToCents(CentsToFloat(n)) == n) for every
// TOrvCurrency, and for the 64-bit types while |n| < 2^62; nearer the ends of the range
// the extended float cannot hold the count exactly and the way back may be one off.

// Text. Amount texts carry no plus sign; the negative mark is ApplyCurrencyFormat's, and
// it is left off an amount that rounds to nothing (-0.004 with 2 decimals is 0.00).
/// Western groups of three under GlobalCurrencyThousands, otherwise unchanged.
QString GroupCurrencyDigits(const QString& digits);
/// Puts the symbol (when GlobalShowCurrencySymbol) and the negative mark on an unsigned
/// amount text, by GlobalCurrencyFormat and GlobalNegativeFormat.
QString ApplyCurrencyFormat(const QString& text, bool negative);
/// Exact decimal texts of the fixed-point types. Fewer decimals than the type holds
/// round half to even at the last kept digit, carrying into the units; more count as
/// all of them. Empty for 0 under GlobalBlankWhenZero; otherwise a zero unit shows as 0.
QString CentsToCurrencyText(TOrvCurrency n, uint8_t decimals);              ///< decimals 0-2
QString LongCurrencyToCurrencyText(TOrvLongCurrency n, uint8_t decimals);   ///< decimals 0-6
QString CurrencyToCurrencyText(TCurrency value, uint8_t decimals);          ///< decimals 0-4
/// Empty under GlobalBlankWhenZero when x counts as zero; else FloatToFixedText(|x|) formatted.
QString FloatToCurrencyText(Extended x, uint8_t decimals);
/// As FloatToCurrencyText with Western grouping.
QString FloatToGroupedCurrencyText(Extended x, uint8_t decimals);
/// Cuts every occurrence of the symbol out, compared in locale upper case.
QString RemoveCurrencySymbol(const QString& text);

} // namespace orv
