#pragma once

class QWidget;

// Shrinks and moves a top-level window, as restored from the settings, so
// that all of it stands on the screen it is on: a size saved at another
// scale or on a larger screen can exceed it. A maximized window is left
// alone, and one never placed keeps the window system's placement where all
// of it shows there. Fits it now and once more when first shown, when its
// borders are known.
void KeepOnScreen(QWidget *window);
