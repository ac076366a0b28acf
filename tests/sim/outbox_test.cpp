// Alert mail goes to the outbox folder as text files.
#include "host/vistrano_data.h"
#include "sim/monitor_feed.h"
#include "sim_fixture.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::filesystem::path> Outbox()
{
    std::vector<std::filesystem::path> files;
    if (std::filesystem::exists(sim::GetOutboxFolder()))
        for (const auto& e : std::filesystem::directory_iterator(sim::GetOutboxFolder()))
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

class OutboxTest : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        CMonitorInterfaceData d;
        d.emailSetting.arrMail = {{"Ops", "ops@example.com"}, {"", "night@example.com"}};
        GetMonitorData()->SetInterfaceData(d);
    }
};

TEST_F(OutboxTest, EachMessageIsAFileWithAccountRecipientsSubjectAndBody)
{
    EXPECT_EQ(GetMonitorData()->SendMailToEmail("Receiver 3 of port 2 is too hot"), 1);
    EXPECT_EQ(sim::SendAlertMail("Second"), 1);
    const auto files = Outbox();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(sim::GetOutboxFolder(), (m_folder / "Outbox/").string());
    const std::string mail = ReadAll(files[0]);
    EXPECT_NE(mail.find("Account: " + std::string(kDefaultMailSender)), std::string::npos) << mail;
    EXPECT_NE(mail.find("Server: " + std::string(kDefaultMailSmtp) + ":465 (SSL)"), std::string::npos);
    EXPECT_NE(mail.find("To: Ops <ops@example.com>, night@example.com"), std::string::npos);
    EXPECT_NE(mail.find("Subject: Monitoring alert"), std::string::npos);
    EXPECT_NE(mail.find("\n\nReceiver 3 of port 2 is too hot\n"), std::string::npos);
    EXPECT_EQ(mail.find(kDefaultMailPassword), std::string::npos) << "the password never reaches a file";
    EXPECT_NE(ReadAll(files[1]).find("Second"), std::string::npos);
}

TEST_F(OutboxTest, TheTestTextSendsTheTestMessage)
{
    EXPECT_EQ(GetMonitorData()->SendMailToEmail("0"), 1);
    const auto files = Outbox();
    ASSERT_EQ(files.size(), 1u);
    const std::string mail = ReadAll(files[0]);
    EXPECT_NE(mail.find("Subject: Monitoring test message"), std::string::npos);
    EXPECT_EQ(mail.find("\n\n0\n"), std::string::npos);
}

TEST_F(OutboxTest, NothingIsSentWithoutRecipients)
{
    GetMonitorData()->SetInterfaceData(CMonitorInterfaceData());
    EXPECT_EQ(GetMonitorData()->SendMailToEmail("x"), 0);
    EXPECT_TRUE(Outbox().empty());
}
