#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <limits>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {
QString fixturePath(const QString &name)
{
    return QStringLiteral(ORVANE_FIXTURES_DIR) + QLatin1Char('/') + name;
}

int pdfPages(const QByteArray &pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool blockFolder(const QString &folder)
{
    return QDir().rename(folder, folder + QStringLiteral(" moved")) && writeFile(folder, "a file, not a folder");
}

bool unblockFolder(const QString &folder)
{
    return QFile::remove(folder) && QDir().rename(folder + QStringLiteral(" moved"), folder);
}

QStringList recoveryFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("Orvane-*.orv")}, QDir::Files, QDir::Name);
}

namespace {
QByteArray number(double v, int digits)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", digits, v);
    return buf;
}
QByteArray date(const CardDate &d)
{
    return d ? number(*d, 17) : QByteArray("<nil>");
}
QByteArray text(const CardText &t)
{
    if (!t)
        return "<nil>";
    QByteArray out = "\"";
    for (const char ch : t->toUtf8()) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7f) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\x%02x", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    return out + '"';
}
} // namespace

QByteArray expectedText(const CardList &cards)
{
    QByteArray out = "root=array count=" + QByteArray::number(qulonglong(cards.size())) + '\n';
    for (size_t i = 0; i < cards.size(); ++i) {
        const ZRGlycemicCard &c = *cards[i];
        out += '[' + QByteArray::number(qulonglong(i)) + "]\n";
        out += "id=" + QByteArray::number(qulonglong(c.idCard())) + '\n';
        out += "dateCreation=" + date(c.dateCreation()) + '\n';
        out += "dateEditing=" + date(c.dateEditing()) + '\n';
        out += "cardDateMeasurement=" + date(c.dateMeasurement()) + '\n';
        out += "isProtect=" + QByteArray::number(int(c.isProtect())) + '\n';
        out += "isPreMeal=" + QByteArray::number(int(c.isPreMeal())) + '\n';
        out += "isTherapy=" + QByteArray::number(int(c.isTherapy())) + '\n';
        out += "nameMeal=" + text(c.nameMeal()) + '\n';
        out += "nameInsulin=" + text(c.nameInsulin()) + '\n';
        out += "notes=" + text(c.notes()) + '\n';
        out += "glycemiaValue=" + number(c.glycemiaValue(), 9) + '\n';
        out += "unitValue=" + number(c.unitValue(), 9) + '\n';
    }
    return out;
}

QByteArray runPython(const QString &script, const QStringList &args, QString *error)
{
    QProcess p;
    p.start(QStringLiteral(ORVANE_PYTHON), QStringList{QStringLiteral(ORVANE_TESTS_DIR) + QLatin1Char('/') + script} + args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (error)
            *error = QString::fromUtf8(p.readAllStandardError()) + p.errorString();
        return {};
    }
    return p.readAllStandardOutput();
}

qint64 peakMemoryGrowth(const std::function<void()> &work)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        rusage before{}, after{};
        ::getrusage(RUSAGE_SELF, &before);
        work();
        ::getrusage(RUSAGE_SELF, &after);
        const qint64 grown = qint64(after.ru_maxrss - before.ru_maxrss) * 1024; // kilobytes on Linux
        const bool sent = ::write(pipeEnds[1], &grown, sizeof grown) == sizeof grown;
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    qint64 grown = -1;
    if (child < 0 || ::read(pipeEnds[0], &grown, sizeof grown) != sizeof grown)
        grown = -1;
    ::close(pipeEnds[0]);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return grown;
}

CardList sampleCards()
{
    auto card = [](uint64_t id, CardDate created, CardDate edited, CardDate measured, bool protect, bool pre,
                   bool therapy, CardText meal, CardText insulin, CardText notes, float g, float u) {
        return std::make_shared<ZRGlycemicCard>(id, created, edited, measured, protect, pre, therapy, meal, insulin,
                                                notes, g, u);
    };
    const QString breakfast = QStringLiteral("POPUP_MEAL_BREAKFAST");
    return {
        card(1, 800000000.25, std::nullopt, 800000000.0, false, true, false, breakfast, std::nullopt,
             QStringLiteral("fasting"), 98.5f, 0.0f),
        card(2, 800003600.5, 800007200.125, 800003000.0, true, false, true, breakfast,
             QStringLiteral("POPUP_INSULIN_QUICK"), QStringLiteral("caffè ☕ e 😀; \"quoted\"\r\nline"), 0.0f,
             6.5f),
        card(3, std::nullopt, std::nullopt, std::nullopt, false, false, false, std::nullopt, std::nullopt,
             std::nullopt, 0.0f, 0.0f),
        card(std::numeric_limits<uint64_t>::max(), -0.5, 0.0, -978307200.0, true, true, true, QString(), QString(),
             QString(), -0.0f, std::numeric_limits<float>::max()),
        card(9223372036854775808ull, 1e9, 1e9, 1e9, false, true, false, QStringLiteral("POPUP_MEAL_DINNER"),
             std::nullopt, QString(5000, QChar(0x4e2d)), 1.4e-45f, 16777216.0f),
    };
}
} // namespace testsupport
