#include "browser/CCustomControlSite.h"

#include "browser/CImpIDispatch.h"

platform::WebViewSettings CCustomControlSite::HostSettings() {
    platform::WebViewSettings settings;
    settings.context_menu = false;
    settings.scroll_bars = false;
    if (external_ != nullptr) {
        // Each page that gets the object holds a reference to it.
        external_->AddRef();
        settings.document_start_script = CImpIDispatch::PageScript();
    }
    return settings;
}
