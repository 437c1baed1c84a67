// An installation: what `cmake --install` puts in place, checked file by file
// and by the desktop's own validators, and the icons the program shows when
// the icon theme has none of its own.
#include "app/AppController.h"
#include "support/Controls.h"
#include "text/StringTable.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace {

const QString kAppId = QStringLiteral("org.orvane.Orvane");
const int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

struct Outcome {
    int exitCode = -1;
    QString output; // standard output and error together
};

Outcome run(const QString &program, const QStringList &args,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(300000))
        return {-1, QStringLiteral("%1 did not run: %2").arg(program, process.errorString())};
    Outcome result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

// Every file under a folder, by its path relative to it.
QStringList filesUnder(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

// The keys of a desktop entry's [Desktop Entry] group.
QHash<QString, QString> desktopEntry(const QString &path)
{
    QHash<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inMainGroup && equals > 0 && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// -----------------------------------------------------------------------------
// The installed tree: installed once for the whole suite, staged under
// DESTDIR with the usual /usr prefix, as a distribution's package build does.

class InstalledTree : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        root = std::make_unique<QTemporaryDir>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), root->filePath(QStringLiteral("staged")));
        staging = run(QStringLiteral(ORVANE_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(ORVANE_BUILD_DIR), QStringLiteral("--prefix"),
                       QStringLiteral("/usr")},
                      env);
    }
    static void TearDownTestSuite() { root.reset(); }

    void SetUp() override { ASSERT_EQ(staging.exitCode, 0) << staging.output.toStdString(); }

    static QString stagedRoot() { return root->filePath(QStringLiteral("staged")); }
    static QString installed(const QString &relative) { return stagedRoot() + QStringLiteral("/usr/") + relative; }
    static QString desktopFile() { return installed(QStringLiteral("share/applications/%1.desktop").arg(kAppId)); }
    static QString metainfoFile() { return installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId)); }

    static inline std::unique_ptr<QTemporaryDir> root;
    static inline Outcome staging;
};

TEST_F(InstalledTree, PrefixInstallHoldsWhatTheStagedOneDoes)
{
    // A destination given as an absolute path would land outside the prefix
    // and so be missing here.
    const QString prefix = root->filePath(QStringLiteral("prefix"));
    const Outcome install = run(QStringLiteral(ORVANE_CMAKE), {QStringLiteral("--install"), QStringLiteral(ORVANE_BUILD_DIR),
                                                          QStringLiteral("--prefix"), prefix});
    ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    EXPECT_EQ(filesUnder(prefix), filesUnder(stagedRoot() + QStringLiteral("/usr")));
}

TEST_F(InstalledTree, DesktopEntryStartsTheInstalledProgramUnderItsIcon)
{
    const QHash<QString, QString> entry = desktopEntry(desktopFile());
    ASSERT_FALSE(entry.isEmpty()) << "no desktop entry at " << desktopFile().toStdString();
    EXPECT_EQ(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(entry.value(QStringLiteral("Name")), QStringLiteral("Orvane"));
    EXPECT_EQ(entry.value(QStringLiteral("Terminal")), QStringLiteral("false"));

    // Every language of the program's string table.
    for (const char *key : {"Comment", "GenericName", "Keywords"})
        EXPECT_FALSE(entry.value(QLatin1String(key)).isEmpty()) << key;
    for (QLocale::Language language : StringTable::languages()) {
        if (language == QLocale::English)
            continue;
        const QString code = QLocale::languageToCode(language);
        for (const char *key : {"Name", "Comment", "GenericName", "Keywords"})
            EXPECT_FALSE(entry.value(QStringLiteral("%1[%2]").arg(QLatin1String(key), code)).isEmpty())
                << key << code.toStdString();
        EXPECT_NE(entry.value(QStringLiteral("Comment")), entry.value(QStringLiteral("Comment[%1]").arg(code)));
    }

    const QString program = entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    EXPECT_FALSE(program.contains(QLatin1Char('/'))) << "Exec names a path: " << program.toStdString();
    EXPECT_TRUE(isExecutableFile(installed(QStringLiteral("bin/") + program))) << program.toStdString();

    // The icon is looked up by name in the icon theme, where the
    // installation puts the program's.
    const QString icon = entry.value(QStringLiteral("Icon"));
    EXPECT_EQ(icon, kAppId);
    EXPECT_TRUE(QFile::exists(installed(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(icon))));
    // Every size, on a transparent ground.
    for (int size : kIconSizes) {
        SCOPED_TRACE(size);
        const QImage image(installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(icon)));
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
}

// What the validator cannot know: that the programs the metadata names are
// the ones installed, and that its newest release is the version built.
TEST_F(InstalledTree, MetainfoNamesWhatWasInstalled)
{
    QFile file(metainfoFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << metainfoFile().toStdString();
    const QString xml = QString::fromUtf8(file.readAll());
    for (const char *binary : {"orvane", "orvane-tool"})
        EXPECT_TRUE(xml.contains(QStringLiteral("<binary>%1</binary>").arg(QLatin1String(binary)))) << binary;
    EXPECT_TRUE(xml.contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(kAppId)));
    for (QLocale::Language language : StringTable::languages()) {
        const QString code = QLocale::languageToCode(language);
        if (language != QLocale::English) {
            EXPECT_TRUE(xml.contains(QStringLiteral("<summary xml:lang=\"%1\">").arg(code))) << code.toStdString();
        }
    }
    const qsizetype release = xml.indexOf(QLatin1String("<release "));
    ASSERT_GE(release, 0);
    EXPECT_TRUE(xml.mid(release, 80).contains(QStringLiteral("version=\"%1\"").arg(QStringLiteral(ORVANE_VERSION))))
        << xml.mid(release, 80).toStdString();
}

TEST_F(InstalledTree, DesktopEntryPassesDesktopFileValidate)
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (Debian: desktop-file-utils)";
    const Outcome check = run(validator, {desktopFile()});
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
    // Hints are advice; warnings are not let through either.
    EXPECT_FALSE(check.output.contains(QLatin1String("warning:"))) << check.output.toStdString();
}

TEST_F(InstalledTree, MetainfoPassesAppstreamValidation)
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        GTEST_SKIP() << "appstreamcli is not installed (Debian: appstream)";
    // The tree check also looks for the desktop entry the metadata launches.
    const Outcome check = run(validator, {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), stagedRoot()});
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
    EXPECT_TRUE(check.output.contains(kAppId + QStringLiteral(".metainfo.xml"))) << check.output.toStdString();
}

// -----------------------------------------------------------------------------
// The toolbar's icons and tooltips, with an icon theme made for each test
// (none at all unless the test fills it).

class ToolbarIcons : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(themes.isValid());
        savedSearchPaths = QIcon::themeSearchPaths();
        savedFallbackPaths = QIcon::fallbackSearchPaths();
        savedTheme = QIcon::themeName();
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setFallbackSearchPaths({});
        QIcon::setThemeName(QStringLiteral("none-such"));
    }
    void TearDown() override
    {
        controller.reset();
        QIcon::setThemeSearchPaths(savedSearchPaths);
        QIcon::setFallbackSearchPaths(savedFallbackPaths);
        QIcon::setThemeName(savedTheme);
    }

    // A theme of plain 16-pixel icons, each of one colour.
    void makeTheme(const QString &name, const QHash<QString, QColor> &icons)
    {
        const QString dir = themes.filePath(name);
        ASSERT_TRUE(QDir().mkpath(dir + QStringLiteral("/16x16/actions")));
        QFile index(dir + QStringLiteral("/index.theme"));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Test\nDirectories=16x16/actions\n\n"
                    "[16x16/actions]\nSize=16\nType=Fixed\nContext=Actions\n");
        index.close();
        for (auto icon = icons.begin(); icon != icons.end(); ++icon) {
            QImage image(16, 16, QImage::Format_ARGB32);
            image.fill(icon.value());
            ASSERT_TRUE(image.save(dir + QStringLiteral("/16x16/actions/") + icon.key() + QStringLiteral(".png")));
        }
    }

    // The windows in a language, built afresh.
    void loadLayout(const char *language)
    {
        controller.reset();
        strings = StringTable::forLanguage(QLatin1String(language));
        controller = std::make_unique<AppController>(strings);
        controller->loadLayout(strings);
    }

    static QList<QAction *> iconItems()
    {
        QList<QAction *> items;
        for (const char *name :
             {"cardAdd", "cardEdit", "cardRemove", "csvImport", "csvExport", "viewStatistics", "viewNote", "viewTrends"})
            items << control<QAction>(name);
        return items;
    }

    static QRgb centre(const QIcon &icon, int size)
    {
        const QImage image = icon.pixmap(size, size).toImage();
        return image.isNull() ? 0 : image.pixel(image.width() / 2, image.height() / 2);
    }

    QTemporaryDir themes;
    QStringList savedSearchPaths, savedFallbackPaths;
    QString savedTheme;
    StringTable strings = StringTable::forLanguage(QStringLiteral("en"));
    std::unique_ptr<AppController> controller;
};

TEST_F(ToolbarIcons, EveryItemHasItsOwnIconWithoutATheme)
{
    loadLayout("en");
    QList<QImage> seen;
    for (QAction *item : iconItems()) {
        SCOPED_TRACE(item->objectName().toStdString());
        // The small and regular toolbar sizes, drawn at those sizes and not
        // scaled from another.
        for (int size : {16, 24}) {
            EXPECT_TRUE(item->icon().availableSizes().contains(QSize(size, size))) << size;
            const QImage image = item->icon().pixmap(size, size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size));
            int visible = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    visible += qAlpha(image.pixel(x, y)) > 128;
            EXPECT_GT(visible, size * size / 8) << size;
        }
        const QImage image = item->icon().pixmap(24, 24).toImage();
        EXPECT_FALSE(seen.contains(image)) << "same icon as another item";
        seen << image;
    }

    const QList<QSize> sizes = programIcon().availableSizes();
    for (int size : kIconSizes)
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

TEST_F(ToolbarIcons, ThemeIconsComeFirstUnderAnyOfTheirNames)
{
    // list-add for adding; edit-delete, the second choice, for removing;
    // both choices for importing; nothing for editing.
    makeTheme(QStringLiteral("test"), {{QStringLiteral("list-add"), Qt::magenta},
                                       {QStringLiteral("edit-delete"), Qt::magenta},
                                       {QStringLiteral("document-import"), Qt::magenta},
                                       {QStringLiteral("document-open"), Qt::cyan}});
    QIcon::setThemeName(QStringLiteral("test"));
    loadLayout("en");

    const QRgb magenta = QColor(Qt::magenta).rgba();
    EXPECT_EQ(centre(control<QAction>("cardAdd")->icon(), 16), magenta);
    EXPECT_EQ(centre(control<QAction>("cardRemove")->icon(), 16), magenta);
    EXPECT_EQ(centre(control<QAction>("csvImport")->icon(), 16), magenta);
    EXPECT_NE(centre(control<QAction>("cardEdit")->icon(), 16), magenta);
    EXPECT_TRUE(control<QAction>("cardEdit")->icon().availableSizes().contains(QSize(24, 24)));
}

// The words are the string table's; the tooltip adds the shortcut.
TEST_F(ToolbarIcons, TooltipsNameTheItemAndItsShortcut)
{
    loadLayout("en");
    QStringList tips;
    for (QAction *item : iconItems())
        tips << item->toolTip();
    EXPECT_EQ(tips, QStringList({"Add (Ctrl+N)", "Edit (Ctrl+E)", "Remove (Ctrl+Backspace)", "Import (Ctrl+I)",
                                 "Export (Ctrl+Shift+E)", "Statistics (Ctrl+T)", "Note (Ctrl+Shift+N)",
                                 "Trends (Ctrl+Shift+T)"}));
}

} // namespace
