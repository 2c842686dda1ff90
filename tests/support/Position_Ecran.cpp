#include "tests/support/Position_Ecran.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(VELTRIX_AVEC_XCB) && QT_CONFIG(xcb)
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#define VELTRIX_POSITION_X11 1
#endif

namespace Sous_Programmes {

QPoint Position_Ecran(QWidget& fenetre) {
#if VELTRIX_POSITION_X11
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* c = x11 ? x11->connection() : nullptr) {
        const auto fenetre_x = static_cast<xcb_window_t>(fenetre.winId());
        const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> r(
            xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, fenetre_x, racine, 0, 0),
                                            nullptr),
            &std::free);
        if (r) return {r->dst_x, r->dst_y};
    }
#endif
    return fenetre.geometry().topLeft();
}

} // namespace Sous_Programmes
