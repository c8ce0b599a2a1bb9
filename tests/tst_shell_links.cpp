#include "links.h"
#include "messages.h"
#include "settingsstore.h"

#include <QDesktopServices>
#include <QTest>

using namespace tavrel::shell;

using Command = void (*)();
Q_DECLARE_METATYPE(Command)

namespace {

// Stands in for the desktop's browser: records what it is asked to open and opens nothing.
class FakeBrowser : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// A desktop whose browser does not start.
class DeadBrowser : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl &) {}
};

int settingsOpened = 0;

std::unique_ptr<SettingsStore> countingSettings()
{
    ++settingsOpened;
    return nullptr;
}

} // namespace

class TestShellLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void siteAddresses_data();
    void siteAddresses();
    void commandOpensItsPage_data();
    void commandOpensItsPage();
    void nothingReachesTheUserWhenNoBrowserOpens();

private:
    FakeBrowser m_browser;
    QList<MessageRequest> m_shown;
};

void TestShellLinks::initTestCase()
{
    // Every page goes to the fake browser, whichever scheme the sites are configured with.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
    setMessageSink([this](const MessageRequest &request) {
        m_shown.append(request);
        return Answer::Ok;
    });
    setSettingsFactory(&countingSettings);
}

void TestShellLinks::init()
{
    m_browser.opened.clear();
    m_shown.clear();
    settingsOpened = 0;
}

void TestShellLinks::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    setMessageSink({});
    setSettingsFactory(nullptr);
}

void TestShellLinks::siteAddresses_data()
{
    QTest::addColumn<QString>("address");

    QTest::newRow("main site") << MainSiteAddress();
    QTest::newRow("help site") << HelpSiteAddress();
}

// Each page address is made by appending a path, and the home page is the base address itself, so a base
// address must be a scheme and a host and nothing else: no path, not even a trailing slash.
void TestShellLinks::siteAddresses()
{
    QFETCH(QString, address);

    const QUrl url(address, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QVERIFY(url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
    QVERIFY(!url.host().isEmpty());
    QVERIFY2(url.path().isEmpty(), qPrintable(address));
    QVERIFY(!url.hasQuery());
    QVERIFY(!url.hasFragment());
    QVERIFY(!address.endsWith(QLatin1Char('/')));
}

void TestShellLinks::commandOpensItsPage_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QUrl>("pageUrl");
    QTest::addColumn<QString>("expected");

    QTest::newRow("help") << Command(&OpenHelpPage) << helpPageUrl()
                          << MainSiteAddress() + QStringLiteral("/tavrel/tavrel-help.html");
    QTest::newRow("home") << Command(&OpenHomePage) << homePageUrl() << MainSiteAddress();
    QTest::newRow("download") << Command(&OpenDownloadPage) << downloadPageUrl()
                              << MainSiteAddress() + QStringLiteral("/tavrel/download-tavrel.html");
    QTest::newRow("branding, on the help site") << Command(&OpenBrandingPage) << brandingPageUrl()
                                                << HelpSiteAddress() + QStringLiteral("/fully-branded.html");
}

void TestShellLinks::commandOpensItsPage()
{
    QFETCH(Command, command);
    QFETCH(QUrl, pageUrl);
    QFETCH(QString, expected);

    command();

    QCOMPARE(m_browser.opened.size(), 1);
    QCOMPARE(m_browser.opened.first().toString(), expected);
    QCOMPARE(pageUrl.toString(), expected);
    QVERIFY(m_shown.isEmpty());
    // Opening a page, the download page included, leaves the update reminder's date alone.
    QCOMPARE(settingsOpened, 0);

    // A command keeps no state: it can be given again at once.
    command();
    QCOMPARE(m_browser.opened.size(), 2);
    QCOMPARE(m_browser.opened.last(), m_browser.opened.first());
}

void TestShellLinks::nothingReachesTheUserWhenNoBrowserOpens()
{
    DeadBrowser dead;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &dead, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &dead, "open");

    OpenHelpPage();
    OpenHomePage();
    OpenDownloadPage();
    OpenBrandingPage();

    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
    QVERIFY(m_shown.isEmpty());
    QVERIFY(m_browser.opened.isEmpty());
    QCOMPARE(settingsOpened, 0);
}

QTEST_MAIN(TestShellLinks)
#include "tst_shell_links.moc"
