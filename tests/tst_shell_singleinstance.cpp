// The single-instance lock: one holder per path, and a lock whose holder is gone refuses no one.
#include "shell/singleinstance.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using tavrel::shell::SingleInstance;

enum class Holder { ThisProcess, KilledProcess };
Q_DECLARE_METATYPE(Holder)

class TestShellSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void lockGoesWithItsHolder_data();
    void lockGoesWithItsHolder();
    void unusableLockPlaceDoesNotRefuse();
    void defaultPathIsPerUser();
};

void TestShellSingleInstance::lockGoesWithItsHolder_data()
{
    QTest::addColumn<Holder>("holder");

    QTest::newRow("this process, released") << Holder::ThisProcess;
    QTest::newRow("another process, killed") << Holder::KilledProcess;
}

void TestShellSingleInstance::lockGoesWithItsHolder()
{
    QFETCH(Holder, holder);
    const QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("tavrel.lock"));

    std::unique_ptr<SingleInstance> here;
    QProcess process; // tests/lockholder.cpp
    if (holder == Holder::ThisProcess) {
        here = std::make_unique<SingleInstance>(path);
        QVERIFY(here->isFirst());
    } else {
        process.start(QStringLiteral(TAVREL_LOCKHOLDER), {path});
        while (!process.canReadLine() && process.waitForReadyRead(5000)) { }
        QCOMPARE(process.readLine(), QByteArray("first\n"));
    }

    // However long ago it was taken, a held lock refuses another copy; the refused copy leaves it in place, so it
    // refuses the next one too.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.setFileTime(QDateTime::currentDateTimeUtc().addDays(-1), QFileDevice::FileModificationTime));
    file.close();
    QVERIFY(!SingleInstance(path).isFirst());
    QVERIFY(!SingleInstance(path).isFirst());

    if (holder == Holder::ThisProcess) {
        here.reset();
    } else {
        process.kill(); // SIGKILL: nothing is cleaned up
        QVERIFY(process.waitForFinished(5000));
        QVERIFY2(QFile::exists(path), "a killed holder should leave its lock file behind");
    }
    QVERIFY(SingleInstance(path).isFirst());
}

// When no lock can be made at all, the test cannot be made either: the application must still start.
void TestShellSingleInstance::unusableLockPlaceDoesNotRefuse()
{
    const QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain-file")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();

    QVERIFY(SingleInstance(plain.fileName() + QStringLiteral("/tavrel.lock")).isFirst());
}

// Two users of one machine each get a lock of their own, in a folder that exists, whatever their names hold.
void TestShellSingleInstance::defaultPathIsPerUser()
{
    const QByteArray saved = qgetenv("USER");
    qputenv("USER", "alice");
    const QFileInfo alice(SingleInstance::defaultLockPath());
    qputenv("USER", "dom/bob");
    const QFileInfo bob(SingleInstance::defaultLockPath());
    qputenv("USER", saved);

    QVERIFY(alice.isAbsolute());
    QVERIFY(alice.filePath() != bob.filePath());
    QCOMPARE(bob.absolutePath(), alice.absolutePath());
    QVERIFY2(QFileInfo(alice.absolutePath()).isDir(), qPrintable(alice.filePath()));
}

QTEST_GUILESS_MAIN(TestShellSingleInstance)
#include "tst_shell_singleinstance.moc"
