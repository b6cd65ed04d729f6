#include "gui/widgets/FocusRing.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFocusFrame>

FocusRing::FocusRing(QObject *parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

FocusRing::~FocusRing()
{
    delete m_frame.data();
}

void FocusRing::follow(QWidget *widget)
{
    auto *area = qobject_cast<QAbstractScrollArea *>(widget);
    if (area == nullptr || area->parentWidget() == nullptr) {
        if (m_frame)
            m_frame->setWidget(nullptr);
        return;
    }
    if (!m_frame)
        m_frame = new QFocusFrame(area);
    m_frame->setWidget(area);
}
