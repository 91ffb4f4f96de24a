// The New command's dialog ("DS 301 Objects"): the mandatory objects a new
// description always starts with and the optional communication objects
// the user ticks, generated with their sub-indexes from the standard
// object tables once the new document exists.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>

#include <vector>

#include "vantor/vantor.h"

namespace brenmoor {

class CEdsStore;

class TNewEdsForm : public QDialog {
public:
    // Four hexadecimal digits per index.
    static constexpr char kMandatoryIndexes[] = "100010011018";
    static constexpr char kOptionalIndexes[] =
        "1002100310051006100710081009100A100C100D101010111012101310141015101610171200120112801281";

    explicit TNewEdsForm(QWidget* parent = nullptr);

    // Fills both lists, ticks every mandatory item and shows the dialog
    // modally; the modal result.
    int Run();

    // Creates the mandatory objects, then the ticked optional ones in list
    // order. The indexes that could not be created are listed in one error
    // message; they are returned as well.
    std::vector<unsigned> Generate(CEdsStore& document);

    // Adds one item per four characters of the text: the index as caption,
    // its standard name in the second column.
    static void FillListView(QTreeWidget& list, const char* indexes);

    // Adds the object with its sub-indexes; an object whose sub-indexes
    // cannot all be added is removed again.
    bool DoCreateObj(unsigned index);

    // The ticked optional indexes in list order.
    std::vector<unsigned> CheckedOptional() const;

    QTreeWidget* MandList;
    QTreeWidget* OptList;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;

private:
    CEdsStore* document_ = nullptr;
};

}  // namespace brenmoor
