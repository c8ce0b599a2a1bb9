// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real settings store, in a temporary folder, and the scrambling that hides the reminder's entry in it.
#include "shell/portablesettings.h"
#include "shell/scramble.h"
#include "shell/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <future>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/fsuid.h>
#endif

using namespace tavrel::shell;

namespace {

// Flips bits of the first byte that scrambled text encodes and mends the check digits to match, as a careful
// hand edit could. The check is a CRC-16, so the change it needs depends on the flipped bits alone.
QString editFirstByte(const QString &scrambled, char flip)
{
    QByteArray bytes = QByteArray::fromHex(scrambled.mid(2).toLatin1());
    QByteArray delta(bytes.size() - 2, '\0');
    const quint16 ofZeros = qChecksum(delta);
    delta[0] = flip;
    const quint16 change = qChecksum(delta) ^ ofZeros;
    bytes[0] = char(bytes.at(0) ^ flip);
    bytes[bytes.size() - 2] = char(bytes.at(bytes.size() - 2) ^ (change >> 8));
    bytes[bytes.size() - 1] = char(bytes.at(bytes.size() - 1) ^ (change & 0xff));
    return scrambled.left(2) + QString::fromLatin1(bytes.toHex());
}

// Whether a store opens without waiting. Should it wait on the named pipe at `pipe`, a writer comes after a while
// and lets it go.
bool opensWithoutWaiting([[maybe_unused]] const QString &pipe)
{
    auto opened = std::async(std::launch::async, [] { openUserSettings(); });
    if (opened.wait_for(std::chrono::seconds(30)) == std::future_status::ready)
        return true;
#ifdef Q_OS_UNIX
    if (const int writer = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK); writer >= 0)
        ::close(writer);
#endif
    opened.wait();
    return false;
}

} // namespace

class TestShellSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void store_data();
    void store();
    void unscrambling_data();
    void unscrambling();
    void portable_data();
    void portable();

private:
    QTemporaryDir m_home;
    QTemporaryDir m_program; // the folder of the executable, as far as the settings are concerned
    QString m_file;
};

void TestShellSettings::initTestCase()
{
    QVERIFY(m_home.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_home.filePath(QStringLiteral("system")));
    // Organisation "Tavrel", application named after this test's executable; never the user's own settings.
    m_file = m_home.filePath(QStringLiteral("Tavrel/tst_shell_settings.conf"));
    QCOMPARE(QSettings(QStringLiteral("Tavrel"), QStringLiteral("tst_shell_settings")).fileName(), m_file);
    QVERIFY(m_program.isValid());
    setProgramFolder(m_program.path());
}

void TestShellSettings::init()
{
    QDir(m_home.path()).removeRecursively();
    QDir(m_program.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_program.path()));
    QVERIFY(QDir().mkpath(m_home.filePath(QStringLiteral("Tavrel"))));
    QVERIFY(QDir().mkpath(m_home.filePath(QStringLiteral("system/Tavrel"))));
}

void TestShellSettings::store_data()
{
    QTest::addColumn<QString>("place"); // where something stands beforehand, in the settings folder
    QTest::addColumn<QByteArray>("contents"); // a file's contents, or "<folder>" or "<pipe>"
    QTest::addColumn<QString>("value"); // what the entry reads as; null: it cannot be read
    QTest::addColumn<bool>("writable");

    const QString file = QStringLiteral("Tavrel/tst_shell_settings.conf");
    const QString none;
    QTest::newRow("no file") << "" << QByteArray() << "" << true;
    QTest::newRow("other entry only") << file << QByteArray("[Settings]\ny=1\n") << "" << true;
    QTest::newRow("hand-typed comma reads as text") << file << QByteArray("[Settings]\nx=a, b\n") << "a, b" << true;
    QTest::newRow("malformed file") << file << QByteArray("[Settings\nx=1\n") << none << false;
    QTest::newRow("folder in place of the file") << file << QByteArray("<folder>") << none << false;
    // A value that cannot be read is not missing: it must stay where it is.
    QTest::newRow("value of another type")
        << file
        << QByteArray("[Settings]\nx=@Variant(\\0\\0\\0\\x13\\0\\0\\0\\x1\\0\\0\\0\\x2\\0\\0\\0\\x3\\0\\0\\0\\x4)\n")
        << none << true;
    QTest::newRow("value of an unknown type")
        << file << QByteArray("[Settings]\nx=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5Thing)\n") << none << true;
    QTest::newRow("value of no type") << file << QByteArray("[Settings]\nx=@Invalid()\n") << none << true;
#ifdef Q_OS_UNIX
    // Opening a named pipe waits for a writer that never comes.
    QTest::newRow("named pipe in place of the file") << file << QByteArray("<pipe>") << none << false;
    // Only the user's own file is read: neither the organisation's file nor those of the whole system.
    QTest::newRow("named pipe in place of the organisation's file")
        << QStringLiteral("Tavrel.conf") << QByteArray("<pipe>") << "" << true;
    QTest::newRow("named pipe in place of the system's file")
        << QStringLiteral("system/Tavrel/tst_shell_settings.conf") << QByteArray("<pipe>") << "" << true;
#endif
    QTest::newRow("system's file") << QStringLiteral("system/Tavrel/tst_shell_settings.conf")
                                   << QByteArray("[Settings]\nx=1\n") << "" << true;
    QTest::newRow("left by a write cut short") << file + ".aB3dE9" << QByteArray("[Settings]\nx=1\n") << "" << true;
    // Not the user's own, left byte for byte as it is: a link (to another user's copy of /etc/passwd, written as
    // root), another user's file, the user's file in another user's folder.
    QTest::newRow("link in place of the file") << file << QByteArray("<link>") << none << false;
    QTest::newRow("another user's file") << file << QByteArray("<another's file>") << none << false;
    QTest::newRow("in another user's folder") << file << QByteArray("<another's folder>") << none << false;
}

// A store keeps what is written for the next store opened, and never takes a value it cannot read for a missing
// one; a store that cannot be read says so, refuses writes, never waits, and leaves its files as they are.
void TestShellSettings::store()
{
    QFETCH(QString, place);
    QFETCH(QByteArray, contents);
    QFETCH(QString, value);
    QFETCH(bool, writable);

    const QString path = m_home.filePath(place);
    QFile file(path);
    if (contents == "<folder>")
        QVERIFY(QDir().mkpath(path));
#ifdef Q_OS_UNIX
    else if (contents == "<pipe>")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    const bool another = contents == "<link>" || contents.startsWith("<another's");
    const QByteArray kept = another ? QByteArray("root:x:0:0::/root:/bin/sh\n") : contents;
    if (!place.isEmpty() && !QFileInfo::exists(path))
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kept) == kept.size());
    file.close();
    if (contents == "<link>")
        QVERIFY(QFile::rename(path, m_home.filePath("passwd")) && QFile::link(QStringLiteral("../passwd"), path));
#ifdef Q_OS_UNIX
    if (another && contents != "<link>" && ::geteuid() != 0)
        QSKIP("only the superuser can give a file to another user");
    if (another && contents != "<link>")
        QCOMPARE(::chown(QFile::encodeName(contents.contains("folder") ? QFileInfo(path).path() : path), 65534, 65534), 0);
#endif

    if (contents == "<pipe>")
        QVERIFY2(opensWithoutWaiting(path), "the store waited on a named pipe");
    const std::unique_ptr<SettingsStore> store = openUserSettings();
    const std::optional<QString> expected = value.isNull() ? std::nullopt : std::optional(value);
    QCOMPARE(store->read(QStringLiteral("Settings"), QStringLiteral("x")), expected);
    const QString written = QStringLiteral("a, b\r\n\u05d0 \U0001F31E");
    QCOMPARE(store->write(QStringLiteral("Settings"), QStringLiteral("z"), written), writable);
    if (writable) {
        QCOMPARE(openUserSettings()->read(QStringLiteral("Settings"), QStringLiteral("z")), std::optional(written));
        QCOMPARE(openUserSettings()->read(QStringLiteral("Settings"), QStringLiteral("x")), expected);
        QVERIFY(!QFileInfo::exists(m_home.filePath(QStringLiteral("Tavrel/tst_shell_settings.conf.aB3dE9"))));
    } else if (contents != "<pipe>") { // a pipe is left alone, since it is never opened
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<folder>"), kept);
        QCOMPARE(QFileInfo(path).isSymLink(), contents == "<link>");
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), 1);
    }
}

void TestShellSettings::unscrambling_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // null: refused

    const auto roundTrip = [](const char *name, const QString &plain) {
        QTest::newRow(name) << scramble(plain) << plain;
    };
    roundTrip("round trip: empty", QStringLiteral(""));
    roundTrip("round trip: entry name", QStringLiteral("Duration"));
    roundTrip("round trip: NUL", QString::fromUtf16(u"a\0b", 3));
    roundTrip("round trip: byte-order mark, Hebrew, astral", QStringLiteral("\uFEFF\u05ea\u05e4 \U0001F31E"));

    const QString date = scramble(QStringLiteral("2026-07-12"));
    QString changed = date;
    changed[8] = changed.at(8) == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
    QTest::newRow("plain date") << "2026-07-12" << QString();
    QTest::newRow("last character cut off") << date.chopped(1) << QString();
    QTest::newRow("last byte cut off") << date.chopped(2) << QString();
    QTest::newRow("one digit changed") << changed << QString();
    QTest::newRow("other marker") << QStringLiteral("tw") + date.mid(2) << QString();
    QTest::newRow("upper-case digits") << date.left(2) + date.mid(2).toUpper() << QString();
    QTest::newRow("two run together") << date + date << QString();
    QTest::newRow("non-Latin character inside") << date.left(6) + QStringLiteral("\u05d0") + date.mid(7) << QString();
    // A hand edit whose check digits match is text like any other, unless its bytes are not UTF-8.
    QTest::newRow("edit with matching check: A to a") << editFirstByte(scramble(QStringLiteral("AB")), 0x20) << "aB";
    QTest::newRow("edit with matching check: A to 0xC1")
        << editFirstByte(scramble(QStringLiteral("AB")), char(0x80)) << QString();
}

void TestShellSettings::unscrambling()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QCOMPARE(unscramble(text), expected.isNull() ? std::nullopt : std::optional<QString>(expected));
}

void TestShellSettings::portable_data()
{
    QTest::addColumn<QString>("beside"); // what stands as tavrel.ini beside the executable: "", "file", "folder", ...
    QTest::addColumn<bool>("used"); // whether the setting is kept there

    QTest::newRow("no file: the user's store") << "" << false;
    QTest::newRow("a file: kept in it") << "file" << true;
    QTest::newRow("a folder of that name") << "folder" << false;
#ifdef Q_OS_UNIX
    QTest::newRow("a named pipe") << "pipe" << false;
    QTest::newRow("a file that cannot be written") << "read-only file" << false;
    QTest::newRow("a folder that cannot be written: written in place") << "read-only folder" << true;
    QTest::newRow("a link to a file") << "link to a file" << false;
    QTest::newRow("another user's file") << "another user's file" << false;
#endif
}

// The setting goes into tavrel.ini beside the executable when a portable copy has one there that it can write,
// and otherwise into the user's store, just as without the file; what stands there is left as it was.
void TestShellSettings::portable()
{
    QFETCH(QString, beside);
    QFETCH(bool, used);

    const QString ini = m_program.filePath(QStringLiteral("tavrel.ini"));
    const QByteArray contents("[Settings]\nx=kept\n");
    if (beside == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(ini));
    } else if (beside.contains(QLatin1String("file")) || beside.startsWith(QLatin1String("read-only"))) {
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    }
#ifdef Q_OS_UNIX
    if (beside == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    if (beside.startsWith(QLatin1String("link")))
        QVERIFY(QFile::rename(ini, m_home.filePath("passwd")) && QFile::link(m_home.filePath("passwd"), ini));
    if (beside.startsWith(QLatin1String("another")) && ::geteuid() != 0)
        QSKIP("only the superuser can give a file to another user");
    if (beside.startsWith(QLatin1String("another")))
        QCOMPARE(::chown(QFile::encodeName(ini).constData(), 65534, 65534), 0);
    // Someone else's copy: the folder may be looked into, and the file read, by everyone.
    const bool readOnly = beside.startsWith(QLatin1String("read-only"));
    if (readOnly) {
        const bool folder = beside == QLatin1String("read-only folder");
        QCOMPARE(::chmod(QFile::encodeName(m_program.path()).constData(), folder ? 0555 : 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(ini).constData(), folder ? 0666 : 0444), 0);
    }
    const auto restore = qScopeGuard([this] { ::chmod(QFile::encodeName(m_program.path()).constData(), 0700); });
#ifdef Q_OS_LINUX
    // The superuser may write anywhere: the store is opened as a user who may not.
    const bool asNobody = readOnly && ::geteuid() == 0;
    if (asNobody)
        ::setfsuid(65534);
#else
    if (readOnly && ::geteuid() == 0)
        QSKIP("the superuser may write anywhere");
#endif
#endif
    std::unique_ptr<SettingsStore> store = openUserSettings();
#ifdef Q_OS_LINUX
    if (asNobody)
        ::setfsuid(0);
#endif
    QCOMPARE(store->read(QStringLiteral("Settings"), QStringLiteral("x")),
             std::optional<QString>(used ? QStringLiteral("kept") : QString()));
    QVERIFY(store->write(QStringLiteral("Settings"), QStringLiteral("z"), QStringLiteral("new")));
    store.reset();

    QCOMPARE(QFileInfo::exists(m_file), !used);
    if (used) {
        QCOMPARE(QSettings(ini, QSettings::IniFormat).value(QStringLiteral("Settings/z")), QVariant("new"));
        QCOMPARE(QSettings(ini, QSettings::IniFormat).value(QStringLiteral("Settings/x")), QVariant("kept"));
    } else if (QFileInfo(ini).isFile()) {
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), contents);
    }
    QCOMPARE(QDir(m_program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(),
             beside.isEmpty() ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestShellSettings)
#include "tst_shell_settings.moc"
