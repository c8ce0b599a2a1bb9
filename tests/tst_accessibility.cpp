// The result window without a mouse: what a screen reader finds in it, the spheres of the diagram under the
// keyboard, the ring that marks the sphere with the focus, and the tabs by keyboard.

#include "frmDisplay.h"
#include "treediagram.h"

#include "reading.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QtMath>

#include <algorithm>
#include <memory>

using namespace tavrel;
using ui::frmDisplay;

Q_DECLARE_METATYPE(tavrel::SunSign)

namespace {

// The name each sphere is read by, and the first words of its paragraph, by index.
const QList<std::pair<QString, QString>> Spheres{
    {"Keter", "Keter occupies the 1st position"},       {"Chokmah", "Chokmah occupies the 2nd position"},
    {"Binah", "Binah occupies the 3rd position"},       {"Chesed", "Chesed occupies the 4th position"},
    {"Gevurah", "Gevurah occupies the 5th position"},   {"Tiphereth", "Tiphereth occupies the 6th position"},
    {"Netzach", "Netzach occupies the 7th position"},   {"Hod", "Hod occupies the 8th position"},
    {"Yesod", "Yesod occupies the 9th position"},       {"Malkhuth", "Malkhuth occupies the 10th position"},
    {"Daat", "Da'at is an invisible sphere"},
};

// Every label that shows a value of the reading, and so must be read together with its caption.
const QStringList ValueLabels{
    "lbSephirothSOneCardName", "lblOneSphereHead", "lblOneSphereSign", "lblOnePositionInTreeOfLife",
    "lblOnePlanetaryRuler", "lblOneArchangel", "lblOneLuckyDay", "lblOneColor", "lblOneWood", "lblOneKeyword",
    "lblOneMetal", "lbSephirothSTwoCardName", "lblTwoSphereHead", "lblTwoSphereSign", "lblTwoPositionInTreeOfLife",
    "lblTwoPlanetaryRuler", "lblTwoArchangel", "lblTwoLuckyDay", "lblTwoColor", "lblTwoWood", "lblTwoKeyword",
    "lblTwoMetal", "lblPathName", "lblHebrewLetter", "lblLocation", "lblCorrespondingPlanet",
    "lblYetsiraticAttribution", "lblColor", "lblElement", "lblSunSignName", "lblLiesPathName", "lblSphereName"};

struct Spoken {
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
        found.insert(object->objectName(), {node->role(), node->text(QAccessible::Name),
                                            node->text(QAccessible::Description), node->text(QAccessible::Value),
                                            node});
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

template<typename T = QWidget>
T *child(const QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

int sphereIndex(const QString &name)
{
    for (int i = 0; i < Spheres.size(); ++i) {
        if (Spheres[i].first == name)
            return i;
    }
    return -1;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void whatTheReaderSays_data();
    void whatTheReaderSays();
    void spheres_data();
    void spheres();
    void namesFollowTheWindow();

    void tabWalksTheTree_data();
    void tabWalksTheTree();
    void arrowKeys_data();
    void arrowKeys();
    void focusMark_data();
    void focusMark();
    void mouseLeavesTheFocusAlone_data();
    void mouseLeavesTheFocusAlone();
    void explanationOutlivesTheFocus();
    void tabsByKeyboard_data();
    void tabsByKeyboard();

    // Needs assistive technology support to be active: runs under an accessibility bus (see display.cmake).
    void focusIsAnnounced();

private:
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void focusTabStrip();
    QString explained() const;
    QString focused() const;
    // How many of twelve points around the sphere, just outside its ellipse, the ring covers.
    int ringCoverage(const QImage &canvas, int index) const;

    std::unique_ptr<frmDisplay> m_window;
};

void TestAccessibility::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QAccessible::installUpdateHandler(recordEvent);
}

// A shown and active window with the Pisces reading.
void TestAccessibility::init()
{
    m_window = std::make_unique<frmDisplay>();
    m_window->Form_Load();
    m_window->ShowReading(makeReading(SunSign::Pisces));
    m_window->move(0, 0);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow(); // no window manager does it under a bare X server
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    g_events.clear();
}

void TestAccessibility::cleanup()
{
    m_window.reset();
}

// A key as the keyboard sends it: to whatever has the focus.
void TestAccessibility::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(m_window->windowHandle(), key, modifiers);
}

void TestAccessibility::focusTabStrip()
{
    child<QTabWidget>(m_window.get(), "SSTab1")->tabBar()->setFocus(Qt::OtherFocusReason);
}

QString TestAccessibility::explained() const
{
    const QString name = child<QLabel>(m_window.get(), "lblSphereName")->text();
    const QString paragraph = child<QLabel>(m_window.get(), "lblSphereDesc")->text();
    const int index = sphereIndex(name);
    if (name.isEmpty() && paragraph.isEmpty())
        return QString();
    if (index < 0 || !paragraph.startsWith(Spheres[index].second))
        return QStringLiteral("<mismatch: %1 / %2>").arg(name, paragraph.left(30));
    return name;
}

QString TestAccessibility::focused() const
{
    const QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return QStringLiteral("<none>");
    if (focus == child<QTabWidget>(m_window.get(), "SSTab1")->tabBar())
        return QStringLiteral("tab strip");
    const int index = focus->property("index").toInt();
    if (focus == m_window->diagram()->sphereLabel(index))
        return Spheres[index].first;
    return focus->objectName();
}

int TestAccessibility::ringCoverage(const QImage &canvas, int index) const
{
    const QRectF box = m_window->diagram()->sphere(index)->geometry();
    const qreal ratio = canvas.devicePixelRatio();
    const auto isRing = [](const QColor &c) {
        return c.red() > 180 && c.green() > 180 && c.blue() < 110;
    };
    int covered = 0;
    for (int step = 0; step < 12; ++step) {
        const qreal angle = qDegreesToRadians(step * 30.0);
        const QPointF direction(qCos(angle), qSin(angle));
        const QPointF edge = box.center() + QPointF(direction.x() * box.width() / 2, direction.y() * box.height() / 2);
        for (qreal out = 0.5; out <= 7; out += 0.5) {
            const QPoint at = ((edge + direction * out) * ratio).toPoint();
            if (canvas.rect().contains(at) && isRing(canvas.pixelColor(at))) {
                ++covered;
                break;
            }
        }
    }
    return covered;
}

void TestAccessibility::whatTheReaderSays_data()
{
    QTest::addColumn<SunSign>("sign");
    QTest::addColumn<QStringList>("names");  // object=name
    QTest::addColumn<QString>("highlighted"); // the diagram's description

    QTest::newRow("Pisces")
        << SunSign::Pisces
        << QStringList{"lblOneLuckyDay=Lucky Day: Friday", "lblOneArchangel=Archangel: Haniel",
                       "lblOneColor=Color: Green", "lblTwoLuckyDay=Lucky Day: none", "lblTwoMetal=Metal: none",
                       "lblOneSphereHead=First sphere: Netzach",
                       "lbSephirothSTwoCardName=Chakra Associated With Sephiroths: Muladhara (Base of Spine) Chakra",
                       "lblPathName=Path: Path Of Qoph",
                       "lblHebrewLetter=Hebrew Letter: Qoph, which means back of the head",
                       "lblSunSignName=Sun Sign: Pisces",
                       "lblLiesPathName=Path Associated With Your Sun Sign: Path Of Qoph", "lblSphereName=Sphere: none",
                       "PicOneSephirothsCard=Manipura (Navel) Chakra picture",
                       "PicTwoSephirothsCard=Muladhara (Base of Spine) Chakra picture",
                       "RTB_0=Chakra of the first sphere: Manipura", "RTB_1=Chakra of the second sphere: Muladhara",
                       "txtOneSphereDesc=About Netzach", "txtTwoAngelDesc=About your archangel Sandalphon",
                       "txtPathDecs=About the path", "lblClick_6=Netzach, your sphere",
                       "lblClick_9=Malkhuth, your sphere", "lblClick_7=Hod", "lblClick_10=Daat",
                       "Label22=Path of Qoph, your path", "lblPisces=Tarot card: The Moon"}
        << "Highlighted: Netzach, Malkhuth and the Path of Qoph";
    QTest::newRow("Leo") << SunSign::Leo
                         << QStringList{"lblOneLuckyDay=Lucky Day: Thursday", "lblTwoArchangel=Archangel: Kamael",
                                        "lblTwoSphereHead=Second sphere: Gevurah",
                                        "lblHebrewLetter=Hebrew Letter: Teth, which means coiled serpent",
                                        "PicOneSephirothsCard=Vishuddha (Throat) Chakra picture",
                                        "RTB_1=Chakra of the second sphere: Vishuddha",
                                        "txtOneAngelDesc=About your archangel Tzadqiel",
                                        "lblClick_3=Chesed, your sphere", "lblClick_4=Gevurah, your sphere",
                                        "lblClick_6=Netzach",
                                        "Label21=Path of Teth, your path", "Label22=Path of Qoph"}
                         << "Highlighted: Chesed, Gevurah and the Path of Teth";
    QTest::newRow("Aries") << SunSign::Aries
                           << QStringList{"lblOneLuckyDay=Lucky Day: none", "lblOneMetal=Metal: none",
                                          "lblOneKeyword=Keyword: Wisdom, Revelation", "lblPathName=Path: Path Of He",
                                          "lblHebrewLetter=Hebrew Letter: Heh, which means window",
                                          "PicOneSephirothsCard=Ajna (Third Eye) Chakra picture",
                                          "PicTwoSephirothsCard=Anahata (Heart) Chakra picture",
                                          "txtTwoSphereDesc=About Tiphereth", "lblClick_1=Chokmah, your sphere",
                                          "lblClick_5=Tiphereth, your sphere", "Label10=Path of H\u00e9, your path"}
                           << "Highlighted: Chokmah, Tiphereth and the Path of H\u00e9";
}

void TestAccessibility::whatTheReaderSays()
{
    QFETCH(SunSign, sign);
    QFETCH(QStringList, names);
    QFETCH(QString, highlighted);

    frmDisplay window;
    window.Form_Load();
    window.ShowReading(makeReading(sign));
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
    int mine = 0;
    int paths = 0;
    for (auto it = spoken.cbegin(); it != spoken.cend(); ++it) {
        mine += it->name.endsWith(QLatin1String(", your sphere")) ? 1 : 0;
        paths += it->name.endsWith(QLatin1String(", your path")) ? 1 : 0;
    }
    QCOMPARE(mine, 2);
    QCOMPARE(paths, 1);

    // The chakra records and the description boxes are read as their text.
    for (const char *box : {"RTB_0", "RTB_1"}) {
        const QString text = child<QTextEdit>(&window, box)->toPlainText();
        QAccessibleTextInterface *reader = spoken.value(box).node->textInterface();
        QVERIFY(reader);
        QCOMPARE(reader->text(0, reader->characterCount()), text);
        QVERIFY(text.startsWith(QLatin1String("Chakras Name \n")));
    }
    QCOMPARE(spoken.value("txtPathDecs").value, child<QPlainTextEdit>(&window, "txtPathDecs")->toPlainText());
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
    focusTabStrip();
    const Spoken sphere = readAloud(m_window.get()).value(QStringLiteral("lblClick_%1").arg(index));
    QVERIFY(sphere.node);
    QCOMPARE(sphere.role, QAccessible::Button);
    QCOMPARE(sphere.name.section(QLatin1Char(','), 0, 0), Spheres[index].first);
    QVERIFY2(sphere.description.startsWith(Spheres[index].second), qPrintable(sphere.description.left(40)));
    QVERIFY(sphere.node->state().focusable);
    QVERIFY(!sphere.node->state().focused);

    QAccessibleActionInterface *actions = sphere.node->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(explained(), Spheres[index].first);

    actions->doAction(QAccessibleActionInterface::setFocusAction());
    QCOMPARE(focused(), Spheres[index].first);
    QVERIFY(sphere.node->state().focused);
}

// The names follow what the window shows: the design state, a hover, a cleared explanation, other records.
void TestAccessibility::namesFollowTheWindow()
{
    frmDisplay window;
    window.Form_Load();
    QHash<QString, Spoken> spoken = readAloud(&window);
    QCOMPARE(spoken.value("lblOneLuckyDay").name, QStringLiteral("Lucky Day: none"));
    QCOMPARE(spoken.value("lblSunSignName").name, QStringLiteral("Sun Sign: none"));
    QCOMPARE(spoken.value("PicTwoSephirothsCard").name, QStringLiteral("Chakra picture"));
    QCOMPARE(spoken.value("RTB_0").name, QStringLiteral("Chakra of the first sphere"));
    QCOMPARE(spoken.value("txtTwoSphereDesc").name, QStringLiteral("About the second sphere"));
    QCOMPARE(spoken.value("lblClick_6").name, QStringLiteral("Netzach"));
    QCOMPARE(spoken.value("Frame2").description, QString());

    window.ShowSphereExplanation(10);
    window.ShowChakras(7, 0);
    spoken = readAloud(&window);
    QCOMPARE(spoken.value("lblSphereName").name, QStringLiteral("Sphere: Daat"));
    QCOMPARE(spoken.value("RTB_0").name, QStringLiteral("Chakra of the first sphere"));
    QCOMPARE(spoken.value("RTB_1").name, QStringLiteral("Chakra of the second sphere: Sahasrara"));

    window.ClearSphereExplanation();
    window.diagram()->setSphereColor(7, Qt::red);
    window.diagram()->setLineColor(QStringLiteral("ln12"), Qt::red);
    spoken = readAloud(&window);
    QCOMPARE(spoken.value("lblSphereName").name, QStringLiteral("Sphere: none"));
    QCOMPARE(spoken.value("lblClick_7").name, QStringLiteral("Hod, your sphere"));
    QCOMPARE(spoken.value("Frame2").description,
             QStringLiteral("Highlighted: Hod and the path between Keter and Chokmah"));
}

void TestAccessibility::tabWalksTheTree_data()
{
    QTest::addColumn<bool>("forward");
    QTest::newRow("Tab") << true;
    QTest::newRow("Shift+Tab") << false;
}

// From the tab strip, Shift+Tab walks the spheres up the Tree; Tab walks them down and reaches the tab strip.
// Each sphere reached is explained.
void TestAccessibility::tabWalksTheTree()
{
    QFETCH(bool, forward);
    QStringList order{"Keter", "Chokmah", "Binah", "Daat", "Chesed", "Gevurah", "Tiphereth", "Netzach", "Hod",
                      "Yesod", "Malkhuth", "tab strip"};
    focusTabStrip();
    if (forward) {
        // Round the window's other controls to the first sphere.
        for (int i = 0; i < 30 && focused() != order.first(); ++i)
            press(Qt::Key_Tab);
        QCOMPARE(focused(), order.first());
        order.removeFirst();
    } else {
        std::reverse(order.begin(), order.end());
        order.removeFirst();
    }
    for (const QString &next : std::as_const(order)) {
        press(forward ? Qt::Key_Tab : Qt::Key_Backtab, forward ? Qt::NoModifier : Qt::ShiftModifier);
        QCOMPARE(focused(), next);
        if (next != QLatin1String("tab strip"))
            QCOMPARE(explained(), next);
    }
}

void TestAccessibility::arrowKeys_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("explained"); // after the explanation was cleared

    QTest::newRow("Keter, Down to Da'at below") << "Keter" << Qt::Key_Down << "Daat" << "Daat";
    QTest::newRow("Keter, Left to Binah") << "Keter" << Qt::Key_Left << "Binah" << "Binah";
    QTest::newRow("Keter, Up: none") << "Keter" << Qt::Key_Up << "Keter" << "";
    QTest::newRow("Chokmah, Left to nearer Da'at") << "Chokmah" << Qt::Key_Left << "Daat" << "Daat";
    QTest::newRow("Da'at, Down the middle pillar") << "Daat" << Qt::Key_Down << "Tiphereth" << "Tiphereth";
    QTest::newRow("Chesed, Left across the Tree") << "Chesed" << Qt::Key_Left << "Gevurah" << "Gevurah";
    QTest::newRow("Netzach, Left to Hod") << "Netzach" << Qt::Key_Left << "Hod" << "Hod";
    QTest::newRow("Hod, Up to Gevurah") << "Hod" << Qt::Key_Up << "Gevurah" << "Gevurah";
    QTest::newRow("Malkhuth, Up to Yesod") << "Malkhuth" << Qt::Key_Up << "Yesod" << "Yesod";
    QTest::newRow("Malkhuth, Down: none") << "Malkhuth" << Qt::Key_Down << "Malkhuth" << "";
    QTest::newRow("Home to Keter") << "Hod" << Qt::Key_Home << "Keter" << "Keter";
    QTest::newRow("End to Malkhuth") << "Daat" << Qt::Key_End << "Malkhuth" << "Malkhuth";
    QTest::newRow("Space explains again") << "Netzach" << Qt::Key_Space << "Netzach" << "Netzach";
    QTest::newRow("Enter explains again") << "Binah" << Qt::Key_Return << "Binah" << "Binah";
    QTest::newRow("a letter does nothing") << "Binah" << Qt::Key_A << "Binah" << "";
}

void TestAccessibility::arrowKeys()
{
    QFETCH(QString, from);
    QFETCH(Qt::Key, key);
    QFETCH(QString, to);
    QFETCH(QString, explained);

    m_window->diagram()->sphereLabel(sphereIndex(from))->setFocus(Qt::TabFocusReason);
    QCOMPARE(focused(), from);
    m_window->ClearSphereExplanation();
    press(key);
    QCOMPARE(focused(), to);
    QCOMPARE(this->explained(), explained);
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

    focusTabStrip();
    const QImage before = canvas->grab().toImage();
    QCOMPARE(ringCoverage(before, index), 0);

    m_window->diagram()->sphereLabel(index)->setFocus(Qt::TabFocusReason);
    const QImage ringed = canvas->grab().toImage();
    QVERIFY2(ringCoverage(ringed, index) >= 10, qPrintable(QString::number(ringCoverage(ringed, index))));
    const QPoint fill = (QPointF(inside) * ringed.devicePixelRatio()).toPoint();
    QCOMPARE(ringed.pixelColor(fill), before.pixelColor(fill));
    for (int other = 0; other < Spheres.size(); ++other) {
        if (other != index)
            QVERIFY2(ringCoverage(ringed, other) == 0, qPrintable(Spheres[other].first));
    }

    press(index == sphereIndex("Keter") ? Qt::Key_End : Qt::Key_Home);
    QCOMPARE(ringCoverage(canvas->grab().toImage(), index), 0);
}

void TestAccessibility::mouseLeavesTheFocusAlone_data()
{
    QTest::addColumn<QString>("focusedFirst");
    QTest::addColumn<QString>("action");

    for (const char *first : {"tab strip", "Keter"}) {
        for (const char *action : {"move", "click", "double click", "press"})
            QTest::addRow("%s, %s", first, action) << first << action;
    }
}

// Hovering or clicking a sphere explains it, as it always did, and never moves the focus or the ring.
void TestAccessibility::mouseLeavesTheFocusAlone()
{
    QFETCH(QString, focusedFirst);
    QFETCH(QString, action);

    if (focusedFirst == QLatin1String("tab strip"))
        focusTabStrip();
    else
        m_window->diagram()->sphereLabel(sphereIndex(focusedFirst))->setFocus(Qt::TabFocusReason);
    QCOMPARE(focused(), focusedFirst);

    QWidget *netzach = m_window->diagram()->sphereLabel(sphereIndex("Netzach"));
    const QPoint at = netzach->rect().center();
    QTest::mouseMove(child(m_window.get(), "Frame1"), QPoint(1, 300)); // so that entering Netzach is a move
    QTest::mouseMove(netzach, at - QPoint(3, 3));
    if (action == QLatin1String("move"))
        QTest::mouseMove(netzach, at);
    else if (action == QLatin1String("click"))
        QTest::mouseClick(netzach, Qt::LeftButton, {}, at);
    else if (action == QLatin1String("double click"))
        QTest::mouseDClick(netzach, Qt::LeftButton, {}, at);
    else
        QTest::mousePress(netzach, Qt::LeftButton, {}, at);

    const QString explanation = explained();
    if (action == QLatin1String("press") || action == QLatin1String("double click"))
        QTest::mouseRelease(netzach, Qt::LeftButton, {}, at); // no button stays held for what follows
    QCOMPARE(explanation, QStringLiteral("Netzach"));
    QCOMPARE(focused(), focusedFirst);
    QCOMPARE(m_window->diagram()->focusedSphere(), sphereIndex(focusedFirst));
}

// Like the mouse, the focus leaves the explanation behind when it goes; and the focus that comes back with the
// window is no choice of the user, so it does not replace what the mouse showed meanwhile.
void TestAccessibility::explanationOutlivesTheFocus()
{
    QCOMPARE(explained(), QString()); // showing the window explains nothing, wherever the focus landed

    m_window->diagram()->sphereLabel(sphereIndex("Netzach"))->setFocus(Qt::TabFocusReason);
    QCOMPARE(explained(), QStringLiteral("Netzach"));
    press(Qt::Key_End);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("tab strip"));
    QCOMPARE(explained(), QStringLiteral("Malkhuth"));

    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QWidget *keter = m_window->diagram()->sphereLabel(0);
    QTest::mouseMove(keter, QPoint(10, 10));
    QTest::mouseMove(keter, QPoint(12, 12));
    QCOMPARE(explained(), QStringLiteral("Keter"));

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(focused(), QStringLiteral("Malkhuth"));
    QCOMPARE(explained(), QStringLiteral("Keter"));
}

void TestAccessibility::tabsByKeyboard_data()
{
    QTest::addColumn<QString>("focusOn");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");

    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("sphere, Ctrl+Tab") << "Netzach" << Qt::Key_Tab << ctrl << 0 << 1;
    QTest::newRow("sphere, Ctrl+Shift+Tab") << "Netzach" << Qt::Key_Backtab << ctrlShift << 1 << 0;
    QTest::newRow("sphere, Ctrl+PageDown round to the first") << "Daat" << Qt::Key_PageDown << ctrl << 2 << 0;
    QTest::newRow("sphere, Ctrl+PageUp round to the last") << "Keter" << Qt::Key_PageUp << ctrl << 0 << 2;
    QTest::newRow("tab strip, Ctrl+Tab") << "tab strip" << Qt::Key_Tab << ctrl << 1 << 2;
    QTest::newRow("tab strip, Ctrl+PageDown") << "tab strip" << Qt::Key_PageDown << ctrl << 0 << 1;
    QTest::newRow("description box, Ctrl+PageDown") << "txtOneSphereDesc" << Qt::Key_PageDown << ctrl << 0 << 1;
    QTest::newRow("description box, Ctrl+Tab") << "txtOneSphereDesc" << Qt::Key_Tab << ctrl << 0 << 1;
}

// The tabs change from wherever the focus is, and the explanation stays as it was.
void TestAccessibility::tabsByKeyboard()
{
    QFETCH(QString, focusOn);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, from);
    QFETCH(int, to);

    auto *tabs = child<QTabWidget>(m_window.get(), "SSTab1");
    tabs->setCurrentIndex(from);
    if (focusOn == QLatin1String("tab strip"))
        focusTabStrip();
    else if (sphereIndex(focusOn) >= 0)
        m_window->diagram()->sphereLabel(sphereIndex(focusOn))->setFocus(Qt::TabFocusReason);
    else
        child(m_window.get(), focusOn)->setFocus(Qt::TabFocusReason);
    QCOMPARE(focused(), focusOn);
    m_window->ShowSphereExplanation(sphereIndex("Yesod"));

    press(key, modifiers);
    QCOMPARE(tabs->currentIndex(), to);
    QCOMPARE(explained(), QStringLiteral("Yesod"));
    if (sphereIndex(focusOn) >= 0 || focusOn == QLatin1String("tab strip"))
        QCOMPARE(focused(), focusOn);
}

// Assistive tools hear of each sphere the keyboard reaches, and of the explanation it brings.
void TestAccessibility::focusIsAnnounced()
{
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        QSKIP("Needs an accessibility bus: run as the test tst_accessibility_bus");
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);

    focusTabStrip();
    g_events.clear();
    const QList<std::pair<Qt::Key, QString>> moves{
        {Qt::Key_Backtab, "Malkhuth"}, {Qt::Key_Up, "Yesod"}, {Qt::Key_Home, "Keter"}, {Qt::Key_Down, "Daat"},
        {Qt::Key_Left, "Binah"},       {Qt::Key_Up, "Keter"}, {Qt::Key_Up, "Keter"}, {Qt::Key_End, "Malkhuth"}};
    QStringList expected; // one event for each sphere reached, none when the focus stays
    for (const auto &[key, sphere] : moves) {
        press(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(focused(), sphere);
        const QString label = QStringLiteral("lblClick_%1").arg(sphereIndex(sphere));
        if (expected.isEmpty() || expected.last() != label)
            expected << label;
    }
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("tab strip"));
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
