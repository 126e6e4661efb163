// Shared by the harnesses: a private scratch folder (in memory where possible)
// and writing one file into it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace tesseron::fuzz {

// Created once per process, with a trailing slash.
inline const std::string& ScratchDir() {
    static const std::string dir = [] {
        std::string tmpl = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/tesseron-fuzz-XXXXXX");
        if (!mkdtemp(tmpl.data())) std::abort();
        return tmpl + "/";
    }();
    return dir;
}

inline void WriteScratch(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
}

}  // namespace tesseron::fuzz
