// The base of the views: an observer of the document that owns one
// embedded form, exchanges one record with the document, and shows its
// form in the main window's edit panel for a tree node.
//
// Statuses are 0 for success, otherwise a Win32 error number or a
// component status (E_FAIL 0x80004005).
#pragma once

#include <QPointer>

#include <utility>

#include "editor/document/EdsObserver.h"
#include "editor/ui/EdsForm.h"

class QWidget;

namespace brenmoor {

// The status of Reset and of a record-to-form copy whose setters failed.
inline constexpr EdsResult kSettersFailed = 14;

// The one owner of a view's form. The form may have been deleted with the
// panel it was shown in; then nothing is left to delete.
template <class Form>
class OwnedForm {
public:
    template <class... Args>
    explicit OwnedForm(Args&&... args) : form_(new Form(std::forward<Args>(args)...)) {}
    OwnedForm(const OwnedForm&) = delete;
    OwnedForm& operator=(const OwnedForm&) = delete;
    ~OwnedForm() { delete form_.data(); }

    Form* get() const { return form_.data(); }
    Form* operator->() const { return form_.data(); }

private:
    QPointer<Form> form_;
};

class CEdsView : public CEdsObserver {
public:
    // The tree node a form was shown for, opaque to the view.
    using TreeNode = const void*;

    // The negation of the form's modified flag; 1 without a form.
    EdsResult IsUnchanged() override;

    virtual CEdsForm* GetForm() { return nullptr; }
    // Shows the form in the panel for the node; 0 without a form.
    virtual EdsResult ShowIn(QWidget* parent, TreeNode node);
    // Hides the form, which keeps its values.
    virtual EdsResult HideForm();
    // Nonzero when the form's current values must not be stored.
    virtual EdsResult Validate() { return 0; }

    TreeNode ShownFor() const { return shownFor_; }

protected:
    enum class MissingRecord { Fail, UseZeroes };

    // The record exchange of the concrete views. ReadRecord gets the record
    // and copies it into the form with toForm(const Record&), then clears
    // the modified flag; WriteRecord fills a zeroed record with
    // fromForm(Record&), sets it and clears the flag on success; ResetForm
    // runs the setters of a new record's defaults and sets the flag.
    // Setters that throw give kSettersFailed.
    template <class Record, class ToForm>
    EdsResult ReadRecord(const GUID& kind, uint32_t key, ToForm toForm, MissingRecord missing = MissingRecord::Fail) {
        Record record{};
        if (const EdsResult code = GetRecord(kind, key, &record); code != 0) {
            if (missing == MissingRecord::Fail) return code;
            record = Record{};
        }
        if (const EdsResult code = RunSetters([&] { toForm(std::as_const(record)); }); code != 0) return code;
        MarkForm(false);
        return 0;
    }

    template <class Record, class FromForm>
    EdsResult WriteRecord(const GUID& kind, uint32_t key, FromForm fromForm) {
        Record record{};
        if (const EdsResult code = RunSetters([&] { fromForm(record); }); code != 0) return code;
        const EdsResult code = SetRecord(kind, key, &record);
        if (code == 0) MarkForm(false);
        return code;
    }

    template <class SetDefaults>
    EdsResult ResetForm(SetDefaults setDefaults) {
        if (const EdsResult code = RunSetters(setDefaults); code != 0) return code;
        MarkForm(true);
        return 0;
    }

private:
    template <class Setters>
    static EdsResult RunSetters(Setters&& setters) {
        try {
            setters();
            return 0;
        } catch (...) {
            return kSettersFailed;
        }
    }
    void MarkForm(bool modified);

    TreeNode shownFor_ = nullptr;
};

}  // namespace brenmoor
