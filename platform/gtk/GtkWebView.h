#pragma once

#include <memory>
#include <string>

#include "platform/WebView.h"
#include "platform/gtk/WebHandles.h"

namespace platform::gtk {

class GtkNativeWindow;
class WebContext;

// A WebKit view placed in a rectangle of a GtkNativeWindow's client area. It never opens
// windows of its own: pages asking for one get the address loaded in place, if the host lets
// them go there at all.
class GtkWebView final : public WebView {
  public:
    GtkWebView(GtkNativeWindow& parent, WebViewSink& sink, const WebViewSettings& settings,
               std::shared_ptr<WebContext> context);
    ~GtkWebView() override;
    GtkWebView(const GtkWebView&) = delete;
    GtkWebView& operator=(const GtkWebView&) = delete;

    void SetGeometry(const ui::Rect& client_rect) override;
    void Show(bool visible) override;
    void Focus() override;
    void Navigate(std::u16string_view address) override;
    void Reload() override;
    void SetRightButtonAsLeft(bool enabled) override;
    std::u16string CurrentAddress() const override;

  private:
    // The C callbacks GTK and WebKit call, defined next to the code that connects them.
    struct Signals;
    friend struct Signals;

    WebKitWebView* View() const { return WEBKIT_WEB_VIEW(view_.get()); }
    // Loads an address the host has already allowed, without asking again.
    void LoadApproved(const std::string& uri);
    // Asks the host; true when the navigation may go on. The host may destroy this view while
    // it answers, which `alive` tells afterwards.
    bool MayNavigate(const char* uri, const std::weak_ptr<int>& alive);
    void OnPolicy(WebKitPolicyDecision* decision, WebKitPolicyDecisionType type);
    void OnCreate(WebKitNavigationAction* action);
    void RewriteButton(GdkEventButton& event);
    void RewriteMotion(GdkEventMotion& event) const;

    WebViewSink& sink_;
    std::shared_ptr<WebContext> context_;
    ObjectPtr host_;  // the parent's container, kept for disconnecting from it
    OwnedWidgetPtr view_;
    ui::Rect geometry_;
    const bool context_menu_;
    bool right_as_left_ = false;
    bool right_press_rewritten_ = false;  // its release and drags are rewritten too
    std::string approved_uri_;            // a load the host allowed before it started
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace platform::gtk
