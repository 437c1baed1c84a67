#pragma once

#include "interchange/ForeignImport.h"
#include "interchange/ZRExport.h"
#include "model/ZRGlycemicCard.h"
#include "report/TrendsReport.h"
#include "view/Trends.h"

#include <QString>
#include <QTimeZone>

#include <functional>
#include <optional>

class Diary;
class SensorStore;
class QUndoStack;
class QWidget;
class StringTable;

// The commands that move cards in and out of files: import, export and the
// report for the care team, with their panels, questions and alerts. The
// diary's own file is never written over by anything but the diary.
class FileCommands
{
public:
    // The wait cursor while a long read or write runs.
    struct Busy {
        Busy();
        ~Busy();
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;
    };

    FileCommands(Diary &diary, QUndoStack &undo, const StringTable &strings, QWidget *window, const QTimeZone &zone,
                 double now);

    // Told when an import, its undo or its redo changed the sensor store.
    std::function<void()> sensorsChanged;

    // Asks for a file and whether its cards replace the diary or join it,
    // then imports them as one undoable change; tells what could not be
    // imported, and why nothing was.
    void importFile();
    // Asks where to write the whole diary in the kind chosen, and writes it.
    void exportDiary(ZRExport::Kind kind);
    // Asks where to write the report of the cards in view (and of the
    // sensor's readings, when there are any), and writes it.
    void exportReport(const CardList &view, Trends::Unit unit, const QString &title,
                      TrendsReport::SensorPages sensor = {});

private:
    QString text(const char *key) const;
    // Another program's file: read, told as a summary, then written.
    void importForeign(const QString &path);
    std::optional<ForeignFormat::ReadResult> readForeign(const QString &path);
    void writeForeign(ForeignImport::Plan &plan, SensorStore &store);
    // False, with the user told, when path is the diary's own file.
    bool isNotTheDiary(const QString &path, const char *failure) const;

    Diary &m_diary;
    QUndoStack &m_undo;
    const StringTable &m_strings;
    QWidget *m_window;
    QTimeZone m_zone;
    double m_now;
};
