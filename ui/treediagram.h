#pragma once

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

// A sphere of the Tree: an ellipse filling its box, filled with its back colour. Painted by the canvas.
class DiagramSphere : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int index READ index CONSTANT)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(QRect geometry READ geometry CONSTANT)
    Q_PROPERTY(bool dottedOutline READ hasDottedOutline CONSTANT)

public:
    DiagramSphere(int index, const QRect &geometry, bool dottedOutline, QObject *parent);

    int index() const { return m_index; }
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QRect geometry() const { return m_geometry; }
    bool hasDottedOutline() const { return m_dottedOutline; }

signals:
    void colorChanged(const QColor &color);

private:
    int m_index;
    QRect m_geometry;
    bool m_dottedOutline;
    QColor m_color;
};

// A path of the Tree or a connector from a path to its name: a straight line in its border colour.
// Painted by the canvas; it takes no mouse input.
class DiagramLine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(QLine line READ line CONSTANT)
    Q_PROPERTY(int width READ width CONSTANT)

public:
    DiagramLine(const QString &name, const QLine &line, int width, const QColor &color, QObject *parent);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QLine line() const { return m_line; }
    int width() const { return m_width; }

signals:
    void colorChanged(const QColor &color);

private:
    QLine m_line;
    int m_width;
    QColor m_color;
};

// The diagram canvas "Frame2": the eleven spheres, the 22 paths, the names of the twelve paths of the signs
// with their connectors, the twelve tarot-card labels (hidden until a reading shows one) and, on top, the
// sphere labels that carry the captions and receive the mouse.
class TreeDiagram : public QWidget
{
    Q_OBJECT

public:
    static constexpr int SphereCount = 11;

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

    static QColor defaultSphereColor();
    static QColor defaultPathColor();

signals:
    // The mouse moved over the label of sphere `index`.
    void sphereMouseMove(int index);
    // The mouse moved over the canvas itself: between the spheres and labels, or over a line.
    void canvasMouseMove();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<DiagramSphere *, SphereCount> m_spheres{};
    std::array<QLabel *, SphereCount> m_sphereLabels{};
    QList<DiagramLine *> m_paths;
    QList<DiagramLine *> m_connectors;
    QHash<QString, DiagramLine *> m_lines;
    QHash<QString, QLabel *> m_cards;
};

} // namespace tavrel::ui
