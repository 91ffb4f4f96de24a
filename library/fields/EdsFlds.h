// Typed fields: one key of a section with a value of a fixed kind, its EDS
// text form ("key=value"), its binary form inside a property-set stream, and
// the status of the last conversion.
//
// A field belongs to at most one property set (its owner), which keeps the
// fields it reads and writes in a list; a field leaves that list when it is
// destroyed or given Done(). Unknown keys are held by CEdsUnknownField
// objects that the set creates and owns; every other field is a member of
// the set that declares it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vantor/platform/wintypes.h"

namespace vantor {

class CEdsPropSet;
class CStream;

// Result of the last conversion of a field.
namespace FieldStatus {
inline constexpr int16_t Valid = 0;
inline constexpr int16_t Underflow = -1;
inline constexpr int16_t Overflow = -2;
inline constexpr int16_t InvalidFormat = -3;
inline constexpr int16_t InvalidValue = -4;
inline constexpr int16_t InvalidLength = -5;
}  // namespace FieldStatus

// The status of a value conversion result (0 valid, 1 invalid format,
// 2 underflow, 3 overflow).
int16_t StatusOfConversion(int conversionResult);

// Export masks: keys written in every format, and the two single formats.
inline constexpr uint32_t kAllFormats = 0xFFFF;
inline constexpr uint32_t kFormat1 = 0x1;
inline constexpr uint32_t kFormat2 = 0x2;

// Id of a key the set does not know; ids with this bit set are written as
// text only when all keys are asked for (configuration files).
inline constexpr uint16_t kUnknownKeyId = 0x8000;
inline constexpr uint16_t kConfigOnlyBit = 0x8000;

// Static description of one key of a section.
struct FieldDescriptor {
    uint16_t id;
    std::string_view name;  // the key as written in EDS text
    uint32_t exportMask;
};

// A text argument that may be missing ("no text"), which several kinds treat
// differently from an empty text. A string literal, std::string or
// std::string_view converts to a text; std::nullopt, nullptr and a null
// const char* are "no text". The view must outlive the call it is passed to.
class TextArg {
public:
    constexpr TextArg() noexcept = default;
    constexpr TextArg(std::nullopt_t) noexcept {}
    constexpr TextArg(std::nullptr_t) noexcept {}
    constexpr TextArg(const char* text) noexcept : present_(text != nullptr), view_(text ? text : "") {}
    constexpr TextArg(std::string_view text) noexcept : present_(true), view_(text) {}
    TextArg(const std::string& text) noexcept : present_(true), view_(text) {}
    TextArg(const std::optional<std::string>& text) noexcept
        : present_(text.has_value()), view_(text ? std::string_view(*text) : std::string_view()) {}
    constexpr TextArg(const std::optional<std::string_view>& text) noexcept
        : present_(text.has_value()), view_(text.value_or(std::string_view())) {}

    constexpr bool has_value() const noexcept { return present_; }
    constexpr explicit operator bool() const noexcept { return present_; }
    // The text; empty for "no text".
    constexpr const std::string_view& operator*() const noexcept { return view_; }
    constexpr const std::string_view* operator->() const noexcept { return &view_; }
    constexpr std::string_view value_or(std::string_view fallback) const noexcept {
        return present_ ? view_ : fallback;
    }

private:
    bool present_ = false;
    std::string_view view_;
};

// The protocol every field kind follows. GetText returns none for a value
// without text.
class CEdsField {
public:
    explicit CEdsField(const FieldDescriptor* descriptor) : descriptor_(descriptor) {}
    CEdsField(const CEdsField&) = delete;
    CEdsField& operator=(const CEdsField&) = delete;
    // Leaves the owner's list.
    virtual ~CEdsField();

    // Takes the value from EDS text and sets the status.
    virtual void SetText(TextArg text) = 0;
    // The text of the value, or none when the value has no text.
    virtual std::optional<std::string> GetText() const = 0;
    // Leaves the owner's list, discards the value (Clear), forgets the
    // descriptor and resets the status.
    void Done();
    // Discards the value where the kind allows it (unknown keys and string
    // lists); other kinds keep their value.
    virtual void Clear() {}
    // Writes the error line for a non-zero status, then resets the status.
    DWORD ReportError(CStream* stream);
    virtual DWORD ReadBinary(CStream* stream) = 0;
    virtual DWORD WriteBinary(CStream* stream) const = 0;
    // Reads one key=value line and takes its value (the key is not compared);
    // any other line is left in the stream.
    virtual DWORD ReadText(CStream* stream);
    // Writes "key=text" when the value has a non-empty text.
    virtual DWORD WriteText(CStream* stream) const;

    const FieldDescriptor* Descriptor() const { return descriptor_; }
    // The descriptor's id, kUnknownKeyId without a descriptor.
    uint16_t Id() const;
    // The key as written in EDS text (empty without one).
    virtual std::string_view Key() const;
    // The descriptor's export mask, 0 without a descriptor.
    uint32_t ExportMask() const;

    int16_t Status() const { return status_; }
    void SetStatus(int16_t status) { status_ = status; }

    CEdsPropSet* Owner() const { return owner_; }

protected:
    void SetDescriptor(const FieldDescriptor* descriptor) { descriptor_ = descriptor; }

private:
    friend class CEdsPropSet;

    const FieldDescriptor* descriptor_;
    CEdsPropSet* owner_ = nullptr;
    int16_t status_ = FieldStatus::Valid;
};

// A key that its set does not know: key and value texts, kept and written
// back unchanged. Binary form: u16 length, then "key=value" and a zero.
class CEdsUnknownField : public CEdsField {
public:
    static const FieldDescriptor kDescriptor;  // id 0x8000, mask 0xFFFF

    CEdsUnknownField();
    explicit CEdsUnknownField(std::string key);

    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;
    void Clear() override;
    DWORD ReadBinary(CStream* stream) override;
    DWORD WriteBinary(CStream* stream) const override;
    DWORD ReadText(CStream* stream) override;
    DWORD WriteText(CStream* stream) const override;
    std::string_view Key() const override;

    const std::optional<std::string>& KeyText() const { return key_; }
    const std::optional<std::string>& Value() const { return value_; }

private:
    std::optional<std::string> key_;
    std::optional<std::string> value_;
};

// An ordered list of lines (unsorted, duplicates kept). It has no text of its
// own; as text it writes each line as a line of its own section.
// Binary form: u32 length, then the lines each ended by CR LF, and a zero.
class CEdsStringListField : public CEdsField {
public:
    using CEdsField::CEdsField;

    void SetText(TextArg text) override;  // does nothing
    std::optional<std::string> GetText() const override;  // none
    void Clear() override;
    DWORD ReadBinary(CStream* stream) override;
    DWORD WriteBinary(CStream* stream) const override;
    DWORD ReadText(CStream* stream) override;  // reads nothing
    DWORD WriteText(CStream* stream) const override;

    // Appends "key=value"; no key gives 87.
    DWORD AddPair(TextArg key, TextArg value);
    // Appends a line as it stands.
    DWORD AddLine(std::string line);
    // The value of the first line whose name equals key without regard to
    // case; none when missing or empty.
    std::optional<std::string> GetPairValue(TextArg key) const;
    // Replaces the value of that line, appends key=value when there is none,
    // removes the line when the value is empty or null; no key gives 87.
    DWORD SetPairValue(TextArg key, TextArg value);
    // What follows the first '=' of line index: 87 past the end, 14 and no
    // text for a line without '='.
    DWORD GetLineValue(std::size_t index, std::optional<std::string>& value) const;
    std::size_t GetCount() const { return lines_.size(); }
    // Sorts with the given ordering ("less than"), or without regard to case.
    void Sort(const std::function<bool(const std::string&, const std::string&)>& less = {});

    const std::vector<std::string>& Lines() const { return lines_; }
    void RemoveAll() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

// A text of fixed capacity (characters including the terminating zero:
// 4, 8, 15 or 256 for the kinds text 3, 7, 14 and 255).
// Binary form: u16 length (text + zero), the text and its zero.
class CEdsTextField : public CEdsField {
public:
    CEdsTextField(const FieldDescriptor* descriptor, std::size_t capacity);

    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;
    DWORD ReadBinary(CStream* stream) override;
    DWORD WriteBinary(CStream* stream) const override;

    const std::string& Value() const { return value_; }
    // As SetText.
    void SetValue(TextArg text);
    std::size_t Capacity() const { return capacity_; }

private:
    std::size_t capacity_;
    std::string value_;
};

// Numbers of 1, 2 or 4 bytes in their CANopen text forms. A derived kind
// (granularity, node id, bit rate) narrows the accepted values by overriding
// SetText and SetValue.
template <class T>
class CEdsNumberField : public CEdsField {
public:
    using ValueType = T;
    using CEdsField::CEdsField;

    DWORD ReadBinary(CStream* stream) override;
    DWORD WriteBinary(CStream* stream) const override;

    T Value() const { return value_; }
    // Stores the value unchecked.
    virtual void SetValue(T value) { value_ = value; }

protected:
    T value_{};
};

// Defined once, in the fields library.
extern template class CEdsNumberField<uint8_t>;
extern template class CEdsNumberField<int16_t>;
extern template class CEdsNumberField<uint16_t>;
extern template class CEdsNumberField<int32_t>;
extern template class CEdsNumberField<uint32_t>;
extern template class CEdsNumberField<double>;

// "1" or "0"; numbers (non-zero is 1) or words starting with "1TtYy"/"0FfNn".
class CEdsBooleanField : public CEdsNumberField<uint8_t> {
public:
    using CEdsNumberField::CEdsNumberField;
    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;
};

class CEdsUnsigned8Field : public CEdsNumberField<uint8_t> {
public:
    using CEdsNumberField::CEdsNumberField;
    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;  // "0x%2.2X"
};

class CEdsInteger16Field : public CEdsNumberField<int16_t> {
public:
    using CEdsNumberField::CEdsNumberField;
    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;  // decimal
};

class CEdsUnsigned16Field : public CEdsNumberField<uint16_t> {
public:
    using CEdsNumberField::CEdsNumberField;
    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;  // "0x%4.4X"
};

class CEdsInteger32Field : public CEdsNumberField<int32_t> {
public:
    using CEdsNumberField::CEdsNumberField;
    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;  // decimal
};

class CEdsUnsigned32Field : public CEdsNumberField<uint32_t> {
public:
    using CEdsNumberField::CEdsNumberField;
    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;  // "0x%8.8X"
};

// An OLE Automation date value (days since 1899-12-30). Binary form: 8 bytes.
class CEdsTimeField : public CEdsNumberField<double> {
public:
    using CEdsNumberField::CEdsNumberField;
    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;  // "hh:mm tt"
};

class CEdsDateField : public CEdsNumberField<double> {
public:
    using CEdsNumberField::CEdsNumberField;
    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;  // "MM-dd-yyyy"
};

// An 8.3 file name. Binary form: exactly 13 bytes, zero-padded.
class CEdsFileNameField : public CEdsField {
public:
    static constexpr std::size_t kCapacity = 13;
    using CEdsField::CEdsField;

    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;
    DWORD ReadBinary(CStream* stream) override;
    DWORD WriteBinary(CStream* stream) const override;

    const std::string& Value() const { return value_; }
    void SetValue(TextArg text) { SetText(text); }

private:
    std::string value_;
};

// CANopen object code: 0, 2, 5 to 9; 255 is unset.
class CEdsObjectCodeField : public CEdsNumberField<uint8_t> {
public:
    static constexpr uint8_t kUnset = 255;
    explicit CEdsObjectCodeField(const FieldDescriptor* descriptor);
    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;
    // Checked: other codes store 255 with status "invalid data value".
    void SetValue(uint8_t value) override;
};

// Index into the access names "CONST" .. "RWW" (0 to 5); 255 is unset.
class CEdsAccessTypeField : public CEdsNumberField<uint8_t> {
public:
    static constexpr uint8_t kUnset = 255;
    explicit CEdsAccessTypeField(const FieldDescriptor* descriptor);
    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;
    void SetValue(uint8_t value) override;
};

// CANopen data type code 1 to 0x025F; 0 is unset.
class CEdsDataTypeField : public CEdsNumberField<uint16_t> {
public:
    static constexpr uint16_t kUnset = 0;
    static constexpr uint16_t kLargest = 0x025F;
    using CEdsNumberField::CEdsNumberField;
    void SetText(TextArg text) override;
    std::optional<std::string> GetText() const override;  // "0x%4.4X"
    void SetValue(uint16_t value) override;
};

}  // namespace vantor
