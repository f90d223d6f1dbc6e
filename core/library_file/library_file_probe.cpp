// A small program that the run-directory tests copy into awkward folders and start there: it
// writes the RunDirectory it finds into the file named by its one argument.
#include <cstdio>

#include "core/library_file/library_file.h"
#include "core/library_file/profile_seam.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    FixRunDirectory(ModuleFileName());
    const Text found = RunDirectory();
    std::FILE* out = std::fopen(HostPath(argv[1]).c_str(), "wb");
    if (out == nullptr) return 3;
    bool ok = std::fwrite(found.data(), 1, found.size(), out) == found.size();
    return std::fclose(out) == 0 && ok ? 0 : 4;
}
