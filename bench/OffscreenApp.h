#pragma once

// The benchmarks that open windows: drawn offscreen unless QT_QPA_PLATFORM
// says otherwise, with the offscreen platform's chatter kept out of the
// table (only critical messages are shown). Call before the QApplication is
// made.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>

inline void quietOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type >= QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
}
