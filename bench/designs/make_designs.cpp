// korvane-bench-designs FOLDER [N]: writes mixed.dat and worst.dat (N components, 32767 by
// default) into FOLDER for the whole-process benchmark.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchDesigns.h"
#include "platform/FileSystem.h"

int main(int argc, char** argv) {
    using namespace korvane;
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: korvane-bench-designs FOLDER [N]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int n = argc == 3 ? std::atoi(argv[2]) : bench::kLimit;
    const struct {
        const char* file;
        bench::DesignShape shape;
    } designs[] = {{"mixed.dat", bench::DesignShape::Mixed},
                   {"worst.dat", bench::DesignShape::Worst}};
    for (const auto& d : designs) {
        std::string error;
        if (!WriteFileAtomically(folder + "/" + d.file, bench::DesignFileText(d.shape, n), error)) {
            std::fprintf(stderr, "korvane-bench-designs: %s: %s\n", d.file, error.c_str());
            return 1;
        }
    }
    return 0;
}
