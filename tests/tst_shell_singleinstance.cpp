#include "singleinstance.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using tavrel::shell::SingleInstance;

namespace {

// A copy of the application's lock held by another process (tests/lockholder.cpp).
class LockHolder
{
public:
    explicit LockHolder(const QString &lockPath)
    {
        m_process.setProgram(QStringLiteral(TAVREL_LOCKHOLDER));
        m_process.setArguments({lockPath});
        m_process.start();
    }

    ~LockHolder()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // "first" or "second", as the holder's SingleInstance saw it.
    QString report()
    {
        if (!m_process.waitForStarted(5000))
            return QStringLiteral("not started");
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(5000))
                return QStringLiteral("no report");
        }
        return QString::fromLatin1(m_process.readLine()).trimmed();
    }

    bool kill()
    {
        m_process.kill(); // SIGKILL: nothing is cleaned up
        return m_process.waitForFinished(5000);
    }

    bool quit()
    {
        m_process.closeWriteChannel();
        return m_process.waitForFinished(5000) && m_process.exitStatus() == QProcess::NormalExit
            && m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
};

bool ageFile(const QString &path, int seconds)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
        && file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-seconds), QFileDevice::FileModificationTime);
}

} // namespace

class TestShellSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void oneCopyPerLock();
    void lockGoesWithItsHolder_data();
    void lockGoesWithItsHolder();
    void unusableLockPlaceDoesNotRefuse();
    void defaultPathIsPerUser_data();
    void defaultPathIsPerUser();

private:
    QString lockPath() const { return m_dir->filePath(QStringLiteral("tavrel-test.lock")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestShellSingleInstance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestShellSingleInstance::oneCopyPerLock()
{
    auto first = std::make_unique<SingleInstance>(lockPath());
    QVERIFY(first->isFirst());
    QVERIFY(QFile::exists(lockPath()));
    QVERIFY(ageFile(lockPath(), 3600));
    {
        const SingleInstance second(lockPath());
        QVERIFY(!second.isFirst());
    }
    // A refused copy leaves the running copy's lock alone.
    QVERIFY(QFile::exists(lockPath()));
    QVERIFY(!SingleInstance(lockPath()).isFirst());

    first.reset();
    QVERIFY(!QFile::exists(lockPath()));
    QVERIFY(SingleInstance(lockPath()).isFirst());
}

void TestShellSingleInstance::lockGoesWithItsHolder_data()
{
    QTest::addColumn<bool>("crash");

    QTest::newRow("holder killed") << true;
    QTest::newRow("holder ends normally") << false;
}

void TestShellSingleInstance::lockGoesWithItsHolder()
{
    QFETCH(bool, crash);

    LockHolder holder(lockPath());
    QCOMPARE(holder.report(), QStringLiteral("first"));

    // While the holder runs, neither another process nor this one gets the lock, however long ago it was taken.
    QVERIFY(ageFile(lockPath(), 24 * 3600));
    {
        LockHolder other(lockPath());
        QCOMPARE(other.report(), QStringLiteral("second"));
    }
    QVERIFY(!SingleInstance(lockPath()).isFirst());

    if (crash) {
        QVERIFY(holder.kill());
        QVERIFY2(QFile::exists(lockPath()), "a killed holder should leave its lock file behind");
    } else {
        QVERIFY(holder.quit());
    }

    const SingleInstance next(lockPath());
    QVERIFY(next.isFirst());
    LockHolder after(lockPath());
    QCOMPARE(after.report(), QStringLiteral("second"));
}

// When no lock can be made at all, the test cannot be made either: the application must still start.
void TestShellSingleInstance::unusableLockPlaceDoesNotRefuse()
{
    const QString file = m_dir->filePath(QStringLiteral("plain-file"));
    QFile plain(file);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();

    const SingleInstance instance(file + QStringLiteral("/tavrel.lock"));
    QVERIFY(instance.isFirst());
}

void TestShellSingleInstance::defaultPathIsPerUser_data()
{
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QByteArray>("otherUser");

    QTest::newRow("two names") << QByteArray("alice") << QByteArray("bob");
    QTest::newRow("names differing in case") << QByteArray("ann") << QByteArray("Ann");
    QTest::newRow("name with a slash") << QByteArray("dom/ann") << QByteArray("dom/bob");
}

void TestShellSingleInstance::defaultPathIsPerUser()
{
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, otherUser);

    const QByteArray saved = qgetenv("USER");
    qputenv("USER", user);
    const QString path = SingleInstance::defaultLockPath();
    qputenv("USER", otherUser);
    const QString otherPath = SingleInstance::defaultLockPath();
    qputenv("USER", saved);

    QVERIFY(path != otherPath);
    const QFileInfo info(path);
    QVERIFY(info.isAbsolute());
    QCOMPARE(QFileInfo(otherPath).absolutePath(), info.absolutePath());
    QVERIFY2(QFileInfo(info.absolutePath()).isDir(), qPrintable(path));
    QVERIFY(info.fileName().startsWith(QLatin1String("tavrel")));
    QVERIFY(info.fileName().endsWith(QLatin1String(".lock")));
}

QTEST_GUILESS_MAIN(TestShellSingleInstance)
#include "tst_shell_singleinstance.moc"
