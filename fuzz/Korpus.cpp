// The fuzz targets in the normal test run: every file of the given folders
// (the seed corpus and the inputs that once found a fault) fed to the target
// once. A fault aborts, as under the fuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> dateien;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            for (const auto& e : fs::directory_iterator(argv[i]))
                if (e.is_regular_file()) dateien.push_back(e.path());
        } else {
            dateien.emplace_back(argv[i]);
        }
    }
    if (dateien.empty()) {
        std::fprintf(stderr, "no corpus files\n");
        return 1;
    }
    for (const auto& d : dateien) {
        std::ifstream ein(d, std::ios::binary);
        const std::string inhalt{std::istreambuf_iterator<char>(ein), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size());
    }
    std::printf("%zu inputs\n", dateien.size());
    return 0;
}
