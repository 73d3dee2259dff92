#include "platform/kernel/wildcard.h"

#include <vector>

namespace kernel {
namespace {

enum class Kind { Literal, Star, StarBeforeDot, Question, DotOrEnd };

struct Token {
    Kind kind;
    char character = 0;
};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::vector<Token> Tokens(std::string_view pattern) {
    std::vector<Token> tokens;
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        bool last = i + 1 == pattern.size();
        char next = last ? '\0' : pattern[i + 1];
        if (c == '*') {
            tokens.push_back({next == '.' ? Kind::StarBeforeDot : Kind::Star});
        } else if (c == '?') {
            tokens.push_back({Kind::Question});
        } else if (c == '.' && (last || next == '*' || next == '?')) {
            tokens.push_back({Kind::DotOrEnd});
        } else {
            tokens.push_back({Kind::Literal, LowerAscii(c)});
        }
    }
    return tokens;
}

class Matcher {
public:
    Matcher(std::vector<Token> tokens, std::string_view name)
        : tokens_(std::move(tokens)), name_(name), lastDot_(name.rfind('.')), memo_((tokens_.size() + 1) * (name.size() + 1), -1) {}

    bool Matches(size_t token, size_t at) {
        signed char& known = memo_[token * (name_.size() + 1) + at];
        if (known < 0) known = Compute(token, at);
        return known;
    }

private:
    bool AtEnd(size_t at) const { return at == name_.size(); }

    bool Compute(size_t token, size_t at) {
        if (token == tokens_.size()) return AtEnd(at);
        const Token& t = tokens_[token];
        switch (t.kind) {
            case Kind::Literal:
                return !AtEnd(at) && LowerAscii(name_[at]) == t.character && Matches(token + 1, at + 1);
            case Kind::Star:
                return Matches(token + 1, at) || (!AtEnd(at) && Matches(token, at + 1));
            case Kind::StarBeforeDot:
                return Matches(token + 1, at) || (!AtEnd(at) && at != lastDot_ && Matches(token, at + 1));
            case Kind::Question:
                if (AtEnd(at) || name_[at] == '.') return Matches(token + 1, at);
                return Matches(token + 1, at + 1);
            case Kind::DotOrEnd:
                if (AtEnd(at)) return Matches(token + 1, at);
                return name_[at] == '.' && Matches(token + 1, at + 1);
        }
        return false;
    }

    std::vector<Token> tokens_;
    std::string_view name_;
    size_t lastDot_;
    std::vector<signed char> memo_;
};

}  // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
    return Matcher(Tokens(pattern), name).Matches(0, 0);
}

}  // namespace kernel
