#include "scramble.h"

#include <QTest>

using tavrel::shell::scramble;
using tavrel::shell::unscramble;

class TestShellScramble : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void refusesForeignText_data();
    void refusesForeignText();
    void refusesEditedBytesThatAreNotUtf8();
};

void TestShellScramble::roundTrip_data()
{
    QTest::addColumn<QString>("text");

    QString longText;
    for (int i = 0; longText.size() < 10 * 1024; ++i)
        longText += QString::number(i) + QStringLiteral(" Keter Chokmah Binah ");

    QTest::newRow("empty") << QString();
    QTest::newRow("entry name") << QStringLiteral("Duration");
    QTest::newRow("section name") << QStringLiteral("Settings");
    QTest::newRow("ISO date") << QStringLiteral("2026-07-12");
    QTest::newRow("regional short date") << QStringLiteral("12/7/26");
    QTest::newRow("single letter") << QStringLiteral("a");
    QTest::newRow("looks scrambled") << QStringLiteral("tv00ff");
    QTest::newRow("repeated letter") << QString(64, QLatin1Char('x'));
    QTest::newRow("accents and Hebrew") << QStringLiteral("Tiphereth, Malkhuth, Ünïcødé, \u05ea\u05e4\u05d0\u05e8\u05ea");
    QTest::newRow("outside the basic plane") << QStringLiteral("\U0001F31E sun \U0001F319 moon");
    QTest::newRow("leading byte-order mark") << QStringLiteral("\uFEFFDuration");
    QTest::newRow("line breaks and tabs") << QStringLiteral("one\rtwo\r\nthree\tfour\n");
    QTest::newRow("embedded NUL") << QString::fromUtf16(u"a\0b", 3);
    QTest::newRow("settings syntax") << QStringLiteral("[Settings]/key=value; \"quoted\", @Variant(x) \\ %20");
    QTest::newRow("10 kB") << longText;
}

void TestShellScramble::roundTrip()
{
    QFETCH(QString, text);

    const QString scrambled = scramble(text);
    QCOMPARE(unscramble(scrambled), std::optional<QString>(text));
    // The entry name is found again on every start only if scrambling gives the same text every time.
    QCOMPARE(scramble(text), scrambled);
    // Scrambled text names a settings entry: it must not be empty (an empty value means "nothing recorded")
    // nor contain the characters that settings keys treat as group separators.
    QVERIFY(!scrambled.isEmpty());
    QVERIFY(!scrambled.contains(QLatin1Char('/')));
    QVERIFY(!scrambled.contains(QLatin1Char('\\')));
    if (text.size() >= 4)
        QVERIFY2(!scrambled.contains(text, Qt::CaseInsensitive), qPrintable(scrambled));
}

void TestShellScramble::refusesForeignText_data()
{
    QTest::addColumn<QString>("text");

    const QString date = scramble(QStringLiteral("2026-07-12"));
    QString flipped = date;
    flipped[flipped.size() / 2] = flipped.at(flipped.size() / 2) == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');

    QTest::newRow("empty") << QString();
    QTest::newRow("plain word") << QStringLiteral("Duration");
    QTest::newRow("plain ISO date") << QStringLiteral("2026-07-12");
    QTest::newRow("plain short date") << QStringLiteral("12/7/26");
    QTest::newRow("blank") << QStringLiteral(" ");
    QTest::newRow("last character cut off") << date.chopped(1);
    QTest::newRow("last two characters cut off") << date.chopped(2);
    QTest::newRow("last four characters cut off") << date.chopped(4);
    QTest::newRow("only the first half") << date.left(date.size() / 2);
    QTest::newRow("one character changed") << flipped;
    QTest::newRow("upper case") << date.toUpper();
    QTest::newRow("first character missing") << date.mid(1);
    QTest::newRow("leading blank") << QLatin1Char(' ') + date;
    QTest::newRow("trailing newline") << date + QLatin1Char('\n');
    QTest::newRow("two scrambled texts run together") << date + date;
    QTest::newRow("non-Latin character inside") << date.left(6) + QStringLiteral("\u05d0") + date.mid(7);
    QTest::newRow("lone surrogate inside") << date.left(6) + QChar(0xd800) + date.mid(7);
    QTest::newRow("1 MB of junk") << QString(1024 * 1024, QLatin1Char('z'));
    QTest::newRow("1 MB of digits") << date.left(2) + QString(1024 * 1024, QLatin1Char('7'));
}

void TestShellScramble::refusesForeignText()
{
    QFETCH(QString, text);

    QCOMPARE(unscramble(text), std::nullopt);
}

// Even a hand-edited value whose check digits happen to match must not come back as broken text. Scrambled
// text ends in at most four check digits; trying every value for them, with the first encoded byte changed
// into a byte that never starts UTF-8 text, covers the one edit a check cannot see.
void TestShellScramble::refusesEditedBytesThatAreNotUtf8()
{
    const QString original = scramble(QStringLiteral("AB"));
    const qsizetype firstByte = original.size() - 8; // "AB" is two bytes before the check digits
    QVERIFY(firstByte >= 0);

    QString edited = original;
    const int byte = original.mid(firstByte, 2).toInt(nullptr, 16) ^ 0x80; // 'A' (0x41) becomes 0xc1
    edited.replace(firstByte, 2, QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')));

    for (int check = 0; check <= 0xffff; ++check) {
        edited.replace(edited.size() - 4, 4, QStringLiteral("%1").arg(check, 4, 16, QLatin1Char('0')));
        const std::optional<QString> result = unscramble(edited);
        if (result)
            QFAIL(qPrintable(QStringLiteral("%1 gave \"%2\"").arg(edited, *result)));
    }
}

QTEST_GUILESS_MAIN(TestShellScramble)
#include "tst_shell_scramble.moc"
