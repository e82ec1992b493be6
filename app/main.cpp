// The client's entry point: picks the real window backend and runs the application object.

#include <cstdio>
#include <exception>
#include <memory>
#include <vector>

#include "app/CMicroGameClientApp.h"
#include "platform/Process.h"
#include "platform/gtk/GtkBackend.h"
#include "ui/Desktop.h"
#include "ui/TextEncoding.h"

CMicroGameClientApp theApp;

int main(int argc, char** argv) {
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(ui::FromUtf8(argv[i]));
    }
    std::u16string path = platform::Process::ExecutablePath();
    if (path.empty() && argc > 0) {
        path = ui::FromUtf8(argv[0]);
    }
    theApp.SetCommandLine(path, args);

    std::unique_ptr<platform::gtk::GtkBackend> backend;
    try {
        backend = std::make_unique<platform::gtk::GtkBackend>();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "MicroGameClient: %s\n", error.what());
        return 1;
    }
    ui::Desktop::Get().SetBackend(backend.get());
    const int status = AfxWinMain(theApp);
    ui::Desktop::Get().Reset();
    ui::Desktop::Get().SetBackend(nullptr);
    return status;
}
