// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on screens of different sizes and scales: the frame laid out for its width wherever it opens and
// whatever becomes of it, the input form brought back onto a screen, the keyboard where the result window does not
// fit. The screens are those of tests/offscreen-screens.json: 1280 x 1024, and beside it 1280 x 1024 at 144 dots
// per inch (853 x 683); the keyboard runs again on a laptop's 1366 x 768 at scale 1.5 (offscreen-laptop.json).
#include "app/startup.h"
#include "shell/clock.h"
#include "shell/forms.h"
#include "tests/apptesthelpers.h"
#include "ui/diagram/treediagram.h"
#include "ui/display/frmDisplay.h"
#include "ui/formregistry.h"
#include "ui/frmMain.h"
#include "ui/frmMdi.h"
#include "ui/twips.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <tuple>

using namespace tavrel;

class TestScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void frameLayout_data();
    void frameLayout();
    void formComesBackOnScreen_data();
    void formComesBackOnScreen();
    void keyboard();

private:
    static ui::frmMain *start();
    static ui::frmMdi *readOn(int screen);
    static ui::frmMdi *read(const QString &name, int day, int month, int year);

    std::unique_ptr<AppHarness> m_harness;
};

void TestScreens::initTestCase()
{
    m_harness = std::make_unique<AppHarness>();
    shell::setToday([] { return QDate(2026, 12, 7); });
    QCOMPARE(QGuiApplication::screens().size(), qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? 1 : 2);
}

void TestScreens::cleanup()
{
    if (!shell::isEnding())
        shell::UnloadAllAndEnd();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    shell::resetEnding();
    m_harness->ends = 0;
}

ui::frmMain *TestScreens::start()
{
    StartApplication();
    ui::frmMain *form = ui::mainForm().loaded();
    if (form)
        (void)QTest::qWaitForWindowExposed(form);
    return form;
}

ui::frmMdi *TestScreens::read(const QString &name, int day, int month, int year)
{
    ui::frmMain *form = ui::mainForm().loaded();
    QTest::keyClicks(form->findChild<QLineEdit *>(QStringLiteral("txtName")), name);
    form->findChild<QComboBox *>(QStringLiteral("cboDate"))->setCurrentIndex(day - 1);
    form->findChild<QComboBox *>(QStringLiteral("cboMonth"))->setCurrentIndex(month - 1);
    form->findChild<QComboBox *>(QStringLiteral("cboYear"))->setCurrentText(QString::number(year));
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdProceed")), Qt::LeftButton);
    return ui::mdiForm().loaded();
}

// The frame of a reading, opened from the input form on `screen`.
ui::frmMdi *TestScreens::readOn(int screen)
{
    QScreen *on = QGuiApplication::screens().at(screen);
    ui::frmMain *form = start();
    form->setScreen(on);
    form->move(on->availableGeometry().topLeft() + QPoint(40, 40));
    ui::frmMdi *frame = read(QStringLiteral("anna"), 5, 3, 1980);
    if (frame)
        (void)QTest::qWaitForWindowExposed(frame);
    return frame;
}

void TestScreens::frameLayout_data()
{
    QTest::addColumn<int>("screen"); // where the input form is, and so where the frame opens
    QTest::addColumn<QString>("then"); // what becomes of the maximized frame

    QTest::newRow("maximized") << 0 << "";
    QTest::newRow("maximized beside a dock") << 0 << "dock";
    QTest::newRow("restored") << 0 << "restore";
    QTest::newRow("480 pixels wide") << 0 << "narrow 480";
    QTest::newRow("dragged to 74 pixels wide") << 0 << "narrow 74";
    QTest::newRow("scale 1.5 on 1280x1024") << 1 << "";
    QTest::newRow("after a screen change") << 0 << "screen change";
}

// The banner, the software name, Back, Exit and the result window are laid out for the width of the frame, and
// follow it; maximized on a whole screen, the frame has the screen's width and so today's layout to the pixel.
// Back and Exit are always in sight, the result window's left part too, and a click on Exit ends the program.
void TestScreens::frameLayout()
{
    QFETCH(int, screen);
    QFETCH(QString, then);

    const QList<QScreen *> screens = QGuiApplication::screens();
    ui::frmMdi *frame = readOn(screen);
    QVERIFY(frame);
    QCOMPARE(frame->screen(), screens.at(screen));
    QTRY_COMPARE(frame->geometry(), screens.at(screen)->availableGeometry());
    if (then == QLatin1String("dock")) {
        frame->setGeometry(frame->geometry().adjusted(120, 0, 0, 0)); // as a window manager does beside the dock
    } else if (then == QLatin1String("restore")) {
        frame->showNormal();
    } else if (then.startsWith(QLatin1String("narrow"))) {
        frame->showNormal();
        frame->resize(then.mid(7).toInt(), frame->height());
    } else if (then == QLatin1String("screen change")) {
        frame->setScreen(screens.at(1)); // and the window manager fits it to its new screen
        frame->setGeometry(screens.at(1)->availableGeometry());
    }
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QCoreApplication::processEvents();

    const int w = frame->width() * ui::TwipsPerPixel;
    auto *exit = frame->findChild<QPushButton *>(QStringLiteral("cmdMdiExit"));
    auto *back = frame->findChild<QPushButton *>(QStringLiteral("cmdBack"));
    auto *name = frame->findChild<QLabel *>(QStringLiteral("lblSoftwareName"));
    const ui::frmDisplay *display = ui::displayForm().loaded();
    QCOMPARE(exit->geometry().right() + 1, ui::px(w - 20));
    QCOMPARE(back->x(), ui::px(w - 2660));
    QCOMPARE(frame->findChild<QLabel *>(QStringLiteral("lblOrvaneBanner"))->x(), ui::px((w - 9480) / 2));
    QVERIFY(qAbs(name->geometry().center().x() - ui::px(w / 2)) <= 1);
    QCOMPARE(display->x(), qMax(0, ui::px((w - 13995) / 2)));

    for (const QWidget *control : {static_cast<const QWidget *>(back), static_cast<const QWidget *>(exit)}) {
        const QRect box(control->mapTo(frame, QPoint()), control->size());
        QVERIFY2(frame->rect().contains(box), qPrintable(control->objectName()));
        QCOMPARE(frame->childAt(box.center()), control);
    }
    const QWidget *seen = frame->childAt(display->mapTo(frame, QPoint(2, 2)));
    QVERIFY2(seen && (seen == display || display->isAncestorOf(seen)), "the result window's top left corner");

    QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, exit->mapTo(frame, exit->rect().center()));
    QCOMPARE(m_harness->ends, 1);
}

void TestScreens::formComesBackOnScreen_data()
{
    QTest::addColumn<QPoint>("movedTo"); // where the hidden form finds itself while the reading is shown
    QTest::addColumn<bool>("centred");
    QTest::addColumn<bool>("pointer"); // moved while shown, where only the pointer's events tell (weston's X11)

    QTest::newRow("its screen as it was") << QPoint(1280 + 40, 40) << false << false;
    QTest::newRow("its screen shrank: a corner in sight") << QPoint(1280 + 853 - 30, 683 - 30) << true << false;
    QTest::newRow("its screen went away") << QPoint(1280 + 1280 + 40, 40) << true << false;
    QTest::newRow("moved by the user, as the pointer tells") << QPoint(1280 + 200, 100) << false << true;
}

// Back shows the input form where it was, unless no screen shows it whole any more: then it is centred on the
// main screen, as at first.
void TestScreens::formComesBackOnScreen()
{
    QFETCH(QPoint, movedTo);
    QFETCH(bool, centred);
    QFETCH(bool, pointer);

    ui::frmMain *form = start();
    QScreen *second = QGuiApplication::screens().at(1);
    form->setScreen(second);
    form->move(second->availableGeometry().topLeft() + QPoint(40, 40));
    for (const QPoint inside : {form->pos(), movedTo}) { // the pointer in the form before and after a move
        QMouseEvent seen(QEvent::MouseMove, QPointF(20, 20), QPointF(inside + QPoint(20, 20)), Qt::NoButton, {}, {});
        if (pointer)
            QCoreApplication::sendEvent(form->windowHandle(), &seen);
    }
    ui::frmMdi *frame = read(QStringLiteral("anna"), 5, 3, 1980);
    QVERIFY(frame);
    QVERIFY(!form->isVisible());
    if (!pointer)
        form->move(movedTo); // as if its screen had changed under it

    QTest::mouseClick(frame->findChild<QPushButton *>(QStringLiteral("cmdBack")), Qt::LeftButton);
    QVERIFY(form->isVisible());
    const QRect main = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(form->pos(), centred ? main.center() - QPoint(form->width() / 2, form->height() / 2) : movedTo);
}

// Where the result window does not fit (the last screen), Tab goes once round the frame, the diagram one stop and
// Back before Exit; what shows the focus in the client area is scrolled into view and ringed: each stop, the tab
// strip as the frame opens, the tabs the arrow keys choose, the sphere End reaches, and whatever takes the focus when
// Ctrl+Tab and its kin switch the tabs from a text box; Back and Exit are ringed. Page Down and the arrows scroll.
void TestScreens::keyboard()
{
    ui::frmMdi *frame = readOn(int(QGuiApplication::screens().size()) - 1);
    QVERIFY(frame && QTest::qWaitForWindowActive(frame));
    QWidget *view = frame->clientArea();
    ui::TreeDiagram *diagram = ui::displayForm().loaded()->diagram();
    QTabBar *tabs = ui::displayForm().loaded()->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->tabBar();
    QTRY_COMPARE(QApplication::focusWidget(), tabs);
    // Yellow 3 pixels above it, or 5 below the top of a tab; in the client area, in view.
    const auto inViewAndRinged = [view, diagram, tabs] {
        QWidget *focus = QApplication::focusWidget();
        const int sphere = diagram->focusedSphere();
        QWidget *panel = focus == tabs ? tabs : sphere >= 0 ? diagram : focus->parentWidget();
        const QRect box = focus == tabs ? tabs->tabRect(tabs->currentIndex())
            : sphere >= 0               ? diagram->sphere(sphere)->geometry()
                                        : focus->geometry();
        const QImage image = panel->grab().toImage();
        const QPointF above(box.center().x(), box.y() + (focus == tabs ? 5 : -3));
        const QColor ring = image.pixelColor((above * image.devicePixelRatio()).toPoint());
        return (!view->isAncestorOf(panel)
                || view->rect().contains(QRect(panel->mapTo(view, box.topLeft()), box.size())))
            && ring.red() > 180 && ring.green() > 180 && ring.blue() < 110;
    };
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left}) {
        QVERIFY2(inViewAndRinged(), qPrintable(QString::number(tabs->currentIndex())));
        QTest::keyClick(tabs, key);
    }
    QStringList stops;
    do {
        QWidget *focus = QApplication::focusWidget();
        stops << (focus == tabs ? QStringLiteral("tab strip") : focus->objectName());
        QVERIFY2(inViewAndRinged(), qPrintable(stops.last()));
        QTest::keyClick(focus, Qt::Key_Tab);
    } while (QApplication::focusWidget() != tabs && stops.size() < 30);
    QCOMPARE(stops,
             (QStringList{"tab strip", "RTB_0", "txtOneSphereDesc", "txtOneAngelDesc", "RTB_1", "txtTwoSphereDesc",
                          "txtTwoAngelDesc", "cmdBack", "cmdMdiExit", "lblClick_0"}));
    // Switching tabs from a text box: the focus goes to the new page's first control, or to the tab strip.
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = Qt::ControlModifier | Qt::ShiftModifier;
    for (const auto &[from, on, key, modifiers, page] : {std::tuple{"txtTwoAngelDesc", 0, Qt::Key_Tab, ctrl, 1},
                                                         {"txtPathDecs", 1, Qt::Key_Tab, ctrl, 2},
                                                         {"txtOneSphereDesc", 0, Qt::Key_PageUp, ctrl, 2},
                                                         {"txtTwoSphereDesc", 0, Qt::Key_PageDown, ctrl, 1},
                                                         {"txtTwoAngelDesc", 0, Qt::Key_Tab, shift, 2}}) {
        tabs->setCurrentIndex(on);
        QWidget *box = ui::displayForm().loaded()->findChild<QWidget *>(QString::fromLatin1(from));
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, key, modifiers);
        const QWidget *focus = QApplication::focusWidget();
        QVERIFY2(tabs->currentIndex() == page && (focus == tabs || focus->focusPolicy() & Qt::TabFocus)
                     && inViewAndRinged(),
                 from);
    }
    QTest::keyClick(tabs, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QVERIFY(diagram->focusedSphere() == 9 && inViewAndRinged());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QScrollBar *bar = static_cast<QAbstractScrollArea *>(view->parentWidget())->verticalScrollBar();
    for (const auto &[key, way] :
         {std::pair{Qt::Key_PageDown, 1}, {Qt::Key_Up, -1}, {Qt::Key_PageUp, -1}, {Qt::Key_Down, 1}}) {
        const int before = bar->value();
        QTest::keyClick(tabs, key);
        QVERIFY2((bar->value() - before) * way > 0, qPrintable(QKeySequence(key).toString()));
    }
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
