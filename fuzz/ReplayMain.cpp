// The main of the replay programs: runs every file of the seed folder and of the saved
// findings once through a harness, without libFuzzer, so that the ordinary build and its
// tests notice a harness that no longer builds or a finding that crashes again.
// usage: replay_fuzz_NAME SEEDS [FINDINGS]   (FINDINGS may be missing: none saved yet)
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fs = std::filesystem;

namespace {

// Every regular file below `dir`, in name order so that runs are alike.
std::vector<fs::path> FilesBelow(const fs::path& dir) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

bool Replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // A buffer of exactly the input's size, as libFuzzer hands over, so that the
    // sanitizers see a read past its end.
    const std::unique_ptr<uint8_t[]> data(new uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), data.get());
    std::fprintf(stderr, "%s (%zu bytes)\n", file.c_str(), bytes.size());
    std::fflush(stderr);
    LLVMFuzzerTestOneInput(data.get(), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s SEEDS [FINDINGS]\n", argv[0]);
        return 2;
    }
    const fs::path seeds = argv[1];
    const fs::path findings = argc > 2 ? argv[2] : "";
    std::error_code error;
    if (!fs::is_directory(seeds, error)) {
        std::fprintf(stderr, "no seed folder %s\n", seeds.c_str());
        return 2;
    }
    std::vector<fs::path> files = FilesBelow(seeds);
    if (files.empty()) {
        std::fprintf(stderr, "the seed folder %s is empty\n", seeds.c_str());
        return 2;
    }
    const size_t seedCount = files.size();
    if (!findings.empty() && fs::is_directory(findings, error)) {
        const std::vector<fs::path> saved = FilesBelow(findings);
        files.insert(files.end(), saved.begin(), saved.end());
    }

    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    for (const fs::path& file : files)
        if (!Replay(file)) return 1;
    std::fprintf(stderr, "replayed %zu seeds and %zu findings\n", seedCount, files.size() - seedCount);
    return 0;
}
