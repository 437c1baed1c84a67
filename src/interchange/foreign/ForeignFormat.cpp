// Recognising the other programs' files by their first bytes, and running
// the reader of the format found.

#include "interchange/foreign/ForeignFormat.h"

#include "interchange/foreign/JsonArrayReader.h"
#include "interchange/foreign/ForeignReading.h"

#include <QIODevice>
#include <QJsonValue>

#include <numeric>

namespace ForeignFormat {

using namespace detail;

namespace {

constexpr qint64 kWindow = 64 * 1024;

bool isClarityHeader(const QStringList &h)
{
    return h.size() >= 3 && h[0] == u"Index"
           && (h[1].startsWith(u"Timestamp (") || h[1].startsWith(u"Zeitstempel (")) && h[1].endsWith(u"hh:mm:ss)");
}

bool isLibreView(const std::vector<QStringList> &r)
{
    if (r.size() < 2 || r[0].size() < 2 || r[1].size() != 19)
        return false;
    const QStringList &title = r[0];
    const bool titled = (title[0] == u"Glucose Data" && title[1] == u"Generated on")
                        || (title[0] == u"Glukose-Werte" && title[1] == u"Erstellt am")
                        || title[0] == u"Export Patient's Glucose Data";
    return titled && (r[1][3] == u"Record Type" || r[1][3] == u"Aufzeichnungstyp");
}

bool isMySugr(const QStringList &h)
{
    const bool english = h.size() > 3 && h[0] == u"Date" && h[1] == u"Time" && h[2] == u"Tags";
    const bool german = h.size() > 3 && h[0] == u"Datum" && h[1] == u"Zeit";
    return (english
            && column(h, {"Blood Sugar Measurement (*", "Blood Glucose Measurement (*"}) >= 0)
           || (german && column(h, {"Blutzuckermessung (*"}) >= 0);
}

Format detectJson(const QByteArray &window)
{
    static const QStringList tidepoolTypes = QStringLiteral(
                                                 "cbg smbg bolus basal wizard deviceEvent bloodKetone food pumpSettings "
                                                 "cgmSettings upload insulin physicalActivity reportedState")
                                                 .split(u' ');
    JsonArrayReader json(window);
    for (int i = 0; i < 8 && json.next() == JsonArrayReader::Status::Object; ++i) {
        const QJsonObject &o = json.object();
        const QString type = o.value(u"type").toString();
        if (o.contains(u"eventType"))
            return Format::NightscoutTreatments;
        if (o.contains(u"time") && tidepoolTypes.contains(type))
            return Format::Tidepool;
        const bool entry = type == u"sgv" || type == u"mbg" || type == u"cal" || o.contains(u"sgv") || o.contains(u"mbg");
        if (entry && (o.contains(u"date") || o.contains(u"dateString")))
            return Format::NightscoutEntries;
    }
    return Format::Unknown;
}

Format detectText(const QByteArray &window)
{
    if (window.trimmed().startsWith('['))
        return detectJson(window);
    const std::vector<QStringList> comma = firstRecords(window, ',', 2);
    const std::vector<QStringList> semicolon = firstRecords(window, ';', 1);
    if (comma.empty() || semicolon.empty())
        return Format::Unknown;
    if (isLibreView(comma))
        return Format::LibreView;
    if (isClarityHeader(comma[0]) || isClarityHeader(semicolon[0]))
        return Format::Clarity;
    if (semicolon[0].join(u';') == u"DAY;TIME;UDT_CGMS;BG_LEVEL;CH_GR;BOLUS;REMARK")
        return Format::XDripSiDiary;
    if (semicolon[0].size() == 2 && semicolon[0][0] == u"meta" && integer(semicolon[0][1].toLatin1()))
        return Format::Diaguard;
    for (const QStringList &first : {comma[0], semicolon[0]}) {
        if (first.size() >= 3 && first[0] == u"Last Name" && first[1] == u"First Name" && first[2] == u"Patient ID")
            return Format::CareLink;
    }
    if (isMySugr(comma[0]))
        return Format::MySugr;
    return Format::Unknown;
}

} // namespace

QString formatName(Format format)
{
    switch (format) {
    case Format::LibreView:
        return QStringLiteral("LibreView");
    case Format::Clarity:
        return QStringLiteral("Dexcom Clarity");
    case Format::NightscoutEntries:
        return QStringLiteral("Nightscout entries");
    case Format::NightscoutTreatments:
        return QStringLiteral("Nightscout treatments");
    case Format::XDripSiDiary:
        return QStringLiteral("xDrip+ SiDiary");
    case Format::Diaguard:
        return QStringLiteral("Diaguard");
    case Format::CareLink:
        return QStringLiteral("CareLink");
    case Format::Tidepool:
        return QStringLiteral("Tidepool");
    case Format::MySugr:
        return QStringLiteral("mySugr");
    case Format::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

size_t ReadResult::skippedTotal() const
{
    return std::accumulate(skipped.begin(), skipped.end(), size_t(0),
                           [](size_t sum, const auto &kind) { return sum + kind.second; });
}

Format detect(QIODevice &device)
{
    const QByteArray window = peekText(device, kWindow);
    return window.contains('\0') ? Format::Unknown : detectText(window);
}

ReadResult read(QIODevice &device, const ReadOptions &options)
{
    const QByteArray window = peekText(device, kWindow);
    const Format format = window.contains('\0') ? Format::Unknown : detectText(window);
    // Readings are named after the program, not the kind of file.
    const QString source = format == Format::NightscoutEntries ? QStringLiteral("Nightscout") : formatName(format);
    Input input(device, options.progress, options.blockSize);
    Sink sink(format, options, source);
    switch (format) {
    case Format::LibreView:
        readLibreView(input, sink, options);
        break;
    case Format::Clarity:
        readClarity(input, sink, options, window);
        break;
    case Format::NightscoutEntries:
    case Format::NightscoutTreatments:
        readNightscout(input, sink, format == Format::NightscoutTreatments);
        break;
    case Format::XDripSiDiary:
        readXDrip(input, sink, options);
        break;
    case Format::Diaguard:
        readDiaguard(input, sink, options);
        break;
    case Format::CareLink:
        readCareLink(input, sink, options, window);
        break;
    case Format::Tidepool:
        readTidepool(input, sink);
        break;
    case Format::MySugr:
        readMySugr(input, sink, options);
        break;
    case Format::Unknown:
        if (window.isEmpty())
            sink.fail(Failure::UnknownLayout, QStringLiteral("the file is empty"), 0);
        else if (window.contains('\0'))
            sink.fail(Failure::Binary, QStringLiteral("not a text file"), 0);
        else
            sink.fail(Failure::UnknownLayout, QStringLiteral("not a file of a program the diary reads"), 0);
        break;
    }
    return sink.finish(input);
}

} // namespace ForeignFormat
