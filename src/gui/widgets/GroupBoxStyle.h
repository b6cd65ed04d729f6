#pragma once

#include <QProxyStyle>

class QStyleOptionGroupBox;

// Group boxes as the window layouts are drawn for: the caption stands on the frame's top line,
// which runs through the middle of the caption and breaks behind it. Controls placed a little
// more than half a caption below a box's top edge then stand inside its frame, never on a line
// of it. The frame is an etched line, as on the desktops the layouts were made for; checkable
// and flat boxes keep the look of the base style.
class GroupBoxStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override;

    // The instance the group boxes of every window share; it lives as long as the application.
    static QStyle *shared();

private:
    static const QStyleOptionGroupBox *captionOnFrame(ComplexControl control, const QStyleOptionComplex *option);
};
