#include "files/journal.h"

#include <cstring>

#include "base/settings.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "canvas/selection.h"
#include "canvas/tools.h"
#include "dib/dib.h"
#include "draw/drawing.h"
#include "files/durable_file.h"
#include "files/pictures_folder.h"
#include "files/save_print.h"

namespace {

// Not a picture name: the chooser never lists the journal.
constexpr char kJournalName[] = "UNSAVED.DAB";
constexpr char kJournalTemporary[] = "UNSAVED.TMP";
// Where a journal that is no picture goes, out of the way of the next one.
constexpr char kSetAsideName[] = "UNSAVED.BAD";

constexpr UINT kTimerMilliseconds = 500;
// The child has paused.
constexpr DWORD kPauseMilliseconds = 2000;
// A child who never pauses still has the journal brought up to date this often.
constexpr DWORD kLongestWaitMilliseconds = 30000;

struct Journal {
    HGLOBAL kept = nullptr;  // the picture last saved or opened, or the blank canvas at start
    bool pending = false;    // the child did something since the journal was last brought up to date
    DWORD firstActivity = 0;
    DWORD lastActivity = 0;
    bool held = false;
    // A journal left behind that could not become a picture is never written over.
    bool blocked = false;
};

Journal& TheJournal() {
    static Journal journal;
    return journal;
}

const BYTE* PictureBits(const BYTE* block, const BITMAPINFOHEADER& info) {
    return block + info.biSize + DibColourTableSize(&info);
}

// Every pixel is one of the table's whites.
bool IsBlank(HGLOBAL picture) {
    BITMAPINFOHEADER info;
    if (!GetDibInfo(picture, &info) || info.biBitCount != 8) return false;
    const auto* block = static_cast<const BYTE*>(GlobalLock(picture));
    if (!block) return false;
    const auto* table = reinterpret_cast<const RGBQUAD*>(block + info.biSize);
    bool white[256] = {};
    for (int i = 0; i < DibColourCount(&info); i++)
        white[i] = table[i].rgbRed == 255 && table[i].rgbGreen == 255 && table[i].rgbBlue == 255;
    const BYTE* row = PictureBits(block, info);
    DWORD stride = (DWORD(info.biWidth) + 3) & ~3u;
    bool blank = true;
    for (LONG y = 0; y < info.biHeight && blank; y++, row += stride) {
        // A row of one white is blank; the first pixel tells which.
        blank = white[row[0]] && std::memcmp(row, row + 1, size_t(info.biWidth) - 1) == 0;
    }
    GlobalUnlock(picture);
    return blank;
}

bool SamePicture(HGLOBAL a, HGLOBAL b) {
    if (!a || !b || GlobalSize(a) != GlobalSize(b)) return false;
    const void* left = GlobalLock(a);
    const void* right = GlobalLock(b);
    bool same = left && right && std::memcmp(left, right, GlobalSize(a)) == 0;
    GlobalUnlock(a);
    GlobalUnlock(b);
    return same;
}

// What the child sees: the canvas, unless the chooser hides it or part of it waits to be repainted, in which
// case the snapshot, which that repaint shows.
HGLOBAL PictureShown() {
    if (!IsWindowVisible(canvasWindow) || GetUpdateRect(canvasWindow, nullptr, FALSE)) return CanvasPicture(pictureDC);
    Drawing canvas(canvasWindow, nullptr);
    return CanvasPicture(canvas.dc());
}

bool HoldsUnsavedWork(HGLOBAL picture) {
    return picture && !SamePicture(picture, TheJournal().kept) && !IsBlank(picture);
}

void RemoveJournal() {
    if (TheJournal().blocked) return;
    PicturesFolderEntered folder;
    if (folder.entered()) DeleteFileA(kJournalName);
}

// Written whole beside the journal, then moved over it: a journal is always a whole picture.
void WriteJournal(HGLOBAL picture) {
    if (TheJournal().blocked) return;
    PicturesFolderEntered folder;
    if (!folder.entered()) return;
    // A leftover of a run that stopped part way through a write.
    DeleteFileA(kJournalTemporary);
    if (WriteNewDibFile(kJournalTemporary, picture) != NewFileWrite::kWhole) return;
    if (!MoveFileDurably(kJournalTemporary, kJournalName, true)) DeleteFileA(kJournalTemporary);
}

void BringJournalUpToDate() {
    HGLOBAL picture = PictureShown();
    if (!picture) return;
    if (HoldsUnsavedWork(picture))
        WriteJournal(picture);
    else
        RemoveJournal();
    GlobalFree(picture);
}

// A journal left behind by a run that did not end: saved as a new picture as the save button saves one.
void RecoverJournal() {
    Journal& journal = TheJournal();
    HGLOBAL left = ReadDibFile(kJournalName);
    if (!left) {
        OFSTRUCT record;
        bool exists = OpenFile(kJournalName, &record, OF_EXIST) != HFILE_ERROR;
        if (exists && !MoveFileDurably(kJournalName, kSetAsideName, true)) journal.blocked = true;
        return;
    }
    if (SavePictureBlock(left))
        DeleteFileA(kJournalName);
    else
        journal.blocked = true;
    GlobalFree(left);
}

void StopTimer() {
    KillTimer(frameWindow, kJournalTimer);
}

}  // namespace

void StartJournal() {
    {
        PicturesFolderEntered folder;
        if (folder.entered()) RecoverJournal();
    }
    PictureKept(CanvasPicture(pictureDC));
}

void NoteChildActivity(UINT message) {
    if (!CurrentSettings().keepUnsavedWork) return;
    if (message != WM_LBUTTONDOWN && message != WM_LBUTTONUP && message != WM_RBUTTONDOWN && message != WM_CHAR)
        return;
    Journal& journal = TheJournal();
    DWORD now = GetTickCount();
    if (!journal.pending) {
        journal.pending = true;
        journal.firstActivity = now;
        SetTimer(frameWindow, kJournalTimer, kTimerMilliseconds, nullptr);
    }
    journal.lastActivity = now;
}

void JournalTimer() {
    Journal& journal = TheJournal();
    if (!journal.pending) {
        StopTimer();
        return;
    }
    // Never part way through a stroke, and never the box or the selection's marquee over the canvas.
    if (journal.held || StrokeActive() || SelectionMarqueeShown()) return;
    DWORD now = GetTickCount();
    if (now - journal.lastActivity < kPauseMilliseconds && now - journal.firstActivity < kLongestWaitMilliseconds)
        return;
    journal.pending = false;
    StopTimer();
    BringJournalUpToDate();
}

void HoldJournal(bool held) { TheJournal().held = held; }

void PictureKept(HGLOBAL picture) {
    Journal& journal = TheJournal();
    if (!picture) return;
    if (journal.kept) GlobalFree(journal.kept);
    journal.kept = picture;
    RemoveJournal();
}

HGLOBAL UnsavedPicture() {
    HGLOBAL picture = PictureShown();
    if (HoldsUnsavedWork(picture)) return picture;
    if (picture) GlobalFree(picture);
    return nullptr;
}

int SaveAsKeptPicture(HGLOBAL picture) {
    int saved = SavePictureBlock(picture);
    if (saved)
        PictureKept(picture);
    else if (picture)
        GlobalFree(picture);
    return saved;
}

void KeepPicture(HGLOBAL unsaved) {
    if (!CurrentSettings().keepUnsavedWork) {
        if (unsaved) GlobalFree(unsaved);
        return;
    }
    if (unsaved)
        SaveAsKeptPicture(unsaved);
    else
        RemoveJournal();
}

void KeepUnsavedPicture() {
    if (!CurrentSettings().keepUnsavedWork) return;
    // The marquee is no part of the picture.
    if (SelectionMarqueeShown()) CancelSelection();
    KeepPicture(UnsavedPicture());
}

void EndJournal() {
    Journal& journal = TheJournal();
    StopTimer();
    journal.pending = false;
    if (journal.kept) GlobalFree(journal.kept);
    journal.kept = nullptr;
}
