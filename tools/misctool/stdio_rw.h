#pragma once
// StdioReadWrite: a CUniversalReadWrite over plain C library files, the record encoding that
// `misctool versions` reads. Byte layout of the values:
//   put_char / get_char   one byte (get_char answers -1 at the end of the file)
//   put_long / get_long   4 bytes, little-endian, two's complement (the low 32 bits)
//   put_str / get_str     the text's bytes and a NUL; get_str keeps at most size - 1 bytes,
//                         reads and drops the rest up to the NUL, and answers null when the
//                         file ends before the NUL
// ftellData, fseekData, rewind, fread and fwrite are the C library's on the whole file.
// Header-only so that tests and fuzz targets use the same encoding as the tool.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "misc/data/readwrite.h"

class StdioReadWrite : public CUniversalReadWrite {
public:
    void put_str(char* text, FILE* f) override
    {
        std::fwrite(text, 1, std::strlen(text) + 1, f);
    }
    void put_string(char* text, FILE* f) override { put_str(text, f); }
    void put_char(char value, FILE* f) override { std::fputc(static_cast<unsigned char>(value), f); }
    void put_long(long value, FILE* f) override
    {
        uint32_t v = static_cast<uint32_t>(value);
        unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                              static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
        std::fwrite(b, 1, 4, f);
    }
    int get_char(FILE* f) override
    {
        int c = std::fgetc(f);
        return c == EOF ? -1 : c;
    }
    char* get_str(FILE* f, char* buffer, int size) override
    {
        int kept = 0;
        for (;;) {
            int c = std::fgetc(f);
            if (c == EOF) {
                if (size > 0)
                    buffer[kept] = '\0';
                return nullptr;
            }
            if (c == 0)
                break;
            if (kept + 1 < size)
                buffer[kept++] = static_cast<char>(c);
        }
        if (size > 0)
            buffer[kept] = '\0';
        return buffer;
    }
    long get_long(FILE* f) override
    {
        unsigned char b[4] = {};
        if (std::fread(b, 1, 4, f) != 4)
            return 0;
        return static_cast<int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24));
    }
    long ftellData(FILE* f) override { return std::ftell(f); }
    int fseekData(FILE* f, long offset, int origin) override { return std::fseek(f, offset, origin); }
    void rewind(FILE* f) override { std::rewind(f); }
    unsigned fread(void* buffer, unsigned size, unsigned count, FILE* f) override
    {
        return static_cast<unsigned>(std::fread(buffer, size, count, f));
    }
    unsigned fwrite(const void* buffer, unsigned size, unsigned count, FILE* f) override
    {
        return static_cast<unsigned>(std::fwrite(buffer, size, count, f));
    }
};
