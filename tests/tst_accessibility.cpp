// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The result window without a mouse: what a screen reader finds in it, the spheres of the diagram under the
// keyboard, and the ring that marks the sphere with the focus.

#include "tests/displaytesthelpers.h"
#include "tests/goldenreadings.h"
#include "ui/scrollingclientarea.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QStandardPaths>
#include <QtMath>

#include <algorithm>

using namespace tavrel;
using namespace displaytest;

namespace {

// Every label that shows a value of the reading, and so must be read together with its caption.
const QStringList ValueLabels{"lbSephirothSOneCardName",
                              "lblOneSphereHead",
                              "lblOneSphereSign",
                              "lblOnePositionInTreeOfLife",
                              "lblOnePlanetaryRuler",
                              "lblOneArchangel",
                              "lblOneLuckyDay",
                              "lblOneColor",
                              "lblOneWood",
                              "lblOneKeyword",
                              "lblOneMetal",
                              "lbSephirothSTwoCardName",
                              "lblTwoSphereHead",
                              "lblTwoSphereSign",
                              "lblTwoPositionInTreeOfLife",
                              "lblTwoPlanetaryRuler",
                              "lblTwoArchangel",
                              "lblTwoLuckyDay",
                              "lblTwoColor",
                              "lblTwoWood",
                              "lblTwoKeyword",
                              "lblTwoMetal",
                              "lblPathName",
                              "lblHebrewLetter",
                              "lblLocation",
                              "lblCorrespondingPlanet",
                              "lblYetsiraticAttribution",
                              "lblColor",
                              "lblElement",
                              "lblSunSignName",
                              "lblLiesPathName",
                              "lblSphereName"};

struct Spoken
{
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString description;
    QString value;
    QAccessibleInterface *node = nullptr;
};

// What a screen reader finds walking the accessibility tree down from the window, by object name.
void walk(QAccessibleInterface *node, QHash<QString, Spoken> &found)
{
    if (!node)
        return;
    if (const QObject *object = node->object(); object && !object->objectName().isEmpty())
        found.insert(object->objectName(),
                     {node->role(), node->text(QAccessible::Name), node->text(QAccessible::Description),
                      node->text(QAccessible::Value), node});
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), found);
}

QHash<QString, Spoken> readAloud(QWidget *window)
{
    QHash<QString, Spoken> found;
    walk(QAccessible::queryAccessibleInterface(window), found);
    return found;
}

// The focus events and name changes assistive tools are sent, with the names of their objects.
QList<std::pair<QAccessible::Event, QString>> g_events;

void recordEvent(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Focus || event->type() == QAccessible::NameChanged)
        g_events.append({event->type(), event->object() ? event->object()->objectName() : QString()});
}

// How many of twelve points around the sphere, just outside its ellipse, the ring covers.
int ringCoverage(const frmDisplay &window, const QImage &canvas, int index)
{
    const QRectF box = window.diagram()->sphere(index)->geometry();
    const qreal ratio = canvas.devicePixelRatio();
    int covered = 0;
    for (int step = 0; step < 12; ++step) {
        const qreal angle = qDegreesToRadians(step * 30.0);
        const QPointF direction(qCos(angle), qSin(angle));
        const QPointF edge = box.center() + QPointF(direction.x() * box.width() / 2, direction.y() * box.height() / 2);
        for (qreal out = 0.5; out <= 7; out += 0.5) {
            const QPoint at = ((edge + direction * out) * ratio).toPoint();
            const QColor c = canvas.rect().contains(at) ? canvas.pixelColor(at) : QColor();
            if (c.red() > 180 && c.green() > 180 && c.blue() < 110) {
                ++covered;
                break;
            }
        }
    }
    return covered;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { m_window.reset(); }

    void whatTheReaderSays_data();
    void whatTheReaderSays();
    void spheres_data();
    void spheres();
    void namesFollowTheWindow();
    void scrollBarsGo();

    void tabWalksTheTree();
    void arrowKeys_data();
    void arrowKeys();
    void focusMark_data();
    void focusMark();
    void mouseLeavesTheFocusAlone();

    // Needs assistive technology support to be active: runs under an accessibility bus (see
    // tst_accessibility_bus in tests/CMakeLists.txt).
    void focusIsAnnounced();

private:
    std::unique_ptr<frmDisplay> m_window; // shown and active, with the Pisces reading
};

void TestAccessibility::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QAccessible::installUpdateHandler(recordEvent);
}

void TestAccessibility::init()
{
    m_window = openReading(SunSign::Pisces);
    QVERIFY(m_window);
    g_events.clear();
}

void TestAccessibility::whatTheReaderSays_data()
{
    QTest::addColumn<SunSign>("sign");
    QTest::addColumn<QStringList>("names"); // object=name
    QTest::addColumn<QString>("highlighted"); // the diagram's description

    for (const GoldenReading &g : GoldenReadings) {
        const QString one = g.one[0];
        const QString two = g.two[0];
        QStringList names{"lblOneSphereHead=First sphere: " + one,
                          "lblTwoSphereHead=Second sphere: " + two,
                          "lblPathName=Path: " + g.path[0],
                          "lblLiesPathName=Path Associated With Your Sun Sign: " + g.path[0],
                          "lblSunSignName=Sun Sign: " + QLatin1String(g.sign),
                          "lblSphereName=Sphere: none",
                          "lbSephirothSTwoCardName=Chakra Associated With Sephiroths: " + g.chakraLabels[1],
                          "PicOneSephirothsCard=" + g.chakraLabels[0] + " picture",
                          "PicTwoSephirothsCard=" + g.chakraLabels[1] + " picture",
                          "txtOneSphereDesc=About " + one,
                          "txtOneAngelDesc=About your archangel " + g.one[3],
                          "txtTwoAngelDesc=About your archangel " + g.two[3],
                          "txtPathDecs=About the path",
                          QStringLiteral("lblClick_%1=%2, your sphere").arg(g.spheres[0]).arg(one),
                          QStringLiteral("lblClick_%1=%2, your sphere").arg(g.spheres[1]).arg(two),
                          "lblClick_10=Daat"};
        if (g.value == SunSign::Pisces) {
            names << "RTB_0=Chakra of the first sphere: Manipura"
                  << "RTB_1=Chakra of the second sphere: Muladhara"
                  << "Label22=Path of Qoph, your path"
                  << "lblPisces=Tarot card: The Moon";
        }
        QTest::newRow(g.sign) << g.value << names
                              << QStringLiteral("Highlighted: %1, %2 and the %3").arg(one, two, g.diagramPath);
    }
}

void TestAccessibility::whatTheReaderSays()
{
    QFETCH(SunSign, sign);
    QFETCH(QStringList, names);
    QFETCH(QString, highlighted);

    frmDisplay window;
    window.Form_Load();
    window.showReading(makeReading(sign));
    const QHash<QString, Spoken> spoken = readAloud(&window);
    for (const QString &entry : std::as_const(names)) {
        const QString object = entry.section(QLatin1Char('='), 0, 0);
        QVERIFY2(spoken.contains(object), qPrintable(object + QLatin1String(" is not in the tree")));
        QCOMPARE(spoken[object].name, entry.section(QLatin1Char('='), 1));
    }
    QCOMPARE(spoken.value("Frame2").name, QStringLiteral("Tree of Life diagram"));
    QCOMPARE(spoken.value("Frame2").description, highlighted);

    // Every value is read after a caption of its own, as its text or as "none".
    for (const QString &object : ValueLabels) {
        const QString text = child<QLabel>(&window, object)->text();
        const QString name = spoken.value(object).name;
        const qsizetype colon = name.indexOf(QLatin1String(": "));
        QVERIFY2(colon > 0, qPrintable(object + QLatin1String(": ") + name));
        QCOMPARE(name.mid(colon + 2), text.isEmpty() ? QStringLiteral("none") : text);
    }
    // The reading marks two spheres and one path, and says so nowhere else.
    QStringList marked;
    for (auto it = spoken.cbegin(); it != spoken.cend(); ++it) {
        if (it->name.endsWith(QLatin1String(", your sphere")) || it->name.endsWith(QLatin1String(", your path")))
            marked << it->name.section(QLatin1Char(','), 1);
    }
    marked.sort();
    QCOMPARE(marked, (QStringList{" your path", " your sphere", " your sphere"}));

    // The chakra records and the description boxes are read as their text; the pictures as graphics.
    for (const char *box : {"RTB_0", "RTB_1"}) {
        QAccessibleTextInterface *reader = spoken.value(box).node->textInterface();
        QVERIFY(reader);
        QCOMPARE(reader->text(0, reader->characterCount()), textOf(&window, box));
    }
    QCOMPARE(spoken.value("txtPathDecs").value, textOf(&window, "txtPathDecs"));
    QCOMPARE(spoken.value("PicOneSephirothsCard").role, QAccessible::Graphic);
}

void TestAccessibility::spheres_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < Spheres.size(); ++i)
        QTest::addRow("%d %s", i, qPrintable(Spheres[i].first)) << i;
}

// A button named after its sphere, described by its paragraph, that can take the focus and be pressed.
void TestAccessibility::spheres()
{
    QFETCH(int, index);
    const Spoken sphere = readAloud(m_window.get()).value(QStringLiteral("lblClick_%1").arg(index));
    QVERIFY(sphere.node);
    QCOMPARE(sphere.role, QAccessible::Button);
    QCOMPARE(sphere.name.section(QLatin1Char(','), 0, 0), Spheres[index].first);
    QVERIFY2(sphere.description.startsWith(Spheres[index].second), qPrintable(sphere.description.left(40)));
    QVERIFY(sphere.node->state().focusable);
    QAccessibleActionInterface *actions = sphere.node->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(explained(*m_window), Spheres[index].first);

    actions->doAction(QAccessibleActionInterface::setFocusAction());
    QCOMPARE(focused(*m_window), Spheres[index].first);
    QVERIFY(sphere.node->state().focused);
}

// The names follow what the window shows: the design state, an explanation, other records, other colours.
void TestAccessibility::namesFollowTheWindow()
{
    frmDisplay window;
    window.Form_Load();
    QHash<QString, Spoken> spoken = readAloud(&window);
    QCOMPARE(spoken.value("PicTwoSephirothsCard").name, QStringLiteral("Chakra picture"));
    QCOMPARE(spoken.value("txtTwoSphereDesc").name, QStringLiteral("About the second sphere"));
    QCOMPARE(spoken.value("lblClick_6").name, QStringLiteral("Netzach"));
    QCOMPARE(spoken.value("Frame2").description, QString());

    window.ShowSphereExplanation(10);
    window.ShowChakras(static_cast<Chakra>(7), Chakra::Sahasrara);
    spoken = readAloud(&window);
    QCOMPARE(spoken.value("lblSphereName").name, QStringLiteral("Sphere: Daat"));
    QCOMPARE(spoken.value("RTB_0").name, QStringLiteral("Chakra of the first sphere"));
    QCOMPARE(spoken.value("RTB_1").name, QStringLiteral("Chakra of the second sphere: Sahasrara"));

    window.diagram()->setSphereColor(7, Qt::red);
    window.diagram()->setLineColor(QStringLiteral("ln12"), Qt::red);
    spoken = readAloud(&window);
    QCOMPARE(spoken.value("lblClick_7").name, QStringLiteral("Hod, your sphere"));
    QCOMPARE(spoken.value("Frame2").description,
             QStringLiteral("Highlighted: Hod and the path between Keter and Chokmah"));
}

// As the scroll bars go, the frame's client area keeps the children a reader counted, each where it was counted.
void TestAccessibility::scrollBarsGo()
{
    ui::ScrollingClientArea area(nullptr);
    (new QWidget(area.viewport()))->resize(400, 300);
    area.show();
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(&area);
    const int counted = reader->childCount();
    area.resize(600, 400);
    QCOMPARE(reader->childCount(), counted);
    for (int i = 0; i < counted; ++i)
        QCOMPARE(reader->indexOfChild(reader->child(i)), i);
}

// The diagram is one Tab stop, as a list is: once round the window backwards from Malkhuth, no other sphere takes
// the focus, and Malkhuth, where the focus left the diagram, takes it back and is explained again. (Forwards, Tab
// goes once round the frame in tst_screens' keyboard test.)
void TestAccessibility::tabWalksTheTree()
{
    focusOn(*m_window, QStringLiteral("Malkhuth"));
    m_window->ClearSphereExplanation();
    QStringList stops;
    for (int i = 0; i < 30 && (stops.isEmpty() || stops.last() != QLatin1String("Malkhuth")); ++i) {
        press(*m_window, Qt::Key_Backtab, Qt::ShiftModifier);
        stops << focused(*m_window);
    }
    QCOMPARE(std::count_if(stops.cbegin(), stops.cend(), [](const QString &s) { return sphereIndex(s) >= 0; }), 1);
    QCOMPARE(stops.last(), QStringLiteral("Malkhuth"));
    QCOMPARE(explained(*m_window), QStringLiteral("Malkhuth"));
}

void TestAccessibility::arrowKeys_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("explains"); // the sphere reached, after the explanation was cleared

    QTest::newRow("Keter, Down to Da'at below") << "Keter" << Qt::Key_Down << "Daat" << true;
    QTest::newRow("Keter, Left to Binah") << "Keter" << Qt::Key_Left << "Binah" << true;
    QTest::newRow("Keter, Up: none") << "Keter" << Qt::Key_Up << "Keter" << false;
    QTest::newRow("Chokmah, Left to nearer Da'at") << "Chokmah" << Qt::Key_Left << "Daat" << true;
    QTest::newRow("Da'at, Down the middle pillar") << "Daat" << Qt::Key_Down << "Tiphereth" << true;
    QTest::newRow("Chesed, Left across the Tree") << "Chesed" << Qt::Key_Left << "Gevurah" << true;
    QTest::newRow("Hod, Up to Gevurah") << "Hod" << Qt::Key_Up << "Gevurah" << true;
    QTest::newRow("Malkhuth, Up to Yesod") << "Malkhuth" << Qt::Key_Up << "Yesod" << true;
    QTest::newRow("Malkhuth, Down: none") << "Malkhuth" << Qt::Key_Down << "Malkhuth" << false;
    QTest::newRow("Home to Keter") << "Hod" << Qt::Key_Home << "Keter" << true;
    QTest::newRow("End to Malkhuth") << "Daat" << Qt::Key_End << "Malkhuth" << true;
    QTest::newRow("Space explains again") << "Netzach" << Qt::Key_Space << "Netzach" << true;
    QTest::newRow("Enter explains again") << "Binah" << Qt::Key_Return << "Binah" << true;
    QTest::newRow("a letter does nothing") << "Binah" << Qt::Key_A << "Binah" << false;
}

void TestAccessibility::arrowKeys()
{
    QFETCH(QString, from);
    QFETCH(Qt::Key, key);
    QFETCH(QString, to);
    QFETCH(bool, explains);

    focusOn(*m_window, from);
    QCOMPARE(focused(*m_window), from);
    m_window->ClearSphereExplanation();
    press(*m_window, key);
    QCOMPARE(focused(*m_window), to);
    QCOMPARE(explained(*m_window), explains ? to : QString());
}

void TestAccessibility::focusMark_data()
{
    QTest::addColumn<QString>("sphere");
    QTest::newRow("Keter") << "Keter";
    QTest::newRow("Netzach, highlighted") << "Netzach";
    QTest::newRow("Da'at, dotted") << "Daat";
    QTest::newRow("Malkhuth, under a wide caption") << "Malkhuth";
}

// The sphere with the focus, and only it, is ringed; the ring leaves the sphere itself as it was. The test
// runs a second time under QT_SCALE_FACTOR=2.
void TestAccessibility::focusMark()
{
    QFETCH(QString, sphere);
    const int index = sphereIndex(sphere);
    QWidget *canvas = child(m_window.get(), "Frame2");
    const QRect box = m_window->diagram()->sphere(index)->geometry();
    const QPoint inside(box.center().x(), box.bottom() - 4);

    focusOn(*m_window, QStringLiteral("tab strip"));
    const QImage before = canvas->grab().toImage();
    QCOMPARE(ringCoverage(*m_window, before, index), 0);

    focusOn(*m_window, sphere);
    const QImage ringed = canvas->grab().toImage();
    const int covered = ringCoverage(*m_window, ringed, index);
    QVERIFY2(covered >= 10, qPrintable(QString::number(covered)));
    const QPoint fill = (QPointF(inside) * ringed.devicePixelRatio()).toPoint();
    QCOMPARE(ringed.pixelColor(fill), before.pixelColor(fill));
    for (int other = 0; other < Spheres.size(); ++other) {
        if (other != index)
            QVERIFY2(ringCoverage(*m_window, ringed, other) == 0, qPrintable(Spheres[other].first));
    }

    press(*m_window, index == 0 ? Qt::Key_End : Qt::Key_Home);
    QCOMPARE(ringCoverage(*m_window, canvas->grab().toImage(), index), 0);
}

// The mouse and the focus leave each other alone: pointing at or clicking a sphere explains it without moving
// the focus or the ring; neither showing the window nor the focus that comes back with it is a choice of the
// user, so neither explains a sphere or replaces what the mouse showed.
void TestAccessibility::mouseLeavesTheFocusAlone()
{
    QCOMPARE(explained(*m_window), QString());
    QWidget *netzach = m_window->diagram()->sphereLabel(sphereIndex("Netzach"));
    const QPoint at = netzach->rect().center();
    for (const char *action : {"press", "click", "double click"}) {
        focusOn(*m_window, QStringLiteral("Keter"));
        QTest::mouseMove(child(m_window.get(), "Frame1"), QPoint(1, 300)); // so that entering Netzach is a move
        QTest::mouseMove(netzach, at - QPoint(3, 3));
        if (action == QLatin1String("press"))
            QTest::mousePress(netzach, Qt::LeftButton, {}, at);
        else if (action == QLatin1String("click"))
            QTest::mouseClick(netzach, Qt::LeftButton, {}, at);
        else
            QTest::mouseDClick(netzach, Qt::LeftButton, {}, at);
        const QString explanation = explained(*m_window);
        if (action != QLatin1String("click"))
            QTest::mouseRelease(netzach, Qt::LeftButton, {}, at); // no button stays held for what follows
        QVERIFY2(explanation == QLatin1String("Netzach"), action);
        QVERIFY2(focused(*m_window) == QLatin1String("Keter"), action);
        QVERIFY2(m_window->diagram()->focusedSphere() == 0, action);
    }

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(focused(*m_window), QStringLiteral("Keter"));
    QCOMPARE(explained(*m_window), QStringLiteral("Netzach"));
}

// Assistive tools hear of each sphere the keyboard reaches, and of the explanation it brings.
void TestAccessibility::focusIsAnnounced()
{
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        QSKIP("Needs an accessibility bus: run as the test tst_accessibility_bus");
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);

    focusOn(*m_window, QStringLiteral("tab strip"));
    g_events.clear();
    const QList<std::pair<Qt::Key, QString>> moves{
        {Qt::Key_Backtab, "Keter"}, {Qt::Key_End, "Malkhuth"}, {Qt::Key_Up, "Yesod"}, {Qt::Key_Home, "Keter"},
        {Qt::Key_Down, "Daat"},     {Qt::Key_Left, "Binah"},   {Qt::Key_Up, "Keter"}, {Qt::Key_Up, "Keter"}};
    QStringList expected; // one event for each sphere reached, none when the focus stays
    for (const auto &[key, sphere] : moves) {
        press(*m_window, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(focused(*m_window), sphere);
        const QString label = QStringLiteral("lblClick_%1").arg(sphereIndex(sphere));
        if (expected.isEmpty() || expected.last() != label)
            expected << label;
    }
    press(*m_window, Qt::Key_Tab);
    QCOMPARE(focused(*m_window), QStringLiteral("tab strip"));
    expected << QString(); // the tab strip has no name

    QStringList announced;
    for (const auto &[type, object] : std::as_const(g_events)) {
        if (type == QAccessible::Focus)
            announced << object;
    }
    QCOMPARE(announced, expected);
    QVERIFY(g_events.contains(std::pair{QAccessible::NameChanged, QStringLiteral("lblSphereName")}));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
