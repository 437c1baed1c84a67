#pragma once

#include <QString>
#include <QTimeZone>

class Diary;
class QUndoStack;
class QWidget;
class StringTable;

// The import of another program's file (a meter's, a sensor's, another
// diary's): read with progress and a way to cancel, told as a summary
// before anything changes, then written as one change of the diary and the
// sensor store beside it, which Edit > Undo takes back whole.
class ImportForeign
{
public:
    ImportForeign(Diary &diary, QUndoStack &undo, const StringTable &strings, QWidget *window, const QTimeZone &zone,
                  double now);

    void run(const QString &path);

private:
    QString text(const char *key) const;
    void tellNothing(const QString &why) const;

    Diary &m_diary;
    QUndoStack &m_undo;
    const StringTable &m_strings;
    QWidget *m_window;
    QTimeZone m_zone;
    double m_now;
};
