#include "messages.h"

#include <QPushButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace tavrel::shell;

Q_DECLARE_METATYPE(tavrel::shell::Answer)
Q_DECLARE_METATYPE(tavrel::shell::MessageButtons)

namespace {

// What the real message box looked like while it was up.
struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
    Qt::WindowModality modality = Qt::NonModal;
    bool hasParent = true;
    Qt::TextFormat textFormat = Qt::AutoText;
};

enum class Reply { PressReturn, PressEscape, ClickYes, ClickNo };

// Answers the next modal message box shown while it lives, after recording what the box looked like. A box
// that the reply does not close is closed after two seconds, so a fault never leaves the test waiting for a
// person.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(Reply reply)
        : m_reply(reply)
    {
        connect(&m_poll, &QTimer::timeout, this, &BoxAnswerer::poll);
        m_poll.start(10);
    }

    SeenBox seen;

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        m_poll.stop();

        seen.seen = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        seen.escapeButton = box->standardButton(box->escapeButton());
        seen.modality = box->windowModality();
        seen.hasParent = box->parentWidget() != nullptr;
        seen.textFormat = box->textFormat();

        QTimer::singleShot(2000, box, [box] { box->done(QMessageBox::Cancel); });
        switch (m_reply) {
        case Reply::PressReturn:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case Reply::PressEscape:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case Reply::ClickYes:
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
            break;
        case Reply::ClickNo:
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
            break;
        }
    }

    Reply m_reply;
    QTimer m_poll;
};

} // namespace

Q_DECLARE_METATYPE(Reply)

class TestShellMessages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void sinkReceivesTheRequest_data();
    void sinkReceivesTheRequest();
    void realBox_data();
    void realBox();
};

void TestShellMessages::cleanup()
{
    setMessageSink({});
}

void TestShellMessages::sinkReceivesTheRequest_data()
{
    QTest::addColumn<bool>("question");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Answer>("sinkAnswer");
    QTest::addColumn<Answer>("expected");

    const QString twoLines = QStringLiteral("first line\rsecond line");
    QTest::newRow("information") << false << QStringLiteral("Application is already running") << Answer::Ok << Answer::Ok;
    QTest::newRow("information, empty text") << false << QString() << Answer::Ok << Answer::Ok;
    QTest::newRow("question answered Yes") << true << twoLines << Answer::Yes << Answer::Yes;
    QTest::newRow("question answered No") << true << twoLines << Answer::No << Answer::No;
    QTest::newRow("question, markup kept as typed") << true << QStringLiteral("<b>5 < 6</b> & \"7\"") << Answer::Yes
                                                    << Answer::Yes;
}

void TestShellMessages::sinkReceivesTheRequest()
{
    QFETCH(bool, question);
    QFETCH(QString, text);
    QFETCH(Answer, sinkAnswer);
    QFETCH(Answer, expected);

    QList<MessageRequest> requests;
    setMessageSink([&](const MessageRequest &request) {
        requests.append(request);
        return sinkAnswer;
    });

    Answer answer = Answer::Ok;
    if (question)
        answer = askYesNo(text);
    else
        showInformation(text);

    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().text, text);
    QCOMPARE(requests.first().title, QStringLiteral("Tavrel"));
    QCOMPARE(requests.first().buttons, question ? MessageButtons::YesNo : MessageButtons::Ok);
    QCOMPARE(answer, expected);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestShellMessages::realBox_data()
{
    QTest::addColumn<bool>("question");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<Answer>("expected");

    const QString twoLines = QStringLiteral("There is more\rDo you want it?");
    const QString shownTwoLines = QStringLiteral("There is more\nDo you want it?");

    QTest::newRow("information, Return") << false << QStringLiteral("Application is already running")
                                         << Reply::PressReturn << QStringLiteral("Application is already running")
                                         << Answer::Ok;
    QTest::newRow("information, Escape") << false << QStringLiteral("x") << Reply::PressEscape << QStringLiteral("x")
                                         << Answer::Ok;
    QTest::newRow("question, Return takes the default") << true << twoLines << Reply::PressReturn << shownTwoLines
                                                        << Answer::Yes;
    QTest::newRow("question, Escape means No") << true << twoLines << Reply::PressEscape << shownTwoLines << Answer::No;
    QTest::newRow("question, Yes clicked") << true << twoLines << Reply::ClickYes << shownTwoLines << Answer::Yes;
    QTest::newRow("question, No clicked") << true << twoLines << Reply::ClickNo << shownTwoLines << Answer::No;
    QTest::newRow("carriage return and newline make one break")
        << true << QStringLiteral("a\r\nb") << Reply::ClickNo << QStringLiteral("a\nb") << Answer::No;
    QTest::newRow("markup shown as typed") << false << QStringLiteral("<b>bold</b>") << Reply::PressReturn
                                           << QStringLiteral("<b>bold</b>") << Answer::Ok;
}

void TestShellMessages::realBox()
{
    QFETCH(bool, question);
    QFETCH(QString, text);
    QFETCH(Reply, reply);
    QFETCH(QString, shownText);
    QFETCH(Answer, expected);

    BoxAnswerer answerer(reply);
    Answer answer = Answer::Ok;
    if (question)
        answer = askYesNo(text);
    else
        showInformation(text);

    const SeenBox &seen = answerer.seen;
    QVERIFY(seen.seen);
    QCOMPARE(answer, expected);
    QCOMPARE(seen.title, QStringLiteral("Tavrel"));
    QCOMPARE(seen.text, shownText);
    QCOMPARE(seen.textFormat, Qt::PlainText);
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QVERIFY(!seen.hasParent);
    if (question) {
        QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(seen.defaultButton, QMessageBox::Yes);
        QCOMPARE(seen.escapeButton, QMessageBox::No);
    } else {
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(TestShellMessages)
#include "tst_shell_messages.moc"
