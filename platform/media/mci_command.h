// MCI command strings taken apart: a verb, a device, and the verb's keywords, all matched ignoring case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/win32.h"

namespace media {

struct MciCommand {
    enum Verb { Open, Play, Stop, Close };
    Verb verb = Open;
    std::string device;  // the file or device type of open, the alias of the others, as written
    bool notify = false;
    std::optional<std::string> alias;  // open
    std::optional<std::string> type;   // open
    std::optional<long> from;          // play
};

// 0 and the command, or the MCI error Windows gives for such a string. notify is set as soon as it is read,
// so a command that fails after the word can still send its failure notice.
MCIERROR ParseMciCommand(std::string_view text, MciCommand& command);

}  // namespace media
