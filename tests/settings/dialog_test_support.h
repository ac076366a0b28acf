#pragma once
// What the tests of the module's small dialogs share: every modal
// scripted, the reference host reset with its call log cleared, the
// module's handles pointed at the host, a documents folder of the test's
// own, shell opens captured, and clicks and keys as the system delivers them.
#include "controls/base_dlg.h"
#include "controls/modal.h"
#include "host/vistrano_settings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class QTemporaryDir;

struct SShellOpen {
    std::string strPath;
    std::string strVerb;
    int nShowCmd = 0;
};

class DialogTest : public ::testing::Test {
protected:
    DialogTest();
    ~DialogTest() override;
    void SetUp() override;
    void TearDown() override;

    static CModalScript& Script() { return CModalScript::Instance(); }
    // The density of the module and of the control library together.
    static void SetScale(double scale);

    // The test's documents folder, without a trailing separator.
    const std::string& Documents() const { return m_documents; }
    // Paths handed to the shell, in order.
    const std::vector<SShellOpen>& ShellOpens() const { return m_opens; }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_documents;
    std::vector<SShellOpen> m_opens;
};

// A press and release in the middle of a control, through the dialog's
// own message road.
void ClickControl(CMorvBaseDlg& dlg, int index);
void PressKey(CWnd& wnd, UINT vk);

// An alert-mail account with every field away from its default, and two
// recipients.
SEmailSetting SampleMailAccount();

// Calls of one operation in the reference host's call log.
int HostCalls(const char* operation);

// Writes the dialog's window, with its edits and child windows, to
// <runtime>/out/dialogs/<name>.png when MONITOR_DIALOG_SHOTS is set.
void SaveDialogShot(CWnd& dlg, const std::string& name);
