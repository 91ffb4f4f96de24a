// The form of a "Dynamic Channels" segment node ("Dynamic Channel") and its
// view: data type, direction, index range, segment offset, bit address
// difference and MaxCount of one segment. When the device does not
// support MaxCount the form derives it from the range and locks it.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include <optional>

#include "editor/ui/EdsForm.h"
#include "editor/ui/KeyedView.h"
#include "editor/ui/SegmentFields.h"
#include "vantor/vantor.h"

namespace brenmoor {

class TDynChannelForm : public CEdsForm {
public:
    TDynChannelForm();

    // The record the form shows, or the field in error.
    SegmentParse Parse() const;
    void SetRecord(const EdsDynSegmentRecord& record);
    void Clear();

    std::optional<uint32_t> LowLimit() const;
    std::optional<uint32_t> HighLimit() const;
    std::optional<uint32_t> MaxCount() const;

    // Locks MaxCount to the range's capacity (device without MaxCount
    // support) or frees it. Leaves the modified flag as it was.
    void DeriveMaxCount(bool derived);
    bool MaxCountDerived() const { return derived_; }

    QComboBox* cbxDatatype;
    QComboBox* cbxDirection;
    QGroupBox* RangeGroupBox;
    QLineEdit* edtLowLimit;
    QLineEdit* edtHighLimit;
    QLineEdit* edtSegOffset;
    QLineEdit* edtBitAddrDiff;
    QLineEdit* edtMaxCount;

private:
    void UpdateDerivedMaxCount();

    bool derived_ = false;
};

class CDynChannelView : public CKeyedView {
public:
    CEdsForm* GetForm() override { return form_.get(); }
    TDynChannelForm& Form() const { return *form_.get(); }

    void SetKey(uint32_t key) override { number_ = key; }
    uint32_t Key() const override { return number_; }
    QString CurrentNodeText() override;

    EdsResult Reset() override;
    EdsResult ReadFromStore() override;
    // 13 (invalid data) while the form's values cannot be stored.
    EdsResult WriteToStore() override;
    // Nonzero when a field holds no value of its range, the range is
    // inverted, or (high - low + 1) * 254 is less than MaxCount.
    EdsResult Validate() override;

private:
    OwnedForm<TDynChannelForm> form_;
    uint32_t number_ = static_cast<uint32_t>(-1);
};

}  // namespace brenmoor
