#include "ui/MessageQueue.h"

#include "platform/Backend.h"
#include "ui/CWnd.h"
#include "ui/Desktop.h"
#include "ui/TopLevelWindow.h"
#include "ui/WindowState.h"
#include "ui/WindowTree.h"

namespace ui {
namespace {

bool PaintOne() {
    for (HWND top : Desktop::Get().TopLevels()) {
        if (top->top->NeedsPaint()) {
            top->top->PaintPending();
            return true;
        }
    }
    return false;
}

}  // namespace

void MessageQueue::Post(const MSG& msg) {
    messages_.push_back(msg);
}

void MessageQueue::PostQuit(int exit_code) {
    exit_code_ = exit_code;
    messages_.push_back(MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exit_code), 0, 0, {}});
}

void MessageQueue::Forget(HWND hwnd) {
    std::erase_if(messages_, [hwnd](const MSG& msg) { return msg.hwnd == hwnd; });
}

bool MessageQueue::PopLive(MSG* msg) {
    while (!messages_.empty()) {
        *msg = messages_.front();
        messages_.pop_front();
        // Messages for windows destroyed since they were posted are dropped, as for a stale
        // handle.
        if (msg->hwnd == nullptr || Desktop::Get().IsLive(msg->hwnd)) {
            return true;
        }
    }
    return false;
}

bool MessageQueue::GetMessage(MSG* msg) {
    for (;;) {
        if (PopLive(msg)) {
            return msg->message != WM_QUIT;
        }
        if (!PaintOne()) {
            Desktop::Get().Backend().WaitForEvents();
        }
    }
}

void MessageQueue::TranslateAndDispatch(MSG& msg) {
    for (HWND h = msg.hwnd; h != nullptr; h = tree::ParentOrOwner(h)) {
        if (!Desktop::Get().IsLive(h)) {
            return;
        }
        if (h->wnd->PreTranslateMessage(&msg)) {
            return;
        }
    }
    if (Desktop::Get().IsLive(msg.hwnd)) {
        CWnd::CallWindowProc(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    }
}

bool MessageQueue::PumpMessage() {
    MSG msg;
    if (!GetMessage(&msg)) {
        // The loop outside must end too.
        messages_.push_front(msg);
        return false;
    }
    TranslateAndDispatch(msg);
    return true;
}

void MessageQueue::RunModalLoop(const std::function<bool()>& keep_going) {
    while (keep_going()) {
        if (!PumpMessage()) {
            return;
        }
    }
}

void MessageQueue::DrainPending() {
    for (;;) {
        MSG msg;
        if (PopLive(&msg)) {
            if (msg.message == WM_QUIT) {
                messages_.push_front(msg);
                return;
            }
            TranslateAndDispatch(msg);
            continue;
        }
        if (!PaintOne()) {
            return;
        }
    }
}

}  // namespace ui
