#include "dialogs_fixture.h"

#include "controls/density.h"
#include "host/vistrano_data.h"
#include "platform/native_qt.h"
#include "sim/call_log.h"
#include "sim/language.h"
#include "sim/world.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace {

// The texts the dialogs need that the language file lacks: section, key, English.
struct SProposedText {
    const char* section;
    const char* key;
    const char* text;
};

const std::vector<SProposedText>& ProposedTexts()
{
    static const std::vector<SProposedText> texts{
        {"SenderDialogs", "AddSender_Count", "Senders to add"},
        {"SenderDialogs", "AddSender_Ports", "Ports per sender"},
        {"SenderDialogs", "AddSender_Hint", "1 to %d"},
        {"SenderDialogs", "AddSender_CountRange", "Enter a number of senders from 1 to %d."},
        {"SenderDialogs", "AddSender_PortRange", "Enter a number of ports from 1 to %d."},
        {"SenderDialogs", "SetIP_Title", "Sender addresses"},
        {"SenderDialogs", "SetIP_Hint", "Enter the IPv4 address of each sender."},
        {"SenderDialogs", "SetIP_HintReadOnly", "The IPv4 addresses of the senders."},
        {"SenderDialogs", "SetIP_Invalid",
         "The address of sender %d is not an IPv4 address: four numbers from 0 to 255 separated by dots."},
        {"SenderDialogs", "SetIP_Duplicate", "Sender %d has the same address as sender %d."},
    };
    return texts;
}

} // namespace

void ExpectOnlyProposedTextsMissing()
{
    const auto& proposed = ProposedTexts();
    for (const sim::MissingText& missing : sim::GetMissingLanguageKeys())
        EXPECT_TRUE(
            std::any_of(proposed.begin(), proposed.end(),
                        [&](const SProposedText& t) { return missing.section == t.section && missing.key == t.key; }))
            << missing.section << "/" << missing.key;
}

SenderDialogTest::SenderDialogTest() = default;
SenderDialogTest::~SenderDialogTest() = default;

void SenderDialogTest::SetUp()
{
    Script().Reset();
    Script().SetMode(CModalScript::EMode::Scripted);
    sim::ResetWorld();
    sim::ClearCallLog();
    sim::ClearMissingLanguageKeys();
    morv::SetDensity(1.0);
    m_dir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_dir->isValid());
    m_config = m_dir->path().toStdString();
    sim::SetConfigFolder(m_config);
}

void SenderDialogTest::TearDown()
{
    for (const std::string& error : Script().Errors())
        ADD_FAILURE() << "modal script: " << error;
    Script().Reset();
    if (m_bProposedTexts)
        sim::LoadLanguageFile(sim::DefaultLanguageFile());
    sim::SetConfigFolder({});
    morv::SetDensity(0);
}

void SenderDialogTest::MakeProject(int count, const std::vector<std::string>& addresses)
{
    sim::ProjectModel project;
    project.senders.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < project.senders.size(); ++i) {
        sim::SenderModel& sender = project.senders[i];
        sender.id = sim::NewGuid();
        sender.ports.resize(6);
        if (i < addresses.size())
            sender.address = addresses[i];
    }
    std::string error;
    ASSERT_TRUE(sim::SetProject(project, error)) << error;
}

void SenderDialogTest::UseProposedTexts()
{
    QFile base(QString::fromStdString(sim::DefaultLanguageFile()));
    ASSERT_TRUE(base.open(QIODevice::ReadOnly));
    QByteArray text = base.readAll();
    std::string section;
    for (const SProposedText& t : ProposedTexts()) {
        if (section != t.section) {
            section = t.section;
            text += "\n[" + QByteArray(t.section) + "]\n";
        }
        text += QByteArray(t.key) + "=" + QByteArray(t.text) + "\n";
    }
    const QString path = m_dir->filePath("Multi_English.ini");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
    out.close();
    ASSERT_TRUE(sim::LoadLanguageFile(path.toStdString()));
    m_bProposedTexts = true;
}
