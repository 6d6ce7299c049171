#pragma once
// An editor page's data controls as the position binding reads them: every direct data-aware
// child of the page's canvas, in child order, at the box its layout gave it.

#include "print/binding/EditorPageControls.h"

class QScrollArea;

EditorPageControls EditorPageControlsOf(const QScrollArea& scrollBox);
