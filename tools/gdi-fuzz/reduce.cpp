#include "reduce.h"

#include <algorithm>
#include <cstddef>
#include <sstream>
#include <vector>

namespace fuzz {

namespace {

std::string Join(const std::string& head, const std::vector<std::string>& lines) {
    std::string text = head + "\n";
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

}  // namespace

std::string Reduce(const std::string& script, const std::function<bool(const std::string&)>& stillDiffers) {
    std::istringstream in(script);
    std::string head, line;
    std::vector<std::string> body;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (head.empty()) {
            head = line;
        } else {
            body.push_back(line);
        }
    }
    size_t chunk = body.size() / 2;
    while (chunk >= 1) {
        bool removed = false;
        for (size_t at = 0; at < body.size();) {
            std::vector<std::string> candidate(body.begin(), body.begin() + std::ptrdiff_t(at));
            size_t end = std::min(body.size(), at + chunk);
            candidate.insert(candidate.end(), body.begin() + std::ptrdiff_t(end), body.end());
            if (stillDiffers(Join(head, candidate))) {
                body = std::move(candidate);
                removed = true;
            } else {
                at += chunk;
            }
        }
        // Down to single lines, then once more over them whenever a pass took one away.
        if (chunk > 1) {
            chunk /= 2;
        } else if (!removed) {
            break;
        }
    }
    return Join(head, body);
}

}  // namespace fuzz
