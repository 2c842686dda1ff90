// Where a window's client area really stands on the screen at this moment.
#pragma once

#include <QPoint>

class QWidget;

namespace Sous_Programmes {

// On X11 asked of the X server itself: while the window manager frames a
// window, Qt may for a moment report its place inside the new frame. On other
// platforms, Qt's own idea.
QPoint Position_Ecran(QWidget& fenetre);

} // namespace Sous_Programmes
