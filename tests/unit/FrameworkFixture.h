#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/headless/HeadlessBackend.h"
#include "ui/CWnd.h"
#include "ui/Desktop.h"
#include "ui/WinApi.h"

namespace test {

// The framework on the headless backend, with the clock, input and the queue in the test's
// hands.
class FrameworkTest : public testing::Test {
  protected:
    FrameworkTest() { ui::Desktop::Get().SetBackend(&backend); }
    ~FrameworkTest() override {
        ui::Desktop::Get().Reset();
        ui::Desktop::Get().SetBackend(nullptr);
    }

    // Lets the program handle everything queued so far, and paint.
    static void Pump() { ui::Desktop::Get().Queue().DrainPending(); }

    void Click(ui::Point screen, platform::MouseButton button = platform::MouseButton::Left) {
        backend.Click(screen, button);
        Pump();
    }
    void MoveTo(ui::Point screen) {
        backend.MoveMouse(screen);
        Pump();
    }
    void Wait(int milliseconds) {
        backend.AdvanceTime(milliseconds);
        Pump();
    }

    platform::headless::HeadlessBackend backend;
};

// A window that notes the messages a test cares about, then handles them as usual.
class Recorder : public CWnd {
  public:
    struct Seen {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    explicit Recorder(std::vector<UINT> watched) : watched_(std::move(watched)) {}

    BOOL Create(DWORD style, const CRect& rect, CWnd* parent = nullptr, UINT id = 0,
                DWORD ex_style = 0) {
        return CreateEx(ex_style, u"", style, rect, parent, id);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (std::find(watched_.begin(), watched_.end(), message) != watched_.end()) {
            seen.push_back({message, wParam, lParam});
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

    int Count(UINT message) const {
        return static_cast<int>(std::count_if(
            seen.begin(), seen.end(), [message](const Seen& s) { return s.message == message; }));
    }

    std::vector<Seen> seen;

  private:
    std::vector<UINT> watched_;
};

}  // namespace test
