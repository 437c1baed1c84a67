#include "model/DiaryFile.h"
#include "model/ZRImport.h"
#include "support/TestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::fixturePath;
using testsupport::readFile;

namespace {

struct ToolRun {
    int status = -1;
    QByteArray out, err;
};

ToolRun tool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ORVANE_TOOL), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

TEST(ToolDump, PrintsOneObjectPerCardThatReadsBackExactly)
{
    const ToolRun r = tool({QStringLiteral("dump"), fixturePath(QStringLiteral("diary.orv"))});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 6);
    QJsonParseError error;
    const QJsonObject first = QJsonDocument::fromJson(lines[0], &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(first.size(), 12);
    EXPECT_EQ(first.value(QStringLiteral("dateCreation")).toDouble(), 389015407.123456);
    EXPECT_TRUE(first.value(QStringLiteral("dateEditing")).isNull());
    EXPECT_EQ(first.value(QStringLiteral("isPreMeal")), QJsonValue(true));
    EXPECT_EQ(first.value(QStringLiteral("notes")).toString(), QStringLiteral("caffè ☕\ncornetto"));
    EXPECT_EQ(first.value(QStringLiteral("glycemiaValue")).toDouble(), 123.5);
    // Identifiers past 2^53 are printed whole, not rounded.
    EXPECT_TRUE(lines[1].startsWith("{\"idCard\":4294967297,"));
    const QJsonObject second = QJsonDocument::fromJson(lines[1]).object();
    EXPECT_EQ(static_cast<float>(second.value(QStringLiteral("unitValue")).toDouble()), 7.256f);
}

TEST(ToolDump, DefaultsToTheDiaryAndFailsClearly)
{
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORVANE_TOOL), {QStringLiteral("dump")});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 1);
    const QByteArray err = p.readAllStandardError();
    EXPECT_TRUE(err.contains("Orvane.orv")) << err.toStdString();
    EXPECT_EQ(err.count('\n'), 1);

    const ToolRun broken = tool({QStringLiteral("dump"), fixturePath(QStringLiteral("broken-wrapped-references.orv"))});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.out.isEmpty());
    EXPECT_EQ(tool({QStringLiteral("frobnicate")}).status, 2);
}

TEST(ToolCopy, WritesWhatTheProgramSavesAndNeverHalfAFile)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.orv"));
    const ToolRun r = tool({QStringLiteral("copy"), fixturePath(QStringLiteral("diary.orv")), out});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QString error;
    auto original = DiaryFile::read(fixturePath(QStringLiteral("diary.orv")), &error);
    const auto copied = DiaryFile::read(out, &error);
    ASSERT_TRUE(original && copied) << error.toStdString();
    ZRImport::sortForMeasuramentDateArray(&*original);
    EXPECT_EQ(testsupport::expectedText(*copied), testsupport::expectedText(*original));

    // A failed read leaves an existing OUT as it was.
    const QByteArray before = readFile(out);
    const ToolRun bad = tool({QStringLiteral("copy"), fixturePath(QStringLiteral("broken-wrapped-references.orv")), out});
    EXPECT_EQ(bad.status, 1);
    EXPECT_FALSE(bad.err.isEmpty());
    EXPECT_EQ(readFile(out), before);
    const ToolRun unwritable = tool({QStringLiteral("copy"), fixturePath(QStringLiteral("diary.orv")), out + QStringLiteral("/x.orv")});
    EXPECT_EQ(unwritable.status, 1);
}

} // namespace
