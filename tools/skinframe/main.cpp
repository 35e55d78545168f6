// skinframe STORED FRAMED: writes a stored skin as the SkinStream property of
// a form description (a 32-bit little-endian byte count, then the bytes), the
// form of the RCDATA resource the form reader hands to TSkinData.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: skinframe STORED FRAMED\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "skinframe: cannot read %s\n", argv[1]);
    return 1;
  }
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() > 0x7FFFFFFFu) {
    std::fprintf(stderr, "skinframe: %s is too large for the property\n", argv[1]);
    return 1;
  }
  const auto count = std::uint32_t(bytes.size());
  const char header[4] = {char(count & 0xFF), char(count >> 8 & 0xFF), char(count >> 16 & 0xFF),
                          char(count >> 24 & 0xFF)};
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(header, 4);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "skinframe: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
