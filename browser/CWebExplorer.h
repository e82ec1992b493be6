#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/WebView.h"
#include "ui/CWnd.h"

class CCustomControlSite;

// A browser control: a child window whose content is a web page. Its host is the dialog it
// sits in, which hears its navigation events through IBrowserEventSink.
class CWebExplorer : public CWnd {
  public:
    static constexpr std::u16string_view kClassId = u"{8856F961-340A-11D0-A96B-00C04FD705A2}";

    CWebExplorer();
    ~CWebExplorer() override;

    // The page engine starts once the message loop is idle, so windows show before it; a
    // navigation asked for earlier happens then. Refresh does nothing without a page.
    void Navigate(std::u16string_view address);
    void Refresh();

    // Null until the control is created, and when the engine could not start.
    platform::WebView* View() const { return view_.get(); }

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void TakeOverFrom(CWnd& previous) override;

  private:
    class Events;

    void CreateView();
    void SyncView();

    std::unique_ptr<CCustomControlSite> site_;
    // Speaks for the window, not for this object, so it survives a hand-over of the window.
    std::unique_ptr<Events> events_;
    std::unique_ptr<platform::WebView> view_;
    std::u16string pending_address_;
};
