#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: the maker's pictures, the program's title and its version.
class TAboutForm final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    QLabel *StaticTextVersion = nullptr;
    QPushButton *OKButton = nullptr;
};
