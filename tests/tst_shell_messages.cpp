// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real message box, and the web pages the application opens.
#include "shell/links.h"
#include "shell/messages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tavrel::shell;

enum class Reply { Return, Escape, ClickNo };
using Command = void (*)();
Q_DECLARE_METATYPE(Reply)
Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(tavrel::shell::Answer)

class TestShellMessages : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl &url) { m_opened.append(url); } // stands in for the desktop's browser

private slots:
    void realBox_data();
    void realBox();
    void pages_data();
    void pages();

private:
    QList<QUrl> m_opened;
};

void TestShellMessages::realBox_data()
{
    QTest::addColumn<bool>("question");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<Answer>("expected");

    QTest::newRow("information") << false << "Application is already running" << Reply::Return
                                 << "Application is already running" << Answer::Ok;
    QTest::newRow("question, Return takes Yes")
        << true << "There is more\rDo you want it?" << Reply::Return << "There is more\nDo you want it?" << Answer::Yes;
    QTest::newRow("question, Escape means No") << true << "a\r\nb" << Reply::Escape << "a\nb" << Answer::No;
    QTest::newRow("question, No clicked, markup as typed")
        << true << "<b>5 < 6</b>" << Reply::ClickNo << "<b>5 < 6</b>" << Answer::No;
}

void TestShellMessages::realBox()
{
    QFETCH(bool, question);
    QFETCH(QString, text);
    QFETCH(Reply, reply);
    QFETCH(QString, shownText);
    QFETCH(Answer, expected);

    QMessageBox *seen = nullptr;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        seen = box;
        // A box the reply does not close is closed anyway, so that a fault never waits for a person.
        QTimer::singleShot(2000, box, [box] { box->done(QMessageBox::Cancel); });
        QCOMPARE(box->windowTitle(), QStringLiteral("Tavrel"));
        QCOMPARE(box->icon(), QMessageBox::Information);
        QCOMPARE(box->text(), shownText);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QCOMPARE(box->standardButtons(), question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        QCOMPARE(box->standardButton(box->defaultButton()), question ? QMessageBox::Yes : QMessageBox::Ok);
        if (reply == Reply::ClickNo)
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        else
            QTest::keyClick(box, reply == Reply::Return ? Qt::Key_Return : Qt::Key_Escape);
    });
    poll.start(10);

    Answer answer = Answer::Ok;
    if (question)
        answer = askYesNo(text);
    else
        showInformation(text);

    QVERIFY(seen);
    QVERIFY2(!QTest::currentTestFailed(), "the box was not as expected");
    QCOMPARE(answer, expected);
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestShellMessages::pages_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("path");

    QTest::newRow("help") << Command(&OpenHelpPage) << helpPageUrl() << MainSiteAddress() << "/tavrel/tavrel-help.html";
    QTest::newRow("home") << Command(&OpenHomePage) << homePageUrl() << MainSiteAddress() << "";
    QTest::newRow("download") << Command(&OpenDownloadPage) << downloadPageUrl() << MainSiteAddress()
                              << "/tavrel/download-tavrel.html";
    QTest::newRow("branding") << Command(&OpenBrandingPage) << brandingPageUrl() << HelpSiteAddress()
                              << "/fully-branded.html";
}

void TestShellMessages::pages()
{
    QFETCH(Command, command);
    QFETCH(QUrl, url);
    QFETCH(QString, site);
    QFETCH(QString, path);

    // A site is configured at build time as a scheme and a host, which the page's path is appended to.
    const QUrl siteUrl(site, QUrl::StrictMode);
    QVERIFY2(siteUrl.isValid() && siteUrl.scheme().startsWith(QLatin1String("http")) && !siteUrl.host().isEmpty()
                 && siteUrl.path().isEmpty(),
             qPrintable(site));

    for (const QString &scheme : {QStringLiteral("https"), QStringLiteral("http")})
        QDesktopServices::setUrlHandler(scheme, this, "open");
    m_opened.clear();
    command();
    for (const QString &scheme : {QStringLiteral("https"), QStringLiteral("http")})
        QDesktopServices::unsetUrlHandler(scheme);

    QCOMPARE(url.toString(), site + path);
    QCOMPARE(m_opened, QList<QUrl>{url});
}

QTEST_MAIN(TestShellMessages)
#include "tst_shell_messages.moc"
