#include "interchange/foreign/ForeignFormat.h"
#include "support/FormatSamples.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <functional>

using namespace ForeignFormat;
using formatsamples::cardRow;
using formatsamples::show;

namespace {

constexpr double kImportTime = 800000000.0;

ReadResult readBytes(const QByteArray &bytes, std::function<bool(qint64)> progress = {}, qint64 blockSize = 256 << 10)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ReadOptions options;
    options.zone = QTimeZone("Europe/Rome");
    options.importTime = kImportTime;
    options.progress = std::move(progress);
    options.blockSize = blockSize;
    return read(buffer, options);
}

QByteArray sample(const QString &name)
{
    return formatsamples::sample(name);
}

// Everything a result holds, for comparing two readings of one file.
std::string summary(const ReadResult &r)
{
    QStringList lines = {r.error, QString::number(r.knownReadings), QString::number(r.notUnderstood)};
    lines += r.problems;
    for (const CardRef &c : r.cards)
        lines.append(QString::fromStdString(show(cardRow(*c))));
    for (const SensorReading &s : r.readings)
        lines.append(QStringLiteral("%1 %2 %3 %4").arg(s.time).arg(s.mgdl).arg(int(s.flag)).arg(s.source));
    for (const auto &[kind, count] : r.skipped)
        lines.append(QStringLiteral("%1 %2").arg(kind).arg(count));
    return lines.join(u'\n').toStdString();
}

TEST(ForeignFormats, EverySampleReadsAsItsExpectedFileSays)
{
    const std::pair<const char *, Format> samples[] = {
        {"carelink_eu_780g", Format::CareLink},               {"carelink_us_paradigm", Format::CareLink},
        {"clarity_2025_quoted_dst", Format::Clarity},         {"clarity_de_semicolon", Format::Clarity},
        {"clarity_unquoted_spring", Format::Clarity},         {"diaguard_backup", Format::Diaguard},
        {"libreview_mgdl_monthfirst_12h", Format::LibreView}, {"libreview_mmol_dayfirst", Format::LibreView},
        {"libreview_mmol_uk_resaved", Format::LibreView},     {"mysugr", Format::MySugr},
        {"nightscout_entries", Format::NightscoutEntries},    {"nightscout_treatments", Format::NightscoutTreatments},
        {"tidepool", Format::Tidepool},                       {"xdrip_sidiary", Format::XDripSiDiary},
    };
    // A sample added without a row here fails.
    EXPECT_EQ(formatsamples::stems().size(), qsizetype(std::size(samples)));

    for (const auto &[name, format] : samples) {
        SCOPED_TRACE(name);
        const QString stem = QString::fromLatin1(name);
        const QByteArray bytes = sample(formatsamples::dataFile(stem));
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_EQ(detect(buffer), format);
        EXPECT_EQ(buffer.pos(), 0);

        const ReadResult r = readBytes(bytes);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        EXPECT_EQ(r.format, format);
        // Block boundaries anywhere change nothing.
        EXPECT_EQ(summary(readBytes(bytes, {}, 1)), summary(r));
        const formatsamples::Expected e = formatsamples::expectedOf(stem);

        const auto isTherapy = [](const CardRef &c) { return c->isTherapy(); };
        EXPECT_EQ(QString::number(std::count_if(r.cards.begin(), r.cards.end(), isTherapy)), e.count("therapy cards"));
        EXPECT_EQ(QString::number(std::count_if(r.cards.begin(), r.cards.end(), std::not_fn(isTherapy))),
                  e.count("measurement cards"));
        EXPECT_EQ(r.skippedTotal(), e.skippedTotal());
        EXPECT_EQ(QString::number(r.notUnderstood), e.count("not understood"));
        EXPECT_EQ(r.knownReadings, 0u);

        // Every card, whatever the order of equal times.
        std::vector<formatsamples::CardRow> got;
        for (const CardRef &c : r.cards) {
            got.push_back(cardRow(*c));
            EXPECT_EQ(std::tuple(c->idCard(), c->dateCreation(), c->dateEditing(), c->isProtect(), c->isPreMeal()),
                      std::tuple(uint64_t(0), CardDate(kImportTime), CardDate(), false, false));
        }
        EXPECT_TRUE(std::is_sorted(got.begin(), got.end(),
                                   [](const auto &a, const auto &b) { return std::get<0>(a) < std::get<0>(b); }));
        EXPECT_EQ(formatsamples::cardsDiffer(got, e.cards), "");

        // The listed readings, each run where it belongs.
        std::vector<formatsamples::ReadingRow> readings;
        for (const SensorReading &s : r.readings) {
            readings.emplace_back(s.time, s.mgdl, s.flag);
            EXPECT_FALSE(s.source.isEmpty());
        }
        EXPECT_TRUE(std::adjacent_find(r.readings.begin(), r.readings.end(),
                                       [](const auto &a, const auto &b) { return a.time >= b.time; })
                    == r.readings.end());
        EXPECT_EQ(formatsamples::readingsCount(readings), e.count("sensor readings"));
        EXPECT_EQ(formatsamples::runsMissing(readings, e), "");
    }
}

// Files that give nothing, each with what the user is told.
TEST(ForeignFormats, FilesThatAreRefused)
{
    const QByteArray clarityHeader = sample(QStringLiteral("clarity_unquoted_spring.csv")).split('\n').at(0) + "\n";
    const QByteArray libreHead = sample(QStringLiteral("libreview_mmol_dayfirst.csv")).split('\n').mid(0, 2).join('\n') + "\n";
    const QByteArray xdrip = "DAY;TIME;UDT_CGMS;BG_LEVEL;CH_GR;BOLUS;REMARK\n";
    const QByteArray egv = "14,2025-03-29T21:10:33,EGV,,,,Android G6,88,,,,,2905113,8XR2KD\n";
    const struct {
        const char *what;
        QByteArray bytes;
        Failure failure;
        const char *error;
    } cases[] = {
        {"empty", "", Failure::UnknownLayout, "the file is empty"},
        {"unknown layout", "Name,Value\nx,1\n", Failure::UnknownLayout, "not a file of a program the diary reads"},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), Failure::Binary, "not a text file"},
        // Beyond the first 64 KiB, which detection looks at.
        {"binary after good records", xdrip + QByteArray("10.05.2025;16:00;112;;;;\n").repeated(3000) + QByteArray("1\0", 2),
         Failure::Binary, "line 3002: a NUL byte: binary data, not text"},
        {"junk after a good header", libreHead + "this is not\na LibreView file\n", Failure::Junk,
         "line 3: nothing here reads as a record of LibreView (record type \"\" is not a number)"},
        {"JSON cut inside an object", "[\n{\"type\":\"sgv\",\"date\":1752903312231,\"sgv\":149},\n{\"type\":\"sgv\",\"da",
         Failure::Truncated, "line 3: the file ends inside the object that starts here"},
        {"JSON cut after a comma", "[{\"type\":\"sgv\",\"date\":1752903312231,\"sgv\":149},\n", Failure::Truncated,
         "line 2: the file ends before the list is closed"},
        {"JSON with text after the list", "[{\"type\":\"sgv\",\"date\":1752903312231,\"sgv\":149}]\nmore", Failure::Junk,
         "line 2: text after the end of the list"},
        {"JSON object broken", "[{\"type\":\"sgv\",\"date\":1752903312231,\"sgv\":149},\n{\"sgv\":}]", Failure::Junk,
         "line 2: broken JSON near byte 8 of the object"},
        {"CSV cut inside quotes",
         sample(QStringLiteral("clarity_2025_quoted_dst.csv")).split('\n').at(0) + "\n\"11\",\"2025-10-25T18:00:00\",\"EG",
         Failure::Truncated, "line 2: the file ends inside the quoted field that starts here"},
        {"CSV cut in a line", xdrip + "10.05.2025;16:00;112;;;;\n10.05.2025;16:0", Failure::Truncated,
         "line 3: the file ends in the middle of this line"},
        {"30 February", clarityHeader + "11,2025-02-30T20:05:00,Insulin,Fast-Acting,,,Android G6,,7.00,,,,\n",
         Failure::BadDate, "line 2: no such date or time: 2025-02-30T20:05:00"},
        {"month 13 in a JSON time", "[{\"type\":\"sgv\",\"dateString\":\"2025-13-01T00:00:00Z\",\"sgv\":100}]",
         Failure::BadDate, "line 1: no such date or time: 2025-13-01T00:00:00Z"},
        // Day-first from its first row, then a row that only reads month-first.
        {"LibreView dates both ways",
         libreHead + "L,S,13-10-2025 07:00,0,7.0,,,,,,,,,,,,,,\nL,S,10-13-2025 08:00,0,7.0,,,,,,,,,,,,,,\n",
         Failure::BadDate, "line 4: no such date or time (read day first)"},
        {"a line of 10 MB", xdrip + "10.05.2025;16:00;;;;1;" + QByteArray(10 << 20, 'x') + "\n", Failure::TooLong,
         "line 2: a record longer than 1048576 bytes"},
        {"a JSON object of 2 MB", "[{\"notes\":\"" + QByteArray(2 << 20, 'x') + "\"}]", Failure::UnknownLayout,
         "not a file of a program the diary reads"},
        {"an object of 2 MB after a good one",
         "[{\"type\":\"sgv\",\"date\":1752903312231,\"sgv\":149},\n{\"notes\":\"" + QByteArray(2 << 20, 'x') + "\"}]",
         Failure::TooLong, "line 2: an object longer than 1048576 bytes"},
        {"old Diaguard backup", "\"meta\";\"18\"\n\"entry\";\"2025-04-05 07:45:00\";\n", Failure::Unsupported,
         "line 1: a Diaguard backup of database version 18, older than the layout read"},
        {"Clarity without a glucose unit", QByteArray(clarityHeader).replace("(mg/dL)", "(mg)") + egv,
         Failure::Unsupported, "line 1: a Clarity header without event type or glucose unit"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const ReadResult r = readBytes(c.bytes);
        EXPECT_EQ(r.failure, c.failure);
        EXPECT_EQ(r.error.toStdString(), c.error);
        EXPECT_TRUE(r.cards.empty() && r.readings.empty() && r.skipped.empty() && r.problems.empty());
    }

    // Cancelled from the progress callback, which heard of every byte read.
    const QByteArray big = clarityHeader + egv.repeated(20000);
    qint64 heard = 0;
    EXPECT_EQ(readBytes(big, [&](qint64 n) { return (heard = n) < 300000; }).failure, Failure::Cancelled);
    EXPECT_GE(heard, 300000);
    EXPECT_TRUE(readBytes(big, [&](qint64 n) { return (heard = n) > 0; }).ok());
    EXPECT_EQ(heard, big.size());
}

// Files that are read, with what they show beyond the samples.
TEST(ForeignFormats, RecordsBeyondTheSamples)
{
    const QByteArray clarityHeader = sample(QStringLiteral("clarity_unquoted_spring.csv")).split('\n').at(0) + "\n";
    const QByteArray xdrip = "DAY;TIME;UDT_CGMS;BG_LEVEL;CH_GR;BOLUS;REMARK\n";
    const QByteArray libre = sample(QStringLiteral("libreview_mmol_dayfirst.csv"));
    const auto entry = [](qint64 ms, const char *sgv) {
        return QStringLiteral("{\"type\":\"sgv\",\"date\":%1,\"sgv\":%2}").arg(ms).arg(QLatin1StringView(sgv)).toUtf8();
    };
    const auto utf16 = [](const QByteArray &utf8) {
        const QString s = QString::fromUtf8(utf8);
        return QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(s.utf16()), s.size() * 2);
    };
    const struct {
        const char *what;
        QByteArray bytes;
        size_t cards, readings, known, notUnderstood;
        std::function<void(const ReadResult &)> check;
    } cases[] = {
        {"a document uploaded twice", "[" + entry(1752903312231, "149") + "," + entry(1752903312900, "150") + "]", 0, 1,
         1, 0, [](const ReadResult &r) { EXPECT_EQ(r.readings[0].mgdl, 149); }},
        {"sgv above 400", "[" + entry(1752903312231, "\"450\"") + "]", 0, 1, 0, 0,
         [](const ReadResult &r) {
             EXPECT_EQ(r.readings[0], (SensorReading{1752903312, 450, SensorFlag::High, QStringLiteral("Nightscout")}));
         }},
        {"a row longer than the header",
         clarityHeader + "14,2025-03-29T21:10:33,EGV,,,,Android G6,88,,,,,2905113,8XR2KD,,,,,,\n"
             + "15,2025-03-29T21:15:33,EGV,,,,Android G6,71,,,,,2905413,8XR2KD\n",
         0, 1, 0, 1,
         [](const ReadResult &r) { EXPECT_EQ(r.problems, QStringList{"line 2: 20 fields where the header has 14"}); }},
        // In the repeated hour without a transmitter time: the first pass.
        {"repeated hour, no transmitter time", clarityHeader + "14,2025-10-26T02:30:00,EGV,,,,Android G6,88,,,,,,\n", 0,
         1, 0, 0, [](const ReadResult &r) { EXPECT_EQ(r.readings[0].time, 1761438600); }},
        // Twins of the repeated hour read before the transmitter's clock is
        // known wait for the first reading outside it.
        {"repeated hour first", clarityHeader + "1,2025-10-26T02:57:14,EGV,,,,G6,110,,,,,7435926,8ZQ4TW\n"
                                    + "2,2025-10-26T02:57:15,EGV,,,,G6,70,,,,,7439526,8ZQ4TW\n"
                                    + "3,2025-10-26T03:02:15,EGV,,,,G6,61,,,,,7439826,8ZQ4TW\n",
         0, 3, 0, 0,
         [](const ReadResult &r) {
             EXPECT_EQ(std::tuple(r.readings[0].time, r.readings[1].time, r.readings[2].time),
                       std::tuple(1761440234, 1761443835, 1761444135));
         }},
        {"UTF-16 with its mark", utf16(libre), 5, 39, 0, 0, {}},
        {"CR line ends, a Windows-1252 remark",
         QByteArray(xdrip).replace('\n', '\r') + "10.05.2025;16:30;;;;4.5;caf\xE9||bar\r", 1, 0, 0, 0,
         [](const ReadResult &r) { EXPECT_EQ(r.cards[0]->notes(), QStringLiteral("caf\u00e9\nbar")); }},
        {"a quote inside an unquoted field", libre + "L,S,12-10-2025 09:05,4,,,,5,,,,,,say \"when\",,,,,\n", 6, 39, 0, 0,
         [](const ReadResult &r) { EXPECT_EQ(r.cards.back()->notes()->toStdString(), "say \"when\""); }},
        {"more problems than are kept", xdrip + QByteArray("x;y;;;;;\n").repeated(30) + "10.05.2025;16:30;;;;4.5;\n", 1,
         0, 0, 30,
         [](const ReadResult &r) {
             EXPECT_EQ(r.problems.size(), kMaxProblems);
             EXPECT_EQ(r.problems[0], QStringLiteral("line 2: \"x y\" is not a date and time"));
         }},
        {"a dose out of range", xdrip + "10.05.2025;16:30;;;;450;\n10.05.2025;16:35;;;;4;\n", 1, 0, 0, 1,
         [](const ReadResult &r) {
             EXPECT_EQ(r.problems, QStringList{"line 2: an insulin dose of 450 units is out of range"});
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const ReadResult r = readBytes(c.bytes);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        EXPECT_EQ(summary(readBytes(c.bytes, {}, 1)), summary(r));
        EXPECT_EQ(std::tuple(r.cards.size(), r.readings.size(), r.knownReadings, r.notUnderstood),
                  std::tuple(c.cards, c.readings, c.known, c.notUnderstood));
        if (c.check)
            c.check(r);
    }
}

} // namespace
