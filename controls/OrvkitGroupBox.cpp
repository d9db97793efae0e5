#include <orvkit/controls/OrvkitGroupBox.h>

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>

namespace orv {

namespace {

bool IsControlInside(const QWidget* widget, const QWidget* container)
{
    return widget && (widget == container || container->isAncestorOf(widget));
}

} // namespace

TOrvGroupBox::TOrvGroupBox(QWidget* parent)
    : TOrvItemControlBase(std::make_unique<TOrvGroupColorSet>(), parent), fCaptionFont(font())
{
    resize(200, 100);
    SetAlignCaption(eacCaptionLeft);
    UpdateClientMargins();
    fFocusWatch = connect(qApp, &QApplication::focusChanged, this, &TOrvGroupBox::FocusChanged);
}

TOrvGroupBox::~TOrvGroupBox()
{
    disconnect(fFocusWatch);
}

void TOrvGroupBox::SetCaptionFont(const QFont& value)
{
    // The control's font no longer follows its parent.
    QFont own = font();
    own.setResolveMask(QFont::AllPropertiesResolved);
    setFont(own);
    if (value == fCaptionFont)
        return;
    fCaptionFont = value;
    Invalidate();
}

void TOrvGroupBox::SetCaptionMargin(int value)
{
    value = ClampCoordinate(value);
    if (value == fCaptionMargin)
        return;
    fCaptionMargin = value;
    Invalidate();
}

void TOrvGroupBox::FontChanged()
{
    if (ParentFont())
        fCaptionFont = font();
    UpdateClientMargins();
    TOrvItemControlBase::FontChanged();
}

void TOrvGroupBox::UpdateClientMargins()
{
    const int top = QFontMetrics(font()).height();
    setContentsMargins(2, top + 2, 2, 2);
}

QWidget* TOrvGroupBox::FocusTarget() const
{
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(this) && child->isEnabled() && child->focusPolicy() != Qt::NoFocus)
            return child;
    return nullptr;
}

void TOrvGroupBox::Accelerator()
{
    if (QWidget* target = FocusTarget())
        target->setFocus(Qt::ShortcutFocusReason);
    else
        setFocus(Qt::ShortcutFocusReason);
}

void TOrvGroupBox::focusInEvent(QFocusEvent* e)
{
    // Entering and leaving follow the focus of the whole group (FocusChanged), which
    // has not heard of this move yet: Shift+Tab from inside goes on past the group, from
    // outside it enters.
    QWidget::focusInEvent(e);
    if (e->reason() == Qt::BacktabFocusReason && fWithin) {
        focusNextPrevChild(false);
        return;
    }
    if (QWidget* target = FocusTarget())
        target->setFocus(e->reason());
}

void TOrvGroupBox::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
}

void TOrvGroupBox::FocusChanged(QWidget* old, QWidget* now)
{
    Q_UNUSED(old);
    // No focus widget: another window or application is active, which neither enters nor leaves.
    if (!now)
        return;
    const bool inside = IsControlInside(now, this);
    if (inside == fWithin)
        return;
    fWithin = inside;
    if (inside)
        DoEnter();
    else
        DoExit();
}

const TOrvGroupColors& TOrvGroupBox::PaintGroupColors() const
{
    if (PaintsWithUISet())
        return *UICtrl()->ColorSet();
    return ColorSet();
}

void TOrvGroupBox::PaintControl(QPainter& canvas)
{
    const int headingHeight =
        Caption().isEmpty() ? 2 : QFontMetrics(fCaptionFont).height();
    PaintFrame(canvas, headingHeight);
    if (!Caption().isEmpty())
        PaintHeading(canvas);
}

void TOrvGroupBox::PaintFrame(QPainter& canvas, int headingHeight)
{
    const TOrvGroupColors& group = PaintGroupColors();
    const QPalette& pal = palette();
    const int top = headingHeight / 2;
    const QRect frame = EdgeRectOf(0, top, width(), height());
    const int penWidth = group.GroupFrameWidth();
    const QColor pen =
        ColorToQColor(PaintColors().Set.GetFrameColor(ReadOnly(), isEnabled(), PaintHot(), PaintFocused()), pal);
    switch (group.GroupFrameStyle()) {
    case egfsNone:
        break;
    case egfsNormal: {
        const QRect etched = EdgeRectOf(1, top, width(), height());
        FrameRect(canvas, etched, ColorToQColor(clBtnHighlight, pal));
        FrameRect(canvas, etched.translated(-1, -1), ColorToQColor(clBtnShadow, pal));
        break;
    }
    case egfsSimple:
        Frame3D(canvas, frame, pen, pen, penWidth);
        break;
    case egfsRound:
        DrawControlFrame(canvas, frame, efsRound, penWidth, pen,
                         Transparent() ? QColor(Qt::transparent) : ColorToQColor(Color(), pal), pal);
        break;
    }
}

void TOrvGroupBox::PaintHeading(QPainter& canvas)
{
    TFontStyles style;
    TColor background = clBtnFace;
    TColor color = clBtnText;
    const TOrvGroupColors& group = PaintGroupColors();
    group.GetHeadingColors(isEnabled(), PaintFocused(), PaintHot(), style, background, color);
    QFont font = fCaptionFont;
    ApplyFontStyle(font, style);
    const QFontMetrics metrics(font);
    const int th = metrics.height();
    const int tw = metrics.boundingRect(QRect(), Qt::TextShowMnemonic, Caption() + QLatin1Char(' ')).width();
    const int w = width();
    const int m = fCaptionMargin;
    QRect heading;
    int flags = Qt::TextShowMnemonic | Qt::TextSingleLine | Qt::AlignVCenter;
    if (AlignCaption() == eacCaptionRight || layoutDirection() == Qt::RightToLeft) {
        heading = EdgeRectOf(std::max(m, w - m - tw) - 1, 0, w - m + 1, th);
        flags |= Qt::AlignRight;
    } else {
        heading = EdgeRectOf(m - 1, 0, std::min(m + tw, w) + 1, th);
        flags |= Qt::AlignLeft;
    }
    const QPalette& pal = palette();
    FillRect(canvas, heading, ColorToQColor(background, pal));
    heading.adjust(1, 0, -1, 0);
    canvas.save();
    canvas.setFont(font);
    DrawStyledText(canvas, heading, Caption(), style, ColorToQColor(color, pal), group.HeadingStyle(), flags, pal);
    canvas.restore();
}

} // namespace orv
