// Program entry: one instance at a time (unless "-letmeopen2"), start-up,
// the message loop, shutdown. Exit code 1 when another instance runs or a
// start-up step fails, else the WM_QUIT code (0).
#include "app/elevate_win.h"
#include "app/startup.h"
#include "scroll/settings.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    SetDefaultSettings();
    const char *cmd = lpCmdLine ? lpCmdLine : "";
    if (!WaitForRestartingCopy(cmd))
        return 1;
    if (YieldToOtherInstance(cmd))
        return 1;
    HACCEL hAccel;
    if (!StartUp(hInstance, cmd, nCmdShow, &hAccel))
        return 1;
    int code = MessageLoop(hAccel);
    ShutDown();
    return code;
}
