#pragma once

#include <QByteArray>
#include <QString>

namespace testsupport {
QString fixturePath(const QString &name);
QByteArray readFile(const QString &path);
} // namespace testsupport
