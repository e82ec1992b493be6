#include "ui/CWinApp.h"

#include "ui/Desktop.h"

namespace {

CWinApp* g_app = nullptr;

std::u16string FileName(std::u16string_view path) {
    const auto slash = path.find_last_of(u'/');
    return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

// Executables here carry no extension; a name that came with the Windows one loses it, so the
// application name reads the same on both.
std::u16string WithoutExtension(const std::u16string& name) {
    constexpr std::u16string_view kExe = u".exe";
    if (name.size() > kExe.size()) {
        std::u16string tail = name.substr(name.size() - kExe.size());
        for (char16_t& c : tail) {
            c = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
        }
        if (tail == kExe) {
            return name.substr(0, name.size() - kExe.size());
        }
    }
    return name;
}

}  // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

int CWinApp::Run() {
    ui::MessageQueue& queue = ui::Desktop::Get().Queue();
    while (queue.PumpMessage()) {
    }
    return ExitInstance();
}

void CWinApp::SetCommandLine(std::u16string_view module_path,
                             const std::vector<std::u16string>& args) {
    module_path_ = module_path;
    command_line_ = module_path_;
    for (const std::u16string& arg : args) {
        command_line_ += u' ';
        command_line_ += arg;
    }
    m_pszAppName = WithoutExtension(FileName(module_path));
}

CWinApp* AfxGetApp() {
    return g_app;
}

std::u16string AfxAppName() {
    return g_app != nullptr ? g_app->m_pszAppName : std::u16string();
}

int AfxWinMain(CWinApp& app) {
    if (!app.InitInstance()) {
        return app.ExitInstance();
    }
    return app.Run();
}
