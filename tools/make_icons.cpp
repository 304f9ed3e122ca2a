// Draws the program's icons as icon files:
//   make_icons <folder>
// writes lexiblast.ico (the program icon, 16, 32 and 48 pixels), the program icon as the pictures a
// Linux desktop shows in its application menu (lexiblast-48.png and lexiblast-256.png) and the four
// feedback cursors zap.ico, eliminate.ico, fakezapped.ico and wordeliminated.ico (16 and 32 pixels)
// into the folder. Every image is drawn from a few shapes, so the build makes the same bytes every time.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Color {
    int R, G, B, A = 255;
};

// One square image, top row first, straight (not premultiplied) alpha.
struct Image {
    int Size;
    std::vector<Color> Pixels;
};

// Shapes are painted opaquely on a finer grid and averaged down to pixels, which smooths the edges.
// Coordinates are in pixels of the final image, (0, 0) at its top left corner.
class Canvas {
public:
    explicit Canvas(int size)
        : size_(size), fine_(static_cast<std::size_t>(size * size * kGrid * kGrid), Color{0, 0, 0, 0}) {}

    void Fill(const std::function<bool(double, double)>& inside,
              const std::function<Color(double, double)>& color) {
        const int n = size_ * kGrid;
        for (int j = 0; j < n; ++j) {
            for (int i = 0; i < n; ++i) {
                const double x = (i + 0.5) / kGrid;
                const double y = (j + 0.5) / kGrid;
                if (inside(x, y)) {
                    fine_[static_cast<std::size_t>(j * n + i)] = color(x, y);
                }
            }
        }
    }

    void Fill(const std::function<bool(double, double)>& inside, Color color) {
        Fill(inside, [color](double, double) { return color; });
    }

    // Fills whole pixels whose centres are inside: hard edges, for small diagonal shapes that
    // smoothing would blur.
    void FillPixels(const std::function<bool(double, double)>& inside, Color color) {
        Fill([&](double x, double y) { return inside(std::floor(x) + 0.5, std::floor(y) + 0.5); }, color);
    }

    Image Finish() const {
        Image image{size_, {}};
        const int n = size_ * kGrid;
        for (int y = 0; y < size_; ++y) {
            for (int x = 0; x < size_; ++x) {
                int r = 0, g = 0, b = 0, a = 0;
                for (int j = y * kGrid; j < (y + 1) * kGrid; ++j) {
                    for (int i = x * kGrid; i < (x + 1) * kGrid; ++i) {
                        const Color& c = fine_[static_cast<std::size_t>(j * n + i)];
                        r += c.R * c.A;
                        g += c.G * c.A;
                        b += c.B * c.A;
                        a += c.A;
                    }
                }
                Color pixel{0, 0, 0, 0};
                if (a > 0) {
                    pixel = {(r + a / 2) / a, (g + a / 2) / a, (b + a / 2) / a,
                             (a + kGrid * kGrid / 2) / (kGrid * kGrid)};
                }
                image.Pixels.push_back(pixel);
            }
        }
        return image;
    }

private:
    static constexpr int kGrid = 8;
    int size_;
    std::vector<Color> fine_;
};

std::function<bool(double, double)> Disc(double cx, double cy, double radius) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

std::function<bool(double, double)> Box(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

// A rectangle with corners rounded to the given radius.
std::function<bool(double, double)> RoundedBox(double left, double top, double right, double bottom,
                                               double radius) {
    return [=](double x, double y) {
        if (x < left || x >= right || y < top || y >= bottom) {
            return false;
        }
        const double dx = std::max({left + radius - x, x - (right - radius), 0.0});
        const double dy = std::max({top + radius - y, y - (bottom - radius), 0.0});
        return dx * dx + dy * dy <= radius * radius;
    };
}

// A stroke with round ends: every point within halfWidth of the segment from (x0, y0) to (x1, y1).
std::function<bool(double, double)> Stroke(double x0, double y0, double x1, double y1, double halfWidth) {
    return [=](double x, double y) {
        const double dx = x1 - x0, dy = y1 - y0;
        const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        const double ex = x - (x0 + t * dx), ey = y - (y0 + t * dy);
        return ex * ex + ey * ey <= halfWidth * halfWidth;
    };
}

// A four-pointed spark: concave sides, its points reaching radius from the centre.
std::function<bool(double, double)> Spark(double cx, double cy, double radius) {
    return [=](double x, double y) {
        return std::sqrt(std::fabs(x - cx)) + std::sqrt(std::fabs(y - cy)) <= std::sqrt(radius);
    };
}

enum class Mark { Plus, Cross };

// A feedback cursor: a disc with a thin darker rim and a white mark, centred on the cursor's hot spot.
Image FeedbackCursor(int size, Color fill, Color rim, Mark mark) {
    const double c = size / 2.0;
    const bool large = size >= 32;
    const double radius = large ? 11.0 : 7.0;
    const double rimWidth = large ? 1.25 : 1.0;
    Canvas canvas(size);
    canvas.Fill(Disc(c, c, radius), rim);
    // A little lighter towards the top left, so that the disc looks rounded.
    canvas.Fill(Disc(c, c, radius - rimWidth), [=](double x, double y) {
        const double light = std::clamp(((c - x) + (c - y)) / (4.0 * radius), -0.25, 0.25);
        const auto shade = [light](int v) {
            return std::clamp(static_cast<int>(v + 255 * light * 0.5), 0, 255);
        };
        return Color{shade(fill.R), shade(fill.G), shade(fill.B)};
    });
    const Color white{255, 255, 255};
    if (mark == Mark::Plus) {
        const double arm = large ? 6.0 : 4.0;
        const double halfWidth = large ? 2.0 : 1.0;
        canvas.Fill(Box(c - halfWidth, c - arm, c + halfWidth, c + arm), white);
        canvas.Fill(Box(c - arm, c - halfWidth, c + arm, c + halfWidth), white);
    } else if (large) {
        const double arm = 4.0; // from the centre to the middle of a round end, each way
        canvas.Fill(Stroke(c - arm, c - arm, c + arm, c + arm, 2.0), white);
        canvas.Fill(Stroke(c - arm, c + arm, c + arm, c - arm, 2.0), white);
    } else {
        // Smoothing blurs so small a cross, so it is drawn in whole pixels: two diagonal lines three
        // pixels wide.
        canvas.FillPixels(
            [c](double x, double y) {
                const double dx = x - c, dy = y - c;
                return std::max(std::fabs(dx), std::fabs(dy)) < 4.0 &&
                       (std::fabs(dx - dy) <= 1.0 || std::fabs(dx + dy) <= 1.0);
            },
            white);
    }
    return canvas.Finish();
}

// The program icon: a bold yellow L on a rounded dark-blue tile, with a spark where a word was zapped.
// The shapes are laid out on a 16-unit grid, so that the edges of the letter fall on pixel edges.
Image ProgramIcon(int size) {
    const double u = size / 16.0;
    Canvas canvas(size);
    canvas.Fill(RoundedBox(0, 0, size, size, 3 * u), Color{12, 24, 64});
    const double border = std::max(1, size / 24); // a darker edge round the tile
    const auto tile = [size](double, double y) {
        const double t = y / size; // lighter at the top
        return Color{static_cast<int>(std::lround(40 - 24 * t)), static_cast<int>(std::lround(72 - 36 * t)),
                     static_cast<int>(std::lround(168 - 60 * t))};
    };
    canvas.Fill(RoundedBox(border, border, size - border, size - border, 3 * u - border), tile);
    if (size >= 32) {
        const double s = u / 2; // a shadow below and to the right of the letter
        canvas.Fill(Box(3 * u + s, 3 * u + s, 6 * u + s, 13 * u + s), Color{8, 16, 40});
        canvas.Fill(Box(3 * u + s, 10 * u + s, 11 * u + s, 13 * u + s), Color{8, 16, 40});
    }
    const Color yellow{255, 212, 32};
    canvas.Fill(Box(3 * u, 3 * u, 6 * u, 13 * u), yellow);
    canvas.Fill(Box(3 * u, 10 * u, 11 * u, 13 * u), yellow);
    canvas.Fill(Spark(11.5 * u, 5.5 * u, 3.5 * u), Color{255, 250, 210});
    return canvas.Finish();
}

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// A PNG file of the image: 8-bit RGBA rows without filtering, kept in stored (uncompressed) deflate
// blocks, which every PNG reader takes and which need no compressor.
std::vector<std::uint8_t> PngFile(const Image& image) {
    const std::size_t size = static_cast<std::size_t>(image.Size);
    std::vector<std::uint8_t> raw;
    for (std::size_t y = 0; y < size; ++y) {
        raw.push_back(0); // filter: none
        for (std::size_t x = 0; x < size; ++x) {
            const Color& c = image.Pixels[y * size + x];
            raw.insert(raw.end(), {static_cast<std::uint8_t>(c.R), static_cast<std::uint8_t>(c.G),
                                   static_cast<std::uint8_t>(c.B), static_cast<std::uint8_t>(c.A)});
        }
    }
    std::vector<std::uint8_t> zlib{0x78, 0x01};
    constexpr std::size_t kLargestBlock = 65535;
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kLargestBlock, raw.size() - at);
        zlib.push_back(at + length == raw.size() ? 1 : 0); // the last block, stored
        PutLittleEndian(zlib, static_cast<std::uint32_t>(length), 2);
        PutLittleEndian(zlib, static_cast<std::uint32_t>(~length & 0xFFFFu), 2);
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                    raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0; // Adler-32 of the uncompressed bytes
    for (const std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(zlib, (b << 16) | a);

    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(size));
    PutBigEndian(header, static_cast<std::uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter, no interlace
    std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", zlib);
    PutChunk(file, "IEND", {});
    return file;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

// One image of an icon file: a 32-bit colour bitmap and a 1-bit mask, both bottom row first. The mask
// hides only the fully transparent pixels, so that a display without alpha blending still shows the
// soft edges; those hidden pixels are black, which leaves the screen unchanged.
std::vector<std::uint8_t> IconImage(const Image& image) {
    const int size = image.Size;
    const int maskRowBytes = (size + 31) / 32 * 4;
    std::vector<std::uint8_t> out;
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(size), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(2 * size), 4); // colour bitmap and mask
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 32, 2);
    PutLittleEndian(out, 0, 4); // uncompressed
    PutLittleEndian(out, static_cast<std::uint32_t>(size * size * 4 + size * maskRowBytes), 4);
    PutLittleEndian(out, 0, 16);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Color& c = image.Pixels[static_cast<std::size_t>(y * size + x)];
            out.insert(out.end(), {static_cast<std::uint8_t>(c.B), static_cast<std::uint8_t>(c.G),
                                   static_cast<std::uint8_t>(c.R), static_cast<std::uint8_t>(c.A)});
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRowBytes), 0);
        for (int x = 0; x < size; ++x) {
            if (image.Pixels[static_cast<std::size_t>(y * size + x)].A == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool WriteIcon(const std::string& path, const std::vector<Image>& images) {
    std::vector<std::vector<std::uint8_t>> data;
    for (const Image& image : images) {
        data.push_back(IconImage(image));
    }
    std::vector<std::uint8_t> file;
    PutLittleEndian(file, 0, 2);
    PutLittleEndian(file, 1, 2); // an icon, not a cursor
    PutLittleEndian(file, static_cast<std::uint32_t>(images.size()), 2);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        PutLittleEndian(file, static_cast<std::uint32_t>(images[i].Size), 1);
        PutLittleEndian(file, static_cast<std::uint32_t>(images[i].Size), 1);
        PutLittleEndian(file, 0, 2); // no palette, reserved
        PutLittleEndian(file, 1, 2); // planes
        PutLittleEndian(file, 32, 2);
        PutLittleEndian(file, static_cast<std::uint32_t>(data[i].size()), 4);
        PutLittleEndian(file, offset, 4);
        offset += static_cast<std::uint32_t>(data[i].size());
    }
    for (const auto& d : data) {
        file.insert(file.end(), d.begin(), d.end());
    }
    return WriteFile(path, file);
}

std::vector<Image> Cursor(Color fill, Color rim, Mark mark) {
    return {FeedbackCursor(32, fill, rim, mark), FeedbackCursor(16, fill, rim, mark)};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const Color green{48, 168, 64}, darkGreen{16, 88, 28};
    const Color red{208, 44, 40}, darkRed{112, 16, 16};
    const std::pair<const char*, std::vector<Image>> icons[] = {
        {"lexiblast.ico", {ProgramIcon(48), ProgramIcon(32), ProgramIcon(16)}},
        {"zap.ico", Cursor(green, darkGreen, Mark::Plus)},
        {"eliminate.ico", Cursor(green, darkGreen, Mark::Cross)},
        {"fakezapped.ico", Cursor(red, darkRed, Mark::Cross)},
        {"wordeliminated.ico", Cursor(red, darkRed, Mark::Plus)},
    };
    for (const auto& [name, images] : icons) {
        const std::string path = folder + "/" + name;
        if (!WriteIcon(path, images)) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    for (const int size : {48, 256}) {
        const std::string path = folder + "/lexiblast-" + std::to_string(size) + ".png";
        if (!WriteFile(path, PngFile(ProgramIcon(size)))) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
