// Reads arbitrary bytes as a stored property set, then writes whatever was
// read in every form.
#include <cstddef>
#include <cstdint>

#include "FuzzSet.h"
#include "library/storage/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantor;
    if (size > 1 << 20) return 0;
    CMemoryStream stored;
    if (size > 0) stored.Write(data, static_cast<int32_t>(size));
    stored.Seek(0, kSeekBegin);

    fuzz::CFuzzSet set;
    set.LoadStream(&stored);

    CMemoryStream out;
    set.SaveStream(&out);
    set.WriteSectionText(&out, kAllFormats, true);
    set.ReportErrors(&out);

    // What was saved must load again.
    fuzz::CFuzzSet again;
    CMemoryStream saved;
    if (set.SaveStream(&saved) == 0 && saved.GetSize() > 0) {
        saved.Seek(0, kSeekBegin);
        if (again.LoadStream(&saved) != 0) __builtin_trap();
    }
    return 0;
}
