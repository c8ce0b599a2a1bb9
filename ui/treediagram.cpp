#include "ui/treediagram.h"

#include "reading/catalogue.h"
#include "reading/descriptions.h"
#include "ui/diagramlabel.h"
#include "ui/displaylabel.h"
#include "ui/style.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tavrel::ui {

namespace {

const QColor CanvasColor = rgb(0, 0, 64);
const QColor SphereColor = rgb(64, 64, 64);
const QColor PathColor = rgb(64, 64, 64);
const QColor DaatOutlineColor = rgb(0, 255, 255);
const QColor SphereCaptionColor = rgb(0, 255, 255);
const QColor PathNameColor = rgb(0, 255, 0);
const QColor ConnectorColor = rgb(139, 193, 119);
const QColor CardColor = rgb(255, 255, 255);
const QColor FocusMarkColor = rgb(255, 255, 0);
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
    {"   1   Keter", {1560, 120, 735, 615}, {1560, 120, 735, 615}},
    {" 2 Chokmah", {2640, 1080, 975, 615}, {2760, 1080, 735, 615}},
    {"     3     Binah", {360, 1080, 735, 615}, {360, 1080, 735, 615}},
    {" 4 Chesed", {2760, 2520, 735, 615}, {2760, 2520, 735, 615}},
    {"5 Gevurah", {240, 2520, 855, 615}, {360, 2520, 735, 615}},
    {"6 Tiphereth", {1440, 3600, 975, 615}, {1560, 3600, 735, 615}},
    {" 7 Netzach", {2640, 4560, 975, 615}, {2760, 4560, 735, 615}},
    {"    8    Hod", {360, 4560, 735, 615}, {360, 4560, 735, 615}},
    {" 9  Yesod", {1560, 5520, 735, 615}, {1560, 5520, 735, 615}},
    {" 10 Malkhuth", {1440, 6600, 945, 615}, {1560, 6600, 735, 615}},
    {"         Daat", {1560, 1560, 735, 615}, {1560, 1560, 735, 615}},
}};

struct LineDesign
{
    const char *name;
    int x1, y1, x2, y2; // twips
};

// The 22 paths, named by the numbers of the two spheres they join, lower first.
constexpr std::array<LineDesign, 22> Paths{{
    {"ln12", 2160, 600, 3000, 1080},   {"ln13", 1800, 480, 720, 1200},    {"ln16", 1920, 720, 1920, 3600},
    {"ln23", 960, 1440, 2760, 1440},   {"ln24", 3240, 1680, 3240, 2640},  {"ln26", 3000, 1560, 1920, 3840},
    {"ln35", 600, 1560, 600, 2640},    {"ln36", 840, 1560, 1800, 3600},   {"ln45", 960, 2760, 2760, 2760},
    {"ln46", 2880, 2880, 2040, 3720},  {"ln47", 3240, 3120, 3240, 4680},  {"ln56", 960, 2880, 1800, 3720},
    {"ln58", 600, 3000, 600, 4680},    {"ln67", 2160, 4080, 2880, 4800},  {"ln68", 1680, 4080, 960, 4800},
    {"ln69", 1920, 4200, 1920, 5520},  {"ln78", 1080, 4800, 2880, 4800},  {"ln79", 2880, 5040, 2160, 5640},
    {"ln89", 960, 5040, 1680, 5760},   {"ln710", 3120, 5040, 2160, 6720}, {"ln810", 720, 5040, 1680, 6720},
    {"ln910", 1920, 6120, 1920, 6600},
}};

struct PathNameDesign
{
    const char *label;
    const char *caption;
    int left, top, width; // twips
    const char *path; // the path it names
    LineDesign connector;
};

// The names of the twelve paths of the signs, each tied to its path by a connector.
const std::array<PathNameDesign, 12> PathNames{{
    {"Label11", "Path of Zain", 2880, 360, 1170, "ln36", {"Line3", 1080, 2040, 2760, 600}},
    {"Label10", "Path of H\u00e9", 3720, 1680, 1005, "ln26", {"Line1", 2880, 1800, 3600, 1800}},
    {"Label12", "Path of Cheth", 3720, 2160, 1305, "ln35", {"Line4", 600, 2280, 3600, 2280}},
    {"Label13", "Path of Vau", 3720, 2400, 1110, "ln24", {"Line2", 3240, 2520, 3600, 2520}},
    {"Label15", "Path of Yod", 3720, 3240, 1110, "ln46", {"Line7", 2400, 3360, 3600, 3360}},
    {"Label16", "Path of Lamed", 3720, 3480, 1395, "ln56", {"Line6", 1680, 3600, 3600, 3600}},
    {"Label21", "Path of Teth", 3720, 3720, 1185, "ln45", {"Line12", 1560, 2760, 3600, 3840}},
    {"Label18", "Path of Ayin", 3720, 4080, 1185, "ln68", {"Line5", 1560, 4200, 3600, 4200}},
    {"Label17", "Path of Nun", 3720, 4440, 1125, "ln67", {"Line8", 2640, 4560, 3600, 4560}},
    {"Label20", "Path of Samekh", 3720, 5160, 1530, "ln69", {"Line10", 1920, 5280, 3600, 5280}},
    {"Label14", "Path of Tzaddi", 3720, 5400, 1395, "ln79", {"Line9", 2280, 5520, 3600, 5520}},
    {"Label22", "Path of Qoph", 3720, 6000, 1245, "ln710", {"Line11", 2520, 6120, 3600, 6120}},
}};

struct CardDesign
{
    int left, top, width; // twips
};

// Where the tarot card of each sign is named, in the order of the signs (Aries first).
constexpr std::array<CardDesign, SunSignCount> Cards{{
    {2040, 2280, 1260},
    {2880, 1920, 1500},
    {720, 2280, 1080},
    {0, 2040, 1125},
    {1800, 2640, 840},
    {2280, 3120, 1080},
    {960, 3120, 675},
    {2160, 4320, 570},
    {1320, 5040, 1215},
    {840, 4320, 915},
    {2040, 5280, 825},
    {2040, 6240, 930},
}};

constexpr int LabelHeight = 195;

QRect pixels(const QRect &twips)
{
    return twipRect(twips.x(), twips.y(), twips.width(), twips.height());
}

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

DiagramSphere::DiagramSphere(int index, const QRect &geometry, bool dottedOutline, QObject *parent)
    : QObject(parent)
    , m_index(index)
    , m_geometry(geometry)
    , m_dottedOutline(dottedOutline)
    , m_color(SphereColor)
{
    setObjectName(QStringLiteral("ShpCircle_%1").arg(index));
}

void DiagramSphere::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit colorChanged(color);
}

DiagramLine::DiagramLine(const QString &name, const QLine &line, int width, const QColor &color, QObject *parent)
    : QObject(parent)
    , m_line(line)
    , m_width(width)
    , m_color(color)
{
    setObjectName(name);
}

void DiagramLine::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit colorChanged(color);
}

TreeDiagram::TreeDiagram(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame2"));
    setBackground(this, CanvasColor);
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
        auto *sphere = new DiagramSphere(i, pixels(design.shape), i == DaatIndex, this);
        connect(sphere, &DiagramSphere::colorChanged, this, repaint);
        m_spheres[static_cast<std::size_t>(i)] = sphere;
    }

    // Labels in the order they stack: path names, then card labels, then the sphere labels on top.
    for (const PathNameDesign &design : PathNames) {
        auto *connector = new DiagramLine(QString::fromLatin1(design.connector.name), pixels(design.connector),
                                          ConnectorWidth, ConnectorColor, this);
        m_connectors.append(connector);
        m_lines.insert(connector->objectName(), connector);

        LabelDesign label;
        label.name = design.label;
        label.text = QString::fromUtf8(design.caption);
        label.twips = {design.left, design.top, design.width, LabelHeight};
        label.underline = true;
        label.color = PathNameColor;
        m_pathNames.insert(QString::fromLatin1(design.path), new DisplayLabel(label, this));
    }

    for (std::size_t i = 0; i < AllSunSigns.size(); ++i) {
        const SunSignInfo &sign = sunSignInfo(AllSunSigns[i]);
        const QByteArray name = sign.cardLabel.toLatin1();
        LabelDesign design;
        design.name = name.constData();
        design.text = sign.cardCaption;
        design.twips = {Cards[i].left, Cards[i].top, Cards[i].width, LabelHeight};
        design.color = CardColor;
        auto *card = new DisplayLabel(design, this);
        card->setAccessibleName(QStringLiteral("Tarot card: ") + sign.cardCaption);
        card->hide();
        m_cards.insert(card->objectName(), card);
    }

    for (int i = 0; i < SphereCount; ++i) {
        const SphereDesign &design = Spheres[static_cast<std::size_t>(i)];
        auto *sphereLabel = new DiagramSphereLabel(QString::fromLatin1(design.caption), this);
        sphereLabel->setObjectName(QStringLiteral("lblClick_%1").arg(i));
        sphereLabel->setGeometry(pixels(design.label));
        sphereLabel->setFont(verdana(8.25, true));
        setTextColor(sphereLabel, SphereCaptionColor);
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

QColor TreeDiagram::defaultSphereColor()
{
    return SphereColor;
}

QColor TreeDiagram::defaultPathColor()
{
    return PathColor;
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
                           DescriptionCatalogue::instance().SphereText(sephirahAtDiagramIndex(i)));
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

void TreeDiagram::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // Connectors under the paths they start on, paths under the spheres they join.
    for (const QList<DiagramLine *> *lines : {&m_connectors, &m_paths}) {
        for (const DiagramLine *l : *lines) {
            painter.setPen(QPen(l->color(), l->width(), Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QLineF(l->line()));
        }
    }

    for (const DiagramSphere *s : m_spheres) {
        const QRectF box(s->geometry());
        painter.setPen(Qt::NoPen);
        painter.setBrush(s->color());
        painter.drawEllipse(box);
        if (s->hasDottedOutline()) {
            painter.setPen(QPen(DaatOutlineColor, 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }

    if (const int focused = focusedSphere(); focused >= 0) {
        painter.setPen(QPen(FocusMarkColor, FocusMarkWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(focusMarkBox(focused));
    }
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
