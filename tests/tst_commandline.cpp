// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what is answered at once, what is refused, and what is left to Qt.
#include "app/commandline.h"
#include "shell/version.h"

#include <QBuffer>
#include <QTest>
#include <QTextStream>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status"); // -1: the program starts
        QTest::addColumn<QString>("said");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "  -v, --version  Prints the version and ends.\n";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "Usage: tavrel [Qt option...]\n";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Tavrel " TAVREL_VERSION "\n";
        QTest::newRow("-v") << QStringList{"-v"} << 0 << "Tavrel " TAVREL_VERSION "\n";
        QTest::newRow("unknown") << QStringList{"--frobnicate"} << 2 << "tavrel: Unknown option 'frobnicate'.\n";
        QTest::newRow("argument") << QStringList{"reading.txt"} << 2 << "tavrel: Unknown argument 'reading.txt'.\n";
        QTest::newRow("no value") << QStringList{"-platform"} << 2 << "tavrel: Missing value after '-platform'.\n";
        QTest::newRow("Qt's") << QStringList{"-platform", "offscreen", "--style=fusion", "-reverse", "-session", "1"}
                              << -1 << "";
        // An answer that cannot be written (a full disk, a closed pipe) is not an answer.
        QTest::newRow("help not written") << QStringList{"--help", "<not written>"} << 1
                                          << "tavrel: the answer could not be written";
    }
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QBuffer full; // opened for reading alone: every write fails
        if (arguments.removeAll(QStringLiteral("<not written>")) && full.open(QIODevice::ReadOnly))
            outStream.setDevice(&full);
        const std::optional<int> answer =
            tavrel::answerCommandLine(QStringList{"tavrel"} + arguments, outStream, errStream);
        outStream.flush();
        errStream.flush();
        QCOMPARE(answer.value_or(-1), status);
        QVERIFY2((status > 0 ? err : out).contains(said), qPrintable(out + err));
        QCOMPARE((status > 0 ? out : err), QString());
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
