#include "tests/program/foreign_pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace dab_test {

namespace {

// Flat areas (long runs), fine stripes (absolute runs) and a gradient (many colours), with no alpha.
std::vector<uint8_t> SourceRgb(int width, int height) {
    std::vector<uint8_t> rgb;
    rgb.reserve(size_t(width) * size_t(height) * 3);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            uint8_t r, g, b;
            if (x < width / 3) {
                bool dark = (x / 23 + y / 17) % 2;
                r = dark ? 30 : 240, g = dark ? 60 : 200, b = dark ? 150 : 40;
            } else if (x < 2 * width / 3) {
                r = uint8_t((x * 7) % 256), g = uint8_t((y * 5) % 256), b = uint8_t(((x ^ y) & 1) * 255);
            } else {
                r = uint8_t(x * 255 / width), g = uint8_t(y * 255 / height), b = uint8_t(128 + (x - y) % 97);
            }
            rgb.insert(rgb.end(), {r, g, b});
        }
    }
    return rgb;
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Convert(const std::string& arguments) {
    std::string command = "convert " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return false;
    std::string output;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
    int status = pclose(pipe);
    EXPECT_EQ(status, 0) << command << "\n" << output;
    return status == 0;
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

// ImageMagick writes run lengths of 8 bits only; this codes its 4-bit picture's rows as runs of one colour
// and absolute runs of 3 to 7 pixels, bottom row first, each row closed and the picture ended.
bool WriteRunLength4(const std::string& from, const std::string& to) {
    std::vector<uint8_t> file = ReadAll(from);
    if (file.size() < 54 || file[28] != 4 || Le32(file, 30) != BI_RGB) return false;
    uint32_t offBits = Le32(file, 10), width = Le32(file, 18), height = Le32(file, 22);
    size_t stride = (width * 4 + 31) / 32 * 4;
    auto index = [&](uint32_t row, uint32_t x) {
        return uint8_t((file[offBits + stride * row + x / 2] >> (x % 2 ? 0 : 4)) & 15);
    };
    std::vector<uint8_t> runs;
    for (uint32_t row = 0; row < height; row++) {
        for (uint32_t x = 0; x < width;) {
            uint32_t n = 1;
            while (x + n < width && n < 255 && index(row, x + n) == index(row, x)) n++;
            if (n >= 3 || width - x < 3) {
                runs.insert(runs.end(), {uint8_t(n), uint8_t(index(row, x) * 0x11)});
            } else {
                n = std::min<uint32_t>(width - x, 7);
                runs.insert(runs.end(), {0, uint8_t(n)});
                for (uint32_t k = 0; k < n; k += 2)
                    runs.push_back(uint8_t(index(row, x + k) << 4 | (k + 1 < n ? index(row, x + k + 1) : 0)));
                if ((n + 1) / 2 % 2) runs.push_back(0);
            }
            x += n;
        }
        runs.insert(runs.end(), {0, uint8_t(row + 1 == height ? 1 : 0)});
    }
    std::vector<uint8_t> out(file.begin(), file.begin() + offBits);
    out.insert(out.end(), runs.begin(), runs.end());
    uint32_t size = uint32_t(out.size()), imageSize = uint32_t(runs.size()), compression = BI_RLE4;
    std::memcpy(out.data() + 2, &size, 4);
    std::memcpy(out.data() + 30, &compression, 4);
    std::memcpy(out.data() + 34, &imageSize, 4);
    std::ofstream(to, std::ios::binary).write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    return true;
}

}  // namespace

std::vector<ForeignPicture> MakeForeignPictures(const std::string& folder, int width, int height) {
    std::string source = folder + "/source.ppm";
    {
        std::ofstream out(source, std::ios::binary);
        out << "P6\n" << width << " " << height << "\n255\n";
        std::vector<uint8_t> rgb = SourceRgb(width, height);
        out.write(reinterpret_cast<const char*>(rgb.data()), std::streamsize(rgb.size()));
    }
    struct Kind {
        const char* kind;
        const char* name;
        const char* options;  // ImageMagick's, before the output file
    };
    const Kind kinds[] = {
        {"8-bit run lengths", "RLE8.BMP", "-type palette -colors 200 -compress RLE BMP3:"},
        {"4-bit", "FOUR.BMP", "-type palette -colors 16 BMP3:"},
        {"16-bit 5-6-5 masks", "MASK565.BMP", "-define bmp:subtype=RGB565 BMP:"},
        {"16-bit 5-5-5 masks", "MASK555.BMP", "-define bmp:subtype=RGB555 BMP:"},
        {"32-bit masks", "MASK32.BMP", "-alpha on BMP:"},
        {"core header, 24-bit", "CORE24.BMP", "BMP2:"},
        {"core header, 8-bit", "CORE8.BMP", "-type palette -colors 100 BMP2:"},
        {"24-bit", "TRUE24.BMP", "-type truecolor BMP3:"},
    };
    std::vector<ForeignPicture> pictures;
    for (const Kind& kind : kinds) {
        std::string file = folder + "/" + kind.name;
        if (!Convert("'" + source + "' " + kind.options + "'" + file + "'")) return {};
        ForeignPicture picture{kind.kind, kind.name, width, height, {}};
        if (std::string(kind.name) == "FOUR.BMP") {
            picture.kind = "4-bit run lengths";
            picture.fileName = "RLE4.BMP";
            EXPECT_TRUE(WriteRunLength4(file, folder + "/RLE4.BMP")) << "ImageMagick's 4-bit picture";
            file = folder + "/RLE4.BMP";
        }
        std::string decoded = folder + "/decoded.rgb";
        if (!Convert("'" + file + "' -alpha off -depth 8 'rgb:" + decoded + "'")) return {};
        std::vector<uint8_t> rgb = ReadAll(decoded);
        EXPECT_EQ(rgb.size(), size_t(width) * size_t(height) * 3) << kind.kind;
        if (rgb.size() != size_t(width) * size_t(height) * 3) return {};
        for (size_t i = 0; i < rgb.size(); i += 3) picture.pixels.push_back(RGB(rgb[i], rgb[i + 1], rgb[i + 2]));
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

int CountDifferences(HDC dc, int x, int y, const ForeignPicture& picture, std::string* first) {
    int count = 0;
    for (int row = 0; row < picture.height; row++) {
        for (int col = 0; col < picture.width; col++) {
            COLORREF want = picture.pixels[size_t(row) * size_t(picture.width) + size_t(col)];
            COLORREF got = GetPixel(dc, x + col, y + row);
            if (got == want) continue;
            if (count++ == 0 && first) {
                std::ostringstream text;
                text << "first at (" << col << ", " << row << "): drawn 0x" << std::hex << got << ", decoded 0x" << want;
                *first = text.str();
            }
        }
    }
    return count;
}

}  // namespace dab_test
