// A whole generation run (99 passphrases from the default library into the results box, on the
// memory backend, with a real pconfig.ini), next to copying the same number of bytes once.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "core/library_file/library_file.h"
#include "testing/scratch_folder.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/memory/memory_toolkit.h"

namespace {

struct Window {
    ScratchFolder folder;
    std::unique_ptr<MemoryToolkit> ui;

    explicit Window(int64_t maxLength) {
        FixRunDirectory(folder.ProgramPath("Password.exe"));
        folder.Write("pconfig.ini", "[默认]\r\n配置项名称=" + std::string(kDefaultWordList) + "\r\n");
        ui = std::make_unique<MemoryToolkit>(MainWindow());
        ui->Create();
        ui->UserType(控件::编辑框_最大长度, std::to_string(maxLength));
        ui->UserType(控件::编辑框_生成个数, "99");
    }
};

void BM_GenerationRun(benchmark::State& state) {
    Window w(state.range(0));
    size_t bytes = 0;
    for (auto _ : state) {
        w.ui->UserClick(控件::按钮_生成);
        bytes = w.ui->ReadControlText(控件::编辑框_生成结果).size();
    }
    state.counters["output_bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
}

// Writing the run's output bytes once, for scale.
void BM_CopyOutputOnce(benchmark::State& state) {
    Window w(state.range(0));
    w.ui->UserClick(控件::按钮_生成);
    std::string output = w.ui->ReadControlText(控件::编辑框_生成结果);
    std::string target(output.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), output.data(), output.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.counters["output_bytes"] = static_cast<double>(output.size());
    state.SetBytesProcessed(static_cast<int64_t>(output.size()) * state.iterations());
}

BENCHMARK(BM_GenerationRun)->Arg(13)->Arg(999)->Arg(99999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyOutputOnce)->Arg(13)->Arg(999)->Arg(99999)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
