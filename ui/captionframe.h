// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <optional>

namespace tavrel::ui {

// A group frame: a thin border with a caption set into its top edge. Painted directly, so that it needs no
// style sheet. The caption has a font of its own; the frame's font is the one its controls inherit.
class CaptionFrame : public QWidget
{
    Q_OBJECT

public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);

    // The frame's own font until one is set.
    QFont captionFont() const { return m_captionFont.value_or(font()); }
    void setCaptionFont(const QFont &font);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    std::optional<QFont> m_captionFont;
};

} // namespace tavrel::ui
