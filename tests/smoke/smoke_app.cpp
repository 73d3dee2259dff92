// A small program, not dab, for the smoke test: one window covering the screen, painted with the engine.
// Built twice, on SDL2 (run under Xvfb) and headless, so that both screens can be compared.
#include <cstdio>
#include <cstdlib>

#include "platform/win32.h"

namespace {

void Paint(HDC dc, int width, int height) {
    HBRUSH sky = CreateSolidBrush(RGB(120, 190, 250));
    RECT all{0, 0, width, height};
    FillRect(dc, &all, sky);
    HPEN pen = CreatePen(PS_SOLID, 5, RGB(200, 30, 40));
    HBRUSH sun = CreateSolidBrush(RGB(250, 220, 40));
    HBRUSH grass = CreateHatchBrush(HS_DIAGCROSS, RGB(20, 140, 40));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, sun);
    Ellipse(dc, width - 160, 30, width - 40, 150);
    SelectObject(dc, grass);
    Rectangle(dc, 0, height * 2 / 3, width, height);
    POINT roof[3] = {{100, 200}, {200, 110}, {300, 200}};
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Polygon(dc, roof, 3);
    for (int i = 0; i < 40; i++) {
        MoveToEx(dc, 20 + i * 15, 20, nullptr);
        LineTo(dc, 40 + i * 9, 90 + (i * 37) % 60);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(sun);
    DeleteObject(grass);
    DeleteObject(sky);
}

POINT stroke{};

// A stroke with the left button held, drawn as the mouse moves, as dab's pencil draws.
void DrawStroke(HWND window, POINT to) {
    HDC dc = GetDC(window);
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(90, 20, 160));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, stroke.x, stroke.y, nullptr);
    LineTo(dc, to.x, to.y);
    SelectObject(dc, old);
    DeleteObject(pen);
    ReleaseDC(window, dc);
    stroke = to;
}

// A wipe to black a row at a time within one message, as dab's transitions draw, with no timer: the
// display's own speed makes it seen as it happens.
void Wipe(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    for (int y = 0; y < client.bottom; y++) PatBlt(dc, 0, y, client.right, 1, BLACKNESS);
    ReleaseDC(window, dc);
}

LRESULT CALLBACK SmokeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            RECT client;
            GetClientRect(window, &client);
            Paint(dc, client.right, client.bottom);
            EndPaint(window, &ps);
            // Tells the smoke test the picture is there (it is shown as soon as the loop waits).
            if (const char* ready = std::getenv("DAB_SMOKE_READY"))
                if (FILE* f = std::fopen(ready, "w")) std::fclose(f);
            return 0;
        }
        case WM_LBUTTONDOWN:
            SetCapture(window);
            stroke = {short(LOWORD(lParam)), short(HIWORD(lParam))};
            return 0;
        case WM_MOUSEMOVE:
            if (wParam & MK_LBUTTON) DrawStroke(window, {short(LOWORD(lParam)), short(HIWORD(lParam))});
            return 0;
        case WM_LBUTTONUP: ReleaseCapture(); return 0;
        case WM_RBUTTONDOWN: Wipe(window); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA c{};
    c.lpfnWndProc = SmokeProc;
    c.hInstance = instance;
    c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    c.lpszClassName = "Smoke";
    if (!RegisterClassA(&c)) return 2;
    HWND w = CreateWindowExA(0, "Smoke", "smoke", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                             GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (!w) return 3;
    ShowWindow(w, show);
    UpdateWindow(w);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return int(m.wParam);
}
