// Draws Quillmere's icons and logo and writes them as palette images, so that the artwork is
// made the same way at every build:
//   artwork DIRECTORY   writes quillview.ico (48 and 16 pixels, 256 colours), logo.bmp (32 pixels,
//                       256 colours), quillwake.ico (48 pixels, 256 colours) and quillwake-small.ico
//                       (16 pixels, 16 colours) into DIRECTORY
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Colour {
    double r, g, b, a;
};

using Palette = std::vector<Colour>;

// A 6 x 6 x 6 colour cube and 40 greys.
Palette Palette256() {
    Palette palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({r / 5.0, g / 5.0, b / 5.0, 1});
    for (int i = 0; i < 40; ++i)
        palette.push_back({i / 39.0, i / 39.0, i / 39.0, 1});
    return palette;
}

// The sixteen colours of the standard Windows palette.
Palette Palette16() {
    const int rgb[16][3] = {{0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
                            {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
                            {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    Palette palette;
    for (const auto& c : rgb)
        palette.push_back({c[0] / 255.0, c[1] / 255.0, c[2] / 255.0, 1});
    return palette;
}

// The picture at (x, y) in [0, 1]: a blue disc with a cream quill across it. wake adds the
// scheduler's gold ring.
Colour Picture(double x, double y, bool wake) {
    const double dx = x - 0.5, dy = y - 0.5, radius = std::sqrt(dx * dx + dy * dy);
    Colour colour{0, 0, 0, 0};
    if (radius < 0.47) colour = {0.0, 0.2, 0.4, 1};
    if (wake && radius >= 0.40 && radius < 0.47) colour = {0.8, 0.6, 0.0, 1};
    const double u = (dx - dy) / std::sqrt(2.0), v = (dx + dy) / std::sqrt(2.0); // along and across the quill
    const double t = (u + 0.30) / 0.68;
    if (t > 0 && t < 1 && std::fabs(v) < 0.13 * std::sin(3.14159 * std::pow(t, 0.7))) colour = {1.0, 1.0, 0.8, 1};
    if (u > -0.40 && u < 0.36 && std::fabs(v) < 0.018) colour = {0.4, 0.2, 0.0, 1};
    return colour;
}

// The picture at size x size pixels as palette indexes, with a mask of transparent pixels.
struct Image {
    int size;
    std::vector<int> index;
    std::vector<bool> transparent;
};

Image Draw(int size, const Palette& palette, bool wake) {
    Image image{size, {}, {}};
    constexpr int samples = 4;
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            Colour sum{0, 0, 0, 0};
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const Colour c =
                        Picture((column + (sx + 0.5) / samples) / size, (row + (sy + 0.5) / samples) / size, wake);
                    sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
                }
            }
            // Half-covered pixels blend into the background: white for a bitmap, transparent for an icon.
            const double cover = sum.a / (samples * samples);
            const bool clear = cover < 0.5;
            const Colour mean = {sum.r / (samples * samples) + (1 - cover), sum.g / (samples * samples) + (1 - cover),
                                 sum.b / (samples * samples) + (1 - cover), 1};
            int best = 0;
            double bestDistance = 1e9;
            for (size_t i = 0; i < palette.size(); ++i) {
                const double d = std::pow(palette[i].r - mean.r, 2) + std::pow(palette[i].g - mean.g, 2) +
                                 std::pow(palette[i].b - mean.b, 2);
                if (d < bestDistance) bestDistance = d, best = static_cast<int>(i);
            }
            image.index.push_back(best);
            image.transparent.push_back(clear);
        }
    }
    return image;
}

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i) & 0xFF);
}

int BitsPerPixel(const Palette& palette) { return palette.size() > 16 ? 8 : 4; }

// The header, palette and bottom-up pixel rows of a device-independent bitmap; an icon's image
// counts twice its height and is followed by its transparency mask.
std::string Dib(const Image& image, const Palette& palette, bool icon) {
    const int bits = BitsPerPixel(palette);
    const int rowBytes = (image.size * bits + 31) / 32 * 4, maskBytes = (image.size + 31) / 32 * 4;
    std::string out;
    Put(out, 40, 4);
    Put(out, image.size, 4);
    Put(out, icon ? 2 * image.size : image.size, 4);
    Put(out, 1, 2);
    Put(out, bits, 2);
    Put(out, 0, 4);
    Put(out, rowBytes * image.size + (icon ? maskBytes * image.size : 0), 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, static_cast<std::uint32_t>(palette.size()), 4);
    Put(out, 0, 4);
    for (const Colour& c : palette) {
        Put(out, std::lround(c.b * 255), 1);
        Put(out, std::lround(c.g * 255), 1);
        Put(out, std::lround(c.r * 255), 1);
        Put(out, 0, 1);
    }
    for (int row = image.size - 1; row >= 0; --row) {
        std::string bytes(rowBytes, '\0');
        for (int column = 0; column < image.size; ++column) {
            const int index = image.index[row * image.size + column];
            if (bits == 8)
                bytes[column] = static_cast<char>(index);
            else
                bytes[column / 2] = static_cast<char>(bytes[column / 2] | index << (column % 2 ? 0 : 4));
        }
        out += bytes;
    }
    for (int row = image.size - 1; icon && row >= 0; --row) {
        std::string bytes(maskBytes, '\0');
        for (int column = 0; column < image.size; ++column)
            if (image.transparent[row * image.size + column])
                bytes[column / 8] |= static_cast<char>(0x80 >> (column % 8));
        out += bytes;
    }
    return out;
}

std::string Icon(const std::vector<std::pair<Image, Palette>>& images) {
    std::string out, data;
    Put(out, 0, 2);
    Put(out, 1, 2);
    Put(out, static_cast<std::uint32_t>(images.size()), 2);
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (const auto& [image, palette] : images) {
        const std::string dib = Dib(image, palette, true);
        Put(out, image.size, 1);
        Put(out, image.size, 1);
        Put(out, palette.size() > 16 ? 0 : static_cast<std::uint32_t>(palette.size()), 1);
        Put(out, 0, 1);
        Put(out, 1, 2);
        Put(out, BitsPerPixel(palette), 2);
        Put(out, static_cast<std::uint32_t>(dib.size()), 4);
        Put(out, offset, 4);
        offset += static_cast<std::uint32_t>(dib.size());
        data += dib;
    }
    return out + data;
}

std::string Bitmap(const Image& image, const Palette& palette) {
    const std::string dib = Dib(image, palette, false);
    std::string out = "BM";
    Put(out, 14 + static_cast<std::uint32_t>(dib.size()), 4);
    Put(out, 0, 4);
    Put(out, 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size()), 4);
    return out + dib;
}

bool Save(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: artwork DIRECTORY\n", stderr);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const Palette colours = Palette256(), vga = Palette16();
    const bool saved = Save(folder + "quillview.ico",
                            Icon({{Draw(48, colours, false), colours}, {Draw(16, colours, false), colours}})) &&
                       Save(folder + "logo.bmp", Bitmap(Draw(32, colours, false), colours)) &&
                       Save(folder + "quillwake.ico", Icon({{Draw(48, colours, true), colours}})) &&
                       Save(folder + "quillwake-small.ico", Icon({{Draw(16, vga, true), vga}}));
    if (!saved) std::fprintf(stderr, "artwork: cannot write into %s\n", argv[1]);
    return saved ? 0 : 1;
}
