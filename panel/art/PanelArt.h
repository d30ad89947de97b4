#pragma once

// The panel's pictures are compiled into the program and read from Qt's
// resource system under ":/art/", so it runs from any folder. Call this once
// before reading them; later calls do nothing.
void initPanelArt();

class QIcon;

// The window's icon, the panel's own 32 x 32 picture.
QIcon panelIcon();
