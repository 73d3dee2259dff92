// Names that are no regular file: a pipe, a socket or a device among the pictures, sounds or settings.
// Listing or opening one must return at once, each call being run in a child process that is killed
// when it has not answered in time, since a call stuck in open() on a pipe never returns.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/kernel/open_files.h"
#include "platform/win32.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSecondsToAnswer = 5;

// What the call gave, from a child process of its own; nothing when it did not answer in time.
std::optional<std::string> AnswerInTime(const std::function<std::string()>& call) {
    int ends[2];
    if (pipe(ends) != 0) return "no pipe";
    std::fflush(nullptr);
    pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        std::string answer = call();
        bool written = write(ends[1], answer.data(), answer.size()) == ssize_t(answer.size());
        _exit(written ? 0 : 1);
    }
    close(ends[1]);
    std::string answer;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kSecondsToAnswer);
    bool ended = false;
    while (!ended) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd ready{ends[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, int(left.count())) <= 0) break;
        char chunk[256];
        ssize_t got = read(ends[0], chunk, sizeof chunk);
        ended = got <= 0;
        if (!ended) answer.append(chunk, size_t(got));
    }
    close(ends[0]);
    if (!ended) kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (!ended) return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child failed";
    return answer;
}

std::string Error(DWORD error) { return "error " + std::to_string(error); }

// An open handle's answer: whether reads on it would wait, which a regular file never does.
std::string Opened(HFILE file) {
    int status = fcntl(kernel::DescriptorOf(file), F_GETFL);
    _lclose(file);
    return status & O_NONBLOCK ? "opened without blocking" : "opened";
}

std::string OpenFileAnswer(UINT style) {
    OFSTRUCT record;
    HFILE file = OpenFile("THING.BMP", &record, style);
    if (file == HFILE_ERROR) return Error(record.nErrCode);
    return style & OF_EXIST ? "exists" : Opened(file);
}

std::string CreateFileAnswer(DWORD access, DWORD creation) {
    HANDLE file = CreateFileA("THING.BMP", access, 0, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Error(GetLastError());
    return Opened(kernel::FileOf(file));
}

std::string FoundNames() {
    std::string names;
    _finddata_t entry;
    intptr_t search = _findfirst("*.bmp", &entry);
    if (search == -1) return names;
    do names += std::string(entry.name) + ";";
    while (_findnext(search, &entry) == 0);
    _findclose(search);
    return names;
}

std::string ProfileValue() {
    char value[32];
    GetPrivateProfileStringA("dab", "Sound", "unread", value, sizeof value, "./THING.BMP");
    return value;
}

std::string MusicOpened() {
    char answer[64];
    MCIERROR error = mciSendStringA("open THING.BMP type sequencer alias tune", answer, sizeof answer, nullptr);
    return error == 0 ? "opened" : "refused";
}

// A regular file holds a settings file that is no sound and no tune.
constexpr char kRegularContent[] = "[dab]\nSound=off\n";

bool MakeSocket(const char* name) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, name, sizeof address.sun_path - 1);
    int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    bool bound = listening >= 0 && bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    // The socket's name stays in the folder after the socket is closed.
    if (listening >= 0) close(listening);
    return bound;
}

struct Kind {
    const char* name;
    std::function<bool()> make;  // makes THING.BMP beside REAL.BMP
};

struct Call {
    const char* name;
    std::function<std::string()> answer;
    std::string regular;  // the answer for a regular file
    std::string other;    // the answer for anything else
};

class KernelHostileFiles : public TempFolder {};

TEST_F(KernelHostileFiles, PipesSocketsAndDevicesAreNeitherListedNorOpenedAndNeverBlock) {
    Write("REAL.BMP", kRegularContent);
    const std::string denied = Error(ERROR_ACCESS_DENIED);
    const Kind kinds[] = {
        {"regular file", [] { return bool(std::ofstream("THING.BMP") << kRegularContent); }},
        {"pipe", [] { return mkfifo("THING.BMP", 0644) == 0; }},
        {"link to a pipe", [] { return mkfifo("pipe", 0644) == 0 && symlink("pipe", "THING.BMP") == 0; }},
        {"socket", [] { return MakeSocket("THING.BMP"); }},
        {"link to a device", [] { return symlink("/dev/null", "THING.BMP") == 0; }},
        {"link to a terminal", [] { return symlink("/dev/tty", "THING.BMP") == 0; }},
    };
    const Call calls[] = {
        {"listing", FoundNames, "REAL.BMP;THING.BMP;", "REAL.BMP;"},
        {"OpenFile reading", [] { return OpenFileAnswer(OF_READ); }, "opened", denied},
        {"OpenFile testing", [] { return OpenFileAnswer(OF_EXIST); }, "exists", denied},
        {"OpenFile writing", [] { return OpenFileAnswer(OF_WRITE); }, "opened", denied},
        {"OpenFile making", [] { return OpenFileAnswer(OF_CREATE | OF_READWRITE); }, "opened", denied},
        {"CreateFileA reading", [] { return CreateFileAnswer(GENERIC_READ, OPEN_EXISTING); }, "opened", denied},
        {"CreateFileA replacing", [] { return CreateFileAnswer(GENERIC_WRITE, CREATE_ALWAYS); }, "opened", denied},
        {"CreateFileA opening always", [] { return CreateFileAnswer(GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS); },
         "opened", denied},
        {"CreateFileA emptying", [] { return CreateFileAnswer(GENERIC_WRITE, TRUNCATE_EXISTING); }, "opened", denied},
        {"settings", ProfileValue, "off", "unread"},
        {"sound", [] { return std::to_string(sndPlaySoundA("THING.BMP", 0)); }, "0", "0"},
        {"music", MusicOpened, "refused", "refused"},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        for (const Call& call : calls) {
            SCOPED_TRACE(call.name);
            // Made again for each call, which may have emptied a regular file.
            fs::remove("THING.BMP");
            fs::remove("pipe");
            ASSERT_TRUE(kind.make());
            std::optional<std::string> answer = AnswerInTime(call.answer);
            if (!answer) {
                ADD_FAILURE() << "no answer within " << kSecondsToAnswer << " seconds";
                continue;
            }
            EXPECT_EQ(*answer, kind.name == std::string("regular file") ? call.regular : call.other);
        }
    }
}

}  // namespace
