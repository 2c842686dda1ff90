#include "core/ui/Marges_Cadre.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if defined(VELTRIX_AVEC_XCB) && QT_CONFIG(xcb)
#define VELTRIX_DEMANDE_X11 1
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>
#include <xcb/xcb.h>
#endif

namespace Sous_Programmes {

namespace {
// The frame around a client area, from the two rectangles.
QMargins Marges_Entre(const QRect& dehors, const QRect& dedans) {
    return {dedans.left() - dehors.left(), dedans.top() - dehors.top(), dehors.right() - dedans.right(),
            dehors.bottom() - dedans.bottom()};
}
} // namespace

#if VELTRIX_DEMANDE_X11

namespace {

template <class T> using Reponse = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atome(xcb_connection_t* c, const char* nom) {
    Reponse<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(nom)), nom), nullptr),
        &std::free);
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The atoms used here, interned once: the connection lasts as long as the program.
struct Atomes {
    xcb_atom_t Verif, Supportes, Demande, Extents;
};
const Atomes& Atomes_X11(xcb_connection_t* c) {
    static const Atomes a{Atome(c, "_NET_SUPPORTING_WM_CHECK"), Atome(c, "_NET_SUPPORTED"),
                          Atome(c, "_NET_REQUEST_FRAME_EXTENTS"), Atome(c, "_NET_FRAME_EXTENTS")};
    return a;
}

xcb_connection_t* Connexion_X11() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Up to `nombre` 32-bit values of a property, or none.
std::vector<std::uint32_t> Propriete(xcb_connection_t* c, xcb_window_t w, xcb_atom_t nom, xcb_atom_t type,
                                     std::uint32_t nombre) {
    Reponse<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, nom, type, 0, nombre), nullptr), &std::free);
    if (!r || r->type != type || r->format != 32) return {};
    const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(r.get()));
    return {v, v + xcb_get_property_value_length(r.get()) / 4};
}

// A window manager runs (its check window names itself) and says it answers
// frame-extent requests. A stale root property of one that has quit is not enough.
bool Gestionnaire_Repond(xcb_connection_t* c, xcb_window_t racine) {
    const Atomes& a = Atomes_X11(c);
    if (a.Demande == XCB_ATOM_NONE) return false;
    const auto fenetre_wm = Propriete(c, racine, a.Verif, XCB_ATOM_WINDOW, 1);
    if (fenetre_wm.size() != 1 || Propriete(c, fenetre_wm[0], a.Verif, XCB_ATOM_WINDOW, 1) != fenetre_wm)
        return false;
    const auto supportes = Propriete(c, racine, a.Supportes, XCB_ATOM_ATOM, 4096);
    return std::find(supportes.begin(), supportes.end(), a.Demande) != supportes.end();
}

std::optional<QMargins> Marges_X11(QWidget& fenetre) {
    xcb_connection_t* c = Connexion_X11();
    if (!c) return std::nullopt;
    const xcb_screen_t* ecran = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!ecran || !Gestionnaire_Repond(c, ecran->root)) return std::nullopt;
    // Creating the native window sets the hints the window manager decides by
    // (type, size limits, decorations).
    const auto fenetre_x = static_cast<xcb_window_t>(fenetre.winId());

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = fenetre_x;
    message.type = Atomes_X11(c).Demande;
    xcb_send_event(c, 0, ecran->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    // The window manager answers by setting the property on the window; it
    // does so at once, but in its own process: look for it a few times.
    using namespace std::chrono_literals;
    const auto limite = std::chrono::steady_clock::now() + 1s;
    do {
        const auto v = Propriete(c, fenetre_x, Atomes_X11(c).Extents, XCB_ATOM_CARDINAL, 4);
        if (v.size() == 4) // left, right, top, bottom
            return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
        std::this_thread::sleep_for(2ms);
    } while (std::chrono::steady_clock::now() < limite);
    return std::nullopt;
}

// The frame of a shown window, measured: from the window up to the window
// manager's frame, the child of the root that holds it.
std::optional<QMargins> Mesure_X11(QWidget& fenetre) {
    xcb_connection_t* c = Connexion_X11();
    if (!c) return std::nullopt;
    const auto fenetre_x = static_cast<xcb_window_t>(fenetre.winId());
    xcb_window_t cadre = fenetre_x;
    for (;;) {
        Reponse<xcb_query_tree_reply_t> arbre(xcb_query_tree_reply(c, xcb_query_tree(c, cadre), nullptr),
                                              &std::free);
        if (!arbre) return std::nullopt;
        if (arbre->parent == arbre->root || arbre->parent == XCB_WINDOW_NONE) break;
        cadre = arbre->parent;
    }
    if (cadre == fenetre_x) return QMargins(); // not framed (yet)
    Reponse<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(c, xcb_get_geometry(c, cadre), nullptr),
                                        &std::free);
    const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    Reponse<xcb_translate_coordinates_reply_t> coin(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, fenetre_x, racine, 0, 0), nullptr),
        &std::free);
    if (!g || !coin) return std::nullopt;
    const QRect dehors(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width);
    const QRect dedans(QPoint(coin->dst_x, coin->dst_y), fenetre.size());
    return Marges_Entre(dehors, dedans);
}

} // namespace

#endif

std::optional<QMargins> Marges_Cadre_Actuelles(QWidget& fenetre) {
#if VELTRIX_DEMANDE_X11
    // Qt's own idea of an X11 frame can be stale: asked before the window
    // manager framed the window, it keeps answering "no frame".
    if (QGuiApplication::platformName() == QLatin1String("xcb")) return Mesure_X11(fenetre);
#endif
    return Marges_Entre(fenetre.frameGeometry(), fenetre.geometry());
}

std::optional<QMargins> Marges_Cadre_Prevues(QWidget& fenetre) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
#if VELTRIX_DEMANDE_X11
        return Marges_X11(fenetre);
#else
        return std::nullopt;
#endif
    }
    // Elsewhere the platform may know the frame of a window once created.
    fenetre.winId();
    const QWindow* w = fenetre.windowHandle();
    if (!w || w->frameMargins().isNull()) return std::nullopt;
    return w->frameMargins();
}

} // namespace Sous_Programmes
