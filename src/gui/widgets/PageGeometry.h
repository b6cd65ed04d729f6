#pragma once

#include <QSize>

// The size of a tab page of the main window as its layout is drawn; each page is built at this
// size and its anchored controls follow the page when the window gives it another size.
inline constexpr QSize kPageDesignSize{784, 499};
