#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;
struct AppSettings;
struct Platform;

// The entries of the "Plik" menu for what the workstation has recorded: "Otwórz log..." shows a
// sensor log in a viewer window of its own, "Archiwum raportów..." lists the printed reports.
class RecordsMenu final : public QObject {
    Q_OBJECT
public:
    // Adds the entries to menu before `before`; the windows they open belong to window.
    RecordsMenu(QMenu &menu, QAction *before, Platform &platform, const AppSettings &settings, QWidget &window);

    void MnuOtworzLogClick();
    void MnuArchiwumClick();

    QAction *MnuOtworzLog = nullptr;
    QAction *MnuArchiwum = nullptr;

private:
    Platform &m_platform;
    const AppSettings &m_settings;
    QWidget &m_window;
};
