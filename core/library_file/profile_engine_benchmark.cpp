// The portable profile engine on the large files it must take in stride: it stays linear in the
// size of the file, however the bytes are arranged.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/library_file/profile_engine.h"

namespace {

std::string ManySections(int count) {
    std::string out;
    for (int i = 1; i <= count; ++i) out += "[s" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
    return out;
}

std::string LongLine(size_t bytes) { return "[a]\r\nk=" + std::string(bytes, 'x') + "\r\n[b]\r\nk=2\r\n"; }

void FindInLastSection(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::string content = ManySections(count);
    const std::string section = "s" + std::to_string(count);
    for (auto _ : state) benchmark::DoNotOptimize(ProfileFindValue(content, section, "k"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * content.size()));
}
BENCHMARK(FindInLastSection)->RangeMultiplier(10)->Range(1000, 100000);

void ListSections(benchmark::State& state) {
    const std::string content = ManySections(static_cast<int>(state.range(0)));
    std::vector<char> buffer(204800);
    for (auto _ : state) benchmark::DoNotOptimize(ProfileListSections(content, buffer.data(), 204800));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * content.size()));
}
BENCHMARK(ListSections)->RangeMultiplier(10)->Range(1000, 100000);

void AddKeyToLastSection(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::string content = ManySections(count);
    const std::string section = "s" + std::to_string(count);
    for (auto _ : state) benchmark::DoNotOptimize(ProfileSetValue(content, section, "new", "v"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * content.size()));
}
BENCHMARK(AddKeyToLastSection)->RangeMultiplier(10)->Range(1000, 100000);

void FindAfterALongLine(benchmark::State& state) {
    const std::string content = LongLine(static_cast<size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ProfileFindValue(content, "b", "k"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * content.size()));
}
BENCHMARK(FindAfterALongLine)->RangeMultiplier(8)->Range(1 << 20, 50 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
