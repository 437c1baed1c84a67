#pragma once

#include "text/GlycemiaUnit.h"

#include <QLocale>
#include <QString>

#include <memory>

// Shows glycemia values and insulin units: decimal style, at most two
// decimals, rounded half to even, no trailing zeros, with the locale's
// decimal and grouping separators. 98.456 shows as 98.46, 120 as 120, 7.5 as
// 7.5, 1234.5 as "1,234.5" in en_US and "1.234,5" in it_IT.
//
// The float is widened to double exactly and that exact value is rounded, so
// 0.125f (exactly an eighth) shows as 0.12 while 2.675f, which lies a little
// below 2.675 in binary, shows as 2.67. A value that rounds to zero shows as
// "0", never "-0". NaN and the infinities show as the locale's symbols for
// them ("NaN", "∞", "-∞").
//
// Building one is not cheap; make it once and use it for many values. It is
// immutable, cheap to copy and safe to share between threads.
class ValueFormatter
{
public:
    explicit ValueFormatter(const QLocale &locale = QLocale());

    QString format(float value) const;
    // A glycemia kept in mg/dL, in the unit: as format() in mg/dL; in mmol/L
    // converted (GlycemiaUnit::shown) and shown with exactly one decimal,
    // rounded half to even from the exact float (100 mg/dL shows as 5.6,
    // 108 as 6.0).
    QString formatGlycemia(float mgdl, GlycemiaUnit::Unit unit) const;

    const QLocale &locale() const { return m_locale; }

private:
    struct Impl;
    QLocale m_locale;
    std::shared_ptr<const Impl> m_impl;
};
