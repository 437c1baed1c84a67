#pragma once

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

// True when the text's value is out of the field's range: a glycemia must be
// above 0 and at most 600, a dose above -1 and at most 100. A text that is
// the fields cannot read (TextConversions::typedNumberFromString: the empty
// text, "6,5.1") is never out of range; saving refuses it.
bool outOfRange(Field field, const QString &text);

// The message key for a value out of the field's range.
QString messageKey(Field field);

} // namespace NumberLimits
