#include "editor/ui/ObjectValueCheck.h"

#include <QRegularExpression>

#include <optional>

#include "common/Arithm.h"
#include "editor/document/CodeTables.h"
#include "editor/ui/DisplayText.h"

namespace brenmoor {
namespace {

enum class Kind { Other, Signed, Unsigned, Real };

struct TypeShape {
    Kind kind = Kind::Other;
    unsigned bits = 0;
};

TypeShape ShapeOf(int dataType) {
    switch (dataType) {
        case kBoolean: return {Kind::Unsigned, 1};
        case kInteger8: return {Kind::Signed, 8};
        case kInteger16: return {Kind::Signed, 16};
        case kInteger24: return {Kind::Signed, 24};
        case kInteger32: return {Kind::Signed, 32};
        case kInteger40: return {Kind::Signed, 40};
        case kInteger48: return {Kind::Signed, 48};
        case kInteger56: return {Kind::Signed, 56};
        case kInteger64: return {Kind::Signed, 64};
        case kUnsigned8: return {Kind::Unsigned, 8};
        case kUnsigned16: return {Kind::Unsigned, 16};
        case kUnsigned24: return {Kind::Unsigned, 24};
        case kUnsigned32: return {Kind::Unsigned, 32};
        case kUnsigned40: return {Kind::Unsigned, 40};
        case kUnsigned48: return {Kind::Unsigned, 48};
        case kUnsigned56: return {Kind::Unsigned, 56};
        case kUnsigned64: return {Kind::Unsigned, 64};
        case kReal32: return {Kind::Real, 32};
        case kReal64: return {Kind::Real, 64};
        default: return {};
    }
}

// The value of a text as a number to compare; none when the text is not
// one number of the type.
std::optional<long double> IntegerValue(const TypeShape& shape, const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^([+-]?)(?:0[xX]([0-9A-Fa-f]+)|([0-9]+))$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const bool negative = match.captured(1) == QLatin1String("-");
    if (negative && shape.kind == Kind::Unsigned) return std::nullopt;
    const bool hex = match.capturedLength(2) > 0;
    bool ok = false;
    const qulonglong magnitude = hex ? match.captured(2).toULongLong(&ok, 16) : match.captured(3).toULongLong(&ok, 10);
    if (!ok) return std::nullopt;
    const qulonglong typeMaximum = shape.bits >= 64 ? ~0ULL : (1ULL << shape.bits) - 1;
    if (shape.kind == Kind::Unsigned) {
        if (magnitude > typeMaximum) return std::nullopt;
        return static_cast<long double>(magnitude);
    }
    const qulonglong signedMaximum = typeMaximum >> 1;
    if (negative) {
        if (magnitude > signedMaximum + 1) return std::nullopt;
        return -static_cast<long double>(magnitude);
    }
    // A hexadecimal text of a signed type is the two's complement pattern.
    if (hex && magnitude <= typeMaximum) return static_cast<long double>(vantor::SignExtend(magnitude, shape.bits));
    if (magnitude > signedMaximum) return std::nullopt;
    return static_cast<long double>(magnitude);
}

std::optional<long double> RealValue(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^[+-]?(?:[0-9]+(?:[.,][0-9]*)?|[.,][0-9]+)(?:[eE][+-]?[0-9]+)?$"));
    if (!pattern.match(text).hasMatch()) return std::nullopt;
    QString decimal = text;
    decimal.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = decimal.toDouble(&ok);
    if (!ok) return std::nullopt;
    return value;
}

// The number part of "$NODEID+n" or "n+$NODEID"; the text itself otherwise.
QString WithoutNodeId(const QString& text, bool& hadNodeId) {
    static const QRegularExpression before(QStringLiteral("^\\$NODEID\\s*\\+\\s*(.*)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression after(QStringLiteral("^(.*?)\\s*\\+\\s*\\$NODEID$"),
                                          QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpression* pattern : {&before, &after}) {
        const QRegularExpressionMatch match = pattern->match(text);
        if (match.hasMatch()) {
            hadNodeId = true;
            return match.captured(1);
        }
    }
    hadNodeId = false;
    return text;
}

enum class Reading { Refused, Empty, NodeRelative, Plain };

struct Value {
    Reading reading = Reading::Empty;
    long double number = 0;
};

Value ReadValue(int dataType, const QString& raw) {
    const QString text = raw.trimmed();
    if (text.isEmpty()) return {Reading::Empty};
    const TypeShape shape = ShapeOf(dataType);
    if (shape.kind == Kind::Other) return {Reading::NodeRelative};
    if (shape.kind == Kind::Real) {
        const std::optional<long double> number = RealValue(text);
        return number ? Value{Reading::Plain, *number} : Value{Reading::Refused};
    }
    bool nodeRelative = false;
    const QString numberText = WithoutNodeId(text, nodeRelative);
    const std::optional<long double> number = IntegerValue(shape, numberText);
    if (!number) return {Reading::Refused};
    return {nodeRelative ? Reading::NodeRelative : Reading::Plain, *number};
}

bool HasSubIndexes(const EdsObjectRecord& record) { return record.SubNumber > 0; }

}  // namespace

QString FaultFieldName(ValueFault fault) {
    switch (fault) {
        case ValueFault::LowLimit: return QStringLiteral("Low Limit");
        case ValueFault::HighLimit: return QStringLiteral("High Limit");
        case ValueFault::DefaultValue: return QStringLiteral("Default Value");
        case ValueFault::AccessType: return QStringLiteral("Access Type");
        case ValueFault::DataType: return QStringLiteral("Data Type");
        case ValueFault::ObjectType: return QStringLiteral("Object Type");
        case ValueFault::None: break;
    }
    return {};
}

bool IsValueText(int dataType, const QString& text) { return ReadValue(dataType, text).reading != Reading::Refused; }

ValueFault CheckValueTexts(int dataType, const QString& low, const QString& high, const QString& defaultValue) {
    const Value lowValue = ReadValue(dataType, low);
    if (lowValue.reading == Reading::Refused) return ValueFault::LowLimit;
    const Value highValue = ReadValue(dataType, high);
    if (highValue.reading == Reading::Refused) return ValueFault::HighLimit;
    const Value value = ReadValue(dataType, defaultValue);
    if (value.reading == Reading::Refused) return ValueFault::DefaultValue;

    const bool lowPlain = lowValue.reading == Reading::Plain;
    const bool highPlain = highValue.reading == Reading::Plain;
    if (lowPlain && highPlain && lowValue.number > highValue.number) return ValueFault::HighLimit;
    if (value.reading == Reading::Plain) {
        if ((lowPlain && value.number < lowValue.number) || (highPlain && value.number > highValue.number))
            return ValueFault::DefaultValue;
    }
    return ValueFault::None;
}

ValueFault CheckObjectRecord(const EdsObjectRecord& record, RecordRole role) {
    const bool main = role == RecordRole::MainEntry;
    if (main) {
        const int type = record.ObjectType;
        const bool structured = type == kObjectArray || type == kObjectRecord;
        const bool simple = type == kObjectVar || type == kObjectDomain || type == kObjectNull;
        if ((HasSubIndexes(record) && simple) || (!HasSubIndexes(record) && structured)) return ValueFault::ObjectType;
        if (HasSubIndexes(record)) return ValueFault::None;
    }
    if (!main || record.ObjectType == kObjectVar) {
        if (record.AccessType == kAccessNone) return ValueFault::AccessType;
        if (record.DataType == kTypeNone) return ValueFault::DataType;
    }
    return CheckValueTexts(record.DataType, FormText(record.LowLimit), FormText(record.HighLimit),
                           FormText(record.DefaultValue));
}

}  // namespace brenmoor
