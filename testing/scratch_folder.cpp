#include "testing/scratch_folder.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    static std::atomic<unsigned> counter{0};
    // <chrono> cannot be compiled to GBK (its "µs"), so the name's stamp comes from random_device.
    unsigned stamp = std::random_device()();
    std::error_code ec;
    for (;;) {
        path_ = fs::temp_directory_path() / ("password-test-" + std::to_string(stamp) + "-" + std::to_string(++counter));
        if (fs::create_directory(path_, ec)) return;
        if (ec) std::abort();  // no temporary folder to work in: nothing a test could do
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string ScratchFolder::ProgramPath() const {
    std::string p = path_.string();
    for (char& c : p)
        if (c == '/') c = '\\';
    return p;
}

std::string ScratchFolder::ProgramPath(std::string_view name) const { return ProgramPath() + "\\" + std::string(name); }

void ScratchFolder::Write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(path_ / std::string(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ScratchFolder::Read(std::string_view name) const {
    std::ifstream in(path_ / std::string(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ScratchFolder::Exists(std::string_view name) const { return fs::exists(path_ / std::string(name)); }

void ScratchFolder::Remove(std::string_view name) const {
    std::error_code ec;
    fs::remove_all(path_ / std::string(name), ec);
}
