#pragma once

#include <QString>

// The two units a glycemia is shown and typed in. The diary keeps mg/dL;
// mmol/L is the same value divided by 18, and a value typed in mmol/L is kept
// as 18 times what was typed.
namespace GlycemiaUnit {

enum class Unit { MgdL, MmolL };

inline float convertmgdLTommoLThisgdl(float mgdl)
{
    return mgdl / 18.0f;
}

// The inverse of convertmgdLTommoLThisgdl: a value in mmol/L as mg/dL.
inline float convertmmoLTomgdL(float mmol)
{
    return mmol * 18.0f;
}

// A glycemia kept in mg/dL, in the unit.
inline float shown(float mgdl, Unit unit)
{
    return unit == Unit::MmolL ? convertmgdLTommoLThisgdl(mgdl) : mgdl;
}

// A glycemia in the unit, as the diary keeps it (mg/dL).
inline float kept(float value, Unit unit)
{
    return unit == Unit::MmolL ? convertmmoLTomgdL(value) : value;
}

// The unit's name, as the program shows it and the preferences store it.
inline QString name(Unit unit)
{
    return unit == Unit::MmolL ? QStringLiteral("mmol/L") : QStringLiteral("mg/dL");
}

// The unit a stored name stands for; anything but "mmol/L" is mg/dL.
inline Unit fromName(const QString &name)
{
    return name == QLatin1String("mmol/L") ? Unit::MmolL : Unit::MgdL;
}

} // namespace GlycemiaUnit
