// A pipe, a socket or a device named like a picture in the pictures' folder, there when the chooser lists
// the folder or put in a listed picture's place afterwards: it is neither listed, nor previewed, nor
// opened, and the program never stops to wait on it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files_helpers.h"

using namespace dab_test;

namespace {

// A program stuck in open() on a pipe never returns; far longer than a session takes under sanitizers.
constexpr unsigned kSecondsForTheSession = 60;

// Ends the program's process with a message when the session has not ended in time.
void EndWhenStuck() {
    signal(SIGALRM, [](int) {
        const char message[] = "the program stopped on a file that is no picture\n";
        [[maybe_unused]] ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
        _exit(3);
    });
    alarm(kSecondsForTheSession);
}

bool MakeSocket(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.string().size() >= sizeof address.sun_path) return false;
    std::strcpy(address.sun_path, path.c_str());
    int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    bool bound = listening >= 0 && bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    // The socket's name stays in the folder after the socket is closed.
    if (listening >= 0) close(listening);
    return bound;
}

struct Kind {
    const char* name;
    bool (*make)(const std::filesystem::path& path);
};

const Kind kKinds[] = {
    {"pipe", [](const std::filesystem::path& path) { return mkfifo(path.c_str(), 0644) == 0; }},
    {"socket", MakeSocket},
    {"link to a device", [](const std::filesystem::path& path) { return symlink("/dev/null", path.c_str()) == 0; }},
};

TEST(FilesNoPicture, PipesSocketsAndDevicesAreNeitherListedNorOpened) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        RunDab({800, 600}, [&kind] {
            EndWhenStuck();
            TestProgramFolder folder({"CAKE.BMP", "HILLS.BMP", "SEA.BMP"});
            ASSERT_TRUE(kind.make(folder / "PIPE.BMP"));
            PaintCanvas(Checks);
            CanvasImage painted = ReadCanvas();

            ClickOnTheFilesPage(kOpen);
            ASSERT_EQ(PictureChooserShown(), 1);
            EXPECT_EQ(PictureList(), (std::vector<std::string>{"", "CAKE.BMP", "HILLS.BMP", "SEA.BMP"}));
            for (int cell = 0; cell < 3; cell++) EXPECT_TRUE(CellShowsPreview(cell)) << "cell " << cell;

            // Put in a listed picture's place, it ends the page where it stands when the page is drawn again.
            std::filesystem::remove(folder / "HILLS.BMP");
            ASSERT_TRUE(kind.make(folder / "HILLS.BMP"));
            ClickChooserArrow();
            EXPECT_TRUE(CellShowsPreview(0));
            EXPECT_FALSE(CellShowsPreview(1));
            EXPECT_FALSE(CellShowsPreview(2));

            // Chosen, it gives no picture: the chooser closes on the child's own picture.
            ClickCell(1);
            EXPECT_EQ(PictureChooserShown(), 0);
            EXPECT_TRUE(ReadCanvas() == painted);
        });
    }
}

}  // namespace
