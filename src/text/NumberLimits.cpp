#include "text/NumberLimits.h"

#include "text/TextConversions.h"

namespace NumberLimits {

QString filteredInpuntToField(const QString &text, int limitByteANumber)
{
    if (text.size() > limitByteANumber)
        return text.chopped(1);
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char(','))
            kept.append(c);
    }
    return kept;
}

bool outOfRange(Field field, const QString &text, GlycemiaUnit::Unit unit)
{
    const std::optional<float> value = TextConversions::typedNumberFromString(text);
    if (!value)
        return false;
    if (field == Field::Glycemia) {
        const float highest = unit == GlycemiaUnit::Unit::MmolL ? kGlycemiaMaxMmolL : kGlycemiaMaxMgdL;
        return *value > highest || *value <= 0.0f;
    }
    return *value > 100.0f || *value <= -1.0f;
}

QString messageKey(Field field, GlycemiaUnit::Unit unit)
{
    if (field == Field::Unit)
        return QStringLiteral("LIMIT_INPUT_UNIT");
    return unit == GlycemiaUnit::Unit::MmolL ? QStringLiteral("LIMIT_INPUT_GLYCEMIA_MMOL")
                                             : QStringLiteral("LIMIT_INPUT_GLYCEMIA");
}

} // namespace NumberLimits
