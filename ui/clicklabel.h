// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/textlabel.h"

namespace tavrel::ui {

// A label that opens a web page when clicked: bold, underlined, with a pointing-hand cursor.
class ClickLabel : public TextLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);
    // A white, bold, underlined link of the given size that runs `command` when clicked.
    ClickLabel(const QString &text, const char *name, double points, const QString &description, void (*command)(),
               QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// The promotional link shown on the input form and on the frame, its top left corner at the given twips.
ClickLabel *addBlurb(QWidget *parent, int left, int top);

} // namespace tavrel::ui
