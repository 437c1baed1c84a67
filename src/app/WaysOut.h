#pragma once

#include "model/ZRGlycemicCard.h"

#include <QString>

#include <functional>

class Diary;
class QWidget;
class StringTable;

// The last save of the program, on each of its ways out. One the user chose
// (the quit command, closing the main window) is written before any window
// goes and, when it fails, asks what to do; one that cannot ask (a signal,
// the session ending) keeps a diary it cannot write in a recovery file.
class WaysOut
{
public:
    enum class LastSave {
        Written,        // the diary is on disk
        SavedElsewhere, // the diary could not be written; a copy could
        LetGo,          // the user chose to quit without saving
        Stay,           // the user chose to stay
    };

    WaysOut(Diary &diary, const StringTable &strings, QWidget *window);

    // Writes the diary; when that fails the user is told why and chooses:
    // try again, save the diary elsewhere (a diary file), quit without
    // saving, or stay. written runs once the first write has sorted the
    // diary, before anything is asked.
    LastSave saveBeforeQuitting(const std::function<void()> &written = {});
    // Writes the diary; when that fails the cards go to a new file in
    // recoveryFolder (unless they are the ones last kept there), and stderr
    // says where. Nothing modal.
    void saveWithoutAsking(const QString &recoveryFolder, CardList &lastRecovered);

    // Tells, once, of the recovery files in folder that no start has told of.
    void tellRecovered(const QString &recoveryFolder);

private:
    bool writeDiary(QString *whyNot);
    QString text(const char *key) const;

    Diary &m_diary;
    const StringTable &m_strings;
    QWidget *m_window;
};
