// Where a window really stands on the screen at this moment.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace Sous_Programmes {

// The corner of its client area. On X11 asked of the X server itself: while
// the window manager frames a window, Qt may for a moment report its place
// inside the new frame. On other platforms, Qt's own idea.
QPoint Position_Ecran(QWidget& fenetre);

// Its outer rectangle, the window manager's frame included. On X11 the frame
// window that holds it, as the X server has it (Qt may never learn the frame
// of a window manager that does not publish it).
QRect Cadre_Ecran(QWidget& fenetre);

} // namespace Sous_Programmes
