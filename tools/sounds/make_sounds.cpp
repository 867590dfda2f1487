// Writes the WAVE resources into the given folder:
//   make_sounds orvanta/resources/sounds
#include <cstdio>
#include <string>
#include <vector>

#include "wave_sounds.h"

namespace {

bool Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = Write(folder + "/tone700.wav", sounds::AlertTone700()) &&
                    Write(folder + "/capture800.wav", sounds::CaptureClick800()) &&
                    Write(folder + "/copy900.wav", sounds::CopyChime900());
    return ok ? 0 : 1;
}
