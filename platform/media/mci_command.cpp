#include "platform/media/mci_command.h"

#include <vector>

#include "platform/kernel/paths.h"

namespace media {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Words split at white space; a quoted word keeps its spaces and loses its quotes.
MCIERROR SplitWords(std::string_view text, std::vector<std::string>& words) {
    size_t at = 0;
    while (at < text.size()) {
        if (IsSpace(text[at])) {
            ++at;
        } else if (text[at] == '"') {
            size_t close = text.find('"', at + 1);
            if (close == std::string_view::npos) return MCIERR_NO_CLOSING_QUOTE;
            words.emplace_back(text.substr(at + 1, close - at - 1));
            at = close + 1;
        } else {
            size_t end = at;
            while (end < text.size() && !IsSpace(text[end])) ++end;
            words.emplace_back(text.substr(at, end - at));
            at = end;
        }
    }
    return 0;
}

std::optional<MciCommand::Verb> VerbNamed(std::string_view word) {
    if (kernel::EqualIgnoringCase(word, "open")) return MciCommand::Open;
    if (kernel::EqualIgnoringCase(word, "play")) return MciCommand::Play;
    if (kernel::EqualIgnoringCase(word, "stop")) return MciCommand::Stop;
    if (kernel::EqualIgnoringCase(word, "close")) return MciCommand::Close;
    return std::nullopt;
}

// The keywords followed by a value, and the verbs they belong to.
bool TakesValue(MciCommand::Verb verb, std::string_view word) {
    if (verb == MciCommand::Open)
        return kernel::EqualIgnoringCase(word, "alias") || kernel::EqualIgnoringCase(word, "type");
    if (verb == MciCommand::Play) return kernel::EqualIgnoringCase(word, "from");
    return false;
}

MCIERROR ParseInteger(const std::string& word, long& value) {
    if (word.empty() || word.size() > 9 || word.find_first_not_of("0123456789") != std::string::npos)
        return MCIERR_BAD_INTEGER;
    value = std::stol(word);
    return 0;
}

}  // namespace

MCIERROR ParseMciCommand(std::string_view text, MciCommand& command) {
    std::vector<std::string> words;
    if (MCIERROR error = SplitWords(text, words)) return error;
    if (words.empty()) return MCIERR_MISSING_COMMAND_STRING;
    std::optional<MciCommand::Verb> verb = VerbNamed(words[0]);
    if (!verb) return MCIERR_UNRECOGNIZED_COMMAND;
    command.verb = *verb;
    if (words.size() < 2) return MCIERR_MISSING_DEVICE_NAME;
    command.device = words[1];

    MCIERROR error = 0;
    for (size_t i = 2; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (kernel::EqualIgnoringCase(word, "notify")) {
            command.notify = true;
        } else if (!TakesValue(command.verb, word)) {
            if (!error) error = MCIERR_UNRECOGNIZED_KEYWORD;
        } else if (i + 1 == words.size()) {
            if (!error) error = MCIERR_MISSING_PARAMETER;
        } else {
            const std::string& value = words[++i];
            if (kernel::EqualIgnoringCase(word, "alias")) {
                command.alias = value;
            } else if (kernel::EqualIgnoringCase(word, "type")) {
                command.type = value;
            } else {
                long from = 0;
                if (MCIERROR bad = ParseInteger(value, from); bad && !error) error = bad;
                command.from = from;
            }
        }
    }
    return error;
}

}  // namespace media
