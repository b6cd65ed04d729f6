#include "gui/widgets/BusyCursor.h"

#include <QGuiApplication>

BusyCursor::BusyCursor(QWidget *origin) : m_origin(origin), m_originHadFocus(origin != nullptr && origin->hasFocus())
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
    if (m_origin && m_originHadFocus && m_origin->isEnabled())
        m_origin->setFocus(Qt::OtherFocusReason);
}
