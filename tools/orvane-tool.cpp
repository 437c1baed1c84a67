// orvane-tool: the diary from the command line, on the same core as the
// program itself.

#include "model/DiaryFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: orvane-tool dump [FILE]\n"
               "       orvane-tool copy IN OUT\n",
               stderr);
    return 2;
}

void fail(const QString &text)
{
    std::fprintf(stderr, "orvane-tool: %s\n", qPrintable(text));
}

QByteArray jsonString(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += QByteArray("\\u00") + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    return out + '"';
}

// Numbers that JSON cannot hold travel as strings.
QByteArray jsonNumber(double value, int digits)
{
    if (std::isnan(value))
        return "\"nan\"";
    if (std::isinf(value))
        return value > 0 ? "\"inf\"" : "\"-inf\"";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    return buffer;
}

QByteArray jsonDate(const CardDate &date)
{
    return date ? jsonNumber(*date, 17) : QByteArray("null");
}

QByteArray jsonText(const CardText &text)
{
    return text ? jsonString(*text) : QByteArray("null");
}

QByteArray jsonFlag(bool flag)
{
    return flag ? "true" : "false";
}

QByteArray cardJson(const ZRGlycemicCard &c)
{
    QByteArray out;
    out += "{\"idCard\":" + QByteArray::number(static_cast<qulonglong>(c.idCard()));
    out += ",\"dateCreation\":" + jsonDate(c.dateCreation());
    out += ",\"dateEditing\":" + jsonDate(c.dateEditing());
    out += ",\"dateMeasurement\":" + jsonDate(c.dateMeasurement());
    out += ",\"isProtect\":" + jsonFlag(c.isProtect());
    out += ",\"isPreMeal\":" + jsonFlag(c.isPreMeal());
    out += ",\"isTherapy\":" + jsonFlag(c.isTherapy());
    out += ",\"nameMeal\":" + jsonText(c.nameMeal());
    out += ",\"nameInsulin\":" + jsonText(c.nameInsulin());
    out += ",\"notes\":" + jsonText(c.notes());
    out += ",\"glycemiaValue\":" + jsonNumber(c.glycemiaValue(), 9);
    out += ",\"unitValue\":" + jsonNumber(c.unitValue(), 9);
    out += "}\n";
    return out;
}

int dump(const QStringList &args)
{
    if (args.size() > 1)
        return usage();
    const QString path = args.isEmpty() ? DiaryFile::diaryPath() : args.first();
    QString error;
    const auto cards = DiaryFile::read(path, &error);
    if (!cards) {
        fail(QStringLiteral("%1: %2").arg(path, error));
        return 1;
    }
    QByteArray out;
    for (const CardRef &card : *cards) {
        out += cardJson(*card);
        if (out.size() > (1 << 20)) {
            std::fwrite(out.constData(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.constData(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int copy(const QStringList &args)
{
    if (args.size() != 2)
        return usage();
    QString error;
    auto cards = DiaryFile::read(args[0], &error);
    if (!cards) {
        fail(QStringLiteral("%1: %2").arg(args[0], error));
        return 1;
    }
    const DiaryFile::SaveResult saved = DiaryFile::save(args[1], *cards);
    if (!saved.ok) {
        fail(QStringLiteral("%1: %2").arg(args[1], saved.error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("dump"))
        return dump(args);
    if (command == QLatin1String("copy"))
        return copy(args);
    return usage();
}
