// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>

class QFontMetricsF;

namespace tavrel::ui {

// The caption of a sphere: centred lines, broken at blanks the way the captions were laid out, so that a
// run of blanks that does not fit ends a line of its own. "   1   Keter" reads "1" over "Keter", and
// "         Daat" leaves its first line empty and puts "Daat" on the second.
//
// The keyboard reaches it (the mouse never gives it the focus): with Tab while it is the diagram's Tab stop, with
// the arrow keys otherwise; Space and Enter press it.
// Assistive tools see a button named after the sphere that they can press too.
class DiagramSphereLabel : public QLabel
{
    Q_OBJECT

public:
    DiagramSphereLabel(const QString &caption, QWidget *parent);

    // The lines of a caption laid out in the given width: a line keeps adding words, with the blanks before
    // them, while they fit; the blanks at a break are dropped. A word wider than the line stands alone.
    static QStringList wrapCaption(const QString &caption, const QFontMetricsF &metrics, qreal width);

    // What Space, Enter and the accessible press action do.
    void press();

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // The caption is not text to select: the focus only marks the sphere (the canvas draws the mark).
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace tavrel::ui
