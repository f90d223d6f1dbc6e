// How the real program feels under Wine: the time from starting it to its window being shown, next
// to Wine's own notepad on the same prefix, and one big generation into the results box.
// Run on demand, on a display:  wine64 e2e_benchmark.exe --program=PATH\Password.exe
#include <benchmark/benchmark.h>

#include <cstdio>

#include "e2e/scenario.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

HWND ShownTopLevelWindow(DWORD pid) {
    struct Search {
        DWORD pid;
        HWND found;
    } search{pid, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner != s->pid || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER)) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Seconds from CreateProcess to a visible top-level window, then closed with Alt+F4; 0 on failure.
double StartUpOnce(const std::wstring& executable) {
    LARGE_INTEGER start = Now();
    RunningProgram program(executable);
    if (!program.Started() || !WaitUntil([&] { return ShownTopLevelWindow(program.Id()) != nullptr; }, kStartLimit))
        return 0;
    double seconds = Seconds(start, Now());
    // A key pressed before the program first waits for input can be lost under Wine.
    WaitForInputIdle(program.Process(), kReactLimit);
    PressKey(VK_F4, kAlt);
    if (!program.WaitExit(kReactLimit)) return 0;
    return seconds;
}

// Each iteration starts the program and notepad once; the manual time is the program's.
void BM_StartUpToWindowShown(benchmark::State& state) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring notepad = std::wstring(system) + L"\\notepad.exe";
    ProgramFolder folder;
    folder.WriteLibraryFile(DefaultLibraryFile());
    double programTotal = 0, notepadTotal = 0;
    for (auto _ : state) {
        double programSeconds = StartUpOnce(folder.Executable());
        double notepadSeconds = StartUpOnce(notepad);
        if (programSeconds <= 0 || notepadSeconds <= 0) {
            state.SkipWithError("a program did not show its window or did not close");
            return;
        }
        programTotal += programSeconds;
        notepadTotal += notepadSeconds;
        state.SetIterationTime(programSeconds);
    }
    state.counters["notepad_ms"] = benchmark::Counter(1000 * notepadTotal / static_cast<double>(state.iterations()));
    state.counters["ratio_to_notepad"] = benchmark::Counter(programTotal / notepadTotal);
}
BENCHMARK(BM_StartUpToWindowShown)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// Passphrases at a maximum length (range 0) and a count (range 1), from the click until the results
// box holds them all. The window's thread answers no message while the run goes on, so the first
// answer that differs from the box as it was is the finished text. A run longer than two minutes is
// reported as such and not waited for.
constexpr Duration kGenerationLimit = 120000;

void BM_Generate(benchmark::State& state) {
    const std::string maxLength = std::to_string(state.range(0)), count = std::to_string(state.range(1));
    struct Session : Scenario {
        void TestBody() override {}
    } session;
    session.folder.WriteLibraryFile(DefaultLibraryFile());
    if (!session.StartShown() || !session.Fill(控件::编辑框_最大长度, maxLength) ||
        !session.Fill(控件::编辑框_生成个数, count)) {
        state.SkipWithError("could not start the program and fill its fields");
        return;
    }
    HWND results = session.program->Control(控件::编辑框_生成结果);
    HWND button = session.program->Control(控件::按钮_生成);
    auto look = [&] {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(results, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kGenerationLimit, &length);
        wchar_t head[64] = {};
        SendMessageTimeoutW(results, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(head), SMTO_ABORTIFHUNG, kGenerationLimit,
                            nullptr);
        return std::make_pair(static_cast<size_t>(length), std::wstring(head));
    };
    size_t bytes = 0;
    for (auto _ : state) {
        auto before = look();
        LARGE_INTEGER start = Now();
        ClickCentre(button);
        std::pair<size_t, std::wstring> after;
        if (!WaitUntil([&] { return (after = look()) != before; }, kGenerationLimit)) {
            state.SkipWithError("the results box was not filled within two minutes");
            return;  // the session ends the program
        }
        state.SetIterationTime(Seconds(start, Now()));
        bytes = after.first;
    }
    Text text = session.Results();
    size_t lines = 0;
    for (size_t at = text.find("\r\n"); at != Text::npos; at = text.find("\r\n", at + 2)) ++lines;
    if (lines != static_cast<size_t>(state.range(1))) state.SkipWithError("the results box holds other than the lines asked for");
    state.counters["characters"] = benchmark::Counter(static_cast<double>(bytes));
    PressKey(VK_ESCAPE);
    session.program->WaitExit(kReactLimit);
}
// The growth in M shows whether the time stays linear in the output.
BENCHMARK(BM_Generate)
    ->ArgNames({"M", "count"})
    ->Args({999, 99})
    ->Args({9999, 99})
    ->Args({99999, 1})
    ->Args({99999, 10})
    ->Args({99999, 99})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Google Benchmark reads narrow flags; ours are ASCII paths.
    std::vector<std::string> narrow;
    for (int i = 0; i < argc; ++i) {
        std::wstring_view arg = argv[i];
        if (arg.starts_with(L"--program=")) SetProgramUnderTest(arg.substr(10));
        narrow.push_back(TextFromWideString(arg));
    }
    std::vector<char*> args;
    for (std::string& a : narrow) args.push_back(a.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (ProgramUnderTest().empty()) {
        fprintf(stderr, "pass --program=PATH to Password.exe\n");
        return 2;
    }
    DrawFramesWithoutWindowManager();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
