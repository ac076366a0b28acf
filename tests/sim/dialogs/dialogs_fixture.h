#pragma once
// What the sender dialog tests share: every modal scripted (a modal left
// unanswered fails the test), the reference host reset with a configuration
// folder of the test's own, density 1.0, projects of a given size, clicks
// through the dialog's message road.
#include "controls/base_dlg.h"
#include "controls/modal.h"
#include "dialog_input.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QTemporaryDir;

// Every text asked for so far is in the language file or among the proposed ones.
void ExpectOnlyProposedTextsMissing();

class SenderDialogTest : public ::testing::Test {
protected:
    SenderDialogTest();
    ~SenderDialogTest() override;
    void SetUp() override;
    void TearDown() override;

    static CModalScript& Script() { return CModalScript::Instance(); }
    // The configuration folder the host writes to.
    const std::string& ConfigFolder() const { return m_config; }

    // A project of `count` senders; addresses[i] (when given) is sender i's.
    static void MakeProject(int count, const std::vector<std::string>& addresses = {});
    // The language file with the proposed texts added, so a test reads
    // what the user will read.
    void UseProposedTexts();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_config;
    bool m_bProposedTexts = false;
};

// Runs a dialog with `action` on its form while it is shown; the script
// ends it with Cancel unless the action ended it.
template <class TForm, class TDialog>
int RunDialog(TDialog& dlg, std::function<void(TForm&)> action)
{
    CModalScript::Instance().RunOnDialog<TForm>(std::move(action), IDCANCEL);
    return dlg.DoModal();
}
