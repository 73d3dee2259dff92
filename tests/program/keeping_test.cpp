// A child's picture is never lost: every ending of the program keeps unsaved work as a saved picture and
// keeps nothing else; the journal follows the child's pauses, becomes a picture at the next start and is
// set aside when broken; a saved picture opens as it was; a deleted picture goes to the trash; and a page
// change keeps the drawing in the snapshot.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include "canvas/tools.h"
#include "files/journal.h"
#include "files_helpers.h"
#include "region_helpers.h"

using namespace dab_test;

namespace {

enum Ending { kQuitYes, kWindowClose, kEndOfSession };
enum CanvasState { kDrawn, kBlank, kDrawnAndUndone, kOpenedUnchanged, kSavedUnchanged };

const char* EndingName(Ending e) {
    return e == kQuitYes ? "quit, Yes" : e == kWindowClose ? "a window close" : "the end of the session";
}

void Draw() { Stroke({{100, 100}, {300, 200}, {120, 250}}); }

void OpenNewestPicture() {
    ClickOnTheFilesPage(kOpen);
    ClickCell(0);
}

void Prepare(CanvasState state) {
    switch (state) {
        case kDrawn: Draw(); break;
        case kBlank: break;
        case kDrawnAndUndone:
            Draw();
            ClickUndoButton();
            break;
        case kOpenedUnchanged: OpenNewestPicture(); break;
        case kSavedUnchanged:
            Draw();
            SaveFromTheFilesPage();
            break;
    }
    // A colour chosen afterwards changes nothing on the canvas.
    ClickFrame(30, 30);
}

void End(Ending ending) {
    if (ending == kQuitYes) {
        testing::AnswerMessageBox(IDYES);
        testing::Press(screenWidth - 40, 30);
        testing::Release(screenWidth - 40, 30);
    } else if (ending == kWindowClose) {
        testing::RequestClose();
    } else {
        testing::RequestEndSession();
    }
    EXPECT_EQ(testing::WaitForExit(), 0);
}

std::vector<std::string> Added(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    std::vector<std::string> added;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
    return added;
}

// The whole canvas picture, as an independent decoder reads the file: the client as the child saw it.
void ExpectCanvasPicture(const std::filesystem::path& file, const std::vector<COLORREF>& client) {
    DecodedPicture decoded = DecodeWithPil(file);
    ASSERT_EQ(decoded.error, "") << file;
    EXPECT_EQ(decoded.width, canvasWidth);
    EXPECT_EQ(decoded.height, canvasHeight);
    EXPECT_TRUE(TopLeft(decoded.pixels, decoded.width, canvasWidth - 2, canvasHeight - 2) == client) << file;
}

TEST(Keeping, EveryEndingKeepsUnsavedWorkAndNothingElse) {
    struct Case {
        CanvasState state;
        const char* name;
        bool kept;
    };
    const Case cases[] = {
        {kDrawn, "drawn", true},
        {kBlank, "blank", false},
        {kDrawnAndUndone, "drawn and undone", false},
        {kOpenedUnchanged, "opened and unchanged", false},
        {kSavedUnchanged, "saved and unchanged", false},
    };
    for (Ending ending : {kQuitYes, kWindowClose, kEndOfSession}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(EndingName(ending)) + ", " + c.name);
            RunDab({640, 480}, [&] {
                TestProgramFolder folder({"SEA.BMP"});
                Prepare(c.state);
                std::vector<COLORREF> client = CanvasClient();
                std::vector<std::string> before = folder.Files();
                End(ending);
                std::vector<std::string> added = Added(before, folder.Files());
                if (!c.kept) {
                    EXPECT_TRUE(added.empty()) << added.front();
                    return;
                }
                ASSERT_EQ(added.size(), 1u);
                EXPECT_EQ(SavedPictureNames(added), added);
                ExpectCanvasPicture(folder / added[0], client);
                EXPECT_TRUE(testing::MessageBoxesShown().size() == (ending == kQuitYes ? 1u : 0u))
                    << "kept without the saved picture's box";
            });
        }
    }
}

// No to the quit question leaves the drawing on the canvas once the box has gone; a box shown when the
// session ends closes, and the picture under it is kept all the same.
TEST(Keeping, TheQuitQuestionCostsNoDrawing) {
    RunDab({640, 480}, [] {
        TestProgramFolder folder;
        Draw();
        std::vector<COLORREF> client = CanvasClient();
        testing::AnswerMessageBox(IDNO);
        ClickFrame(600, 30);
        EXPECT_TRUE(CanvasClient() == client) << "the repaint after the box took the drawing away";
        testing::LeaveMessageBoxOpen();
        testing::Press(600, 30);
        testing::Release(600, 30);
        testing::RequestEndSession();
        EXPECT_EQ(testing::WaitForExit(), 0);
        std::vector<std::string> saved = SavedPictureNames(folder.Files());
        ASSERT_EQ(saved.size(), 1u);
        ExpectCanvasPicture(folder / saved[0], client);
    });
}

bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

// The journal: written whole at a pause, never part way through a stroke, at least every 30 seconds while
// the child never pauses, gone once the picture is saved or back as it was; a full disk leaves the
// earlier journal; left behind, it becomes a saved picture at the next start, or is set aside when broken.
TEST(Keeping, TheJournalFollowsThePausesAndOutlivesTheRun) {
    RunDab({640, 480}, [] {
        TestProgramFolder folder({"SEA.BMP"});
        const std::filesystem::path journal = folder / "UNSAVED.DAB";
        Draw();
        testing::PassTime(1000);
        EXPECT_FALSE(Exists(journal)) << "not before a pause of two seconds";
        testing::PassTime(1500);
        ASSERT_TRUE(Exists(journal));
        ExpectCanvasPicture(journal, CanvasClient());
        std::vector<char> first = FileBytes(journal);

        // A stroke held for long is written only once it ends.
        CanvasPress({400, 300});
        CanvasMove({450, 350});
        testing::PassTime(5000);
        EXPECT_TRUE(FileBytes(journal) == first) << "written part way through a stroke";
        CanvasRelease({460, 360});
        testing::PassTime(2500);
        ExpectCanvasPicture(journal, CanvasClient());

        // Strokes a second apart: no pause, yet the journal is never more than 30 seconds behind.
        std::vector<char> beforeBusy = FileBytes(journal);
        for (int i = 0; i < 32; i++) {
            Stroke({{20 + 15 * i, 20}, {20 + 15 * i, 60}});
            testing::PassTime(1000);
        }
        EXPECT_FALSE(FileBytes(journal) == beforeBusy) << "never written while the child kept drawing";

        // Saved: nothing is unsaved, so no journal.
        SaveFromTheFilesPage();
        testing::MessageBoxesShown();
        EXPECT_FALSE(Exists(journal));
        // Drawn and undone is the saved picture again.
        Stroke({{300, 50}, {500, 80}});
        testing::PassTime(2500);
        EXPECT_TRUE(Exists(journal));
        ClickUndoButton();
        testing::PassTime(2500);
        EXPECT_FALSE(Exists(journal));

        // A disk that fills while the journal is written: the earlier journal, the pictures and the
        // canvas stay.
        Stroke({{50, 300}, {200, 320}});
        testing::PassTime(2500);
        std::vector<char> earlier = FileBytes(journal);
        std::vector<std::string> files = folder.Files();
        Stroke({{50, 350}, {200, 370}});
        std::vector<COLORREF> canvas = CanvasClient();
        signal(SIGXFSZ, SIG_IGN);
        rlimit kept{};
        getrlimit(RLIMIT_FSIZE, &kept);
        rlimit small = kept;
        small.rlim_cur = 64 * 1024;
        setrlimit(RLIMIT_FSIZE, &small);
        testing::PassTime(2500);
        setrlimit(RLIMIT_FSIZE, &kept);
        EXPECT_TRUE(FileBytes(journal) == earlier);
        EXPECT_EQ(folder.Files(), files) << "no part of a journal left behind";
        EXPECT_TRUE(CanvasClient() == canvas);
        EXPECT_TRUE(testing::MessageBoxesShown().empty()) << "the journal's failures are the grown-ups' business";

        // The run ends without a word (a crash): the journal it left becomes a saved picture at the next
        // start, listed first.
        std::filesystem::copy_file(journal, folder / "LEFT.DAB");
        StartJournal();
        EXPECT_FALSE(Exists(journal));
        std::vector<std::string> added = Added(files, folder.Files());
        ASSERT_EQ(added.size(), 2u) << "the recovered picture beside LEFT.DAB";
        std::string recovered = added[0] == "LEFT.DAB" ? added[1] : added[0];
        EXPECT_EQ(SavedPictureNames({recovered}).size(), 1u) << recovered;
        DecodedPicture left = DecodeWithPil(folder / "LEFT.DAB");
        ASSERT_EQ(left.error, "");
        EXPECT_TRUE(DecodeWithPil(folder / recovered).pixels == left.pixels);
        BuildPictureList();
        EXPECT_EQ(PictureList()[1], recovered);

        // A broken journal is set aside and nothing else changes.
        std::ofstream(journal) << "BM cut short by a power cut";
        files = folder.Files();
        StartJournal();
        EXPECT_FALSE(Exists(journal));
        EXPECT_EQ(Added(files, folder.Files()), std::vector<std::string>{"UNSAVED.BAD"});
    });
}

// Saved and opened again and again on one screen, a picture stays as it was, pixel for pixel.
TEST(Keeping, TenRoundsOfOpenAndSaveChangeNothing) {
    RunDab({800, 600}, [] {
        TestProgramFolder folder;
        PaintCanvas(PaletteChecks);
        std::vector<COLORREF> painted = CanvasClient();
        for (int round = 0; round < 10; round++) {
            SCOPED_TRACE(round);
            SaveFromTheFilesPage();
            OpenNewestPicture();
            ASSERT_TRUE(CanvasClient() == painted);
        }
        std::vector<std::string> saved = SavedPictureNames(folder.Files());
        ASSERT_EQ(saved.size(), 10u);
        for (const std::string& name : saved) ExpectCanvasPicture(folder / name, painted);
    });
}

// A picture deleted from the chooser goes to the desktop's trash, with what the trash needs to put it back.
TEST(Keeping, ADeletedPictureGoesToTheTrash) {
    RunDab({800, 600}, [] {
        TestProgramFolder folder({"CAKE.BMP", "SEA.BMP"});
        const std::filesystem::path data = folder.path().string() + "-data";
        setenv("XDG_DATA_HOME", data.c_str(), 1);
        std::vector<char> cake = FileBytes(folder / "CAKE.BMP");
        ClickOnTheFilesPage(kDelete);
        ClickCell(0);
        EXPECT_EQ(folder.Files(), std::vector<std::string>{"SEA.BMP"});
        EXPECT_TRUE(FileBytes(data / "Trash/files/CAKE.BMP") == cake);
        std::ifstream info(data / "Trash/info/CAKE.BMP.trashinfo");
        std::string header, path;
        std::getline(info, header);
        std::getline(info, path);
        EXPECT_EQ(header, "[Trash Info]");
        EXPECT_EQ(path, "Path=" + (folder / "CAKE.BMP").string());
        std::filesystem::remove_all(data);
    });
}

// Whatever was drawn since the last snapshot is in it before a page changes: a mirrored region is what
// the selection of the next page pastes, and undo after stamps takes away only the stamps.
TEST(Keeping, APageChangeKeepsTheDrawingInTheSnapshot) {
    RunDab({640, 480}, [] {
        PaintCanvas(Gradient);
        ChooseRegionOption(1, 3);
        ASSERT_EQ(CurrentToolState(), kMirrorState);
        Stroke({{100, 100}, {300, 250}});
        CanvasImage mirrored = ReadCanvas();
        // The arrow to page 2, which chooses its cut selection, and the selection moved 40 to the right.
        ClickFrame(290, 54);
        ASSERT_EQ(CurrentToolState(), kSelectState);
        Stroke({{100, 100}, {200, 200}});
        Stroke({{150, 150}, {190, 150}});
        CanvasImage after = ReadCanvas();
        int wrong = 0;
        for (int y = 100; y < 200; y++)
            for (int x = 140; x < 240; x++) wrong += after.at(x, y) != mirrored.at(x - 40, y);
        EXPECT_EQ(wrong, 0) << "the pasted block is the mirrored picture";

        // The fill, the stamps button, two stamps: undo takes back the stamps only.
        ClickFrame(20, 210);
        ChooseOptionButton(2);
        ASSERT_EQ(CurrentToolState(), kFillState);
        Click({300, 300});
        CanvasImage filled = ReadCanvas();
        ClickFrame(20, 380);
        ASSERT_EQ(CurrentToolState(), kStampState);
        Click({120, 200});
        Click({320, 200});
        ASSERT_NE(ReadCanvas(), filled);
        ClickUndoButton();
        EXPECT_EQ(ReadCanvas(), filled);
    });
}

}  // namespace
