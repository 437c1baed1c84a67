#pragma once

#include "text/GlycemiaUnit.h"

#include <QString>

// The limits on the edit sheet's two number fields, applied after every edit
// the user makes: only digits and the decimal separators are kept, the text
// is held to a few characters, and a value out of range is refused with a
// message. "." and "," are both the decimal point, whatever the locale: a
// comma dropped from "6,5" would leave a tenfold 65.
namespace NumberLimits {

// The field's text after one edit. A text of at most limitByteANumber
// characters keeps only its digits, "." and ","; a longer one (only a paste makes
// one) loses its last character and is not filtered.
QString filteredInpuntToField(const QString &text, int limitByteANumber);

enum class Field { Glycemia, Unit };

// The length limit of both fields.
inline constexpr int kLimit = 6;

// The highest glycemia that may be typed, in each unit: 600 mg/dL, and in
// mmol/L 33.3 (600 / 18, to the one decimal mmol/L is shown with).
inline constexpr float kGlycemiaMaxMgdL = 600.0f;
inline constexpr float kGlycemiaMaxMmolL = 33.3f;

// True when the text's value is out of the field's range: a glycemia must be
// above 0 and at most the unit's highest, a dose above -1 and at most 100
// (whatever the unit). A text the fields cannot read
// (TextConversions::typedNumberFromString: the empty text, "6,5.1") is never
// out of range; saving refuses it.
bool outOfRange(Field field, const QString &text, GlycemiaUnit::Unit unit = GlycemiaUnit::Unit::MgdL);

// The message key for a value out of the field's range, which names the unit
// of a glycemia.
QString messageKey(Field field, GlycemiaUnit::Unit unit = GlycemiaUnit::Unit::MgdL);

} // namespace NumberLimits
