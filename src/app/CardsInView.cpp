#include "app/CardsInView.h"

#include "interchange/SensorStore.h"
#include "model/Diary.h"
#include "text/StringTable.h"
#include "ui/MainWindow.h"
#include "ui/NotePanel.h"
#include "ui/StatisticsPanel.h"
#include "ui/TrendsWindow.h"
#include "view/DiaryTableModel.h"
#include "view/Statistics.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>

#include <algorithm>
#include <utility>

CardsInView::CardsInView(MainWindow &window, const Diary &diary, const StringTable &strings, const QTimeZone &zone)
    : m_window(window)
    , m_diary(diary)
    , m_strings(strings)
    , m_zone(zone)
    , m_model(std::make_unique<DiaryTableModel>(strings, QLocale(), zone))
{
    window.table()->setModel(m_model.get());
    window.fitTableColumns(*m_model);
}

CardsInView::~CardsInView()
{
    // The table must let go of the model before the model goes.
    m_window.table()->setModel(nullptr);
}

const CardList &CardsInView::cards() const
{
    return m_view.isDiary ? m_diary.cards() : m_view.cards;
}

void CardsInView::filter(double now, const CardRef &select)
{
    const CardRef selected = select ? select : selectedCard();
    const int kind = m_window.popupMeasurements()->currentIndex();
    m_view = DiaryFilter::filter(m_diary.cards(), m_window.popupPeriod()->currentIndex(), kind, now, m_zone);

    QTableView *table = m_window.table();
    const DiaryFilter::Columns shown = DiaryFilter::columnsForKind(kind);
    const std::pair<const char *, bool> columns[] = {{"glycemiaValue", shown.glycemiaValue},
                                                     {"isPreMeal", shown.isPreMeal},
                                                     {"unitValue", shown.unitValue},
                                                     {"nameInsulin", shown.nameInsulin}};
    for (const auto &[id, visible] : columns)
        table->setColumnHidden(DiaryTableModel::columnWithIdentifier(QString::fromLatin1(id)), !visible);

    m_model->setView(&cards());
    // The card that was selected stays selected while it is in view.
    if (selected) {
        const CardList &view = cards();
        const auto it = std::find(view.begin(), view.end(), selected);
        if (it != view.end()) {
            const int row = int(it - view.begin());
            table->selectRow(row);
            table->scrollTo(m_model->index(row, 0));
        }
    }
    refreshRecordCount();
    refreshNote();
    calculatesStatistics();
    m_trendsStale = true;
    calculatesTrends();
}

void CardsInView::replaceEdited(const CardRef &edited)
{
    if (m_view.isDiary || !edited)
        return;
    const CardList &diary = m_diary.cards();
    for (CardRef &card : m_view.cards) {
        if (std::find(diary.begin(), diary.end(), card) == diary.end())
            card = edited;
    }
}

int CardsInView::selectedRow() const
{
    const QItemSelectionModel *selection = m_window.table()->selectionModel();
    if (!selection)
        return -1;
    const QModelIndexList rows = selection->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

CardRef CardsInView::selectedCard() const
{
    return m_model->cardAt(selectedRow());
}

void CardsInView::refreshRecordCount()
{
    auto t = [this](const char *key) { return m_strings.text(QString::fromLatin1(key)); };
    m_window.recordLabel()->setText(QStringLiteral("%1 %2 %3 %4")
                                        .arg(t("VIEW_NUMBER_RECORD"))
                                        .arg(cards().size())
                                        .arg(t("ON"))
                                        .arg(m_diary.cards().size()));
}

void CardsInView::refreshNote()
{
    const CardRef card = selectedCard();
    m_window.notePanel()->setNote(card ? card->notes().value_or(QString()) : QString());
}

void CardsInView::calculatesStatistics()
{
    m_window.statisticsPanel()->showFigures(Statistics::calculatesStatistics(cards()), m_formatter,
                                            m_model->glycemiaUnit());
}

void CardsInView::setGlycemiaUnit(GlycemiaUnit::Unit unit)
{
    m_model->setGlycemiaUnit(unit);
    m_window.fitTableColumn(*m_model, QStringLiteral("glycemiaValue"));
    calculatesStatistics();
}

void CardsInView::calculatesTrends()
{
    if (!m_trendsStale || !m_window.trendsWindow()->isVisible())
        return;
    updateSensorStore();
    m_window.trendsWindow()->showTrends(cards(), m_zone);
    m_trendsStale = false;
}

void CardsInView::sensorsChanged()
{
    m_sensorsStale = true;
    m_trendsStale = true;
}

TrendsReport::SensorPages CardsInView::sensorPages()
{
    updateSensorStore();
    return m_window.trendsWindow()->sensorPages(m_zone);
}

void CardsInView::updateSensorStore()
{
    const QString path = SensorStore::pathForDiary(m_diary.path());
    if (!m_sensorsStale && path == m_storePath)
        return;
    m_storePath = path;
    m_sensorsStale = false;
    m_window.trendsWindow()->setSensorStore(path);
}
