#include "bench/ReferenceLZH.h"

#include <cstring>
#include <vector>

namespace bench {

namespace {

constexpr int N = 4096;
constexpr int F = 60;
constexpr int THRESHOLD = 2;
constexpr int N_CHAR = 256 - THRESHOLD + F;
constexpr int T = N_CHAR * 2 - 1;
constexpr int R = T - 1;
constexpr unsigned MAX_FREQ = 0x8000;

// First-byte tables of the position code, spelled out run by run.
struct Tables {
  std::uint8_t code[256];
  std::uint8_t len[256];
  Tables() {
    int i = 0;
    auto run = [&](int firstCode, int codes, int bytesPerCode, int bits) {
      for (int c = firstCode; c < firstCode + codes; c++)
        for (int k = 0; k < bytesPerCode; k++, i++) {
          code[i] = std::uint8_t(c);
          len[i] = std::uint8_t(bits);
        }
    };
    run(0, 1, 32, 3);
    run(1, 3, 16, 4);
    run(4, 8, 8, 5);
    run(12, 12, 4, 6);
    run(24, 24, 2, 7);
    run(48, 16, 1, 8);
  }
};
const Tables tables;

struct Decoder {
  const skin::TLZHReadFunc& read;
  const skin::TLZHWriteFunc& write;
  unsigned getbuf = 0;
  unsigned getlen = 0;
  std::vector<unsigned short> freq = std::vector<unsigned short>(T + 1);
  std::vector<unsigned short> prnt = std::vector<unsigned short>(T + N_CHAR);
  std::vector<unsigned short> son = std::vector<unsigned short>(T);
  std::vector<unsigned char> text = std::vector<unsigned char>(N + F - 1);

  unsigned ReadByte() {
    std::uint8_t b = 0;
    std::size_t got = 0;
    read(&b, 1, got);
    return got == 1 ? b : 0;
  }
  void WriteByte(std::uint8_t b) {
    std::size_t done = 0;
    write(&b, 1, done);
  }
  int GetBit() {
    while (getlen <= 8) {
      getbuf |= ReadByte() << (8 - getlen);
      getlen += 8;
    }
    const int bit = (getbuf & 0x8000) ? 1 : 0;
    getbuf = (getbuf << 1) & 0xFFFF;
    getlen--;
    return bit;
  }
  int GetByte() {
    while (getlen <= 8) {
      getbuf |= ReadByte() << (8 - getlen);
      getlen += 8;
    }
    const int byte = int(getbuf >> 8);
    getbuf = (getbuf << 8) & 0xFFFF;
    getlen -= 8;
    return byte;
  }

  void StartHuff() {
    int i, j;
    for (i = 0; i < N_CHAR; i++) {
      freq[i] = 1;
      son[i] = (unsigned short)(i + T);
      prnt[i + T] = (unsigned short)i;
    }
    i = 0;
    j = N_CHAR;
    while (j <= R) {
      freq[j] = (unsigned short)(freq[i] + freq[i + 1]);
      son[j] = (unsigned short)i;
      prnt[i] = prnt[i + 1] = (unsigned short)j;
      i += 2;
      j++;
    }
    freq[T] = 0xFFFF;
    prnt[R] = 0;
  }

  void Reconst() {
    int i, j, k;
    unsigned f;
    j = 0;
    for (i = 0; i < T; i++) {
      if (son[i] >= T) {
        freq[j] = (unsigned short)((freq[i] + 1) / 2);
        son[j] = son[i];
        j++;
      }
    }
    for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
      k = i + 1;
      f = freq[j] = (unsigned short)(freq[i] + freq[k]);
      for (k = j - 1; f < freq[k]; k--) {
      }
      k++;
      std::memmove(&freq[k + 1], &freq[k], (j - k) * sizeof freq[0]);
      freq[k] = (unsigned short)f;
      std::memmove(&son[k + 1], &son[k], (j - k) * sizeof son[0]);
      son[k] = (unsigned short)i;
    }
    for (i = 0; i < T; i++) {
      if ((k = son[i]) >= T) {
        prnt[k] = (unsigned short)i;
      } else {
        prnt[k] = prnt[k + 1] = (unsigned short)i;
      }
    }
  }

  void Update(int c) {
    int i, j, l;
    unsigned k;
    if (freq[R] == MAX_FREQ) Reconst();
    c = prnt[c + T];
    do {
      k = ++freq[c];
      if (k > freq[l = c + 1]) {
        while (k > freq[++l]) {
        }
        l--;
        freq[c] = freq[l];
        freq[l] = (unsigned short)k;
        i = son[c];
        prnt[i] = (unsigned short)l;
        if (i < T) prnt[i + 1] = (unsigned short)l;
        j = son[l];
        son[l] = (unsigned short)i;
        prnt[j] = (unsigned short)c;
        if (j < T) prnt[j + 1] = (unsigned short)c;
        son[c] = (unsigned short)j;
        c = l;
      }
    } while ((c = prnt[c]) != 0);
  }

  int DecodeChar() {
    unsigned c = son[R];
    while (c < T) {
      c += GetBit();
      c = son[c];
    }
    c -= T;
    Update(int(c));
    return int(c);
  }

  int DecodePosition() {
    unsigned i = unsigned(GetByte());
    const unsigned c = unsigned(tables.code[i]) << 6;
    int j = tables.len[i];
    j -= 2;
    while (j--) i = (i << 1) + unsigned(GetBit());
    return int(c | (i & 0x3F));
  }

  void Run(std::uint32_t size) {
    StartHuff();
    for (int i = 0; i < N - F; i++) text[i] = ' ';
    int r = N - F;
    for (std::uint64_t count = 0; count < size;) {
      const int c = DecodeChar();
      if (c < 256) {
        WriteByte(std::uint8_t(c));
        text[r++] = std::uint8_t(c);
        r &= (N - 1);
        count++;
      } else {
        const int i = (r - DecodePosition() - 1) & (N - 1);
        const int j = c - 255 + THRESHOLD;
        for (int k = 0; k < j; k++) {
          const std::uint8_t b = text[(i + k) & (N - 1)];
          WriteByte(b);
          text[r++] = b;
          r &= (N - 1);
          count++;
        }
      }
    }
  }
};

}  // namespace

void TReferenceLZH::Decode(std::uint32_t size, const skin::TLZHReadFunc& read,
                           const skin::TLZHWriteFunc& write) {
  if (size == 0) return;
  Decoder decoder{read, write};
  decoder.Run(size);
}

}  // namespace bench
