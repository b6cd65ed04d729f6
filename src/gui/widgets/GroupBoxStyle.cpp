#include "gui/widgets/GroupBoxStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

#include <algorithm>

namespace {

// The caption begins this far right of the box's left edge, clear of the frame's corner.
constexpr int kCaptionLeft = 8;
// Space between the frame and what a layout puts inside it.
constexpr int kContentsMargin = 3;

// Where the caption stands; a box without one keeps the caption's height free above its frame,
// so that boxes with and without a caption line up.
QRect captionRect(const QStyleOptionGroupBox &box)
{
    const QSize text =
        box.text.isEmpty() ? QSize(0, box.fontMetrics.height()) : box.fontMetrics.size(Qt::TextShowMnemonic, box.text);
    return QRect(box.rect.left() + kCaptionLeft, box.rect.top(), text.width(),
                 std::min(text.height(), box.rect.height()));
}

} // namespace

const QStyleOptionGroupBox *GroupBoxStyle::captionOnFrame(ComplexControl control, const QStyleOptionComplex *option)
{
    if (control != CC_GroupBox)
        return nullptr;
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (box == nullptr || (box->subControls & SC_GroupBoxCheckBox) != 0
        || (box->features & QStyleOptionFrame::Flat) != 0)
        return nullptr;
    return box;
}

QRect GroupBoxStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                                    const QWidget *widget) const
{
    const QStyleOptionGroupBox *box = captionOnFrame(control, option);
    if (box == nullptr)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect caption = captionRect(*box);
    switch (part) {
    case SC_GroupBoxLabel: return caption;
    case SC_GroupBoxFrame: return box->rect.adjusted(0, caption.height() / 2, 0, 0);
    case SC_GroupBoxContents:
        return box->rect.adjusted(kContentsMargin, caption.bottom() + 1 - box->rect.top() + kContentsMargin,
                                  -kContentsMargin, -kContentsMargin);
    default: return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

void GroupBoxStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                       const QWidget *widget) const
{
    const QStyleOptionGroupBox *box = captionOnFrame(control, option);
    if (box == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect caption = subControlRect(control, box, SC_GroupBoxLabel, widget);
    if ((box->subControls & SC_GroupBoxFrame) != 0) {
        // An etched line: a dark one with a light one inside it, broken behind the caption.
        const QRect frame = subControlRect(control, box, SC_GroupBoxFrame, widget);
        painter->save();
        if (!caption.isEmpty())
            painter->setClipRegion(QRegion(box->rect).subtracted(QRegion(caption)), Qt::IntersectClip);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(box->palette.color(QPalette::Window).darker(125));
        painter->drawRect(frame.adjusted(0, 0, -2, -2)); // an outline covers one pixel more than its size
        painter->setPen(box->palette.color(QPalette::Light));
        painter->drawPolyline(QPolygon{{frame.left() + 1, frame.bottom() - 2},
                                       {frame.left() + 1, frame.top() + 1},
                                       {frame.right() - 2, frame.top() + 1}});
        painter->drawPolyline(QPolygon{frame.topRight(), frame.bottomRight(), frame.bottomLeft()});
        painter->restore();
    }
    if ((box->subControls & SC_GroupBoxLabel) != 0 && !box->text.isEmpty()) {
        int alignment = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
        if (styleHint(SH_UnderlineShortcut, box, widget) == 0)
            alignment |= Qt::TextHideMnemonic;
        drawItemText(painter, caption, alignment, box->palette, (box->state & State_Enabled) != 0, box->text,
                     QPalette::WindowText);
    }
}

QStyle *GroupBoxStyle::shared()
{
    static QPointer<GroupBoxStyle> style;
    if (style.isNull()) {
        style = new GroupBoxStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}
