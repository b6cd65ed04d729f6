#pragma once

#include <QDialog>

// The notice shown, without waiting for the operator, while the report is being put together.
class TWaitForm final : public QDialog {
    Q_OBJECT
public:
    explicit TWaitForm(QWidget *parent = nullptr);

    // Shows the notice and returns once it is painted on the screen: a window manager maps a
    // new window a moment after it is shown, and a notice painted before that stays an empty
    // frame while the program is busy.
    void showPainted();
};
