// gdi-replay: runs a script of graphics calls on a memory DC and writes the pixels as a PPM. The same source
// is built against our engine and against the real gdi32, so that both can be compared on the same drawing.
//
// Statements beyond the base list (see statements.md beside this file):
//
// | statement                                      | call                                                      |
// |------------------------------------------------|-----------------------------------------------------------|
// | SetTextColor colour                            | SetTextColor                                              |
// | FillRect l t r b brush                         | FillRect with the named brush                             |
// | CreateBitmap name w h                          | CreateBitmap(w, h, 1, 1, NULL): a monochrome bitmap, black |
// | CreateCompatibleBitmap name w h                | CreateCompatibleBitmap with the script's DC               |
// | CreateDIBSection name w h                      | CreateDIBSection, 32-bit BI_RGB, biHeight h (< 0 top-down) |
// | CreateDC name bitmap                           | CreateCompatibleDC(script's DC), then selects the bitmap  |
// | UseDC name                                     | later drawing statements act on that DC                   |
// | UseMainDC                                      | later drawing statements act on the script's DC again     |
// | BitBltFrom dc dx dy w h sx sy rop              | BitBlt from the named DC into the current one             |
// | StretchBltFrom dc dx dy dw dh sx sy sw sh rop  | StretchBlt from the named DC into the current one         |
// | GetDIBitsBack bits w h                         | GetDIBits of the current DC's bitmap (biWidth w, biHeight |
// |                                                | h, the DC's palette), then StretchDIBits of it to (0, 0)  |
// | GetDIBitsThroughScreen bits w h palette        | the same through the screen DC with the palette selected  |
#include "platform/win32.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

enum class Op {
    CreatePen,
    CreateSolidBrush,
    CreateHatchBrush,
    CreateHollowBrush,
    GetStockObject,
    CreatePalette,
    SelectObject,
    SelectPalette,
    RealizePalette,
    DeleteObject,
    SetROP2,
    SetBkMode,
    SetBkColor,
    SetStretchBltMode,
    MoveToEx,
    LineTo,
    Rectangle,
    Ellipse,
    Polygon,
    SetPixel,
    GetSetPixel,
    ExtFloodFill,
    FloodFillAt,
    PatBlt,
    BitBlt,
    StretchBlt,
    InvertRect,
    StretchDIBits,
    SetTextColor,
    FillRect,
    CreateBitmap,
    CreateCompatibleBitmap,
    CreateDIBSection,
    CreateDC,
    UseDC,
    UseMainDC,
    BitBltFrom,
    StretchBltFrom,
    GetDIBitsBack,
    GetDIBitsThroughScreen,
};

// The arguments of a statement, one letter each: '+' a name it creates, '@' a name it uses, '-' a name it
// deletes, 'n' a number, 'f' a BMP file, '*' any count of numbers to the end of the line.
struct Form {
    const char* name;
    Op op;
    const char* args;
};

const Form forms[] = {
    {"CreatePen", Op::CreatePen, "+nnn"},
    {"CreateSolidBrush", Op::CreateSolidBrush, "+n"},
    {"CreateHatchBrush", Op::CreateHatchBrush, "+nn"},
    {"CreateHollowBrush", Op::CreateHollowBrush, "+"},
    {"GetStockObject", Op::GetStockObject, "+n"},
    {"CreatePalette", Op::CreatePalette, "+*"},
    {"SelectObject", Op::SelectObject, "@"},
    {"SelectPalette", Op::SelectPalette, "@n"},
    {"RealizePalette", Op::RealizePalette, ""},
    {"DeleteObject", Op::DeleteObject, "-"},
    {"SetROP2", Op::SetROP2, "n"},
    {"SetBkMode", Op::SetBkMode, "n"},
    {"SetBkColor", Op::SetBkColor, "n"},
    {"SetStretchBltMode", Op::SetStretchBltMode, "n"},
    {"MoveToEx", Op::MoveToEx, "nn"},
    {"LineTo", Op::LineTo, "nn"},
    {"Rectangle", Op::Rectangle, "nnnn"},
    {"Ellipse", Op::Ellipse, "nnnn"},
    {"Polygon", Op::Polygon, "*"},
    {"SetPixel", Op::SetPixel, "nnn"},
    {"GetSetPixel", Op::GetSetPixel, "nnnn"},
    {"ExtFloodFill", Op::ExtFloodFill, "nnnn"},
    {"FloodFillAt", Op::FloodFillAt, "nnn"},
    {"PatBlt", Op::PatBlt, "nnnnn"},
    {"BitBlt", Op::BitBlt, "nnnnnnn"},
    {"StretchBlt", Op::StretchBlt, "nnnnnnnnn"},
    {"InvertRect", Op::InvertRect, "nnnn"},
    {"StretchDIBits", Op::StretchDIBits, "nnnnnnnnfn"},
    {"SetTextColor", Op::SetTextColor, "n"},
    {"FillRect", Op::FillRect, "nnnn@"},
    {"CreateBitmap", Op::CreateBitmap, "+nn"},
    {"CreateCompatibleBitmap", Op::CreateCompatibleBitmap, "+nn"},
    {"CreateDIBSection", Op::CreateDIBSection, "+nn"},
    {"CreateDC", Op::CreateDC, "+@"},
    {"UseDC", Op::UseDC, "@"},
    {"UseMainDC", Op::UseMainDC, ""},
    {"BitBltFrom", Op::BitBltFrom, "@nnnnnnn"},
    {"StretchBltFrom", Op::StretchBltFrom, "@nnnnnnnnn"},
    {"GetDIBitsBack", Op::GetDIBitsBack, "nnn"},
    {"GetDIBitsThroughScreen", Op::GetDIBitsThroughScreen, "nnn@"},
};

// A BMP file as StretchDIBits takes it: the header with its colour table, and the rows.
struct Dib {
    std::vector<unsigned char> info;
    std::vector<unsigned char> bits;
    int32_t width;
    int32_t height;
};

struct Statement {
    explicit Statement(Op kind) : op(kind) {}
    Op op;
    int object = -1;             // the object the statement creates or deletes
    int used = -1;               // the object it uses
    int bitmap = -1;             // UseDC: the bitmap its DC was created with
    std::vector<uint32_t> n;     // the numbers, as 32-bit words
    std::vector<POINT> points;   // Polygon
    std::vector<unsigned char> palette;  // CreatePalette: the LOGPALETTE
    int dib = -1;                // StretchDIBits: index into Script::dibs
};

enum class Owner { None, Object, Dc };

struct Script {
    int width = 0;
    int height = 0;
    std::vector<Statement> statements;
    std::vector<Dib> dibs;
    // Per object: made by a Create call and never deleted, so freed at the end (DCs first).
    std::vector<Owner> owned;
};

struct ParseError {
    std::string message;
};

int32_t i32(uint32_t word) { return static_cast<int32_t>(word); }

bool parseNumber(const std::string& token, uint32_t& out) {
    size_t at = 0;
    bool negative = false;
    if (at < token.size() && token[at] == '-') {
        negative = true;
        ++at;
    }
    int base = 10;
    if (token.compare(at, 2, "0x") == 0) {
        base = 16;
        at += 2;
    }
    if (at == token.size()) return false;
    int64_t value = 0;
    for (; at < token.size(); ++at) {
        char c = token[at];
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return false;
        }
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL) return false;
    }
    if (negative) value = -value;
    if (value < INT32_MIN) return false;
    out = static_cast<uint32_t>(value);
    return true;
}

bool isName(const std::string& token) {
    if (token.empty() || token[0] < 'a' || token[0] > 'z') return false;
    for (char c : token) {
        bool ok = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok) return false;
    }
    return true;
}

uint32_t le16(const std::vector<unsigned char>& b, size_t at) { return b[at] | b[at + 1] << 8; }

uint32_t le32(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

Dib readDib(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ParseError{"cannot read BMP file " + path};
    std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t fileHeader = 14;
    if (file.size() < fileHeader + 12 || file[0] != 'B' || file[1] != 'M') {
        throw ParseError{"not a BMP file: " + path};
    }
    uint32_t offBits = le32(file, 10);
    uint32_t headerSize = le32(file, 14);
    // The 12-byte core header has 16-bit sizes, no compression and 3-byte colour table entries.
    bool core = headerSize == 12;
    if (!core && file.size() < fileHeader + 40) throw ParseError{"not a BMP file: " + path};
    Dib dib;
    dib.width = core ? le16(file, 18) : i32(le32(file, 18));
    dib.height = core ? le16(file, 20) : i32(le32(file, 22));
    uint32_t bitCount = le16(file, core ? 24 : 28);
    uint32_t compression = core ? BI_RGB : le32(file, 30);
    uint32_t sizeImage = core ? 0 : le32(file, 34);
    uint32_t clrUsed = core ? 0 : le32(file, 46);
    bool knownDepth = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
                      bitCount == 32;
    if ((headerSize < 40 && !core) || !knownDepth || dib.width <= 0 || dib.height == 0 || dib.height == INT32_MIN) {
        throw ParseError{"unsupported BMP header in " + path};
    }
    uint64_t colours = clrUsed != 0 ? clrUsed : (bitCount <= 8 ? 1u << bitCount : 0);
    uint64_t masks = (compression == BI_BITFIELDS && headerSize == 40) ? 12 : 0;
    uint64_t infoEnd = fileHeader + headerSize + masks + colours * (core ? 3 : 4);
    uint64_t rows = static_cast<uint64_t>(dib.height < 0 ? -static_cast<int64_t>(dib.height) : dib.height);
    uint64_t stride = (static_cast<uint64_t>(dib.width) * bitCount + 31) / 32 * 4;
    bool encoded = compression == BI_RLE8 || compression == BI_RLE4;
    uint64_t bitsSize = encoded ? sizeImage : stride * rows;
    if (infoEnd > file.size() || offBits + bitsSize > file.size()) {
        throw ParseError{"BMP file shorter than its header and rows: " + path};
    }
    dib.info.assign(file.begin() + fileHeader, file.begin() + static_cast<ptrdiff_t>(infoEnd));
    dib.bits.assign(file.begin() + offBits, file.begin() + static_cast<ptrdiff_t>(offBits + bitsSize));
    return dib;
}

std::string folderOf(const std::string& path) {
    // Both separators, since the reference build gets Windows paths.
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::vector<unsigned char> logPalette(const std::vector<uint32_t>& colours) {
    size_t count = colours.size();
    size_t bytes = sizeof(LOGPALETTE) + (count > 1 ? count - 1 : 0) * sizeof(PALETTEENTRY);
    std::vector<unsigned char> buffer(bytes);
    LOGPALETTE header{};
    header.palVersion = 0x300;
    header.palNumEntries = static_cast<WORD>(count);
    std::memcpy(buffer.data(), &header, sizeof header);
    size_t first = offsetof(LOGPALETTE, palPalEntry);
    for (size_t i = 0; i < count; ++i) {
        PALETTEENTRY entry{GetRValue(colours[i]), GetGValue(colours[i]), GetBValue(colours[i]), 0};
        std::memcpy(buffer.data() + first + i * sizeof entry, &entry, sizeof entry);
    }
    return buffer;
}

class Parser {
public:
    explicit Parser(const std::string& path) : folder_(folderOf(path)) {}

    Script parse(std::istream& in) {
        std::string text;
        for (line_ = 1; std::getline(in, text); ++line_) {
            std::vector<std::string> tokens = tokenize(text);
            if (!tokens.empty()) statement(tokens);
        }
        line_ = 0;
        if (script_.width == 0) fail("no size statement");
        return std::move(script_);
    }

    int line() const { return line_; }

private:
    static std::vector<std::string> tokenize(std::string text) {
        size_t hash = text.find('#');
        if (hash != std::string::npos) text.erase(hash);
        std::vector<std::string> tokens;
        size_t at = 0;
        while (true) {
            at = text.find_first_not_of(" \t\r", at);
            if (at == std::string::npos) break;
            size_t end = text.find_first_of(" \t\r", at);
            tokens.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
            at = end;
        }
        return tokens;
    }

    [[noreturn]] void fail(const std::string& message) { throw ParseError{message}; }

    uint32_t number(const std::string& token) {
        uint32_t value;
        if (!parseNumber(token, value)) fail("not a 32-bit number: " + token);
        return value;
    }

    int existing(const std::string& token) {
        if (!isName(token)) fail("not a name: " + token);
        auto found = names_.find(token);
        if (found == names_.end()) fail("no object named " + token);
        return found->second;
    }

    void statement(const std::vector<std::string>& tokens) {
        const std::string& name = tokens[0];
        if (name == "size") {
            sizeStatement(tokens);
            return;
        }
        if (script_.width == 0) fail("the first statement must be size");
        const Form* form = nullptr;
        for (const Form& f : forms) {
            if (name == f.name) form = &f;
        }
        if (form == nullptr) fail("unknown statement " + name);

        Statement s(form->op);
        size_t want = std::strlen(form->args);
        bool rest = want > 0 && form->args[want - 1] == '*';
        size_t fixed = rest ? want - 1 : want;
        if (tokens.size() - 1 < fixed || (!rest && tokens.size() - 1 > fixed)) {
            fail(name + " takes " + std::to_string(fixed) + (rest ? " or more" : "") + " arguments");
        }
        std::string created;
        for (size_t i = 1; i < tokens.size(); ++i) {
            char kind = i - 1 < fixed ? form->args[i - 1] : '*';
            const std::string& token = tokens[i];
            switch (kind) {
            case '+':
                if (!isName(token)) fail("not a name: " + token);
                created = token;
                break;
            case '@':
                s.used = existing(token);
                break;
            case '-':
                s.object = existing(token);
                names_.erase(token);
                script_.owned[s.object] = Owner::None;
                break;
            case 'f':
                script_.dibs.push_back(readDib(folder_ + "/" + token));
                s.dib = static_cast<int>(script_.dibs.size() - 1);
                break;
            default:
                s.n.push_back(number(token));
                break;
            }
        }
        if (s.op == Op::Polygon) {
            if (s.n.empty() || s.n.size() % 2 != 0) fail("Polygon takes pairs of coordinates, at least one");
            for (size_t i = 0; i < s.n.size(); i += 2) s.points.push_back(POINT{i32(s.n[i]), i32(s.n[i + 1])});
        }
        if (s.op == Op::CreatePalette) s.palette = logPalette(s.n);
        if (s.op == Op::GetDIBitsBack || s.op == Op::GetDIBitsThroughScreen) checkDibShape(s);
        if (s.op == Op::StretchDIBits) {
            const Dib& dib = script_.dibs[s.dib];
            if (i32(s.n[6]) == -1) s.n[6] = static_cast<uint32_t>(dib.width);
            if (i32(s.n[7]) == -1) s.n[7] = static_cast<uint32_t>(dib.height < 0 ? -dib.height : dib.height);
        }
        checkDcUse(s, name);
        if (!created.empty()) {
            s.object = static_cast<int>(script_.owned.size());
            script_.owned.push_back(owner(s.op));
            names_[created] = s.object;
            if (s.op == Op::CreateDC) dcBitmaps_[s.object] = s.used;
        }
        script_.statements.push_back(std::move(s));
    }

    static Owner owner(Op op) {
        if (op == Op::GetStockObject) return Owner::None;
        return op == Op::CreateDC ? Owner::Dc : Owner::Object;
    }

    // The statements that switch to or read from a DC need one made by CreateDC.
    void checkDcUse(Statement& s, const std::string& name) {
        bool wantsDc = s.op == Op::UseDC || s.op == Op::BitBltFrom || s.op == Op::StretchBltFrom;
        if (!wantsDc) return;
        auto found = dcBitmaps_.find(s.used);
        if (found == dcBitmaps_.end()) fail(name + " takes the name of a DC made by CreateDC");
        s.bitmap = found->second;
    }

    // GetDIBitsBack allocates the rows itself, so their shape must be sane.
    void checkDibShape(const Statement& s) {
        int32_t bits = i32(s.n[0]), w = i32(s.n[1]), h = i32(s.n[2]);
        if (bits < 1 || bits > 32) fail("GetDIBitsBack takes 1 to 32 bits a pixel");
        if (w < 1 || w > 4096 || h == 0 || h < -4096 || h > 4096) fail("GetDIBitsBack takes 1 to 4096 pixels each way");
    }

    void sizeStatement(const std::vector<std::string>& tokens) {
        if (script_.width != 0) fail("size given twice");
        if (tokens.size() != 3) fail("size takes 2 arguments");
        int32_t w = i32(number(tokens[1]));
        int32_t h = i32(number(tokens[2]));
        if (w < 1 || w > 4096 || h < 1 || h > 4096) fail("size must be 1 to 4096 each way");
        script_.width = w;
        script_.height = h;
    }

    std::string folder_;
    int line_ = 0;
    Script script_;
    std::map<std::string, int> names_;
    std::map<int, int> dcBitmaps_;  // DC object -> the bitmap object it was created with
};

// The bits GetDIBitsBack reads, with room for a full colour table.
struct DibBuffer {
    std::vector<unsigned char> info;
    std::vector<unsigned char> bits;
    BITMAPINFO* header() { return reinterpret_cast<BITMAPINFO*>(info.data()); }
};

DibBuffer emptyDib(int32_t bitCount, int32_t width, int32_t height) {
    DibBuffer dib;
    dib.info.assign(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
    BITMAPINFOHEADER& h = dib.header()->bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bitCount);
    h.biCompression = BI_RGB;
    size_t stride = (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
    dib.bits.assign(stride * static_cast<size_t>(height < 0 ? -height : height), 0);
    return dib;
}

// source: the DC GetDIBits is given; dc: the one the bitmap is in, where the result is drawn.
void getDibitsBack(HDC source, HDC dc, HGDIOBJ bitmap, int32_t bitCount, int32_t width, int32_t height) {
    DibBuffer dib = emptyDib(bitCount, width, height);
    int rows = height < 0 ? -height : height;
    GetDIBits(source, static_cast<HBITMAP>(bitmap), 0, static_cast<UINT>(rows), dib.bits.data(), dib.header(),
              DIB_RGB_COLORS);
    StretchDIBits(dc, 0, 0, width, rows, 0, 0, width, rows, dib.bits.data(), dib.header(), DIB_RGB_COLORS,
                  SRCCOPY);
}

HBITMAP createDibSection(HDC dc, int32_t width, int32_t height) {
    DibBuffer dib = emptyDib(32, width, height);
    void* bits = nullptr;
    return CreateDIBSection(dc, dib.header(), DIB_RGB_COLORS, &bits, nullptr, 0);
}

// Runs the statements on the script's DC and its bitmap, or on the DC a UseDC names.
void execute(HDC mainDc, HBITMAP mainBitmap, const Script& script, std::vector<HGDIOBJ>& objects) {
    HDC dc = mainDc;
    HGDIOBJ dcBitmap = mainBitmap;
    for (const Statement& s : script.statements) {
        auto a = [&s](size_t k) { return i32(s.n[k]); };
        HGDIOBJ object = s.object >= 0 ? objects[s.object] : nullptr;
        HGDIOBJ used = s.used >= 0 ? objects[s.used] : nullptr;
        switch (s.op) {
        case Op::CreatePen:
            objects[s.object] = CreatePen(a(0), a(1), s.n[2]);
            break;
        case Op::CreateSolidBrush:
            objects[s.object] = CreateSolidBrush(s.n[0]);
            break;
        case Op::CreateHatchBrush:
            objects[s.object] = CreateHatchBrush(a(0), s.n[1]);
            break;
        case Op::CreateHollowBrush: {
            LOGBRUSH hollow{BS_HOLLOW, 0, 0};
            objects[s.object] = CreateBrushIndirect(&hollow);
            break;
        }
        case Op::GetStockObject:
            objects[s.object] = GetStockObject(a(0));
            break;
        case Op::CreatePalette:
            objects[s.object] = CreatePalette(reinterpret_cast<const LOGPALETTE*>(s.palette.data()));
            break;
        case Op::SelectObject:
            SelectObject(dc, used);
            break;
        case Op::SelectPalette:
            SelectPalette(dc, static_cast<HPALETTE>(used), a(0));
            break;
        case Op::RealizePalette:
            RealizePalette(dc);
            break;
        case Op::DeleteObject:
            DeleteObject(object);
            break;
        case Op::SetROP2:
            SetROP2(dc, a(0));
            break;
        case Op::SetBkMode:
            SetBkMode(dc, a(0));
            break;
        case Op::SetBkColor:
            SetBkColor(dc, s.n[0]);
            break;
        case Op::SetStretchBltMode:
            SetStretchBltMode(dc, a(0));
            break;
        case Op::MoveToEx:
            MoveToEx(dc, a(0), a(1), nullptr);
            break;
        case Op::LineTo:
            LineTo(dc, a(0), a(1));
            break;
        case Op::Rectangle:
            Rectangle(dc, a(0), a(1), a(2), a(3));
            break;
        case Op::Ellipse:
            Ellipse(dc, a(0), a(1), a(2), a(3));
            break;
        case Op::Polygon:
            Polygon(dc, s.points.data(), static_cast<int>(s.points.size()));
            break;
        case Op::SetPixel:
            SetPixel(dc, a(0), a(1), s.n[2]);
            break;
        case Op::GetSetPixel:
            SetPixel(dc, i32(s.n[0] + s.n[2]), i32(s.n[1] + s.n[3]), GetPixel(dc, a(0), a(1)) | 0x02000000);
            break;
        case Op::ExtFloodFill:
            ExtFloodFill(dc, a(0), a(1), s.n[2], s.n[3]);
            break;
        case Op::FloodFillAt:
            ExtFloodFill(dc, a(0), a(1), GetPixel(dc, a(0), a(1)) | 0x02000000, s.n[2]);
            break;
        case Op::PatBlt:
            PatBlt(dc, a(0), a(1), a(2), a(3), s.n[4]);
            break;
        case Op::BitBlt:
            BitBlt(dc, a(0), a(1), a(2), a(3), dc, a(4), a(5), s.n[6]);
            break;
        case Op::StretchBlt:
            StretchBlt(dc, a(0), a(1), a(2), a(3), dc, a(4), a(5), a(6), a(7), s.n[8]);
            break;
        case Op::InvertRect: {
            RECT r{a(0), a(1), a(2), a(3)};
            InvertRect(dc, &r);
            break;
        }
        case Op::StretchDIBits: {
            const Dib& dib = script.dibs[s.dib];
            StretchDIBits(dc, a(0), a(1), a(2), a(3), a(4), a(5), a(6), a(7), dib.bits.data(),
                          reinterpret_cast<const BITMAPINFO*>(dib.info.data()), DIB_RGB_COLORS, s.n[8]);
            break;
        }
        case Op::SetTextColor:
            SetTextColor(dc, s.n[0]);
            break;
        case Op::FillRect: {
            RECT r{a(0), a(1), a(2), a(3)};
            FillRect(dc, &r, static_cast<HBRUSH>(used));
            break;
        }
        case Op::CreateBitmap:
            objects[s.object] = CreateBitmap(a(0), a(1), 1, 1, nullptr);
            break;
        case Op::CreateCompatibleBitmap:
            objects[s.object] = CreateCompatibleBitmap(mainDc, a(0), a(1));
            break;
        case Op::CreateDIBSection:
            objects[s.object] = createDibSection(mainDc, a(0), a(1));
            break;
        case Op::CreateDC: {
            HDC made = CreateCompatibleDC(mainDc);
            SelectObject(made, used);
            objects[s.object] = made;
            break;
        }
        case Op::UseDC:
            dc = static_cast<HDC>(used);
            dcBitmap = objects[s.bitmap];
            break;
        case Op::UseMainDC:
            dc = mainDc;
            dcBitmap = mainBitmap;
            break;
        case Op::BitBltFrom:
            BitBlt(dc, a(0), a(1), a(2), a(3), static_cast<HDC>(used), a(4), a(5), s.n[6]);
            break;
        case Op::StretchBltFrom:
            StretchBlt(dc, a(0), a(1), a(2), a(3), static_cast<HDC>(used), a(4), a(5), a(6), a(7), s.n[8]);
            break;
        case Op::GetDIBitsBack:
            getDibitsBack(dc, dc, dcBitmap, a(0), a(1), a(2));
            break;
        case Op::GetDIBitsThroughScreen: {
            HDC screen = GetDC(nullptr);
            HPALETTE old = SelectPalette(screen, static_cast<HPALETTE>(used), FALSE);
            RealizePalette(screen);
            getDibitsBack(screen, dc, dcBitmap, a(0), a(1), a(2));
            SelectPalette(screen, old, FALSE);
            ReleaseDC(nullptr, screen);
            break;
        }
        }
    }
}

struct RunResult {
    LONGLONG ticks = 0;
    std::vector<uint32_t> pixels;
};

// One run on a fresh white surface. Only the statements are timed; the pixels are read when asked for.
bool run(const Script& script, bool readPixels, RunResult& result) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, script.width, script.height);
    if (screen == nullptr || dc == nullptr || bitmap == nullptr) return false;
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    PatBlt(dc, 0, 0, script.width, script.height, PATCOPY);
    SelectObject(dc, oldBrush);

    std::vector<HGDIOBJ> objects(script.owned.size(), nullptr);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    execute(dc, bitmap, script, objects);
    QueryPerformanceCounter(&end);
    result.ticks += end.QuadPart - start.QuadPart;

    // The bitmap is deselected before GetDIBits reads it, as Windows asks.
    SelectObject(dc, oldBitmap);
    bool ok = true;
    if (readPixels) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = script.width;
        info.bmiHeader.biHeight = -script.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        result.pixels.assign(static_cast<size_t>(script.width) * script.height, 0);
        int lines = GetDIBits(screen, bitmap, 0, script.height, result.pixels.data(), &info, DIB_RGB_COLORS);
        ok = lines == script.height;
    }
    DeleteDC(dc);
    // DCs first, so that the bitmaps selected into them can go.
    for (Owner kind : {Owner::Dc, Owner::Object}) {
        for (size_t i = 0; i < objects.size(); ++i) {
            if (script.owned[i] != kind || objects[i] == nullptr) continue;
            if (kind == Owner::Dc) {
                DeleteDC(static_cast<HDC>(objects[i]));
            } else {
                DeleteObject(objects[i]);
            }
        }
    }
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return ok;
}

bool writePpm(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels) {
    std::vector<unsigned char> rgb;
    rgb.reserve(pixels.size() * 3);
    for (uint32_t p : pixels) {
        rgb.push_back(static_cast<unsigned char>(p >> 16));
        rgb.push_back(static_cast<unsigned char>(p >> 8));
        rgb.push_back(static_cast<unsigned char>(p));
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    std::fprintf(out, "P6\n%d %d\n255\n", width, height);
    bool ok = std::fwrite(rgb.data(), 1, rgb.size(), out) == rgb.size();
    return std::fclose(out) == 0 && ok;
}

int usage() {
    std::fprintf(stderr, "usage: gdi-replay SCRIPT OUT.ppm [--repeat N]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> paths;
    long repeat = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--repeat") {
            if (++i == argc) return usage();
            char* end;
            repeat = std::strtol(argv[i], &end, 10);
            if (*end != '\0' || repeat < 1) return usage();
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 2) return usage();
    const std::string& scriptPath = paths[0];

    std::ifstream in(scriptPath);
    if (!in) {
        std::fprintf(stderr, "%s: cannot read the script\n", scriptPath.c_str());
        return 2;
    }
    Parser parser(scriptPath);
    Script script;
    try {
        script = parser.parse(in);
    } catch (const ParseError& error) {
        if (parser.line() > 0) {
            std::fprintf(stderr, "%s:%d: %s\n", scriptPath.c_str(), parser.line(), error.message.c_str());
        } else {
            std::fprintf(stderr, "%s: %s\n", scriptPath.c_str(), error.message.c_str());
        }
        return 2;
    }

    long runs = repeat > 0 ? repeat : 1;
    RunResult result;
    for (long r = 0; r < runs; ++r) {
        if (!run(script, r == runs - 1, result)) {
            std::fprintf(stderr, "%s: could not set up or read the surface\n", scriptPath.c_str());
            return 1;
        }
    }
    if (!writePpm(paths[1], script.width, script.height, result.pixels)) {
        std::fprintf(stderr, "%s: cannot write\n", paths[1].c_str());
        return 1;
    }
    if (repeat > 0) {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        long double ns = static_cast<long double>(result.ticks) * 1e9L / frequency.QuadPart / runs;
        std::printf("ns_per_run %lld\n", static_cast<long long>(ns + 0.5L));
    }
    return 0;
}
