// The graphics objects behind the handles, and the table that hands them out.
#pragma once

#include <memory>
#include <vector>

#include "platform/api/gdi.h"
#include "surface.h"

namespace gdi {

enum class Kind { Pen, Brush, Palette, Bitmap, Dc, Font, Icon };

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    Kind kind;
    bool stock = false;
    int selections = 0;          // device contexts that have it selected
    bool deletePending = false;  // deleted while selected: goes when the last DC lets go
};

struct Pen : Object {
    Pen() : Object(Kind::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF colour = 0;
};

struct Brush : Object {
    Brush() : Object(Kind::Brush) {}
    int style = BS_SOLID;  // BS_SOLID, BS_NULL or BS_HATCHED
    int hatch = 0;
    COLORREF colour = 0;
};

struct Palette : Object {
    Palette() : Object(Kind::Palette) {}
    std::vector<PALETTEENTRY> entries;
};

struct DeviceContext;

struct Bitmap : Object {
    Bitmap() : Object(Kind::Bitmap) {}
    Surface surface;
    DeviceContext* selectedInto = nullptr;  // a bitmap is in at most one DC at a time
    void* dibBits = nullptr;                // the caller-visible bits of a DIB section
};

// Handles are table slots with a generation, so a stale handle finds nothing.
HGDIOBJ AddObject(std::unique_ptr<Object> object);
Object* FindObject(HGDIOBJ handle);
void RemoveObject(HGDIOBJ handle);
// Objects with a handle now, device contexts and stock objects included: what a leak shows in.
size_t LiveObjectCount();

template <class T>
T* Find(HGDIOBJ handle, Kind kind) {
    Object* object = FindObject(handle);
    return object && object->kind == kind ? static_cast<T*>(object) : nullptr;
}
inline Pen* FindPen(HGDIOBJ h) { return Find<Pen>(h, Kind::Pen); }
inline Brush* FindBrush(HGDIOBJ h) { return Find<Brush>(h, Kind::Brush); }
inline Palette* FindPalette(HGDIOBJ h) { return Find<Palette>(h, Kind::Palette); }
inline Bitmap* FindBitmap(HGDIOBJ h) { return Find<Bitmap>(h, Kind::Bitmap); }

// The stock objects, made on first use; index as for GetStockObject.
HGDIOBJ StockObject(int index);
// The 1 × 1 monochrome bitmap every new memory DC starts with.
HBITMAP DefaultBitmap();
// A new zeroed bitmap of 1 or 32 bits a pixel; null when the size is impossible.
HBITMAP NewBitmap(int width, int height, int bpp);

// Called when a DC lets go of an object: finishes a deletion that waited for it.
void ReleaseSelection(HGDIOBJ handle);

}  // namespace gdi
