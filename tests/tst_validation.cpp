// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/validation.h"

#include <QTest>

using namespace tavrel;

Q_DECLARE_METATYPE(tavrel::InputProblem)
Q_DECLARE_METATYPE(tavrel::SunSign)

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void sunSign_data();
    void sunSign();
    void everyListCombinationGivesOneSignOrIsRefused();
    void leapYears_data();
    void leapYears();
};

// day and month are the day and month numbers; the test turns them into list positions.
void TestValidation::checks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("focusName");

    const QString noName = QStringLiteral("Please Enter  Your Name !");
    const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");

    QTest::newRow("start-up values") << "ANNA" << 1 << 1 << 1900 << QString() << false;
    QTest::newRow("empty name") << "" << 5 << 3 << 1980 << noName << true;
    QTest::newRow("empty name wins over 31 February") << "" << 31 << 2 << 1901 << noName << true;
    QTest::newRow("empty name wins over 31 April") << "" << 31 << 4 << 1990 << noName << true;
    QTest::newRow("name of blanks") << "   " << 5 << 3 << 1980 << QString() << false;
    QTest::newRow("single blank") << " " << 1 << 1 << 1900 << QString() << false;
    QTest::newRow("29 February 1900, not a leap year") << "A" << 29 << 2 << 1900 << february << false;
    QTest::newRow("29 February 2100") << "A" << 29 << 2 << 2100 << february << false;
    QTest::newRow("29 February 1901") << "A" << 29 << 2 << 1901 << february << false;
    QTest::newRow("29 February 1904") << "A" << 29 << 2 << 1904 << QString() << false;
    QTest::newRow("29 February 2000") << "A" << 29 << 2 << 2000 << QString() << false;
    QTest::newRow("28 February 1901") << "A" << 28 << 2 << 1901 << QString() << false;
    QTest::newRow("30 February 2000") << "A" << 30 << 2 << 2000 << february << false;
    QTest::newRow("31 February 2000") << "A" << 31 << 2 << 2000 << february << false;
    QTest::newRow("31 February 1999") << "A" << 31 << 2 << 1999 << february << false;
    QTest::newRow("31 April") << "A" << 31 << 4 << 1990 << thirty << false;
    QTest::newRow("31 June") << "A" << 31 << 6 << 1990 << thirty << false;
    QTest::newRow("31 September") << "A" << 31 << 9 << 1990 << thirty << false;
    QTest::newRow("31 November") << "A" << 31 << 11 << 1990 << thirty << false;
    QTest::newRow("30 April") << "A" << 30 << 4 << 1990 << QString() << false;
    QTest::newRow("31 January") << "A" << 31 << 1 << 1990 << QString() << false;
    QTest::newRow("31 March") << "A" << 31 << 3 << 1990 << QString() << false;
    QTest::newRow("31 May") << "A" << 31 << 5 << 1990 << QString() << false;
    QTest::newRow("31 July") << "A" << 31 << 7 << 1990 << QString() << false;
    QTest::newRow("31 August") << "A" << 31 << 8 << 1990 << QString() << false;
    QTest::newRow("31 October") << "A" << 31 << 10 << 1990 << QString() << false;
    QTest::newRow("31 December 2050") << "A" << 31 << 12 << 2050 << QString() << false;
}

void TestValidation::checks()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(bool, focusName);

    const ValidationResult result = ValidateInput(name, day - 1, month - 1, year);
    QCOMPARE(result.accepted(), message.isEmpty());
    QCOMPARE(result.message, message);
    QCOMPARE(result.focusName, focusName);
}

void TestValidation::sunSign_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<SunSign>("sign");

    const struct
    {
        int day, month;
        SunSign sign;
    } rows[] = {
        {1, 1, SunSign::Capricorn},     {19, 1, SunSign::Capricorn},  {20, 1, SunSign::Aquarius},
        {31, 1, SunSign::Aquarius},     {18, 2, SunSign::Aquarius},   {19, 2, SunSign::Pisces},
        {29, 2, SunSign::Pisces},       {20, 3, SunSign::Pisces},     {21, 3, SunSign::Aries},
        {20, 4, SunSign::Aries},        {21, 4, SunSign::Taurus},     {30, 4, SunSign::Taurus},
        {20, 5, SunSign::Taurus},       {21, 5, SunSign::Gemini},     {20, 6, SunSign::Gemini},
        {21, 6, SunSign::Cancer},       {20, 7, SunSign::Cancer},     {21, 7, SunSign::Leo},
        {23, 7, SunSign::Leo},          {20, 8, SunSign::Leo},        {21, 8, SunSign::Virgo},
        {20, 9, SunSign::Virgo},        {21, 9, SunSign::Libra},      {20, 10, SunSign::Libra},
        {21, 10, SunSign::Scorpio},     {20, 11, SunSign::Scorpio},   {21, 11, SunSign::Sagittarius},
        {20, 12, SunSign::Sagittarius}, {21, 12, SunSign::Capricorn}, {31, 12, SunSign::Capricorn},
        {5, 3, SunSign::Pisces},
    };
    for (const auto &row : rows) {
        QTest::addRow("%d/%d", row.day, row.month) << row.day << row.month << row.sign;
    }
}

void TestValidation::sunSign()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(SunSign, sign);
    const auto found = FindSunSign(month - 1, day - 1);
    QVERIFY(found.has_value());
    QCOMPARE(*found, sign);
}

// Every combination the three lists allow is either refused or gives exactly one sign; the days that
// belong to no sign are exactly the refused ones (29 February aside, which exists in leap years only).
void TestValidation::everyListCombinationGivesOneSignOrIsRefused()
{
    int accepted = 0;
    int refused = 0;
    std::array<int, SunSignCount> perSign{};
    for (int year = 1900; year <= 2050; ++year) {
        for (int month = 0; month < 12; ++month) {
            for (int day = 0; day < 31; ++day) {
                const ValidationResult result = ValidateInput(u"NAME", day, month, year);
                const auto sign = FindSunSign(month, day);
                const QDate date(year, month + 1, day + 1);
                // Validation agrees with the calendar.
                QVERIFY2(result.accepted() == date.isValid(),
                         qPrintable(QStringLiteral("%1-%2-%3").arg(year).arg(month + 1).arg(day + 1)));
                if (result.accepted()) {
                    QVERIFY(sign.has_value());
                    ++perSign[static_cast<std::size_t>(*sign)];
                    ++accepted;
                } else {
                    QVERIFY(!result.message.isEmpty());
                    ++refused;
                }
            }
        }
    }
    QCOMPARE(accepted + refused, 31 * 12 * 151);
    QCOMPARE(accepted, 151 * 365 + 37); // 37 leap years from 1904 to 2048; 1900 is not one
    for (int count : perSign)
        QVERIFY(count > 0);
    // Days that match no sign at all.
    QVERIFY(!FindSunSign(1, 29).has_value());
    QVERIFY(!FindSunSign(1, 30).has_value());
    for (int month : {3, 5, 8, 10})
        QVERIFY(!FindSunSign(month, 30).has_value());
    // Positions beyond November count as December.
    QCOMPARE(FindSunSign(12, 0), std::optional(SunSign::Sagittarius));
    QCOMPARE(FindSunSign(-1, 25), std::optional(SunSign::Capricorn));
}

void TestValidation::leapYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    QTest::newRow("1900") << 1900 << false;
    QTest::newRow("1904") << 1904 << true;
    QTest::newRow("1999") << 1999 << false;
    QTest::newRow("2000") << 2000 << true;
    QTest::newRow("2024") << 2024 << true;
    QTest::newRow("2100") << 2100 << false;
}

void TestValidation::leapYears()
{
    QFETCH(int, year);
    QFETCH(bool, leap);
    QCOMPARE(isLeapYear(year), leap);
    QCOMPARE(isLeapYear(year), QDate::isLeapYear(year));
}

QTEST_APPLESS_MAIN(TestValidation)
#include "tst_validation.moc"
