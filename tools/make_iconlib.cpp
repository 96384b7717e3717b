// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the icon library from readable art.
//
//   make_iconlib <library> <art>...
//
// Each art file is 32 lines of 32 characters, one character per pixel, and
// becomes one record of the library: a complete 766-byte .ico file (32 x 32,
// 16 colours, transparency in the AND mask). Records follow the order of the
// art files on the command line, so the library's readers can step through
// it by a fixed record size.
//
// Pixel characters, the 16-colour standard palette:
//   .  transparent
//   k  black        m  maroon       g  dark green   o  olive
//   n  navy         p  purple       t  teal         s  silver
//   d  grey         R  red          G  green        Y  yellow
//   B  blue         M  magenta      C  cyan         W  white
//
// Malformed art stops the build with the file, line and reason, and leaves
// any earlier library untouched.

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int Side = 32;
constexpr char TransparentPixel = '.';
constexpr std::string_view PaletteLetters = "kmgonptsdRGYBMCW";
constexpr std::array<uint32_t, 16> PaletteRgb = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

constexpr uint32_t IconDirBytes = 6;
constexpr uint32_t IconDirEntryBytes = 16;
constexpr uint32_t BitmapHeaderBytes = 40;
constexpr uint32_t PaletteBytes = PaletteRgb.size() * 4;
constexpr uint32_t ColourRowBytes = Side / 2;  // 4 bits a pixel; already a multiple of 4
constexpr uint32_t MaskRowBytes = Side / 8;  // 1 bit a pixel; already a multiple of 4
constexpr uint32_t PixelBytes = (ColourRowBytes + MaskRowBytes) * Side;
constexpr uint32_t ImageBytes = BitmapHeaderBytes + PaletteBytes + PixelBytes;
constexpr uint32_t RecordBytes = IconDirBytes + IconDirEntryBytes + ImageBytes;
static_assert(RecordBytes == 766, "readers of the library step by 766 bytes");

class ArtError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Palette index of each pixel, row by row from the top; -1 is transparent.
using Pixels = std::array<std::array<int, Side>, Side>;

int pixelIndex(char letter, const std::string& where)
{
    if (letter == TransparentPixel)
        return -1;
    const size_t index = PaletteLetters.find(letter);
    if (index == std::string_view::npos)
        throw ArtError(where + ": unknown pixel character '" + std::string(1, letter) + "'");
    return static_cast<int>(index);
}

std::vector<std::string> readLines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ArtError(path + ": cannot be read");
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        // Tolerate art saved with Windows line ends.
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

Pixels readArt(const std::string& path)
{
    const std::vector<std::string> lines = readLines(path);
    if (lines.size() != Side)
        throw ArtError(path + ": expected " + std::to_string(Side) + " lines, found " + std::to_string(lines.size()));
    Pixels pixels{};
    for (int y = 0; y < Side; ++y) {
        const std::string where = path + ":" + std::to_string(y + 1);
        if (lines[y].size() != Side)
            throw ArtError(where + ": expected " + std::to_string(Side) + " pixels, found " +
                           std::to_string(lines[y].size()));
        for (int x = 0; x < Side; ++x)
            pixels[y][x] = pixelIndex(lines[y][x], where + ":" + std::to_string(x + 1));
    }
    return pixels;
}

void putU8(std::string& out, uint32_t value) { out.push_back(static_cast<char>(value & 0xFF)); }

void putU16(std::string& out, uint32_t value)
{
    putU8(out, value);
    putU8(out, value >> 8);
}

void putU32(std::string& out, uint32_t value)
{
    putU16(out, value);
    putU16(out, value >> 16);
}

void putIconHeaders(std::string& out)
{
    putU16(out, 0);  // reserved
    putU16(out, 1);  // an icon, not a cursor
    putU16(out, 1);  // one image
    putU8(out, Side);
    putU8(out, Side);
    putU8(out, PaletteRgb.size());
    putU8(out, 0);  // reserved
    putU16(out, 1);  // planes
    putU16(out, 4);  // bits a pixel
    putU32(out, ImageBytes);
    putU32(out, IconDirBytes + IconDirEntryBytes);
}

void putBitmapHeader(std::string& out)
{
    putU32(out, BitmapHeaderBytes);
    putU32(out, Side);
    putU32(out, Side * 2);  // colour bitmap and mask stacked
    putU16(out, 1);
    putU16(out, 4);
    putU32(out, 0);  // uncompressed
    putU32(out, PixelBytes);
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 0);  // every palette entry is used
    putU32(out, 0);
}

void putPalette(std::string& out)
{
    for (uint32_t rgb : PaletteRgb) {
        putU8(out, rgb);  // blue
        putU8(out, rgb >> 8);  // green
        putU8(out, rgb >> 16);  // red
        putU8(out, 0);
    }
}

// Bitmaps are stored bottom row first, the leftmost pixel in the high bits.
void putColourBitmap(std::string& out, const Pixels& pixels)
{
    for (int y = Side - 1; y >= 0; --y) {
        for (int x = 0; x < Side; x += 2) {
            // Transparent pixels are black so the classic AND-then-XOR
            // drawing leaves the background untouched.
            const uint32_t left = pixels[y][x] < 0 ? 0 : pixels[y][x];
            const uint32_t right = pixels[y][x + 1] < 0 ? 0 : pixels[y][x + 1];
            putU8(out, (left << 4) | right);
        }
    }
}

void putMask(std::string& out, const Pixels& pixels)
{
    for (int y = Side - 1; y >= 0; --y) {
        for (int x = 0; x < Side; x += 8) {
            uint32_t bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (pixels[y][x + bit] < 0)
                    bits |= 0x80u >> bit;
            putU8(out, bits);
        }
    }
}

std::string encodeRecord(const Pixels& pixels)
{
    std::string record;
    record.reserve(RecordBytes);
    putIconHeaders(record);
    putBitmapHeader(record);
    putPalette(record);
    putColourBitmap(record, pixels);
    putMask(record, pixels);
    return record;
}

// Written beside the target and renamed over it, so a failed run never
// leaves a short library that a later build would take as up to date.
void writeLibrary(const std::string& path, const std::string& bytes)
{
    const std::string partial = path + ".part";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    std::error_code error;
    if (out)
        std::filesystem::rename(partial, path, error);
    if (!out || error) {
        std::filesystem::remove(partial, error);
        throw ArtError(path + ": cannot be written");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: make_iconlib <library> <art>...\n";
        return 2;
    }
    try {
        std::string library;
        for (int i = 2; i < argc; ++i)
            library += encodeRecord(readArt(argv[i]));
        writeLibrary(argv[1], library);
    } catch (const ArtError& error) {
        std::cerr << "make_iconlib: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
