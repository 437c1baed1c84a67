#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QDateTime;

// A point in time as the diary file stores it: seconds since
// 2001-01-01 00:00:00 UTC. Kept as the raw double so that a date read from a
// file and written again comes back bit for bit. Absent when unset.
using CardDate = std::optional<double>;
// A text that may be absent (absent and empty are different things).
using CardText = std::optional<QString>;

// One diary entry: a glycemia measurement (isTherapy false) or an insulin
// dose (isTherapy true). Setters only store; the record has no invariants.
class ZRGlycemicCard
{
public:
    // The plain initializer: every field holds its zero value.
    ZRGlycemicCard() = default;
    // The full initializer, arguments in property order.
    ZRGlycemicCard(uint64_t idCard, CardDate dateCreation, CardDate dateEditing, CardDate dateMeasurement,
                   bool isProtect, bool isPreMeal, bool isTherapy, CardText nameMeal, CardText nameInsulin,
                   CardText notes, float glycemiaValue, float unitValue);
    // The copying initializer: the same twelve values as the source.
    static ZRGlycemicCard initWithObject(const ZRGlycemicCard &source);

    uint64_t idCard() const { return m_idCard; }
    void setIdCard(uint64_t v) { m_idCard = v; }
    const CardDate &dateCreation() const { return m_dateCreation; }
    void setDateCreation(CardDate v) { m_dateCreation = v; }
    const CardDate &dateEditing() const { return m_dateEditing; }
    void setDateEditing(CardDate v) { m_dateEditing = v; }
    const CardDate &dateMeasurement() const { return m_dateMeasurement; }
    void setDateMeasurement(CardDate v) { m_dateMeasurement = v; }
    bool isProtect() const { return m_isProtect; }
    void setIsProtect(bool v) { m_isProtect = v; }
    bool isPreMeal() const { return m_isPreMeal; }
    void setIsPreMeal(bool v) { m_isPreMeal = v; }
    bool isTherapy() const { return m_isTherapy; }
    void setIsTherapy(bool v) { m_isTherapy = v; }
    const CardText &nameMeal() const { return m_nameMeal; }
    void setNameMeal(CardText v) { m_nameMeal = std::move(v); }
    const CardText &nameInsulin() const { return m_nameInsulin; }
    void setNameInsulin(CardText v) { m_nameInsulin = std::move(v); }
    const CardText &notes() const { return m_notes; }
    void setNotes(CardText v) { m_notes = std::move(v); }
    float glycemiaValue() const { return m_glycemiaValue; }
    void setGlycemiaValue(float v) { m_glycemiaValue = v; }
    float unitValue() const { return m_unitValue; }
    void setUnitValue(float v) { m_unitValue = v; }

    // The twelve property names, in declared order.
    static const std::vector<QString> &propertyNames();

    // Property access by name, as the diary table needs it. Dates travel as a
    // double (seconds since 2001) or a null QVariant, texts as QString or a
    // null QVariant, flags as bool, floats as float, the identifier as
    // quint64. An unknown name reads as an invalid QVariant.
    QVariant valueForKey(const QString &name) const;
    // Stores a value by property name; false for an unknown name or a value
    // that does not convert to the property's type (nothing is changed then).
    bool setValueForKey(const QString &name, const QVariant &value);

    bool operator==(const ZRGlycemicCard &other) const;

private:
    uint64_t m_idCard = 0;
    CardDate m_dateCreation;
    CardDate m_dateEditing;
    CardDate m_dateMeasurement;
    bool m_isProtect = false;
    bool m_isPreMeal = false;
    bool m_isTherapy = false;
    CardText m_nameMeal;
    CardText m_nameInsulin;
    CardText m_notes;
    float m_glycemiaValue = 0.0f;
    float m_unitValue = 0.0f;
};

// Cards are shared by reference between the diary and the view.
using CardRef = std::shared_ptr<ZRGlycemicCard>;
using CardList = std::vector<CardRef>;

// Conversions between the stored seconds since 2001 and Qt's date type.
namespace CardDates {
constexpr double kUnixToReferenceSeconds = 978307200.0;
QDateTime toDateTime(double secondsSince2001);
double fromDateTime(const QDateTime &dt);
// The current instant in the stored form.
double now();
} // namespace CardDates
