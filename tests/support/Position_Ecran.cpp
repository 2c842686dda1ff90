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

#if VELTRIX_POSITION_X11
namespace {

template <class T> using Reponse = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* Connexion() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t Racine(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

} // namespace
#endif

QPoint Position_Ecran(QWidget& fenetre) {
#if VELTRIX_POSITION_X11
    if (xcb_connection_t* c = Connexion()) {
        const auto w = static_cast<xcb_window_t>(fenetre.winId());
        Reponse<xcb_translate_coordinates_reply_t> r(
            xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, Racine(c), 0, 0), nullptr),
            &std::free);
        if (r) return {r->dst_x, r->dst_y};
    }
#endif
    return fenetre.geometry().topLeft();
}

QRect Cadre_Ecran(QWidget& fenetre) {
#if VELTRIX_POSITION_X11
    if (xcb_connection_t* c = Connexion()) {
        // Up from the window to the child of the root: the frame, or the window itself.
        auto w = static_cast<xcb_window_t>(fenetre.winId());
        for (;;) {
            Reponse<xcb_query_tree_reply_t> t(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr),
                                              &std::free);
            if (!t || t->parent == t->root) break;
            w = t->parent;
        }
        Reponse<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr),
                                            &std::free);
        if (g) return {g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width};
    }
#endif
    return fenetre.frameGeometry();
}

} // namespace Sous_Programmes
