// The New Dynamic Segment command's dialog ("New Dynamic Segment"): the
// values of a new segment, added on OK under the first free number after
// the existing ones.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <vector>

#include "vantor/vantor.h"

namespace brenmoor {

class CEdsStore;

class TNewDynForm : public QDialog {
public:
    TNewDynForm(CEdsStore& document, QWidget* parent = nullptr);

    // Reads the segment numbers and the device information, then shows the
    // dialog modally: the modal result, -1 when the segments cannot be
    // listed, the device information's code when it cannot be read.
    int Run();

    // The new segment's number, after OK.
    unsigned Number() const { return number_; }

    // The record of the fields; none, after an error message naming the
    // last field in error, when one holds no value of its range.
    std::optional<EdsDynSegmentRecord> BuildRecord();

    QComboBox* cbxDatatype;
    QComboBox* cbxDirection;
    QLineEdit* edtLowLimit;
    QLineEdit* edtHighLimit;
    QLineEdit* edtSegOffset;
    QLineEdit* edtBitAddrDiff;
    QLineEdit* edtMaxCount;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;

private:
    void BtnOkClick();
    void LockMaxCount(bool locked);
    void UpdateDerivedMaxCount();

    CEdsStore& document_;
    std::vector<uint16_t> existing_;
    bool maxCountDerived_ = false;
    unsigned number_ = 0;
};

// Runs the dialog on the document: the new segment's number after OK.
std::optional<unsigned> RunNewDynSegment(QWidget& owner, QPoint at, CEdsStore& document);

}  // namespace brenmoor
