#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/WinDef.h"

class CWnd;

// The application: one global object whose InitInstance runs the program. When InitInstance
// returns FALSE the program ends without a message loop of its own; ExitInstance runs in
// every case and gives the exit code.
class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // The message loop, for applications whose InitInstance returns TRUE.
    virtual int Run();

    // Called by main(): the executable's path and arguments. The application name is the
    // executable's file name (without a Windows ".exe").
    void SetCommandLine(std::u16string_view module_path, const std::vector<std::u16string>& args);
    // The whole command line: the executable's path, then the arguments, joined by spaces.
    const std::u16string& GetCommandLine() const { return command_line_; }
    const std::u16string& GetModulePath() const { return module_path_; }

    CWnd* m_pMainWnd = nullptr;
    std::u16string m_pszAppName;

  private:
    std::u16string module_path_;
    std::u16string command_line_;
};

CWinApp* AfxGetApp();
// The caption of message boxes shown without one.
std::u16string AfxAppName();
// Runs the application object: InitInstance, the loop if asked for, ExitInstance.
int AfxWinMain(CWinApp& app);
