// The FileInfo section: the description file's own name, version, authors
// and dates.
#pragma once

#include "library/fields/EdsKeyedSet.h"
#include "vantor/vantor.h"

namespace vantor {

class CEdsFileInfo : public CEdsKeyedSet {
public:
    CEdsFileInfo();

    // Writes EDSVersion as "3.0" for a format mask below 2 and as "4.0"
    // otherwise; the stored version is left as it was.
    DWORD WriteTextItems(CStream* stream, uint32_t mask, bool all) override;

    // Clears the record, then copies every field into it.
    void ToRecord(EdsFileInfoRecord& record) const;
    // Sets every field from the record through its value setter.
    void FromRecord(const EdsFileInfoRecord& record);

private:
    CEdsTextField edsVersion_;
    CEdsFileNameField fileName_;
    CEdsUnsigned8Field fileVersion_;
    CEdsUnsigned8Field fileRevision_;
    CEdsTextField description_;
    CEdsTimeField creationTime_;
    CEdsDateField creationDate_;
    CEdsTextField createdBy_;
    CEdsTimeField modificationTime_;
    CEdsDateField modificationDate_;
    CEdsTextField modifiedBy_;
    CEdsFileNameField lastEds_;
};

}  // namespace vantor
