// MessageBoxA: a box in the middle of the screen with a caption bar, an icon, the text and its buttons,
// answered by a click or by Enter, Escape, Y and N. While it is open the other windows go on receiving
// their posted messages, paints and timers; when it closes, what it covered is repainted. The end of the
// session closes it as Escape would (No, or OK), and a box shown after that closes so at once: nothing
// may keep the program from ending with the session.
#include "message_box.h"

#include <algorithm>
#include <vector>

#include <cstring>

#include "platform/backend/display.h"
#include "queue.h"
#include "window.h"

namespace user {

namespace {

BoxAnswerer& Answerer() {
    static BoxAnswerer answerer = nullptr;
    return answerer;
}

struct Button {
    RECT rect;
    const char* label;
    int result;
};

struct Box {
    RECT frame{}, caption{}, icon{}, text{};
    std::vector<Button> buttons;
    HFONT font = nullptr, bold = nullptr;
    UINT type = 0;
};

constexpr int kMargin = 14, kCaption = 22, kIcon = 32, kButtonWidth = 76, kButtonHeight = 26;

Box Layout(HDC dc, const char* text, const char* caption, UINT type) {
    Box box;
    box.type = type;
    box.font = CreateFontA(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, VARIABLE_PITCH | FF_SWISS, "Sans");
    box.bold = CreateFontA(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, VARIABLE_PITCH | FF_SWISS, "Sans");
    gdi::Surface& screen = gdi::ScreenSurface();
    bool question = (type & 0xF0) == MB_ICONQUESTION, information = (type & 0xF0) == MB_ICONINFORMATION;
    int iconSpace = question || information ? kIcon + kMargin : 0;
    HGDIOBJ old = SelectObject(dc, box.font);
    int widest = std::max(200, std::min(screen.width * 2 / 3, 460));
    RECT measure{0, 0, widest - iconSpace - 2 * kMargin, 0};
    DrawTextA(dc, text, -1, &measure, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    SIZE captionSize{};
    GetTextExtentPoint32A(dc, caption, int(std::strlen(caption)), &captionSize);
    SelectObject(dc, old);
    int buttonCount = (type & 0x0F) == MB_YESNO ? 2 : 1;
    int contentWidth = std::max<int>({int(measure.right) + iconSpace, buttonCount * (kButtonWidth + 10) - 10,
                                      int(captionSize.cx) + 8});
    int width = std::min<int>(contentWidth + 2 * kMargin, screen.width);
    int textHeight = std::max<int>(int(measure.bottom), iconSpace ? kIcon : 0);
    int height = std::min(kCaption + kMargin + textHeight + kMargin + kButtonHeight + kMargin, screen.height);
    int left = (screen.width - width) / 2, top = (screen.height - height) / 2;
    box.frame = {left, top, left + width, top + height};
    box.caption = {left + 1, top + 1, left + width - 1, top + kCaption};
    int y = top + kCaption + kMargin;
    if (iconSpace) box.icon = {left + kMargin, y, left + kMargin + kIcon, y + kIcon};
    box.text = {left + kMargin + iconSpace, y, left + width - kMargin, y + textHeight};
    int buttonsLeft = left + (width - (buttonCount * (kButtonWidth + 10) - 10)) / 2;
    int buttonsTop = top + height - kMargin - kButtonHeight;
    auto place = [&](int i, const char* label, int result) {
        int x = buttonsLeft + i * (kButtonWidth + 10);
        box.buttons.push_back({{x, buttonsTop, x + kButtonWidth, buttonsTop + kButtonHeight}, label, result});
    };
    if (buttonCount == 2) {
        place(0, "Yes", IDYES);
        place(1, "No", IDNO);
    } else {
        place(0, "OK", IDOK);
    }
    return box;
}

void CenteredText(HDC dc, const char* text, const RECT& r) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text, int(std::strlen(text)), &size);
    TextOutA(dc, r.left + (r.right - r.left - size.cx) / 2, r.top + (r.bottom - r.top - size.cy) / 2, text,
             int(std::strlen(text)));
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void DrawBox(const Box& box, const char* text, const char* caption) {
    HDC dc = GetDC(nullptr);
    Fill(dc, box.frame, RGB(0, 0, 0));
    RECT inside{box.frame.left + 1, box.frame.top + 1, box.frame.right - 1, box.frame.bottom - 1};
    Fill(dc, inside, RGB(236, 236, 236));
    Fill(dc, box.caption, RGB(40, 80, 160));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, box.bold);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT captionText{box.caption.left + 6, box.caption.top + 3, box.caption.right - 4, box.caption.bottom};
    DrawTextA(dc, caption, -1, &captionText, DT_SINGLELINE | DT_NOPREFIX);
    if (box.icon.right > box.icon.left) {
        bool question = (box.type & 0xF0) == MB_ICONQUESTION;
        HBRUSH disc = CreateSolidBrush(question ? RGB(40, 110, 220) : RGB(40, 150, 90));
        HGDIOBJ oldBrush = SelectObject(dc, disc);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
        Ellipse(dc, box.icon.left, box.icon.top, box.icon.right, box.icon.bottom);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(disc);
        CenteredText(dc, question ? "?" : "i", box.icon);
    }
    SelectObject(dc, box.font);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT body = box.text;
    DrawTextA(dc, text, -1, &body, DT_WORDBREAK | DT_NOPREFIX);
    for (const Button& b : box.buttons) {
        Fill(dc, b.rect, RGB(0, 0, 0));
        RECT face{b.rect.left + 1, b.rect.top + 1, b.rect.right - 1, b.rect.bottom - 1};
        Fill(dc, face, RGB(250, 250, 250));
        CenteredText(dc, b.label, face);
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
}

// What Escape answers: No, or OK for a box without a choice.
int NegativeAnswer(UINT type) { return (type & 0x0F) == MB_YESNO ? IDNO : IDOK; }

// The answer a key gives, or 0.
int KeyAnswer(const Box& box, const backend::InputEvent& e) {
    bool yesNo = box.buttons.size() == 2;
    if (e.kind == backend::InputEvent::KeyDown) {
        if (e.key == VK_RETURN) return box.buttons.front().result;
        if (e.key == VK_ESCAPE) return NegativeAnswer(box.type);
    }
    if (e.kind == backend::InputEvent::Char && yesNo) {
        if (e.character == 'y' || e.character == 'Y') return IDYES;
        if (e.character == 'n' || e.character == 'N') return IDNO;
    }
    return 0;
}

int ClickAnswer(const Box& box, const backend::InputEvent& e) {
    if (e.kind != backend::InputEvent::LeftUp) return 0;
    for (const Button& b : box.buttons)
        if (PtInRect(&b.rect, {e.x, e.y})) return b.result;
    return 0;
}

// Posted messages and paints of the other windows until none is left, then one timer at most, so that a
// slow timer cannot keep the box from its input; true when something painted.
bool ServeOtherWindows() {
    bool painted = false;
    MSG m;
    while (TakeMessageOtherThanInput(m)) {
        painted = painted || m.message == WM_PAINT;
        DispatchMessageA(&m);
        if (m.message == WM_TIMER) break;
    }
    return painted;
}

int RunBox(const Box& box, const char* text, const char* caption) {
    DrawBox(box, text, caption);
    for (;;) {
        if (SessionEnding()) return NegativeAnswer(box.type);
        if (ServeOtherWindows()) DrawBox(box, text, caption);
        backend::InputEvent e;
        if (!TakeInputEvent(e, WaitBeforeNext(nullptr, 0, 0))) continue;
        if (e.kind == backend::InputEvent::Exposed) {
            DrawBox(box, text, caption);
            continue;
        }
        if (int answer = KeyAnswer(box, e)) return answer;
        if (int answer = ClickAnswer(box, e)) return answer;
    }
}

}  // namespace

BoxAnswerer SetBoxAnswerer(BoxAnswerer answerer) {
    BoxAnswerer previous = Answerer();
    Answerer() = answerer;
    return previous;
}

}  // namespace user

using namespace user;

int WINAPI MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    if (SessionEnding()) return NegativeAnswer(type);
    if (!text) text = "";
    if (!caption) caption = "Error";
    HDC dc = GetDC(nullptr);
    Box box = Layout(dc, text, caption, type);
    ReleaseDC(nullptr, dc);
    int answer = Answerer() ? (DrawBox(box, text, caption), Answerer()(caption, text, type)) : 0;
    if (!answer) answer = RunBox(box, text, caption);
    DeleteObject(box.font);
    DeleteObject(box.bold);
    InvalidateScreenArea(ToBox(box.frame));
    return answer;
}
