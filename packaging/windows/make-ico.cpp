// make-ico: joins square PNG pictures into one Windows icon file.
//   make-ico OUT.ico PICTURE.png...
// Each picture becomes one entry of the icon, stored as the PNG itself
// (Windows Vista and later read PNG entries at every size), smallest first.
// A build-host tool with no dependency beyond the C++ library, so the icon
// embedded in corvane.exe and shown by the installer is made the same way on
// every machine from the pictures in app/resources.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Picture {
    std::string path;
    std::vector<unsigned char> bytes; // the whole PNG file
    std::uint32_t size = 0;           // width = height, pixels
    std::uint16_t bitsPerPixel = 32;
};

std::uint32_t bigEndian32(const std::vector<unsigned char>& b, std::size_t at) {
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 |
           std::uint32_t(b[at + 2]) << 8 | std::uint32_t(b[at + 3]);
}

void putLittle16(std::vector<unsigned char>& out, std::uint32_t v) {
    out.push_back(static_cast<unsigned char>(v & 0xff));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xff));
}

void putLittle32(std::vector<unsigned char>& out, std::uint32_t v) {
    putLittle16(out, v & 0xffff);
    putLittle16(out, v >> 16);
}

// Reads a PNG and its size from the IHDR chunk, which the format puts first:
// 8-byte signature, chunk length 13, "IHDR", width, height, bit depth, colour
// type. Returns an error text, empty when the picture can be used.
std::string readPicture(Picture& picture) {
    std::ifstream in(picture.path, std::ios::binary);
    if (!in) {
        return "cannot be read";
    }
    picture.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    const auto& b = picture.bytes;
    if (b.size() < 33 || !std::equal(signature, signature + 8, b.begin()) ||
        bigEndian32(b, 8) != 13 || std::string(b.begin() + 12, b.begin() + 16) != "IHDR") {
        return "is not a PNG picture";
    }
    const std::uint32_t width = bigEndian32(b, 16);
    const std::uint32_t height = bigEndian32(b, 20);
    if (width != height || width == 0 || width > 256) {
        return "is " + std::to_string(width) + "x" + std::to_string(height) +
               " px; an icon entry is square, 1 to 256 px";
    }
    picture.size = width;
    // The directory's bit count is a hint for choosing an entry; a PNG's own
    // header is what Windows decodes. Palette pictures say 8, others 32.
    picture.bitsPerPixel = b[25] == 3 ? 8 : 32;
    return {};
}

// ICONDIR (reserved 0, type 1, count), one 16-byte ICONDIRENTRY per picture
// (width and height with 256 written as 0, colour count 0, reserved 0,
// planes 1, bit count, data size, data offset), then the pictures.
std::vector<unsigned char> iconFile(const std::vector<Picture>& pictures) {
    std::vector<unsigned char> out;
    putLittle16(out, 0);
    putLittle16(out, 1);
    putLittle16(out, static_cast<std::uint32_t>(pictures.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * pictures.size());
    for (const Picture& p : pictures) {
        const auto side = static_cast<unsigned char>(p.size == 256 ? 0 : p.size);
        out.push_back(side);
        out.push_back(side);
        out.push_back(0);
        out.push_back(0);
        putLittle16(out, 1);
        putLittle16(out, p.bitsPerPixel);
        putLittle32(out, static_cast<std::uint32_t>(p.bytes.size()));
        putLittle32(out, offset);
        offset += static_cast<std::uint32_t>(p.bytes.size());
    }
    for (const Picture& p : pictures) {
        out.insert(out.end(), p.bytes.begin(), p.bytes.end());
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUT.ico PICTURE.png...\n", argv[0]);
        return 2;
    }
    std::vector<Picture> pictures;
    for (int i = 2; i < argc; ++i) {
        Picture picture;
        picture.path = argv[i];
        const std::string error = readPicture(picture);
        if (!error.empty()) {
            std::fprintf(stderr, "make-ico: %s %s\n", argv[i], error.c_str());
            return 1;
        }
        pictures.push_back(std::move(picture));
    }
    std::stable_sort(pictures.begin(), pictures.end(),
                     [](const Picture& a, const Picture& b) { return a.size < b.size; });
    for (std::size_t i = 1; i < pictures.size(); ++i) {
        if (pictures[i].size == pictures[i - 1].size) {
            std::fprintf(stderr, "make-ico: %s and %s are both %u px\n",
                         pictures[i - 1].path.c_str(), pictures[i].path.c_str(),
                         static_cast<unsigned>(pictures[i].size));
            return 1;
        }
    }

    // Written under a temporary name and renamed: a failed run leaves no
    // partial icon under the name the build expects.
    const std::vector<unsigned char> icon = iconFile(pictures);
    const std::string out = argv[1];
    const std::string part = out + ".part";
    {
        std::ofstream file(part, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(icon.data()),
                   static_cast<std::streamsize>(icon.size()));
        file.close();
        if (!file) {
            std::fprintf(stderr, "make-ico: cannot write %s\n", part.c_str());
            std::remove(part.c_str());
            return 1;
        }
    }
    if (std::rename(part.c_str(), out.c_str()) != 0) {
        std::fprintf(stderr, "make-ico: cannot write %s\n", out.c_str());
        std::remove(part.c_str());
        return 1;
    }
    return 0;
}
