#pragma once
// The communication settings dialog on a scratch configuration folder, with the built-in texts
// and scripted message boxes.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CoreTestSupport.h"
#include "common/UComon.h"
#include "common/ULanguage.h"
#include "dialogs/UParGen.h"
#include "platform/ui/Dialogs.h"

namespace coretest {

class ParGenDialog : public ::testing::Test {
protected:
    ParGenDialog()
    {
        Load_Default_Lang();
        saved_file_ = File_ParGen;
        File_ParGen = (dir / "ParGen.xml").string();
        form = std::make_unique<TFParGen>(nullptr);
    }
    ~ParGenDialog() override
    {
        form.reset();
        File_ParGen = saved_file_;
        Load_Default_Lang();
    }

    // Shows the dialog's content as a show does (without a modal loop).
    void Show() { form->FormShow(form.get()); }
    // Presses OK; true when the dialog closed with OK.
    bool Press_OK()
    {
        form->SetModalResult(ui::mrNone);
        form->Btn_OKClick(form->Btn_OK);
        return form->ModalResult() == ui::mrOk;
    }
    std::string File_Text() const { return Read_File(dir / "ParGen.xml"); }
    std::string Last_Message() const { return dialogs.Messages.empty() ? "" : dialogs.Messages.back().Text; }

    TScratchDir dir;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<TFParGen> form;

private:
    std::string saved_file_;
};

}  // namespace coretest
