#pragma once

#include <QStyledItemDelegate>

// A grid cell drawn as its text only, without selection or focus marks: the grids of the
// workstation show data, the operator does not select cells in them.
class PlainCell final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    }
};
