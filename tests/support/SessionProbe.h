// What the tests read of the session beyond what the application uses: the
// high-score table and the skin description as they stand.
#pragma once

#include "ui/Session.h"

namespace tesseron::test {

struct SessionProbe {
    Session& s;

    const storage::HighTable& High() const { return s.high; }
    // The skin description the next start reads.
    const QString& SkinFile() const { return s.SkinFile_; }
    // The language whose pictures the next skin load takes.
    void SetLanguage(const QString& language) { s.language_ = language; }
};

inline SessionProbe Probe(Session& s) { return {s}; }

}  // namespace tesseron::test
