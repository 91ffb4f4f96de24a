#include "library/file/EdsExport.h"

#include <cerrno>
#include <cstdio>
#include <new>

#include "library/dictionary/EdsDictStg.h"
#include "library/file/EdsFileStg.h"
#include "library/sections/EdsDeviceInfo.h"
#include "common/RecordText.h"
#include "common/Strings.h"
#include "library/values/StrConv.h"

namespace vantor {

namespace {

constexpr HRESULT AsResult(DWORD code) { return static_cast<HRESULT>(code); }

constexpr uint16_t kLocalInputObjects = 0x2FF0;
constexpr uint16_t kLocalOutputObjects = 0x2FF1;
constexpr uint8_t kLastMappedSubIndex = 0xFE;
// Attempts at a free temporary name beside the target.
constexpr int kTemporaryNameAttempts = 1000;

HRESULT NotFoundResult() { return STG_E_FILENOTFOUND; }

// The target held exclusively for the time of the export, so that another
// program cannot have it open while it is replaced. A target that does not
// exist yet needs no hold.
class CTargetHold {
public:
    DWORD Take(const std::string& path) {
        handle_ = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ != INVALID_HANDLE_VALUE) return ERROR_SUCCESS;
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
    }
    ~CTargetHold() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// A new file beside path, "<path>.~<n>", created exclusively.
std::unique_ptr<CTextFileWriter> CreateTemporaryBeside(const std::string& path, std::string& temporary) {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = path + FormatLine(".~%X", static_cast<unsigned>(attempt));
        std::unique_ptr<CFileStream> file = CFileStream::Open(temporary.c_str(), CREATE_NEW, 0, GENERIC_WRITE);
        if (file) {
            std::unique_ptr<CTextFileWriter> writer(new (std::nothrow) CTextFileWriter(std::move(file)));
            if (!writer) {
                DeleteFileA(temporary.c_str());
                SetLastError(ERROR_OUTOFMEMORY);
            }
            return writer;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS && error != ERROR_SHARING_VIOLATION)
            return nullptr;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return nullptr;
}

DWORD ReplaceFile(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return ERROR_SUCCESS;
    return Win32ErrorFromErrno(errno);
}

}  // namespace

CEdsExport::CEdsExport(CEdsFileStg& file, bool writeDcf, EdsProgressProc callback, intptr_t context)
    : file_(file), writeDcf_(writeDcf), progress_(callback, context), callback_(callback), context_(context) {}

HRESULT CEdsExport::Run(const char* path) {
    if (!path || !*path) return AsResult(ERROR_INVALID_PARAMETER);
    try {
        const std::string target(path);
        const std::string errorPath = ReplaceExtension(target, kErrorExtension);
        if (errorPath == target) return AsResult(ERROR_INVALID_PARAMETER);

        CTargetHold hold;
        DWORD code = hold.Take(target);
        if (code != ERROR_SUCCESS) return AsResult(code);
        std::string temporary;
        std::unique_ptr<CTextFileWriter> text = CreateTemporaryBeside(target, temporary);
        if (!text) return AsResult(GetLastError());
        if (!log_.Create(errorPath)) {
            code = GetLastError();
            text.reset();
            DeleteFileA(temporary.c_str());
            return AsResult(code);
        }

        progress_.Report(0);
        WriteContent(*text);
        progress_.Report(100);

        code = text->Close();
        const DWORD logCode = log_.Close();
        if (code == ERROR_SUCCESS) code = logCode;
        if (code == ERROR_SUCCESS) code = ReplaceFile(temporary, target);
        if (code != ERROR_SUCCESS) DeleteFileA(temporary.c_str());
        return AsResult(code);
    } catch (const std::bad_alloc&) {
        return AsResult(ERROR_OUTOFMEMORY);
    }
}

void CEdsExport::WriteContent(CTextFileWriter& text) {
    WriteFileSection(SectionCode::FileInfo, text);
    WriteFileSection(SectionCode::DeviceInfo, text);
    WriteFileSection(SectionCode::Comments, text);
    WriteFileSection(SectionCode::DummyUsage, text);
    WriteFileSection(SectionCode::DynamicChannels, text);
    if (writeDcf_) WriteFileSection(SectionCode::DeviceComissioning, text);

    // The dictionary lists its own failures; what it wrote before one stays.
    file_.Dictionary().Export(&text, log_.Stream(), callback_, context_, writeDcf_);

    if (writeDcf_) {
        WriteMappedList(kLocalInputObjects, "LocalMappedInputObjects", text);
        WriteMappedList(kLocalOutputObjects, "LocalMappedOutputObjects", text);
    }
}

void CEdsExport::WriteFileSection(uint16_t code, CTextFileWriter& text) {
    const char* name = CEdsFileStg::SectionName(code);
    std::unique_ptr<CEdsPropSet> section = CEdsFileStg::NewSection(code);
    if (!section) {
        log_.WriteLine(FormatLine("Invalid %s data (Code 0x%8.8X)", name, ERROR_OUTOFMEMORY));
        return;
    }
    ComPtr<IStream> stream;
    const HRESULT opened = file_.OpenSectionStream(code, stream);
    if (opened != S_OK) {
        log_.WriteLine(FormatLine("%s not found (Code 0x%8.8X)", name, static_cast<unsigned>(opened)));
        return;
    }
    const DWORD loaded = section->LoadFromStorageStream(stream.Get());
    if (loaded != ERROR_SUCCESS) {
        log_.WriteLine(FormatLine("Invalid %s data (Code 0x%8.8X)", name, static_cast<unsigned>(loaded)));
        // Partly decodable data is still written as far as it was read.
        if (loaded != ERROR_INVALID_DATA) return;
    }
    if (code == SectionCode::DeviceInfo) {
        int receive = 0;
        int transmit = 0;
        file_.Dictionary().CountPdos(receive, transmit);
        auto& deviceInfo = static_cast<CEdsDeviceInfo&>(*section);
        deviceInfo.SetNrOfRXPDO(static_cast<int16_t>(receive));
        deviceInfo.SetNrOfTXPDO(static_cast<int16_t>(transmit));
    }
    section->WriteSectionText(&text, kFormatMask, writeDcf_);
}

// ---- Locally mapped object lists --------------------------------------------------

bool CEdsExport::ReadMappedEntries(uint16_t index, std::vector<MappedEntry>& entries) {
    CEdsDictStg& dictionary = file_.Dictionary();
    // Asking for an object of an area that does not exist would create the area.
    if (!dictionary.Map(ObjectMapCode::Available).IsMember(index)) return false;
    EdsObjectRecord record{};
    HRESULT result = dictionary.Get(index, CEdsDictStg::kMainEntry, record);
    if (result == AsResult(ERROR_INVALID_DATA))
        log_.WriteLine(FormatLine("Invalid main object data: %4.4X (Code 0x%8.8X)", index, static_cast<unsigned>(result)));
    if (result != S_OK || record.SubNumber == 0) return false;

    result = dictionary.Get(index, 0, record);
    if (result == AsResult(ERROR_INVALID_DATA))
        log_.WriteLine(FormatLine("Invalid sub object data: %4.4Xsub%2.2X (Code 0x%8.8X)", index, 0u,
                                  static_cast<unsigned>(result)));
    if (result != S_OK) return false;
    const std::string_view countText = TrimBlanks(RecordText(record.ParameterValue));
    // A list without a count is no list: nothing to write, nothing to report.
    if (countText.empty()) return false;
    uint8_t count = 0;
    if (ParseUnsigned8(countText, count) != ConvResult::Valid) {
        log_.WriteLine(FormatLine("Invalid parameter value: %4.4Xsub%2.2X", index, 0u));
        return false;
    }

    for (unsigned sub = 1; sub <= kLastMappedSubIndex && entries.size() < count; ++sub) {
        result = dictionary.Get(index, static_cast<uint16_t>(sub), record);
        if (result == NotFoundResult()) continue;
        if (result == AsResult(ERROR_INVALID_DATA))
            log_.WriteLine(FormatLine("Invalid sub object data: %4.4Xsub%2.2X (Code 0x%8.8X)", index, sub,
                                      static_cast<unsigned>(result)));
        if (result != S_OK) break;
        uint32_t value = 0;
        if (ParseUnsigned32(TrimBlanks(RecordText(record.ParameterValue)), value) != ConvResult::Valid) {
            log_.WriteLine(FormatLine("Invalid parameter value: %4.4Xsub%2.2X", index, sub));
            continue;
        }
        entries.push_back({static_cast<uint16_t>(value >> 16), static_cast<uint8_t>(value >> 8)});
    }
    return true;
}

void CEdsExport::WriteMappedList(uint16_t index, const char* name, CTextFileWriter& text) {
    std::vector<MappedEntry> entries;
    if (!ReadMappedEntries(index, entries)) return;
    WriteLine(&text, FormatLine("[%s]", name).c_str());
    WriteLine(&text, FormatLine("NrOfObjects=%u", static_cast<unsigned>(entries.size())).c_str());
    unsigned number = 0;
    for (const MappedEntry& entry : entries) {
        ++number;
        WriteLine(&text, FormatLine("Index%u=0x%4.4X", number, static_cast<unsigned>(entry.index)).c_str());
        WriteLine(&text, FormatLine("SubIndex%u=0x%2.2X", number, static_cast<unsigned>(entry.subIndex)).c_str());
    }
    WriteLine(&text, "");
}

}  // namespace vantor
