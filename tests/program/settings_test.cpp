// A parent's dab.ini: each key and each bad value, the order the files are looked in, broken files, and
// what each setting does to a child's session: the ways out, printing, sound and music, the pictures'
// folder and keeping unsaved work.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "base/settings.h"
#include "files_helpers.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

namespace fs = std::filesystem;

// Where the program looks: the user's and the machine's settings folders, and the program's folder.
class SettingsFolders {
public:
    SettingsFolders() {
        std::string pattern = (fs::temp_directory_path() / "dab-settings-XXXXXX").string();
        if (!mkdtemp(pattern.data())) ADD_FAILURE() << "no temporary folder";
        root_ = pattern;
        for (const char* folder : {"user/dab", "machine/dab", "program"}) fs::create_directories(root_ / folder);
        UseSettingsFolders(root_ / "user", root_ / "machine");
        kept_ = programDirectory;
        programDirectory = (root_ / "program").string();
    }
    ~SettingsFolders() {
        programDirectory = kept_;
        UseSettingsFolders({}, {});
        fs::remove_all(root_);
    }
    SettingsFolders(const SettingsFolders&) = delete;
    SettingsFolders& operator=(const SettingsFolders&) = delete;

    fs::path User() const { return root_ / "user" / "dab" / "dab.ini"; }
    fs::path Machine() const { return root_ / "machine" / "dab" / "dab.ini"; }
    fs::path Program() const { return root_ / "program" / "dab.ini"; }
    const fs::path& Root() const { return root_; }

private:
    fs::path root_;
    std::string kept_;
};

void Write(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

// The settings read from a user's file of that text, and what was said about it.
Settings ReadFrom(const std::string& text, std::string& said) {
    SettingsFolders folders;
    Write(folders.User(), text);
    ::testing::internal::CaptureStderr();
    ReadSettings();
    said = ::testing::internal::GetCapturedStderr();
    Settings read = CurrentSettings();
    UseSettings({});
    return read;
}

TEST(Settings, EachKeyAndEachBadValue) {
    struct Case {
        const char* text;
        bool (*holds)(const Settings&);
        const char* said;  // a part of the message on standard error; "" for none
    };
    const Case cases[] = {
        {"", [](const Settings& s) { return s.quit == QuitRule::kAsk && s.printPagesPerHour == -1 && s.sound &&
                                            s.music && s.pictures.empty() && s.keepUnsavedWork; }, ""},
        {"[dab]\nQuit=hold\n", [](const Settings& s) { return s.quit == QuitRule::kHold; }, ""},
        {"[DAB]\n  quit = Never \n", [](const Settings& s) { return s.quit == QuitRule::kNever; }, ""},
        {"[dab]\nQuit=maybe\n", [](const Settings& s) { return s.quit == QuitRule::kAsk; },
         "Quit=maybe is not ask, hold or never; using the default"},
        {"[dab]\nPrintPagesPerHour=0\n", [](const Settings& s) { return s.printPagesPerHour == 0; }, ""},
        {"[dab]\nPrintPagesPerHour=12\n", [](const Settings& s) { return s.printPagesPerHour == 12; }, ""},
        {"[dab]\nPrintPagesPerHour=-3\n", [](const Settings& s) { return s.printPagesPerHour == -1; },
         "PrintPagesPerHour=-3 is not"},
        {"[dab]\nPrintPagesPerHour=5 pages\n", [](const Settings& s) { return s.printPagesPerHour == -1; },
         "PrintPagesPerHour=5 pages is not"},
        {"[dab]\nPrintPagesPerHour=99999\n", [](const Settings& s) { return s.printPagesPerHour == -1; },
         "PrintPagesPerHour=99999 is not"},
        {"[dab]\nSound=off\nMusic=OFF\n", [](const Settings& s) { return !s.sound && !s.music; }, ""},
        {"[dab]\nSound=quiet\n", [](const Settings& s) { return s.sound; }, "Sound=quiet is not on or off"},
        {"[dab]\nScale=2\nWindow=1024x768\n", [](const Settings& s) { return s.quit == QuitRule::kAsk; }, ""},
        {"[dab]\nScale=auto\nWindow=full\n", [](const Settings& s) { return s.quit == QuitRule::kAsk; }, ""},
        {"[dab]\nScale=5\n", [](const Settings&) { return true; }, "Scale=5 is not auto, 1, 2, 3 or 4"},
        {"[dab]\nWindow=big\n", [](const Settings&) { return true; }, "Window=big is not full or a size"},
        {"[dab]\nPictures=/srv/school/pictures/\n",
         [](const Settings& s) { return s.pictures == "/srv/school/pictures"; }, ""},
        {"[dab]\nPictures=C:\\Pictures\\dab\n", [](const Settings& s) { return s.pictures == "C:\\Pictures\\dab"; },
         ""},
        {"[dab]\nPictures=pictures\n", [](const Settings& s) { return s.pictures.empty(); },
         "Pictures=pictures is not a folder's whole path"},
        {"[dab]\nKeepUnsavedWork=off\n", [](const Settings& s) { return !s.keepUnsavedWork; }, ""},
        {"[dab]\nColour=red\nQuit=never\n", [](const Settings& s) { return s.quit == QuitRule::kNever; },
         "unknown setting Colour"},
        // Another section is another program's.
        {"[other]\nQuit=never\n[dab]\n; Quit=hold\n", [](const Settings& s) { return s.quit == QuitRule::kAsk; }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string said;
        Settings read = ReadFrom(c.text, said);
        EXPECT_TRUE(c.holds(read));
        if (*c.said) {
            EXPECT_NE(said.find(c.said), std::string::npos) << said;
            // Named once.
            EXPECT_EQ(said.find(c.said), said.rfind(c.said)) << said;
        } else {
            EXPECT_EQ(said, "");
        }
    }
}

// Key by key, the user's file, then the machine's, then the program folder's.
TEST(Settings, TheFirstFileWithAKeyWins) {
    SettingsFolders folders;
    Write(folders.User(), "[dab]\nQuit=never\n");
    Write(folders.Machine(), "[dab]\nQuit=hold\nSound=off\nPrintPagesPerHour=3\n");
    Write(folders.Program(), "[dab]\nSound=on\nMusic=off\nPrintPagesPerHour=9\nKeepUnsavedWork=off\n");
    ReadSettings();
    Settings read = CurrentSettings();
    EXPECT_EQ(read.quit, QuitRule::kNever);
    EXPECT_FALSE(read.sound);
    EXPECT_EQ(read.printPagesPerHour, 3);
    EXPECT_FALSE(read.music);
    EXPECT_FALSE(read.keepUnsavedWork);
    UseSettings({});
}

// Nothing a file holds stops the program: an empty, binary, huge or unreadable file, or a folder in its
// place, gives the defaults.
TEST(Settings, BrokenFilesGiveTheDefaults) {
    SettingsFolders folders;
    std::string huge = "[dab]\nQuit=never\n" + std::string(3 << 20, 'x');
    std::string binary("[dab]\nQu\0it=never\n\xff\xfe\x01", 22);
    for (const std::string& text : {std::string(), binary, huge}) {
        Write(folders.User(), text);
        ReadSettings();
        EXPECT_EQ(CurrentSettings().quit, QuitRule::kAsk);
    }
    fs::remove(folders.User());
    fs::create_directory(folders.User());
    ReadSettings();
    EXPECT_EQ(CurrentSettings().quit, QuitRule::kAsk);
    UseSettings({});
}

// A session under a settings file: the program starts reading it.
void RunDabWith(const std::string& ini, const std::function<void(const SettingsFolders&)>& body) {
    SettingsFolders folders;
    Write(folders.User(), "[dab]\n" + ini);
    RunDab({640, 480}, [&] { body(folders); });
}

void PressQuitPicture() { testing::Press(600, 30); }
void ReleaseQuitPicture() { testing::Release(600, 30); }

// Quit=never: neither the quit picture nor a window close ends the program; the end of the session does,
// keeping the picture.
TEST(Settings, QuitNeverLeavesOnlyTheEndOfTheSession) {
    RunDabWith("Quit=never\n", [](const SettingsFolders&) {
        TestProgramFolder folder;
        Stroke({{100, 100}, {300, 200}});
        PressQuitPicture();
        ReleaseQuitPicture();
        testing::PassTime(5000);
        testing::RequestClose();
        testing::WaitUntilIdle();
        EXPECT_TRUE(testing::MessageBoxesShown().empty());
        EXPECT_TRUE(IsWindowVisible(frameWindow));
        std::vector<std::string> before = folder.Files();
        testing::RequestEndSession();
        EXPECT_EQ(testing::WaitForExit(), 0);
        EXPECT_EQ(SavedPictureNames(folder.Files()).size(), SavedPictureNames(before).size() + 1);
    });
}

// Quit=hold: the question comes only after three seconds of pressing on the quit picture; a shorter press,
// or one that slides off, asks nothing, and a window close is ignored.
TEST(Settings, QuitHoldAsksAfterThreeSecondsPressed) {
    RunDabWith("Quit=hold\n", [](const SettingsFolders&) {
        PressQuitPicture();
        testing::PassTime(2500);
        ReleaseQuitPicture();
        testing::PassTime(1000);
        PressQuitPicture();
        testing::Move(300, 300);
        testing::PassTime(4000);
        testing::Release(300, 300);
        testing::RequestClose();
        testing::WaitUntilIdle();
        EXPECT_TRUE(testing::MessageBoxesShown().empty());

        testing::AnswerMessageBox(IDNO);
        PressQuitPicture();
        testing::PassTime(3000);
        EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{"Question: Do you really want to quit?"});
        ReleaseQuitPicture();
        testing::RequestEndSession();
        EXPECT_EQ(testing::WaitForExit(), 0);
    });
}

// At most so many pages in any hour, each past that answered by the refusal's sound; none at all at 0.
TEST(Settings, PrintPagesPerHour) {
    for (int limit : {0, 2}) {
        SCOPED_TRACE(limit);
        RunDabWith("PrintPagesPerHour=" + std::to_string(limit) + "\n", [limit](const SettingsFolders&) {
            testing::SetDefaultPrinter("Test Printer");
            testing::SetPrinterPage(100, 80, 30);
            ShowFiles();
            for (int page = 1; page <= 3; page++) {
                testing::ClearMediaRecords();
                ClickFilesButton(kPrint);
                EXPECT_EQ(SoundFiles(), std::vector<std::string>{page <= limit ? "a48.mub" : "a47.mub"}) << page;
            }
            EXPECT_EQ(testing::PrintJobs().size(), size_t(limit));
            testing::PassTime(3600 * 1000);
            ClickFilesButton(kPrint);
            EXPECT_EQ(testing::PrintJobs().size(), size_t(limit == 0 ? 0 : limit + 1));
            EXPECT_TRUE(testing::MessageBoxesShown().empty());
        });
    }
}

// Sound=off and Music=off: silent from the start; the sound button still brings the sounds back, and the
// music stays off.
TEST(Settings, SilentFromTheStart) {
    RunDabWith("Sound=off\nMusic=off\n", [](const SettingsFolders&) {
        EXPECT_TRUE(testing::SoundsPlayed().empty());
        EXPECT_TRUE(testing::MciCommandsSent().empty());
        ClickFrame(30, 30);
        EXPECT_TRUE(testing::SoundsPlayed().empty());
        ClickOnTheFilesPage(kSound);
        testing::ClearMediaRecords();
        ClickFrame(30, 30);
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a41.mub"});
        EXPECT_EQ(testing::MusicPlaying(), "");
    });
    RunDabWith("Music=off\n", [](const SettingsFolders&) {
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a10.mub"});
        EXPECT_EQ(testing::MusicPlaying(), "");
    });
}

// Pictures=FOLDER: saved, kept and listed there, made when missing, beside the pictures that come with the
// program; a folder that cannot be made is a save that failed.
TEST(Settings, PicturesGoToTheirFolder) {
    SettingsFolders outside;
    fs::path pictures = outside.Root() / "school" / "class 2";
    RunDabWith("Pictures=" + pictures.string() + "\n", [&](const SettingsFolders&) {
        TestProgramFolder program({"SEA.BMP"});
        Stroke({{100, 100}, {300, 200}});
        SaveFromTheFilesPage();
        EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{"Information: PICTURE SAVED!"});
        std::vector<std::string> saved;
        for (const auto& entry : fs::directory_iterator(pictures)) saved.push_back(entry.path().filename().string());
        ASSERT_EQ(SavedPictureNames(saved).size(), 1u);
        EXPECT_EQ(program.Files(), std::vector<std::string>{"SEA.BMP"});
        // The journal goes there too.
        Stroke({{50, 300}, {400, 300}});
        testing::PassTime(2500);
        EXPECT_TRUE(fs::exists(pictures / "UNSAVED.DAB"));
        ClickOnTheFilesPage(kOpen);
        EXPECT_EQ(PictureListEnd(), 3);
        EXPECT_NE(std::string(PictureSlotName(1)).find(saved[0]), std::string::npos);
        EXPECT_EQ(std::string(PictureSlotName(2)), "SEA.BMP");
        ClickCell(0);
        EXPECT_FALSE(IsColouringPictureName(PictureSlotName(1)));
        // A sound still plays from the program's folder after the pictures' one was used.
        testing::ClearMediaRecords();
        ClickFrame(30, 30);
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a41.mub"});
    });
    // A file where the folder should be.
    Write(outside.Root() / "taken", "");
    RunDabWith("Pictures=" + (outside.Root() / "taken" / "pictures").string() + "\n", [](const SettingsFolders&) {
        TestProgramFolder program;
        Stroke({{100, 100}, {300, 200}});
        SaveFromTheFilesPage();
        EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{"Warning: THE PICTURE WAS NOT SAVED!"});
        EXPECT_TRUE(program.Files().empty());
    });
}

// KeepUnsavedWork=off: no journal while the child draws, and nothing kept when the program ends.
TEST(Settings, KeepUnsavedWorkOff) {
    RunDabWith("KeepUnsavedWork=off\n", [](const SettingsFolders&) {
        TestProgramFolder program;
        Stroke({{100, 100}, {300, 200}});
        testing::PassTime(35000);
        EXPECT_TRUE(program.Files().empty());
        testing::RequestClose();
        EXPECT_EQ(testing::WaitForExit(), 0);
        EXPECT_TRUE(program.Files().empty());
    });
}

}  // namespace
