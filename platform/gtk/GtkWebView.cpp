#include "platform/gtk/GtkWebView.h"

#include <algorithm>
#include <utility>

#include "platform/gtk/GtkNativeWindow.h"
#include "platform/gtk/WebContext.h"
#include "ui/TextEncoding.h"

namespace platform::gtk {
namespace {

constexpr guint kLeftButton = 1;
constexpr guint kRightButton = 3;

// The document's own scroll bars (of every frame) take no room and never show; the page
// still scrolls. A user sheet's !important rules win over the page's.
constexpr const char* kHideScrollBars =
    "html { scrollbar-width: none !important; }\n"
    "html::-webkit-scrollbar, body::-webkit-scrollbar {"
    " display: none !important; width: 0 !important; height: 0 !important; }\n";

guint RightMaskAsLeft(guint state) {
    if ((state & GDK_BUTTON3_MASK) == 0) {
        return state;
    }
    return (state & ~static_cast<guint>(GDK_BUTTON3_MASK)) | GDK_BUTTON1_MASK;
}

UserContentManagerPtr MakeUserContent(const WebViewSettings& settings) {
    UserContentManagerPtr content(webkit_user_content_manager_new());
    if (!settings.scroll_bars) {
        const UserStyleSheetPtr sheet(
            webkit_user_style_sheet_new(kHideScrollBars, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                                        WEBKIT_USER_STYLE_LEVEL_USER, nullptr, nullptr));
        webkit_user_content_manager_add_style_sheet(content.get(), sheet.get());
    }
    if (!settings.document_start_script.empty()) {
        const UserScriptPtr script(webkit_user_script_new(
            settings.document_start_script.c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
            WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr));
        webkit_user_content_manager_add_script(content.get(), script.get());
    }
    return content;
}

OwnedWidgetPtr MakeView(WebContext& context, const WebViewSettings& settings) {
    const UserContentManagerPtr content = MakeUserContent(settings);
    const WebSettingsPtr web_settings(webkit_settings_new());
    webkit_settings_set_enable_developer_extras(web_settings.get(), FALSE);
    auto* view =
        g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", context.Get(), "user-content-manager",
                     content.get(), "settings", web_settings.get(), nullptr);
    return OwnedWidgetPtr(GTK_WIDGET(g_object_ref_sink(view)));
}

// An empty new window is one a script means to fill itself; loading it in place would only
// blank the page.
bool IsBlank(const std::string& uri) {
    return uri.empty() || uri == "about:blank";
}

std::string RequestedUri(WebKitNavigationAction* action) {
    const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
    return uri != nullptr ? uri : "";
}

}  // namespace

struct GtkWebView::Signals {
    static gboolean DecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                 WebKitPolicyDecisionType type, gpointer self) {
        if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) {
            return FALSE;  // WebKit's own choice of showing or refusing the content
        }
        static_cast<GtkWebView*>(self)->OnPolicy(decision, type);
        return TRUE;
    }
    static GtkWidget* Create(WebKitWebView*, WebKitNavigationAction* action, gpointer self) {
        static_cast<GtkWebView*>(self)->OnCreate(action);
        return nullptr;
    }
    static gboolean ContextMenu(WebKitWebView*, WebKitContextMenu*, GdkEvent*, WebKitHitTestResult*,
                                gpointer self) {
        return static_cast<GtkWebView*>(self)->context_menu_ ? FALSE : TRUE;
    }
    // The event is changed before WebKit's own handler, which runs after these, reads it.
    static gboolean Button(GtkWidget*, GdkEventButton* event, gpointer self) {
        static_cast<GtkWebView*>(self)->RewriteButton(*event);
        return FALSE;
    }
    static gboolean Motion(GtkWidget*, GdkEventMotion* event, gpointer self) {
        static_cast<GtkWebView*>(self)->RewriteMotion(*event);
        return FALSE;
    }
    static gboolean FocusIn(GtkWidget*, GdkEventFocus*, gpointer self) {
        static_cast<GtkWebView*>(self)->sink_.OnWebViewFocus();
        return FALSE;
    }
    static gboolean ChildPosition(GtkOverlay*, GtkWidget* widget, GdkRectangle* allocation,
                                  gpointer self) {
        const auto* view = static_cast<GtkWebView*>(self);
        if (widget != view->view_.get()) {
            return FALSE;  // another view's
        }
        const ui::Rect& r = view->geometry_;
        *allocation = {r.left, r.top, std::max(r.Width(), 0), std::max(r.Height(), 0)};
        return TRUE;
    }

    static void Connect(GtkWebView& view) {
        const struct {
            const char* signal;
            GCallback handler;
        } kHandlers[] = {
            {"decide-policy", G_CALLBACK(DecidePolicy)},
            {"create", G_CALLBACK(Create)},
            {"context-menu", G_CALLBACK(ContextMenu)},
            {"button-press-event", G_CALLBACK(Button)},
            {"button-release-event", G_CALLBACK(Button)},
            {"motion-notify-event", G_CALLBACK(Motion)},
            {"focus-in-event", G_CALLBACK(FocusIn)},
        };
        for (const auto& h : kHandlers) {
            g_signal_connect(view.view_.get(), h.signal, h.handler, &view);
        }
        g_signal_connect(view.host_.get(), "get-child-position", G_CALLBACK(ChildPosition), &view);
    }
};

GtkWebView::GtkWebView(GtkNativeWindow& parent, WebViewSink& sink, const WebViewSettings& settings,
                       std::shared_ptr<WebContext> context)
    : sink_(sink),
      context_(std::move(context)),
      host_(G_OBJECT(g_object_ref(parent.ChildHost()))),
      view_(MakeView(*context_, settings)),
      context_menu_(settings.context_menu) {
    Signals::Connect(*this);
    gtk_overlay_add_overlay(GTK_OVERLAY(host_.get()), view_.get());
    gtk_widget_show(view_.get());
}

GtkWebView::~GtkWebView() {
    context_->Forget(this);
    // Destroying the view emits focus and load signals; nothing of this object may answer.
    g_signal_handlers_disconnect_by_data(host_.get(), this);
    g_signal_handlers_disconnect_by_data(view_.get(), this);
}

void GtkWebView::SetGeometry(const ui::Rect& client_rect) {
    geometry_ = client_rect;
    gtk_widget_queue_resize(view_.get());
}

void GtkWebView::Show(bool visible) {
    gtk_widget_set_visible(view_.get(), visible);
}

void GtkWebView::Focus() {
    gtk_widget_grab_focus(view_.get());
}

void GtkWebView::Navigate(std::u16string_view address) {
    context_->AfterCookiesCleared(
        this, [this, uri = ui::ToUtf8(address)] { webkit_web_view_load_uri(View(), uri.c_str()); });
}

void GtkWebView::Reload() {
    context_->AfterCookiesCleared(this, [this] { webkit_web_view_reload(View()); });
}

void GtkWebView::SetRightButtonAsLeft(bool enabled) {
    right_as_left_ = enabled;
}

std::u16string GtkWebView::CurrentAddress() const {
    const char* uri = webkit_web_view_get_uri(View());
    return uri != nullptr ? ui::FromUtf8(uri) : std::u16string();
}

void GtkWebView::LoadApproved(const std::string& uri) {
    context_->AfterCookiesCleared(this, [this, uri] {
        approved_uri_ = uri;
        webkit_web_view_load_uri(View(), uri.c_str());
    });
}

bool GtkWebView::MayNavigate(const char* uri, const std::weak_ptr<int>& alive) {
    const bool cancel = sink_.OnBeforeNavigate(ui::FromUtf8(uri));
    return !cancel && !alive.expired();
}

void GtkWebView::OnPolicy(WebKitPolicyDecision* decision, WebKitPolicyDecisionType type) {
    WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
        WEBKIT_NAVIGATION_POLICY_DECISION(decision));
    const std::string uri = RequestedUri(action);
    const std::weak_ptr<int> alive = alive_;
    if (type == WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION) {
        if (!approved_uri_.empty() && uri == approved_uri_) {
            approved_uri_.clear();
            webkit_policy_decision_use(decision);
        } else if (MayNavigate(uri.c_str(), alive)) {
            webkit_policy_decision_use(decision);
        } else {
            webkit_policy_decision_ignore(decision);
        }
        return;
    }
    // A new window: never one; the address comes here instead.
    webkit_policy_decision_ignore(decision);
    if (!IsBlank(uri) && MayNavigate(uri.c_str(), alive)) {
        LoadApproved(uri);
    }
}

void GtkWebView::OnCreate(WebKitNavigationAction* action) {
    const std::string uri = RequestedUri(action);
    if (!IsBlank(uri) && MayNavigate(uri.c_str(), alive_)) {
        LoadApproved(uri);
    }
}

void GtkWebView::RewriteButton(GdkEventButton& event) {
    // A press that went in as the left button ends as it, whatever the setting is by then, or
    // the page would think the button stays down.
    bool rewrite = right_press_rewritten_;
    if (event.button == kRightButton) {
        if (event.type == GDK_BUTTON_PRESS) {
            rewrite = right_as_left_;
            right_press_rewritten_ = rewrite;
        } else if (event.type == GDK_BUTTON_RELEASE) {
            right_press_rewritten_ = false;
        }
        if (rewrite) {
            event.button = kLeftButton;
        }
    }
    if (rewrite) {
        event.state = RightMaskAsLeft(event.state);
    }
}

void GtkWebView::RewriteMotion(GdkEventMotion& event) const {
    if (right_press_rewritten_) {
        event.state = RightMaskAsLeft(event.state);
    }
}

}  // namespace platform::gtk
