// A real document in a private temporary directory, with helpers that
// write and read object records the way the editor's forms exchange them.
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include "editor/document/CodeTables.h"
#include "editor/document/EdsFile.h"
#include "editor/document/RecordKinds.h"
#include "editor/ui/DisplayText.h"
#include "editor_document/PrivateTempDir.h"

namespace brenmoor {

struct RecordValues {
    QString name;
    int objectType = kObjectVar;
    int accessType = kAccessRw;
    int dataType = kUnsigned8;
    QString low = {};
    QString high = {};
    QString defaultValue = {};
};

inline EdsObjectRecord MakeRecord(const RecordValues& values) {
    EdsObjectRecord record{};
    StoreFormText(record.ParameterName, values.name);
    record.ObjectType = static_cast<uint8_t>(values.objectType);
    record.AccessType = static_cast<uint8_t>(values.accessType);
    record.DataType = static_cast<uint16_t>(values.dataType);
    StoreFormText(record.LowLimit, values.low);
    StoreFormText(record.HighLimit, values.high);
    StoreFormText(record.DefaultValue, values.defaultValue);
    return record;
}

class ObjectFixture : public ::testing::Test {
protected:
    void Add(unsigned index, unsigned sub, const EdsObjectRecord& record) {
        ASSERT_EQ(document.AddRecord(kKindObject, ObjectKey(index, sub), &record), 0u) << std::hex << index << "/" << sub;
    }

    // An ARRAY of UNSIGNED8 elements at the sub-indexes given; sub-index 0
    // holds count as its default value.
    void AddArray(unsigned index, std::initializer_list<unsigned> subs, const QString& count) {
        Add(index, kMainEntry, MakeRecord({QStringLiteral("Array"), kObjectArray, 0, 0, {}, {}, {}}));
        for (const unsigned sub : subs) {
            if (sub == 0) {
                Add(index, 0, MakeRecord({QStringLiteral("number of elements"), kObjectVar, kAccessRo, kUnsigned8, {}, {}, count}));
            } else {
                Add(index, sub, MakeRecord({QStringLiteral("Element %1").arg(sub), kObjectVar, kAccessRw, kUnsigned8,
                                            QStringLiteral("0"), QStringLiteral("200"), QString::number(sub)}));
            }
        }
    }

    EdsObjectRecord Get(unsigned index, unsigned sub) {
        EdsObjectRecord record{};
        lastCode = document.GetRecord(kKindObject, ObjectKey(index, sub), &record);
        return record;
    }

    bool Exists(unsigned index, unsigned sub) {
        Get(index, sub);
        return lastCode == 0;
    }

    static QString Name(const EdsObjectRecord& record) { return FormText(record.ParameterName); }
    static QString Default(const EdsObjectRecord& record) { return FormText(record.DefaultValue); }

    PrivateTempDir temp;
    CEdsFile document;
    EdsResult lastCode = 0;
};

}  // namespace brenmoor
