#pragma once

#include <QDate>
#include <QStringView>
#include <QTimeZone>

#include <optional>

// Text-to-value conversions that keep the same results whatever the user's
// locale: the diary's files and preferences are written with "." decimals and
// plain ASCII digits, and must read back the same everywhere.
namespace TextConversions {

// The decimal number at the start of a text, as a 32-bit float.
//
// Accepted form: leading white space, an optional "+" or "-", digits with an
// optional "." and fraction digits (at least one digit in all, so ".5" and
// "5." are numbers and "." is not), then an optional exponent: "e" or "E", an
// optional sign and digits. "." is the only decimal separator; there is no
// grouping. Reading stops at the first character that does not fit, and the
// rest of the text is ignored ("12abc" is 12, "1.2.3" is 1.2, "1e" is 1).
// The value is rounded once, to the nearest float.
//
// nullopt ("not a number") for a text that does not begin with a number (the
// empty text, "abc", "-", "+-1", "inf", "nan"), and also for a number beyond
// the float range ("1e39", "-4e38"): such a value is refused rather than
// turned into an infinity, so that a caller's range check cannot let it
// through. A number too small for a float reads as a zero of its sign.
std::optional<float> decimalNumberFromString(QStringView text);

// A number as the user types it into a field, whatever the locale: the whole
// text, less surrounding white space, is an optional "+" or "-", digits and
// at most one decimal separator, "." or "," alike (at least one digit in
// all). There is no grouping and no exponent, and nothing may follow: "6,5"
// and "6.5" are 6.5, "1.000" and "1,000" are 1, ",5" and "5," are numbers.
// nullopt for anything else rather than a guess: "6,5.1", "6..5", "1.234,5",
// "1e2", "12abc", "", ",", and numbers beyond the float range. Rounded as
// decimalNumberFromString rounds.
std::optional<float> typedNumberFromString(QStringView text);

// The text's truth value, as the preferences and the CSV flags read it:
// after leading white space, one optional "+" or "-" and any "0"s, true when
// the next character is "Y", "y", "T", "t" or a digit 1 to 9; everything
// after it is ignored. False otherwise, the empty text included. So "YES",
// "yes", "true", "1", "-01" and "  +0012" are true; "NO", "0", "000",
// "0x10" and "+-1" are false.
bool boolValue(QStringView text);

// The decimal integer at the start of a text: leading white space, an
// optional "+" or "-", then digits up to the first non-digit ("12abc" is 12,
// "3.9" is 3, "0x10" is 0). 0 when no digit follows. A value beyond the
// 32-bit range gives INT_MAX or INT_MIN.
int intValue(QStringView text);

// The calendar day, in the given time zone, of an instant stored as seconds
// since 2001-01-01 00:00:00 UTC. The time of day plays no part, and an
// instant a fraction of a second before midnight still belongs to the day
// that ends there. An invalid date for a non-finite or out-of-range instant.
QDate calendarDay(double secondsSince2001, const QTimeZone &zone = QTimeZone::systemTimeZone());

} // namespace TextConversions
