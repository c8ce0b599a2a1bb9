#include "ui/displaylabel.h"

#include "ui/style.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QStyleOption>
#include <QTextLayout>

#include <cmath>
#include <memory>

namespace tavrel::ui {

namespace {

// The size a label asks for its text. A result window is built afresh for every reading and shows the same
// captions and catalogue values again and again; measuring a text means shaping it, the costliest step of
// building the window, so each font, wrapping and text is measured once. The texts are those of the captions and
// the catalogue, a bounded set.
struct TextKey
{
    QFont font;
    int dpi;
    qreal ratio;
    bool wordWrap;
    int alignment;
    QString text;

    friend bool operator==(const TextKey &, const TextKey &) = default;
    friend size_t qHash(const TextKey &key, size_t seed = 0)
    {
        return qHashMulti(seed, key.font, key.dpi, key.ratio, key.wordWrap, key.alignment, key.text);
    }
};

QSize textSize(const QLabel &label)
{
    static QHash<TextKey, QSize> sizes;
    TextKey key{label.font(),     label.logicalDpiY(),    label.devicePixelRatioF(),
                label.wordWrap(), int(label.alignment()), label.text()};
    auto known = sizes.constFind(key);
    if (known == sizes.cend())
        known = sizes.insert(std::move(key), label.sizeHint());
    return *known;
}

// A text laid out in a box exactly as QPainter::drawText(box, flags, text) lays it out for a left-to-right label
// (lines on whole pixels, cut off below the box), kept for the next paint: drawing it again then only places
// glyphs that are already shaped. A result window is painted afresh for every reading, mostly with texts that
// earlier windows showed.
class LaidOutText
{
public:
    LaidOutText(const QString &text, const QFont &font, const QSizeF &box, int flags)
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

private:
    QTextLayout m_layout;
    qreal m_width = 0;
    qreal m_height = 0;
};

struct LayoutKey
{
    QString text;
    QFont font;
    int dpi;
    QSize box;
    int flags;

    friend bool operator==(const LayoutKey &, const LayoutKey &) = default;
    friend size_t qHash(const LayoutKey &key, size_t seed = 0)
    {
        return qHashMulti(seed, key.text, key.font, key.dpi, key.box, key.flags);
    }
};

const LaidOutText &laidOut(LayoutKey &&key)
{
    static QHash<LayoutKey, std::shared_ptr<const LaidOutText>> texts;
    // Laid-out texts hold fonts, which go before the application object does.
    [[maybe_unused]] static const auto cleared = QObject::connect(qApp, &QObject::destroyed, [] { texts.clear(); });
    if (const auto known = texts.constFind(key); known != texts.cend())
        return **known;
    if (texts.size() >= 1024) // the captions and the catalogue's texts are far fewer
        texts.clear();
    auto text = std::make_shared<const LaidOutText>(key.text, key.font, QSizeF(key.box), key.flags);
    return **texts.insert(std::move(key), std::move(text));
}

// Texts that QPainter::drawText treats specially (tabs, line breaks, several length variants) keep its own
// way.
bool isPlainLine(const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'\x9c' || c.isHighSurrogate()
            || c.direction() == QChar::DirR || c.direction() == QChar::DirAL)
            return false;
    }
    return true;
}

} // namespace

DisplayLabel::DisplayLabel(const LabelDesign &design, QWidget *parent)
    : QLabel(parent)
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

void DisplayLabel::paintEvent(QPaintEvent *event)
{
    // A label of the result window draws as a plain, enabled text label without frame, margin or indent
    // draws: the style's text colour, the text in the label's box. Anything else takes the usual way.
    const QString &caption = text();
    if (caption.isEmpty() || !isEnabled() || frameWidth() != 0 || margin() != 0 || indent() > 0
        || !isPlainLine(caption)) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
    const QRect box = contentsRect();
    const int flags = int(QStyle::visualAlignment(Qt::LeftToRight, alignment())) | (wordWrap() ? Qt::TextWordWrap : 0);
    laidOut({caption, painter.font(), logicalDpiY(), box.size(), flags}).draw(painter, box, flags);
}

} // namespace tavrel::ui
