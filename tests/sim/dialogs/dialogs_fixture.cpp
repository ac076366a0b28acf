#include "dialogs_fixture.h"

#include "controls/density.h"
#include "sim/call_log.h"
#include "sim/language.h"
#include "sim/world.h"

#include <algorithm>
#include <iterator>

namespace {

// The texts the dialogs need that the language file lacks, in section
// "SenderDialogs": key, English.
const std::pair<const char*, const char*> kProposedTexts[] = {
    {"AddSender_Count", "Senders to add"},
    {"AddSender_Ports", "Ports per sender"},
    {"AddSender_Hint", "1 to %d"},
    {"AddSender_CountRange", "Enter a number of senders from 1 to %d."},
    {"AddSender_PortRange", "Enter a number of ports from 1 to %d."},
    {"SetIP_Title", "Sender addresses"},
    {"SetIP_Hint", "Enter the IPv4 address of each sender."},
    {"SetIP_HintReadOnly", "The IPv4 addresses of the senders."},
    {"SetIP_Invalid", "The address of sender %d is not an IPv4 address: four numbers from 0 to 255 separated by dots."},
    {"SetIP_Duplicate", "Sender %d has the same address as sender %d."},
};

} // namespace

void ExpectOnlyProposedTextsMissing()
{
    for (const sim::MissingText& missing : sim::GetMissingLanguageKeys())
        EXPECT_TRUE(missing.section == "SenderDialogs"
                    && std::any_of(std::begin(kProposedTexts), std::end(kProposedTexts),
                                   [&](const auto& t) { return missing.key == t.first; }))
            << missing.section << "/" << missing.key;
}

void SenderDialogTest::SetUp()
{
    SimTest::SetUp();
    Script().Reset();
    Script().SetMode(CModalScript::EMode::Scripted);
    sim::ClearMissingLanguageKeys();
    morv::SetDensity(1.0);
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
    SimTest::TearDown();
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
    std::string text = Content(sim::DefaultLanguageFile());
    ASSERT_FALSE(text.empty());
    text += "\n[SenderDialogs]\n";
    for (const auto& [key, english] : kProposedTexts)
        text += std::string(key) + "=" + english + "\n";
    std::ofstream(Path("Multi_English.ini"), std::ios::binary) << text;
    ASSERT_TRUE(sim::LoadLanguageFile(Path("Multi_English.ini")));
    m_bProposedTexts = true;
}
