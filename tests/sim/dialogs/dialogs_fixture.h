#pragma once
// What the sender dialog tests share: a simulation test's start, every modal
// scripted (a modal left unanswered fails the test), density 1.0, projects of a given size, clicks
// through the dialog's message road.
#include "../sim_fixture.h"
#include "controls/base_dlg.h"
#include "controls/modal.h"
#include "dialog_input.h"

#include <functional>
#include <utility>
#include <vector>

// Every text asked for so far is in the language file or among the proposed ones.
void ExpectOnlyProposedTextsMissing();

class SenderDialogTest : public SimTest {
protected:
    void SetUp() override;
    void TearDown() override;

    static CModalScript& Script() { return CModalScript::Instance(); }

    // A project of `count` senders; addresses[i] (when given) is sender i's.
    static void MakeProject(int count, const std::vector<std::string>& addresses = {});
    // The language file with the proposed texts added, so a test reads
    // what the user will read.
    void UseProposedTexts();

private:
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
