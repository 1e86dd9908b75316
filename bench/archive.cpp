// The archive and the hash map against plain baselines in the same run:
// - storing and loading 10,000 strings and objects through CArchive over a CMemFile, against
//   length-prefixed strings appended to and read from a std::vector<char>;
// - CMap inserts and lookups against std::unordered_map.
#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

class CBenchItem : public CObject {
    DECLARE_SERIAL(CBenchItem)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_name << m_n;
        else
            ar >> m_name >> m_n;
    }
    CString m_name;
    LONG m_n = 0;
};
IMPLEMENT_SERIAL(CBenchItem, CObject, 1)

constexpr int kCount = 10000;

std::vector<std::string> Names()
{
    std::vector<std::string> names;
    for (int i = 0; i < kCount; ++i)
        names.push_back("piece-" + std::to_string(i) + "-front-left");
    return names;
}

void BM_ArchiveStrings(benchmark::State& state)
{
    CStringArray strings;
    for (const std::string& n : Names())
        strings.Add(n.c_str());
    for (auto _ : state) {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            strings.Serialize(ar);
        }
        file.SeekToBegin();
        CStringArray back;
        {
            CArchive ar(&file, CArchive::load);
            back.Serialize(ar);
        }
        benchmark::DoNotOptimize(back.GetData());
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_ArchiveStrings);

void BM_BaselineStrings(benchmark::State& state)
{
    std::vector<std::string> strings = Names();
    for (auto _ : state) {
        std::vector<char> buffer;
        uint32_t count = static_cast<uint32_t>(strings.size());
        buffer.insert(buffer.end(), reinterpret_cast<char*>(&count), reinterpret_cast<char*>(&count) + 4);
        for (const std::string& s : strings) {
            buffer.push_back(static_cast<char>(s.size()));
            buffer.insert(buffer.end(), s.begin(), s.end());
        }
        std::vector<std::string> back;
        size_t at = 4;
        for (uint32_t i = 0; i < count; ++i) {
            size_t n = static_cast<unsigned char>(buffer[at++]);
            back.emplace_back(buffer.data() + at, n);
            at += n;
        }
        benchmark::DoNotOptimize(back.data());
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_BaselineStrings);

void BM_ArchiveObjects(benchmark::State& state)
{
    CObArray items;
    int i = 0;
    for (const std::string& n : Names()) {
        auto* item = new CBenchItem;
        item->m_name = n.c_str();
        item->m_n = i++;
        items.Add(item);
    }
    for (auto _ : state) {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            items.Serialize(ar);
        }
        file.SeekToBegin();
        CObArray back;
        {
            CArchive ar(&file, CArchive::load);
            back.Serialize(ar);
        }
        for (INT_PTR k = 0; k < back.GetSize(); ++k)
            delete back[k];
    }
    for (INT_PTR k = 0; k < items.GetSize(); ++k)
        delete items[k];
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_ArchiveObjects);

void BM_CMapInsertLookup(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CMap<int, int, int, int> map;
        for (int i = 0; i < n; ++i)
            map[i * 13] = i;
        int sum = 0, v = 0;
        for (int i = 0; i < n; ++i)
            sum += map.Lookup(i * 13, v) ? v : 0;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_CMapInsertLookup)->Arg(100)->Arg(100000);

void BM_UnorderedMapInsertLookup(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::unordered_map<int, int> map;
        for (int i = 0; i < n; ++i)
            map[i * 13] = i;
        int sum = 0;
        for (int i = 0; i < n; ++i) {
            auto it = map.find(i * 13);
            sum += it != map.end() ? it->second : 0;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_UnorderedMapInsertLookup)->Arg(100)->Arg(100000);

} // namespace

BENCHMARK_MAIN();
