#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/gtk/WebHandles.h"

namespace platform::gtk {

// The web engine's state that every web view of the process shares: one set of engine
// processes, and one data folder of the program's own, where cookies persist across runs.
class WebContext final : public std::enable_shared_from_this<WebContext> {
  public:
    WebContext();
    ~WebContext();
    WebContext(const WebContext&) = delete;
    WebContext& operator=(const WebContext&) = delete;

    WebKitWebContext* Get() const { return context_.get(); }

    // Deletes every cookie. The engine does it in the background; loads queued through
    // AfterCookiesCleared wait for it.
    void ClearCookies();
    // Runs the action now, or once the cookies being deleted are gone. The owner names the
    // actions Forget drops.
    void AfterCookiesCleared(const void* owner, std::function<void()> action);
    void Forget(const void* owner);

  private:
    static void OnCleared(GObject* manager, GAsyncResult* result, gpointer weak_self);
    void RunWaiting();

    WebsiteDataManagerPtr data_;
    WebContextPtr context_;
    CancellablePtr cancellable_;
    int clears_pending_ = 0;
    std::vector<std::pair<const void*, std::function<void()>>> waiting_;
};

}  // namespace platform::gtk
