#include "interchange/CsvLayouts.h"

#include "model/CivilTime.h"
#include "model/LocalClock.h"

#include <charconv>
#include <cmath>
#include <tuple>

namespace {

const QString kMealSelect = QStringLiteral("POPUP_MEAL_SELECT");
const QString kMealBreakfast = QStringLiteral("POPUP_MEAL_BREAKFAST");
const QString kMealLunch = QStringLiteral("POPUP_MEAL_LUNCH");
const QString kMealDinner = QStringLiteral("POPUP_MEAL_DINNER");
const QString kMealControl = QStringLiteral("POPUP_MEAL_CONTROL");
const QString kMealCorrection = QStringLiteral("POPUP_MEAL_CORRECTION");
const QString kInsulinSelect = QStringLiteral("POPUP_INSULIN_SELECT");
const QString kInsulinSlow = QStringLiteral("POPUP_INSULIN_SLOW");
const QString kInsulinNormal = QStringLiteral("POPUP_INSULIN_NORMAL");
const QString kInsulinQuick = QStringLiteral("POPUP_INSULIN_QUICK");
// The empty text, shared rather than made anew for every card read.
const QString kEmpty = QStringLiteral("");

void appendTwoDigits(QByteArray &out, int v)
{
    out += char('0' + v / 10 % 10);
    out += char('0' + v % 10);
}

void appendFlag(QByteArray &out, bool flag)
{
    out += flag ? "1;" : ";";
}

// "%f": fixed notation with six decimals, "." whatever the locale.
void appendFixed(QByteArray &out, float value, int decimals)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                         std::chars_format::fixed, decimals);
    if (ec == std::errc())
        out.append(buffer, end - buffer);
}

// The REALStudio number: the integer part, truncated toward zero, when the
// value is above 0; otherwise nothing. Written in full for values past the
// range of an int.
void appendWholePart(QByteArray &out, float value)
{
    if (value > 0.0f)
        appendFixed(out, std::trunc(value), 0);
}

// A text field: "," for ";" and a line feed for CR, so the field can neither
// split its line nor end it.
void appendText(QByteArray &out, const CardText &text)
{
    if (!text || text->isEmpty())
        return;
    bool plain = true;
    for (const QChar c : *text) {
        if (c.unicode() >= 0x80 || c == u';' || c == u'\r') {
            plain = false;
            break;
        }
    }
    if (plain) {
        const qsizetype at = out.size();
        out.resize(at + text->size());
        char *p = out.data() + at;
        for (const QChar c : *text)
            *p++ = char(c.unicode());
        return;
    }
    QString safe = *text;
    safe.replace(u';', u',').replace(u'\r', u'\n');
    out += safe.toUtf8();
}

void appendDefaultDate(QByteArray &out, const CardDate &date)
{
    int64_t unix = 0;
    if (!date || !CivilTime::toUnixSeconds(*date, &unix))
        return;
    const CivilTime::Fields f = CivilTime::fromSeconds(unix);
    appendTwoDigits(out, f.year / 100);
    appendTwoDigits(out, f.year % 100);
    out += '-';
    appendTwoDigits(out, f.month);
    out += '-';
    appendTwoDigits(out, f.day);
    out += ' ';
    appendTwoDigits(out, f.hour);
    out += ':';
    appendTwoDigits(out, f.minute);
    out += ':';
    appendTwoDigits(out, f.second);
    out += " +0000";
}

// "%d/%m/%y;%H:%M;" on the local wall clock, or ";;".
void appendREALStudioDate(QByteArray &out, const CardDate &date, LocalClock &clock)
{
    int64_t unix = 0;
    if (date && CivilTime::toUnixSeconds(*date, &unix)) {
        const CivilTime::Fields f = clock.toLocal(unix);
        if (f.year >= 1 && f.year <= 9999) {
            appendTwoDigits(out, f.day);
            out += '/';
            appendTwoDigits(out, f.month);
            out += '/';
            appendTwoDigits(out, f.year % 100);
            out += ';';
            appendTwoDigits(out, f.hour);
            out += ':';
            appendTwoDigits(out, f.minute);
            out += ';';
            return;
        }
    }
    out += ";;";
}

// A small reader over one field.
class Scanner
{
public:
    explicit Scanner(QStringView text)
        : m_text(text)
    {
    }
    bool atEnd() const { return m_at == m_text.size(); }
    QStringView rest() const { return m_text.sliced(m_at); }
    bool literal(char16_t c)
    {
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool literal(QLatin1String word)
    {
        if (!rest().startsWith(word))
            return false;
        m_at += word.size();
        return true;
    }
    // From fewest to most decimal digits; *count tells how many were read.
    bool digits(int fewest, int most, int *value, int *count = nullptr)
    {
        int n = 0, v = 0;
        while (n < most && m_at < m_text.size() && m_text[m_at] >= u'0' && m_text[m_at] <= u'9') {
            v = v * 10 + (m_text[m_at].unicode() - u'0');
            ++m_at;
            ++n;
        }
        if (count)
            *count = n;
        *value = v;
        return n >= fewest;
    }
    bool sign(int *s)
    {
        if (literal(u'+'))
            *s = 1;
        else if (literal(u'-'))
            *s = -1;
        else
            return false;
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_at = 0;
};

// The zone of a default date, as its offset east of UTC in seconds.
bool readZone(Scanner &in, int *offset)
{
    *offset = 0;
    if (in.literal(u'Z'))
        return in.atEnd();
    const bool named = in.literal(QLatin1String("UTC")) || in.literal(QLatin1String("GMT"));
    if (named && in.atEnd())
        return true;
    int sign = 1;
    if (!in.sign(&sign))
        return false;
    int hours = 0, minutes = 0;
    // After a zone name the hour may have one digit ("GMT+1"); a bare
    // offset has two ("+01", "+0100", "+01:00").
    if (!in.digits(named ? 1 : 2, 2, &hours))
        return false;
    if (!in.atEnd()) {
        in.literal(u':');
        if (!in.digits(2, 2, &minutes) || !in.atEnd())
            return false;
    }
    if (hours > 23 || minutes > 59)
        return false;
    *offset = sign * (hours * 3600 + minutes * 60);
    return true;
}

// A date read is kept only when it can be written again: a zone offset can
// push a moment of the years 1 or 9999 out of them.
CardDate writableDate(int64_t unix)
{
    const double date = static_cast<double>(unix) - CardDates::kUnixToReferenceSeconds;
    int64_t check = 0;
    if (!CivilTime::toUnixSeconds(date, &check))
        return std::nullopt;
    return date;
}

} // namespace

int CsvLayouts::returnNumberOfFieldFormatDefault()
{
    return 12;
}

int CsvLayouts::returnNumberOfFieldFormatREALStudio()
{
    return 14;
}

const QString &CsvLayouts::returnPropertyNameListDefault()
{
    static const QString header = QStringLiteral(
        "idCard;dateCreation;dateEditing;dateMeasurement;isProtect;isPreMeal;isTherapy;nameMeal;nameInsulin;notes;"
        "glycemiaValue;unitValue\r");
    return header;
}

const QString &CsvLayouts::returnPropertyNameListREALStudio()
{
    static const QString header = QStringLiteral("dataCreazione;oraCreazione;dataModifica;oraModifica;dataControllo;"
                                                 "oraControllo;recordProtetto;prePasto;pasto;glicemia;terapia;unita;"
                                                 "insulina;note\r");
    return header;
}

void CsvLayouts::appendDefaultCSV(QByteArray &out, const ZRGlycemicCard &card)
{
    char id[24];
    const auto [end, ec] = std::to_chars(id, id + sizeof id, card.idCard());
    Q_UNUSED(ec);
    out.append(id, end - id);
    out += ';';
    appendDefaultDate(out, card.dateCreation());
    out += ';';
    appendDefaultDate(out, card.dateEditing());
    out += ';';
    appendDefaultDate(out, card.dateMeasurement());
    out += ';';
    appendFlag(out, card.isProtect());
    appendFlag(out, card.isPreMeal());
    appendFlag(out, card.isTherapy());
    appendText(out, card.nameMeal());
    out += ';';
    appendText(out, card.nameInsulin());
    out += ';';
    appendText(out, card.notes());
    out += ';';
    appendFixed(out, card.glycemiaValue(), 6);
    out += ';';
    appendFixed(out, card.unitValue(), 6);
    out += '\r';
}

void CsvLayouts::appendREALStudioCSV(QByteArray &out, const ZRGlycemicCard &card, LocalClock &clock)
{
    appendREALStudioDate(out, card.dateCreation(), clock);
    appendREALStudioDate(out, card.dateEditing(), clock);
    appendREALStudioDate(out, card.dateMeasurement(), clock);
    appendFlag(out, card.isProtect());
    appendFlag(out, card.isPreMeal());
    out += mealWord(card.nameMeal());
    out += ';';
    appendWholePart(out, card.glycemiaValue());
    out += ';';
    appendFlag(out, card.isTherapy());
    appendWholePart(out, card.unitValue());
    out += ';';
    out += insulinBrand(card.nameInsulin());
    out += ';';
    appendText(out, card.notes());
    out += '\r';
}

QString CsvLayouts::returnPropertyIntoFormatDefaultCSV(const ZRGlycemicCard &card)
{
    QByteArray line;
    appendDefaultCSV(line, card);
    return QString::fromUtf8(line);
}

QString CsvLayouts::returnPropertyIntoFormatREALStudioCSV(const ZRGlycemicCard &card, const QTimeZone &zone)
{
    LocalClock clock(zone);
    QByteArray line;
    appendREALStudioCSV(line, card, clock);
    return QString::fromUtf8(line);
}

QString CsvLayouts::defaultDateText(const CardDate &date)
{
    QByteArray text;
    appendDefaultDate(text, date);
    return QString::fromLatin1(text);
}

CardDate CsvLayouts::readDefaultDate(QStringView text)
{
    Scanner in(text);
    CivilTime::Fields f;
    int offset = 0;
    if (!in.digits(4, 4, &f.year) || !in.literal(u'-') || !in.digits(1, 2, &f.month) || !in.literal(u'-')
        || !in.digits(1, 2, &f.day) || !in.literal(u' ') || !in.digits(1, 2, &f.hour) || !in.literal(u':')
        || !in.digits(1, 2, &f.minute) || !in.literal(u':') || !in.digits(1, 2, &f.second) || !in.literal(u' ')
        || !readZone(in, &offset))
        return std::nullopt;
    if (f.year < 1 || !CivilTime::isValid(f))
        return std::nullopt;
    return writableDate(CivilTime::toSeconds(f) - offset);
}

CsvLayouts::CenturyStart CsvLayouts::twoDigitYearStart(double now, LocalClock &clock)
{
    int64_t unix = 0;
    if (!CivilTime::toUnixSeconds(now, &unix))
        CivilTime::toUnixSeconds(CardDates::now(), &unix);
    const CivilTime::Fields f = clock.toLocal(unix);
    CenturyStart start;
    start.year = f.year - 80;
    start.month = f.month;
    start.day = std::min(f.day, CivilTime::daysInMonth(start.year, f.month));
    start.hour = f.hour;
    start.minute = f.minute;
    start.second = f.second;
    return start;
}

CardDate CsvLayouts::readREALStudioDate(QStringView date, QStringView time, LocalClock &clock,
                                        const CenturyStart &start)
{
    Scanner d(date);
    Scanner t(time);
    CivilTime::Fields f;
    int yearDigits = 0;
    if (!d.digits(1, 2, &f.day) || !d.literal(u'/') || !d.digits(1, 2, &f.month) || !d.literal(u'/')
        || !d.digits(2, 4, &f.year, &yearDigits) || yearDigits == 3 || !d.atEnd())
        return std::nullopt;
    if (!t.digits(1, 2, &f.hour) || !t.literal(u':') || !t.digits(1, 2, &f.minute) || !t.atEnd())
        return std::nullopt;
    if (yearDigits == 2) {
        // The one year of the hundred from the century start that ends in
        // these two digits.
        int year = start.year - (start.year % 100 + 100) % 100 + f.year;
        if (year < start.year)
            year += 100;
        else if (year == start.year
                 && std::make_tuple(f.month, f.day, f.hour, f.minute, 0)
                        < std::make_tuple(start.month, start.day, start.hour, start.minute, start.second))
            year += 100;
        f.year = year;
    }
    if (f.year < 1 || f.year > 9999 || !CivilTime::isValid(f))
        return std::nullopt;
    return writableDate(clock.fromLocal(f));
}

QLatin1String CsvLayouts::mealWord(const CardText &nameMeal)
{
    if (nameMeal) {
        if (*nameMeal == kMealSelect)
            return QLatin1String("");
        if (*nameMeal == kMealBreakfast)
            return QLatin1String("Colazione");
        if (*nameMeal == kMealLunch)
            return QLatin1String("Pranzo");
        if (*nameMeal == kMealDinner)
            return QLatin1String("Cena");
        if (*nameMeal == kMealControl)
            return QLatin1String("Controllo");
        if (*nameMeal == kMealCorrection)
            return QLatin1String("Correzione");
    }
    return QLatin1String("Altro");
}

QString CsvLayouts::mealKey(QStringView word, bool *outsideTable)
{
    *outsideTable = false;
    if (word == QLatin1String("Seleziona"))
        return kMealSelect;
    if (word == QLatin1String("Colazione"))
        return kMealBreakfast;
    if (word == QLatin1String("Pranzo"))
        return kMealLunch;
    if (word == QLatin1String("Cena"))
        return kMealDinner;
    if (word == QLatin1String("Controllo"))
        return kMealControl;
    if (word == QLatin1String("Correzione"))
        return kMealCorrection;
    if (word == QLatin1String("Altro"))
        return kEmpty;
    *outsideTable = true;
    return kMealControl;
}

QLatin1String CsvLayouts::insulinBrand(const CardText &nameInsulin)
{
    if (nameInsulin) {
        if (*nameInsulin == kInsulinSlow)
            return QLatin1String("Lantus");
        if (*nameInsulin == kInsulinNormal)
            return QLatin1String("Humalog");
        if (*nameInsulin == kInsulinQuick)
            return QLatin1String("Novorapid");
    }
    return QLatin1String("");
}

QString CsvLayouts::insulinKey(QStringView brand)
{
    if (brand == QLatin1String("Seleziona"))
        return kInsulinSelect;
    if (brand == QLatin1String("Lantus"))
        return kInsulinSlow;
    if (brand == QLatin1String("Humalog"))
        return kInsulinNormal;
    if (brand == QLatin1String("Novorapid"))
        return kInsulinQuick;
    return kEmpty;
}
