#pragma once

#include <QApplication>

// The application object: an error escaping an event handler is shown in an error box and the
// program goes on, as an operator would expect of a desktop program.
class KorvathApplication final : public QApplication {
    Q_OBJECT
public:
    KorvathApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // The fonts of the window layouts, mapped to the fonts installed here.
    static void useLayoutFonts();
};
