#include "platform/app_paths.h"
#include "platform/ini_settings.h"
#include "platform/scratch_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(IniValue, ReadsWithDefaults)
{
    const QByteArray file = "; settings\r\n[New]\r\nW = 80.6 \r\nH=25\r\n\r\n[print]\r\nR=300\r\n";
    EXPECT_EQ(iniValue(file, "New", "W", "72"), QByteArray("80.6"));
    EXPECT_EQ(iniValue(file, "new", "h", "1"), QByteArray("25")) << "names ignore case";
    EXPECT_EQ(iniValue(file, "Print", "R", "203"), QByteArray("300"));
    EXPECT_EQ(iniValue(file, "Print", "D", "1"), QByteArray("1")) << "missing key";
    EXPECT_EQ(iniValue(file, "Other", "W", "72"), QByteArray("72")) << "missing section";
    EXPECT_EQ(iniValue(QByteArray(), "New", "W", "72"), QByteArray("72")) << "empty file";
    EXPECT_EQ(iniValue("[New]\nW=1\n[Print]\nW=2\n", "Print", "W", ""), QByteArray("2")) << "keys belong to their section";
    EXPECT_EQ(iniValue("[New]\r\nW=" + QByteArray(20000, '7') + "\r\n", "New", "W", "").size(), 10240);
}

TEST(IniWithValue, ReplacesOrAddsAndKeepsTheRest)
{
    EXPECT_EQ(iniWithValue(QByteArray(), "New", "W", "72"), QByteArray("[New]\r\nW=72\r\n"));
    EXPECT_EQ(iniWithValue("[New]\r\nW=72\r\nH=25\r\n", "New", "W", "80.6"), QByteArray("[New]\r\nW=80.6\r\nH=25\r\n"));
    EXPECT_EQ(iniWithValue("[New]\r\nW=72\r\n\r\n[Print]\r\nR=203\r\n", "New", "H", "30"),
              QByteArray("[New]\r\nW=72\r\nH=30\r\n\r\n[Print]\r\nR=203\r\n"));
    EXPECT_EQ(iniWithValue("[New]\r\nW=72\r\n", "Print", "N", "\xB4\xF2\xD3\xA1\xBB\xFA"),
              QByteArray("[New]\r\nW=72\r\n\r\n[Print]\r\nN=\xB4\xF2\xD3\xA1\xBB\xFA\r\n"));
    EXPECT_EQ(iniWithValue(QByteArray(), "New", "W", "1\r\n[Print]"), QByteArray("[New]\r\nW=1\r\n"))
        << "a value never brings a line of its own";
}

TEST(IniSettings, WritesOnlyWhereAFolderIsAndKeepsItsValues)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const IniSettings portable(root.filePath(QStringLiteral("ini/label.ini")));
    EXPECT_EQ(portable.read("New", "W", "72"), QByteArray("72"));
    EXPECT_FALSE(portable.write("New", "W", "80")) << "the program never makes the ini folder";
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("ini"))));

    const IniSettings perUser(root.filePath(QStringLiteral("config/vortelle/label.ini")), true);
    EXPECT_TRUE(perUser.write("New", "W", "80"));
    EXPECT_TRUE(perUser.write("New", "H", "30"));
    EXPECT_TRUE(perUser.write("New", "W", "81"));
    EXPECT_EQ(perUser.read("New", "W", "72"), QByteArray("81"));
    EXPECT_EQ(readAll(perUser.path()), QByteArray("[New]\r\nW=81\r\nH=30\r\n"));
}

TEST(AppPaths, PortableFoldersWinThenThePerUserOnes)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString program = root.filePath(QStringLiteral("bin"));
    QDir().mkpath(program);
    const QString config = root.filePath(QStringLiteral("config"));
    const QString documents = root.filePath(QStringLiteral("docs"));

    AppPaths paths = resolveAppPaths(program, QString(), config, documents, QStringLiteral("/tmp"));
    EXPECT_EQ(paths.settingsFile, config + QStringLiteral("/label.ini"));
    EXPECT_TRUE(paths.settingsFolderIsOurs);
    EXPECT_EQ(paths.labFolder, documents);
    EXPECT_EQ(paths.tempFolder, QStringLiteral("/tmp"));

    QDir().mkpath(program + QStringLiteral("/ini"));
    QDir().mkpath(program + QStringLiteral("/lab"));
    paths = resolveAppPaths(program, QString(), config, documents, QStringLiteral("/tmp"));
    EXPECT_EQ(paths.settingsFile, program + QStringLiteral("/ini/label.ini"));
    EXPECT_FALSE(paths.settingsFolderIsOurs);
    EXPECT_EQ(paths.labFolder, program + QStringLiteral("/lab"));

    const QString home = root.filePath(QStringLiteral("home"));
    paths = resolveAppPaths(program, home, config, documents, QStringLiteral("/tmp"));
    EXPECT_EQ(paths.settingsFile, home + QStringLiteral("/ini/label.ini"));
    EXPECT_EQ(paths.labFolder, home + QStringLiteral("/lab"));
}

TEST(ScratchFolder, IsMadeNewAndPrivateAndNeverTakesOverAName)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const ScratchFolderResult first = createScratchFolder(temp.path(), QStringLiteral("201556953"));
    ASSERT_FALSE(first.error);
    EXPECT_EQ(first.path, temp.path() + QStringLiteral("/label/201556953"));
    EXPECT_EQ(QFileInfo(first.path).permissions() & 0x7077, 0x7000) << "owner only";

    // A second run in the same second, and a link planted under the next name, are stepped over.
    const QString elsewhere = temp.filePath(QStringLiteral("elsewhere"));
    QDir().mkpath(elsewhere);
    ASSERT_TRUE(QFile::link(elsewhere, temp.path() + QStringLiteral("/label/201556953-1")));
    const ScratchFolderResult second = createScratchFolder(temp.path(), QStringLiteral("201556953"));
    ASSERT_FALSE(second.error);
    EXPECT_EQ(second.path, temp.path() + QStringLiteral("/label/201556953-2"));
    EXPECT_FALSE(QFileInfo(second.path).isSymLink());
}

TEST(ScratchFolder, ReportsWhichStepFailed)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    QFile blocker(temp.filePath(QStringLiteral("label")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(createScratchFolder(temp.path(), QStringLiteral("1")).error, ScratchFolderError::CannotCreateParent);

    QTemporaryDir other;
    EXPECT_EQ(createScratchFolder(other.path(), QString(300, QLatin1Char('9'))).error,
              ScratchFolderError::CannotCreateRunFolder);
}

TEST(ScratchFolder, RemovalTakesEverythingInsideButNeverFollowsALink)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const ScratchFolderResult scratch = createScratchFolder(temp.path(), QStringLiteral("1"));
    ASSERT_FALSE(scratch.error);
    const QString keep = temp.filePath(QStringLiteral("keep"));
    QDir().mkpath(keep);
    QFile precious(keep + QStringLiteral("/precious"));
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.close();
    QFile tmp(scratch.path + QStringLiteral("/B1.tmp"));
    ASSERT_TRUE(tmp.open(QIODevice::WriteOnly));
    tmp.close();
    ASSERT_TRUE(QFile::link(keep, scratch.path + QStringLiteral("/link")));

    EXPECT_TRUE(removeScratchFolder(scratch.path));
    EXPECT_FALSE(QFileInfo::exists(scratch.path));
    EXPECT_TRUE(QFileInfo::exists(precious.fileName()));
    EXPECT_TRUE(QFileInfo(temp.filePath(QStringLiteral("label"))).isDir());
}
