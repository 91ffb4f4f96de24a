#include <gtest/gtest.h>

#include <QCheckBox>
#include <QVBoxLayout>

#include <memory>
#include <stdexcept>

#include "SampleForm.h"
#include "editor/document/EdsFile.h"
#include "editor/document/RecordKinds.h"
#include "editor/ui/EdsView.h"
#include "editor_document/PrivateTempDir.h"

namespace brenmoor {
namespace {

class FormlessView : public CEdsView {};

class SampleView : public CEdsView {
public:
    CEdsForm* GetForm() override { return form.get(); }

    EdsResult Reset() override {
        return ResetForm([this] {
            if (failSetters) throw std::runtime_error("control");
            form->SetName("New object");
        });
    }

    OwnedForm<SampleForm> form;
    bool failSetters = false;
};

class ThrowingView : public CEdsView {
public:
    CEdsForm* GetForm() override { throw std::runtime_error("toolkit"); }
};

// The dummy usage flags in seven check boxes, exchanged by the record
// pattern of the views.
class DummyForm : public CEdsForm {
public:
    DummyForm() {
        auto* layout = new QVBoxLayout(Content());
        for (auto*& box : chkDummy) {
            box = new QCheckBox;
            layout->addWidget(box);
            TrackEdits(box);
        }
    }
    QCheckBox* chkDummy[7];
};

class DummyView : public CEdsView {
public:
    CEdsForm* GetForm() override { return form.get(); }

    EdsResult ReadFromStore() override {
        return ReadRecord<EdsDummyUsageRecord>(kKindDummyUsage, 0, [this](const EdsDummyUsageRecord& record) {
            const uint8_t* flags = &record.Dummy0001;
            for (int k = 0; k < 7; ++k) form->chkDummy[k]->setChecked(flags[k] != 0);
        });
    }
    EdsResult WriteToStore() override {
        return WriteRecord<EdsDummyUsageRecord>(kKindDummyUsage, 0, [this](EdsDummyUsageRecord& record) {
            uint8_t* flags = &record.Dummy0001;
            for (int k = 0; k < 7; ++k) flags[k] = form->chkDummy[k]->isChecked() ? 1 : 0;
        });
    }

    OwnedForm<DummyForm> form;
};

TEST(EdsView, AViewWithoutAFormAcceptsShowInAndHideForm) {
    FormlessView view;
    QWidget panel;
    int node = 0;
    EXPECT_EQ(view.ShowIn(&panel, &node), 0u);
    EXPECT_EQ(view.ShownFor(), &node);
    EXPECT_EQ(view.HideForm(), 0u);
    EXPECT_EQ(view.IsUnchanged(), 1u);
    EXPECT_EQ(view.Validate(), 0u);
    EXPECT_EQ(panel.layout(), nullptr);
}

TEST(EdsView, ShowInEmbedsTheFormAndHideFormKeepsItsValues) {
    SampleView view;
    QWidget panel;
    panel.show();
    int node = 0;
    ASSERT_EQ(view.ShowIn(&panel, &node), 0u);
    EXPECT_EQ(view.form->parentWidget(), &panel);
    EXPECT_TRUE(view.form->isVisible());
    view.form->edtName->setText("kept");

    ASSERT_EQ(view.HideForm(), 0u);
    EXPECT_TRUE(view.form->isHidden());
    EXPECT_EQ(view.form->edtName->text(), "kept");
    EXPECT_EQ(view.ShowIn(nullptr, &node), ERROR_INVALID_PARAMETER);
}

TEST(EdsView, ToolkitFailuresInShowInAndHideFormAreEFail) {
    ThrowingView view;
    QWidget panel;
    EXPECT_EQ(view.ShowIn(&panel, nullptr), 0x80004005u);
    EXPECT_EQ(view.HideForm(), 0x80004005u);
}

TEST(EdsView, ResetSetsTheModifiedFlagAndFailingSettersGiveFourteen) {
    SampleView view;
    EXPECT_EQ(view.IsUnchanged(), 1u);
    ASSERT_EQ(view.Reset(), 0u);
    EXPECT_EQ(view.form->edtName->text(), "New object");
    EXPECT_EQ(view.IsUnchanged(), 0u);

    view.form->SetModified(false);
    view.failSetters = true;
    EXPECT_EQ(view.Reset(), 14u);
}

TEST(EdsView, TheFormHasOneOwnerWhicheverGoesFirst) {
    {
        auto panel = std::make_unique<QWidget>();
        SampleView view;
        view.ShowIn(panel.get(), nullptr);
        panel.reset();  // takes the shown form with it
        EXPECT_EQ(view.GetForm(), nullptr);
        EXPECT_EQ(view.HideForm(), 0u);
    }
    {
        QWidget panel;
        auto view = std::make_unique<SampleView>();
        view->ShowIn(&panel, nullptr);
        view.reset();
        EXPECT_EQ(panel.findChildren<CEdsForm*>().size(), 0);
    }
}

TEST(EdsView, RecordOperationsOfADetachedViewAnswerNotAttached) {
    DummyView view;
    EXPECT_EQ(view.ReadFromStore(), 0x8000000Au);
    view.form->chkDummy[0]->click();
    EXPECT_EQ(view.WriteToStore(), 0x8000000Au);
    EXPECT_EQ(view.IsUnchanged(), 0u);
}

TEST(EdsView, TheRecordExchangeReadsAndWritesTheDocument) {
    PrivateTempDir temp;
    CEdsFile document;
    DummyView view;
    ASSERT_EQ(view.SetStore(&document), 0u);

    ASSERT_EQ(view.ReadFromStore(), 0u);
    EXPECT_EQ(view.IsUnchanged(), 1u);
    view.form->chkDummy[1]->click();
    view.form->chkDummy[6]->click();
    EXPECT_EQ(view.IsUnchanged(), 0u);

    ASSERT_EQ(view.WriteToStore(), 0u);
    EXPECT_EQ(view.IsUnchanged(), 1u);
    EXPECT_TRUE(document.Modified());

    EdsDummyUsageRecord stored{};
    ASSERT_EQ(document.GetRecord(kKindDummyUsage, 0, &stored), 0u);
    EXPECT_EQ(stored.Dummy0002, view.form->chkDummy[1]->isChecked() ? 1 : 0);
    EXPECT_EQ(stored.Dummy0007, view.form->chkDummy[6]->isChecked() ? 1 : 0);

    for (QCheckBox* box : view.form->chkDummy) box->setChecked(false);
    ASSERT_EQ(view.ReadFromStore(), 0u);
    EXPECT_EQ(view.form->chkDummy[1]->isChecked(), stored.Dummy0002 != 0);
    EXPECT_EQ(view.IsUnchanged(), 1u);
}

}  // namespace
}  // namespace brenmoor
