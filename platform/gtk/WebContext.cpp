#include "platform/gtk/WebContext.h"

#include <string>

namespace platform::gtk {
namespace {

constexpr const char* kFolder = "QuelmMicroClient";

std::string FolderUnder(const char* base) {
    const CharsPtr path(g_build_filename(base, kFolder, "web", nullptr));
    return path.get();
}

WebsiteDataManagerPtr MakeDataManager() {
    const std::string data = FolderUnder(g_get_user_data_dir());
    const std::string cache = FolderUnder(g_get_user_cache_dir());
    // The cookie file is opened before the engine would make its folders itself.
    g_mkdir_with_parents(data.c_str(), 0700);
    WebsiteDataManagerPtr manager(webkit_website_data_manager_new(
        "base-data-directory", data.c_str(), "base-cache-directory", cache.c_str(), nullptr));
    // Without a file of their own the engine keeps cookies in memory only, and a login would
    // not survive a restart.
    const CharsPtr cookies(g_build_filename(data.c_str(), "cookies.sqlite", nullptr));
    webkit_cookie_manager_set_persistent_storage(
        webkit_website_data_manager_get_cookie_manager(manager.get()), cookies.get(),
        WEBKIT_COOKIE_PERSISTENT_STORAGE_SQLITE);
    return manager;
}

}  // namespace

WebContext::WebContext()
    : data_(MakeDataManager()),
      context_(webkit_web_context_new_with_website_data_manager(data_.get())),
      cancellable_(g_cancellable_new()) {
    // Pages come from the internet: their processes run confined. WebKit itself honours
    // WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS where the kernel cannot provide the sandbox.
    webkit_web_context_set_sandbox_enabled(context_.get(), TRUE);
    // One game page at a time: a browser's large memory caches would only cost memory.
    webkit_web_context_set_cache_model(context_.get(), WEBKIT_CACHE_MODEL_DOCUMENT_BROWSER);
}

WebContext::~WebContext() {
    g_cancellable_cancel(cancellable_.get());
}

void WebContext::ClearCookies() {
    ++clears_pending_;
    // The callback may come after this object is gone; it holds only a weak pointer.
    auto weak_self = std::make_unique<std::weak_ptr<WebContext>>(weak_from_this());
    webkit_website_data_manager_clear(data_.get(), WEBKIT_WEBSITE_DATA_COOKIES, 0,
                                      cancellable_.get(), OnCleared, weak_self.release());
}

void WebContext::OnCleared(GObject* manager, GAsyncResult* result, gpointer weak_self) {
    const std::unique_ptr<std::weak_ptr<WebContext>> weak(
        static_cast<std::weak_ptr<WebContext>*>(weak_self));
    GError* raw_error = nullptr;
    webkit_website_data_manager_clear_finish(WEBKIT_WEBSITE_DATA_MANAGER(manager), result,
                                             &raw_error);
    const ErrorPtr error(raw_error);
    if (const std::shared_ptr<WebContext> self = weak->lock()) {
        // Failed or not, what waits must not wait for ever.
        if (--self->clears_pending_ == 0) {
            self->RunWaiting();
        }
    }
}

void WebContext::AfterCookiesCleared(const void* owner, std::function<void()> action) {
    if (clears_pending_ == 0) {
        action();
        return;
    }
    waiting_.emplace_back(owner, std::move(action));
}

void WebContext::Forget(const void* owner) {
    std::erase_if(waiting_, [owner](const auto& entry) { return entry.first == owner; });
}

void WebContext::RunWaiting() {
    // An action may queue or forget others.
    while (!waiting_.empty() && clears_pending_ == 0) {
        auto action = std::move(waiting_.front().second);
        waiting_.erase(waiting_.begin());
        action();
    }
}

}  // namespace platform::gtk
