// The border and title bar that the window manager puts around a window.
// Centring works on the outer size, but a window's frame only exists once it
// is shown; asking the window manager beforehand lets a window appear in its
// place at once instead of jumping there.
#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace Sous_Programmes {

// The frame the window manager will give this window, asked before it is
// shown (X11 window managers that answer _NET_REQUEST_FRAME_EXTENTS). Empty
// where no window manager can tell: another platform, no window manager, or
// no answer within a second. Creates the native window.
std::optional<QMargins> Marges_Cadre_Prevues(QWidget& fenetre);

// The frame a shown window has now (none before the window manager has framed
// it); empty where it cannot be measured.
std::optional<QMargins> Marges_Cadre_Actuelles(QWidget& fenetre);

} // namespace Sous_Programmes
