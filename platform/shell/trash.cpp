#include "platform/shell/trash.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/kernel/rename.h"
#include "platform/shell/trash_folder.h"
#include "platform/shell/trash_info.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

// Another trashed file of the same name keeps its own: "HOUSE.BMP", then "HOUSE 2.BMP", "HOUSE 3.BMP"...
std::string NameInTrash(const std::string& name, int number) {
    if (number == 1) return name;
    size_t dot = name.rfind('.');
    if (dot == 0 || dot == std::string::npos) dot = name.size();
    return name.substr(0, dot) + " " + std::to_string(number) + name.substr(dot);
}

// The record is on the disk before the file moves in, so a trashed file never lies there without one.
bool WriteRecord(int descriptor, const std::string& record) {
    size_t done = 0;
    while (done < record.size()) {
        ssize_t count = write(descriptor, record.data() + done, record.size() - done);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        done += size_t(count);
    }
    return fsync(descriptor) == 0;
}

const int mostNames = 10000;

}  // namespace

bool MoveToTrash(const std::string& file) {
    std::optional<TrashFolder> trash = TrashFolderFor(file);
    if (!trash) return false;
    std::error_code error;
    fs::path original = fs::canonical(fs::absolute(file, error).parent_path(), error) / fs::path(file).filename();
    if (error) return false;
    std::string shown = trash->top.empty() ? original.string() : original.lexically_relative(trash->top).string();
    std::string record = TrashInfo(shown);

    // The record's name is claimed first, where no other trashing can take it; then the file moves in under
    // that name, or the claim is given up.
    for (int number = 1; number <= mostNames; ++number) {
        std::string name = NameInTrash(original.filename().string(), number);
        std::string info = trash->folder + "/info/" + name + ".trashinfo";
        int descriptor = open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (descriptor < 0 && errno == EEXIST) continue;
        if (descriptor < 0) return false;
        bool written = WriteRecord(descriptor, record);
        close(descriptor);
        if (written && kernel::RenameWithoutReplacing(file, trash->folder + "/files/" + name)) return true;
        int failure = written ? errno : EIO;
        unlink(info.c_str());
        if (failure != EEXIST) return false;
    }
    return false;
}

}  // namespace shell
