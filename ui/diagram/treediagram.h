// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/diagram/diagramlayout.h"
#include "ui/diagram/diagramline.h"
#include "ui/diagram/diagramsphere.h"

#include <QColor>
#include <QHash>
#include <QLine>
#include <QList>
#include <QObject>
#include <QRect>
#include <QWidget>

#include <array>

class QLabel;

namespace tavrel::ui {

class DisplayLabel;

// The diagram canvas "Frame2": the eleven spheres, the 22 paths, the names of the twelve paths of the signs
// with their connectors, the twelve tarot-card labels (hidden until a reading shows one) and, on top, the
// sphere labels that carry the captions and receive the mouse.
//
// The keyboard: the diagram is one Tab stop, as a list is. Tab gives the focus to the sphere that last had it
// (Keter at first), and the next Tab leaves the diagram. Once a sphere has the focus, the arrow keys move it
// to the nearest sphere in their direction, Home and End to Keter and Malkhuth (see TreeOrder). The sphere
// with the focus is ringed. The mouse never moves the focus.
//
// Assistive tools read each sphere by its name, with ", your sphere" while a reading marks it, and its
// paragraph as description; the canvas names the marked spheres and path in its description.
class TreeDiagram : public QWidget
{
    Q_OBJECT

public:
    static constexpr int SphereCount = diagramlayout::SphereCount;
    // Sphere indexes in the order of the Tree: the ten Sephiroth by their numbers, Da'at where it stands, below
    // Chokmah and Binah. Home and End go to the first and the last.
    static constexpr std::array<int, SphereCount> TreeOrder{0, 1, 2, 10, 3, 4, 5, 6, 7, 8, 9};

    explicit TreeDiagram(QWidget *parent = nullptr);

    DiagramSphere *sphere(int index) const;
    // A path ("ln12" ... "ln910") or a connector ("Line1" ... "Line12"); nullptr for any other name.
    DiagramLine *line(const QString &name) const;
    QLabel *sphereLabel(int index) const;
    // A tarot-card label ("lblAries" ... "lblPisces"); nullptr for any other name.
    QLabel *cardLabel(const QString &name) const;

    // The writers of a reading. Unknown indexes and names are ignored.
    void setSphereColor(int index, const QColor &color);
    void setLineColor(const QString &lineName, const QColor &color);
    void setCardVisible(const QString &labelName, bool visible);

    // The name of sphere `index` as the explanation shows it ("Keter" ... "Malkhuth", "Daat").
    static QString sphereName(int index);
    // The sphere whose label has the keyboard focus, -1 for none.
    int focusedSphere() const;

signals:
    // The mouse moved over the label of sphere `index`.
    void sphereMouseMove(int index);
    // The mouse moved over the canvas itself: between the spheres and labels, or over a line.
    void canvasMouseMove();
    // The keyboard chose sphere `index`: Tab or an arrow key brought the focus to it, or it was pressed.
    void sphereSelected(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The box of the ring drawn around a sphere with the focus, in canvas pixels; the pen runs along it.
    QRectF focusMarkBox(int index) const;
    // The sphere that an arrow key leads to from sphere `from`; `from` itself when none lies that way.
    int neighbour(int from, int key) const;
    void focusChanged(QWidget *old, QWidget *now);
    // Makes the label of sphere `index` the diagram's one Tab stop.
    void makeTabStop(int index);
    // Accessible names and descriptions that follow the colours: which spheres and path a reading marks.
    void describeMarks();

    std::array<DiagramSphere *, SphereCount> m_spheres{};
    std::array<QLabel *, SphereCount> m_sphereLabels{};
    QList<DiagramLine *> m_paths;
    QList<DiagramLine *> m_connectors;
    QHash<QString, DiagramLine *> m_lines;
    QHash<QString, QLabel *> m_cards;
    QHash<QString, QLabel *> m_pathNames; // by the path they name
    Qt::FocusReason m_focusReason = Qt::OtherFocusReason; // of the last sphere that took the focus
};

} // namespace tavrel::ui
