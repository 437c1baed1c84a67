#include "text/ValueFormatter.h"

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numberformatter.h>
#include <unicode/unistr.h>

#include <optional>

namespace {

icu::UnicodeString toUnicode(const QString &s)
{
    return icu::UnicodeString(reinterpret_cast<const UChar *>(s.utf16()), int32_t(s.size()));
}

QString fromUnicode(const icu::UnicodeString &s)
{
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}

// The value through the formatter; nothing when ICU fails.
std::optional<QString> formatted(const icu::number::LocalizedNumberFormatter &formatter, float value)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = formatter.formatDouble(double(value), status).toString(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return fromUnicode(text);
}

icu::Locale icuLocale(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return icu::Locale("en_US_POSIX");
    return icu::Locale(locale.name().toLatin1().constData());
}

} // namespace

struct ValueFormatter::Impl
{
    icu::number::LocalizedNumberFormatter formatter;
    icu::number::LocalizedNumberFormatter oneDecimal; // the same, with exactly one decimal
    bool ok = false;
};

ValueFormatter::ValueFormatter(const QLocale &locale)
    : m_locale(locale)
{
    auto impl = std::make_shared<Impl>();
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where = icuLocale(locale);
    // ICU's data gives the pattern; the separators follow QLocale, which is
    // what the rest of the program shows numbers and dates with.
    icu::DecimalFormatSymbols symbols(where, status);
    if (U_SUCCESS(status)) {
        symbols.setSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol, toUnicode(locale.decimalPoint()));
        symbols.setSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol, toUnicode(locale.groupSeparator()));
        const bool grouping = !(locale.numberOptions() & QLocale::OmitGroupSeparator);
        // maxFraction(2) with half-even is a rounding increment of exactly
        // 0.01. ICU takes a double increment literally, and the float nearest
        // 0.01 (0.0099999998) would give 17-digit results.
        impl->formatter = icu::number::NumberFormatter::withLocale(where)
                              .precision(icu::number::Precision::maxFraction(2))
                              .roundingMode(UNUM_ROUND_HALFEVEN)
                              .grouping(grouping ? UNUM_GROUPING_AUTO : UNUM_GROUPING_OFF)
                              .sign(UNUM_SIGN_NEGATIVE) // no "-0" for a tiny negative value
                              .symbols(symbols);
        impl->oneDecimal = impl->formatter.precision(icu::number::Precision::fixedFraction(1));
        impl->ok = true;
    }
    m_impl = std::move(impl);
}

QString ValueFormatter::format(float value) const
{
    if (const std::optional<QString> text = m_impl->ok ? formatted(m_impl->formatter, value) : std::nullopt)
        return *text;
    // Reached only when ICU lacks its data: a float's seven digits.
    return m_locale.toString(double(value), 'g', 7);
}

QString ValueFormatter::formatGlycemia(float mgdl, GlycemiaUnit::Unit unit) const
{
    if (unit == GlycemiaUnit::Unit::MgdL)
        return format(mgdl);
    const float value = GlycemiaUnit::shown(mgdl, unit);
    if (const std::optional<QString> text = m_impl->ok ? formatted(m_impl->oneDecimal, value) : std::nullopt)
        return *text;
    return m_locale.toString(double(value), 'f', 1);
}
