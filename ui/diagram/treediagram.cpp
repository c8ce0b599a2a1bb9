// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagram/treediagram.h"

#include "reading/catalogue.h"
#include "reading/descriptions.h"
#include "ui/aheadoftime.h"
#include "ui/diagram/diagramlabel.h"
#include "ui/diagram/diagramnames.h"
#include "ui/diagram/diagramscene.h"
#include "ui/display/displaylabel.h"
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

using namespace diagramdesign;

namespace {

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
    makeTabStop(TreeOrder.front());
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
        return TreeOrder.front();
    if (key == Qt::Key_End)
        return TreeOrder.back();

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
    // the sphere straight ahead wins over a nearer one off to the side. Ties go to the first in TreeOrder.
    const QPoint origin = sphere(from)->geometry().center();
    int best = from;
    int bestScore = 0;
    for (const int candidate : TreeOrder) {
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

void TreeDiagram::makeTabStop(int index)
{
    // Tab passes over the labels without a Tab focus; assistive tools still find every sphere focusable.
    for (int i = 0; i < SphereCount; ++i)
        m_sphereLabels[static_cast<std::size_t>(i)]->setFocusPolicy(i == index ? Qt::TabFocus : Qt::NoFocus);
}

void TreeDiagram::describeMarks()
{
    QStringList marked;
    for (const int i : TreeOrder) {
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
                          .arg(sphereName(QStringView(ends).left(1).toInt() - 1),
                               sphereName(QStringView(ends).mid(1).toInt() - 1));
        }
    }
    setAccessibleTexts(this, accessibleName(),
                       marked.isEmpty() ? QString() : QStringLiteral("Highlighted: ") + spokenList(marked));
}

// The picture of a scene, drawn ahead on a thread of the pool.
struct TreeDiagram::Prepared
{
    DiagramScene scene;
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

DiagramScene TreeDiagram::scene() const
{
    DiagramScene scene;
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
    DiagramScene now = scene();
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
    const DiagramScene now = scene();
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
        makeTabStop(index);
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
