// The result window: what a reading writes into it, the chakra records, the clipboard guard, the layout and
// the state of a fresh window.

#include "displaywidgets.h"
#include "frmDisplay.h"
#include "twips.h"

#include "chakras.h"
#include "reading.h"

#include <QClipboard>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>
#include <tuple>

using namespace tavrel;
using ui::frmDisplay;

Q_DECLARE_METATYPE(tavrel::SunSign)

namespace {

const QColor Highlight = QColor::fromRgb(236, 28, 210);
const QColor Grey = QColor::fromRgb(64, 64, 64);
const QStringList CardLabels{"lblAries", "lblTaurus", "lblGemini", "lblCancer", "lblLeo", "lblVirgo",
                             "lblLibra", "lblScorpio", "lblSagittarius", "lblCapricorn", "lblAquarius", "lblPisces"};

template<typename T = QWidget>
T *child(const QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

QString textOf(const QObject *window, const QString &name)
{
    const QObject *control = window->findChild<QObject *>(name);
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(control))
        return box->toPlainText();
    if (const auto *box = qobject_cast<const QTextEdit *>(control))
        return box->toPlainText();
    return QStringLiteral("<no text control %1>").arg(name);
}

QColor colorOf(const QObject *window, const QString &element)
{
    const QObject *object = window->findChild<QObject *>(element);
    return object ? object->property("color").value<QColor>() : QColor();
}

QStringList visibleCards(const frmDisplay &window)
{
    QStringList visible;
    for (const QString &card : CardLabels) {
        if (child(&window, card)->isVisibleTo(&window))
            visible << card;
    }
    return visible;
}

QImage pictureShown(const frmDisplay &window, const char *name)
{
    const auto *picture = child<ui::DisplayPicture>(&window, QString::fromLatin1(name));
    return picture ? picture->picture().toImage() : QImage();
}

QImage chakraPicture(int position)
{
    static const QStringList files{"0 Crown Chakra.jpg", "1 Third Eye Chakra.jpg", "2 Throat Chakra.jpg",
                                   "3 Heart Chakra.jpg", "4 Navel Chakra.jpg",     "5 Sacral Chakra.jpg",
                                   "6 Root Chakra.jpg"};
    return QImage(QStringLiteral(":/chakras/") + files.at(position - 1));
}

// Checks a chakra box against the record of `chakra` (none: the box is empty): the text line by line, every
// heading bold and green, every value plain and black.
void verifyRecord(const frmDisplay &window, const char *box, int chakra)
{
    const auto *edit = child<QTextEdit>(&window, QString::fromLatin1(box));
    QVERIFY(edit);
    QStringList lines;
    for (const RecordField &field : chakraRecord(chakra))
        lines << field.heading << field.value << QString();
    if (!lines.isEmpty())
        lines.removeLast(); // no line break after the last value
    QCOMPARE(edit->toPlainText(), lines.join(QLatin1Char('\n')));

    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        const bool heading = block.blockNumber() % 3 == 0;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QByteArray where = it.fragment().text().toUtf8();
            QVERIFY2((format.fontWeight() >= QFont::Bold) == heading, where);
            QVERIFY2(format.foreground().color() == (heading ? QColor(0, 128, 0) : QColor(0, 0, 0)), where);
        }
    }
}

} // namespace

class TestDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void windowAndTabs();
    void freshWindow();
    void layout_data();
    void layout();

    void readingOfEverySign_data();
    void readingOfEverySign();
    void literalReadings_data();
    void literalReadings();
    void nextWindowShowsOnlyTheNextReading();

    void chakraRecords_data();
    void chakraRecords();
    void recordsAreReadFromTheTop();
    void chakraPicturesAreSharp();

    void clipboardGuard_data();
    void clipboardGuard();
};

void TestDisplay::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestDisplay::windowAndTabs()
{
    frmDisplay window;
    QCOMPARE(window.objectName(), QStringLiteral("frmDisplay"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Tavrel v1.05"));
    QCOMPARE(window.minimumSize(), ui::twipSize(13995, 8415));
    QCOMPARE(window.maximumSize(), ui::twipSize(13995, 8415));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 0, 64));

    auto *tabs = child<QTabWidget>(&window, "SSTab1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Attributes Of Sephiroths  Associated With Your Sun Sign"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Attributes Of The Path  Associated with Your Sun Sign"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("About Your Sun Sign And Sephiroths "));
    const QStringList pages{"picSplit", "picSplitTwo", "picSplitThree"};
    for (int i = 0; i < pages.size(); ++i)
        QVERIFY2(tabs->widget(i)->isAncestorOf(child(&window, pages[i])), qPrintable(pages[i]));
    QCOMPARE(child<QGroupBox>(&window, "Frame1")->title(), QStringLiteral("Kabbalah Tree Of Life"));

    // Every name is used once; the elements of control arrays carry their index.
    QHash<QString, int> names;
    for (const QObject *object : window.findChildren<QObject *>()) {
        if (!object->objectName().isEmpty() && !object->objectName().startsWith(QLatin1String("qt_")))
            ++names[object->objectName()];
    }
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        QVERIFY2(it.value() == 1, qPrintable(it.key()));
    for (int i = 0; i < 11; ++i) {
        QCOMPARE(child<QObject>(&window, QStringLiteral("ShpCircle_%1").arg(i))->property("index").toInt(), i);
        QCOMPARE(child<QObject>(&window, QStringLiteral("lblClick_%1").arg(i))->property("index").toInt(), i);
    }
    QCOMPARE(child<QObject>(&window, "RTB_1")->property("index").toInt(), 1);
}

void TestDisplay::freshWindow()
{
    frmDisplay window;
    auto *tabs = child<QTabWidget>(&window, "SSTab1");
    tabs->setCurrentIndex(2);
    window.Form_Load();
    QCOMPARE(tabs->currentIndex(), 0);

    QVERIFY(visibleCards(window).isEmpty());
    for (int i = 0; i < 11; ++i)
        QCOMPARE(colorOf(&window, QStringLiteral("ShpCircle_%1").arg(i)), Grey);
    for (const QString &line : pathLineNames())
        QCOMPARE(colorOf(&window, line), Grey);
    for (const char *empty : {"lblSphereName", "lblSphereDesc", "RTB_0", "RTB_1"})
        QCOMPARE(textOf(&window, empty), QString());
    QVERIFY(pictureShown(window, "PicOneSephirothsCard").isNull());
}

void TestDisplay::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("relativeTo"); // empty: the parent
    QTest::addColumn<QRect>("twips");

    QTest::newRow("SSTab1") << "SSTab1" << "" << QRect(5430, 0, 8535, 8415);
    QTest::newRow("Frame1") << "Frame1" << "" << QRect(0, -30, 5415, 8415);
    QTest::newRow("Frame2") << "Frame2" << "" << QRect(60, 480, 5295, 7455);
    QTest::newRow("picSplit") << "picSplit" << "SSTab1" << QRect(30, 600, 8475, 7770);
    QTest::newRow("picSplitThree") << "picSplitThree" << "SSTab1" << QRect(-2, 600, 8475, 7755);
    QTest::newRow("RTB_1") << "RTB_1" << "" << QRect(120, 4200, 7215, 1095);
    QTest::newRow("PicTwoSephirothsCard") << "PicTwoSephirothsCard" << "" << QRect(7500, 4200, 630, 630);
    QTest::newRow("lblOneKeyword") << "lblOneKeyword" << "" << QRect(2160, 2700, 3960, 195);
    QTest::newRow("txtOneAngelDesc") << "txtOneAngelDesc" << "" << QRect(6000, 3120, 2295, 735);
    QTest::newRow("txtPathDecs") << "txtPathDecs" << "" << QRect(120, 480, 8175, 1815);
    QTest::newRow("lblSphereDesc") << "lblSphereDesc" << "" << QRect(120, 3960, 8175, 2655);
    QTest::newRow("lblClick_9") << "lblClick_9" << "" << QRect(1440, 6600, 945, 615);
    QTest::newRow("ShpCircle_4") << "ShpCircle_4" << "" << QRect(360, 2520, 735, 615);
}

void TestDisplay::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, relativeTo);
    QFETCH(QRect, twips);

    frmDisplay window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect expected = ui::twipRect(twips.x(), twips.y(), twips.width(), twips.height());
    const QObject *object = child<QObject>(&window, name);
    if (const auto *widget = qobject_cast<const QWidget *>(object)) {
        QRect actual = widget->geometry();
        if (!relativeTo.isEmpty())
            actual.moveTopLeft(widget->mapTo(child(&window, relativeTo), QPoint()));
        QCOMPARE(actual, expected);
    } else {
        QCOMPARE(object->property("geometry").toRect(), expected);
    }
}

void TestDisplay::readingOfEverySign_data()
{
    QTest::addColumn<SunSign>("sign");
    for (const SunSign sign : AllSunSigns)
        QTest::newRow(qPrintable(sunSignName(sign))) << sign;
}

void TestDisplay::readingOfEverySign()
{
    QFETCH(SunSign, sign);
    const Reading r = makeReading(sign);
    frmDisplay window;
    window.Form_Load();
    window.ShowReading(r);

    QList<std::pair<QString, QString>> written{
        {"lblPathName", r.path->pathName},       {"txtPathDecs", r.pathParagraph},
        {"lblHebrewLetter", r.path->hebrewLetter}, {"lblLocation", r.path->location},
        {"lblCorrespondingPlanet", r.path->planet}, {"lblYetsiraticAttribution", r.path->yetsiraticAttribution},
        {"lblColor", r.path->colour},            {"lblElement", r.path->element},
        {"lblSunSignDesc", r.signParagraph},     {"lblSunSignName", r.signName()},
        {"lblLiesPathName", r.path->pathName},   {"lbSephirothSOneCardName", r.chakraOne->label},
        {"lbSephirothSTwoCardName", r.chakraTwo->label}};
    for (const auto &[band, s, sphere, angel] :
         {std::tuple{"One", r.one, r.sphereOneParagraph, r.angelOneParagraph},
          std::tuple{"Two", r.two, r.sphereTwoParagraph, r.angelTwoParagraph}}) {
        const auto name = [&](const char *control) { return QString::fromLatin1(control).arg(QLatin1String(band)); };
        written << std::pair{name("lbl%1SphereHead"), s->name} << std::pair{name("txt%1SphereDesc"), sphere}
                << std::pair{name("txt%1AngelDesc"), angel} << std::pair{name("lbl%1SphereSign"), s->name}
                << std::pair{name("lbl%1PositionInTreeOfLife"), s->position}
                << std::pair{name("lbl%1PlanetaryRuler"), s->planetaryRuler}
                << std::pair{name("lbl%1Archangel"), s->archangelLabel} << std::pair{name("lbl%1LuckyDay"), s->luckyDay}
                << std::pair{name("lbl%1Color"), s->colour} << std::pair{name("lbl%1Wood"), s->wood}
                << std::pair{name("lbl%1Keyword"), s->keyword} << std::pair{name("lbl%1Metal"), s->metal};
    }
    for (const auto &[name, value] : std::as_const(written))
        QVERIFY2(textOf(&window, name) == value, qPrintable(name + QLatin1String(": ") + textOf(&window, name)));

    QCOMPARE(visibleCards(window), QStringList{r.cardLabel()});
    for (int i = 0; i < 11; ++i) {
        const bool marked = i == r.highlightSphereOne || i == r.highlightSphereTwo;
        QCOMPARE(colorOf(&window, QStringLiteral("ShpCircle_%1").arg(i)), marked ? Highlight : Grey);
    }
    for (const QString &line : pathLineNames())
        QCOMPARE(colorOf(&window, line), line == r.highlightLine ? Highlight : Grey);
    QCOMPARE(pictureShown(window, "PicOneSephirothsCard"), chakraPicture(r.chakraOne->picture));
    QCOMPARE(pictureShown(window, "PicTwoSephirothsCard"), chakraPicture(r.chakraTwo->picture));
    verifyRecord(window, "RTB_0", static_cast<int>(r.chakraOne->chakra));
    verifyRecord(window, "RTB_1", static_cast<int>(r.chakraTwo->chakra));
}

void TestDisplay::literalReadings_data()
{
    QTest::addColumn<SunSign>("sign");
    QTest::addColumn<QStringList>("marked"); // card label, two spheres and a line
    QTest::addColumn<QString>("pathName");
    QTest::addColumn<QList<int>>("pictures");
    QTest::addColumn<QStringList>("chakraNames");
    QTest::addColumn<QStringList>("blank");
    QTest::addColumn<QStringList>("recordEnds");

    QTest::newRow("Pisces") << SunSign::Pisces << QStringList{"lblPisces", "ShpCircle_6", "ShpCircle_9", "ln710"}
                            << "Path Of Qoph" << QList<int>{5, 7}
                            << QStringList{"Manipura (Navel) Chakra", "Muladhara (Base of Spine) Chakra"}
                            << QStringList{"lblTwoLuckyDay", "lblTwoColor", "lblTwoWood", "lblTwoMetal"}
                            << QStringList{"Color \nYellow", "Color \nRed"};
    QTest::newRow("Leo") << SunSign::Leo << QStringList{"lblLeo", "ShpCircle_3", "ShpCircle_4", "ln45"}
                         << "Path Of Teth" << QList<int>{3, 3}
                         << QStringList{"Vishuddha (Throat) Chakra", "Vishuddha (Throat) Chakra"} << QStringList{}
                         << QStringList{"Color \nBlue", "Color \nBlue"};
    QTest::newRow("Aries") << SunSign::Aries << QStringList{"lblAries", "ShpCircle_1", "ShpCircle_5", "ln26"}
                           << "Path Of He" << QList<int>{2, 4}
                           << QStringList{"Ajna (Third Eye) Chakra", "Anahata (Heart) Chakra"}
                           << QStringList{"lblOneLuckyDay", "lblOneMetal"}
                           << QStringList{"Color \nIndigo", "Color \nGreen"};
}

void TestDisplay::literalReadings()
{
    QFETCH(SunSign, sign);
    QFETCH(QStringList, marked);
    QFETCH(QString, pathName);
    QFETCH(QList<int>, pictures);
    QFETCH(QStringList, chakraNames);
    QFETCH(QStringList, blank);
    QFETCH(QStringList, recordEnds);

    frmDisplay window;
    window.Form_Load();
    for (const QString &name : blank)
        child<QLabel>(&window, name)->setText(QStringLiteral("design text")); // a blank value must replace it
    window.ShowReading(makeReading(sign));

    QCOMPARE(visibleCards(window), marked.mid(0, 1));
    for (const QString &element : marked.mid(1))
        QCOMPARE(colorOf(&window, element), Highlight);
    QCOMPARE(textOf(&window, "lblPathName"), pathName);
    QCOMPARE(textOf(&window, "lblLiesPathName"), pathName);
    QCOMPARE(pictureShown(window, "PicOneSephirothsCard"), chakraPicture(pictures[0]));
    QCOMPARE(pictureShown(window, "PicTwoSephirothsCard"), chakraPicture(pictures[1]));
    QCOMPARE(textOf(&window, "lbSephirothSOneCardName"), chakraNames[0]);
    QCOMPARE(textOf(&window, "lbSephirothSTwoCardName"), chakraNames[1]);
    for (const QString &name : blank)
        QVERIFY2(textOf(&window, name).isEmpty(), qPrintable(name));
    for (int i = 0; i < 2; ++i) {
        const QString record = textOf(&window, QStringLiteral("RTB_%1").arg(i));
        QVERIFY(record.startsWith(QStringLiteral("Chakras Name \n")));
        QVERIFY2(record.endsWith(recordEnds[i]), qPrintable(record.right(20)));
    }
}

void TestDisplay::nextWindowShowsOnlyTheNextReading()
{
    auto first = std::make_unique<frmDisplay>();
    first->Form_Load();
    first->ShowReading(makeReading(SunSign::Pisces));
    child<QTabWidget>(first.get(), "SSTab1")->setCurrentIndex(2);
    first->ShowSphereExplanation(6);
    first.reset();

    frmDisplay second;
    second.Form_Load();
    second.ShowReading(makeReading(SunSign::Leo));
    QCOMPARE(visibleCards(second), QStringList{"lblLeo"});
    for (const char *pisces : {"ShpCircle_6", "ShpCircle_9", "ln710"})
        QCOMPARE(colorOf(&second, pisces), Grey);
    QCOMPARE(child<QTabWidget>(&second, "SSTab1")->currentIndex(), 0);
    QCOMPARE(textOf(&second, "lblSphereName"), QString());
}

void TestDisplay::chakraRecords_data()
{
    QTest::addColumn<int>("one");
    QTest::addColumn<int>("two");
    QTest::addColumn<int>("first"); // the record expected in RTB_0, -1 for none
    QTest::addColumn<int>("second");

    QTest::newRow("Pisces (4, 6)") << 4 << 6 << 4 << 6;
    QTest::newRow("Leo, the same chakra twice") << 2 << 2 << 2 << 2;
    QTest::newRow("second before first") << 5 << 1 << 5 << 1;
    QTest::newRow("crown and root") << 0 << 6 << 0 << 6;
    QTest::newRow("one out of range") << 7 << 3 << -1 << 3;
    QTest::newRow("both out of range") << -1 << 99 << -1 << -1;
}

void TestDisplay::chakraRecords()
{
    QFETCH(int, one);
    QFETCH(int, two);
    QFETCH(int, first);
    QFETCH(int, second);

    frmDisplay window;
    window.ShowChakras(3, 3); // replaced, not added to
    window.ShowChakras(one, two);
    verifyRecord(window, "RTB_0", first);
    verifyRecord(window, "RTB_1", second);
}

void TestDisplay::recordsAreReadFromTheTop()
{
    frmDisplay window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowReading(makeReading(SunSign::Scorpio));
    for (const char *name : {"RTB_0", "RTB_1"}) {
        auto *box = child<QTextEdit>(&window, name);
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
    }
}

// The pictures are scaled to the device pixels of their box, twice as many at a scale factor of 2 (the test
// runs a second time under QT_SCALE_FACTOR=2).
void TestDisplay::chakraPicturesAreSharp()
{
    frmDisplay window;
    window.ShowReading(makeReading(SunSign::Pisces));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const qreal ratio = window.devicePixelRatioF();
    for (const char *name : {"PicOneSephirothsCard", "PicTwoSephirothsCard"}) {
        const QPixmap shown = child<QLabel>(&window, name)->pixmap();
        QCOMPARE(shown.devicePixelRatio(), ratio);
        QCOMPARE(shown.size(), (QSizeF(ui::twipSize(630, 630)) * ratio).toSize());
    }
}

void TestDisplay::clipboardGuard_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("emptied");

    for (const char *box : {"txtOneSphereDesc", "txtTwoSphereDesc", "txtOneAngelDesc", "txtTwoAngelDesc", "RTB_0",
                            "RTB_1", "txtPathDecs"}) {
        for (const char *event : {"change", "click", "double click", "mouse down", "mouse move", "drag", "mouse up"})
            QTest::addRow("%s, %s", box, event) << box << event << (QLatin1String(box) != QLatin1String("txtPathDecs"));
    }
    QTest::newRow("a new reading") << "txtPathDecs" << "reading" << true;
}

// Fires an event at a text box while the clipboard holds a copied text.
void TestDisplay::clipboardGuard()
{
    QFETCH(QString, box);
    QFETCH(QString, event);
    QFETCH(bool, emptied);

    frmDisplay window;
    window.ShowReading(makeReading(SunSign::Virgo));
    child<QTabWidget>(&window, "SSTab1")->setCurrentIndex(box == QLatin1String("txtPathDecs") ? 1 : 0);
    window.move(0, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *target = child<QAbstractScrollArea>(&window, box);
    QWidget *viewport = target->viewport();
    const QPoint inside = viewport->rect().center();
    QTest::mouseMove(child(&window, "Frame1"), QPoint(2, 200)); // so that a move onto the box is a real move

    const bool held = event == QLatin1String("mouse up") || event == QLatin1String("drag");
    if (held)
        QTest::mousePress(viewport, Qt::LeftButton, {}, inside);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("copied"));

    if (event == QLatin1String("change")) {
        if (auto *plain = qobject_cast<QPlainTextEdit *>(target))
            plain->setPlainText(QStringLiteral("other"));
        else
            static_cast<QTextEdit *>(target)->setPlainText(QStringLiteral("other"));
    } else if (event == QLatin1String("click")) {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, inside);
    } else if (event == QLatin1String("double click")) {
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, inside);
    } else if (event == QLatin1String("mouse down")) {
        QTest::mousePress(viewport, Qt::LeftButton, {}, inside);
    } else if (event == QLatin1String("mouse move")) {
        QTest::mouseMove(viewport, inside); // no button held
        QCOMPARE(QCursor::pos(), viewport->mapToGlobal(inside));
    } else if (event == QLatin1String("drag")) {
        QTest::mouseMove(viewport, inside + QPoint(5, 0)); // selecting, the button held
    } else if (event == QLatin1String("mouse up")) {
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside);
    } else if (event == QLatin1String("reading")) {
        window.ShowReading(makeReading(SunSign::Gemini));
    }
    const bool survived = !clipboard->text().isEmpty();
    if (QStringList{"double click", "mouse down", "drag"}.contains(event))
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside); // no button stays held for what follows
    QCOMPARE(survived, !emptied);
}

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
