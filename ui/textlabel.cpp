// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/textlabel.h"

#include "ui/keptcache.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QStyleOption>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>
#include <memory>

namespace tavrel::ui {

namespace {

// A text laid out in a box exactly as QPainter::drawText(box, flags, text) lays it out for a left-to-right label
// (lines on whole pixels, cut off below the box), kept for the next paint: drawing it again then only places
// glyphs that are already shaped. A result window is painted afresh for every reading, mostly with texts that
// earlier windows showed.
class LaidOutText
{
public:
    LaidOutText(const QString &text, const QFont &font, QSizeF box, int flags)
        : m_layout(text, font)
    {
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        option.setAlignment(Qt::AlignLeft); // the lines are placed below
        m_layout.setTextOption(option);
        m_layout.setCacheEnabled(true);
        const bool wrap = flags & Qt::TextWordWrap;
        const qreal lineWidth = wrap ? qMax<qreal>(0, box.width()) : 0x01000000;
        const qreal leading = QFontMetricsF(font).leading();
        m_height = -leading;
        m_layout.beginLayout();
        for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
            line.setLineWidth(lineWidth);
            m_height = std::ceil(m_height + leading);
            line.setPosition(QPointF(0, m_height));
            m_height += line.ascent() + line.descent();
            m_width = qMax(m_width, line.naturalTextWidth());
            if (m_height >= box.height())
                break;
        }
        m_layout.endLayout();
    }

    void draw(QPainter &painter, const QRectF &box, int flags) const
    {
        qreal y = 0;
        if (flags & Qt::AlignBottom)
            y = box.height() - m_height;
        else if (flags & Qt::AlignVCenter)
            y = (box.height() - m_height) / 2;
        qreal x = 0;
        if (flags & Qt::AlignRight)
            x = box.width() - m_width;
        else if (flags & Qt::AlignHCenter)
            x = (box.width() - m_width) / 2;
        const bool clip = !box.contains(QRectF(box.x() + x, box.y() + y, m_width, m_height));
        if (clip) {
            painter.save();
            painter.setClipRect(box, Qt::IntersectClip);
        }
        for (int i = 0; i < m_layout.lineCount(); ++i) {
            const QTextLine line = m_layout.lineAt(i);
            const qreal advance = line.horizontalAdvance();
            x = 0;
            if (flags & Qt::AlignRight)
                x = box.width() - advance;
            else if (flags & Qt::AlignHCenter)
                x = (box.width() - advance) / 2;
            line.draw(&painter, QPointF(box.x() + x, box.y() + y));
        }
        if (clip)
            painter.restore();
    }

    // Draws the first line with the start of its base line at `baseline`.
    void drawLine(QPainter &painter, QPointF baseline) const
    {
        if (m_layout.lineCount() == 0)
            return;
        const QTextLine line = m_layout.lineAt(0);
        line.draw(&painter, QPointF(baseline.x(), baseline.y() - line.ascent()));
    }

private:
    QTextLayout m_layout;
    qreal m_width = 0;
    qreal m_height = 0;
};

const LaidOutText &laidOut(const TextKey &key)
{
    // The captions and the catalogue's texts are far fewer.
    static KeptCache<TextKey, std::shared_ptr<const LaidOutText>> texts(1024);
    return *texts.get(
        key, [&key] { return std::make_shared<const LaidOutText>(key.text, key.font, QSizeF(key.box), key.flags); });
}

// Texts that QPainter::drawText treats specially (tabs, line breaks, several length variants, right-to-left
// scripts) keep its own way.
bool isPlainLine(const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'\x9c' || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator || c.isHighSurrogate() || c.direction() == QChar::DirR
            || c.direction() == QChar::DirAL)
            return false;
    }
    return true;
}

// What drawKeptText lays out itself; anything else is left to QPainter::drawText.
constexpr int KeptFlags =
    Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask | Qt::TextWordWrap | Qt::TextForceLeftToRight;

} // namespace

void drawKeptText(QPainter &painter, QRect box, int flags, const QString &text)
{
    const bool leftToRight = (flags & Qt::TextForceLeftToRight)
        || (!(flags & Qt::TextForceRightToLeft) && painter.layoutDirection() == Qt::LeftToRight);
    if (text.isEmpty() || (flags & ~KeptFlags) || (flags & Qt::AlignJustify) || !leftToRight || !isPlainLine(text)
        || !painter.device()) {
        painter.drawText(box, flags, text);
        return;
    }
    const int kept = int(QStyle::visualAlignment(Qt::LeftToRight, Qt::Alignment(flags))) | (flags & Qt::TextWordWrap);
    laidOut({.text = text,
             .font = painter.font(),
             .dpi = painter.device()->logicalDpiY(),
             .box = box.size(),
             .flags = kept})
        .draw(painter, box, kept);
}

void drawKeptLine(QPainter &painter, QPointF baseline, const QString &text)
{
    if (text.isEmpty() || painter.layoutDirection() != Qt::LeftToRight || !isPlainLine(text) || !painter.device()) {
        painter.drawText(baseline, text);
        return;
    }
    // One line, never wrapped nor cut off.
    laidOut({.text = text,
             .font = painter.font(),
             .dpi = painter.device()->logicalDpiY(),
             .box = QSize(0, QWIDGETSIZE_MAX),
             .flags = Qt::AlignLeft})
        .drawLine(painter, baseline);
}

TextLabel::TextLabel(QWidget *parent)
    : QLabel(parent)
{ }

TextLabel::TextLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{ }

void TextLabel::paintEvent(QPaintEvent *event)
{
    // What QLabel draws for a plain text: the text in the style's colour for the label's role, in its contents.
    const QString &caption = text();
    const bool plain = textFormat() == Qt::PlainText || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(caption));
    const bool selectable = textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (caption.isEmpty() || !plain || selectable || !isEnabled() || frameWidth() != 0 || margin() != 0 || indent() > 0
        || buddy() || testAttribute(Qt::WA_StyleSheet)) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextForceLeftToRight;
    drawKeptText(painter, contentsRect(), flags, caption);
}

} // namespace tavrel::ui
