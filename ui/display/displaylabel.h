// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/textlabel.h"

#include <QColor>
#include <QRect>

namespace tavrel::ui {

// How a label of the result window is laid out and drawn. Positions are in twips; a zero width or height
// means "as wide (high) as the text".
struct LabelDesign
{
    const char *name = "";
    QString text{};
    QRect twips{};
    double points = 8.25;
    bool underline = false;
    QColor color{};
    Qt::Alignment alignment = Qt::AlignLeft;
    bool sizedToText = true; // grows to fit its text, never shrinks below its design box
    bool wordWrap = false;
};

// A bold, transparent label of the result window. A label sized to its text grows around the edge its
// alignment keeps fixed: the left edge of a left-aligned label, the right edge of a right-aligned one, the
// centre of a centred one. A fixed label keeps its box and cuts off what does not fit.
//
// A value label can carry the caption it belongs to: assistive tools then read it as "caption: value", and
// as "caption: none" while the value is blank.
class DisplayLabel : public TextLabel
{
    Q_OBJECT

public:
    DisplayLabel(const LabelDesign &design, QWidget *parent);

    // Sets the caption and fits the label to it.
    void setCaption(const QString &text);

    // The caption read before the value; empty: the label is read as its text.
    void setAccessibleCaption(const QString &caption);

private:
    void fit();
    void updateAccessibleName();

    QRect m_design;
    bool m_sizedToText;
    QString m_accessibleCaption;
};

} // namespace tavrel::ui
