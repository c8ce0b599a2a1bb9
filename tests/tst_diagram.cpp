// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Tree-of-Life diagram of the result window: its drawing, and the sphere explanations that follow the
// mouse.

#include "tests/displaytesthelpers.h"
#include "ui/diagram/diagramlabel.h"
#include "ui/style.h"
#include "ui/twips.h"

#include <QStandardPaths>

using namespace tavrel;
using namespace displaytest;

namespace {

bool sameColour(const QColor &a, const QColor &b, int tolerance = 6)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestDiagram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { m_window.reset(); }

    void spheres();
    void painting();
    void sphereCaptions_data();
    void sphereCaptions();

    void hover_data();
    void hover();
    void tabSwitching_data();
    void tabSwitching();

private:
    // Parks the mouse on a sphere's label; every move there writes the explanation anew.
    void hoverSphere(int index);

    std::unique_ptr<frmDisplay> m_window; // shown, with the Pisces reading
};

void TestDiagram::init()
{
    m_window = openReading(SunSign::Pisces);
    QVERIFY(m_window);
}

void TestDiagram::hoverSphere(int index)
{
    QWidget *label = m_window->diagram()->sphereLabel(index);
    // Two distinct points: a move to where the mouse already is would not be a move.
    QTest::mouseMove(label, QPoint(10, 10));
    child<QLabel>(m_window.get(), "lblSphereName")->setText(QStringLiteral("stale"));
    child<QLabel>(m_window.get(), "lblSphereDesc")->setText(QStringLiteral("stale"));
    QTest::mouseMove(label, QPoint(12, 12));
    QCOMPARE(explained(*m_window), Spheres[index].first);
}

void TestDiagram::spheres()
{
    for (int i = 0; i < ui::TreeDiagram::SphereCount; ++i) {
        const QObject *sphere = child<QObject>(m_window.get(), QStringLiteral("ShpCircle_%1").arg(i));
        const auto *label = child<QLabel>(m_window.get(), QStringLiteral("lblClick_%1").arg(i));
        QVERIFY(sphere && label);
        QCOMPARE(sphere->property("dottedOutline").toBool(), i == 10);
        // Every point of the ellipse lies inside its label's box, so the whole sphere answers the mouse.
        QVERIFY(label->geometry().contains(sphere->property("geometry").toRect()));
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 255, 255));
        QVERIFY(label->font().bold());
    }
}

// What the canvas paints follows the colours of its elements, at every scale factor (the test runs a second
// time under QT_SCALE_FACTOR=2).
void TestDiagram::painting()
{
    auto *canvas = child(m_window.get(), "Frame2");
    const QImage image = canvas->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    QCOMPARE(image.size(), (QSizeF(canvas->size()) * ratio).toSize());
    const auto at = [&](const QImage &painted, QPoint p) { return painted.pixelColor((QPointF(p) * ratio).toPoint()); };
    const auto sphereBottom = [&](int index) {
        const QRect box = m_window->diagram()->sphere(index)->geometry();
        return QPoint(box.center().x(), box.bottom() - 4); // below the caption
    };
    const auto middle = [&](const char *line) {
        return child<QObject>(canvas, QString::fromLatin1(line))->property("line").toLine().center();
    };

    QVERIFY(sameColour(at(image, QPoint(2, 2)), QColor(0, 0, 64)));
    for (const int sphere : {6, 9})
        QVERIFY(sameColour(at(image, sphereBottom(sphere)), Highlight));
    for (const int sphere : {7, 10})
        QVERIFY(sameColour(at(image, sphereBottom(sphere)), Grey));
    QVERIFY(sameColour(at(image, middle("ln710")), Highlight));
    QVERIFY(sameColour(at(image, middle("ln78")), Grey));
    QVERIFY(sameColour(at(image, middle("Line11")), QColor(139, 193, 119), 24));

    // A recoloured element is painted anew.
    m_window->diagram()->setSphereColor(7, Qt::red);
    QVERIFY(sameColour(at(canvas->grab().toImage(), sphereBottom(7)), Qt::red));
}

void TestDiagram::sphereCaptions_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("widthTwips"); // 0: wide enough for anything
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("Malkhuth") << " 10 Malkhuth" << 945 << QStringList{" 10", "Malkhuth"};
    QTest::newRow("Daat: the blanks fill a line") << "         Daat" << 735 << QStringList{"         ", "Daat"};
    QTest::newRow("all on one line") << " 9  Yesod" << 0 << QStringList{" 9  Yesod"};
    QTest::newRow("too long a word") << "Tiphereth" << 60 << QStringList{"Tiphereth"};
    QTest::newRow("empty") << "" << 735 << QStringList{};
}

void TestDiagram::sphereCaptions()
{
    QFETCH(QString, caption);
    QFETCH(int, widthTwips);
    QFETCH(QStringList, lines);

    const QFontMetricsF metrics(ui::verdana(8.25, true));
    const qreal width = widthTwips ? ui::px(widthTwips) : 10000.0;
    QCOMPARE(ui::DiagramSphereLabel::wrapCaption(caption, metrics, width), lines);
}

void TestDiagram::hover_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("target"); // a control, or a line of the canvas
    QTest::addColumn<QPoint>("point"); // in the target; (-1, -1) for its centre
    QTest::addColumn<int>("shown"); // the sphere explained afterwards, -1 for none

    const QPoint centre(-1, -1);
    // Onto every sphere from Keter, and onto the parts of wide labels beside their ellipses.
    for (int i = 1; i < Spheres.size(); ++i)
        QTest::addRow("%s", qPrintable(Spheres[i].first)) << 2 << QStringLiteral("lblClick_%1").arg(i) << centre << i;
    QTest::newRow("wide label, left of Chokmah's ellipse") << 2 << "lblClick_1" << QPoint(3, 20) << 1;
    QTest::newRow("wide label, right of Malkhuth's ellipse") << 2 << "lblClick_9" << QPoint(60, 20) << 9;
    // Places that clear.
    QTest::newRow("empty canvas") << 2 << "Frame2" << QPoint(10, 10) << -1;
    QTest::newRow("a path between spheres") << 2 << "ln78" << centre << -1;
    QTest::newRow("a highlighted path") << 2 << "ln710" << centre << -1;
    QTest::newRow("a hidden card label") << 2 << "lblLeo" << centre << -1;
    QTest::newRow("sphere description") << 2 << "lblSphereDesc" << QPoint(5, 5) << -1;
    QTest::newRow("first page") << 0 << "picSplit" << QPoint(3, 150) << -1;
    QTest::newRow("rule of the first page") << 0 << "Line13" << QPoint(100, 0) << -1;
    QTest::newRow("second page") << 1 << "picSplitTwo" << QPoint(3, 300) << -1;
    // Places that keep the explanation.
    QTest::newRow("a path name") << 2 << "Label22" << centre << 0;
    QTest::newRow("the visible card label") << 2 << "lblPisces" << centre << 0;
    QTest::newRow("frame border") << 2 << "Frame1" << QPoint(1, 300) << 0;
    QTest::newRow("empty part of the third page") << 2 << "picSplitThree" << QPoint(3, 250) << 0;
    QTest::newRow("caption on the first page") << 0 << "Label5" << centre << 0;
    QTest::newRow("description box") << 0 << "txtOneSphereDesc" << centre << 0;
    QTest::newRow("path description box") << 1 << "txtPathDecs" << centre << 0;
    QTest::newRow("tab strip, without a press") << 2 << "tabbar" << QPoint(30, 10) << 0;
    // Rows named "click ..." also click there: only a press on the tab strip clears (see tabSwitching).
    QTest::newRow("click on the hint of the third page") << 2 << "Label33" << centre << 0;
    QTest::newRow("click on a value of the first page") << 0 << "lblOneArchangel" << centre << 0;
    QTest::newRow("click on the empty part of the third page") << 2 << "picSplitThree" << QPoint(3, 250) << 0;
}

void TestDiagram::hover()
{
    QFETCH(int, tab);
    QFETCH(QString, target);
    QFETCH(QPoint, point);
    QFETCH(int, shown);

    auto *tabs = child<QTabWidget>(m_window.get(), "SSTab1");
    tabs->setCurrentIndex(tab);
    focusOn(*m_window, QStringLiteral("Binah")); // the mouse leaves the focus where it is
    hoverSphere(0);

    QWidget *widget = nullptr;
    if (const QObject *line = child<QObject>(m_window.get(), target); line && !line->isWidgetType()) {
        // A line of the canvas: its middle, where no label lies.
        widget = child(m_window.get(), "Frame2");
        point = line->property("line").toLine().center();
        QVERIFY(!widget->childAt(point));
    } else {
        widget = target == QLatin1String("tabbar") ? tabs->tabBar() : child(m_window.get(), target);
        QVERIFY(widget);
        if (point == QPoint(-1, -1))
            point = widget->rect().center();
        if (widget->isHidden()) {
            // A hidden label takes no input: the point belongs to whatever lies beneath.
            point = widget->mapTo(widget->parentWidget(), point);
            widget = widget->parentWidget();
            QVERIFY(!widget->childAt(point));
        }
    }
    QVERIFY(widget->isVisible());
    QTest::mouseMove(widget, point);
    QCOMPARE(QCursor::pos(), widget->mapToGlobal(point)); // the move happened, on the screen
    if (QByteArray(QTest::currentDataTag()).startsWith("click "))
        QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    QCOMPARE(explained(*m_window), shown < 0 ? QString() : Spheres[shown].first);
    QCOMPARE(focused(*m_window), QStringLiteral("Binah"));
    QCOMPARE(m_window->diagram()->focusedSphere(), sphereIndex("Binah"));
}

void TestDiagram::tabSwitching_data()
{
    QTest::addColumn<QString>("focus"); // where the keyboard focus is
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("action"); // "press N" on the tab strip, or a key
    QTest::addColumn<int>("to");

    QTest::newRow("press another tab") << "tab strip" << 0 << "press 2" << 2;
    QTest::newRow("press the tab already shown") << "tab strip" << 2 << "press 2" << 2;
    QTest::newRow("sphere, Ctrl+Tab") << "Netzach" << 0 << "Ctrl+Tab" << 1;
    QTest::newRow("sphere, Ctrl+Shift+Tab") << "Netzach" << 1 << "Ctrl+Shift+Backtab" << 0;
    QTest::newRow("sphere, Ctrl+PageDown round to the first") << "Daat" << 2 << "Ctrl+PgDown" << 0;
    QTest::newRow("sphere, Ctrl+PageUp round to the last") << "Keter" << 0 << "Ctrl+PgUp" << 2;
    QTest::newRow("tab strip, Right") << "tab strip" << 1 << "Right" << 2;
    QTest::newRow("description box, Ctrl+PageDown") << "txtOneSphereDesc" << 0 << "Ctrl+PgDown" << 1;
    QTest::newRow("description box, Ctrl+Tab") << "txtOneSphereDesc" << 0 << "Ctrl+Tab" << 1;
}

// A press on the tab strip clears the explanation; a switch by keyboard, from wherever the focus is, keeps it
// and the focus.
void TestDiagram::tabSwitching()
{
    QFETCH(QString, focus);
    QFETCH(int, from);
    QFETCH(QString, action);
    QFETCH(int, to);

    auto *tabs = child<QTabWidget>(m_window.get(), "SSTab1");
    tabs->setCurrentIndex(from);
    focusOn(*m_window, focus);
    QCOMPARE(focused(*m_window), focus);
    hoverSphere(sphereIndex("Yesod")); // while another tab is shown, this fills the labels of the hidden third tab

    const bool pressed = action.startsWith(QLatin1String("press "));
    if (pressed) {
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(action.mid(6).toInt()).center());
    } else {
        const QKeySequence keys(action);
        QCOMPARE(keys.count(), 1);
        press(*m_window, keys[0].key(), keys[0].keyboardModifiers());
    }
    QCOMPARE(tabs->currentIndex(), to);
    QCOMPARE(explained(*m_window), pressed ? QString() : QStringLiteral("Yesod"));
    if (!focus.startsWith(QLatin1String("txt"))) // a box on a page that went out of sight loses the focus
        QCOMPARE(focused(*m_window), focus);
}

QTEST_MAIN(TestDiagram)
#include "tst_diagram.moc"
