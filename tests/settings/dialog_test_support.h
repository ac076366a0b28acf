#pragma once
// What the tests of the module's small dialogs share: every modal
// scripted, the reference host reset with its call log cleared, the
// module's handles pointed at the host, a documents folder of the test's
// own, shell opens captured, and clicks and keys as the system delivers them.
#include "controls/base_dlg.h"
#include "controls/modal.h"
#include "dialog_input.h"
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

    // The test's documents folder, without a trailing separator.
    const std::string& Documents() const { return m_documents; }
    // Paths handed to the shell, in order.
    const std::vector<SShellOpen>& ShellOpens() const { return m_opens; }
    // What the shell answers to each (true: it opened the file).
    void SetShellAnswer(bool opened) { m_shellAnswer = opened; }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_documents;
    std::vector<SShellOpen> m_opens;
    bool m_shellAnswer = true;
};

// An alert-mail account with every field away from its default, and two
// recipients.
SEmailSetting SampleMailAccount();

// Calls of one operation in the reference host's call log.
int HostCalls(const char* operation);

// The host's monitoring settings, and storing them.
CMonitorInterfaceData HostSettings();
void StoreSettings(const CMonitorInterfaceData& data);
