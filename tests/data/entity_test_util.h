#pragma once
// Helpers of the entity tests: encode a tree to bytes, decode bytes to a tree, and describe a
// tree as text so that two trees compare (and print) as strings.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "misc/data/entity.h"

namespace entity_test {

using Bytes = std::vector<BYTE>;

struct Decoded {
    std::unique_ptr<FLENT_BLK> root;
    std::vector<FLENT_ERR> errors;
    bool failed = false;
    long deferredPos = -1;
    int deferredWide = 0;
    WORD worst = 0;

    bool HasEvent(WORD code) const
    {
        for (auto& e : errors)
            if (e.code == code)
                return true;
        return false;
    }
    std::string Events() const;
};

// The encoding of `entity` (a whole block or any entity) in a file stream.
Bytes Encode(FLENT* entity, int variant, DWORD key = 0);
// Reads a root (header included) from bytes through a file stream.
Decoded Decode(const Bytes& bytes, int variant, DWORD key = 0, int filter = FLENT_FILTER_ALL);
// A canonical description of a tree: kinds, ids, names, counts, flags, values.
std::string Describe(const FLENT* e);

// Little-endian helpers for building documents byte by byte.
void Put16(Bytes& b, WORD v);
void Put32(Bytes& b, DWORD v);
// An entity header in a variant.
void PutHeader(Bytes& b, int variant, DWORD cls, DWORD code, DWORD id);

} // namespace entity_test
