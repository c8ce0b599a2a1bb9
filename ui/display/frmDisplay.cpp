// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/frmDisplay.h"

#include "reading/chakras.h"
#include "reading/descriptions.h"
#include "reading/reading.h"
#include "ui/diagram/diagramnames.h"
#include "ui/diagram/treediagram.h"
#include "ui/display/clipboardguard.h"
#include "ui/display/displayimagelist.h"
#include "ui/display/displaylabel.h"
#include "ui/display/displaylayout.h"
#include "ui/display/displaypicture.h"
#include "ui/display/displaytabs.h"
#include "ui/focusring.h"
#include "ui/keptcache.h"
#include "ui/style.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <memory>

namespace tavrel::ui {

using namespace displaylayout;

namespace {

// What assistive tools call the controls of a band that has no caption of its own.
QString ordinal(int band)
{
    return band == 0 ? QStringLiteral("first") : QStringLiteral("second");
}

QString chakraRecordName(int band, const ChakraDetails *details = nullptr)
{
    QString name = QStringLiteral("Chakra of the %1 sphere").arg(ordinal(band));
    if (details)
        name += QStringLiteral(": ") + details->name;
    return name;
}

// The window's icon, read once rather than for every new window.
QIcon windowIconPicture()
{
    static KeptCache<QString, QIcon> icons(1);
    const QString file = QStringLiteral(":/icons/hicolor/32x32/apps/tavrel.png");
    return icons.get(file, [&file] { return QIcon(file); });
}

// A paragraph is laid out when its text is set and again whenever its box changes width. Without a cache, each
// layout throws its shaped glyphs away at once, and placing the caret and every paint shape the paragraph anew.
void keepShapedText(QTextDocument *document)
{
    QObject::connect(document, &QTextDocument::contentsChange, document, [document](int from, int, int added) {
        for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() <= from + added;
             block = block.next())
            block.layout()->setCacheEnabled(true);
    });
}

// A box that is not shown yet takes its size and lays its viewport out now, as showing it would: a paragraph set
// afterwards is laid out once, at its real width, rather than once then and again when the window appears. Call
// it once the box is styled.
void takeSizeNow(QAbstractScrollArea *box)
{
    QList<QWidget *> widgets{box};
    widgets += box->findChildren<QWidget *>(); // parents before their children, as when shown
    for (QWidget *widget : std::as_const(widgets)) {
        if (!widget->testAttribute(Qt::WA_PendingResizeEvent))
            continue;
        QResizeEvent resize(widget->size(), QSize());
        QCoreApplication::sendEvent(widget, &resize);
        widget->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
}

} // namespace

frmDisplay::frmDisplay(QWidget *parent)
    : frmDisplay(parent, true)
{ }

frmDisplay::frmDisplay(QWidget *parent, bool guardsClipboard)
    : QWidget(parent)
    , m_clipboardGuard(guardsClipboard ? new ClipboardGuard(this) : nullptr)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Tavrel v1.05"));
    setWindowIcon(windowIconPicture());
    setFixedSize(twipSize(13995, 8415));
    setBackground(this, Navy);
    setFont(verdana(8.25));

    buildDiagram();
    buildTabs();
    new FocusRing({m_one.chakraRecord, m_one.sphereDesc, m_one.angelDesc, m_two.chakraRecord, m_two.sphereDesc,
                   m_two.angelDesc, m_pathDesc},
                  this);
}

void frmDisplay::buildDiagram()
{
    m_frame = new QGroupBox(QStringLiteral("Kabbalah Tree Of Life"), this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setGeometry(twipRect(0, -30, 5415, 8415));
    m_frame->setFont(verdana(8.25, true));
    setBackground(m_frame, Navy);
    QPalette palette = m_frame->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, Yellow);
    m_frame->setPalette(palette);

    m_diagram = new TreeDiagram(m_frame);
    m_diagram->setGeometry(twipRect(60, 480, 5295, 7455));
    connect(m_diagram, &TreeDiagram::sphereMouseMove, this, &frmDisplay::ShowSphereExplanation);
    connect(m_diagram, &TreeDiagram::sphereSelected, this, &frmDisplay::ShowSphereExplanation);
    connect(m_diagram, &TreeDiagram::canvasMouseMove, this, &frmDisplay::ClearSphereExplanation);
}

void frmDisplay::buildTabs()
{
    m_tabs = new DisplayTabs(px(TabStripHeight), this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(twipRect(5430, 0, 8535, 8415));
    m_tabs->addPage(buildSephirothPage(), twipRect(30, TabStripHeight, 8475, 7770),
                    QStringLiteral("Attributes Of Sephiroths  Associated With Your Sun Sign"));
    m_tabs->addPage(buildPathPage(), twipRect(-2, TabStripHeight, 8475, 7770),
                    QStringLiteral("Attributes Of The Path  Associated with Your Sun Sign"));
    m_tabs->addPage(buildSignPage(), twipRect(-2, TabStripHeight, 8475, 7755),
                    QStringLiteral("About Your Sun Sign And Sephiroths "));

    // A press on the tab strip empties the explanation; switching tabs with the keyboard does not.
    m_tabs->installEventFilter(this);
    m_tabs->tabBar()->installEventFilter(this);
}

QWidget *frmDisplay::buildSephirothPage()
{
    m_picSplit = new QWidget;
    m_picSplit->setObjectName(QStringLiteral("picSplit"));
    setBackground(m_picSplit, Navy);
    m_picSplit->setMouseTracking(true);
    m_picSplit->installEventFilter(this);

    m_one = buildBand(m_picSplit, BandOne);

    // The white rule between the two bands; like every line, it takes no mouse input.
    auto *rule = new QWidget(m_picSplit);
    rule->setObjectName(QStringLiteral("Line13"));
    rule->setGeometry(QRect(twipPoint(0, 3885), QSize(px(8400), 1)));
    setBackground(rule, White);
    rule->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_two = buildBand(m_picSplit, BandTwo);
    return m_picSplit;
}

frmDisplay::Band frmDisplay::buildBand(QWidget *page, const BandDesign &design)
{
    Band band;
    new DisplayLabel(caption(design.chakraCaption, "Chakra Associated With Sephiroths",
                             {120, design.top, 3435, CaptionHeight}, Qt::AlignHCenter),
                     page);
    band.chakraName = new DisplayLabel(
        {.name = design.chakraName, .twips = design.chakraNameBox, .points = 9.75, .color = Yellow}, page);
    band.chakraName->setAccessibleCaption(QStringLiteral("Chakra Associated With Sephiroths"));

    band.chakraRecord = new QTextEdit(page);
    band.chakraRecord->setObjectName(QString::fromLatin1(design.recordBox));
    band.chakraRecord->setProperty("index", design.index);
    band.chakraRecord->setGeometry(twipRect(design.recordBoxGeometry));
    band.chakraRecord->setReadOnly(true);
    band.chakraRecord->setFont(verdana(8.25));
    band.chakraRecord->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    band.chakraRecord->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    styleEntryBox(band.chakraRecord, RecordValueColor);
    band.chakraRecord->setAccessibleName(chakraRecordName(design.index));
    guardClipboard(band.chakraRecord);
    keepShapedText(band.chakraRecord->document());
    takeSizeNow(band.chakraRecord);

    band.pictures = new DisplayImageList(chakraPictures(), this);
    band.pictures->setObjectName(QString::fromLatin1(design.pictureList));
    band.picture = new DisplayPicture(page);
    band.picture->setObjectName(QString::fromLatin1(design.picture));
    band.picture->setGeometry(twipRect(design.pictureBox));
    band.picture->setAccessibleName(QStringLiteral("Chakra picture"));
    // The system colour of window backgrounds.
    setBackground(band.picture, band.picture->palette().color(QPalette::Base));

    for (std::size_t i = 0; i < design.cells.size(); ++i) {
        const BandDesign::Cell &cell = design.cells[i];
        const QRect captionBox(cell.captionAt, QSize(0, CaptionHeight));
        const QRect valueBox(cell.valueBox.topLeft(), QSize(cell.valueBox.width(), CaptionHeight));
        new DisplayLabel(caption(cell.caption, cell.captionText, captionBox), page);
        band.values[i] = new DisplayLabel(value(cell.value, valueBox, Qt::AlignHCenter), page);
        band.values[i]->setAccessibleCaption(QString::fromLatin1(cell.captionText).trimmed());
    }

    band.sphereHead = new DisplayLabel({.name = design.sphereHead,
                                        .twips = design.sphereHeadBox,
                                        .points = 9.75,
                                        .underline = true,
                                        .color = Cyan,
                                        .alignment = Qt::AlignHCenter},
                                       page);
    band.sphereHead->setAccessibleCaption(design.index == 0 ? QStringLiteral("First sphere")
                                                            : QStringLiteral("Second sphere"));
    new DisplayLabel(caption(design.angelCaption, "About Your Archangel", design.angelCaptionBox,
                             design.angelCaptionAlignment, 9.75),
                     page);
    band.sphereDesc = addTextBox(page, design.sphereDesc, design.sphereDescBox);
    band.angelDesc = addTextBox(page, design.angelDesc, design.angelDescBox);
    const QString which = ordinal(design.index);
    band.sphereDesc->setAccessibleName(QStringLiteral("About the %1 sphere").arg(which));
    band.angelDesc->setAccessibleName(QStringLiteral("About the archangel of the %1 sphere").arg(which));
    guardClipboard(band.sphereDesc);
    guardClipboard(band.angelDesc);
    return band;
}

QWidget *frmDisplay::buildPathPage()
{
    m_picSplitTwo = new QWidget;
    m_picSplitTwo->setObjectName(QStringLiteral("picSplitTwo"));
    setBackground(m_picSplitTwo, Navy);
    m_picSplitTwo->setMouseTracking(true);
    m_picSplitTwo->installEventFilter(this);

    QWidget *page = m_picSplitTwo;
    m_pathName = new DisplayLabel(pathName(), page);
    m_pathName->setAccessibleCaption(QStringLiteral("Path"));
    m_pathDesc = addTextBox(page, "txtPathDecs", PathParagraphBox);
    m_pathDesc->setAccessibleName(QStringLiteral("About the path"));

    // In the order of PathRows.
    const std::array<DisplayLabel **, PathRows.size()> values{&m_hebrewLetter,          &m_location,   &m_planet,
                                                              &m_yetsiraticAttribution, &m_pathColour, &m_element};
    for (std::size_t i = 0; i < PathRows.size(); ++i) {
        const PathRowDesign &row = PathRows[i];
        new DisplayLabel(caption(row.caption, row.captionText, {120, row.top, 0, CaptionHeight}), page);
        *values[i] = new DisplayLabel(
            value(row.value, {PathValueLeft, row.top, row.valueWidth, CaptionHeight}, Qt::AlignLeft), page);
        (*values[i])->setAccessibleCaption(QString::fromLatin1(row.captionText));
    }
    return m_picSplitTwo;
}

QWidget *frmDisplay::buildSignPage()
{
    m_picSplitThree = new QWidget;
    m_picSplitThree->setObjectName(QStringLiteral("picSplitThree"));
    setBackground(m_picSplitThree, Navy);

    QWidget *page = m_picSplitThree;
    m_sunSignName = new DisplayLabel(signName(), page);
    m_sunSignName->setAccessibleCaption(QStringLiteral("Sun Sign"));
    m_sunSignDesc = new DisplayLabel(signParagraph(), page);
    new DisplayLabel(signPathHeading(), page);
    m_liesPathName = new DisplayLabel(signPathName(), page);
    m_liesPathName->setAccessibleCaption(QStringLiteral("Path Associated With Your Sun Sign"));
    m_sphereName = new DisplayLabel(sphereName(), page);
    m_sphereName->setAccessibleCaption(QStringLiteral("Sphere"));
    m_sphereDesc = new DisplayLabel(sphereParagraph(), page);
    auto *hint = new DisplayLabel(hoverHint(), page);
    hint->setAccessibleDescription(QStringLiteral("With the keyboard: Tab to the diagram and move between its "
                                                  "spheres with the arrow keys."));

    for (QWidget *clearing : {static_cast<QWidget *>(m_sunSignDesc), static_cast<QWidget *>(m_sphereDesc)}) {
        clearing->setMouseTracking(true);
        clearing->installEventFilter(this);
    }
    return m_picSplitThree;
}

QPlainTextEdit *frmDisplay::addTextBox(QWidget *page, const char *name, QRect twips)
{
    auto *box = new QPlainTextEdit(page);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(twipRect(twips));
    box->setReadOnly(true);
    box->setFont(verdana(8.25, true));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    styleEntryBox(box, Maroon);
    keepShapedText(box->document());
    takeSizeNow(box);
    return box;
}

void frmDisplay::rehearse(const Reading &reading, QWidget &host)
{
    // Without a clipboard guard: the clipboard is left alone.
    const std::unique_ptr<frmDisplay> window(new frmDisplay(&host, false));
    window->setWindowFlags(Qt::Widget);
    window->show(); // along with its host, which is not shown
    window->Form_Load();
    window->showReading(reading);
    (void)window->grab();
    window->hide(); // painted already
    (void)host.window()->grab();
}

void frmDisplay::Form_Load()
{
    m_tabs->setCurrentIndex(0);
}

QWidget *frmDisplay::firstControl() const
{
    return m_tabs->tabBar();
}

void frmDisplay::showReading(const Reading &reading)
{
    const QColor highlight(reading.highlightColor.red, reading.highlightColor.green, reading.highlightColor.blue);

    m_diagram->setCardVisible(cardLabelName(reading.sign), true);
    m_diagram->setSphereColor(sphereIndex(reading.one->sephirah), highlight);
    m_diagram->setLineColor(pathLineName(reading.path->path), highlight);
    writeSephirah(m_one, reading, true);
    m_diagram->setSphereColor(sphereIndex(reading.two->sephirah), highlight);
    writeSephirah(m_two, reading, false);

    const TreePathInfo &path = *reading.path;
    m_pathName->setCaption(path.pathName);
    m_pathDesc->setPlainText(reading.pathParagraph);
    m_hebrewLetter->setCaption(path.hebrewLetter);
    m_location->setCaption(path.location);
    m_planet->setCaption(path.planet);
    m_yetsiraticAttribution->setCaption(path.yetsiraticAttribution);
    m_pathColour->setCaption(path.colour);
    m_element->setCaption(path.element);

    m_sunSignDesc->setCaption(reading.signParagraph);
    m_sunSignName->setCaption(reading.signName());
    m_liesPathName->setCaption(path.pathName);

    m_one.picture->setPicture(m_one.pictures->picture(reading.chakraOne->picture));
    m_two.picture->setPicture(m_two.pictures->picture(reading.chakraTwo->picture));
    m_one.chakraName->setCaption(reading.chakraOne->label);
    m_two.chakraName->setCaption(reading.chakraTwo->label);
    for (const auto &[band, chakra] : {std::pair{&m_one, reading.chakraOne}, std::pair{&m_two, reading.chakraTwo}})
        band->picture->setAccessibleName(chakra->label.isEmpty() ? QStringLiteral("Chakra picture")
                                                                 : chakra->label + QStringLiteral(" picture"));

    ShowChakras(reading.chakraOne->chakra, reading.chakraTwo->chakra);
}

void frmDisplay::writeSephirah(Band &band, const Reading &reading, bool one)
{
    const SephirahInfo &sephirah = one ? *reading.one : *reading.two;
    band.sphereHead->setCaption(sephirah.name);
    band.sphereDesc->setPlainText(one ? reading.sphereOneParagraph : reading.sphereTwoParagraph);
    band.angelDesc->setPlainText(one ? reading.angelOneParagraph : reading.angelTwoParagraph);
    band.sphereDesc->setAccessibleName(QStringLiteral("About ") + sephirah.name);
    band.angelDesc->setAccessibleName(QStringLiteral("About your archangel ") + sephirah.archangelLabel);
    band.values[SphereSign]->setCaption(sephirah.name);
    band.values[Position]->setCaption(sephirah.position);
    band.values[PlanetaryRuler]->setCaption(sephirah.planetaryRuler);
    band.values[Archangel]->setCaption(sephirah.archangelLabel);
    band.values[LuckyDay]->setCaption(sephirah.luckyDay);
    band.values[Colour]->setCaption(sephirah.colour);
    band.values[Wood]->setCaption(sephirah.wood);
    band.values[Keyword]->setCaption(sephirah.keyword);
    band.values[Metal]->setCaption(sephirah.metal);
}

void frmDisplay::ShowChakras(Chakra one, Chakra two)
{
    m_one.chakraRecord->clear();
    m_two.chakraRecord->clear();
    m_one.chakraRecord->setAccessibleName(chakraRecordName(0, chakraDetails(one)));
    m_two.chakraRecord->setAccessibleName(chakraRecordName(1, chakraDetails(two)));
    for (int i = 0; i < ChakraCount; ++i) {
        const auto chakra = static_cast<Chakra>(i);
        if (chakra == one)
            writeChakraRecord(m_one.chakraRecord, chakra);
        if (chakra == two)
            writeChakraRecord(m_two.chakraRecord, chakra);
    }
    // Each record is read from its first line.
    m_one.chakraRecord->moveCursor(QTextCursor::Start);
    m_two.chakraRecord->moveCursor(QTextCursor::Start);
}

// Appends a record at the end of the box: each heading emphasised and green on a line of its own, each value
// plain and black followed by an empty line, except the last value, which ends the text.
void frmDisplay::writeChakraRecord(QTextEdit *box, Chakra chakra)
{
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setForeground(RecordHeadingColor);
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    plain.setForeground(RecordValueColor);

    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    // Written piece by piece, laid out once, at the box's width.
    cursor.beginEditBlock();
    const ChakraRecord record = chakraRecord(chakra);
    for (qsizetype i = 0; i < record.size(); ++i) {
        cursor.insertText(record[i].heading, heading);
        cursor.insertBlock(QTextBlockFormat(), plain);
        cursor.insertText(record[i].value, plain);
        if (i + 1 < record.size()) {
            cursor.insertBlock(QTextBlockFormat(), plain);
            cursor.insertBlock(QTextBlockFormat(), plain);
        }
    }
    cursor.endEditBlock();
}

void frmDisplay::ShowSphereExplanation(int index)
{
    if (index < 0 || index >= TreeDiagram::SphereCount)
        return;
    m_sphereDesc->setCaption(DescriptionCatalogue::instance().SphereText(sephirahAt(index)));
    m_sphereName->setCaption(TreeDiagram::sphereName(index));
}

void frmDisplay::ClearSphereExplanation()
{
    m_sphereName->setCaption(QString());
    m_sphereDesc->setCaption(QString());
}

// Keys that no control of the window took. Switching tabs with the keyboard leaves the explanation as it is.
void frmDisplay::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    int step = 0;
    if (modifiers == Qt::ControlModifier && (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_Tab))
        step = 1;
    else if ((modifiers == Qt::ControlModifier && event->key() == Qt::Key_PageUp)
             || (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)
                 && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Tab)))
        step = -1;
    if (step == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int count = m_tabs->count();
    m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + count) % count);
    event->accept();
}

bool frmDisplay::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseMove || type == QEvent::MouseButtonPress
        || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
    if (!mouse)
        return QWidget::eventFilter(watched, event);

    if (type == QEvent::MouseMove) {
        if (watched == m_sphereDesc || watched == m_sunSignDesc) {
            ClearSphereExplanation();
        } else if (watched == m_picSplit || watched == m_picSplitTwo) {
            // Only the page itself clears; moves passed on by the controls on it do not.
            const auto *page = static_cast<const QWidget *>(watched);
            if (!page->childAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
                ClearSphereExplanation();
        }
    } else if (type == QEvent::MouseButtonPress && (watched == m_tabs || watched == m_tabs->tabBar())) {
        // Only a press on the tab strip itself: the tab control also sees the presses that its pages and the
        // labels on them pass on.
        const QPoint point = static_cast<QMouseEvent *>(event)->position().toPoint();
        const QWidget *under = m_tabs->childAt(static_cast<QWidget *>(watched)->mapTo(m_tabs, point));
        if (!under || under == m_tabs->tabBar() || m_tabs->tabBar()->isAncestorOf(under))
            ClearSphereExplanation();
    }
    return QWidget::eventFilter(watched, event);
}

void frmDisplay::guardClipboard(QAbstractScrollArea *box)
{
    if (m_clipboardGuard)
        m_clipboardGuard->guard(box);
}

} // namespace tavrel::ui
