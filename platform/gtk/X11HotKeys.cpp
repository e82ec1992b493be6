#include "platform/gtk/X11HotKeys.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/Backend.h"
#include "platform/gtk/VirtualKeys.h"

// Xlib defines None, which the platform headers above use as a name, so it comes last.
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <gdk/gdk.h>
#include <gdk/gdkx.h>

namespace platform::gtk {
namespace {

constexpr unsigned kKeyModifierBits =
    ShiftMask | LockMask | ControlMask | Mod1Mask | Mod2Mask | Mod3Mask | Mod4Mask | Mod5Mask;

struct ModifierMapDeleter {
    void operator()(XModifierKeymap* map) const { XFreeModifiermap(map); }
};
using ModifierMapPtr = std::unique_ptr<XModifierKeymap, ModifierMapDeleter>;

unsigned XModifiersFromHotKey(unsigned modifiers) {
    unsigned mask = 0;
    if (modifiers & hotkey_modifier::kAlt) {
        mask |= Mod1Mask;
    }
    if (modifiers & hotkey_modifier::kControl) {
        mask |= ControlMask;
    }
    if (modifiers & hotkey_modifier::kShift) {
        mask |= ShiftMask;
    }
    if (modifiers & hotkey_modifier::kWin) {
        mask |= Mod4Mask;
    }
    return mask;
}

// The modifier bit a key is mapped to, or 0. Num Lock is usually Mod2 and Scroll Lock often
// nothing, but keyboard layouts are free to move them.
unsigned ModifierMaskOfKey(Display* display, const XModifierKeymap& map, KeySym keysym) {
    const KeyCode keycode = XKeysymToKeycode(display, keysym);
    if (keycode == 0) {
        return 0;
    }
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < map.max_keypermod; ++i) {
            if (map.modifiermap[modifier * map.max_keypermod + i] == keycode) {
                return 1u << modifier;
            }
        }
    }
    return 0;
}

unsigned LockBits(Display* display) {
    unsigned bits = LockMask;
    if (ModifierMapPtr map{XGetModifierMapping(display)}) {
        bits |= ModifierMaskOfKey(display, *map, XK_Num_Lock);
        bits |= ModifierMaskOfKey(display, *map, XK_Scroll_Lock);
    }
    return bits;
}

// Every subset of the given bits, the empty one included.
std::vector<unsigned> Subsets(unsigned bits) {
    std::vector<unsigned> subsets;
    for (unsigned subset = bits;; subset = (subset - 1) & bits) {
        subsets.push_back(subset);
        if (subset == 0) {
            break;
        }
    }
    return subsets;
}

}  // namespace

struct X11HotKeys::Callbacks {
    static GdkFilterReturn Filter(GdkXEvent* xevent, GdkEvent*, gpointer data) {
        const auto* event = static_cast<const XEvent*>(xevent);
        if (event->type != KeyPress) {
            return GDK_FILTER_CONTINUE;
        }
        auto* self = static_cast<X11HotKeys*>(data);
        return self->OnKeyPress(event->xkey.keycode, event->xkey.state) ? GDK_FILTER_REMOVE
                                                                        : GDK_FILTER_CONTINUE;
    }

    static gboolean Dispatch(gpointer data) {
        static_cast<X11HotKeys*>(data)->RunPending();
        return G_SOURCE_REMOVE;
    }
};

X11HotKeys::X11HotKeys(GdkDisplay* display)
    : display_(display),
      root_(gdk_screen_get_root_window(gdk_display_get_default_screen(display))) {
    gdk_window_add_filter(root_, Callbacks::Filter, this);
}

X11HotKeys::~X11HotKeys() {
    gdk_window_remove_filter(root_, Callbacks::Filter, this);
    if (dispatch_source_ != 0) {
        g_source_remove(dispatch_source_);
    }
    gdk_x11_display_error_trap_push(display_);
    for (const auto& [handle, combination] : combinations_) {
        UngrabVariants(combination);
    }
    gdk_x11_display_error_trap_pop_ignored(display_);
    gdk_display_flush(display_);
}

int X11HotKeys::Grab(unsigned modifiers, std::uint8_t virtual_key, std::function<void()> pressed) {
    const unsigned keyval = KeyvalFromVirtualKey(virtual_key);
    if (keyval == 0) {
        return 0;
    }
    Display* xdisplay = gdk_x11_display_get_xdisplay(display_);
    Combination combination;
    combination.keycode = XKeysymToKeycode(xdisplay, keyval);
    combination.modifiers = XModifiersFromHotKey(modifiers);
    if (combination.keycode == 0 || IsGrabbedHere(combination.keycode, combination.modifiers)) {
        return 0;
    }
    // A lock key that is also one of the requested modifiers must stay significant.
    combination.lock_bits = LockBits(xdisplay) & ~combination.modifiers;
    combination.lock_variants = Subsets(combination.lock_bits);
    combination.pressed = std::move(pressed);
    if (!GrabVariants(combination)) {
        return 0;
    }
    const int handle = next_handle_++;
    combinations_.emplace(handle, std::move(combination));
    return handle;
}

void X11HotKeys::Ungrab(int handle) {
    const auto found = combinations_.find(handle);
    if (found == combinations_.end()) {
        return;
    }
    gdk_x11_display_error_trap_push(display_);
    UngrabVariants(found->second);
    gdk_x11_display_error_trap_pop_ignored(display_);
    gdk_display_flush(display_);
    combinations_.erase(found);
}

bool X11HotKeys::IsGrabbedHere(unsigned keycode, unsigned modifiers) const {
    // The server never refuses a client its own grab, so a duplicate has to be caught here.
    return std::any_of(combinations_.begin(), combinations_.end(), [&](const auto& entry) {
        const Combination& held = entry.second;
        return held.keycode == keycode && held.modifiers == modifiers;
    });
}

bool X11HotKeys::GrabVariants(const Combination& combination) {
    Display* xdisplay = gdk_x11_display_get_xdisplay(display_);
    const Window root = GDK_WINDOW_XID(root_);
    gdk_x11_display_error_trap_push(display_);
    for (unsigned locks : combination.lock_variants) {
        XGrabKey(xdisplay, static_cast<int>(combination.keycode), combination.modifiers | locks,
                 root, False, GrabModeAsync, GrabModeAsync);
    }
    if (gdk_x11_display_error_trap_pop(display_) == 0) {
        return true;
    }
    // Some lock state is held by another client: the combination is theirs. Releasing a
    // variant this client never got is harmless.
    gdk_x11_display_error_trap_push(display_);
    UngrabVariants(combination);
    gdk_x11_display_error_trap_pop_ignored(display_);
    gdk_display_flush(display_);
    return false;
}

void X11HotKeys::UngrabVariants(const Combination& combination) {
    Display* xdisplay = gdk_x11_display_get_xdisplay(display_);
    const Window root = GDK_WINDOW_XID(root_);
    for (unsigned locks : combination.lock_variants) {
        XUngrabKey(xdisplay, static_cast<int>(combination.keycode), combination.modifiers | locks,
                   root);
    }
}

bool X11HotKeys::OnKeyPress(unsigned keycode, unsigned state) {
    for (const auto& [handle, combination] : combinations_) {
        const unsigned significant = state & kKeyModifierBits & ~combination.lock_bits;
        if (combination.keycode == keycode && combination.modifiers == significant) {
            pending_.push_back(handle);
            if (dispatch_source_ == 0) {
                dispatch_source_ =
                    g_idle_add_full(G_PRIORITY_DEFAULT, Callbacks::Dispatch, this, nullptr);
            }
            return true;
        }
    }
    return false;
}

void X11HotKeys::RunPending() {
    dispatch_source_ = 0;
    const std::vector<int> handles = std::exchange(pending_, {});
    for (int handle : handles) {
        const auto found = combinations_.find(handle);
        // A callback may have ungrabbed a later one.
        if (found == combinations_.end()) {
            continue;
        }
        // Copied: the callback may ungrab its own combination.
        const std::function<void()> pressed = found->second.pressed;
        if (pressed) {
            pressed();
        }
    }
}

}  // namespace platform::gtk
