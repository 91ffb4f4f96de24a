// Buffered streams over the text files of an import or export. Both hand
// every call of the line and section code to a block in memory, so that a
// line costs a few calls on the buffer and the file is read or written in
// large blocks.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "library/storage/Streams.h"

namespace vantor {

// Reads a stream through a window of one block. Seeking inside the window
// costs nothing. Line ends are presented as LF: a CR that no LF follows
// reads as LF (byte for byte, so positions stay those of the file), which
// lets the line reader serve files ending their lines with CR LF, LF or a
// lone CR alike.
class CTextFileReader : public CStream {
public:
    static constexpr int32_t kBlockSize = 64 * 1024;
    // A new window starts this far before the position that needs it, so
    // that the line reader's step back to the end of a line stays inside.
    static constexpr int32_t kBackReach = 4 * 1024;

    explicit CTextFileReader(std::unique_ptr<CStream> source);

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Seek(int32_t offset, int32_t origin) override;
    int32_t GetPosition() override;
    // The size of the file; 0 for sources without one (a pipe).
    int32_t GetSize() override;

private:
    // Loads a window that holds position_; false on a read failure.
    bool Fill();
    void PresentLineEnds(bool atEnd);

    std::unique_ptr<CStream> source_;
    // Bytes of the file from windowStart_ on: rawLength_ of them read,
    // windowLength_ of them presented.
    std::vector<uint8_t> window_;
    int64_t windowStart_ = 0;
    int32_t rawLength_ = 0;
    int32_t windowLength_ = 0;
    int64_t position_ = 0;
};

// Collects writes in one block and writes it to the target when full. The
// first failure sticks: every later write fails with it, and Finish reports
// it. A write that is not exactly the CR LF of a line end has its CR and LF
// bytes written as blanks, so that no text can start a line of its own.
class CTextFileWriter : public CStream {
public:
    static constexpr int32_t kBlockSize = 64 * 1024;

    explicit CTextFileWriter(std::unique_ptr<CStream> target);
    ~CTextFileWriter() override;

    int32_t Write(const void* buffer, int32_t count) override;
    int32_t GetPosition() override;
    int32_t GetSize() override;

    // Writes what is left in the block; 0, or the first failure met.
    DWORD Finish();
    // Bytes accepted so far.
    int64_t Written() const { return written_; }
    // Finishes and closes the target; the result of Finish.
    DWORD Close();

private:
    DWORD WriteBlock();

    std::unique_ptr<CStream> target_;
    std::vector<uint8_t> block_;
    int64_t written_ = 0;
    DWORD failure_ = ERROR_SUCCESS;
};

}  // namespace vantor
