// The form of an object node and its view. The "Main" page shows the
// object's main entry with its category; the "Subs" page lists the
// object's sub-indexes, shows the selected one and adds and deletes them.
#pragma once

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <optional>

#include "editor/ui/CopVariableForm.h"
#include "editor/ui/HListBox.h"
#include "editor/ui/KeyedView.h"

namespace brenmoor {

class TCopObjectForm : public CEdsForm {
public:
    TCopObjectForm();

    QTabWidget* pgControl;
    QWidget* MainSheet;
    QWidget* SubsSheet;
    QGroupBox* grpObjectKind;
    QRadioButton* btnMandatory;
    QRadioButton* btnOptional;
    QRadioButton* btnManufacturer;
    QWidget* Panel1;
    QPushButton* btnAddSub;
    QPushButton* btnDelSub;
    THListBox* lbxSubIndex;
    QWidget* Panel3;

    void ShowSubsPage(bool shown);
    bool SubsPageShown() const;
};

// Error of a sub-index outside -1 (the main entry) to 254.
inline constexpr EdsResult kInvalidSubIndex = 1413;

class CCopObjectView : public CKeyedView {
public:
    CCopObjectView();

    CEdsForm* GetForm() override { return form_.get(); }
    TCopObjectForm& Form() const { return *form_.get(); }
    CCopVariableView& MainView() { return mainView_; }
    CCopVariableView& SubView() { return subView_; }

    // The object index.
    void SetKey(uint32_t key) override { index_ = key; }
    uint32_t Key() const override { return index_; }
    QString CurrentNodeText() override;

    EdsResult IsUnchanged() override;
    EdsResult Reset() override;
    EdsResult ReadFromStore() override;
    // Stores the main entry when changed and the shown sub-index when changed.
    EdsResult WriteToStore() override;
    // Nonzero when a changed main entry or sub-index holds values the
    // document must not get.
    EdsResult Validate() override;
    EdsResult ShowIn(QWidget* parent, TreeNode node) override;
    EdsResult HideForm() override;

    // Loads sub-index 0 to 254 into the sub-index form; else kInvalidSubIndex.
    EdsResult SelectSubIndex(int sub);
    // Stores the sub-index form when it is changed; with validation, values
    // that fail their check are reported ("Error in data") and not stored.
    // False when nothing was stored although there were changes.
    bool CommitSubForm(bool validate);

    // The sub-index shown in the sub-index form; -1 for none.
    int ShownSubIndex() const { return shownSub_; }

    // Records of one sub-index of the object (-1 is the main entry).
    EdsResult ReadSub(int sub, EdsObjectRecord& record);
    EdsResult AddSub(int sub, const EdsObjectRecord& record);
    EdsResult RemoveSub(int sub);

    // The handlers of the form's controls.
    void lbxSubIndexClick();
    void btnAddSubClick();
    void btnDelSubClick();
    void CategoryClick(int category);

protected:
    void OnAttach() override;
    void OnDetach() override;

private:
    QString PresenceMap() const;
    void StorePresence(QString map, int sub, bool present);
    // Sub-index 0 that held the highest sub-index present follows it.
    void FollowHighestSub(int oldHighest, int newHighest);
    void ShowCategory();
    void FillSubList();
    void ReportRequestFailure(EdsResult code, const QString& what);

    OwnedForm<TCopObjectForm> form_;
    CCopVariableView mainView_;
    CCopVariableView subView_;
    uint32_t index_ = ~0u;
    int shownSub_ = -1;
};

// The highest sub-index marked in a presence map; -1 for none.
int HighestPresentSub(const QString& map);
// value read as oldHighest (decimal, or hexadecimal after "0x") written
// as newHighest in the same notation; none when value is another number.
std::optional<QString> FollowedCount(const QString& value, int oldHighest, int newHighest);

}  // namespace brenmoor
