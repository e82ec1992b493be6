#pragma once

#include <deque>
#include <functional>

#include "ui/WinDef.h"

namespace ui {

// The one message queue: input the backends report and posted messages, in arrival order.
// Getting a message sleeps in the backend when there is nothing to do; windows that need
// painting are painted when the queue is empty, as WM_PAINT is generated on Windows.
class MessageQueue {
  public:
    void Post(const MSG& msg);
    void PostQuit(int exit_code);

    // Takes the next message, waiting for one if needed. False for WM_QUIT.
    bool GetMessage(MSG* msg);
    // Pre-translation through the target's chain of parents and owners, then dispatch.
    static void TranslateAndDispatch(MSG& msg);
    // One message; false when it was WM_QUIT, which is then posted again for the loop outside.
    bool PumpMessage();
    // Runs until keep_going answers false or a quit message arrives.
    void RunModalLoop(const std::function<bool()>& keep_going);

    // Dispatches everything queued and paints, without waiting: what tests call to let the
    // program react to injected input.
    void DrainPending();

    // Drops what is queued for a window that is going away, so nothing queued for it can reach
    // a later window that happens to get the same record.
    void Forget(HWND hwnd);

    bool Empty() const { return messages_.empty(); }
    int ExitCode() const { return exit_code_; }

  private:
    bool PopLive(MSG* msg);

    std::deque<MSG> messages_;
    int exit_code_ = 0;
};

}  // namespace ui
