#pragma once

#include <string>

// What a window hosting a browser control hears from it.
struct IBrowserEventSink {
    virtual ~IBrowserEventSink() = default;
    // Before every navigation of the page or of one of its frames; setting cancel keeps the
    // page where it is.
    virtual void OnBeforeNavigate2(const std::u16string& address, bool* cancel) = 0;
};
