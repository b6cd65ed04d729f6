#pragma once

#include <QTabBar>
#include <QTabWidget>

#include <functional>

// The tab bar of the main window: every change of tab that the user asks for (mouse, keyboard)
// is put to the gate first, and a refused change leaves the current tab as it is.
// Changes the program makes through setCurrentIndex do not pass the gate.
class GatedTabBar final : public QTabBar {
    Q_OBJECT
public:
    using Gate = std::function<bool()>;

    explicit GatedTabBar(QWidget *parent = nullptr);
    void setGate(Gate gate) { m_gate = std::move(gate); }

    // Moves to index if it is another visible tab and the gate allows it.
    void requestIndex(int index);
    // The next visible, enabled tab from the current one in direction step (+1 or -1), or -1.
    int neighbour(int step) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    Gate m_gate;
    int m_hintTab = -1;
};

// Ctrl+Tab and Ctrl+PgDown move to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp to the previous
// one, from wherever the focus is in the window (grids and edits keep their own use of Tab).
// Every page is kept at least at the size its layout is drawn at (kPageDesignSize), so the window
// cannot be made so small that the anchored controls of a tab run into each other or out of sight.
class PageControl final : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget *parent = nullptr);
    GatedTabBar *gatedTabBar() const { return m_bar; }

protected:
    // The same keys arriving at the page control itself also pass the gate.
    void keyPressEvent(QKeyEvent *event) override;
    void tabInserted(int index) override;

private:
    GatedTabBar *m_bar;
};
