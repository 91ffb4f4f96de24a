// Reads arbitrary bytes as EDS text: every line is classified, every header
// classified as a section name, and the lines after it read into a set.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSet.h"
#include "library/fields/EdsPers.h"
#include "library/storage/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantor;
    if (size > 1 << 20) return 0;
    CMemoryStream text;
    if (size > 0) text.Write(data, static_cast<int32_t>(size));
    text.Seek(0, kSeekBegin);

    CMemoryStream out;
    std::string line;
    for (int sections = 0; sections < 64; ++sections) {
        if (ReadLine(&text, line) != 0 || line.empty()) break;
        const ClassifiedLine classified = ClassifyLine(line);
        if (classified.kind != LineKind::SectionHeader) continue;

        const SectionClass section = CPersistEds::ClassifySection(classified.name);
        if (section.subindex > 0xFF || (section.code == SectionCode::Unknown && section.index != 0)) __builtin_trap();
        fuzz::CFuzzSet set;
        set.SetName(classified.name);
        const int32_t before = text.GetPosition();
        if (set.ReadSectionText(&text) != 0) break;
        if (text.GetPosition() < before) __builtin_trap();
        set.WriteSectionText(&out, kAllFormats, sections % 2 == 0);
        set.ReportErrors(&out);
        set.SaveStream(&out);
    }
    return 0;
}
