#include "library/file/EdsImport.h"

#include <new>
#include <string>

#include "library/file/EdsFileStg.h"

namespace vantor {

namespace {

constexpr HRESULT AsResult(DWORD code) { return static_cast<HRESULT>(code); }

// Object lists add to the list; every other section replaces what an
// earlier section of the same name stored.
bool IsReplacingSection(uint16_t code) {
    return code != SectionCode::Unknown && code != SectionCode::StandardDataTypes &&
           code != SectionCode::MandatoryObjects && code != SectionCode::ManufacturerObjects &&
           code != SectionCode::OptionalObjects;
}

uint64_t SectionKey(const SectionClass& section) {
    return (uint64_t{section.code} << 32) | (uint64_t{section.index} << 16) |
           static_cast<uint64_t>(static_cast<uint16_t>(section.subindex));
}

}  // namespace

CEdsImport::CEdsImport(CEdsFileStg& file, EdsProgressProc callback, intptr_t context)
    : file_(file), progress_(callback, context) {}

HRESULT CEdsImport::Run(const char* path) {
    if (!path) return AsResult(ERROR_INVALID_PARAMETER);
    std::unique_ptr<CFileStream> file = CFileStream::Open(path, OPEN_EXISTING, 0, GENERIC_READ);
    if (!file) return AsResult(GetLastError());
    CTextFileReader input(std::move(file));

    HRESULT result = S_OK;
    try {
        // An input named like its error file keeps its content: the import
        // then runs without an error file. One that cannot be created does
        // not stop the import either.
        const std::string errorPath = ReplaceExtension(path, kErrorExtension);
        if (errorPath != path) log_.Create(errorPath);

        progress_.Report(0);
        SkipByteOrderMark(input);
        result = ReadLines(input);
    } catch (const std::bad_alloc&) {
        result = AsResult(ERROR_OUTOFMEMORY);
    }

    const HRESULT expanded = file_.ExpandCompactPdos(log_.Stream());
    if (result == S_OK) result = expanded;
    progress_.Report(100);
    log_.Close();
    return result;
}

void CEdsImport::SkipByteOrderMark(CTextFileReader& input) {
    constexpr unsigned char kMark[3] = {0xEF, 0xBB, 0xBF};
    unsigned char start[3] = {};
    const bool marked = input.Read(start, 3) == 3 && start[0] == kMark[0] && start[1] == kMark[1] && start[2] == kMark[2];
    input.Seek(marked ? 3 : 0, kSeekBegin);
}

HRESULT CEdsImport::ReadLines(CTextFileReader& input) {
    const int64_t size = input.GetSize();
    std::string line;
    for (;;) {
        const int32_t position = input.GetPosition();
        if (position == -1) return AsResult(input.GetError());
        const DWORD read = ReadLine(&input, line);
        if (read != ERROR_SUCCESS) return AsResult(read);
        if (line.empty()) return S_OK;
        progress_.ReportShare(position, size);

        const ClassifiedLine classified = ClassifyLine(line);
        if (classified.kind != LineKind::SectionHeader) continue;
        // The name is a view into line, which the section's reader reuses.
        const std::string name(classified.name);
        const HRESULT result = ReadSection(name, input);
        if (result != S_OK) return result;
    }
}

HRESULT CEdsImport::ReadSection(std::string_view name, CTextFileReader& input) {
    SectionClass section = CPersistEds::ClassifySection(name);
    if (section.code == SectionCode::Unknown && CEdsFileStg::IsCommissioningAlias(name))
        section.code = SectionCode::DeviceComissioning;
    NoteDroppedSection(name, section);
    return file_.DispatchSection(name, &input, log_.Stream());
}

void CEdsImport::NoteDroppedSection(std::string_view name, const SectionClass& section) {
    const char* format = nullptr;
    if (section.code == SectionCode::Unknown) {
        format = "Unknown section skipped: [%s]";
    } else if (section.code == SectionCode::StandardDataTypes) {
        format = "Section not read: [%s]";
    } else if (IsReplacingSection(section.code) && !seen_.insert(SectionKey(section)).second) {
        format = "Section [%s] replaced by a later section of the same name";
    }
    if (!format) return;
    const std::string text(name);
    log_.WriteLine(FormatLine(format, text.c_str()));
}

}  // namespace vantor
