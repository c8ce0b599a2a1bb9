// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Linux and other Unix-like systems: a Wayland compositor's activation tokens (xdg-activation-v1) and an X11
// window manager's _NET_ACTIVE_WINDOW. Each is built where its library is found (TAVREL_WAYLAND, TAVREL_XCB).
#include "packaging/activation.h"

#include <QGuiApplication>
#include <QWindow>

#include <cstdlib>
#include <cstring>

#ifdef TAVREL_WAYLAND
#include "xdg-activation-v1-client-protocol.h"

#include <wayland-client.h>
#endif
#ifdef TAVREL_XCB
#include <xcb/xcb.h>
#endif

namespace tavrel::platform {

namespace {

QByteArray &launchToken()
{
    static QByteArray token;
    return token;
}

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

#ifdef TAVREL_WAYLAND
// A token the compositor hands out on a connection of this copy's own, for the application's desktop entry. The
// compositor decides whether a window activated with it comes to the user.
QByteArray compositorToken()
{
    struct Asked
    {
        xdg_activation_v1 *activation = nullptr;
        QByteArray token;
    } asked;
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return {};
    wl_registry *registry = wl_display_get_registry(display);
    static const wl_registry_listener globals = {
        [](void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t) {
            auto *asked = static_cast<Asked *>(data);
            if (!asked->activation && std::strcmp(interface, xdg_activation_v1_interface.name) == 0)
                asked->activation =
                    static_cast<xdg_activation_v1 *>(wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
        },
        [](void *, wl_registry *, uint32_t) {}};
    wl_registry_add_listener(registry, &globals, &asked);
    if (wl_display_roundtrip(display) >= 0 && asked.activation) {
        xdg_activation_token_v1 *token = xdg_activation_v1_get_activation_token(asked.activation);
        static const xdg_activation_token_v1_listener done = {
            [](void *data, xdg_activation_token_v1 *, const char *token) {
                static_cast<Asked *>(data)->token = token;
            }};
        xdg_activation_token_v1_add_listener(token, &done, &asked);
        const QByteArray appId = QGuiApplication::desktopFileName().toUtf8();
        if (!appId.isEmpty())
            xdg_activation_token_v1_set_app_id(token, appId.constData());
        xdg_activation_token_v1_commit(token);
        for (int trip = 0; trip < 3 && asked.token.isEmpty() && wl_display_roundtrip(display) >= 0; ++trip) { }
        xdg_activation_token_v1_destroy(token);
        xdg_activation_v1_destroy(asked.activation);
    }
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return asked.token;
}
#endif

#ifdef TAVREL_XCB
// The time of a startup id ("..._TIME<n>"), or 0.
uint32_t startupTime(const QByteArray &id)
{
    const qsizetype at = id.lastIndexOf("_TIME");
    bool ok = false;
    const uint32_t time = at < 0 ? 0 : id.mid(at + 5).toUInt(&ok);
    return ok ? time : 0;
}

// The X server's time now: that of a property change on a window of our own.
uint32_t serverTime(xcb_connection_t *x, xcb_window_t root)
{
    const xcb_window_t window = xcb_generate_id(x);
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(x, XCB_COPY_FROM_PARENT, window, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    xcb_change_property(x, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(x);
    uint32_t time = 0;
    while (xcb_generic_event_t *event = xcb_wait_for_event(x)) {
        const bool stamped = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
        if (stamped)
            time = reinterpret_cast<const xcb_property_notify_event_t *>(event)->time;
        std::free(event);
        if (stamped)
            break;
    }
    xcb_destroy_window(x, window);
    return time;
}

xcb_atom_t atom(xcb_connection_t *x, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// A window's property of one number (a desktop's), or `none`.
uint32_t number(xcb_connection_t *x, xcb_window_t window, const char *name, uint32_t none)
{
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, atom(x, name), XCB_ATOM_CARDINAL, 0, 1), nullptr);
    const uint32_t value = reply && xcb_get_property_value_length(reply) == 4
        ? *static_cast<const uint32_t *>(xcb_get_property_value(reply))
        : none;
    std::free(reply);
    return value;
}

void send(xcb_connection_t *x, xcb_window_t root, xcb_window_t window, const char *message, uint32_t first,
          uint32_t second)
{
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(x, message);
    event.data.data32[0] = first;
    event.data.data32[1] = second;
    xcb_send_event(x, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&event));
}

// The window comes to the user, who has just started the program: from another desktop to the one shown
// (_NET_WM_DESKTOP), then activated as by a click in a task bar (_NET_ACTIVE_WINDOW with source indication 2, the
// user's own request), stamped with the time of the later copy's start or the time now. The window manager
// decides. A connection of our own to the X server that Qt uses (DISPLAY), so that the events it waits for are
// its own.
void activateOnX11(WId id, const QByteArray &startupId)
{
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (!xcb_connection_has_error(x)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
        const auto window = xcb_window_t(id);
        constexpr uint32_t None = 0xffffffff, User = 2;
        const uint32_t shown = number(x, root, "_NET_CURRENT_DESKTOP", None);
        const uint32_t desktop = number(x, window, "_NET_WM_DESKTOP", None);
        if (shown != None && desktop != None && desktop != shown)
            send(x, root, window, "_NET_WM_DESKTOP", shown, User);
        const uint32_t time = startupTime(startupId);
        send(x, root, window, "_NET_ACTIVE_WINDOW", User, time ? time : serverTime(x, root));
        xcb_flush(x);
    }
    xcb_disconnect(x);
}
#endif

} // namespace

void keepLaunchToken()
{
    launchToken() = qgetenv("DESKTOP_STARTUP_ID");
}

// Qt 6.4's Wayland plug-in activates the first window it shows with the token in XDG_ACTIVATION_TOKEN, and takes
// it out of the environment.
void keepLaunchTokenForRunningCopy()
{
    if (onWayland()) {
        launchToken() = qgetenv("XDG_ACTIVATION_TOKEN");
        qunsetenv("XDG_ACTIVATION_TOKEN");
    }
}

QByteArray activationToken(qint64)
{
#ifdef TAVREL_WAYLAND
    if (onWayland() && launchToken().isEmpty())
        return compositorToken();
#endif
    return launchToken();
}

void activate(QWindow *window, const QByteArray &token)
{
    if (!window)
        return;
    if (onWayland()) {
        // Qt's Wayland plug-in activates a window with the token in XDG_ACTIVATION_TOKEN, where a compositor
        // offers xdg-activation-v1, and takes it out of the environment.
        if (!token.isEmpty()) {
            qputenv("XDG_ACTIVATION_TOKEN", token);
            window->requestActivate();
        }
        return;
    }
#ifdef TAVREL_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        activateOnX11(window->winId(), token);
#endif
}

} // namespace tavrel::platform
