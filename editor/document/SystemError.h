// Failures that carry a system code (a Win32 error number or a component
// status value) out of operations that cannot return one, and the text the
// user is shown for such a code.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace brenmoor {

class SystemError : public std::runtime_error {
public:
    // what says what failed, without the code's own text.
    SystemError(uint32_t code, const std::string& what) : std::runtime_error(what), code_(code) {}
    uint32_t Code() const { return code_; }

private:
    uint32_t code_;
};

// The system's message text for a code, e.g. "Access is denied."; a generic
// text with the code in hexadecimal for codes it does not know.
std::string SystemErrorText(uint32_t code);

}  // namespace brenmoor
