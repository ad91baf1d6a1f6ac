#include "support/test_support.hpp"

#include <atomic>
#include <fstream>
#include <random>
#include <vector>

namespace oru::test {
namespace fs = std::filesystem;
namespace {

void put16(std::vector<unsigned char>& b, unsigned v) {
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}
void put32(std::vector<unsigned char>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void putBe16(std::vector<unsigned char>& b, unsigned v) {
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
    b.push_back(static_cast<unsigned char>(v & 0xFF));
}

fs::path writeBytes(const fs::path& root, std::string_view relative,
                    const std::vector<unsigned char>& bytes) {
    const fs::path p = root / fs::path(std::string(relative));
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return p;
}

}  // namespace

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    path_ = fs::temp_directory_path() /
            ("oru-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

fs::path TempDir::writeBmp(std::string_view relative, int width, int height) const {
    return writeText(relative, BmpBytes(width, height));
}

fs::path TempDir::writeJpeg(std::string_view relative, int width, int height) const {
    return writeText(relative, JpegBytes(width, height));
}

fs::path TempDir::writeText(std::string_view relative, std::string_view bytes) const {
    return writeBytes(path_, relative, std::vector<unsigned char>(bytes.begin(), bytes.end()));
}

std::string BmpBytes(int width, int height) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t dataSize = rowBytes * static_cast<std::uint32_t>(height);
    std::vector<unsigned char> b = {'B', 'M'};
    put32(b, 54 + dataSize);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(width));
    put32(b, static_cast<std::uint32_t>(height));
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, dataSize);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    b.resize(b.size() + dataSize, 0x80);
    return {b.begin(), b.end()};
}

std::string JpegBytes(int width, int height) {
    // SOI, a JFIF APP0 segment, a baseline frame header, then EOI: enough for a header check.
    std::vector<unsigned char> b = {0xFF, 0xD8, 0xFF, 0xE0};
    putBe16(b, 16);
    for (unsigned char c : {'J', 'F', 'I', 'F', '\0'})
        b.push_back(c);
    b.insert(b.end(), {1, 1, 0, 0, 1, 0, 1, 0, 0});
    b.push_back(0xFF);
    b.push_back(0xC0);
    putBe16(b, 11);
    b.push_back(8);
    putBe16(b, static_cast<unsigned>(height));
    putBe16(b, static_cast<unsigned>(width));
    b.insert(b.end(), {1, 1, 0x11, 0});
    b.push_back(0xFF);
    b.push_back(0xD9);
    return {b.begin(), b.end()};
}

Message LastMessage(const Host& host) {
    if (host.messages().empty()) return Message{-1, "", ""};
    return host.messages().back();
}

}  // namespace oru::test
