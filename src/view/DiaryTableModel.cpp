#include "view/DiaryTableModel.h"

#include <QDateTime>

#include <algorithm>
#include <QRegularExpression>

namespace {

const CardList &emptyList()
{
    static const CardList none;
    return none;
}

bool isDateColumn(const QString &id)
{
    return id == QLatin1String("dateMeasurement") || id == QLatin1String("dateCreation")
        || id == QLatin1String("dateEditing");
}

bool isFlagColumn(const QString &id)
{
    return id == QLatin1String("isPreMeal") || id == QLatin1String("isTherapy") || id == QLatin1String("isProtect");
}

bool isNumberColumn(const QString &id)
{
    return id == QLatin1String("glycemiaValue") || id == QLatin1String("unitValue");
}

QString firstLine(const QString &text)
{
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return end < 0 ? text : text.left(end) + QStringLiteral(" …");
}

// A Qt date or time format cut into its pieces: runs of one pattern letter
// ("yy", "mm") and the literal text between them, quoted text included.
struct FormatPiece {
    QString text;
    bool field = false;
};

QList<FormatPiece> formatPieces(const QString &format)
{
    QList<FormatPiece> pieces;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype j = i + 1;
        const bool field = c.isLetter() && c.unicode() < 128;
        if (field) {
            while (j < format.size() && format[j] == c)
                ++j;
        } else {
            // Quoted text ("'г'", "''" for a quote) runs to its closing quote.
            bool quoted = c == u'\'';
            while (j < format.size() && (quoted || !(format[j].isLetter() && format[j].unicode() < 128))) {
                if (format[j] == u'\'')
                    quoted = !quoted;
                ++j;
            }
        }
        if (!field && !pieces.isEmpty() && !pieces.last().field)
            pieces.last().text += format.mid(i, j - i);
        else
            pieces.append({format.mid(i, j - i), field});
        i = j;
    }
    return pieces;
}

} // namespace

QString DiaryTableModel::dateTimeFormat(const QLocale &locale)
{
    QString format;
    for (const FormatPiece &piece : formatPieces(locale.dateFormat(QLocale::ShortFormat)))
        format += piece.field && piece.text.startsWith(u'y') ? QStringLiteral("yyyy") : piece.text;
    format += u' ';
    const QList<FormatPiece> time = formatPieces(locale.timeFormat(QLocale::ShortFormat));
    auto isSeconds = [](const FormatPiece &p) { return p.field && (p.text[0] == u's' || p.text[0] == u'z'); };
    for (qsizetype i = 0; i < time.size(); ++i) {
        // Seconds and their fraction go, with the separator before them.
        const bool beforeSeconds = i > 0 && i + 1 < time.size() && !time[i].field && isSeconds(time[i + 1]);
        if (!isSeconds(time[i]) && !beforeSeconds)
            format += time[i].text;
    }
    return format;
}

DiaryTableModel::DiaryTableModel(const StringTable &strings, const QLocale &locale, const QTimeZone &zone,
                                 QObject *parent)
    : QAbstractTableModel(parent)
    , m_strings(strings)
    , m_locale(locale)
    , m_zone(zone)
    , m_formatter(locale)
    , m_dateFormat(dateTimeFormat(locale))
{
}

const QStringList &DiaryTableModel::columnIdentifiers()
{
    static const QStringList ids{
        QStringLiteral("dateMeasurement"), QStringLiteral("nameMeal"),    QStringLiteral("isPreMeal"),
        QStringLiteral("glycemiaValue"),   QStringLiteral("unitValue"),   QStringLiteral("nameInsulin"),
        QStringLiteral("isTherapy"),       QStringLiteral("isProtect"),   QStringLiteral("notes"),
    };
    return ids;
}

int DiaryTableModel::columnWithIdentifier(const QString &identifier)
{
    return int(columnIdentifiers().indexOf(identifier));
}

void DiaryTableModel::setView(const CardList *view)
{
    beginResetModel();
    m_view = view;
    endResetModel();
}

const CardList &DiaryTableModel::view() const
{
    return m_view ? *m_view : emptyList();
}

CardRef DiaryTableModel::cardAt(int row) const
{
    const CardList &cards = view();
    return row >= 0 && size_t(row) < cards.size() ? cards[size_t(row)] : nullptr;
}

QVariant DiaryTableModel::objectValueForTableColumn(const QString &identifier, int row) const
{
    const CardRef card = cardAt(row);
    if (!card)
        return {};
    if (identifier == QLatin1String("nameMeal") || identifier == QLatin1String("nameInsulin")) {
        const CardText &key = identifier == QLatin1String("nameMeal") ? card->nameMeal() : card->nameInsulin();
        return key ? QVariant(m_strings.text(*key)) : QVariant();
    }
    return card->valueForKey(identifier);
}

bool DiaryTableModel::setObjectValue(const QVariant &value, const QString &identifier, int row)
{
    const CardRef card = cardAt(row);
    if (!card || !editsInPlace(*card, identifier) || !value.canConvert<QString>())
        return false;
    // The editor is a single line: a pasted line break would make a note that
    // no longer edits here, so it is kept as a blank.
    QString text = value.toString();
    text.replace(QRegularExpression(QStringLiteral("[\r\n]+")), QStringLiteral(" "));
    if (card->notes() == CardText(text))
        return true;
    if (!onEdited)
        return false;
    auto edited = std::make_shared<ZRGlycemicCard>(*card);
    edited->setNotes(text);
    onEdited(row, edited);
    return true;
}

int DiaryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(view().size());
}

int DiaryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columnIdentifiers().size());
}

QVariant DiaryTableModel::displayValue(const ZRGlycemicCard &card, const QString &id) const
{
    if (isDateColumn(id)) {
        const QVariant raw = card.valueForKey(id);
        if (raw.isNull())
            return QString();
        return m_locale.toString(CardDates::toDateTime(raw.toDouble()).toTimeZone(m_zone), m_dateFormat);
    }
    if (isNumberColumn(id)) {
        const bool glycemia = id == QLatin1String("glycemiaValue");
        const float value = glycemia ? card.glycemiaValue() : card.unitValue();
        // A dose has no glycemia and a measurement no units: an empty cell
        // reads better than a column of zeros.
        if (value == 0.0f && glycemia == card.isTherapy())
            return QString();
        return glycemia ? m_formatter.formatGlycemia(value, m_unit) : m_formatter.format(value);
    }
    if (id == QLatin1String("notes"))
        return firstLine(card.notes().value_or(QString()));
    return {};
}

QVariant DiaryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= columnCount() || index.row() >= rowCount())
        return {};
    const QString &id = columnIdentifiers()[index.column()];
    const ZRGlycemicCard &card = *view()[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        if (isFlagColumn(id))
            return {};
        if (id == QLatin1String("nameMeal") || id == QLatin1String("nameInsulin"))
            return objectValueForTableColumn(id, index.row()).toString();
        return displayValue(card, id);
    case Qt::EditRole:
        return id == QLatin1String("notes") ? QVariant(card.notes().value_or(QString()))
                                           : objectValueForTableColumn(id, index.row());
    case Qt::CheckStateRole:
        if (isFlagColumn(id))
            return card.valueForKey(id).toBool() ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ToolTipRole:
        if (id == QLatin1String("notes") && card.notes() && !card.notes()->isEmpty())
            return *card.notes();
        return {};
    case Qt::TextAlignmentRole:
        if (isNumberColumn(id))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (isFlagColumn(id))
            return int(Qt::AlignCenter);
        return {};
    case RawValueRole:
        return card.valueForKey(id);
    default:
        return {};
    }
}

bool DiaryTableModel::editsInPlace(const ZRGlycemicCard &card, const QString &identifier) const
{
    if (identifier != QLatin1String("notes"))
        return false;
    const QString notes = card.notes().value_or(QString());
    return !notes.contains(QLatin1Char('\n')) && !notes.contains(QLatin1Char('\r'));
}

bool DiaryTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return false;
    if (!setObjectValue(value, columnIdentifiers()[index.column()], index.row()))
        return false;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole});
    return true;
}

Qt::ItemFlags DiaryTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    const QString &id = columnIdentifiers()[index.column()];
    if (index.row() < rowCount() && editsInPlace(*view()[size_t(index.row())], id))
        f |= Qt::ItemIsEditable;
    return f;
}

void DiaryTableModel::setGlycemiaUnit(GlycemiaUnit::Unit unit)
{
    if (unit == m_unit)
        return;
    m_unit = unit;
    const int column = columnWithIdentifier(QStringLiteral("glycemiaValue"));
    emit headerDataChanged(Qt::Horizontal, column, column);
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}

QString DiaryTableModel::widestText(const QString &identifier) const
{
    QStringList samples{headerData(columnWithIdentifier(identifier), Qt::Horizontal).toString()};
    if (isDateColumn(identifier))
        samples << m_locale.toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58), m_zone), m_dateFormat);
    else if (identifier == QLatin1String("glycemiaValue"))
        samples << m_formatter.formatGlycemia(888.88f, m_unit);
    else if (isNumberColumn(identifier))
        samples << m_formatter.format(888.88f);
    else if (identifier == QLatin1String("nameMeal"))
        for (const QString &key : StringTable::mealKeys())
            samples << m_strings.text(key);
    else if (identifier == QLatin1String("nameInsulin"))
        for (const QString &key : StringTable::insulinKeys())
            samples << m_strings.text(key);
    return *std::max_element(samples.begin(), samples.end(),
                             [](const QString &a, const QString &b) { return a.size() < b.size(); });
}

QVariant DiaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role != Qt::DisplayRole)
        return {};
    if (columnIdentifiers()[section] == QLatin1String("glycemiaValue"))
        return m_strings.text(QStringLiteral("LABEL_GLYCEMIA_UNIT")).arg(GlycemiaUnit::name(m_unit));
    return m_strings.text(QStringLiteral("COLUMN_") + columnIdentifiers()[section]);
}
