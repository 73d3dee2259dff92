// The picture files on a 1920 × 1080 screen: a chooser page of four 590 × 408 previews, opening such a
// picture from the chooser (the click, the picture stretched over the canvas, the canvas's repaint), and
// writing the whole canvas picture to a new file without the message box, opening the chooser on a folder of
// many pictures, the print button's click, and the journal's look at the canvas and its write when the
// child pauses.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "base/sound.h"
#include "base/state.h"
#include "bench_canvas.h"
#include "files/journal.h"
#include "files/picture_chooser.h"
#include "files/save_print.h"
#include "platform/testing.h"

namespace {

namespace fs = std::filesystem;

// Two colouring pictures and two ordinary ones, so that both stretching modes are measured.
const char* const kPictures[4] = {"CBCAT.BMP", "CBHOUSE.BMP", "HILLS.BMP", "SEA.BMP"};

fs::path MakeFolder() {
    std::string pattern = (fs::temp_directory_path() / "dab-files-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return {};
    return pattern;
}

// A program folder with the four pictures, made the program's for the benchmarks.
const fs::path& PictureFolder() {
    static const fs::path folder = [] {
        fs::path made = MakeFolder();
        for (const char* name : kPictures) fs::copy_file(fs::path(DAB_DATA_DIR) / name, made / name);
        return made;
    }();
    return folder;
}

void Click(int x, int y) {
    testing::Press(x + 1, y + 1);
    testing::Release(x + 1, y + 1);
    testing::WaitUntilIdle();
}

void OpenChooser() {
    // The files page, then its open button.
    Click(20, 420);
    Click(35 * 1 + 41, 18);
}

void UseFolder(const fs::path& folder) {
    StartBenchProgram();
    if (SoundIsOn()) SwitchSound();
    programDirectory = folder.string();
}

void BM_ChooserPage(benchmark::State& run) {
    UseFolder(PictureFolder());
    OpenChooser();
    for (auto _ : run) DrawChooserPage();
    run.counters["previews"] = ChooserLast() - ChooserFirst() + 1;
    Click(20, 20);
}
BENCHMARK(BM_ChooserPage)->Unit(benchmark::kMillisecond);

// The click on a preview until the program is idle again; arg 0 a colouring picture, 2 an ordinary one.
void BM_LoadPicture(benchmark::State& run) {
    UseFolder(PictureFolder());
    int cell = int(run.range(0));
    for (auto _ : run) {
        run.PauseTiming();
        OpenChooser();
        run.ResumeTiming();
        Click(200 + 200 * (cell % 2), 175 + 150 * (cell / 2));
    }
    run.SetLabel(kPictures[cell]);
}
BENCHMARK(BM_LoadPicture)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SaveCanvasPicture(benchmark::State& run) {
    fs::path folder = MakeFolder();
    UseFolder(folder);
    HDC canvas = GetDC(canvasWindow);
    for (auto _ : run) {
        if (!SaveCanvasPicture(canvas)) run.SkipWithError("the picture was not saved");
        run.PauseTiming();
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove(entry.path());
        run.ResumeTiming();
    }
    ReleaseDC(canvasWindow, canvas);
    fs::remove_all(folder);
    run.counters["width"] = canvasWidth;
    run.counters["height"] = canvasHeight;
}
BENCHMARK(BM_SaveCanvasPicture)->Unit(benchmark::kMillisecond);

// The open button's click until the first page of previews shows, with that many pictures in the folder,
// listed newest first.
void BM_OpenChooser(benchmark::State& run) {
    fs::path folder = MakeFolder();
    fs::copy_file(PictureFolder() / "SEA.BMP", folder / "P0000.BMP");
    for (int i = 1; i < run.range(0); i++) {
        fs::path name = folder / ("P" + std::to_string(10000 + i).substr(1) + ".BMP");
        fs::create_hard_link(folder / "P0000.BMP", name);
    }
    UseFolder(folder);
    for (auto _ : run) {
        OpenChooser();
        run.PauseTiming();
        Click(20, 20);
        run.ResumeTiming();
    }
    run.counters["listed"] = PictureListEnd() - 1;
    fs::remove_all(folder);
}
BENCHMARK(BM_OpenChooser)->Arg(4)->Arg(2000)->Unit(benchmark::kMillisecond);

// The print button's click until the program waits for the child again: the canvas read, an A4 page at
// 300 dpi drawn and handed over. Sending it to the printer is the backend's, off the program's thread.
void BM_PrintClick(benchmark::State& run) {
    UseFolder(PictureFolder());
    testing::SetDefaultPrinter("Bench Printer");
    testing::SetPrinterPage(2480, 3508, 300);
    Click(20, 420);
    for (auto _ : run) {
        Click(35 * 3 + 41, 18);
        run.PauseTiming();
        if (testing::PrintJobs().size() != 1) run.SkipWithError("the picture was not printed");
        testing::ClearPrintJobs();
        run.ResumeTiming();
    }
    testing::UseSystemPrinterPage();
    testing::UseSystemDefaultPrinter();
    Click(20, 20);
}
BENCHMARK(BM_PrintClick)->Unit(benchmark::kMillisecond);

// A folder of no pictures, and a drawing on the canvas that no picture holds.
void UseFolderWithADrawing() {
    UseFolder(MakeFolder());
    HDC canvas = GetDC(canvasWindow);
    PatBlt(canvas, 100, 100, 300, 200, BLACKNESS);
    ReleaseDC(canvasWindow, canvas);
}

// The journal's look at the canvas when the child pauses: the picture read and found to hold unsaved work.
void BM_JournalCheck(benchmark::State& run) {
    UseFolderWithADrawing();
    for (auto _ : run) {
        HGLOBAL unsaved = UnsavedPicture();
        if (!unsaved) run.SkipWithError("the drawing was not found unsaved");
        else GlobalFree(unsaved);
    }
    fs::remove_all(programDirectory);
}
BENCHMARK(BM_JournalCheck)->Unit(benchmark::kMillisecond);

// A pause after drawing: the check, then the journal written whole, flushed and moved over the last one.
void BM_JournalWrite(benchmark::State& run) {
    UseFolderWithADrawing();
    for (auto _ : run) {
        run.PauseTiming();
        NoteChildActivity(WM_LBUTTONUP);
        testing::AdvanceClock(2500);
        run.ResumeTiming();
        JournalTimer();
    }
    if (!fs::exists(fs::path(programDirectory) / "UNSAVED.DAB")) run.SkipWithError("no journal was written");
    fs::remove_all(programDirectory);
}
BENCHMARK(BM_JournalWrite)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    int result = RunProgramBenchmarks(argc, argv);
    fs::remove_all(PictureFolder());
    return result;
}
