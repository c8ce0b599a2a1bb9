// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class QPainter;

namespace tavrel::ui {

// Draws `text` in `box` with the painter's font and pen exactly as QPainter::drawText(box, flags, text) draws it,
// and keeps the laid-out text for the next call with the same text, font, box and flags: drawing it again then
// only places glyphs that are already shaped. The windows are built afresh for every reading and show the same
// captions and catalogue texts again and again.
void drawKeptText(QPainter &painter, QRect box, int flags, const QString &text);

// Draws `text` as one line, its base line starting at `baseline`, exactly as QPainter::drawText(baseline, text)
// draws it, and keeps the laid-out line as drawKeptText does.
void drawKeptLine(QPainter &painter, QPointF baseline, const QString &text);

// A label whose plain text is drawn with drawKeptText: as a plain label draws it, without shaping it anew at
// every paint. Rich text, selectable text, frames, margins, indents, shortcuts, style sheets and disabled labels
// take the usual way.
class TextLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TextLabel(QWidget *parent = nullptr);
    explicit TextLabel(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tavrel::ui
