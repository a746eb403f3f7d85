#include "platform/gui/KeyboardState.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace platform {
namespace {

constexpr xcb_keysym_t kControlLeft = 0xffe3;
constexpr xcb_keysym_t kControlRight = 0xffe4;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <class T> using Reply = std::unique_ptr<T, FreeDeleter>;

bool KeyDown(const xcb_query_keymap_reply_t& keymap, xcb_keycode_t code) {
    return (keymap.keys[code / 8] >> (code % 8)) & 1;
}

} // namespace

bool IsControlChordHeld(QChar letter) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return false;
    xcb_connection_t* connection = x11->connection();
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_keycode_t first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    Reply<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, first, static_cast<uint8_t>(count)), nullptr));
    Reply<xcb_query_keymap_reply_t> keymap(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr));
    if (!mapping || !keymap)
        return false;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perCode = mapping->keysyms_per_keycode;
    const xcb_keysym_t lower = letter.toLower().unicode();
    const xcb_keysym_t upper = letter.toUpper().unicode();
    bool control = false;
    bool letterDown = false;
    for (int index = 0; index < count; ++index) {
        const auto code = static_cast<xcb_keycode_t>(first + index);
        if (!KeyDown(*keymap, code))
            continue;
        for (int level = 0; level < perCode; ++level) {
            const xcb_keysym_t symbol = symbols[index * perCode + level];
            control |= symbol == kControlLeft || symbol == kControlRight;
            letterDown |= symbol == lower || symbol == upper;
        }
    }
    return control && letterDown;
}

} // namespace platform
