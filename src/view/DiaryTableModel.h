#pragma once

#include "model/ZRGlycemicCard.h"
#include "text/StringTable.h"
#include "text/ValueFormatter.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <QStringList>
#include <QTimeZone>

#include <functional>

// The diary table: one row per card in view, one column per card property.
// Column identifiers are property names; the meal and insulin columns show
// their keys' texts from the string table, dates in dateTimeFormat() and the
// time zone's local time, numbers through the value formatter (a glycemia in
// the unit chosen, which its column's title names), flags as check boxes.
//
// Only a note without line breaks edits in place: a note is the one value the
// edit sheet takes for any card, protected or not, and a one-line editor
// cannot hold a note of several lines.
class DiaryTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The role that gives a cell's raw property value.
    static constexpr int RawValueRole = Qt::UserRole + 1;

    explicit DiaryTableModel(const StringTable &strings, const QLocale &locale = QLocale(),
                             const QTimeZone &zone = QTimeZone::systemTimeZone(), QObject *parent = nullptr);

    // The form of the date columns in every language: the locale's short
    // date with its year widened to four digits, then its short time without
    // seconds ("3/29/2026 3:30 AM", "29/03/2026 03:30", "29.03.2026 03:30").
    static QString dateTimeFormat(const QLocale &locale);

    // The columns, left to right.
    static const QStringList &columnIdentifiers();
    static int columnWithIdentifier(const QString &identifier);

    // Shows another view (or the same one, changed): a full reload. The list
    // must outlive the model or the next setView.
    void setView(const CardList *view);
    const CardList &view() const;
    CardRef cardAt(int row) const;

    // A cell's value: the meal and insulin columns give the string table's
    // text for the stored key (the stored value when it is no key), every
    // other column the property's value as stored.
    QVariant objectValueForTableColumn(const QString &identifier, int row) const;
    // Stores an in-place edit in the card at that row; false, and nothing
    // changed, when the column does not edit in place.
    bool setObjectValue(const QVariant &value, const QString &identifier, int row);

    // The unit the glycemia column shows; mg/dL, the diary's own, until set.
    // The column's title and cells change with it.
    void setGlycemiaUnit(GlycemiaUnit::Unit unit);
    GlycemiaUnit::Unit glycemiaUnit() const { return m_unit; }

    // The longest text a column is likely to show, to size it by.
    QString widestText(const QString &identifier) const;

    // An in-place edit never changes the card shown (a save may be reading
    // it): it hands over an edited copy, which the owner of the view puts in
    // the card's place, in the view and in the diary. Without an owner to
    // tell, nothing is edited.
    std::function<void(int row, const CardRef &edited)> onEdited;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVariant displayValue(const ZRGlycemicCard &card, const QString &identifier) const;
    bool editsInPlace(const ZRGlycemicCard &card, const QString &identifier) const;

    const StringTable &m_strings;
    QLocale m_locale;
    QTimeZone m_zone;
    ValueFormatter m_formatter;
    QString m_dateFormat;
    GlycemiaUnit::Unit m_unit = GlycemiaUnit::Unit::MgdL;
    const CardList *m_view = nullptr;
};
