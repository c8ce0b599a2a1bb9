// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/displaylabel.h"

#include "ui/keptcache.h"
#include "ui/style.h"
#include "ui/twips.h"

#include <QHash>

namespace tavrel::ui {

namespace {

// The size a label asks for its text. A result window is built afresh for every reading and shows the same
// captions and catalogue values again and again; measuring a text means shaping it, the costliest step of
// building the window, so each font, wrapping and text is measured once. The texts are those of the captions and
// the catalogue, a bounded set.
QSize textSize(const QLabel &label)
{
    static KeptCache<TextKey, QSize> sizes(1024);
    return sizes.get({.text = label.text(),
                      .font = label.font(),
                      .dpi = label.logicalDpiY(),
                      .ratio = label.devicePixelRatioF(),
                      .flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0)},
                     [&label] { return label.sizeHint(); });
}

} // namespace

DisplayLabel::DisplayLabel(const LabelDesign &design, QWidget *parent)
    : TextLabel(parent)
    , m_design(twipRect(design.twips.x(), design.twips.y(), design.twips.width(), design.twips.height()))
    , m_sizedToText(design.sizedToText)
{
    setObjectName(QString::fromLatin1(design.name));
    setTextFormat(Qt::PlainText);
    setFont(verdana(design.points, true, design.underline));
    setTextColor(this, design.color);
    setWordWrap(design.wordWrap);
    const Qt::Alignment horizontal = design.alignment & Qt::AlignHorizontal_Mask;
    setAlignment((horizontal ? horizontal : Qt::AlignLeft) | Qt::AlignTop);
    setCaption(design.text);
}

void DisplayLabel::setCaption(const QString &text)
{
    setText(text);
    fit();
    updateAccessibleName();
}

void DisplayLabel::setAccessibleCaption(const QString &caption)
{
    m_accessibleCaption = caption;
    updateAccessibleName();
}

void DisplayLabel::updateAccessibleName()
{
    if (m_accessibleCaption.isEmpty())
        return;
    const QString value = text().trimmed();
    const QString name =
        m_accessibleCaption + QStringLiteral(": ") + (value.isEmpty() ? QStringLiteral("none") : value);
    if (name != accessibleName())
        setAccessibleName(name);
}

void DisplayLabel::fit()
{
    if (!m_sizedToText) {
        setGeometry(m_design);
        return;
    }
    const QSize size = textSize(*this);
    const int width = qMax(m_design.width(), size.width());
    const int height = qMax(m_design.height(), size.height());
    int left = m_design.left();
    if (alignment() & Qt::AlignRight)
        left = m_design.left() + m_design.width() - width;
    else if (alignment() & Qt::AlignHCenter)
        left = m_design.left() + (m_design.width() - width) / 2;
    setGeometry(left, m_design.top(), width, height);
}

} // namespace tavrel::ui
