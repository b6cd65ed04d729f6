#pragma once

#include <Qt>

class QWidget;

// Keeps a child's distances to the chosen edges of its parent when the parent is resized,
// the way the window layouts are drawn: a control anchored left and right stretches with its
// parent, one anchored right only moves with the right edge. The distances are taken from the
// child's and the parent's geometry at the call, so call it once both have their design size.
void anchor(QWidget *child, Qt::Edges edges);
