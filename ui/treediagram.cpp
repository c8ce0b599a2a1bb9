#include "ui/treediagram.h"

#include "reading/catalogue.h"
#include "reading/descriptions.h"
#include "ui/aheadoftime.h"
#include "ui/diagramlabel.h"
#include "ui/diagramnames.h"
#include "ui/displaylabel.h"
#include "ui/keptcache.h"
#include "ui/style.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <cmath>
#include <memory>
#include <utility>

namespace tavrel::ui {

namespace {

constexpr QColor SphereColor = DiagramSphere::DefaultColor;
constexpr QColor PathColor{64, 64, 64};
constexpr QColor ConnectorColor{139, 193, 119};
constexpr int PathWidth = 6;
constexpr int ConnectorWidth = 2;
constexpr int DaatIndex = 10;
// The ring around the sphere with the focus: a solid line this wide, this far outside the ellipse.
constexpr qreal FocusMarkWidth = 2;
constexpr qreal FocusMarkGap = 2;

// The names shown in the explanation, by diagram index; Da'at is written without its apostrophe.
const std::array<QString, TreeDiagram::SphereCount> SphereNames{
    QStringLiteral("Keter"),   QStringLiteral("Chokmah"),   QStringLiteral("Binah"),   QStringLiteral("Chesed"),
    QStringLiteral("Gevurah"), QStringLiteral("Tiphereth"), QStringLiteral("Netzach"), QStringLiteral("Hod"),
    QStringLiteral("Yesod"),   QStringLiteral("Malkhuth"),  QStringLiteral("Daat")};

struct SphereDesign
{
    const char *caption;
    QRect label; // twips
    QRect shape; // twips
};

// By diagram index: the ten Sephiroth in the order of the Tree, Da'at last. The captions keep their blanks.
constexpr std::array<SphereDesign, TreeDiagram::SphereCount> Spheres{{
    {.caption = "   1   Keter", .label = {1560, 120, 735, 615}, .shape = {1560, 120, 735, 615}},
    {.caption = " 2 Chokmah", .label = {2640, 1080, 975, 615}, .shape = {2760, 1080, 735, 615}},
    {.caption = "     3     Binah", .label = {360, 1080, 735, 615}, .shape = {360, 1080, 735, 615}},
    {.caption = " 4 Chesed", .label = {2760, 2520, 735, 615}, .shape = {2760, 2520, 735, 615}},
    {.caption = "5 Gevurah", .label = {240, 2520, 855, 615}, .shape = {360, 2520, 735, 615}},
    {.caption = "6 Tiphereth", .label = {1440, 3600, 975, 615}, .shape = {1560, 3600, 735, 615}},
    {.caption = " 7 Netzach", .label = {2640, 4560, 975, 615}, .shape = {2760, 4560, 735, 615}},
    {.caption = "    8    Hod", .label = {360, 4560, 735, 615}, .shape = {360, 4560, 735, 615}},
    {.caption = " 9  Yesod", .label = {1560, 5520, 735, 615}, .shape = {1560, 5520, 735, 615}},
    {.caption = " 10 Malkhuth", .label = {1440, 6600, 945, 615}, .shape = {1560, 6600, 735, 615}},
    {.caption = "         Daat", .label = {1560, 1560, 735, 615}, .shape = {1560, 1560, 735, 615}},
}};

struct LineDesign
{
    const char *name;
    int x1, y1, x2, y2; // twips
};

// The 22 paths, named by the numbers of the two spheres they join, lower first.
constexpr std::array<LineDesign, 22> Paths{{
    {.name = "ln12", .x1 = 2160, .y1 = 600, .x2 = 3000, .y2 = 1080},
    {.name = "ln13", .x1 = 1800, .y1 = 480, .x2 = 720, .y2 = 1200},
    {.name = "ln16", .x1 = 1920, .y1 = 720, .x2 = 1920, .y2 = 3600},
    {.name = "ln23", .x1 = 960, .y1 = 1440, .x2 = 2760, .y2 = 1440},
    {.name = "ln24", .x1 = 3240, .y1 = 1680, .x2 = 3240, .y2 = 2640},
    {.name = "ln26", .x1 = 3000, .y1 = 1560, .x2 = 1920, .y2 = 3840},
    {.name = "ln35", .x1 = 600, .y1 = 1560, .x2 = 600, .y2 = 2640},
    {.name = "ln36", .x1 = 840, .y1 = 1560, .x2 = 1800, .y2 = 3600},
    {.name = "ln45", .x1 = 960, .y1 = 2760, .x2 = 2760, .y2 = 2760},
    {.name = "ln46", .x1 = 2880, .y1 = 2880, .x2 = 2040, .y2 = 3720},
    {.name = "ln47", .x1 = 3240, .y1 = 3120, .x2 = 3240, .y2 = 4680},
    {.name = "ln56", .x1 = 960, .y1 = 2880, .x2 = 1800, .y2 = 3720},
    {.name = "ln58", .x1 = 600, .y1 = 3000, .x2 = 600, .y2 = 4680},
    {.name = "ln67", .x1 = 2160, .y1 = 4080, .x2 = 2880, .y2 = 4800},
    {.name = "ln68", .x1 = 1680, .y1 = 4080, .x2 = 960, .y2 = 4800},
    {.name = "ln69", .x1 = 1920, .y1 = 4200, .x2 = 1920, .y2 = 5520},
    {.name = "ln78", .x1 = 1080, .y1 = 4800, .x2 = 2880, .y2 = 4800},
    {.name = "ln79", .x1 = 2880, .y1 = 5040, .x2 = 2160, .y2 = 5640},
    {.name = "ln89", .x1 = 960, .y1 = 5040, .x2 = 1680, .y2 = 5760},
    {.name = "ln710", .x1 = 3120, .y1 = 5040, .x2 = 2160, .y2 = 6720},
    {.name = "ln810", .x1 = 720, .y1 = 5040, .x2 = 1680, .y2 = 6720},
    {.name = "ln910", .x1 = 1920, .y1 = 6120, .x2 = 1920, .y2 = 6600},
}};

struct PathNameDesign
{
    const char *label;
    const char *caption;
    int left, top, width; // twips
    const char *path; // the path it names
};

// The names of the twelve paths of the signs.
constexpr std::array<PathNameDesign, 12> PathNames{{
    {.label = "Label11", .caption = "Path of Zain", .left = 2880, .top = 360, .width = 1170, .path = "ln36"},
    {.label = "Label10", .caption = "Path of H\u00e9", .left = 3720, .top = 1680, .width = 1005, .path = "ln26"},
    {.label = "Label12", .caption = "Path of Cheth", .left = 3720, .top = 2160, .width = 1305, .path = "ln35"},
    {.label = "Label13", .caption = "Path of Vau", .left = 3720, .top = 2400, .width = 1110, .path = "ln24"},
    {.label = "Label15", .caption = "Path of Yod", .left = 3720, .top = 3240, .width = 1110, .path = "ln46"},
    {.label = "Label16", .caption = "Path of Lamed", .left = 3720, .top = 3480, .width = 1395, .path = "ln56"},
    {.label = "Label21", .caption = "Path of Teth", .left = 3720, .top = 3720, .width = 1185, .path = "ln45"},
    {.label = "Label18", .caption = "Path of Ayin", .left = 3720, .top = 4080, .width = 1185, .path = "ln68"},
    {.label = "Label17", .caption = "Path of Nun", .left = 3720, .top = 4440, .width = 1125, .path = "ln67"},
    {.label = "Label20", .caption = "Path of Samekh", .left = 3720, .top = 5160, .width = 1530, .path = "ln69"},
    {.label = "Label14", .caption = "Path of Tzaddi", .left = 3720, .top = 5400, .width = 1395, .path = "ln79"},
    {.label = "Label22", .caption = "Path of Qoph", .left = 3720, .top = 6000, .width = 1245, .path = "ln710"},
}};

// The connectors that tie each name of PathNames to its path, in the same order.
constexpr std::array<LineDesign, PathNames.size()> Connectors{{
    {.name = "Line3", .x1 = 1080, .y1 = 2040, .x2 = 2760, .y2 = 600},
    {.name = "Line1", .x1 = 2880, .y1 = 1800, .x2 = 3600, .y2 = 1800},
    {.name = "Line4", .x1 = 600, .y1 = 2280, .x2 = 3600, .y2 = 2280},
    {.name = "Line2", .x1 = 3240, .y1 = 2520, .x2 = 3600, .y2 = 2520},
    {.name = "Line7", .x1 = 2400, .y1 = 3360, .x2 = 3600, .y2 = 3360},
    {.name = "Line6", .x1 = 1680, .y1 = 3600, .x2 = 3600, .y2 = 3600},
    {.name = "Line12", .x1 = 1560, .y1 = 2760, .x2 = 3600, .y2 = 3840},
    {.name = "Line5", .x1 = 1560, .y1 = 4200, .x2 = 3600, .y2 = 4200},
    {.name = "Line8", .x1 = 2640, .y1 = 4560, .x2 = 3600, .y2 = 4560},
    {.name = "Line10", .x1 = 1920, .y1 = 5280, .x2 = 3600, .y2 = 5280},
    {.name = "Line9", .x1 = 2280, .y1 = 5520, .x2 = 3600, .y2 = 5520},
    {.name = "Line11", .x1 = 2520, .y1 = 6120, .x2 = 3600, .y2 = 6120},
}};

struct CardDesign
{
    int left, top, width; // twips
};

// Where the tarot card of each sign is named, in the order of the signs (Aries first).
constexpr std::array<CardDesign, SunSignCount> Cards{{
    {.left = 2040, .top = 2280, .width = 1260},
    {.left = 2880, .top = 1920, .width = 1500},
    {.left = 720, .top = 2280, .width = 1080},
    {.left = 0, .top = 2040, .width = 1125},
    {.left = 1800, .top = 2640, .width = 840},
    {.left = 2280, .top = 3120, .width = 1080},
    {.left = 960, .top = 3120, .width = 675},
    {.left = 2160, .top = 4320, .width = 570},
    {.left = 1320, .top = 5040, .width = 1215},
    {.left = 840, .top = 4320, .width = 915},
    {.left = 2040, .top = 5280, .width = 825},
    {.left = 2040, .top = 6240, .width = 930},
}};

constexpr int LabelHeight = 195;

QLine pixels(const LineDesign &line)
{
    return {twipPoint(line.x1, line.y1), twipPoint(line.x2, line.y2)};
}

// "A", "A and B", "A, B and C".
QString spokenList(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.last();
}

// Setting an accessible name or description announces a change; only announce real ones.
void setAccessibleTexts(QWidget *widget, const QString &name, const QString &description)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

} // namespace

TreeDiagram::TreeDiagram(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame2"));
    setBackground(this, Navy);
    setMouseTracking(true);
    setAccessibleName(QStringLiteral("Tree of Life diagram"));

    const auto repaint = [this] {
        describeMarks();
        update();
    };

    for (const LineDesign &design : Paths) {
        auto *path = new DiagramLine(QString::fromLatin1(design.name), pixels(design), PathWidth, PathColor, this);
        connect(path, &DiagramLine::colorChanged, this, repaint);
        m_paths.append(path);
        m_lines.insert(path->objectName(), path);
    }

    for (int i = 0; i < SphereCount; ++i) {
        const SphereDesign &design = Spheres[static_cast<std::size_t>(i)];
        auto *sphere = new DiagramSphere(i, twipRect(design.shape), i == DaatIndex, this);
        connect(sphere, &DiagramSphere::colorChanged, this, repaint);
        m_spheres[static_cast<std::size_t>(i)] = sphere;
    }

    // Labels in the order they stack: path names, then card labels, then the sphere labels on top.
    for (std::size_t i = 0; i < PathNames.size(); ++i) {
        const PathNameDesign &design = PathNames[i];
        auto *connector = new DiagramLine(QString::fromLatin1(Connectors[i].name), pixels(Connectors[i]),
                                          ConnectorWidth, ConnectorColor, this);
        m_connectors.append(connector);
        m_lines.insert(connector->objectName(), connector);

        auto *name = new DisplayLabel({.name = design.label,
                                       .text = QString::fromUtf8(design.caption),
                                       .twips = {design.left, design.top, design.width, LabelHeight},
                                       .underline = true,
                                       .color = Green},
                                      this);
        m_pathNames.insert(QString::fromLatin1(design.path), name);
    }

    for (std::size_t i = 0; i < AllSunSigns.size(); ++i) {
        const QString &tarotCard = sunSignInfo(AllSunSigns[i]).tarotCard;
        const QByteArray name = cardLabelName(AllSunSigns[i]).toLatin1();
        auto *card = new DisplayLabel({.name = name.constData(),
                                       .text = tarotCard,
                                       .twips = {Cards[i].left, Cards[i].top, Cards[i].width, LabelHeight},
                                       .color = White},
                                      this);
        card->setAccessibleName(QStringLiteral("Tarot card: ") + tarotCard);
        card->hide();
        m_cards.insert(card->objectName(), card);
    }

    for (int i = 0; i < SphereCount; ++i) {
        const SphereDesign &design = Spheres[static_cast<std::size_t>(i)];
        auto *sphereLabel = new DiagramSphereLabel(QString::fromLatin1(design.caption), this);
        sphereLabel->setObjectName(QStringLiteral("lblClick_%1").arg(i));
        sphereLabel->setGeometry(twipRect(design.label));
        sphereLabel->setFont(verdana(8.25, true));
        setTextColor(sphereLabel, Cyan);
        sphereLabel->setProperty("index", i);
        sphereLabel->setCursor(Qt::PointingHandCursor);
        sphereLabel->setMouseTracking(true);
        sphereLabel->installEventFilter(this);
        connect(sphereLabel, &DiagramSphereLabel::pressed, this, [this, i] { emit sphereSelected(i); });
        m_sphereLabels[static_cast<std::size_t>(i)] = sphereLabel;
    }
    // Created in the order of the indexes, the labels already follow TabOrder but for Da'at.
    for (std::size_t i = 1; i < TabOrder.size(); ++i)
        setTabOrder(m_sphereLabels[static_cast<std::size_t>(TabOrder[i - 1])],
                    m_sphereLabels[static_cast<std::size_t>(TabOrder[i])]);
    connect(qApp, &QApplication::focusChanged, this, &TreeDiagram::focusChanged);

    describeMarks();
}

DiagramSphere *TreeDiagram::sphere(int index) const
{
    return index >= 0 && index < SphereCount ? m_spheres[static_cast<std::size_t>(index)] : nullptr;
}

DiagramLine *TreeDiagram::line(const QString &name) const
{
    return m_lines.value(name);
}

QLabel *TreeDiagram::sphereLabel(int index) const
{
    return index >= 0 && index < SphereCount ? m_sphereLabels[static_cast<std::size_t>(index)] : nullptr;
}

QLabel *TreeDiagram::cardLabel(const QString &name) const
{
    return m_cards.value(name);
}

void TreeDiagram::setSphereColor(int index, const QColor &color)
{
    if (DiagramSphere *s = sphere(index))
        s->setColor(color);
}

void TreeDiagram::setLineColor(const QString &lineName, const QColor &color)
{
    if (DiagramLine *l = line(lineName))
        l->setColor(color);
}

void TreeDiagram::setCardVisible(const QString &labelName, bool visible)
{
    if (QLabel *card = cardLabel(labelName))
        card->setVisible(visible);
}

QString TreeDiagram::sphereName(int index)
{
    return index >= 0 && index < SphereCount ? SphereNames[static_cast<std::size_t>(index)] : QString();
}

int TreeDiagram::focusedSphere() const
{
    for (int i = 0; i < SphereCount; ++i) {
        if (m_sphereLabels[static_cast<std::size_t>(i)]->hasFocus())
            return i;
    }
    return -1;
}

QRectF TreeDiagram::focusMarkBox(int index) const
{
    const DiagramSphere *s = sphere(index);
    if (!s)
        return {};
    const qreal out = FocusMarkGap + FocusMarkWidth / 2;
    return QRectF(s->geometry()).adjusted(-out, -out, out, out);
}

int TreeDiagram::neighbour(int from, int key) const
{
    if (key == Qt::Key_Home)
        return TabOrder.front();
    if (key == Qt::Key_End)
        return TabOrder.back();

    QPoint forward;
    switch (key) {
    case Qt::Key_Up:
        forward = {0, -1};
        break;
    case Qt::Key_Down:
        forward = {0, 1};
        break;
    case Qt::Key_Left:
        forward = {-1, 0};
        break;
    case Qt::Key_Right:
        forward = {1, 0};
        break;
    default:
        return from;
    }

    // A sphere counts by how far ahead of the centre it lies plus twice how far it lies to the side, so that
    // the sphere straight ahead wins over a nearer one off to the side. Ties go to the first in TabOrder.
    const QPoint origin = sphere(from)->geometry().center();
    int best = from;
    int bestScore = 0;
    for (const int candidate : TabOrder) {
        const QPoint d = sphere(candidate)->geometry().center() - origin;
        const int ahead = QPoint::dotProduct(d, forward);
        const int aside = qAbs(d.x() * forward.y() - d.y() * forward.x());
        if (ahead <= 0)
            continue;
        const int score = ahead + 2 * aside;
        if (best == from || score < bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

void TreeDiagram::focusChanged(QWidget *old, QWidget *now)
{
    const int index = now ? now->property("index").toInt() : -1;
    if (!now || sphereLabel(index) != now)
        return;
    // A sphere is chosen when the user moves the focus to it. The focus that comes back with the window or
    // from a menu is no choice, nor is the focus that falls on a sphere because the control that had it went
    // away (its page of the tab control was switched).
    const bool returning = m_focusReason == Qt::ActiveWindowFocusReason || m_focusReason == Qt::PopupFocusReason
        || m_focusReason == Qt::MenuBarFocusReason;
    if (old && old->isVisible() && !returning)
        emit sphereSelected(index);
}

void TreeDiagram::describeMarks()
{
    QStringList marked;
    for (const int i : TabOrder) {
        const auto index = static_cast<std::size_t>(i);
        const bool mine = m_spheres[index]->color() != SphereColor;
        if (mine)
            marked << SphereNames[index];
        setAccessibleTexts(m_sphereLabels[index],
                           mine ? SphereNames[index] + QStringLiteral(", your sphere") : SphereNames[index],
                           DescriptionCatalogue::instance().SphereText(sephirahAt(i)));
    }
    for (const DiagramLine *path : std::as_const(m_paths)) {
        const bool mine = path->color() != PathColor;
        QLabel *name = m_pathNames.value(path->objectName());
        if (name)
            setAccessibleTexts(name, mine ? name->text() + QStringLiteral(", your path") : QString(), QString());
        if (!mine)
            continue;
        if (name) {
            marked << QStringLiteral("the ") + name->text();
        } else {
            // "ln710": sphere 7 and sphere 10.
            const QString ends = path->objectName().mid(2);
            marked << QStringLiteral("the path between %1 and %2")
                          .arg(sphereName(ends.left(1).toInt() - 1), sphereName(ends.mid(1).toInt() - 1));
        }
    }
    setAccessibleTexts(this, accessibleName(),
                       marked.isEmpty() ? QString() : QStringLiteral("Highlighted: ") + spokenList(marked));
}

// What the canvas paints, as values: a second thread can draw it while the window is still being built.
struct TreeDiagram::Scene
{
    struct Line
    {
        QLineF line;
        QColor color;
        int width;
        friend bool operator==(const Line &, const Line &) = default;
    };
    struct Sphere
    {
        QRectF box;
        QColor color;
        bool dotted;
        friend bool operator==(const Sphere &, const Sphere &) = default;
    };

    QSize size;
    qreal ratio = 1;
    QColor background;
    QList<Line> lines; // connectors, then paths: in the order they stack
    QList<Sphere> spheres;
    QRectF focusMark; // empty when no sphere has the focus

    friend bool operator==(const Scene &, const Scene &) = default;

    void paint(QPainter &painter) const
    {
        painter.setRenderHint(QPainter::Antialiasing);
        for (const Line &l : lines) {
            painter.setPen(QPen(l.color, l.width, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(l.line);
        }
        for (const Sphere &s : spheres) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(s.color);
            painter.drawEllipse(s.box);
            if (s.dotted) {
                painter.setPen(QPen(Cyan, 1, Qt::DotLine));
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(s.box.adjusted(0.5, 0.5, -0.5, -0.5));
            }
        }
        if (!focusMark.isEmpty()) {
            painter.setPen(QPen(Yellow, FocusMarkWidth));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(focusMark);
        }
    }

    // Draws the canvas as the screen shows it, its background and then the drawing, on `image`: a picture of
    // the canvas's size in device pixels.
    void paintPicture(QImage &image) const
    {
        image.setDevicePixelRatio(ratio);
        image.fill(background);
        QPainter painter(&image);
        paint(painter);
    }
};

// The picture of a scene, drawn ahead on a thread of the pool.
struct TreeDiagram::Prepared
{
    Scene scene;
    QImage picture;
};

namespace {

// The pictures of the canvases that went, kept for the next so that their memory is taken once, not for every
// result window: two, since a canvas may go before its picture comes back and the next one then needs another.
QList<QImage> &sparePictures()
{
    static QList<QImage> spares = [] {
        releaseWithApplication([] { sparePictures().clear(); });
        return QList<QImage>();
    }();
    return spares;
}

void keepSpare(const QImage &picture)
{
    if (sparePictures().size() < 2)
        sparePictures().append(picture);
}

} // namespace

TreeDiagram::~TreeDiagram()
{
    if (m_prepared)
        keepSpare(m_prepared->picture);
}

TreeDiagram::Scene TreeDiagram::scene() const
{
    Scene scene;
    scene.size = size();
    scene.ratio = devicePixelRatioF();
    scene.background = palette().color(backgroundRole());
    for (const QList<DiagramLine *> *lines : {&m_connectors, &m_paths}) {
        for (const DiagramLine *l : *lines)
            scene.lines.append({QLineF(l->line()), l->color(), l->width()});
    }
    for (const DiagramSphere *s : m_spheres)
        scene.spheres.append({QRectF(s->geometry()), s->color(), s->hasDottedOutline()});
    if (const int focused = focusedSphere(); focused >= 0)
        scene.focusMark = focusMarkBox(focused);
    return scene;
}

bool TreeDiagram::hasPreparedPicture() const
{
    return m_prepared != nullptr;
}

void TreeDiagram::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window is about to be shown: a thread of the pool draws the canvas while the rest is built and mapped.
    Scene now = scene();
    // A copy lands on whole device pixels only at a whole scale, and on the canvas's own solid background.
    if (now.ratio != std::floor(now.ratio) || now.size.isEmpty() || !autoFillBackground()
        || palette().brush(backgroundRole()).style() != Qt::SolidPattern)
        return;
    if (m_prepared && m_prepared->scene == now)
        return;
    if (!ahead::isOn(ahead::Piece::DiagramPicture))
        return;
    QImage picture = sparePictures().isEmpty() ? QImage() : sparePictures().takeLast();
    if (picture.size() != now.size * int(now.ratio))
        picture = QImage(now.size * int(now.ratio), QImage::Format_RGB32);
    if (picture.isNull())
        return; // short of memory
    // Handed back to the application rather than to the canvas, so that a picture that comes back after its canvas
    // went is kept for the next.
    const QPointer<TreeDiagram> canvas(this);
    ahead::handToPool(ahead::Piece::DiagramPicture, qApp, [canvas, now, picture = std::move(picture)]() mutable {
        now.paintPicture(picture);
        Prepared prepared{std::move(now), std::move(picture)};
        return std::function<void()>([canvas, prepared = std::move(prepared)] {
            if (canvas)
                canvas->m_prepared = std::make_unique<Prepared>(prepared);
            else
                keepSpare(prepared.picture);
        });
    });
}

void TreeDiagram::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const Scene now = scene();
    if (m_prepared && m_prepared->scene == now) {
        painter.drawImage(QPointF(0, 0), m_prepared->picture);
        return;
    }
    m_prepared.reset();
    now.paint(painter);
}

void TreeDiagram::mouseMoveEvent(QMouseEvent *event)
{
    // Moves that a label passed on belong to that label, not to the canvas.
    if (!childAt(event->position().toPoint()))
        emit canvasMouseMove();
    event->accept();
}

bool TreeDiagram::eventFilter(QObject *watched, QEvent *event)
{
    const int index = watched->property("index").toInt();
    if (sphereLabel(index) != watched)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseMove:
        emit sphereMouseMove(index);
        break;
    case QEvent::FocusIn:
        m_focusReason = static_cast<QFocusEvent *>(event)->reason();
        update();
        break;
    case QEvent::FocusOut:
        update();
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            break;
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
            if (const int next = neighbour(index, key->key()); next != index)
                sphereLabel(next)->setFocus(Qt::OtherFocusReason);
            return true; // no sphere that way: the focus stays
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tavrel::ui
