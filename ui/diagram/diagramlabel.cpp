// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagram/diagramlabel.h"

#include "ui/keptcache.h"
#include "ui/textlabel.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>

namespace tavrel::ui {

namespace {

// A sphere for assistive tools: a button whose name and description are the label's accessible name and
// description, pressed like the label itself.
class DiagramSphereAccessible : public QAccessibleWidget
{
public:
    explicit DiagramSphereAccessible(DiagramSphereLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    { }

    // Every sphere can take the focus, though only one of them is the diagram's Tab stop.
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<DiagramSphereLabel *>(widget())->press();
        else if (actionName == setFocusAction())
            widget()->setFocus(Qt::OtherFocusReason);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        return state;
    }

    QStringList keyBindingsForAction(const QString &actionName) const override
    {
        if (actionName == pressAction())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }
};

QAccessibleInterface *sphereAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(DiagramSphereLabel::staticMetaObject.className()) && object->isWidgetType())
        return new DiagramSphereAccessible(static_cast<DiagramSphereLabel *>(object));
    return nullptr;
}

} // namespace

DiagramSphereLabel::DiagramSphereLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(&sphereAccessible);
        return true;
    }();

    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    setFocusPolicy(Qt::TabFocus);
}

QStringList DiagramSphereLabel::wrapCaption(const QString &caption, const QFontMetricsF &metrics, qreal width)
{
    const auto blank = [](QChar c) { return c == QLatin1Char(' '); };
    QStringList lines;
    QString line;
    qsizetype i = 0;
    while (i < caption.size() && blank(caption[i]))
        line += caption[i++];
    while (i < caption.size()) {
        QString gap;
        while (i < caption.size() && blank(caption[i]))
            gap += caption[i++];
        QString word;
        while (i < caption.size() && !blank(caption[i]))
            word += caption[i++];
        if (word.isEmpty())
            break; // trailing blanks
        const QString candidate = line + gap + word;
        // A line must fit with room to spare: " 7 Netzach" is as wide as its label to a fraction of a pixel, and
        // platforms round glyph advances differently.
        if (line.isEmpty() || metrics.horizontalAdvance(candidate) < width) {
            line = candidate;
        } else {
            lines.append(line);
            line = word;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

void DiagramSphereLabel::press()
{
    emit pressed();
}

namespace {

struct CaptionLine
{
    QString text;
    QPointF baseline;
};

// The lines of a caption, each centred, one below the other. Worked out once for each caption, font and width:
// every new diagram shows the same eleven captions.
const QList<CaptionLine> &captionLines(const QString &caption, const QFont &font, int width)
{
    static KeptCache<TextKey, QList<CaptionLine>> known(256);
    return known.get({.text = caption, .font = font, .box = QSize(width, 0)}, [&] {
        const QFontMetricsF metrics(font);
        QList<CaptionLine> lines;
        qreal top = 0;
        for (const QString &line : DiagramSphereLabel::wrapCaption(caption, metrics, width)) {
            const qreal left = (width - metrics.horizontalAdvance(line)) / 2;
            lines.append({line, QPointF(left, top + metrics.ascent())});
            top += metrics.lineSpacing();
        }
        return lines;
    });
}

} // namespace

void DiagramSphereLabel::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    for (const CaptionLine &line : captionLines(text(), font(), width()))
        drawKeptLine(painter, line.baseline, line.text);
}

void DiagramSphereLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select)) {
        press();
        event->accept();
        return;
    }
    event->ignore();
}

// QLabel's own handlers are passed over on purpose: they would make the caption a text control.
void DiagramSphereLabel::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

void DiagramSphereLabel::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

} // namespace tavrel::ui
