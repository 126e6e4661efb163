// The settings file: parsing, reading every key, writing them back and reading again.
#include "storage/IniFile.h"
#include "storage/Settings.h"

#include <cstdlib>

using namespace tesseron::storage;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IniFile ini;
    ini.Parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const Settings s = ReadSettings(ini, QStringLiteral("/base/"));
    if (s.NumberOfColors < 5 || s.NumberOfColors > 10 || s.GameSpeed < 1 || s.DisappearSpeed < 1) std::abort();
    if (s.SkinFile.size() > IniFile::MaxStringLength && s.SkinFile != QStringLiteral("/base/Scoarching red.skn")) std::abort();

    // What is written is what the next start reads.
    WriteSettings(ini, s);
    IniFile again;
    again.Parse(ini.Text());
    const Settings back = ReadSettings(again, QStringLiteral("/base/"));
    if (back.NumberOfColors != s.NumberOfColors || back.GameSpeed != s.GameSpeed || back.DisappearSpeed != s.DisappearSpeed ||
        back.SkinNumber != s.SkinNumber || back.Music != s.Music || back.Sounds != s.Sounds)
        std::abort();
    return 0;
}
