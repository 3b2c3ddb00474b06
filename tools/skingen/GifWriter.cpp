#include "GifWriter.h"

#include <cstring>

namespace SkinGen {

namespace {

constexpr int kMinCodeSize = 8;
constexpr int kClearCode = 1 << kMinCodeSize;
constexpr int kEndCode = kClearCode + 1;
constexpr int kMaxCode = 4095;

// Packs variable-width codes least significant bit first into 255-byte sub-blocks.
class CodeWriter {
public:
    explicit CodeWriter(std::vector<unsigned char>& out)
        : m_out(out)
    {
    }

    void write(int code, int width)
    {
        m_bits |= uint32_t(code) << m_bit_count;
        m_bit_count += width;
        while (m_bit_count >= 8) {
            push(uint8_t(m_bits & 0xFF));
            m_bits >>= 8;
            m_bit_count -= 8;
        }
    }

    void finish()
    {
        if (m_bit_count > 0)
            push(uint8_t(m_bits & 0xFF));
        flush_block();
        m_out.push_back(0); // block terminator
    }

private:
    void push(uint8_t byte)
    {
        m_block[m_block_size++] = byte;
        if (m_block_size == 255)
            flush_block();
    }

    void flush_block()
    {
        if (m_block_size == 0)
            return;
        m_out.push_back(uint8_t(m_block_size));
        m_out.insert(m_out.end(), m_block, m_block + m_block_size);
        m_block_size = 0;
    }

    std::vector<unsigned char>& m_out;
    uint32_t m_bits = 0;
    int m_bit_count = 0;
    uint8_t m_block[255] = {};
    int m_block_size = 0;
};

void put16(std::vector<unsigned char>& out, int value)
{
    out.push_back(uint8_t(value & 0xFF));
    out.push_back(uint8_t((value >> 8) & 0xFF));
}

// LZW over the pixel indexes; the dictionary is a trie of (code, next index).
void write_lzw(std::vector<unsigned char>& out, std::vector<uint8_t> const& indexes)
{
    out.push_back(kMinCodeSize);
    CodeWriter writer(out);
    std::vector<std::array<uint16_t, 256>> trie(kMaxCode + 1);
    auto reset = [&] {
        for (auto& node : trie)
            node.fill(0);
    };
    reset();
    int code_size = kMinCodeSize + 1;
    int last_code = kEndCode;
    writer.write(kClearCode, code_size);
    int current = -1;
    for (uint8_t index : indexes) {
        if (current < 0) {
            current = index;
            continue;
        }
        if (trie[size_t(current)][index] != 0) {
            current = trie[size_t(current)][index];
            continue;
        }
        writer.write(current, code_size);
        trie[size_t(current)][index] = uint16_t(++last_code);
        if (last_code >= (1 << code_size))
            ++code_size;
        if (last_code == kMaxCode) {
            writer.write(kClearCode, code_size);
            reset();
            code_size = kMinCodeSize + 1;
            last_code = kEndCode;
        }
        current = index;
    }
    if (current >= 0)
        writer.write(current, code_size);
    writer.write(kEndCode, code_size);
    writer.finish();
}

}

std::vector<unsigned char> encode_gif(int width, int height, std::array<uint32_t, 256> const& palette_rgb,
    std::vector<uint8_t> const& indexes)
{
    std::vector<unsigned char> out { 'G', 'I', 'F', '8', '9', 'a' };
    put16(out, width);
    put16(out, height);
    out.push_back(0xF7); // global colour table of 256 entries, 8 bits per primary
    out.push_back(0);    // background colour index
    out.push_back(0);    // square pixels
    for (uint32_t colour : palette_rgb) {
        out.push_back(uint8_t(colour >> 16));
        out.push_back(uint8_t(colour >> 8));
        out.push_back(uint8_t(colour));
    }
    out.push_back(0x2C); // image descriptor
    put16(out, 0);
    put16(out, 0);
    put16(out, width);
    put16(out, height);
    out.push_back(0); // no local table, not interlaced
    write_lzw(out, indexes);
    out.push_back(0x3B); // trailer
    return out;
}

}
