#include "entity_test_util.h"

#include <cstring>
#include <sstream>

namespace entity_test {

std::string Decoded::Events() const
{
    std::ostringstream out;
    for (auto& e : errors)
        out << "(" << e.severity << "," << e.code << "," << e.arg1 << "," << e.arg2 << ")";
    return out.str();
}

Bytes Encode(FLENT* entity, int variant, DWORD key)
{
    FILE* f = std::tmpfile();
    {
        FLENT_IO io(f, key, variant);
        io.Write(entity);
    }
    long size = std::ftell(f);
    Bytes bytes(static_cast<size_t>(size));
    std::rewind(f);
    if (size > 0 && std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size())
        bytes.clear();
    std::fclose(f);
    return bytes;
}

Decoded Decode(const Bytes& bytes, int variant, DWORD key, int filter)
{
    Decoded d;
    // A read-only file over the bytes themselves (an empty one from tmpfile).
    FILE* f = bytes.empty() ? std::tmpfile()
                            : fmemopen(const_cast<BYTE*>(bytes.data()), bytes.size(), "rb");
    FLENT_IO io(f, key, variant);
    d.root.reset(io.ReadRoot(filter));
    for (const FLENT_ERR* e = io.GetErrors(); e; e = e->next)
        d.errors.push_back(*e);
    d.failed = io.IsFailed();
    d.deferredPos = io.GetDeferredPos();
    d.deferredWide = io.GetDeferredWide();
    d.worst = io.GetWorstSeverity();
    std::fclose(f);
    return d;
}

namespace {

void DescribeInto(std::ostringstream& out, const FLENT* e)
{
    switch (e->GetKind()) {
    case FLENT_KIND_BLK: {
        auto* b = static_cast<const FLENT_BLK*>(e);
        out << "blk " << b->GetId();
        if (b->GetName())
            out << " '" << std::string(b->GetName(), b->GetNameLength()) << "'";
        if (b->GetElementCount())
            out << " n=" << b->GetElementCount();
        for (int i = 0; i < 8; ++i)
            if (b->GetFlag(i))
                out << " f" << i << "=" << int(b->GetFlag(i));
        out << " {";
        for (const FLENT* c = b->GetFirstChild(); c; c = c->GetNext()) {
            DescribeInto(out, c);
            out << ";";
        }
        out << "}";
        break;
    }
    case FLENT_KIND_LST: {
        auto* l = static_cast<const FLENT_BLK_LST*>(e);
        out << "lst " << l->GetId() << " #" << l->GetCount() << " [";
        for (const FLENT* c = l->GetFirstElement(); c; c = c->GetNext()) {
            DescribeInto(out, c);
            out << ",";
        }
        out << "]";
        break;
    }
    case FLENT_KIND_STR:
    case FLENT_KIND_BSTR: {
        auto* s = static_cast<const FLENT_STR*>(e);
        out << (e->GetKind() == FLENT_KIND_STR ? "txt " : "bst ") << s->GetId() << " len=" << s->GetLength();
        unsigned sum = 0;
        for (DWORD i = 0; i < s->GetLength() && s->GetData(); ++i)
            sum = sum * 31 + static_cast<BYTE>(s->GetData()[i]);
        if (s->GetLength() <= 16 && s->GetData())
            out << " '" << std::string(s->GetData(), s->GetLength()) << "'";
        else
            out << " sum=" << sum;
        break;
    }
    case FLENT_KIND_INT: {
        auto* a = static_cast<const FLENT_INT*>(e);
        out << "int " << a->GetId() << " #" << a->GetCount() << " <";
        for (DWORD i = 0; i < a->GetCount() && i < 4; ++i)
            out << a->GetAt(i) << " ";
        unsigned sum = 0;
        for (DWORD i = 0; i < a->GetCount(); ++i)
            sum = sum * 31 + a->GetAt(i);
        out << "sum=" << sum << ">";
        break;
    }
    case FLENT_KIND_LNG: {
        auto* a = static_cast<const FLENT_LNG*>(e);
        out << "lng " << a->GetId() << " #" << a->GetCount() << " <";
        for (DWORD i = 0; i < a->GetCount() && i < 4; ++i)
            out << a->GetAt(i) << " ";
        unsigned sum = 0;
        for (DWORD i = 0; i < a->GetCount(); ++i)
            sum = sum * 31 + static_cast<DWORD>(a->GetAt(i));
        out << "sum=" << sum << ">";
        break;
    }
    case FLENT_KIND_FLT: {
        auto* a = static_cast<const FLENT_FLT*>(e);
        out << "flt " << a->GetId() << " #" << a->GetCount() << " <";
        unsigned sum = 0;
        for (DWORD i = 0; i < a->GetCount(); ++i) {
            DWORD bits;
            float v = a->GetAt(i);
            std::memcpy(&bits, &v, 4);
            if (i < 4)
                out << v << " ";
            sum = sum * 31 + bits;
        }
        out << "sum=" << sum << ">";
        break;
    }
    default:
        out << "?";
    }
}

} // namespace

std::string Describe(const FLENT* e)
{
    if (!e)
        return "(null)";
    std::ostringstream out;
    DescribeInto(out, e);
    return out.str();
}

void Put16(Bytes& b, WORD v)
{
    b.push_back(BYTE(v));
    b.push_back(BYTE(v >> 8));
}

void Put32(Bytes& b, DWORD v)
{
    Put16(b, WORD(v));
    Put16(b, WORD(v >> 16));
}

void PutHeader(Bytes& b, int variant, DWORD cls, DWORD code, DWORD id)
{
    if (variant == 0) {
        Put16(b, WORD((cls << 13) | (code << 10) | id));
    } else if (variant == 1) {
        DWORD v = (cls << 19) | (code << 14) | id;
        b.push_back(BYTE(v >> 16));
        b.push_back(BYTE(v >> 8));
        b.push_back(BYTE(v));
    } else {
        Put32(b, (cls << 24) | (code << 16) | id);
    }
}

} // namespace entity_test
