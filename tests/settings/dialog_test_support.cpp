#include "dialog_test_support.h"

#include "controls/density.h"
#include "host/vistrano_data.h"
#include "module/module_globals.h"
#include "platform/shell.h"
#include "sim/call_log.h"
#include "sim/language.h"
#include "sim/world.h"

#include <QTemporaryDir>

DialogTest::DialogTest() = default;
DialogTest::~DialogTest() = default;

void DialogTest::SetUp()
{
    Script().Reset();
    Script().SetMode(CModalScript::EMode::Scripted);
    sim::ResetWorld();
    sim::ClearCallLog();
    sim::ClearMissingLanguageKeys();
    g_pMonitorData = GetMonitorData();
    g_pRuntimeData = GetRuntimeData();
    g_dDpiScale = 1.0;
    morv::SetDensity(1.0);

    m_dir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_dir->isValid());
    m_documents = m_dir->path().toStdString();
    plat::SetDocumentsFolderProvider([folder = m_documents] { return std::optional<std::string>(folder); });
    plat::SetFileOpener([this](const std::string& path, const std::string& verb, int showCmd) {
        m_opens.push_back({path, verb, showCmd});
        return m_shellAnswer;
    });
}

void DialogTest::TearDown()
{
    for (const std::string& error : Script().Errors())
        ADD_FAILURE() << "modal script: " << error;
    // Every text a dialog asked for is one the host's language has.
    for (const sim::MissingText& missing : sim::GetMissingLanguageKeys())
        ADD_FAILURE() << "no language text " << missing.key << " in " << missing.section;
    Script().Reset();
    plat::SetFileOpener({});
    plat::SetDocumentsFolderProvider({});
}

SEmailSetting SampleMailAccount()
{
    SEmailSetting s;
    s.bEnable = 1;
    s.bReturnToWork = 0;
    s.bSSL = 0;
    s.nWarningNum = 7;
    s.nPort = 25;
    s.strSender = "alerts@plant.net";
    s.strPassword = "secret";
    s.strSmtp = "smtp.plant.net";
    s.arrMail = {{"Ops", "ops@plant.net"}, {"Night", "night@plant.net"}};
    return s;
}

int HostCalls(const char* operation) { return sim::CountCalls(operation); }

CMonitorInterfaceData HostSettings()
{
    CMonitorInterfaceData data;
    GetMonitorData()->GetInterfaceData(data);
    return data;
}

void StoreSettings(const CMonitorInterfaceData& data) { GetMonitorData()->SetInterfaceData(data); }
