// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever the settings store holds for the reminder, start-up never crashes and never shows a message other
// than the update question.
#include "shell/clock.h"
#include "shell/scramble.h"
#include "shell/settingsstore.h"
#include "shell/updatereminder.h"
#include "tests/apptesthelpers.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace tavrel;

class TestSettingsFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void storedValues_data();
    void storedValues();
    void randomFiles();

private:
    QString settingsFile() const;
    void writeRaw(const QByteArray &value);

    std::unique_ptr<AppHarness> h;
    const QString question = QStringLiteral("There maybe an update to this software available\r"
                                            "Do you want to check for an update?");
};

void TestSettingsFuzz::initTestCase()
{
    h = std::make_unique<AppHarness>();
    shell::setToday([] { return QDate(2026, 12, 7); });
}

QString TestSettingsFuzz::settingsFile() const
{
    // Where the real store keeps its entries, found by writing one.
    shell::openSettings()->write(QStringLiteral("Probe"), QStringLiteral("x"), QStringLiteral("y"));
    QDirIterator it(h->dir.path(), {QStringLiteral("*.conf"), QStringLiteral("*.ini")}, QDir::Files,
                    QDirIterator::Subdirectories);
    return it.hasNext() ? it.next() : QString();
}

// Writes the reminder's entry with raw bytes as its value, bypassing every layer of the application.
void TestSettingsFuzz::writeRaw(const QByteArray &value)
{
    const QString file = settingsFile();
    QVERIFY(!file.isEmpty());
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write("[Settings]\n" + shell::scramble(QStringLiteral("Duration")).toUtf8() + "=" + value + "\n");
}

void TestSettingsFuzz::storedValues_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("mayAsk");

    const QByteArray good = shell::scramble(QStringLiteral("2026-10-01")).toUtf8();
    QTest::newRow("a date long past") << good << true;
    QTest::newRow("plain date") << QByteArray("2026-10-01") << false;
    QTest::newRow("plain regional date") << QByteArray("10/1/26") << false;
    QTest::newRow("truncated") << good.left(good.size() - 3) << false;
    QTest::newRow("one character changed") << QByteArray(good).replace(4, 1, "0") << false;
    QTest::newRow("scrambled non-date") << shell::scramble(QStringLiteral("hello")).toUtf8() << false;
    QTest::newRow("scrambled impossible date") << shell::scramble(QStringLiteral("2026-02-30")).toUtf8() << false;
    QTest::newRow("huge") << QByteArray(4 << 20, 'a') << false;
    QTest::newRow("non-UTF-8") << QByteArray("\xff\xfe\xc3\x28\xa0\xa1") << false;
    QTest::newRow("quotes and escapes") << QByteArray("\"\\x00\\n@Variant(\\0\\0\\0\\x7f)\"") << false;
    QTest::newRow("a list") << QByteArray("a, b, c") << false;
    QTest::newRow("NUL bytes") << QByteArray("ab\0cd", 5) << false;
}

void TestSettingsFuzz::storedValues()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, mayAsk);

    writeRaw(value);
    h->messages.clear();
    shell::RemindOfUpdate();
    shell::RemindOfUpdate();
    for (const QString &message : std::as_const(h->messages))
        QCOMPARE(message, question);
    QVERIFY(h->messages.size() <= (mayAsk ? 1 : 0));
}

void TestSettingsFuzz::randomFiles()
{
    QRandomGenerator random(20261207);
    const QString file = settingsFile();
    for (int i = 0; i < 300; ++i) {
        QByteArray bytes(random.bounded(1, 600), Qt::Uninitialized);
        for (char &b : bytes)
            b = static_cast<char>(random.bounded(256));
        if (i % 3 == 0) // keep the section and the entry, randomise the value
            bytes = "[Settings]\n" + shell::scramble(QStringLiteral("Duration")).toUtf8() + "=" + bytes;
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        h->messages.clear();
        shell::RemindOfUpdate();
        for (const QString &message : std::as_const(h->messages))
            QCOMPARE(message, question);
    }
}

QTEST_MAIN(TestSettingsFuzz)
#include "tst_settings_fuzz.moc"
