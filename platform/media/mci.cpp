// mciSendStringA for the MIDI sequencer: devices by alias, one music at a time on the backend, and the
// MM_MCINOTIFY notices Windows sends. The backend reports the music's end from its own thread, so the
// devices are guarded and notices are posted with no lock held.
#include <cstdio>
#include <mutex>
#include <vector>

#include "platform/backend/audio.h"
#include "platform/kernel/overlay.h"
#include "platform/kernel/paths.h"
#include "platform/media/files.h"
#include "platform/media/mci_command.h"
#include "platform/media/records.h"
#include "platform/win32.h"

namespace {

struct Notice {
    HWND window;
    WPARAM code;
    MCIDEVICEID device;
};

struct Device {
    MCIDEVICEID id = 0;
    std::string alias;
    std::string path;
    // Opened: at the start; Paused: stopped part-way; Ended: at the end, where a play has nothing left.
    enum State { Opened, Playing, Paused, Ended } state = Opened;
    HWND notifyWindow = nullptr;
    bool notifyPending = false;
    unsigned playNumber = 0;  // which backend play this device is hearing, so a late end of an older one is ignored
};

struct Devices {
    std::mutex mutex;
    std::vector<Device> open;
    MCIDEVICEID musicOwner = 0;  // the device whose music the backend holds
    unsigned plays = 0;
};

Devices& TheDevices() {
    static Devices devices;
    return devices;
}

Device* Named(Devices& d, std::string_view alias) {
    for (Device& device : d.open)
        if (kernel::EqualIgnoringCase(device.alias, alias)) return &device;
    return nullptr;
}

Device* WithId(Devices& d, MCIDEVICEID id) {
    for (Device& device : d.open)
        if (device.id == id) return &device;
    return nullptr;
}

// Windows hands out the lowest identifier not in use.
MCIDEVICEID FreeId(Devices& d) {
    MCIDEVICEID id = 1;
    while (WithId(d, id)) ++id;
    return id;
}

void EndPendingNotice(Device& device, WPARAM code, std::vector<Notice>& notices) {
    if (!device.notifyPending) return;
    device.notifyPending = false;
    notices.push_back({device.notifyWindow, code, device.id});
}

void Post(const std::vector<Notice>& notices) {
    for (const Notice& n : notices)
        if (n.window) PostMessageA(n.window, MM_MCINOTIFY, n.code, LPARAM(n.device));
}

void MusicEnded(MCIDEVICEID id, unsigned playNumber) {
    std::vector<Notice> notices;
    {
        Devices& d = TheDevices();
        std::lock_guard<std::mutex> lock(d.mutex);
        Device* device = WithId(d, id);
        if (!device || device->playNumber != playNumber || device->state == Device::Opened) return;
        device->state = Device::Ended;
        EndPendingNotice(*device, MCI_NOTIFY_SUCCESSFUL, notices);
    }
    Post(notices);
}

bool NamesMidiFile(const std::string& file) {
    size_t dot = file.rfind('.');
    if (dot == std::string::npos) return false;
    std::string_view extension = std::string_view(file).substr(dot + 1);
    return kernel::EqualIgnoringCase(extension, "mid") || kernel::EqualIgnoringCase(extension, "rmi");
}

// A Standard MIDI File, bare or in a RIFF RMID wrapper.
MCIERROR CheckMidiFile(const std::string& path) {
    std::optional<std::vector<uint8_t>> start = media::ReadFileStart(path, 12);
    if (!start) return MCIERR_FILE_NOT_FOUND;
    std::string_view bytes(reinterpret_cast<const char*>(start->data()), start->size());
    bool midi = bytes.starts_with("MThd") || (bytes.starts_with("RIFF") && bytes.size() >= 12 && bytes.substr(8, 4) == "RMID");
    return midi ? 0 : MCIERR_INVALID_FILE;
}

MCIERROR Open(const media::MciCommand& c, HWND callback, MCIDEVICEID& id, std::vector<Notice>& notices) {
    if (c.type ? !kernel::EqualIgnoringCase(*c.type, "sequencer") : !NamesMidiFile(c.device))
        return c.type ? MCIERR_INVALID_DEVICE_NAME : MCIERR_EXTENSION_NOT_FOUND;
    std::string path = kernel::ResolvePathForReading(c.device);
    if (MCIERROR error = CheckMidiFile(path)) return error;

    Devices& d = TheDevices();
    std::lock_guard<std::mutex> lock(d.mutex);
    std::string alias = c.alias.value_or(c.device);
    if (Named(d, alias)) return MCIERR_DUPLICATE_ALIAS;
    Device device;
    device.id = id = FreeId(d);
    device.alias = alias;
    device.path = path;
    d.open.push_back(device);
    if (c.notify) notices.push_back({callback, MCI_NOTIFY_SUCCESSFUL, id});
    return 0;
}

MCIERROR Play(const media::MciCommand& c, HWND callback, MCIDEVICEID& id, std::vector<Notice>& notices) {
    enum { Nothing, Start, Resume } action = Nothing;
    std::string path;
    unsigned playNumber = 0;
    {
        Devices& d = TheDevices();
        std::lock_guard<std::mutex> lock(d.mutex);
        Device* device = Named(d, c.device);
        if (!device) return MCIERR_INVALID_DEVICE_NAME;
        id = device->id;
        // The backend starts a file only at its beginning.
        if (c.from && *c.from != 0) return MCIERR_UNSUPPORTED_FUNCTION;
        EndPendingNotice(*device, c.notify ? MCI_NOTIFY_SUPERSEDED : MCI_NOTIFY_ABORTED, notices);

        bool heldHere = d.musicOwner == device->id;
        if (c.from || device->state == Device::Opened || (device->state == Device::Paused && !heldHere)) {
            action = Start;
        } else if (device->state == Device::Paused) {
            action = Resume;
        } else if (device->state == Device::Ended) {
            if (c.notify) notices.push_back({callback, MCI_NOTIFY_SUCCESSFUL, id});
            return 0;
        }
        if (action == Start) {
            // The backend holds one music: the device that had it is stopped and back at its start.
            if (Device* previous = heldHere ? nullptr : WithId(d, d.musicOwner)) {
                EndPendingNotice(*previous, MCI_NOTIFY_ABORTED, notices);
                previous->state = Device::Opened;
            }
            d.musicOwner = device->id;
            device->playNumber = playNumber = ++d.plays;
            path = device->path;
        }
        device->state = Device::Playing;
        if (c.notify) {
            device->notifyPending = true;
            device->notifyWindow = callback;
        }
    }
    if (action == Start) backend::PlayMusic(path, [id, playNumber] { MusicEnded(id, playNumber); });
    if (action == Resume) backend::ResumeMusic();
    return 0;
}

MCIERROR StopOrClose(const media::MciCommand& c, HWND callback, MCIDEVICEID& id, std::vector<Notice>& notices) {
    bool closing = c.verb == media::MciCommand::Close;
    bool halt = false;
    {
        Devices& d = TheDevices();
        std::lock_guard<std::mutex> lock(d.mutex);
        Device* device = Named(d, c.device);
        if (!device) return MCIERR_INVALID_DEVICE_NAME;
        id = device->id;
        EndPendingNotice(*device, MCI_NOTIFY_ABORTED, notices);
        bool heldHere = d.musicOwner == device->id;
        halt = heldHere && (closing || device->state == Device::Playing);
        if (device->state == Device::Playing) device->state = Device::Paused;
        if (closing) {
            if (heldHere) d.musicOwner = 0;
            std::erase_if(d.open, [&](const Device& other) { return other.id == id; });
        }
        if (c.notify) notices.push_back({callback, MCI_NOTIFY_SUCCESSFUL, id});
    }
    if (halt) closing ? backend::StopMusic() : backend::PauseMusic();
    return 0;
}

void WriteReturn(LPSTR out, UINT length, const std::string& text) {
    if (!out || length == 0) return;
    std::snprintf(out, length, "%s", text.c_str());
}

}  // namespace

MCIERROR WINAPI mciSendStringA(LPCSTR command, LPSTR returnString, UINT returnLength, HWND callback) {
    WriteReturn(returnString, returnLength, "");
    if (!command) return MCIERR_MISSING_COMMAND_STRING;
    media::RecordCommand(command);

    media::MciCommand c;
    MCIERROR error = media::ParseMciCommand(command, c);
    MCIDEVICEID id = 0;
    std::vector<Notice> notices;
    if (!error) {
        switch (c.verb) {
            case media::MciCommand::Open: error = Open(c, callback, id, notices); break;
            case media::MciCommand::Play: error = Play(c, callback, id, notices); break;
            case media::MciCommand::Stop:
            case media::MciCommand::Close: error = StopOrClose(c, callback, id, notices); break;
        }
    }
    if (error && c.notify) notices.push_back({callback, MCI_NOTIFY_FAILURE, id});
    if (!error && c.verb == media::MciCommand::Open) WriteReturn(returnString, returnLength, std::to_string(id));
    Post(notices);
    return error;
}
