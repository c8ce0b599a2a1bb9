// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance lock: of many copies started at once exactly one runs, a killed copy refuses no one, and
// nothing but a running copy's lock ever refuses a start or holds it up.
#include "shell/singleinstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using tavrel::shell::SingleInstance;

class TestShellSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void lockAtPath_data();
    void lockAtPath();
    void lockFolder_data();
    void lockFolder();
    void laterCopyAsksFirstForward_data();
    void laterCopyAsksFirstForward();
};

void TestShellSingleInstance::lockAtPath_data()
{
    QTest::addColumn<QString>("before"); // what stands at the lock's place before the copies start
    QTest::addColumn<bool>("locks"); // whether the copies can lock there, so that only one of them runs

    QTest::newRow("nothing") << "" << true;
    QTest::newRow("empty file: a copy died before writing to it") << "file:" << true;
    QTest::newRow("garbage") << "file:\x01\xff garbage\n\n" << true;
    QTest::newRow("file naming a running process: an id handed out again")
        << QStringLiteral("file:%1\ntavrel_lockholder\n%2\n")
               .arg(QCoreApplication::applicationPid())
               .arg(QSysInfo::machineHostName())
        << true;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("dangling link") << "link:no-such-file" << false;
    QTest::newRow("link to a file") << "link:target" << false;
#ifdef Q_OS_UNIX
    QTest::newRow("named pipe") << "pipe" << false;
    // The user's own place, whatever TMPDIR and XDG_RUNTIME_DIR say to each copy.
    QTest::newRow("default place, each copy with a temporary folder of its own") << "default" << true;
#endif
}

void TestShellSingleInstance::lockAtPath()
{
    QFETCH(QString, before);
    QFETCH(bool, locks);
    const QTemporaryDir dir;
    const QString path =
        before == QLatin1String("default") ? SingleInstance::defaultLockPath() : dir.filePath(QStringLiteral("tavrel.lock"));
    const QString target = dir.filePath(QStringLiteral("target"));
    QFile targetFile(target);
    QVERIFY(targetFile.open(QIODevice::WriteOnly) && targetFile.write("kept") == 4);
    targetFile.close();
    QFile file(path);
    if (before.startsWith(QLatin1String("file:")))
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before.mid(5).toLatin1()) >= 0);
    file.close();
    if (before == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));
    if (before.startsWith(QLatin1String("link:")))
        QVERIFY(QFile::link(before.mid(5), path));
#ifdef Q_OS_UNIX
    if (before == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#else
    locks = true; // the lock is a mutex named after the path: nothing in the file system stands in its way
#endif

    // (a copy of the user's that runs beside the test holds the user's own place: then no copy runs)
    const bool heldElsewhere = before == QLatin1String("default") && !SingleInstance(path).isFirst();
    // Twenty copies started at the same instant: each must say at once whether it runs.
    std::vector<std::unique_ptr<QProcess>> copies(20);
    for (auto &copy : copies) {
        copy = std::make_unique<QProcess>(); // tests/lockholder.cpp
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString own = dir.filePath(QString::number(&copy - copies.data()));
        QDir().mkdir(own);
        environment.insert(QStringLiteral("TMPDIR"), own);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), own);
        copy->setProcessEnvironment(environment);
        copy->start(QStringLiteral(TAVREL_LOCKHOLDER), before == QLatin1String("default") ? QStringList() : QStringList{path});
    }
    const QDeadlineTimer deadline(10000);
    int running = 0;
    for (auto &copy : copies) {
        while (!copy->canReadLine() && copy->waitForReadyRead(int(deadline.remainingTime()))) { }
        const QByteArray answer = copy->readLine();
        QVERIFY2(!answer.isEmpty(), "a copy hung at its start");
        running += answer == "first\n";
    }
    QCOMPARE(running, heldElsewhere ? 0 : locks ? 1 : int(copies.size()));

    for (auto &copy : copies) {
        copy->kill(); // SIGKILL: nothing is cleaned up
        QVERIFY(copy->waitForFinished(5000));
    }
    QCOMPARE(SingleInstance(path).isFirst(), !heldElsewhere);
    QVERIFY(targetFile.open(QIODevice::ReadOnly));
    QCOMPARE(targetFile.readAll(), QByteArray("kept"));
}

void TestShellSingleInstance::laterCopyAsksFirstForward_data()
{
    QTest::addColumn<bool>("afterKilledCopy"); // a first copy killed before: its channel is left behind
    QTest::addColumn<QByteArray>("before"); // what another process sends over the channel first, if anything
    QTest::addColumn<QByteArray>("token"); // what the later copy hands over
    QTest::addColumn<QByteArray>("taken"); // the token the first copy takes

    const QByteArray id = "openbox-4242-host-xterm-0_TIME1234567";
    QTest::newRow("first copy running") << false << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("after a killed copy") << true << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("a startup id") << false << QByteArray() << id << id;
    QTest::newRow("the longest token") << false << QByteArray() << QByteArray(512, 'k') << QByteArray(512, 'k');
    QTest::newRow("a token too long, left out") << false << QByteArray() << QByteArray(513, 'k') << QByteArray();
    QTest::newRow("a token with a line break, left out")
        << false << QByteArray() << QByteArray("a\ncome forward b") << QByteArray();
    const auto refused = [&id](const char *name, const QByteArray &line) {
        QTest::newRow(name) << false << line << id << id;
    };
    refused("an overlong line", "come forward " + QByteArray(600, 'k') + '\n');
    refused("a megabyte with no line break", "come forward " + QByteArray(1 << 20, 'k'));
    refused("a control character", "come forward a\x01b\n");
    refused("a blank in the token", "come forward a b\n");
    refused("a lone blank", "come forward \n");
    refused("another request", "go away\n");
}

// A later copy asks the running one, over the channel beside the lock, to bring its window forward, with a token
// that the first takes as it was sent; whatever else another process sends there makes the first do nothing.
void TestShellSingleInstance::laterCopyAsksFirstForward()
{
    QFETCH(bool, afterKilledCopy);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, token);
    QFETCH(QByteArray, taken);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tavrel.lock"));
    const auto startFirst = [&path](QProcess &first) {
        first.start(QStringLiteral(TAVREL_LOCKHOLDER), {path}); // tests/lockholder.cpp
        return first.waitForReadyRead(10000) && first.readLine() == "first\n";
    };
    QProcess killed;
    if (afterKilledCopy) {
        QVERIFY(startFirst(killed));
        killed.kill();
        QVERIFY(killed.waitForFinished(5000));
    }
    QProcess first;
    QVERIFY(startFirst(first));
    if (!before.isEmpty()) {
        QLocalSocket other;
        other.connectToServer(path + QLatin1String(".channel"));
        QVERIFY(other.waitForConnected(5000));
        other.write(before);
        QVERIFY(other.waitForDisconnected(10000)); // the first hangs up
    }

    SingleInstance later(path);
    QVERIFY(!later.isFirst());
    qint64 told = 0; // the process id the first tells, which a later copy lets take the foreground
    QVERIFY(later.askFirstToComeForward([&told, &token](qint64 id) {
        told = id;
        return token;
    }));
    QCOMPARE(told, first.processId());
    QVERIFY(first.canReadLine() || first.waitForReadyRead(10000));
    QCOMPARE(first.readLine(), "came forward" + (taken.isEmpty() ? QByteArray() : ' ' + taken) + '\n');
    first.closeWriteChannel();
    QVERIFY(first.waitForFinished(5000));
    QVERIFY(!SingleInstance(path).askFirstToComeForward()); // the first one asks no one
}

#ifdef Q_OS_UNIX
void TestShellSingleInstance::lockFolder_data()
{
    QTest::addColumn<QString>("runtime"); // the user's runtime folder: "private", "open" to all, or none
    QTest::addColumn<QString>("planted"); // what stands at the user's folder in the temporary folder beforehand
    QTest::addColumn<QString>("folder"); // where the lock is: "own" folder in the temporary folder, "runtime", none

    const auto row = [](const char *name, const char *runtime, const char *planted, const char *folder) {
        QTest::newRow(name) << runtime << planted << folder;
    };
    row("runtime folder", "private", "", "own");
    row("no runtime folder", "", "", "own");
    row("runtime folder open to all", "open", "", "own");
    row("own folder left open to all", "", "open", "own");
    // Another user's plant: the runtime folder, or a refusal, but never a copy unguarded.
    row("own folder is a link", "", "link", "");
    row("own folder is a link, runtime folder", "private", "link", "runtime");
    if (::getuid() == 0) {
        row("own folder planted by another user", "", "foreign", "");
        row("own folder planted by another user, runtime folder", "private", "foreign", "runtime");
    }
}

// The lock is in a folder that no one else can write, named by the user id: no other user can plant anything
// there that takes the lock away, or lets a second copy run.
void TestShellSingleInstance::lockFolder()
{
    QFETCH(QString, runtime);
    QFETCH(QString, planted);
    QFETCH(QString, folder);
    const QTemporaryDir temp;
    const QString runtimeDir = temp.filePath(QStringLiteral("run/%1").arg(::getuid()));
    const QString own = temp.filePath(QStringLiteral("tavrel-%1").arg(::getuid()));
    QVERIFY(QDir().mkpath(runtimeDir));
    QFile::setPermissions(runtimeDir,
                          runtime == QLatin1String("open") ? QFile::Permissions(0x7777) : QFile::Permissions(0x7700));
    if (runtime.isEmpty())
        QVERIFY(QDir(runtimeDir).removeRecursively());
    if (planted == QLatin1String("link"))
        QVERIFY(QFile::link(temp.path(), own));
    else if (!planted.isEmpty())
        QCOMPARE(::mkdir(QFile::encodeName(own).constData(), 0777), 0);
    if (planted == QLatin1String("open"))
        QCOMPARE(::chmod(QFile::encodeName(own).constData(), 0777), 0);
    if (planted == QLatin1String("foreign"))
        QCOMPARE(::chown(QFile::encodeName(own).constData(), 65534, 65534), 0);

    SingleInstance::setLockFolders(temp.path(), temp.filePath(QStringLiteral("run")));
    const QString path = SingleInstance::defaultLockPath();
    const SingleInstance first(path);
    const bool secondRuns = SingleInstance(SingleInstance::defaultLockPath()).isFirst();
    SingleInstance::setLockFolders({}, {});

    const QString expected = folder == QLatin1String("runtime") ? runtimeDir
        : folder == QLatin1String("own")                        ? own
                                                                : QString();
    QCOMPARE(first.isFirst(), !expected.isEmpty()); // refused where another user has planted the place
    QVERIFY(!secondRuns);
    if (expected.isEmpty())
        return;
    QCOMPARE(QFileInfo(path).absolutePath(), expected);
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("tavrel-%1.lock").arg(::getuid()));
    struct stat info = {};
    QCOMPARE(::lstat(QFile::encodeName(expected).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_uid, ::getuid());
    QCOMPARE(info.st_mode & 0777, mode_t(0700));
}

#else
void TestShellSingleInstance::lockFolder_data() { }
void TestShellSingleInstance::lockFolder()
{
    QSKIP("the lock folder of Unix-like systems");
}
#endif

QTEST_GUILESS_MAIN(TestShellSingleInstance)
#include "tst_shell_singleinstance.moc"
