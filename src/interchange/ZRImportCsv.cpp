// The CSV readers and the merge of diary files, class operations of ZRImport.

#include "interchange/ZRImportCsv.h"

#include "interchange/CsvLayouts.h"
#include "interchange/CsvLines.h"
#include "model/LocalClock.h"
#include "text/TextConversions.h"

#include <QTimeZone>

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr size_t kDefaultFields = 12;
constexpr size_t kREALStudioFields = 14;

// A CR LF file leaves its line feeds at the start of the following lines;
// they belong to no field.
QStringView withoutLeadingLineFeed(QStringView line)
{
    return line.startsWith(u'\n') ? line.sliced(1) : line;
}

bool isBlank(QStringView line)
{
    for (const QChar c : line) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

// Splits a line at every ";" into exactly N fields; false for any other
// count, found without looking past the N-th separator.
template <size_t N> bool splitFields(QStringView line, std::array<QStringView, N> &fields)
{
    size_t n = 0;
    qsizetype start = 0;
    for (;;) {
        const qsizetype separator = line.indexOf(u';', start);
        if (separator < 0) {
            if (n != N - 1)
                return false;
            fields[n] = line.sliced(start);
            return true;
        }
        if (n == N - 1)
            return false;
        fields[n++] = line.sliced(start, separator - start);
        start = separator + 1;
    }
}

template <size_t N> bool isHeader(QStringView line, QLatin1String firstName)
{
    std::array<QStringView, N> fields;
    if (!splitFields(line, fields) || fields[0] != firstName)
        return false;
    for (size_t i = 1; i < N; ++i) {
        if (fields[i].isEmpty())
            return false;
    }
    return true;
}

// An empty field leaves the value at 0; anything else must be a finite
// number.
bool readNumber(QStringView field, float &value)
{
    if (field.isEmpty())
        return true;
    const std::optional<float> number = TextConversions::decimalNumberFromString(field);
    if (!number)
        return false;
    value = *number;
    return true;
}

// Meal and insulin fields repeat a handful of texts; one copy of each is
// shared by every card that holds it.
class TextPool
{
public:
    QString text(QStringView field)
    {
        for (const QString &known : m_texts) {
            if (known == field)
                return known;
        }
        QString copy = field.toString();
        if (m_texts.size() < 64)
            m_texts.push_back(copy);
        return copy;
    }

private:
    std::vector<QString> m_texts;
};

using DefaultFields = std::array<QStringView, kDefaultFields>;
using REALStudioFields = std::array<QStringView, kREALStudioFields>;

bool readDefaultRecord(const DefaultFields &f, ZRGlycemicCard &card, TextPool &pool)
{
    card.setDateCreation(CsvLayouts::readDefaultDate(f[1]));
    card.setDateEditing(CsvLayouts::readDefaultDate(f[2]));
    card.setDateMeasurement(CsvLayouts::readDefaultDate(f[3]));
    card.setIsProtect(TextConversions::boolValue(f[4]));
    card.setIsPreMeal(TextConversions::boolValue(f[5]));
    card.setIsTherapy(TextConversions::boolValue(f[6]));
    card.setNameMeal(pool.text(f[7]));
    card.setNameInsulin(pool.text(f[8]));
    card.setNotes(f[9].toString());
    float glycemia = 0.0f, units = 0.0f;
    if (!readNumber(f[10], glycemia) || !readNumber(f[11], units))
        return false;
    card.setGlycemiaValue(glycemia);
    card.setUnitValue(units);
    return card.dateCreation() && card.dateMeasurement();
}

bool readREALStudioRecord(const REALStudioFields &f, ZRGlycemicCard &card, LocalClock &clock,
                          const CsvLayouts::CenturyStart &start)
{
    card.setDateCreation(CsvLayouts::readREALStudioDate(f[0], f[1], clock, start));
    card.setDateEditing(CsvLayouts::readREALStudioDate(f[2], f[3], clock, start));
    card.setDateMeasurement(CsvLayouts::readREALStudioDate(f[4], f[5], clock, start));
    card.setIsProtect(TextConversions::boolValue(f[6]));
    card.setIsPreMeal(TextConversions::boolValue(f[7]));
    bool outsideTable = false;
    card.setNameMeal(CsvLayouts::mealKey(f[8], &outsideTable));
    if (outsideTable)
        card.setIsPreMeal(false);
    float glycemia = 0.0f, units = 0.0f;
    if (!readNumber(f[9], glycemia) || !readNumber(f[11], units))
        return false;
    card.setGlycemiaValue(glycemia);
    card.setIsTherapy(TextConversions::boolValue(f[10]));
    card.setUnitValue(units);
    card.setNameInsulin(CsvLayouts::insulinKey(f[12]));
    card.setNotes(f[13].toString());
    return card.dateCreation() && card.dateMeasurement();
}

// The procedure both layouts share; read(fields, card) fills a plain card
// and tells whether it is usable.
template <size_t N, typename Read>
ZRImport::CsvCounts importLines(const CsvLines &lines, CardList &destination, Read read)
{
    ZRImport::CsvCounts counts;
    CardList fresh;
    bool header = true;
    for (QStringView line : lines) {
        line = withoutLeadingLineFeed(line);
        if (header) {
            header = false;
            if (!line.isEmpty())
                continue;
        }
        if (isBlank(line))
            continue;
        std::array<QStringView, N> fields;
        ZRGlycemicCard card;
        if (splitFields(line, fields) && read(fields, card))
            fresh.push_back(std::make_shared<ZRGlycemicCard>(std::move(card)));
        else
            ++counts.notImported;
    }
    if (fresh.empty())
        return counts;
    ZRImport::sortForMeasuramentDateArray(&fresh);
    counts.added = fresh.size();
    destination.reserve(destination.size() + fresh.size());
    destination.insert(destination.end(), std::make_move_iterator(fresh.begin()),
                       std::make_move_iterator(fresh.end()));
    ZRImport::regenerateID(destination);
    return counts;
}

bool isLater(const CardDate &date, const CardDate &reference)
{
    return date && !std::isnan(*date) && (!reference || *date > *reference);
}

template <typename Date> CardDate latest(const CardList *cards, Date date, double upTo)
{
    CardDate best;
    if (!cards)
        return best;
    for (const CardRef &card : *cards) {
        const CardDate &d = date(*card);
        if (d && !std::isnan(*d) && *d <= upTo && (!best || *d > *best))
            best = d;
    }
    return best;
}

} // namespace

std::optional<CsvLines> ZRImport::convertIntoArrayStreamText(const std::optional<QString> &text)
{
    if (!text)
        return std::nullopt;
    return CsvLines(*text);
}

int ZRImport::defineCSVTypeWithStreamText(const CsvLines *lines)
{
    if (!lines || lines->size() == 0)
        return kLayoutNotRecognised;
    const QStringView header = withoutLeadingLineFeed(lines->header());
    const qsizetype fields = header.count(u';') + 1;
    if (fields == CsvLayouts::returnNumberOfFieldFormatDefault())
        return isHeader<kDefaultFields>(header, QLatin1String("idCard")) ? kLayoutDefault : kLayoutNotRecognised;
    if (fields == CsvLayouts::returnNumberOfFieldFormatREALStudio())
        return isHeader<kREALStudioFields>(header, QLatin1String("dataCreazione")) ? kLayoutREALStudio
                                                                                  : kLayoutNotRecognised;
    return kLayoutNotRecognised;
}

ZRImport::CsvCounts ZRImport::importDefaultCSV(const CsvLines &lines, CardList &destination)
{
    TextPool pool;
    return importLines<kDefaultFields>(lines, destination, [&](const DefaultFields &f, ZRGlycemicCard &card) {
        return readDefaultRecord(f, card, pool);
    });
}

ZRImport::CsvCounts ZRImport::importREALStudioCSV(const CsvLines &lines, CardList &destination,
                                                  const QTimeZone &zone, double now)
{
    LocalClock clock(zone);
    const CsvLayouts::CenturyStart start = CsvLayouts::twoDigitYearStart(now, clock);
    return importLines<kREALStudioFields>(lines, destination,
                                          [&](const REALStudioFields &f, ZRGlycemicCard &card) {
                                              return readREALStudioRecord(f, card, clock, start);
                                          });
}

QString ZRImport::notImportedMessage(size_t count)
{
    return QStringLiteral("ATTENZIONE: %1 record non sono stati importati!").arg(qulonglong(count));
}

size_t ZRImport::removeMeasuramentDuplicate(const CardList &incoming, CardList &destination, double now)
{
    if (destination.empty()) {
        destination.insert(destination.end(), incoming.begin(), incoming.end());
        return incoming.size();
    }
    constexpr double kEver = std::numeric_limits<double>::infinity();
    const CardDate lastAdd = returnDateLastAdd(&destination, now), lastAddEver = returnDateLastAdd(&destination, kEver);
    const CardDate lastEdit = returnDateLastEdit(&destination, now),
                   lastEditEver = returnDateLastEdit(&destination, kEver);
    const auto later = [now](const CardDate &date, const CardDate &upToNow, const CardDate &ever) {
        return isLater(date, date && *date > now ? ever : upToNow);
    };
    size_t added = 0;
    for (const CardRef &card : incoming) {
        if (later(card->dateCreation(), lastAdd, lastAddEver) || later(card->dateEditing(), lastEdit, lastEditEver)) {
            destination.push_back(card);
            ++added;
        }
    }
    return added;
}

CardDate ZRImport::returnDateLastEdit(const CardList *cards, double upTo)
{
    return latest(cards, [](const ZRGlycemicCard &c) -> const CardDate & { return c.dateEditing(); }, upTo);
}

CardDate ZRImport::returnDateLastAdd(const CardList *cards, double upTo)
{
    return latest(cards, [](const ZRGlycemicCard &c) -> const CardDate & { return c.dateCreation(); }, upTo);
}
