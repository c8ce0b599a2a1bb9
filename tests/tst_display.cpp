// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The result window: what a reading writes into it, the chakra records, the clipboard guard, the layout and
// the state of a fresh window.

#include "reading/chakras.h"
#include "tests/displaytesthelpers.h"
#include "tests/goldenreadings.h"
#include "ui/diagram/diagramnames.h"
#include "ui/display/displaypicture.h"
#include "ui/style.h"
#include "ui/textlabel.h"
#include "ui/twips.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QTextBlock>

#include <algorithm>
#include <functional>
#include <tuple>

using namespace tavrel;
using namespace displaytest;

namespace {

const QStringList CardLabels{"lblAries", "lblTaurus",  "lblGemini",      "lblCancer",    "lblLeo",      "lblVirgo",
                             "lblLibra", "lblScorpio", "lblSagittarius", "lblCapricorn", "lblAquarius", "lblPisces"};
const QStringList PathLines{"ln12", "ln13", "ln16", "ln23", "ln24", "ln26", "ln35", "ln36", "ln45",  "ln46",  "ln47",
                            "ln56", "ln58", "ln67", "ln68", "ln69", "ln78", "ln79", "ln89", "ln710", "ln810", "ln910"};

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
void verifyRecord(const frmDisplay &window, const char *box, Chakra chakra)
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
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void windowAndTabs();
    void tabCaptionsStandOut_data();
    void tabCaptionsStandOut();
    void freshWindowAfterAReading();
    void layout_data();
    void layout();

    void readingOfEverySign_data();
    void readingOfEverySign();
    void literalReadings_data();
    void literalReadings();

    void chakraRecords_data();
    void chakraRecords();
    void recordsAreReadFromTheTop();
    void chakraPicturesAreSharp();
    void keptTextDrawsAsPainterText_data();
    void keptTextDrawsAsPainterText();
    void keptLineDrawsAsPainterText_data();
    void keptLineDrawsAsPainterText();
    void labelsDrawAsPlainLabels_data();
    void labelsDrawAsPlainLabels();

    void clipboardGuard_data();
    void clipboardGuard();
};

void TestDisplay::windowAndTabs()
{
    frmDisplay window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Tavrel v1.05"));
    QCOMPARE(window.minimumSize(), ui::twipSize(13995, 8415));
    QCOMPARE(window.maximumSize(), ui::twipSize(13995, 8415));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 0, 64));
    QCOMPARE(child<QGroupBox>(&window, "Frame1")->title(), QStringLiteral("Kabbalah Tree Of Life"));
    auto *tabs = child<QTabWidget>(&window, "SSTab1");
    const QStringList texts{"Attributes Of Sephiroths  Associated With Your Sun Sign",
                            "Attributes Of The Path  Associated with Your Sun Sign",
                            "About Your Sun Sign And Sephiroths "};
    const QStringList pages{"picSplit", "picSplitTwo", "picSplitThree"};
    QCOMPARE(tabs->count(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(tabs->tabText(i), texts[i]);
        QVERIFY(tabs->widget(i)->isAncestorOf(child(&window, pages[i])));
    }

    // Every name is used once; the elements of control arrays carry their index.
    QHash<QString, int> names;
    for (const QObject *object : window.findChildren<QObject *>()) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        QVERIFY2(++names[name] == 1, qPrintable(name));
        if (const qsizetype underscore = name.lastIndexOf(QLatin1Char('_')); underscore > 0)
            QVERIFY2(object->property("index") == name.mid(underscore + 1).toInt(), qPrintable(name));
    }
}

// A window opened after another was closed on a reading starts blank and shows only its own reading.
void TestDisplay::freshWindowAfterAReading()
{
    auto first = std::make_unique<frmDisplay>();
    first->Form_Load();
    first->showReading(makeReading(SunSign::Pisces));
    child<QTabWidget>(first.get(), "SSTab1")->setCurrentIndex(2);
    first->ShowSphereExplanation(6);
    first.reset();

    frmDisplay window;
    auto *tabs = child<QTabWidget>(&window, "SSTab1");
    tabs->setCurrentIndex(2);
    window.Form_Load();
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(visibleCards(window).isEmpty());
    for (int i = 0; i < 11; ++i)
        QCOMPARE(colorOf(&window, QStringLiteral("ShpCircle_%1").arg(i)), Grey);
    for (const QString &line : PathLines)
        QCOMPARE(colorOf(&window, line), Grey);
    for (const char *empty : {"lblSphereName", "lblSphereDesc", "RTB_0", "RTB_1"})
        QCOMPARE(textOf(&window, empty), QString());
    QVERIFY(pictureShown(window, "PicOneSephirothsCard").isNull());

    window.showReading(makeReading(SunSign::Leo));
    QCOMPARE(visibleCards(window), QStringList{"lblLeo"});
    for (const char *pisces : {"ShpCircle_6", "ShpCircle_9", "ln710"})
        QCOMPARE(colorOf(&window, pisces), Grey);
}

void TestDisplay::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("relativeTo"); // empty: the parent
    QTest::addColumn<QRect>("twips");

    QTest::newRow("SSTab1") << "SSTab1"
                            << "" << QRect(5430, 0, 8535, 8415);
    QTest::newRow("Frame2") << "Frame2"
                            << "" << QRect(60, 480, 5295, 7455);
    QTest::newRow("picSplitThree") << "picSplitThree"
                                   << "SSTab1" << QRect(-2, 600, 8475, 7755);
    QTest::newRow("RTB_1") << "RTB_1"
                           << "" << QRect(120, 4200, 7215, 1095);
    QTest::newRow("PicTwoSephirothsCard") << "PicTwoSephirothsCard"
                                          << "" << QRect(7500, 4200, 630, 630);
    QTest::newRow("txtPathDecs") << "txtPathDecs"
                                 << "" << QRect(120, 480, 8175, 1815);
    QTest::newRow("lblClick_9") << "lblClick_9"
                                << "" << QRect(1440, 6600, 945, 615);
    QTest::newRow("ShpCircle_4") << "ShpCircle_4"
                                 << "" << QRect(360, 2520, 735, 615);
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

// All 43 items of the reading, the card, the marked spheres and path, the pictures and the chakra records.
void TestDisplay::readingOfEverySign()
{
    QFETCH(SunSign, sign);
    const Reading r = makeReading(sign);
    frmDisplay window;
    window.Form_Load();
    window.showReading(r);

    QList<std::pair<QString, QString>> written{{"lblPathName", r.path->pathName},
                                               {"txtPathDecs", r.pathParagraph},
                                               {"lblHebrewLetter", r.path->hebrewLetter},
                                               {"lblLocation", r.path->location},
                                               {"lblCorrespondingPlanet", r.path->planet},
                                               {"lblYetsiraticAttribution", r.path->yetsiraticAttribution},
                                               {"lblColor", r.path->colour},
                                               {"lblElement", r.path->element},
                                               {"lblSunSignDesc", r.signParagraph},
                                               {"lblSunSignName", r.signName()},
                                               {"lblLiesPathName", r.path->pathName},
                                               {"lbSephirothSOneCardName", r.chakraOne->label},
                                               {"lbSephirothSTwoCardName", r.chakraTwo->label}};
    for (const auto &[band, s, sphere, angel] : {std::tuple{"One", r.one, r.sphereOneParagraph, r.angelOneParagraph},
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

    QCOMPARE(visibleCards(window), QStringList{ui::cardLabelName(sign)});
    for (int i = 0; i < 11; ++i) {
        const bool marked = i == ui::sphereIndex(r.one->sephirah) || i == ui::sphereIndex(r.two->sephirah);
        QCOMPARE(colorOf(&window, QStringLiteral("ShpCircle_%1").arg(i)), marked ? Highlight : Grey);
    }
    QStringList markedLines;
    for (const QString &line : PathLines) {
        if (colorOf(&window, line) == Highlight)
            markedLines << line;
        else
            QCOMPARE(colorOf(&window, line), Grey);
    }
    QCOMPARE(markedLines, QStringList{ui::pathLineName(r.path->path)});
    QCOMPARE(pictureShown(window, "PicOneSephirothsCard"), chakraPicture(r.chakraOne->picture));
    QCOMPARE(pictureShown(window, "PicTwoSephirothsCard"), chakraPicture(r.chakraTwo->picture));
    verifyRecord(window, "RTB_0", r.chakraOne->chakra);
    verifyRecord(window, "RTB_1", r.chakraTwo->chakra);
}

// Readings against literal values (as a screen reader hears them in tst_accessibility).
void TestDisplay::literalReadings_data()
{
    addGoldenRows();
}

void TestDisplay::literalReadings()
{
    const GoldenReading &g = goldenRow();
    const QList<std::pair<QString, QString>> shown = shownLabels(g);

    frmDisplay window;
    window.Form_Load();
    for (const auto &[name, text] : shown)
        child<QLabel>(&window, name)->setText(QStringLiteral("design text")); // a blank value must replace it
    window.showReading(makeReading(g.value));

    for (const auto &[name, text] : shown)
        QVERIFY2(textOf(&window, name) == text, qPrintable(name + QLatin1String(": ") + textOf(&window, name)));
    QCOMPARE(visibleCards(window), QStringList{QLatin1String(g.card)});
    QCOMPARE(colorOf(&window, QLatin1String(g.line)), Highlight);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(colorOf(&window, QStringLiteral("ShpCircle_%1").arg(g.spheres[i])), Highlight);
        const char *picture = i == 0 ? "PicOneSephirothsCard" : "PicTwoSephirothsCard";
        QCOMPARE(pictureShown(window, picture), chakraPicture(static_cast<int>(g.chakras[i]) + 1));
        const QString record = textOf(&window, QStringLiteral("RTB_%1").arg(i));
        QVERIFY(record.startsWith(QStringLiteral("Chakras Name \n")));
        QVERIFY2(record.endsWith(QStringLiteral("Color \n") + g.recordEnds[i]), qPrintable(record.right(20)));
    }
}

void TestDisplay::chakraRecords_data()
{
    QTest::addColumn<Chakra>("one");
    QTest::addColumn<Chakra>("two");
    QTest::addColumn<Chakra>("first"); // the record expected in RTB_0; a value outside the seven for none
    QTest::addColumn<Chakra>("second");

    const auto none = static_cast<Chakra>(-1);
    QTest::newRow("crown and root") << Chakra::Sahasrara << Chakra::Muladhara << Chakra::Sahasrara << Chakra::Muladhara;
    QTest::newRow("one out of range") << static_cast<Chakra>(7) << Chakra::Anahata << none << Chakra::Anahata;
    QTest::newRow("both out of range") << none << static_cast<Chakra>(99) << none << none;
}

void TestDisplay::chakraRecords()
{
    QFETCH(Chakra, one);
    QFETCH(Chakra, two);
    QFETCH(Chakra, first);
    QFETCH(Chakra, second);

    frmDisplay window;
    window.ShowChakras(Chakra::Anahata, Chakra::Anahata); // replaced, not added to
    window.ShowChakras(one, two);
    verifyRecord(window, "RTB_0", first);
    verifyRecord(window, "RTB_1", second);
}

void TestDisplay::recordsAreReadFromTheTop()
{
    frmDisplay window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showReading(makeReading(SunSign::Scorpio));
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
    const auto window = openReading(SunSign::Pisces);
    QVERIFY(window);
    const qreal ratio = window->devicePixelRatioF();
    for (const char *name : {"PicOneSephirothsCard", "PicTwoSephirothsCard"}) {
        const QPixmap shown = child<QLabel>(window.get(), name)->pixmap();
        QCOMPARE(shown.devicePixelRatio(), ratio);
        QCOMPARE(shown.size(), (QSizeF(ui::twipSize(630, 630)) * ratio).toSize());
    }
}

// Texts drawn by the windows' labels and tabs are laid out once and kept; what is drawn from a kept layout,
// the first time and again, is what QPainter draws.
void TestDisplay::keptTextDrawsAsPainterText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QSize>("box");

    const QString paragraph =
        QStringLiteral("Tiphereth occupies the 6th position in the Tree and sits at its heart, in "
                       "the middle of the central pillar, where more paths meet than at any other "
                       "sphere. Its name means Beauty.");
    const int ltr = Qt::TextForceLeftToRight;
    QTest::newRow("caption, underlined") << "Archangel" << int(Qt::AlignLeft | ltr) << true << QSize(120, 16);
    QTest::newRow("centred value") << "Beauty, Equilibirum" << int(Qt::AlignHCenter | ltr) << false << QSize(180, 16);
    QTest::newRow("right-aligned value") << "Gold or Yellow" << int(Qt::AlignRight | ltr) << false << QSize(150, 16);
    QTest::newRow("too wide, cut off") << paragraph << int(Qt::AlignLeft) << false << QSize(90, 16);
    QTest::newRow("paragraph") << paragraph << int(Qt::AlignHCenter | Qt::TextWordWrap | ltr) << false
                               << QSize(300, 120);
    QTest::newRow("paragraph, cut off below")
        << paragraph << int(Qt::AlignHCenter | Qt::TextWordWrap | ltr) << true << QSize(250, 37);
    QTest::newRow("word longer than the box")
        << "Splendour,Truthfulness,Communication" << int(Qt::AlignRight | Qt::TextWordWrap) << true << QSize(60, 60);
    QTest::newRow("tab caption") << "Attributes Of Sephiroths Associated With Your Sun Sign"
                                 << int(Qt::AlignCenter | Qt::TextWordWrap) << false << QSize(160, 30);
    QTest::newRow("bottom right") << paragraph << int(Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap) << false
                                  << QSize(200, 100);
    // Left to QPainter.
    QTest::newRow("line break") << "Mercury/\nQuicksilver" << int(Qt::AlignHCenter) << false << QSize(100, 40);
    QTest::newRow("mnemonic") << "&Back" << int(Qt::AlignLeft | Qt::TextShowMnemonic) << false << QSize(60, 16);
    QTest::newRow("empty") << "" << int(Qt::AlignLeft) << false << QSize(50, 16);
}

void TestDisplay::keptTextDrawsAsPainterText()
{
    QFETCH(QString, text);
    QFETCH(int, flags);
    QFETCH(bool, underline);
    QFETCH(QSize, box);

    const auto draw = [&](const std::function<void(QPainter &, const QRect &)> &how) {
        QImage image(box + QSize(10, 10), QImage::Format_RGB32);
        image.fill(QColor(0, 0, 64));
        QPainter painter(&image);
        painter.setFont(ui::verdana(8.25, true, underline));
        painter.setPen(QColor(255, 128, 0));
        how(painter, QRect(QPoint(5, 5), box));
        return image;
    };
    const QImage expected = draw([&](QPainter &p, const QRect &r) { p.drawText(r, flags, text); });
    for (int time = 0; time < 2; ++time)
        QCOMPARE(draw([&](QPainter &p, const QRect &r) { ui::drawKeptText(p, r, flags, text); }), expected);
}

void TestDisplay::keptLineDrawsAsPainterText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPointF>("baseline");
    QTest::addColumn<double>("points");

    QTest::newRow("number") << "6" << QPointF(27.5, 11.0) << 8.25;
    QTest::newRow("name, between pixels") << "Tiphereth" << QPointF(3.203125, 24.578125) << 8.25;
    QTest::newRow("leading blank") << " 7 Netzach" << QPointF(0.0, 11.0) << 8.25;
    QTest::newRow("larger") << "Malkhuth" << QPointF(1.75, 14.0) << 9.75;
    QTest::newRow("line break, left to QPainter") << "10\nMalkhuth" << QPointF(2.0, 11.0) << 8.25;
}

void TestDisplay::keptLineDrawsAsPainterText()
{
    QFETCH(QString, text);
    QFETCH(QPointF, baseline);
    QFETCH(double, points);

    const auto draw = [&](const std::function<void(QPainter &)> &how) {
        QImage image(80, 40, QImage::Format_RGB32);
        image.fill(QColor(64, 64, 64));
        QPainter painter(&image);
        painter.setFont(ui::verdana(points, true));
        painter.setPen(QColor(0, 255, 255));
        how(painter);
        return image;
    };
    const QImage expected = draw([&](QPainter &p) { p.drawText(baseline, text); });
    for (int time = 0; time < 2; ++time)
        QCOMPARE(draw([&](QPainter &p) { ui::drawKeptLine(p, baseline, text); }), expected);
}

// A window's label draws its kept text as a plain label draws its text: same colour, box and alignment.
void TestDisplay::labelsDrawAsPlainLabels_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QString>("styleSheet");

    QTest::newRow("left") << int(Qt::AlignLeft) << false << QSize(120, 16) << QString();
    QTest::newRow("right, wrapped") << int(Qt::AlignRight) << true << QSize(90, 40) << QString();
    QTest::newRow("centred, wrapped, cut off") << int(Qt::AlignHCenter) << true << QSize(100, 20) << QString();
    QTest::newRow("style sheet") << int(Qt::AlignLeft) << false << QSize(120, 30)
                                 << QStringLiteral("color: red; padding-left: 7px");
}

void TestDisplay::labelsDrawAsPlainLabels()
{
    QFETCH(int, alignment);
    QFETCH(bool, wordWrap);
    QFETCH(QSize, box);
    QFETCH(QString, styleSheet);

    QWidget window;
    window.resize(2 * box.width() + 40, box.height() + 10);
    ui::setBackground(&window, QColor(0, 0, 64));
    const QString text = QStringLiteral("Splendour, Truthfulness, Communication");
    QLabel *labels[] = {new ui::TextLabel(text, &window), new QLabel(text, &window)};
    for (QLabel *label : labels) {
        label->setFont(ui::verdana(8.25, true, true));
        ui::setTextColor(label, QColor(255, 128, 0));
        label->setAlignment(Qt::Alignment(alignment));
        label->setWordWrap(wordWrap);
        label->setStyleSheet(styleSheet);
        label->resize(box);
    }
    labels[1]->move(box.width() + 20, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(labels[0]->grab().toImage(), labels[1]->grab().toImage());
}

void TestDisplay::tabCaptionsStandOut_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("dark"); // a dark palette, light text on dark faces, rather than the style's own
    for (const char *style : {"Fusion", "Windows"}) {
        QTest::addRow("%s", style) << style << false;
        QTest::addRow("%s, dark", style) << style << true;
    }
}

// The captions of the tab strip stand out from their tabs on every style a user may have, light or dark.
void TestDisplay::tabCaptionsStandOut()
{
    QFETCH(QString, style);
    QFETCH(bool, dark);
    const auto restore = qScopeGuard([name = QApplication::style()->name(), palette = QApplication::palette()] {
        QApplication::setStyle(name);
        QApplication::setPalette(palette);
    });
    QApplication::setStyle(style);
    if (dark)
        QApplication::setPalette(QPalette(QColor(49, 54, 59), QColor(49, 54, 59)));
    const auto window = openReading(SunSign::Virgo);
    QTabBar *strip = child<QTabWidget>(window.get(), "SSTab1")->tabBar();
    const QImage tab = strip->grab(strip->tabRect(1).adjusted(8, 8, -8, -8)).toImage(); // without the focus mark
    QList<qreal> lightness;
    for (int y = 0; y < tab.height(); ++y) {
        for (int x = 0; x < tab.width(); ++x)
            lightness << QColor(tab.pixel(x, y)).lightnessF();
    }
    const auto [darkest, lightest] = std::minmax_element(lightness.cbegin(), lightness.cend());
    QVERIFY(*lightest - *darkest > 0.5); // the caption on its face
}

void TestDisplay::clipboardGuard_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("emptied");
    QTest::addColumn<QString>("holder"); // who put the text there: this program (empty), another program, or this
                                         // program into the X11 selection

    // Every guarded box, by a plain move (the hardest to catch); every event, on a box of either kind.
    for (const char *box :
         {"txtOneSphereDesc", "txtTwoSphereDesc", "txtOneAngelDesc", "txtTwoAngelDesc", "RTB_0", "RTB_1"})
        QTest::addRow("%s, mouse move", box) << box << "mouse move" << true << "";
    for (const char *box : {"txtOneSphereDesc", "RTB_0"}) {
        for (const char *event : {"change", "click", "double click", "mouse down", "drag", "mouse up"})
            QTest::addRow("%s, %s", box, event) << box << event << true << "";
    }
    for (const char *event : {"change", "click", "mouse move"})
        QTest::addRow("txtPathDecs, %s", event) << "txtPathDecs" << event << false << "";
    QTest::newRow("a new reading") << "txtPathDecs"
                                   << "reading" << true << "";
    // What other programs copied stays, this program's selection goes.
    QTest::newRow("another program's text, a new reading") << "txtPathDecs"
                                                           << "reading" << false << "another program";
    QTest::newRow("another program's text, mouse move") << "txtOneSphereDesc"
                                                        << "mouse move" << false << "another program";
    QTest::newRow("this program's selection, mouse move") << "txtOneSphereDesc"
                                                          << "mouse move" << true << "this program's selection";
    // A clipboard manager takes over what this program copied: that text still goes.
    QTest::newRow("this program's text held by a manager, mouse move") << "txtOneSphereDesc"
                                                                       << "mouse move" << true << "a manager";
}

// Fires an event at a text box while the clipboard holds a copied text.
void TestDisplay::clipboardGuard()
{
    QFETCH(QString, box);
    QFETCH(QString, event);
    QFETCH(bool, emptied);
    QFETCH(QString, holder);
    QGuiApplication::clipboard()->setText(QStringLiteral("owned?"));
    if (!QGuiApplication::clipboard()->ownsClipboard() || !QGuiApplication::clipboard()->supportsSelection())
        QSKIP("needs a clipboard that tells its owner, other programs and the selection of a real X server: the x11 "
              "run");
    if (holder.isEmpty())
        holder = QStringLiteral("this program");
    const QClipboard::Mode mode =
        holder.endsWith(QLatin1String("selection")) ? QClipboard::Selection : QClipboard::Clipboard;

    const auto window = openReading(SunSign::Virgo);
    QVERIFY(window);
    child<QTabWidget>(window.get(), "SSTab1")->setCurrentIndex(box == QLatin1String("txtPathDecs") ? 1 : 0);
    auto *target = child<QAbstractScrollArea>(window.get(), box);
    QWidget *viewport = target->viewport();
    const QPoint inside = viewport->rect().center();
    // Moves as the window system delivers them, at once also in a real X server, where moving the pointer on the
    // screen would arrive later.
    const auto moveTo = [&window](QWidget *widget, QPoint point) {
        QTest::mouseMove(window->windowHandle(), widget->mapTo(window.get(), point));
    };
    moveTo(child(window.get(), "Frame1"), QPoint(2, 200)); // so that a move onto the box is a real move

    if (event == QLatin1String("mouse up") || event == QLatin1String("drag"))
        QTest::mousePress(viewport, Qt::LeftButton, {}, inside);
    QClipboard *clipboard = QGuiApplication::clipboard();
    QProcess other; // tests/clipboardowner.cpp
    if (holder == QLatin1String("another program") || holder == QLatin1String("a manager")) {
        const QString text = holder == QLatin1String("a manager") ? QStringLiteral("copied") : QStringLiteral("its own");
        if (holder == QLatin1String("a manager")) // what this program copied, which the manager then holds
            clipboard->setText(text);
        other.start(QStringLiteral(TAVREL_CLIPBOARDOWNER), {text});
        QVERIFY(other.waitForReadyRead(10000));
        QTRY_VERIFY(!clipboard->ownsClipboard()); // the X server has made it the owner
        QTRY_COMPARE(clipboard->text(), text);
    } else {
        clipboard->setText(QStringLiteral("copied"), mode);
    }

    if (event == QLatin1String("change")) {
        target->setProperty("plainText", QStringLiteral("other")); // either kind of text box
    } else if (event == QLatin1String("click")) {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, inside);
    } else if (event == QLatin1String("double click")) {
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, inside);
    } else if (event == QLatin1String("mouse down")) {
        QTest::mousePress(viewport, Qt::LeftButton, {}, inside);
    } else if (event == QLatin1String("mouse move")) {
        moveTo(viewport, inside); // no button held
    } else if (event == QLatin1String("drag")) {
        QTest::mouseMove(viewport, inside + QPoint(5, 0)); // selecting, the button held
    } else if (event == QLatin1String("mouse up")) {
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside);
    } else {
        window->showReading(makeReading(SunSign::Gemini));
    }
    const bool survived = !clipboard->text(mode).isEmpty();
    if (other.state() != QProcess::NotRunning) {
        other.kill();
        other.waitForFinished();
    }
    if (QStringList{"double click", "mouse down", "drag"}.contains(event))
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside); // no button stays held for what follows
    QCOMPARE(survived, !emptied);
}

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
