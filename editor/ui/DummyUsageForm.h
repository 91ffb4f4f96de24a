// The "Dummy Usage" node's form and view: which dummy mapping entries
// (data types 1 to 7) the device supports.
#pragma once

#include <QCheckBox>

#include <array>

#include "editor/ui/EdsForm.h"
#include "editor/ui/EdsView.h"

namespace brenmoor {

class TDummyUsageForm : public CEdsForm {
public:
    TDummyUsageForm();

    // "Boolean", "Signed8", "Signed16", "Signed32", "Unsigned8",
    // "Unsigned16", "Unsigned32": Dummy0001 to Dummy0007.
    std::array<QCheckBox*, 7> chkDummies;
};

class CDummyUsageView : public CEdsView {
public:
    CEdsForm* GetForm() override { return form_.get(); }
    TDummyUsageForm& Form() const { return *form_.get(); }

    EdsResult Reset() override;
    EdsResult ReadFromStore() override;
    EdsResult WriteToStore() override;

private:
    OwnedForm<TDummyUsageForm> form_;
};

}  // namespace brenmoor
