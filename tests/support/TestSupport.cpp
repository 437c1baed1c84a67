#include "support/TestSupport.h"

#include <QFile>

namespace testsupport {
QString fixturePath(const QString &name)
{
    return QStringLiteral(ORVANE_FIXTURES_DIR) + QLatin1Char('/') + name;
}
QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
} // namespace testsupport
