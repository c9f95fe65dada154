// A foreground target in a process of its own: one top-level window with a
// given number of child windows of a given class, as another program's
// window is to Veltrac. Arguments: the child class name and the count.
// WM_CLOSE ends it.
#include <windows.h>
#include <stdio.h>

#define CHILDREN_CLASS "Veltrac Bench Children"

static LRESULT CALLBACK TopProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static bool Register(HINSTANCE hInstance, const char *name, WNDPROC proc)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = hInstance;
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int)
{
    char szClass[64] = "";
    int nChildren = 0;
    if (sscanf(lpCmdLine ? lpCmdLine : "", "%63s %d", szClass, &nChildren) != 2)
        return 2;
    if (!Register(hInstance, CHILDREN_CLASS, TopProc) || !Register(hInstance, szClass, DefWindowProcA))
        return 1;
    HWND top = CreateWindowExA(0, CHILDREN_CLASS, "Bench children target",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 100, 600, 360, NULL, NULL,
                               hInstance, NULL);
    if (!top)
        return 1;
    for (int i = 0; i < nChildren; i++)
        CreateWindowExA(0, szClass, "", WS_CHILD | WS_VISIBLE, 4 + (i % 20) * 28,
                        4 + (i / 20) * 28, 24, 24, top, (HMENU)(INT_PTR)(i + 1), hInstance, NULL);
    UpdateWindow(top);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
