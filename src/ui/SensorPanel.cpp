#include "ui/SensorPanel.h"

#include "interchange/SensorStore.h"
#include "text/StringTable.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// The time-in-ranges bar of the period's figures, painted.
class RangesBar : public QWidget
{
public:
    explicit RangesBar(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("agpRangesBar"));
        setMinimumHeight(170);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    void setShares(const std::array<Agp::Share, 5> &shares)
    {
        m_shares = shares;
        setFixedWidth(int(std::ceil(AgpPainting::rangesBarWidth(m_shares, font(), this))));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        AgpPainting::drawRangesBar(painter, QRectF(rect()).adjusted(0, 2, 0, -2), m_shares, font());
    }

private:
    std::array<Agp::Share, 5> m_shares{};
};

QDateEdit *dateEdit(QWidget *parent, const char *name)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("d MMM yyyy"));
    return edit;
}

} // namespace

SensorPanel::SensorPanel(const StringTable &strings, QWidget *parent)
    : QWidget(parent)
    , m_strings(strings)
{
    setObjectName(QStringLiteral("agpPanel"));
    auto t = [&strings](const char *key) { return strings.text(QString::fromLatin1(key)); };
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *title = new QLabel(t("AGP_SENSOR"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    auto *period = new QHBoxLayout;
    fromEdit = dateEdit(this, "agpFrom");
    toEdit = dateEdit(this, "agpTo");
    auto *fromLabel = new QLabel(t("AGP_FROM"), this);
    auto *toLabel = new QLabel(t("AGP_TO"), this);
    fromLabel->setBuddy(fromEdit);
    toLabel->setBuddy(toEdit);
    period->addWidget(fromLabel);
    period->addWidget(fromEdit);
    period->addWidget(toLabel);
    period->addWidget(toEdit);
    period->addStretch();
    layout->addLayout(period);

    auto *profileRow = new QHBoxLayout;
    profilePopup = new QComboBox(this);
    profilePopup->setObjectName(QStringLiteral("agpProfile"));
    profilePopup->addItem(t("AGP_PROFILE_STANDARD"));
    profilePopup->addItem(t("AGP_PROFILE_OLDER"));
    auto *profileLabel = new QLabel(t("AGP_PROFILE"), this);
    profileLabel->setBuddy(profilePopup);
    profileRow->addWidget(profileLabel);
    profileRow->addWidget(profilePopup);
    profileRow->addStretch();
    layout->addLayout(profileRow);

    m_notSufficient = new QLabel(t("AGP_NOT_SUFFICIENT"), this);
    m_notSufficient->setObjectName(QStringLiteral("agpNotSufficient"));
    m_notSufficient->setWordWrap(true);
    m_notSufficient->setStyleSheet(QStringLiteral("color: #b71c1c; font-weight: bold;"));
    layout->addWidget(m_notSufficient);
    m_noReadings = new QLabel(t("AGP_NO_READINGS"), this);
    m_noReadings->setObjectName(QStringLiteral("agpNoReadings"));
    layout->addWidget(m_noReadings);

    // The bar beside the figures.
    m_figuresBox = new QWidget(this);
    auto *box = new QHBoxLayout(m_figuresBox);
    box->setContentsMargins(0, 4, 0, 0);
    m_bar = new RangesBar(m_figuresBox);
    box->addWidget(m_bar);
    auto *figures = new QWidget(m_figuresBox);
    m_grid = new QGridLayout(figures);
    m_grid->setContentsMargins(8, 0, 0, 0);
    m_grid->setVerticalSpacing(3);
    m_grid->setColumnStretch(0, 1);
    box->addWidget(figures, 1);
    layout->addWidget(m_figuresBox);

    connect(fromEdit, &QDateEdit::dateChanged, this, [this] { periodEdited(true); });
    connect(toEdit, &QDateEdit::dateChanged, this, [this] { periodEdited(false); });
    connect(profilePopup, &QComboBox::activated, this, [this](int index) {
        setProfile(index == 1 ? Consensus::Profile::OlderHighRisk : Consensus::Profile::Standard);
        if (onProfileChanged)
            onProfileChanged(m_profile);
    });
    showPeriod();
}

void SensorPanel::load(const QString &storePath, const QTimeZone &zone)
{
    if (storePath != m_storePath)
        m_chosen = false; // another diary, another sensor
    m_storePath = storePath;
    m_zone = zone;
    SensorStore store(storePath);
    m_newest = store.newestReading();
    if (!m_chosen) {
        if (m_newest) {
            std::tie(m_from, m_to) = Consensus::defaultPeriod(*m_newest, zone);
        } else {
            m_from = QDate();
            m_to = QDate();
        }
    }
    read(store);
}

void SensorPanel::periodEdited(bool fromChanged)
{
    QDate from = fromEdit->date(), to = toEdit->date();
    if (fromChanged && to < from)
        to = from;
    else if (fromChanged && from.daysTo(to) >= Agp::kLongestPeriod)
        to = from.addDays(Agp::kLongestPeriod - 1);
    else if (!fromChanged && to < from)
        from = to;
    else if (!fromChanged && from.daysTo(to) >= Agp::kLongestPeriod)
        from = to.addDays(1 - Agp::kLongestPeriod);
    if (from == m_from && to == m_to)
        return;
    m_from = from;
    m_to = to;
    m_chosen = true;
    SensorStore store(m_storePath);
    read(store);
}

void SensorPanel::read(SensorStore &store)
{
    m_readings.clear();
    if (m_newest && m_from.isValid() && m_to.isValid()) {
        const auto [first, last] = Consensus::instantsOf(m_from, m_to, m_zone);
        m_readings = store.readings(first, last).value_or(std::vector<Reading>());
    }
    m_figures = Consensus::figures(m_readings, m_from, m_to, m_zone);
    showPeriod();
    showFigures();
    if (onReadingsChanged)
        onReadingsChanged();
}

std::pair<double, double> SensorPanel::span() const
{
    const auto [first, last] = Consensus::instantsOf(m_from, m_to, m_zone);
    return {double(first) * 1000.0, double(last + 1) * 1000.0};
}

TrendsReport::SensorPages SensorPanel::pages() const
{
    return {m_from, m_to, m_readings, m_profile};
}

void SensorPanel::setProfile(Consensus::Profile profile)
{
    profilePopup->setCurrentIndex(profile == Consensus::Profile::OlderHighRisk ? 1 : 0);
    if (profile == m_profile)
        return;
    m_profile = profile;
    showFigures();
}

void SensorPanel::setUnit(Trends::Unit unit)
{
    if (unit == m_unit)
        return;
    m_unit = unit;
    showFigures();
}

QString SensorPanel::figureText(const QString &id) const
{
    const auto it = m_values.find(id);
    return it == m_values.end() ? QString() : it->second->text();
}

void SensorPanel::showPeriod()
{
    const QSignalBlocker quietFrom(fromEdit), quietTo(toEdit);
    if (m_from.isValid() && m_to.isValid()) {
        fromEdit->setDate(m_from);
        toEdit->setDate(m_to);
    }
    m_noReadings->setVisible(!hasReadings());
    m_notSufficient->setVisible(hasReadings() && !m_figures.sufficient());
    m_figuresBox->setVisible(hasReadings());
}

void SensorPanel::showFigures()
{
    static_cast<RangesBar *>(m_bar)->setShares(Agp::shares(m_figures, m_unit, m_strings));
    while (QLayoutItem *item = m_grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_values.clear();
    QWidget *owner = m_grid->parentWidget();
    int row = 0;
    for (const Agp::Line &line : Agp::figureLines(m_figures, m_profile, m_unit, m_strings)) {
        auto *label = new QLabel(line.label, owner);
        label->setWordWrap(true);
        auto *value = new QLabel(line.value, owner);
        value->setObjectName(line.id);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setAlignment(Qt::AlignRight | Qt::AlignTop);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        label->setBuddy(value);
        m_grid->addWidget(label, row, 0, Qt::AlignTop);
        m_grid->addWidget(value, row++, 1, Qt::AlignTop);
        m_values[line.id] = value;
        if (line.target.isEmpty())
            continue;
        auto *mark = new QLabel(Agp::targetText(line, m_strings), owner);
        mark->setObjectName(line.id + QStringLiteral("Target"));
        mark->setStyleSheet(line.met
                                ? (*line.met ? QStringLiteral("color: #2e7d32;") : QStringLiteral("color: #b71c1c;"))
                                : QStringLiteral("color: #606060;"));
        QFont small = mark->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        mark->setFont(small);
        m_grid->addWidget(mark, row++, 0, 1, 2, Qt::AlignTop);
        m_values[mark->objectName()] = mark;
    }
}

DailyProfilesView::DailyProfilesView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("agpDailyProfiles"));
    m_layout.rowHeight = 104;
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DailyProfilesView::setDays(std::vector<Agp::DayTrace> days)
{
    m_days = std::move(days);
    m_layout.topMgdl = AgpPainting::topOf(m_days);
    setMinimumHeight(heightForWidth(width()));
    update();
}

int DailyProfilesView::heightForWidth(int) const
{
    const size_t rows = (m_days.size() + size_t(m_layout.columns) - 1) / size_t(m_layout.columns);
    return int(double(rows) * m_layout.rowHeight) + 8;
}

QSize DailyProfilesView::sizeHint() const
{
    return {700, heightForWidth(700)};
}

void DailyProfilesView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    // Only the rows in sight.
    const QRectF area = QRectF(rect()).adjusted(6, 6, -6, 0);
    const auto columns = size_t(m_layout.columns);
    // A few weeks take the room there is, up to cells twice as tall.
    AgpPainting::DaysLayout layout = m_layout;
    const size_t rows = std::max<size_t>(1, (m_days.size() + columns - 1) / columns);
    layout.rowHeight = std::clamp((area.height() - 8) / double(rows), m_layout.rowHeight, 2 * m_layout.rowHeight);
    const auto firstRow = size_t(std::max(0.0, (event->rect().top() - area.top()) / layout.rowHeight));
    const auto lastRow = size_t(std::max(0.0, (event->rect().bottom() - area.top()) / layout.rowHeight));
    const size_t first = firstRow * columns;
    if (first >= m_days.size())
        return;
    QRectF from = area;
    from.setTop(area.top() + double(firstRow) * layout.rowHeight);
    AgpPainting::drawDays(painter, from, m_days, first, (lastRow - firstRow + 1) * columns, layout, font());
}
