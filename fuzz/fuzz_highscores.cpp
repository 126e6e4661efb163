// The high-score file: loading, the table's operations and writing it back.
#include "storage/HighScores.h"

#include "FuzzSupport.h"

#include <cstdlib>

using namespace tesseron::storage;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = tesseron::fuzz::ScratchDir() + "Vexil.hig";
    if (!tesseron::fuzz::WriteScratch(path, data, size)) std::abort();
    HighTable table;
    table.LoadHigh(QString::fromStdString(path));
    if (table.High.size() != HighLines) std::abort();
    for (int c = 5; c <= 10; ++c) {
        table.SortHigh(c);
        table.Names(c);
        table.Scores(c);
    }
    const QByteArray bytes = table.FileBytes();
    if (bytes.size() != HighFileSize) std::abort();

    // A written file reads back to the same bytes.
    if (!tesseron::fuzz::WriteScratch(path, reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())))
        std::abort();
    HighTable back;
    if (back.LoadHigh(QString::fromStdString(path)) != LoadHighResult::Loaded || back.FileBytes() != bytes) std::abort();

    const int32_t score = size >= 4 ? int32_t(data[0] | data[1] << 8 | data[2] << 16 | uint32_t(data[3]) << 24) : 0;
    if (table.Qualifies(7, score)) table.Enter(7, score, table.High[1]);
    return 0;
}
