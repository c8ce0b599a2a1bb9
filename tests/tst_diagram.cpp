// The Tree-of-Life diagram of the result window: its drawing, and the sphere explanations that follow the
// mouse.

#include "diagramlabel.h"
#include "frmDisplay.h"
#include "style.h"
#include "treediagram.h"
#include "twips.h"

#include "reading.h"

#include <QLabel>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace tavrel;
using ui::frmDisplay;

namespace {

const QColor Highlight = QColor::fromRgb(236, 28, 210);
const QColor Grey = QColor::fromRgb(64, 64, 64);

template<typename T = QWidget>
T *child(const QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

QString caption(const frmDisplay &window, const char *name)
{
    const auto *label = child<QLabel>(&window, QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

QLine lineOf(const frmDisplay &window, const QString &name)
{
    const QObject *line = child<QObject>(&window, name);
    return line ? line->property("line").toLine() : QLine();
}

bool sameColour(const QColor &a, const QColor &b, int tolerance = 6)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

// The name each sphere shows, and the first words of its paragraph.
const QList<std::pair<QString, QString>> Explanations{
    {"Keter", "Keter occupies the 1st position"},       {"Chokmah", "Chokmah occupies the 2nd position"},
    {"Binah", "Binah occupies the 3rd position"},       {"Chesed", "Chesed occupies the 4th position"},
    {"Gevurah", "Gevurah occupies the 5th position"},   {"Tiphereth", "Tiphereth occupies the 6th position"},
    {"Netzach", "Netzach occupies the 7th position"},   {"Hod", "Hod occupies the 8th position"},
    {"Yesod", "Yesod occupies the 9th position"},       {"Malkhuth", "Malkhuth occupies the 10th position"},
    {"Daat", "Da'at is an invisible sphere"},
};

} // namespace

class TestDiagram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void paths_data();
    void paths();
    void spheres();
    void painting();
    void sphereCaptions_data();
    void sphereCaptions();

    void explanations_data();
    void explanations();
    void hover_data();
    void hover();
    void everyMoveRewrites();
    void tabControl_data();
    void tabControl();

private:
    // A shown window with the Pisces reading, the mouse parked on Keter's label.
    void hoverKeter();

    std::unique_ptr<frmDisplay> m_window;
};

void TestDiagram::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestDiagram::init()
{
    m_window = std::make_unique<frmDisplay>();
    m_window->Form_Load();
    m_window->ShowReading(makeReading(SunSign::Pisces));
    m_window->move(0, 0);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestDiagram::cleanup()
{
    m_window.reset();
}

void TestDiagram::hoverKeter()
{
    QWidget *keter = child(m_window.get(), "lblClick_0");
    // Two distinct points: a move to where the mouse already is would not be a move.
    QTest::mouseMove(keter, QPoint(10, 10));
    QTest::mouseMove(keter, QPoint(12, 12));
    QCOMPARE(caption(*m_window, "lblSphereName"), QStringLiteral("Keter"));
}

void TestDiagram::paths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QLine>("twips");
    QTest::addColumn<int>("width");
    QTest::addColumn<QColor>("color");

    const QColor connector(139, 193, 119);
    QTest::newRow("ln12") << "ln12" << QLine(2160, 600, 3000, 1080) << 6 << Grey;
    QTest::newRow("ln710") << "ln710" << QLine(3120, 5040, 2160, 6720) << 6 << Highlight;
    QTest::newRow("ln910") << "ln910" << QLine(1920, 6120, 1920, 6600) << 6 << Grey;
    QTest::newRow("Line3, to Zain above") << "Line3" << QLine(1080, 2040, 2760, 600) << 2 << connector;
    QTest::newRow("Line12, slanting to Teth") << "Line12" << QLine(1560, 2760, 3600, 3840) << 2 << connector;
}

void TestDiagram::paths()
{
    QFETCH(QString, name);
    QFETCH(QLine, twips);
    QFETCH(int, width);
    QFETCH(QColor, color);

    const QObject *line = child<QObject>(m_window.get(), name);
    QVERIFY(line);
    QCOMPARE(line->parent()->objectName(), QStringLiteral("Frame2"));
    const QLine expected(ui::twipPoint(twips.x1(), twips.y1()), ui::twipPoint(twips.x2(), twips.y2()));
    QCOMPARE(lineOf(*m_window, name), expected);
    QCOMPARE(line->property("width").toInt(), width);
    QCOMPARE(line->property("color").value<QColor>(), color);
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
    const auto at = [&](QPoint p) { return image.pixelColor((QPointF(p) * ratio).toPoint()); };
    const auto sphereBottom = [&](int index) {
        const QObject *sphere = child<QObject>(canvas, QStringLiteral("ShpCircle_%1").arg(index));
        const QRect box = sphere->property("geometry").toRect();
        return QPoint(box.center().x(), box.bottom() - 4); // below the caption
    };
    const auto middle = [&](const char *line) { return lineOf(*m_window, QString::fromLatin1(line)).center(); };

    QVERIFY(sameColour(at(QPoint(2, 2)), QColor(0, 0, 64)));
    QVERIFY(sameColour(at(sphereBottom(6)), Highlight));
    QVERIFY(sameColour(at(sphereBottom(9)), Highlight));
    QVERIFY(sameColour(at(sphereBottom(7)), Grey));
    QVERIFY(sameColour(at(sphereBottom(10)), Grey));
    QVERIFY(sameColour(at(middle("ln710")), Highlight));
    QVERIFY(sameColour(at(middle("ln78")), Grey));
    QVERIFY(sameColour(at(middle("Line11")), QColor(139, 193, 119), 24));

    // A recoloured element is painted anew.
    m_window->diagram()->setSphereColor(7, Qt::red);
    const QImage repainted = canvas->grab().toImage();
    QVERIFY(sameColour(repainted.pixelColor((QPointF(sphereBottom(7)) * ratio).toPoint()), Qt::red));
}

void TestDiagram::sphereCaptions_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("widthTwips"); // 0: wide enough for anything
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("Keter") << "   1   Keter" << 735 << QStringList{"   1", "Keter"};
    QTest::newRow("Chokmah") << " 2 Chokmah" << 975 << QStringList{" 2", "Chokmah"};
    QTest::newRow("Malkhuth") << " 10 Malkhuth" << 945 << QStringList{" 10", "Malkhuth"};
    QTest::newRow("Daat: the blanks fill a line") << "         Daat" << 735 << QStringList{"         ", "Daat"};
    QTest::newRow("all on one line") << " 9  Yesod" << 0 << QStringList{" 9  Yesod"};
    QTest::newRow("trailing blanks") << "Hod   " << 0 << QStringList{"Hod"};
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

void TestDiagram::explanations_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < Explanations.size(); ++i)
        QTest::addRow("%d %s", i, qPrintable(Explanations[i].first)) << i;
}

void TestDiagram::explanations()
{
    QFETCH(int, index);
    child<QTabWidget>(m_window.get(), "SSTab1")->setCurrentIndex(2);
    QWidget *label = child(m_window.get(), QStringLiteral("lblClick_%1").arg(index));
    QTest::mouseMove(label, QPoint(label->width() / 2, 30));
    QCOMPARE(caption(*m_window, "lblSphereName"), Explanations[index].first);
    QVERIFY2(caption(*m_window, "lblSphereDesc").startsWith(Explanations[index].second),
             qPrintable(caption(*m_window, "lblSphereDesc").left(40)));
}

void TestDiagram::hover_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("target"); // a control, or a line of the canvas
    QTest::addColumn<QPoint>("point");   // in the target; (-1, -1) for its centre
    QTest::addColumn<int>("shown");      // the sphere explained afterwards, -1 for none

    const QPoint centre(-1, -1);
    // Onto another sphere.
    QTest::newRow("another sphere") << 2 << "lblClick_6" << centre << 6;
    QTest::newRow("Da'at") << 2 << "lblClick_10" << QPoint(20, 30) << 10;
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
    QTest::newRow("sphere name") << 2 << "lblSphereName" << centre << 0;
    QTest::newRow("hint") << 2 << "Label33" << centre << 0;
    QTest::newRow("caption on the first page") << 0 << "Label5" << centre << 0;
    QTest::newRow("description box") << 0 << "txtOneSphereDesc" << centre << 0;
    QTest::newRow("value on the second page") << 1 << "lblHebrewLetter" << QPoint(5, 5) << 0;
    QTest::newRow("path description box") << 1 << "txtPathDecs" << centre << 0;
    QTest::newRow("tab strip, without a press") << 2 << "tabbar" << QPoint(30, 10) << 0;
}

void TestDiagram::hover()
{
    QFETCH(int, tab);
    QFETCH(QString, target);
    QFETCH(QPoint, point);
    QFETCH(int, shown);

    auto *tabs = child<QTabWidget>(m_window.get(), "SSTab1");
    tabs->setCurrentIndex(tab);
    hoverKeter();

    QWidget *widget = nullptr;
    if (const QObject *line = child<QObject>(m_window.get(), target); line && !line->isWidgetType()) {
        // A line of the canvas: its middle, where no label lies.
        widget = child(m_window.get(), "Frame2");
        point = line->property("line").toLine().center();
        QVERIFY(!widget->childAt(point));
    } else if (target == QLatin1String("tabbar")) {
        widget = tabs->tabBar();
    } else {
        widget = child(m_window.get(), target);
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

    if (shown < 0) {
        QCOMPARE(caption(*m_window, "lblSphereName"), QString());
        QCOMPARE(caption(*m_window, "lblSphereDesc"), QString());
    } else {
        QCOMPARE(caption(*m_window, "lblSphereName"), Explanations[shown].first);
        QVERIFY(caption(*m_window, "lblSphereDesc").startsWith(Explanations[shown].second));
    }
}

void TestDiagram::everyMoveRewrites()
{
    child<QTabWidget>(m_window.get(), "SSTab1")->setCurrentIndex(2);
    QWidget *chesed = child(m_window.get(), "lblClick_3");
    QTest::mouseMove(chesed, QPoint(20, 20));
    QCOMPARE(caption(*m_window, "lblSphereName"), QStringLiteral("Chesed"));
    child<QLabel>(m_window.get(), "lblSphereName")->setText(QStringLiteral("stale"));
    child<QLabel>(m_window.get(), "lblSphereDesc")->setText(QStringLiteral("stale"));
    QTest::mouseMove(chesed, QPoint(22, 20));
    QCOMPARE(caption(*m_window, "lblSphereName"), QStringLiteral("Chesed"));
    QVERIFY(caption(*m_window, "lblSphereDesc").startsWith(QStringLiteral("Chesed occupies")));
}

void TestDiagram::tabControl_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("cleared");

    QTest::newRow("press the third tab") << 0 << "press 2" << 2 << true;
    QTest::newRow("press the second tab") << 0 << "press 1" << 1 << true;
    QTest::newRow("press the tab already shown") << 2 << "press 2" << 2 << true;
    QTest::newRow("Ctrl+Tab") << 0 << "Ctrl+Tab" << 1 << false;
    QTest::newRow("Ctrl+Shift+Tab") << 1 << "Ctrl+Shift+Tab" << 0 << false;
    QTest::newRow("arrow key on the tab strip") << 1 << "Right" << 2 << false;
}

void TestDiagram::tabControl()
{
    QFETCH(int, from);
    QFETCH(QString, action);
    QFETCH(int, to);
    QFETCH(bool, cleared);

    auto *tabs = child<QTabWidget>(m_window.get(), "SSTab1");
    tabs->setCurrentIndex(from);
    // Hovering while another tab is shown fills the labels of the hidden third tab.
    hoverKeter();

    if (action.startsWith(QLatin1String("press "))) {
        const int index = action.mid(6).toInt();
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
    } else if (action == QLatin1String("Ctrl+Tab")) {
        QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
    } else if (action == QLatin1String("Ctrl+Shift+Tab")) {
        QTest::keyClick(tabs, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
        QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
    }

    QCOMPARE(tabs->currentIndex(), to);
    QCOMPARE(caption(*m_window, "lblSphereName"), cleared ? QString() : QStringLiteral("Keter"));
    QCOMPARE(caption(*m_window, "lblSphereDesc").isEmpty(), cleared);
}

QTEST_MAIN(TestDiagram)
#include "tst_diagram.moc"
