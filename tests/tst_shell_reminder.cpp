// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The update reminder's decisions, on a store the test controls, and what it leaves in the real settings file.
#include "shell/clock.h"
#include "shell/links.h"
#include "shell/messages.h"
#include "shell/scramble.h"
#include "shell/settingsstore.h"
#include "shell/updatereminder.h"

#include <QDesktopServices>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrel::shell;

Q_DECLARE_METATYPE(tavrel::shell::Answer)

namespace {

const QDate july12(2026, 7, 12); // day and month read differently in the USA and in Europe

QString key()
{
    return QStringLiteral("Settings/") + scramble(QStringLiteral("Duration"));
}

QString scrambledDate(const QDate &date)
{
    return scramble(date.toString(Qt::ISODate));
}

class FakeStore final : public SettingsStore
{
public:
    static inline QMap<QString, QString> values; // by "section/entry"
    static inline bool readable = true;
    static inline bool writable = true;

    std::optional<QString> read(const QString &section, const QString &entry) override
    {
        return readable ? std::optional<QString>(values.value(section + QLatin1Char('/') + entry)) : std::nullopt;
    }

    bool write(const QString &section, const QString &entry, const QString &value) override
    {
        if (writable)
            values.insert(section + QLatin1Char('/') + entry, value);
        return writable;
    }
};

std::unique_ptr<SettingsStore> openFakeStore()
{
    return std::make_unique<FakeStore>();
}

} // namespace

class TestShellReminder : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the browser, and notes what the store held when the page was opened.
    void open(const QUrl &url)
    {
        m_opened.append(url.toString() + QLatin1String(" with ") + FakeStore::values.value(key()));
    }

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void decides_data();
    void decides();
    void regionalSettingsDoNotMatter_data();
    void regionalSettingsDoNotMatter();
    void settingsFileHidesNameAndDate();

private:
    QTemporaryDir m_home;
    QDate m_today;
    Answer m_answer = Answer::No;
    QList<MessageRequest> m_asked;
    QStringList m_opened;
};

void TestShellReminder::initTestCase()
{
    QVERIFY(m_home.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path());
    // Nothing below may run against the real user's settings.
    QVERIFY(QSettings(QStringLiteral("Tavrel"), QStringLiteral("x")).fileName().startsWith(m_home.path()));

    for (const QString &scheme : {QStringLiteral("https"), QStringLiteral("http")})
        QDesktopServices::setUrlHandler(scheme, this, "open");
    setMessageSink([this](const MessageRequest &request) {
        m_asked.append(request);
        return m_answer;
    });
    setToday([this] { return m_today; });
}

void TestShellReminder::init()
{
    setSettingsFactory(&openFakeStore);
    FakeStore::values.clear();
    FakeStore::readable = FakeStore::writable = true;
    QLocale::setDefault(QLocale::c());
    m_today = july12;
    m_asked.clear();
    m_opened.clear();
    beginReminderRun();
}

void TestShellReminder::cleanupTestCase()
{
    for (const QString &scheme : {QStringLiteral("https"), QStringLiteral("http")})
        QDesktopServices::unsetUrlHandler(scheme);
}

void TestShellReminder::decides_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("stored"); // null: no entry
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("rewrites"); // stores today; otherwise the entry stays as it was
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("writable");

    const auto row = [](const char *name, QDate today, const QString &stored, Answer answer, bool asks, bool rewrites,
                        bool opens, bool readable = true, bool writable = true) {
        QTest::newRow(name) << today << stored << answer << asks << rewrites << opens << readable << writable;
    };
    const QDate t = july12;
    const auto ago = [t](int days) { return scrambledDate(t.addDays(-days)); };

    row("first run", t, {}, Answer::Yes, false, true, false);
    row("asked today", t, ago(0), Answer::Yes, false, false, false);
    row("14 days ago", t, ago(14), Answer::Yes, false, false, false);
    row("15 days ago, No", t, ago(15), Answer::No, true, true, false);
    row("15 days ago, Yes", t, ago(15), Answer::Yes, true, true, true);
    row("14 days ahead", t, ago(-14), Answer::Yes, false, false, false);
    row("15 days ahead, Yes", t, ago(-15), Answer::Yes, true, true, true);
    row("15 days across 29 February", QDate(2024, 3, 1), scrambledDate(QDate(2024, 2, 15)), Answer::No, true, true,
        false);

    // An unreadable value ends the check and stays as it is.
    row("plain date", t, t.addDays(-30).toString(Qt::ISODate), Answer::Yes, false, false, false);
    row("regional short date", t, scramble(QStringLiteral("6/1/26")), Answer::Yes, false, false, false);
    row("no such day", t, scramble(QStringLiteral("2026-02-30")), Answer::Yes, false, false, false);
    row("no leading zeros", t, scramble(QStringLiteral("2026-6-1")), Answer::Yes, false, false, false);
    row("cut short", t, ago(30).chopped(2), Answer::Yes, false, false, false);

    // A failing store ends the check without a word; after a refused write the download page stays closed.
    row("store unreadable, first run", t, {}, Answer::Yes, false, false, false, false);
    row("store unreadable, due", t, ago(30), Answer::Yes, false, false, false, false);
    row("store refuses writes, first run", t, {}, Answer::Yes, false, false, false, true, false);
    row("store refuses writes, due, Yes", t, ago(30), Answer::Yes, true, false, false, true, false);
}

void TestShellReminder::decides()
{
    QFETCH(QDate, today);
    QFETCH(QString, stored);
    QFETCH(bool, readable);
    QFETCH(bool, writable);
    QFETCH(Answer, answer);
    QFETCH(bool, asks);
    QFETCH(bool, rewrites);
    QFETCH(bool, opens);

    if (!stored.isNull())
        FakeStore::values.insert(key(), stored);
    FakeStore::readable = readable;
    FakeStore::writable = writable;
    m_today = today;
    m_answer = answer;

    RemindOfUpdate();

    QCOMPARE(m_asked.size(), asks ? 1 : 0);
    if (asks) {
        QCOMPARE(m_asked.first().text,
                 QStringLiteral("There maybe an update to this software available\r"
                                "Do you want to check for an update?"));
        QCOMPARE(m_asked.first().buttons, MessageButtons::YesNo);
    }
    QMap<QString, QString> expected;
    if (rewrites || !stored.isNull())
        expected.insert(key(), rewrites ? scrambledDate(today) : stored);
    QCOMPARE(FakeStore::values, expected);
    // The date is stored before the download page is opened.
    const QString download = downloadPageUrl().toString() + QLatin1String(" with ") + scrambledDate(today);
    QCOMPARE(m_opened, opens ? QStringList{download} : QStringList{});

    // Start-up and the input form both check: the second check asks nothing new, also when the store refused
    // to keep the day.
    RemindOfUpdate();
    QCOMPARE(m_asked.size(), asks ? 1 : 0);
    QCOMPARE(m_opened.size(), opens ? 1 : 0);
}

void TestShellReminder::regionalSettingsDoNotMatter_data()
{
    QTest::addColumn<QString>("writtenUnder");
    QTest::addColumn<QString>("readUnder");
    QTest::addColumn<int>("daysLater");
    QTest::addColumn<bool>("asks");

    QTest::newRow("USA, then Germany, 14 days later") << "en_US"
                                                      << "de_DE" << 14 << false;
    QTest::newRow("Germany, then USA, 15 days later") << "de_DE"
                                                      << "en_US" << 15 << true;
}

// A date stored under one region's settings reads back as the same day under another's, and a two-digit year
// never turns into a date of the last century.
void TestShellReminder::regionalSettingsDoNotMatter()
{
    QFETCH(QString, writtenUnder);
    QFETCH(QString, readUnder);
    QFETCH(int, daysLater);
    QFETCH(bool, asks);

    QLocale::setDefault(QLocale(writtenUnder));
    RemindOfUpdate(); // first run
    QLocale::setDefault(QLocale(readUnder));
    m_today = july12.addDays(daysLater);
    RemindOfUpdate();

    QCOMPARE(m_asked.size(), asks ? 1 : 0);
}

void TestShellReminder::settingsFileHidesNameAndDate()
{
    setSettingsFactory(nullptr);
    m_today = QDate(2026, 1, 5);
    RemindOfUpdate(); // first run
    m_today = july12;
    RemindOfUpdate(); // reads the first date back from the file, asks and stores today
    QCOMPARE(m_asked.size(), 1);

    QFile file(m_home.filePath(QStringLiteral("Tavrel/tst_shell_reminder.conf")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    QVERIFY2(contents.startsWith("[Settings]\n"), contents.constData());
    for (const char *plain : {"duration", "2026", "7/12/26", "12.07.26"})
        QVERIFY2(!contents.toLower().contains(plain), contents.constData());
}

QTEST_MAIN(TestShellReminder)
#include "tst_shell_reminder.moc"
