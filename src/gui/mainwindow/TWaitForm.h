#pragma once

#include <QDialog>

// The notice shown, without waiting for the operator, while the report is being put together.
class TWaitForm final : public QDialog {
    Q_OBJECT
public:
    explicit TWaitForm(QWidget *parent = nullptr);
};
