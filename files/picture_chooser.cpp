#include "files/picture_chooser.h"

#include <algorithm>
#include <cstring>

#include "base/frame_layout.h"
#include "base/frame_requests.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "dib/dib.h"
#include "draw/drawing.h"
#include "draw/frame_drawing.h"
#include "files/journal.h"
#include "files/pictures_folder.h"
#include "files/save_print.h"

namespace {

std::vector<std::string> pictureList;
int pictureListEnd = 1;
int chooserFirst;
int chooserLast;
bool deletePictureMode;

bool pictureChooserShown = false;

constexpr COLORREF kTitleColour = 0x02FFFFFF;
constexpr char kTitle[] = "Choose a picture by clicking it...";

// A colouring picture fills a 640 × 480 screen's canvas unscaled; larger canvases get it stretched.
constexpr int kColouringWidth = 590;
constexpr int kColouringHeight = 408;
constexpr int kSmallCanvasHeight = 500;

std::string UpperCased(const char* name) {
    std::string upper(name);
    for (char& c : upper) c = c >= 'a' && c <= 'z' ? char(c - 32) : c;
    return upper;
}

struct FoundPicture {
    std::string name;
    time_t written;
};

// The pictures of the current folder, each named by the folder given and its name.
void FindPictures(const std::string& folder, std::vector<FoundPicture>& found) {
    _finddata_t entry;
    intptr_t search = _findfirst("*.bmp", &entry);
    if (search == -1) return;
    do {
        if (!(entry.attrib & _A_SUBDIR)) found.push_back({folder + UpperCased(entry.name), entry.time_write});
    } while (_findnext(search, &entry) == 0);
    _findclose(search);
}

// The child's latest picture on the first page: newest first, and in the search's order for equal times.
void SortNewestFirst(std::vector<FoundPicture>& found) {
    std::stable_sort(found.begin(), found.end(),
                     [](const FoundPicture& a, const FoundPicture& b) { return a.written > b.written; });
}

// Whether the slot names a file that can be opened now; the list may be older than a deletion.
bool SlotFileOpens(int index) {
    OFSTRUCT record;
    HFILE file = OpenFile(PictureSlotName(index), &record, OF_READ);
    if (file == HFILE_ERROR) return false;
    _lclose(file);
    return true;
}

void DrawPreview(HDC frame, int index, POINT cell) {
    const char* name = PictureSlotName(index);
    HGLOBAL picture = ReadDibFile(name);
    HPALETTE kept = SelectPalette(frame, appPalette, FALSE);
    RealizePalette(frame);
    SetStretchBltMode(frame, IsColouringPictureName(name) ? BLACKONWHITE : COLORONCOLOR);
    StretchDibToDevice(frame, cell.x, cell.y, kPreviewWidth, kPreviewHeight, picture, 0, 0, -1, -1, SRCCOPY);
    SelectPalette(frame, kept, TRUE);
    if (picture) GlobalFree(picture);
}

// The page's previews in grid order; false when a slot without a file ended the page early.
bool DrawPreviews(HDC frame) {
    for (int index = chooserFirst, cell = 0; index <= chooserLast && cell < kPictureCells; index++, cell++) {
        if (!SlotFileOpens(index)) return false;
        DrawPreview(frame, index, PictureCellOrigin(cell));
    }
    return true;
}

// Draws the picture over the canvas; false when the file gave no picture, so nothing was drawn.
bool DrawLoadedPicture(HDC canvas, const char* name) {
    HGLOBAL picture = ReadDibFile(name);
    HPALETTE kept = SelectPalette(canvas, appPalette, FALSE);
    RealizePalette(canvas);
    bool colouring = IsColouringPictureName(name);
    if (colouring) {
        SetStretchBltMode(canvas, BLACKONWHITE);
        UseColouringMode(true);
    } else {
        SetStretchBltMode(canvas, COLORONCOLOR);
    }
    if (colouring && canvasHeight < kSmallCanvasHeight) {
        StretchDibToDevice(canvas, 0, 0, kColouringWidth, kColouringHeight, picture, 0, 0, kColouringWidth,
                           kColouringHeight, SRCCOPY);
    } else {
        StretchDibToDevice(canvas, 0, 0, canvasWidth, canvasHeight, picture, 0, 0, -1, -1, SRCCOPY);
    }
    SelectPalette(canvas, kept, TRUE);
    if (!picture) return false;
    GlobalFree(picture);
    return true;
}

// A grown-up can bring a deleted picture back from the desktop's trash; where no trash takes it, it is
// deleted.
void MoveToTrash(const char* name) {
    std::string path = std::strchr(name, '\\') ? name : programDirectory + "\\" + name;
    path.push_back('\0');
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = frameWindow;
    operation.wFunc = FO_DELETE;
    operation.pFrom = path.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationA(&operation);
}

}  // namespace

const std::vector<std::string>& PictureList() { return pictureList; }

int PictureListEnd() { return pictureListEnd; }

int ChooserFirst() { return chooserFirst; }

int ChooserLast() { return chooserLast; }

bool DeletingPictures() { return deletePictureMode; }

bool PictureChooserShown() { return pictureChooserShown; }

void LeavePictureChooser() { pictureChooserShown = false; }

const char* PictureSlotName(int index) {
    if (index < 1 || index >= pictureListEnd) return "";
    return pictureList[size_t(index)].c_str();
}

bool IsColouringPictureName(const char* name) {
    // Pictures of the pictures' folder are named with it.
    if (const char* last = std::strrchr(name, '\\')) name = last + 1;
    return (name[0] == 'C' || name[0] == 'c') && (name[1] == 'B' || name[1] == 'b');
}

void BuildPictureList() {
    std::vector<FoundPicture> found;
    if (PicturesFolderIsSeparate()) {
        PicturesFolderEntered folder;
        if (folder.entered()) FindPictures(PicturesFolder() + "\\", found);
    }
    SetCurrentDirectoryA(programDirectory.c_str());
    FindPictures("", found);
    SortNewestFirst(found);
    pictureList.assign(1, "");
    for (FoundPicture& picture : found) pictureList.push_back(std::move(picture.name));
    pictureListEnd = int(pictureList.size());
}

void OpenPictureChooser(bool toDelete) {
    deletePictureMode = toDelete;
    pictureListEnd = chooserFirst = chooserLast = 1;
    BuildPictureList();
    if (pictureListEnd < 2) {
        AskFrame(kShowFirstToolPage);
        return;
    }
    chooserFirst = 1;
    chooserLast = pictureListEnd <= 4 ? pictureListEnd : 4;
    ShowWindow(canvasWindow, SW_HIDE);
    UpdateWindow(frameWindow);
    DrawChooserPage();
    pictureChooserShown = true;
}

void DrawChooserPage() {
    bool complete;
    {
        Drawing d(Drawing::kFrame);
        HDC frame = d.dc();
        DrawNavyRectangle(d, {kCanvasLeft, kCanvasTop, canvasWidth, canvasHeight});
        SetBkMode(frame, TRANSPARENT);
        SetTextColor(frame, kTitleColour);
        TextOutA(frame, kChooserTitleOrigin.x, kChooserTitleOrigin.y, kTitle, int(sizeof kTitle - 1));
        complete = DrawPreviews(frame);
    }
    if (complete) DrawChooserArrow(pictureListEnd > 4 ? 1 : 0);
}

void DrawChooserArrow(int show) {
    HICON arrow;
    {
        Drawing frame(frameWindow, nullptr);
        arrow = LoadIconA(appInstance, "ICON_4");
        if (show == 1) DrawIcon(frame.dc(), kChooserArrowOrigin.x, kChooserArrowOrigin.y, arrow);
    }
    DestroyIcon(arrow);
}

void NextChooserPage() {
    if (chooserLast + 1 > pictureListEnd) {
        chooserFirst = 1;
        chooserLast = 4;
    } else {
        chooserFirst = chooserLast + 1;
        chooserLast = pictureListEnd > chooserFirst + 3 ? chooserFirst + 3 : pictureListEnd;
    }
    DrawChooserPage();
    DrawChooserArrow(1);
}

void LoadPicture(int index) {
    if (index > pictureListEnd - 1) return;
    ShowWindow(canvasWindow, SW_SHOWNORMAL);
    if (deletePictureMode) {
        MoveToTrash(PictureSlotName(index));
    } else {
        bool drawn;
        {
            Drawing canvas(canvasWindow, nullptr);
            drawn = DrawLoadedPicture(canvas.dc(), PictureSlotName(index));
        }
        // Until its repaint the canvas shows what the chooser drew there; only a picture drawn over all
        // of it may become the snapshot, else the child's picture would give way to the chooser.
        if (drawn) {
            TakeSnapshot();
            PictureKept(CanvasPicture(pictureDC));
        }
    }
    deletePictureMode = false;
    pictureChooserShown = false;
    AskFrame(kShowFirstToolPage);
}
