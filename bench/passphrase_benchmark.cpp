// Passphrase assembly against a word-for-word rendering of the algorithm as first described: it
// splits the pool into copies and copies the passphrase for every word drawn, so it is quadratic
// in the output. Both must give the same bytes for the same seed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "core/generator/passphrase.h"
#include "core/library_file/library_file.h"

namespace {

uint32_t gTick = 0;
uint32_t FixedTick() { return gTick; }

Text LiteralAssemblePassphrase(std::string_view pool, int32_t maxLength, RandomSource& random) {
    random.SeedRandom();
    TextList words = SplitText(pool, kWordSeparator);
    if (ListSize(words) == 0) return Text();
    Text p, q;
    int32_t n = 0;
    for (;;) {
        int32_t i = random.RandomBetween(1, ListSize(words));
        q = CopyText(p);
        p = ConcatText({p, ListMember(words, i), " "});
        ++n;
        if (static_cast<int64_t>(TextLength(p)) - n >= maxLength) return q;
    }
}

void VerifySameOutput() {
    for (int32_t maxLength : {-1, 0, 1, 13, 999, 99999}) {
        for (uint32_t tick = 0; tick < 3000; tick += 97) {
            gTick = tick;
            RandomSource a(FixedTick), b(FixedTick);
            WordList words(kDefaultWordList);
            for (int call = 0; call < 3; ++call) {
                if (AssemblePassphrase(words, maxLength, a) != LiteralAssemblePassphrase(kDefaultWordList, maxLength, b)) {
                    std::fprintf(stderr, "outputs differ at M=%d tick=%u call %d\n", maxLength, tick, call);
                    std::exit(1);
                }
            }
        }
    }
}

void BM_Assemble(benchmark::State& state) {
    int32_t maxLength = static_cast<int32_t>(state.range(0));
    RandomSource random(FixedTick);
    WordList words(kDefaultWordList);
    size_t bytes = 0;
    for (auto _ : state) {
        Text p = AssemblePassphrase(words, maxLength, random);
        bytes += p.size();
        benchmark::DoNotOptimize(p);
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

void BM_AssembleLiteral(benchmark::State& state) {
    int32_t maxLength = static_cast<int32_t>(state.range(0));
    RandomSource random(FixedTick);
    size_t bytes = 0;
    for (auto _ : state) {
        Text p = LiteralAssemblePassphrase(kDefaultWordList, maxLength, random);
        bytes += p.size();
        benchmark::DoNotOptimize(p);
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

BENCHMARK(BM_Assemble)->Arg(13)->Arg(999)->Arg(99999);
BENCHMARK(BM_AssembleLiteral)->Arg(13)->Arg(999)->Arg(99999)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    VerifySameOutput();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
