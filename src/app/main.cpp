#include "app/CGameApp.h"

#include "gfx/Diagnostics.h"
#include "gfx/Gdi.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int showCommand) {
    App.Instance = instance;
    StartDebugOutput();
    App.RegisterWindowClass(instance);
    if (!App.CreateMainWindow(instance, showCommand)) {
        return 0;
    }
    App.LoadAcceleratorTable();
    const int code = App.Run();
    // The game goes first so that the report sees what it made freed again.
    App.Game.reset();
    ReportLeaks();
    return code;
}
