#pragma once

#include <QObject>
#include <QPointer>

class QFocusFrame;
class QWidget;

// Draws a ring around the text areas and grids while they have the keyboard focus; the style
// marks buttons, edits and lists itself but leaves these looking the same with and without it.
// One ring follows the focus through every window of the program while this object lives.
class FocusRing final : public QObject {
    Q_OBJECT
public:
    explicit FocusRing(QObject *parent = nullptr);
    ~FocusRing() override;

private:
    void follow(QWidget *widget);

    QPointer<QFocusFrame> m_frame;
};
