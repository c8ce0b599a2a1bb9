// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QPainter;
class QRectF;

namespace tavrel::ui {

// The program's mark of the keyboard focus: a yellow ring FocusRingWidth wide, edged in navy so that it stands out
// on a light face as well as on the navy panels. It fills a band FocusRingWidth + 2 wide inside `box`.
inline constexpr int FocusRingWidth = 2;
void drawFocusRing(QPainter &painter, const QRectF &box);

// Rings whichever of `controls` has the keyboard focus, on the panel the control stands on, with a pixel of that
// panel between the control and the mark, and moves with the control; hidden while none of them has the focus, so
// that a window looks as designed otherwise.
class FocusRing final : public QWidget
{
    Q_OBJECT

public:
    FocusRing(const QList<QWidget *> &controls, QWidget *parent);

    // How far the ring reaches beyond the control it marks: the yellow ring, and inside it a pixel of navy and one
    // of the panel.
    static constexpr int Reach = FocusRingWidth + 2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *control);

    QPointer<QWidget> m_control; // the one ringed
};

} // namespace tavrel::ui
