#include "clock.h"
#include "links.h"
#include "messages.h"
#include "scramble.h"
#include "settingsstore.h"
#include "updatereminder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrel::shell;

Q_DECLARE_METATYPE(tavrel::shell::Answer)

namespace {

const QString question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");
const QDate july12 = QDate(2026, 7, 12); // day and month read differently in the USA and in Europe

// Where the reminder keeps its date: a fake store the test controls, or QSettings in a temporary folder.
enum class Backend { Fake, SettingsFile };

struct FakeStoreState {
    QMap<QString, QString> values;
    bool readable = true;
    bool writable = true;
    int writeAttempts = 0;
};
FakeStoreState fake;

class FakeStore final : public SettingsStore
{
public:
    std::optional<QString> read(const QString &section, const QString &entry) override
    {
        if (!fake.readable)
            return std::nullopt;
        return fake.values.value(section + QLatin1Char('/') + entry);
    }

    bool write(const QString &section, const QString &entry, const QString &value) override
    {
        ++fake.writeAttempts;
        if (!fake.writable)
            return false;
        fake.values.insert(section + QLatin1Char('/') + entry, value);
        return true;
    }
};

std::unique_ptr<SettingsStore> openFakeStore()
{
    return std::make_unique<FakeStore>();
}

// Stands in for the browser, and notes what the store held at the moment the page was opened.
class FakeBrowser : public QObject
{
    Q_OBJECT

public:
    std::function<std::optional<QString>()> storedNow;
    QList<QUrl> opened;
    QList<std::optional<QString>> storedWhenOpened;

public slots:
    void open(const QUrl &url)
    {
        opened.append(url);
        storedWhenOpened.append(storedNow());
    }
};

QString key()
{
    return QStringLiteral("Settings/") + scramble(QStringLiteral("Duration"));
}

QString scrambledDate(const QDate &date)
{
    return scramble(date.toString(Qt::ISODate));
}

} // namespace

Q_DECLARE_METATYPE(Backend)

class TestShellReminder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void clockCanBeFixed();
    void decides_data();
    void decides();
    void failingFakeStore_data();
    void failingFakeStore();
    void brokenSettingsFile_data();
    void brokenSettingsFile();
    void sameDayTwice_data();
    void sameDayTwice();
    void settingsFileHidesNameAndDate();
    void regionalSettingsDoNotMatter_data();
    void regionalSettingsDoNotMatter();

private:
    void useBackend(Backend backend);
    void setStored(const std::optional<QString> &raw);
    std::optional<QString> stored() const;
    QString settingsFile() const;
    QByteArray settingsFileContents() const;
    void verifyStoredDate(const QDate &expected) const;

    QTemporaryDir m_home;
    Backend m_backend = Backend::Fake;
    QDate m_today = july12;
    Answer m_answer = Answer::No;
    QList<MessageRequest> m_asked;
    FakeBrowser m_browser;
};

void TestShellReminder::initTestCase()
{
    QVERIFY(m_home.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_home.path());
    // Nothing below may run against the real user's settings.
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavrel"),
                          QStringLiteral("tst_shell_reminder"));
    QCOMPARE(probe.fileName(), settingsFile());

    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
    m_browser.storedNow = [this] { return stored(); };
    setMessageSink([this](const MessageRequest &request) {
        m_asked.append(request);
        return m_answer;
    });
    setToday([this] { return m_today; });
}

void TestShellReminder::init()
{
    QDir(m_home.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_home.path() + QStringLiteral("/Tavrel")));
    fake = FakeStoreState();
    m_today = july12;
    m_answer = Answer::No;
    m_asked.clear();
    m_browser.opened.clear();
    m_browser.storedWhenOpened.clear();
    useBackend(Backend::SettingsFile);
}

void TestShellReminder::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestShellReminder::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    setMessageSink({});
    setToday({});
    setSettingsFactory(nullptr);
}

void TestShellReminder::useBackend(Backend backend)
{
    m_backend = backend;
    setSettingsFactory(backend == Backend::Fake ? &openFakeStore : nullptr);
}

void TestShellReminder::setStored(const std::optional<QString> &raw)
{
    if (m_backend == Backend::Fake) {
        if (raw)
            fake.values.insert(key(), *raw);
        else
            fake.values.remove(key());
        return;
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavrel"),
                       QStringLiteral("tst_shell_reminder"));
    if (raw)
        settings.setValue(key(), *raw);
    else
        settings.remove(key());
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

std::optional<QString> TestShellReminder::stored() const
{
    if (m_backend == Backend::Fake) {
        if (!fake.values.contains(key()))
            return std::nullopt;
        return fake.values.value(key());
    }
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavrel"),
                             QStringLiteral("tst_shell_reminder"));
    if (!settings.contains(key()))
        return std::nullopt;
    return settings.value(key()).toString();
}

QString TestShellReminder::settingsFile() const
{
    return m_home.path() + QStringLiteral("/Tavrel/tst_shell_reminder.conf");
}

QByteArray TestShellReminder::settingsFileContents() const
{
    QFile file(settingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TestShellReminder::verifyStoredDate(const QDate &expected) const
{
    const std::optional<QString> raw = stored();
    QVERIFY(raw);
    const std::optional<QString> text = unscramble(*raw);
    QVERIFY2(text, qPrintable(*raw));
    QCOMPARE(QDate::fromString(*text, Qt::ISODate), expected);
}

void TestShellReminder::clockCanBeFixed()
{
    QCOMPARE(today(), july12);

    setToday({});
    const QDate before = QDate::currentDate();
    const QDate now = today();
    QVERIFY(now == before || now == QDate::currentDate());

    setToday([this] { return m_today; });
    m_today = QDate(2030, 1, 1);
    QCOMPARE(today(), QDate(2030, 1, 1));
}

void TestShellReminder::decides_data()
{
    QTest::addColumn<Backend>("backend");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("rewrites");
    QTest::addColumn<bool>("opens");

    const QDate t = july12;
    for (const Backend backend : {Backend::Fake, Backend::SettingsFile}) {
        const QByteArray prefix = backend == Backend::Fake ? "fake store: " : "settings file: ";
        const auto row = [&](const char *name) -> QTestData & { return QTest::newRow((prefix + name).constData()) << backend; };

        row("first run") << t << false << QString() << Answer::Yes << false << true << false;
        row("empty value") << t << true << QString() << Answer::Yes << false << true << false;
        row("asked today") << t << true << scrambledDate(t) << Answer::Yes << false << false << false;
        row("8 days ago") << t << true << scrambledDate(t.addDays(-8)) << Answer::Yes << false << false << false;
        row("14 days ago") << t << true << scrambledDate(t.addDays(-14)) << Answer::Yes << false << false << false;
        row("15 days ago, No") << t << true << scrambledDate(t.addDays(-15)) << Answer::No << true << true << false;
        row("15 days ago, Yes") << t << true << scrambledDate(t.addDays(-15)) << Answer::Yes << true << true << true;
        row("14 days ahead") << t << true << scrambledDate(t.addDays(14)) << Answer::Yes << false << false << false;
        row("15 days ahead, No") << t << true << scrambledDate(t.addDays(15)) << Answer::No << true << true << false;
        row("15 days ahead, Yes") << t << true << scrambledDate(t.addDays(15)) << Answer::Yes << true << true << true;
        row("across the new year") << QDate(2027, 1, 3) << true << scrambledDate(QDate(2026, 12, 19)) << Answer::No
                                   << true << true << false;
        row("14 days across 29 February") << QDate(2024, 3, 1) << true << scrambledDate(QDate(2024, 2, 16))
                                          << Answer::No << false << false << false;
        row("15 days across 29 February") << QDate(2024, 3, 1) << true << scrambledDate(QDate(2024, 2, 15))
                                          << Answer::No << true << true << false;
        row("15 days across 28 February") << QDate(2023, 3, 1) << true << scrambledDate(QDate(2023, 2, 14))
                                          << Answer::No << true << true << false;
        row("ten years ago") << t << true << scrambledDate(t.addYears(-10)) << Answer::Yes << true << true << true;

        // Unreadable values end the check and stay as they are.
        row("garbage") << t << true << QStringLiteral("not a date") << Answer::Yes << false << false << false;
        row("plain date, not scrambled") << t << true << t.addDays(-30).toString(Qt::ISODate) << Answer::Yes << false
                                         << false << false;
        row("scrambled regional short date") << t << true << scramble(QStringLiteral("6/1/26")) << Answer::Yes
                                             << false << false << false;
        row("scrambled day that does not exist") << t << true << scramble(QStringLiteral("2026-02-30")) << Answer::Yes
                                                 << false << false << false;
        row("scrambled date without leading zeros") << t << true << scramble(QStringLiteral("2026-6-1")) << Answer::Yes
                                                    << false << false << false;
        row("scrambled date and time") << t << true << scramble(QStringLiteral("2026-06-01T10:00:00")) << Answer::Yes
                                       << false << false << false;
        row("scrambled date with a blank") << t << true << scramble(QStringLiteral(" 2026-06-01")) << Answer::Yes
                                           << false << false << false;
        row("scrambled date cut short") << t << true << scrambledDate(t.addDays(-30)).chopped(2) << Answer::Yes
                                        << false << false << false;
    }
}

void TestShellReminder::decides()
{
    QFETCH(Backend, backend);
    QFETCH(QDate, today);
    QFETCH(bool, present);
    QFETCH(QString, raw);
    QFETCH(Answer, answer);
    QFETCH(bool, asks);
    QFETCH(bool, rewrites);
    QFETCH(bool, opens);

    useBackend(backend);
    if (present)
        setStored(raw);
    m_today = today;
    m_answer = answer;

    RemindOfUpdate();

    if (asks) {
        QCOMPARE(m_asked.size(), 1);
        QCOMPARE(m_asked.first().text, question);
        QCOMPARE(m_asked.first().title, QStringLiteral("Tavrel"));
        QCOMPARE(m_asked.first().buttons, MessageButtons::YesNo);
    } else {
        QCOMPARE(m_asked.size(), 0);
    }

    if (rewrites)
        verifyStoredDate(today);
    else
        QCOMPARE(stored(), present ? std::optional<QString>(raw) : std::nullopt);

    if (opens) {
        QCOMPARE(m_browser.opened, QList<QUrl>{downloadPageUrl()});
        // The date was stored before the page was opened.
        QCOMPARE(m_browser.storedWhenOpened.first(), stored());
    } else {
        QVERIFY(m_browser.opened.isEmpty());
    }
}

void TestShellReminder::failingFakeStore_data()
{
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("present");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("asks");

    QTest::newRow("cannot be read, first run") << false << true << false << Answer::Yes << false;
    QTest::newRow("cannot be read, 30 days ago") << false << true << true << Answer::Yes << false;
    QTest::newRow("refuses writes, first run") << true << false << false << Answer::Yes << false;
    QTest::newRow("refuses writes, 30 days ago, No") << true << false << true << Answer::No << true;
    QTest::newRow("refuses writes, 30 days ago, Yes") << true << false << true << Answer::Yes << true;
}

// A store that fails ends the check without a word; after a failed write the download page stays closed.
void TestShellReminder::failingFakeStore()
{
    QFETCH(bool, readable);
    QFETCH(bool, writable);
    QFETCH(bool, present);
    QFETCH(Answer, answer);
    QFETCH(bool, asks);

    useBackend(Backend::Fake);
    const QString before = scrambledDate(july12.addDays(-30));
    if (present)
        setStored(before);
    fake.readable = readable;
    fake.writable = writable;
    m_answer = answer;

    RemindOfUpdate();

    QCOMPARE(m_asked.size(), asks ? 1 : 0);
    QVERIFY(m_browser.opened.isEmpty());
    QCOMPARE(stored(), present ? std::optional<QString>(before) : std::nullopt);
    if (!readable)
        QCOMPARE(fake.writeAttempts, 0);
}

void TestShellReminder::brokenSettingsFile_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: a folder stands where the file belongs

    QTest::newRow("malformed file") << QByteArray("[Settings\nx=1\n");
    QTest::newRow("folder in place of the file") << QByteArray();
}

void TestShellReminder::brokenSettingsFile()
{
    QFETCH(QByteArray, contents);

    if (contents.isEmpty()) {
        QVERIFY(QDir().mkpath(settingsFile()));
    } else {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    m_answer = Answer::Yes;

    RemindOfUpdate();

    QVERIFY(m_asked.isEmpty());
    QVERIFY(m_browser.opened.isEmpty());
    QCOMPARE(settingsFileContents(), contents);
}

void TestShellReminder::sameDayTwice_data()
{
    QTest::addColumn<Backend>("backend");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<int>("asks");
    QTest::addColumn<int>("opens");

    for (const Backend backend : {Backend::Fake, Backend::SettingsFile}) {
        const QByteArray prefix = backend == Backend::Fake ? "fake store: " : "settings file: ";
        const auto row = [&](const char *name) -> QTestData & { return QTest::newRow((prefix + name).constData()) << backend; };

        row("first run") << false << 0 << Answer::Yes << true << 0 << 0;
        row("due, Yes") << true << 20 << Answer::Yes << true << 1 << 1;
        row("due, No") << true << 20 << Answer::No << true << 1 << 0;
        row("due, clock set back") << true << -20 << Answer::No << true << 1 << 0;
    }
    // Only a check that could not store the date lets the next one ask again.
    QTest::newRow("fake store refusing writes: due, Yes") << Backend::Fake << true << 20 << Answer::Yes << false << 2 << 0;
}

// Start-up and the input form's load both run the check on the same day.
void TestShellReminder::sameDayTwice()
{
    QFETCH(Backend, backend);
    QFETCH(bool, present);
    QFETCH(int, daysAgo);
    QFETCH(Answer, answer);
    QFETCH(bool, writable);
    QFETCH(int, asks);
    QFETCH(int, opens);

    useBackend(backend);
    if (present)
        setStored(scrambledDate(july12.addDays(-daysAgo)));
    fake.writable = writable;
    m_answer = answer;

    RemindOfUpdate();
    RemindOfUpdate();

    QCOMPARE(m_asked.size(), asks);
    QCOMPARE(m_browser.opened.size(), opens);
}

void TestShellReminder::settingsFileHidesNameAndDate()
{
    m_today = QDate(2026, 1, 5);
    RemindOfUpdate(); // first run
    m_today = QDate(2026, 7, 12);
    m_answer = Answer::Yes;
    RemindOfUpdate(); // asks and stores the new date
    QCOMPARE(m_asked.size(), 1);

    const QByteArray contents = settingsFileContents();
    QVERIFY2(contents.contains("[Settings]"), contents.constData());
    QVERIFY2(!contents.contains("Duration"), contents.constData());
    QVERIFY2(!contents.contains("duration"), contents.constData());
    QVERIFY2(!contents.contains("2026"), contents.constData());
    QVERIFY2(!contents.contains("7/12/26"), contents.constData());
    QVERIFY2(!contents.contains("12.07.26"), contents.constData());
}

void TestShellReminder::regionalSettingsDoNotMatter_data()
{
    QTest::addColumn<QString>("writtenUnder");
    QTest::addColumn<QString>("readUnder");
    QTest::addColumn<int>("daysLater");
    QTest::addColumn<bool>("asks");

    QTest::newRow("USA, then Germany, 8 days later") << "en_US" << "de_DE" << 8 << false;
    QTest::newRow("Germany, then USA, 8 days later") << "de_DE" << "en_US" << 8 << false;
    QTest::newRow("Britain, then USA, 14 days later") << "en_GB" << "en_US" << 14 << false;
    QTest::newRow("USA, same region, 14 days later") << "en_US" << "en_US" << 14 << false;
    QTest::newRow("Japan, then France, 14 days later") << "ja_JP" << "fr_FR" << 14 << false;
    QTest::newRow("USA, then Germany, 15 days later") << "en_US" << "de_DE" << 15 << true;
    QTest::newRow("Germany, then USA, 15 days later") << "de_DE" << "en_US" << 15 << true;
}

// The date written under one region's settings reads back as the same day under another's, and a two-digit
// year never turns into a date of the last century.
void TestShellReminder::regionalSettingsDoNotMatter()
{
    QFETCH(QString, writtenUnder);
    QFETCH(QString, readUnder);
    QFETCH(int, daysLater);
    QFETCH(bool, asks);

    QLocale::setDefault(QLocale(writtenUnder));
    RemindOfUpdate(); // first run on 12 July 2026
    verifyStoredDate(july12);

    QLocale::setDefault(QLocale(readUnder));
    m_today = july12.addDays(daysLater);
    RemindOfUpdate();

    QCOMPARE(m_asked.size(), asks ? 1 : 0);
}

QTEST_MAIN(TestShellReminder)
#include "tst_shell_reminder.moc"
