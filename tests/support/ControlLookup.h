#pragma once

// The program's windows and controls found as a user's tools find them: by
// the name each carries, among every window the application holds. Needs no
// test framework, so that the benchmarks and the picture tool use it too.
#include <QApplication>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace controls {

// Every object of type T with that objectName among the application's
// windows and what they hold, actions and menus included; each once, though
// a panel is both a window and a child of the main window.
template <class T> QList<T *> named(const char *objectName)
{
    const QString name = QString::fromLatin1(objectName);
    QList<T *> found;
    auto take = [&found](QObject *object) {
        // Not qobject_cast: a few of the program's widgets have no
        // metaobject of their own.
        T *typed = dynamic_cast<T *>(object);
        if (typed && !found.contains(typed))
            found.append(typed);
    };
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name)
            take(window);
        for (QObject *child : window->findChildren<QObject *>(name))
            take(child);
    }
    return found;
}

// Why there is not exactly one object of type T with that name; empty when
// there is.
template <class T> QString whyNotOne(const char *objectName)
{
    const qsizetype count = named<T>(objectName).size();
    if (count == 1)
        return {};
    const QString type = QString::fromLatin1(T::staticMetaObject.className());
    const QString name = QString::fromLatin1(objectName);
    if (count > 1)
        return QStringLiteral("%1 objects of type %2 are named \"%3\"").arg(QString::number(count), type, name);
    QStringList others;
    for (const QObject *object : named<QObject>(objectName))
        others << QString::fromLatin1(object->metaObject()->className());
    const QString instead = others.isEmpty() ? QString() : QStringLiteral(" (only a %1)").arg(others.join(u", "));
    return QStringLiteral("no %1 is named \"%2\" in any window%3").arg(type, name, instead);
}

// The one object of type T with that name. The program ends with the reason
// when there is none or more than one: for the tools that have no test
// framework to report it.
template <class T> T *required(const char *objectName)
{
    const QList<T *> found = named<T>(objectName);
    if (found.size() != 1)
        qFatal("%s", qPrintable(whyNotOne<T>(objectName)));
    return found.first();
}

} // namespace controls
