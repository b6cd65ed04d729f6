#pragma once

class QWidget;

// While the program waits on an adapter, the operator's input is held back until the wait has
// ended (core/vehicle/AdapterWait.h), and so is a request to close the window. A message box shown
// right after the wait would block the window, and a blocked window drops the close request it
// then gets. This lets a held-back close request through first: the clicks and keys held back with
// it are dropped, as the box would have dropped them, and the window is closed. True when window
// was closed.
bool CarryOutHeldCloseRequest(QWidget &window);
