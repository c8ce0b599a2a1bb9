// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "shell/forms.h"
#include "shell/links.h"
#include "shell/scramble.h"
#include "shell/settingsstore.h"
#include "shell/version.h"
#include "tests/apptesthelpers.h"
#include "ui/diagram/treediagram.h"
#include "ui/display/frmDisplay.h"
#include "ui/formregistry.h"
#include "ui/frmMain.h"
#include "ui/frmMdi.h"
#include "ui/style.h"
#include "ui/twips.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cmath>

using namespace tavrel;

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartShowsTheInputForm();
    void nameFilter_data();
    void nameFilter();
    void pastingIsNotFiltered();
    void typingPreparesTheFirstReading();
    void validationMessages_data();
    void validationMessages();
    void readingFillsTheScreen();
    void backKeepsEntriesAndTheNextReadingIsFresh_data();
    void backKeepsEntriesAndTheNextReadingIsFresh();
    void ending_data();
    void ending();
    void aboutBoxFromBothMenus_data();
    void aboutBoxFromBothMenus();
    void links_data();
    void links();
    void makeMoneyIsNeverOffered();
    void keyboardOnly();
    void focusAfterReading_data();
    void focusAfterReading();
    void clientAreaScrolls_data();
    void clientAreaScrolls();
    void scrollBarsGoAtOnce();
    void focusMark_data();
    void focusMark();
    void reminderAtStart_data();
    void reminderAtStart();
    void windowStates_data();
    void windowStates();

private:
    ui::frmMain *start();
    ui::frmMdi *read(const QString &name, int day, int month, int year);
    void selectDate(int day, int month, int year);
    template<typename T = QWidget> static T *child(QWidget *root, const QString &name)
    {
        T *found = root ? root->findChild<T *>(name) : nullptr;
        if (!found)
            qWarning("no control named %s", qPrintable(name));
        return found;
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static void storeReminderDate(const QDate &date)
    {
        shell::openSettings()->write(QStringLiteral("Settings"), shell::scramble(QStringLiteral("Duration")),
                                     shell::scramble(date.toString(Qt::ISODate)));
    }

    std::unique_ptr<AppHarness> h;
    QDate m_today{2026, 12, 7};
};

void TestApp::initTestCase()
{
    h = std::make_unique<AppHarness>();
    shell::setToday([this] { return m_today; });
}

void TestApp::init()
{
    h->messages.clear();
    h->browser.urls.clear();
    h->answers.clear();
    h->ends = 0;
    // Every test starts from a remembered reminder of today, so that no reminder is due.
    storeReminderDate(m_today);
}

void TestApp::cleanup()
{
    if (!shell::isEnding())
        shell::UnloadAllAndEnd();
    settle();
    shell::resetEnding();
    QVERIFY(!ui::mainForm().isLoaded());
    QVERIFY(!ui::mdiForm().isLoaded());
    QVERIFY(!ui::displayForm().isLoaded());
}

ui::frmMain *TestApp::start()
{
    StartApplication();
    ui::frmMain *form = ui::mainForm().loaded();
    if (form)
        (void)QTest::qWaitForWindowExposed(form);
    return form;
}

void TestApp::selectDate(int day, int month, int year)
{
    ui::frmMain *form = ui::mainForm().loaded();
    child<QComboBox>(form, "cboDate")->setCurrentIndex(day - 1);
    child<QComboBox>(form, "cboMonth")->setCurrentIndex(month - 1);
    child<QComboBox>(form, "cboYear")->setCurrentText(QString::number(year));
}

ui::frmMdi *TestApp::read(const QString &name, int day, int month, int year)
{
    ui::frmMain *form = ui::mainForm().loaded();
    auto *txtName = child<QLineEdit>(form, "txtName");
    txtName->clear();
    QTest::keyClicks(txtName, name);
    selectDate(day, month, year);
    QTest::mouseClick(child<QPushButton>(form, "cmdProceed"), Qt::LeftButton);
    return ui::mdiForm().loaded();
}

void TestApp::firstStartShowsTheInputForm()
{
    // A first run: nothing remembered yet.
    QFile::remove(QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavrel"),
                            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName())
                      .fileName());
    ui::frmMain *form = start();
    QVERIFY(form);
    QVERIFY(h->messages.isEmpty());
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Tavrel v" TAVREL_VERSION));
    QCOMPARE(form->centralWidget()->size(), ui::twipSize(7440, 5295));
    QCOMPARE(child<QLineEdit>(form, "txtName")->text(), QString());
    QCOMPARE(child<QComboBox>(form, "cboDate")->currentText(), QStringLiteral("1"));
    QCOMPARE(child<QComboBox>(form, "cboDate")->count(), 31);
    QCOMPARE(child<QComboBox>(form, "cboMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(child<QComboBox>(form, "cboMonth")->count(), 12);
    QCOMPARE(child<QComboBox>(form, "cboYear")->currentText(), QStringLiteral("1900"));
    QCOMPARE(child<QComboBox>(form, "cboYear")->count(), 151);
    QCOMPARE(child<QComboBox>(form, "cboYear")->itemText(150), QStringLiteral("2050"));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(form, "txtName"));
    QVERIFY(!ui::mdiForm().isLoaded());
    // The entry boxes and lists show their entries in the window's font, not in the bold one of their group.
    for (const char *name : {"txtName", "cboDate", "cboMonth", "cboYear"}) {
        const QFont font = child(form, name)->font();
        QVERIFY2(font.pixelSize() == form->font().pixelSize() && font.bold() == form->font().bold(), name);
    }

    // The tab order: name, day, month, year, reading, Exit.
    QStringList order;
    QWidget *w = child<QLineEdit>(form, "txtName");
    for (int i = 0; i < 6; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    QCOMPARE(order, (QStringList{"txtName", "cboDate", "cboMonth", "cboYear", "cmdProceed", "cmdExit"}));
}

void TestApp::nameFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("refusals");

    QTest::newRow("lower case becomes capitals") << "anna"
                                                 << "ANNA" << 0;
    QTest::newRow("capitals and blanks") << "Anna Lee"
                                         << "ANNA LEE" << 0;
    QTest::newRow("only blanks") << "   "
                                 << "   " << 0;
    QTest::newRow("digit") << "ab1"
                           << "AB" << 1;
    QTest::newRow("hyphen") << "a-b"
                            << "AB" << 1;
    QTest::newRow("bracket and backquote") << "[`"
                                           << "" << 2;
    QTest::newRow("full stop") << "j.r"
                               << "JR" << 1;
}

void TestApp::nameFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, refusals);

    ui::frmMain *form = start();
    auto *txtName = child<QLineEdit>(form, "txtName");
    QTest::keyClicks(txtName, typed);
    QCOMPARE(txtName->text(), shown);
    QCOMPARE(h->messages.size(), refusals);
    for (const QString &message : std::as_const(h->messages))
        QCOMPARE(message, QStringLiteral("Please Enter only Letters"));

    // Backspace and Enter never refuse; Enter starts no reading.
    h->messages.clear();
    QTest::keyClick(txtName, Qt::Key_Backspace);
    QTest::keyClick(txtName, Qt::Key_Return);
    QCOMPARE(txtName->text(), shown.left(std::max<qsizetype>(0, shown.size() - 1)));
    QVERIFY(h->messages.isEmpty());
    QVERIFY(!ui::mdiForm().isLoaded());

    // An accented letter and the copy key are refused too.
    const QString before = txtName->text();
    QTest::sendKeyEvent(QTest::Click, txtName, Qt::Key_Eacute, QStringLiteral("\u00e9"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, txtName, Qt::Key_C, QString(QChar(3)), Qt::ControlModifier);
    QCOMPARE(txtName->text(), before);
    QCOMPARE(h->messages.size(), 2);
}

void TestApp::pastingIsNotFiltered()
{
    ui::frmMain *form = start();
    auto *txtName = child<QLineEdit>(form, "txtName");
    QGuiApplication::clipboard()->setText(QStringLiteral("o'neil 2"));
    txtName->paste(); // what the context menu's Paste does
    QCOMPARE(txtName->text(), QStringLiteral("o'neil 2"));
    QVERIFY(h->messages.isEmpty());
}

// The first letter typed has a result window built off screen and dropped, so that the first reading finds what
// it needs ready. It leaves no window behind and the clipboard as it was.
void TestApp::typingPreparesTheFirstReading()
{
    ui::frmMain *form = start();
    QGuiApplication::clipboard()->setText(QStringLiteral("copied before"));
    const qsizetype widgets = QApplication::allWidgets().size();
    struct Watch : QObject
    {
        int built = 0;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Polish && watched->objectName() == QLatin1String("frmDisplay"))
                ++built;
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);
    QTest::keyClicks(child<QLineEdit>(form, "txtName"), QStringLiteral("an"));
    QTRY_COMPARE(watch.built, 1);
    QTest::keyClicks(child<QLineEdit>(form, "txtName"), QStringLiteral("na"));
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&watch);
    QCOMPARE(watch.built, 1); // once
    QCOMPARE(QApplication::allWidgets().size(), widgets);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("copied before"));
    QVERIFY(!ui::displayForm().isLoaded());
    QVERIFY(h->messages.isEmpty());
}

void TestApp::validationMessages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("focusInName");

    // Two rows prove the wiring (the name, day, month and year reach the check; the message and the focus come
    // back); the checks themselves are tested in tst_validation.
    QTest::newRow("no name") << "" << 5 << 3 << 1980 << "Please Enter  Your Name !" << true;
    QTest::newRow("29 February 1900") << "ANNA" << 29 << 2 << 1900 << "Please Enter Correct Date Or Month!" << false;
}

void TestApp::validationMessages()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(bool, focusInName);

    ui::frmMain *form = start();
    auto *txtName = child<QLineEdit>(form, "txtName");
    auto *proceed = child<QPushButton>(form, "cmdProceed");
    QTest::keyClicks(txtName, name);
    selectDate(day, month, year);
    proceed->setFocus();
    QTest::mouseClick(proceed, Qt::LeftButton);

    QCOMPARE(h->messages, QStringList{message});
    QCOMPARE(QApplication::focusWidget() == txtName, focusInName);
    QVERIFY(!ui::mdiForm().isLoaded());
    QVERIFY(form->isVisible());
    QCOMPARE(txtName->text(), name);
    QCOMPARE(child<QComboBox>(form, "cboDate")->currentIndex(), day - 1);
}

void TestApp::readingFillsTheScreen()
{
    ui::frmMain *form = start();
    ui::frmMdi *frame = read(QStringLiteral("anna"), 5, 3, 1980);
    QVERIFY(frame);
    QVERIFY(h->messages.isEmpty());
    QVERIFY(!form->isVisible());
    QVERIFY(frame->isVisible());
    QVERIFY(frame->windowState() & Qt::WindowMaximized);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Tavrel v" TAVREL_VERSION));

    QVERIFY(QTest::qWaitForWindowExposed(frame));

    ui::frmDisplay *display = ui::displayForm().loaded();
    QVERIFY(display);
    QVERIFY(display->isVisible());
    QCOMPARE(display->parentWidget(), frame->clientArea());
    QCOMPARE(child<QLabel>(display, "lblSunSignName")->text(), QStringLiteral("Pisces"));
    QVERIFY(child<QLabel>(display, "lblPisces")->isVisible());
    QCOMPARE(ui::SunSignName(), QStringLiteral("Pisces"));

    QCOMPARE(child<QLabel>(frame, "lblSoftwareName")->text(), QStringLiteral("Tavrel"));
}

void TestApp::backKeepsEntriesAndTheNextReadingIsFresh_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Back button") << false;
    QTest::newRow("File > Back") << true;
}

void TestApp::backKeepsEntriesAndTheNextReadingIsFresh()
{
    QFETCH(bool, fromMenu);

    ui::frmMain *form = start();
    ui::frmMdi *frame = read(QStringLiteral("anna"), 5, 3, 1980);
    QVERIFY(frame);
    QPointer<ui::frmDisplay> firstDisplay = ui::displayForm().loaded();

    if (fromMenu)
        child<QAction>(frame, "mnuBack")->trigger();
    else
        QTest::mouseClick(child<QPushButton>(frame, "cmdBack"), Qt::LeftButton);
    settle();
    QVERIFY(!ui::mdiForm().isLoaded());
    QVERIFY(firstDisplay.isNull());
    QVERIFY(form->isVisible());
    QCOMPARE(h->ends, 0);
    QCOMPARE(child<QLineEdit>(form, "txtName")->text(), QStringLiteral("ANNA"));
    QCOMPARE(child<QComboBox>(form, "cboDate")->currentText(), QStringLiteral("5"));
    QCOMPARE(child<QComboBox>(form, "cboMonth")->currentText(), QStringLiteral("March"));
    QCOMPARE(child<QComboBox>(form, "cboYear")->currentText(), QStringLiteral("1980"));
    QVERIFY(h->messages.isEmpty()); // the reminder does not run again

    // The form has the keyboard again, the focus where it was: Alt+G makes a second reading, 21 July, at once.
    QTRY_COMPARE(QApplication::activeWindow(), form);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(form, "cmdProceed"));
    selectDate(21, 7, 1980);
    QTest::keyClick(form->windowHandle(), Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY(ui::displayForm().isLoaded());
    ui::frmDisplay *display = ui::displayForm().loaded();
    // (That the new result window shows only its own reading is tst_display's freshWindowAfterAReading.)
    QCOMPARE(child<QLabel>(display, "lblSunSignName")->text(), QStringLiteral("Leo"));
}

void TestApp::ending_data()
{
    QTest::addColumn<bool>("inFrame");
    QTest::addColumn<QString>("how");

    QTest::newRow("input form, Exit") << false << "cmdExit";
    QTest::newRow("input form, File > Exit") << false << "mnuExit";
    QTest::newRow("input form, close box") << false << "close";
    QTest::newRow("frame, Exit") << true << "cmdMdiExit";
    QTest::newRow("frame, File > Exit") << true << "mnuExit";
    QTest::newRow("frame, close box") << true << "close";
}

void TestApp::ending()
{
    QFETCH(bool, inFrame);
    QFETCH(QString, how);

    ui::frmMain *form = start();
    QWidget *window = form;
    if (inFrame)
        window = read(QStringLiteral("anna"), 21, 7, 1980);
    QVERIFY(window);

    if (how == QLatin1String("close"))
        QVERIFY(!window->close()); // the window does not close by itself: the application ends
    else if (how.startsWith(QLatin1String("mnu")))
        child<QAction>(window, how)->trigger();
    else
        QTest::mouseClick(child<QPushButton>(window, how), Qt::LeftButton);

    QCOMPARE(h->ends, 1);
    QVERIFY(shell::isEnding());
    // Close events raised while ending do not end twice.
    form->close();
    QCOMPARE(h->ends, 1);
    settle();
    QVERIFY(!ui::mainForm().isLoaded());
    QVERIFY(!ui::mdiForm().isLoaded());
    QVERIFY(!ui::displayForm().isLoaded());
    QVERIFY(shell::LoadedForms::all().isEmpty());
}

void TestApp::aboutBoxFromBothMenus_data()
{
    QTest::addColumn<bool>("inFrame");
    QTest::addColumn<int>("closeKey");
    QTest::addColumn<bool>("beneath"); // the window system gives the keyboard to the window beneath the box
    QTest::newRow("input form, Escape") << false << int(Qt::Key_Escape) << false;
    QTest::newRow("input form, Enter") << false << int(Qt::Key_Return) << false;
    QTest::newRow("frame, Escape") << true << int(Qt::Key_Escape) << false;
    QTest::newRow("frame, Enter") << true << int(Qt::Key_Return) << false;
    QTest::newRow("input form, Enter typed beneath") << false << int(Qt::Key_Return) << true;
    QTest::newRow("frame, Enter typed beneath") << true << int(Qt::Key_Return) << true;
}

void TestApp::aboutBoxFromBothMenus()
{
    QFETCH(bool, inFrame);
    QFETCH(int, closeKey);
    QFETCH(bool, beneath);

    QWidget *window = start();
    if (inFrame)
        window = read(QStringLiteral("anna"), 21, 7, 1980);

    // The box is modal: look at it from inside its own event loop, then close it with the key under test.
    QStringList seen;
    bool wasModal = false;
    bool okHasFocus = false;
    bool sizeRight = false;
    bool stayedOpenAfterLinks = false;
    bool closedByKey = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *about = QApplication::activeModalWidget();
        if (!about)
            return;
        // Modal, and owned by the window it was opened from, which the window system keeps it above.
        wasModal = about->objectName() == QLatin1String("frmAbout") && about->parentWidget() == window;
        sizeRight = about->size() == ui::twipSize(6060, 3660);
        for (const char *name : {"Label2", "Label1", "lblHomePage", "Label3", "lblCoBrand"})
            seen << child<QLabel>(about, QString::fromLatin1(name))->text();
        okHasFocus = about->focusWidget() == child<QWidget>(about, "cmdOK");
        QTest::mouseClick(child<QLabel>(about, "lblHomePage"), Qt::LeftButton);
        QTest::mouseClick(child<QLabel>(about, "lblCoBrand"), Qt::LeftButton);
        stayedOpenAfterLinks = QApplication::activeModalWidget() == about && about->isVisible();
        if (beneath) {
            // The window beneath, blocked, shows no focus, and a key typed reaches the box.
            window->activateWindow();
            QCoreApplication::processEvents();
            okHasFocus = okHasFocus && !window->isActiveWindow();
            QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key(closeKey)); // typed where the keyboard is
        } else {
            QTest::keyClick(about, Qt::Key(closeKey));
        }
        closedByKey = !about->isVisible();
        if (!closedByKey)
            about->close();
    });
    child<QAction>(window, "mnuAbout")->trigger();
    settle();

    QVERIFY(wasModal);
    QVERIFY(sizeRight);
    QVERIFY(okHasFocus);
    QVERIFY(stayedOpenAfterLinks);
    QVERIFY(closedByKey);
    QVERIFY(!ui::aboutForm().isLoaded());
    QCOMPARE(seen.value(0), QStringLiteral("Tavrel v" TAVREL_VERSION));
    QVERIFY(seen.value(1).startsWith(QStringLiteral("Tavrel is a zodiac sign based software that")));
    QCOMPARE(seen.value(2), QStringLiteral("Click here to visit ") + shell::MainSiteAddress());
    QCOMPARE(seen.value(3),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                            "online. Get this software fully branded for your website. "));
    QCOMPARE(seen.value(4), QStringLiteral("Click here for more details."));
    QCOMPARE(h->browser.urls, (QList<QUrl>{shell::homePageUrl(), shell::brandingPageUrl()}));
}

void TestApp::links_data()
{
    QTest::addColumn<bool>("inFrame");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QUrl>("url");

    const QUrl help(shell::MainSiteAddress() + QStringLiteral("/tavrel/tavrel-help.html"));
    const QUrl home(shell::MainSiteAddress());
    const QUrl download(shell::MainSiteAddress() + QStringLiteral("/tavrel/download-tavrel.html"));
    const QUrl branding(shell::HelpSiteAddress() + QStringLiteral("/fully-branded.html"));
    for (const bool inFrame : {false, true}) {
        const char *where = inFrame ? "frame" : "input form";
        QTest::addRow("%s, Online Help", where) << inFrame << "mnuOnline" << help;
        QTest::addRow("%s, Visit Us Online", where) << inFrame << "mnuVisit" << home;
        QTest::addRow("%s, Check for Software Update", where) << inFrame << "mnuUpdate" << download;
        QTest::addRow("%s, blurb", where) << inFrame << "Label8" << branding;
    }
    QTest::newRow("input form, banner") << false << "Label61" << home;
    QTest::newRow("frame, banner") << true << "lblOrvaneBanner" << home;
}

void TestApp::links()
{
    QFETCH(bool, inFrame);
    QFETCH(QString, control);
    QFETCH(QUrl, url);

    QWidget *window = start();
    if (inFrame)
        window = read(QStringLiteral("anna"), 21, 7, 1980);
    if (control.startsWith(QLatin1String("mnu"))) {
        child<QAction>(window, control)->trigger();
    } else {
        // The frame's blurb shares its name with a caption of the result window: look in its own strip.
        QWidget *strip =
            inFrame && control == QLatin1String("Label8") ? child(window, QStringLiteral("Picture2")) : window;
        QTest::mouseClick(child<QLabel>(strip, control), Qt::LeftButton);
    }

    QCOMPARE(h->browser.urls, QList<QUrl>{url});
    QVERIFY(!url.toString().endsWith(QLatin1Char('/')));
    QVERIFY(h->messages.isEmpty());
    QVERIFY(window->isVisible());
}

void TestApp::makeMoneyIsNeverOffered()
{
    QWidget *window = start();
    for (int i = 0; i < 2; ++i) {
        auto *money = child<QAction>(window, "mkmoney");
        QVERIFY(money);
        QVERIFY(!money->isVisible() || !money->isEnabled());
        window = read(QStringLiteral("anna"), 21, 7, 1980);
    }
}

// Without a mouse: type, tab through the lists and choose with the arrow keys; every command has its access
// key. (Pressing the access keys with real X input is part of the smoke test in a real X server.)
void TestApp::keyboardOnly()
{
    ui::frmMain *form = start();
    QTest::keyClicks(form->focusWidget(), QStringLiteral("anna"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cboDate"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // the 5th
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // March
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdProceed"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    ui::frmMdi *frame = ui::mdiForm().loaded();
    QVERIFY(frame);
    QCOMPARE(child<QLabel>(ui::displayForm().loaded(), "lblSunSignName")->text(), QStringLiteral("Pisces"));

    const QList<std::pair<QAbstractButton *, QKeySequence>> keys{
        {child<QPushButton>(form, "cmdProceed"), QKeySequence(Qt::ALT | Qt::Key_G)},
        {child<QPushButton>(form, "cmdExit"), QKeySequence(Qt::ALT | Qt::Key_E)},
        {child<QPushButton>(frame, "cmdBack"), QKeySequence(Qt::ALT | Qt::Key_B)},
        {child<QPushButton>(frame, "cmdMdiExit"), QKeySequence(Qt::ALT | Qt::Key_E)},
    };
    for (const auto &[button, key] : keys)
        QCOMPARE(QKeySequence::mnemonic(button->text()), key);
    const QStringList menus{"&File", "&Help"};
    for (QWidget *window : {static_cast<QWidget *>(form), static_cast<QWidget *>(frame)}) {
        QStringList titles;
        for (QAction *action : window->findChild<QMenuBar *>()->actions()) {
            if (action->isVisible())
                titles << action->text();
        }
        QCOMPARE(titles, menus);
    }
}

void TestApp::focusAfterReading_data()
{
    QTest::addColumn<bool>("accessKey"); // Alt+G on the input form, or Space on its focused reading button

    QTest::newRow("Space on the reading button") << false;
    QTest::newRow("Alt+G") << true;
}

// The frame opens with the focus in the result window's tab strip: Ctrl+Tab switches tabs at once, and Space does
// not press Exit. (Where Tab goes from there is tst_screens' keyboard test.)
void TestApp::focusAfterReading()
{
    QFETCH(bool, accessKey);
    ui::frmMain *form = start();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QTest::keyClicks(form->focusWidget(), QStringLiteral("anna"));
    if (accessKey) {
        QTest::keyClick(form->focusWidget(), Qt::Key_G, Qt::AltModifier); // the button is clicked a moment later
    } else {
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdProceed"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    QTRY_VERIFY(ui::mdiForm().isLoaded());
    QVERIFY(QTest::qWaitForWindowActive(ui::mdiForm().loaded()));
    auto *tabs = child<QTabWidget>(ui::displayForm().loaded(), "SSTab1");
    QTRY_COMPARE(QApplication::focusWidget(), tabs->tabBar());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(h->ends, 0);
    QVERIFY(ui::mdiForm().isLoaded());
}

void TestApp::clientAreaScrolls_data()
{
    QTest::addColumn<QSize>("size"); // of the frame; invalid: maximized, on a screen narrower than the result window
    QTest::newRow("maximized") << QSize();
    QTest::newRow("restored to its design size") << QSize(0, 0);
    QTest::newRow("small") << QSize(480, 360);
}

// Where the result window does not fit, the client area scrolls: clicking the far ends of its scroll bars brings
// first the bottom right and then the top left corner of the result window into sight.
void TestApp::clientAreaScrolls()
{
    QFETCH(QSize, size);
    start();
    ui::frmMdi *frame = read(QStringLiteral("anna"), 5, 3, 1980);
    QVERIFY(frame);
    if (size.isValid())
        frame->showNormal();
    if (!size.isEmpty())
        frame->resize(size);
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    const ui::frmDisplay *display = ui::displayForm().loaded();

    for (const bool forward : {true, false}) {
        for (QScrollBar *bar : frame->findChildren<QScrollBar *>()) {
            if (display->isAncestorOf(bar))
                continue; // a text box's own
            const bool horizontal = bar->orientation() == Qt::Horizontal;
            const int end = (horizontal ? bar->width() : bar->height()) - 1;
            const QPoint point =
                horizontal ? QPoint(forward ? end : 0, bar->height() / 2) : QPoint(bar->width() / 2, forward ? end : 0);
            for (int i = 0; i < 200 && bar->isVisible() && bar->value() != (forward ? bar->maximum() : bar->minimum());
                 ++i)
                QTest::mouseClick(bar, Qt::LeftButton, {}, point);
        }
        const QPoint corner = forward ? display->rect().bottomRight() : display->rect().topLeft();
        const QWidget *seen = frame->childAt(display->mapTo(frame, corner));
        QVERIFY2(seen && (seen == display || display->isAncestorOf(seen)), forward ? "bottom right" : "top left");
    }
}

// A frame that grows until the result window fits loses its scroll bars at once, not only after the events
// queued meanwhile: a frame laid out small and then maximized is never painted with bars that are about to go.
// (The offscreen screen is narrower than the result window, so the horizontal bar may stay.)
void TestApp::scrollBarsGoAtOnce()
{
    start();
    ui::frmMdi *frame = read(QStringLiteral("anna"), 5, 3, 1980);
    QVERIFY(frame);
    frame->showNormal();
    frame->resize(480, 360);
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    const ui::frmDisplay *display = ui::displayForm().loaded();
    const auto barsShown = [&] {
        int shown = 0;
        for (const QScrollBar *bar : frame->findChildren<QScrollBar *>())
            shown += !display->isAncestorOf(bar) && bar->isVisible();
        return shown;
    };
    QCOMPARE(barsShown(), 2);
    frame->resize(display->width() + 400, display->height() + 600);
    const int atOnce = barsShown();
    QCoreApplication::processEvents();
    QCOMPARE(atOnce, barsShown());
    QVERIFY(atOnce < 2);
}

void TestApp::focusMark_data()
{
    QTest::addColumn<QString>("control");
    for (const char *name : {"txtName", "cboDate", "cboMonth", "cboYear", "cmdProceed", "cmdExit"})
        QTest::newRow(name) << name;
}

// A control of the input form is ringed while, and only while, it has the keyboard focus; the ring stands out
// from the navy panel by at least 3:1, as the accessibility guidelines ask of a focus mark.
void TestApp::focusMark()
{
    QFETCH(QString, control);
    ui::frmMain *form = start();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QWidget *target = child(form, control);
    // The middles of the four sides, three pixels out, where the navy panel shows around an unmarked control.
    const auto around = [form, target] {
        const QImage image = form->grab().toImage();
        const QRect box(target->mapTo(form, QPoint()), target->size());
        QList<QColor> colours;
        for (const QPoint point : {QPoint(box.center().x(), box.top() - 3), QPoint(box.center().x(), box.bottom() + 3),
                                   QPoint(box.left() - 3, box.center().y()), QPoint(box.right() + 3, box.center().y())})
            colours << image.pixelColor((QPointF(point) * image.devicePixelRatio()).toPoint());
        return colours;
    };
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](float v) { return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f); };
        return 0.2126f * linear(colour.redF()) + 0.7152f * linear(colour.greenF()) + 0.0722f * linear(colour.blueF());
    };

    for (int i = 0; i < 6 && QApplication::focusWidget() != target; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), target);
    for (const QColor &colour : around()) {
        const float contrast = (luminance(colour) + 0.05f) / (luminance(ui::Navy) + 0.05f);
        QVERIFY2(contrast >= 3, qPrintable(QStringLiteral("%1: %2").arg(colour.name()).arg(contrast)));
    }
    QTest::keyClick(target, Qt::Key_Tab);
    QCOMPARE(around(), QList<QColor>(4, ui::Navy));
}

void TestApp::reminderAtStart_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<int>("questions");
    QTest::newRow("14 days ago") << 14 << 0;
    QTest::newRow("15 days ago") << 15 << 1;
    QTest::newRow("15 days ahead") << -15 << 1;
}

// Start-up and the input form's load both run the reminder; the user is asked once at most.
void TestApp::reminderAtStart()
{
    QFETCH(int, daysAgo);
    QFETCH(int, questions);

    storeReminderDate(m_today.addDays(-daysAgo));
    h->answers = {shell::Answer::No};
    ui::frmMain *form = start();
    QVERIFY(form && form->isVisible());
    QCOMPARE(h->messages.size(), questions);
    if (questions) {
        QCOMPARE(h->messages.first(),
                 QStringLiteral("There maybe an update to this software available\r"
                                "Do you want to check for an update?"));
    }
    QVERIFY(h->browser.urls.isEmpty());
}

void TestApp::windowStates_data()
{
    QTest::addColumn<bool>("inFrame");
    QTest::addColumn<int>("asked"); // the state the window system is asked for, as a title bar's box asks

    QTest::newRow("input form maximized") << false << int(Qt::WindowMaximized);
    QTest::newRow("input form full screen") << false << int(Qt::WindowFullScreen);
    QTest::newRow("input form minimized, brought forward") << false << int(Qt::WindowMinimized);
    QTest::newRow("frame minimized, brought forward") << true << int(Qt::WindowMinimized);
}

// The fixed-size input form goes back to its own size and state from a maximized or full-screen state it was
// granted; a minimized window comes back when a later copy asks for it.
void TestApp::windowStates()
{
    QFETCH(bool, inFrame);
    QFETCH(int, asked);
    QWidget *window = start();
    if (inFrame)
        window = read(QStringLiteral("anna"), 21, 7, 1980);
    const QSize size = window->size();
    Qt::WindowStates granted; // every state it had (it may give one back before a poll of the widget sees it)
    QObject watch;
    connect(window->windowHandle(), &QWindow::windowStateChanged, &watch,
            [&granted](Qt::WindowState state) { granted |= state; });
    window->windowHandle()->setWindowStates(Qt::WindowStates(asked));
    if (asked == Qt::WindowMinimized) {
        QTRY_VERIFY(window->isMinimized());
        shell::bringForward();
    } else {
        QTRY_VERIFY(granted & asked); // granted, as a compositor grants it
    }
    const Qt::WindowStates own = inFrame ? Qt::WindowMaximized : Qt::WindowNoState; // the frame's own state
    QTRY_COMPARE(window->windowHandle()->windowStates() & ~own, Qt::WindowNoState);
    QTRY_COMPARE(window->windowState() & ~own, Qt::WindowNoState);
    QVERIFY(window->isVisible());
    if (!inFrame)
        QTRY_COMPARE(window->size(), size);
    QCOMPARE(h->ends, 0);
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
