#include "text_layout.h"

namespace gdi {

namespace {

bool EndsLine(char c) { return c == '\r' || c == '\n'; }
bool BreaksWords(char c) { return c == ' ' || c == '\t'; }

// From begin, the lines of one stretch of text that holds no line break, appended to lines.
void WrapSegment(std::string_view text, const std::vector<int>& advances, size_t begin, size_t end, long width,
                 bool cutLongWords, std::vector<TextLine>& lines) {
    size_t i = begin;
    do {
        long used = 0;
        size_t fit = i;
        while (fit < end && used + advances[fit] <= width) used += advances[fit++];
        if (fit == end) {
            lines.push_back({i, end});
            return;
        }
        if (text[fit] == ' ') {
            lines.push_back({i, fit});
            i = fit + 1;
            continue;
        }
        size_t space = fit;
        while (space > i && !BreaksWords(text[space - 1])) space--;
        if (space > i) {
            lines.push_back({i, space});
            i = space;
        } else if (cutLongWords) {
            size_t cut = fit > i ? fit : i + 1;
            lines.push_back({i, cut});
            i = cut;
        } else {
            size_t wordEnd = fit;
            while (wordEnd < end && !BreaksWords(text[wordEnd])) wordEnd++;
            // A tab too wide for the line still takes a line of its own, or the walk would not move on.
            if (wordEnd == i) wordEnd = i + 1;
            lines.push_back({i, wordEnd});
            i = wordEnd < end && text[wordEnd] == ' ' ? wordEnd + 1 : wordEnd;
        }
    } while (i < end);
}

}  // namespace

ShownText StripPrefixes(std::string_view text) {
    ShownText shown;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] == '&' && i + 1 < text.size()) {
            i++;
            if (text[i] != '&') shown.underlined.push_back(shown.chars.size());
        }
        shown.chars += text[i];
    }
    return shown;
}

std::vector<TextLine> BreakLines(std::string_view text, const std::vector<int>& advances, long width, UINT format) {
    std::vector<TextLine> lines;
    if ((format & DT_SINGLELINE) || text.empty()) {
        lines.push_back({0, text.size()});
        return lines;
    }
    size_t i = 0;
    while (i < text.size()) {
        size_t end = i;
        while (end < text.size() && !EndsLine(text[end])) end++;
        if ((format & DT_WORDBREAK) && end > i)
            WrapSegment(text, advances, i, end, width, format & DT_EDITCONTROL, lines);
        else
            lines.push_back({i, end});
        i = end;
        if (i < text.size()) {
            char first = text[i++];
            if (i < text.size() && EndsLine(text[i]) && text[i] != first) i++;
        }
    }
    return lines;
}

}  // namespace gdi
