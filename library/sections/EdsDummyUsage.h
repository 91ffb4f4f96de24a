// The DummyUsage section: which basic data types (BOOLEAN to UNSIGNED32) the
// device accepts as dummy entries of a PDO mapping.
#pragma once

#include <array>
#include <memory>

#include "library/fields/EdsKeyedSet.h"
#include "vantor/vantor.h"

namespace vantor {

class CEdsDummyUsage : public CEdsKeyedSet {
public:
    // Data types 1 to 7, keys Dummy0001 to Dummy0007.
    static constexpr std::size_t kTypeCount = sizeof(EdsDummyUsageRecord);

    CEdsDummyUsage();

    void ToRecord(EdsDummyUsageRecord& record) const;
    void FromRecord(const EdsDummyUsageRecord& record);

private:
    std::array<std::unique_ptr<CEdsBooleanField>, kTypeCount> dummies_;
};

}  // namespace vantor
