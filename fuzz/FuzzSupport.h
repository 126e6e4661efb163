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

// False when the name cannot be a file of the scratch folder.
inline bool WriteScratch(const std::string& path, const uint8_t* data, size_t size) {
    if (path.find('\0') != std::string::npos) return false;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
    return true;
}

}  // namespace tesseron::fuzz
