#pragma once

// What screen readers and GUI automation see of the main window's tab bar: one page tab per
// tab shown on screen (a hidden tab is not announced), named by its caption and described by
// its hint; pressing a tab goes through the tab gate like a click. Installed once, before the
// first tab bar is made.
void installAccessibleTabBar();
