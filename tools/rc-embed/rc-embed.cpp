// rc-embed SCRIPT.rc OUT.cpp: compiles the resource script (the part of the .rc language the program's
// script uses: NAME ICON "file", NAME CURSOR "file", and a STRINGTABLE of `id, "text"` lines) into a C++
// source holding the files' bytes and the strings, which registers them with the window system when the
// program starts. File names are relative to the script's folder.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::string type;  // Icon, Cursor or String
    std::string name;
    unsigned id = 0;
    std::vector<unsigned char> bytes;
    std::string text;
};

[[noreturn]] void Fail(const std::string& where, const std::string& why) {
    std::fprintf(stderr, "rc-embed: %s: %s\n", where.c_str(), why.c_str());
    std::exit(1);
}

std::string Quoted(const std::string& line, size_t& pos, const std::string& where) {
    size_t open = line.find('"', pos);
    if (open == std::string::npos) Fail(where, "a quoted string is missing");
    std::string out;
    size_t i = open + 1;
    for (; i < line.size() && line[i] != '"'; i++) {
        if (line[i] == '\\' && i + 1 < line.size()) i++;
        out += line[i];
    }
    if (i >= line.size()) Fail(where, "the string does not end");
    pos = i + 1;
    return out;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c < 0x20 || c >= 0x7F) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\%03o", c);
            out += buffer;
        } else {
            out += char(c);
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: rc-embed SCRIPT.rc OUT.cpp\n");
        return 2;
    }
    std::string script = argv[1];
    std::string folder = script.find('/') == std::string::npos ? "." : script.substr(0, script.rfind('/'));
    std::ifstream in(script);
    if (!in) Fail(script, "cannot be read");
    std::vector<Entry> entries;
    std::string line;
    int number = 0;
    bool inTable = false;
    while (std::getline(in, line)) {
        number++;
        std::string where = script + ":" + std::to_string(number);
        if (size_t comment = line.find("//"); comment != std::string::npos) line.resize(comment);
        std::istringstream words(line);
        std::string first, second;
        if (!(words >> first) || first[0] == '#') continue;
        if (first == "STRINGTABLE") {
            inTable = true;
            continue;
        }
        if (first == "BEGIN" || first == "{") continue;
        if (first == "END" || first == "}") {
            inTable = false;
            continue;
        }
        if (inTable) {
            Entry e;
            e.type = "String";
            e.id = unsigned(std::stoul(first));
            size_t pos = 0;
            e.text = Quoted(line, pos, where);
            entries.push_back(e);
            continue;
        }
        words >> second;
        if (second != "ICON" && second != "CURSOR") Fail(where, "expected NAME ICON \"file\" or NAME CURSOR \"file\"");
        Entry e;
        e.type = second == "ICON" ? "Icon" : "Cursor";
        e.name = first;
        size_t pos = line.find(second) + second.size();
        std::string file = folder + "/" + Quoted(line, pos, where);
        std::ifstream data(file, std::ios::binary);
        if (!data) Fail(where, file + " cannot be read");
        e.bytes.assign(std::istreambuf_iterator<char>(data), {});
        entries.push_back(e);
    }

    std::ofstream out(argv[2]);
    out << "// Made by rc-embed from " << script << "; do not edit.\n";
    out << "#include \"platform/user/resources.h\"\n\nnamespace {\n\n";
    for (size_t i = 0; i < entries.size(); i++) {
        if (entries[i].bytes.empty()) continue;
        out << "const uint8_t kData" << i << "[] = {";
        for (size_t k = 0; k < entries[i].bytes.size(); k++) out << (k ? (k % 24 ? "," : ",\n    ") : "\n    ") << unsigned(entries[i].bytes[k]);
        out << "};\n";
    }
    out << "\nconst user::Resource kResources[] = {\n";
    for (size_t i = 0; i < entries.size(); i++) {
        const Entry& e = entries[i];
        out << "    {user::Resource::" << e.type << ", \"" << Escaped(e.name) << "\", " << e.id << ", ";
        if (e.bytes.empty())
            out << "nullptr, 0, ";
        else
            out << "kData" << i << ", sizeof kData" << i << ", ";
        out << "\"" << Escaped(e.text) << "\"},\n";
    }
    out << "};\n\n";
    out << "const bool kRegistered = (user::UseResources(kResources, sizeof kResources / sizeof kResources[0]), true);\n\n";
    out << "}  // namespace\n";
    return out ? 0 : 1;
}
