#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrel::shell;

namespace {

class NullStore final : public SettingsStore
{
public:
    std::optional<QString> read(const QString &, const QString &) override { return QStringLiteral("from the fake"); }
    bool write(const QString &, const QString &, const QString &) override { return false; }
};

std::unique_ptr<SettingsStore> nullStore()
{
    return std::make_unique<NullStore>();
}

} // namespace

class TestShellSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void storeLivesInTheTemporaryFolder();
    void roundTrip_data();
    void roundTrip();
    void missingEntryReadsEmpty();
    void sectionsKeepEntriesApart();
    void handEditedListReadsAsText();
    void brokenStore_data();
    void brokenStore();
    void folderInPlaceOfTheFileRefusesWrites();
    void factoryReplacesTheStore();

private:
    QString configFile() const;
    void writeConfigFile(const QByteArray &contents) const;
    QByteArray configFileContents() const;

    QTemporaryDir m_home;
};

void TestShellSettings::initTestCase()
{
    QVERIFY(m_home.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_home.path());
    // Nothing below may run against the real user's settings.
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavrel"),
                          QStringLiteral("tst_shell_settings"));
    QCOMPARE(probe.fileName(), configFile());
}

void TestShellSettings::init()
{
    QDir(m_home.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_home.path() + QStringLiteral("/Tavrel")));
}

void TestShellSettings::cleanupTestCase()
{
    setSettingsFactory(nullptr);
}

QString TestShellSettings::configFile() const
{
    // Organisation "Tavrel", application named after this test's executable.
    return m_home.path() + QStringLiteral("/Tavrel/tst_shell_settings.conf");
}

void TestShellSettings::writeConfigFile(const QByteArray &contents) const
{
    QFile file(configFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

QByteArray TestShellSettings::configFileContents() const
{
    QFile file(configFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TestShellSettings::storeLivesInTheTemporaryFolder()
{
    QVERIFY(openUserSettings()->write(QStringLiteral("Settings"), QStringLiteral("entry"), QStringLiteral("value")));

    QVERIFY(QFile::exists(configFile()));
    const QByteArray contents = configFileContents();
    QVERIFY2(contents.contains("[Settings]"), contents.constData());
    QVERIFY2(contents.contains("entry=value"), contents.constData());
}

void TestShellSettings::roundTrip_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("value");

    QTest::newRow("plain") << QStringLiteral("Duration") << QStringLiteral("2026-07-12");
    QTest::newRow("hex-like entry name") << QStringLiteral("tv0a1b2c3d") << QStringLiteral("tv99887766");
    QTest::newRow("entry name with blank") << QStringLiteral("last reminder") << QStringLiteral("x");
    QTest::newRow("comma") << QStringLiteral("list") << QStringLiteral("a, b");
    QTest::newRow("settings syntax") << QStringLiteral("syntax") << QStringLiteral("[x]=y;#z @Variant(1) \"q\"");
    QTest::newRow("outer blanks") << QStringLiteral("blanks") << QStringLiteral("  padded  ");
    QTest::newRow("line breaks") << QStringLiteral("lines") << QStringLiteral("one\rtwo\nthree");
    QTest::newRow("non-ASCII") << QStringLiteral("Übung") << QStringLiteral("\u05d0 \U0001F31E é");
}

void TestShellSettings::roundTrip()
{
    QFETCH(QString, entry);
    QFETCH(QString, value);

    QVERIFY(openUserSettings()->write(QStringLiteral("Settings"), entry, value));
    // A store opened afterwards reads what the file holds, not what an earlier object remembers.
    QCOMPARE(openUserSettings()->read(QStringLiteral("Settings"), entry), std::optional<QString>(value));
}

void TestShellSettings::missingEntryReadsEmpty()
{
    QVERIFY(!QFile::exists(configFile()));
    QCOMPARE(openUserSettings()->read(QStringLiteral("Settings"), QStringLiteral("x")), std::optional<QString>(QString()));

    QVERIFY(openUserSettings()->write(QStringLiteral("Settings"), QStringLiteral("y"), QStringLiteral("1")));
    QCOMPARE(openUserSettings()->read(QStringLiteral("Settings"), QStringLiteral("x")), std::optional<QString>(QString()));
}

void TestShellSettings::sectionsKeepEntriesApart()
{
    const std::unique_ptr<SettingsStore> store = openUserSettings();
    QVERIFY(store->write(QStringLiteral("Settings"), QStringLiteral("x"), QStringLiteral("1")));
    QVERIFY(store->write(QStringLiteral("Other"), QStringLiteral("x"), QStringLiteral("2")));

    QCOMPARE(openUserSettings()->read(QStringLiteral("Settings"), QStringLiteral("x")), std::optional<QString>(QStringLiteral("1")));
    QCOMPARE(openUserSettings()->read(QStringLiteral("Other"), QStringLiteral("x")), std::optional<QString>(QStringLiteral("2")));
}

// A value typed into the file by hand may parse as a list; it is still text, and must not read as "nothing
// recorded".
void TestShellSettings::handEditedListReadsAsText()
{
    writeConfigFile("[Settings]\nx=a, b\n");

    QCOMPARE(openUserSettings()->read(QStringLiteral("Settings"), QStringLiteral("x")), std::optional<QString>(QStringLiteral("a, b")));
}

void TestShellSettings::brokenStore_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: a folder stands where the file belongs

    QTest::newRow("malformed file") << QByteArray("[Settings\nx=1\n");
    QTest::newRow("folder in place of the file") << QByteArray();
}

void TestShellSettings::brokenStore()
{
    QFETCH(QByteArray, contents);

    if (contents.isEmpty())
        QVERIFY(QDir().mkpath(configFile()));
    else
        writeConfigFile(contents);

    QCOMPARE(openUserSettings()->read(QStringLiteral("Settings"), QStringLiteral("x")), std::nullopt);
    QCOMPARE(configFileContents(), contents);
}

void TestShellSettings::folderInPlaceOfTheFileRefusesWrites()
{
    QVERIFY(QDir().mkpath(configFile()));

    QVERIFY(!openUserSettings()->write(QStringLiteral("Settings"), QStringLiteral("x"), QStringLiteral("2")));
    QVERIFY(QFileInfo(configFile()).isDir());
}

void TestShellSettings::factoryReplacesTheStore()
{
    setSettingsFactory(&nullStore);
    QCOMPARE(openSettings()->read(QStringLiteral("Settings"), QStringLiteral("x")), std::optional<QString>(QStringLiteral("from the fake")));
    QVERIFY(!QFile::exists(configFile()));

    setSettingsFactory(nullptr);
    QVERIFY(openSettings()->write(QStringLiteral("Settings"), QStringLiteral("x"), QStringLiteral("real")));
    QVERIFY(configFileContents().contains("x=real"));
}

QTEST_GUILESS_MAIN(TestShellSettings)
#include "tst_shell_settings.moc"
