#pragma once

#include "platform/WebView.h"

class CImpIDispatch;

// The host side of one browser control: how every page shown in the program looks and what it
// gets. No context menu, no border, no scroll bars, the browser's own keyboard handling, and
// the process's one external object as window.external.
class CCustomControlSite {
  public:
    explicit CCustomControlSite(CImpIDispatch* external) : external_(external) {}

    // What the browser engine is told to do for this control.
    platform::WebViewSettings HostSettings();

  private:
    CImpIDispatch* external_;
};
