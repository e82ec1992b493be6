#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

typedef struct _GdkDisplay GdkDisplay;
typedef struct _GdkWindow GdkWindow;

namespace platform::gtk {

// System-wide hot keys as passive key grabs on the root window. A combination is grabbed for
// every state of the lock keys (Caps Lock, Num Lock, Scroll Lock), so it works whatever they
// are; a grab another client holds means the combination is taken.
class X11HotKeys {
  public:
    explicit X11HotKeys(GdkDisplay* display);
    ~X11HotKeys();
    X11HotKeys(const X11HotKeys&) = delete;
    X11HotKeys& operator=(const X11HotKeys&) = delete;

    // modifiers as platform::hotkey_modifier; returns a handle, or 0 when taken or unknown.
    int Grab(unsigned modifiers, std::uint8_t virtual_key, std::function<void()> pressed);
    void Ungrab(int handle);

  private:
    struct Combination {
        unsigned keycode = 0;
        unsigned modifiers = 0;  // X modifier mask, lock bits excluded
        // Every lock-key state the combination was grabbed under; the same bits are ignored
        // when matching a key press.
        std::vector<unsigned> lock_variants;
        unsigned lock_bits = 0;
        std::function<void()> pressed;
    };

    bool IsGrabbedHere(unsigned keycode, unsigned modifiers) const;
    bool GrabVariants(const Combination& combination);
    void UngrabVariants(const Combination& combination);
    // Matching runs inside the GDK event filter; the callbacks run later from an idle, so
    // whatever they do (a nested main loop, ungrabbing) happens outside event translation.
    bool OnKeyPress(unsigned keycode, unsigned state);
    void RunPending();

    // The C callbacks GDK and GLib call, defined next to the code that registers them.
    struct Callbacks;
    friend struct Callbacks;

    GdkDisplay* display_;
    GdkWindow* root_;
    std::map<int, Combination> combinations_;
    int next_handle_ = 1;
    std::vector<int> pending_;
    unsigned dispatch_source_ = 0;
};

}  // namespace platform::gtk
