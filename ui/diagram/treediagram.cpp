// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagram/treediagram.h"

#include "reading/catalogue.h"
#include "reading/descriptions.h"
#include "ui/diagram/diagramlabel.h"
#include "ui/diagram/diagramlayout.h"
#include "ui/diagram/diagramnames.h"
#include "ui/display/displaylabel.h"
#include "ui/style.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tavrel::ui {

using namespace diagramlayout;

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

    for (const PathDesign &design : Paths) {
        auto *path =
            new DiagramLine(pathLineName(design.upper, design.lower), pixels(design.ends), PathWidth, PathColor, this);
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
        auto *connector = new DiagramLine(QString::fromLatin1(Connectors[i].name), pixels(Connectors[i].ends),
                                          ConnectorWidth, ConnectorColor, this);
        m_connectors.append(connector);
        m_lines.insert(connector->objectName(), connector);

        auto *name = new DisplayLabel({.name = design.label,
                                       .text = QString::fromUtf8(design.caption),
                                       .twips = {design.left, design.top, design.width, LabelHeight},
                                       .underline = true,
                                       .color = Green},
                                      this);
        m_pathNames.insert(pathLineName(design.path), name);
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
    for (std::size_t i = 0; i < Paths.size(); ++i) {
        const DiagramLine *path = m_paths[static_cast<qsizetype>(i)];
        const bool mine = path->color() != PathColor;
        QLabel *name = m_pathNames.value(path->objectName());
        if (name)
            setAccessibleTexts(name, mine ? name->text() + QStringLiteral(", your path") : QString(), QString());
        if (!mine)
            continue;
        if (name) {
            marked << QStringLiteral("the ") + name->text();
        } else {
            marked << QStringLiteral("the path between %1 and %2")
                          .arg(SphereNames[sephirahIndex(Paths[i].upper)], SphereNames[sephirahIndex(Paths[i].lower)]);
        }
    }
    setAccessibleTexts(this, accessibleName(),
                       marked.isEmpty() ? QString() : QStringLiteral("Highlighted: ") + spokenList(marked));
}

void TreeDiagram::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QList<DiagramLine *> *lines : {&m_connectors, &m_paths}) { // in the order they stack
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
            painter.setPen(QPen(Cyan, 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
    if (const int focused = focusedSphere(); focused >= 0) {
        painter.setPen(QPen(Yellow, FocusMarkWidth));
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
