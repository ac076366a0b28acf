// Alert mail goes to the outbox folder as text files.
#include "host/vistrano_data.h"
#include "sim/monitor_feed.h"
#include "sim_fixture.h"

#include <algorithm>

using Outbox = SimTest;

TEST_F(Outbox, EachMessageIsAFileWithAccountRecipientsSubjectAndBody)
{
    EXPECT_EQ(GetMonitorData()->SendMailToEmail("x"), 0) << "no recipients";
    EXPECT_FALSE(std::filesystem::exists(sim::GetOutboxFolder()));
    CMonitorInterfaceData d;
    d.emailSetting.arrMail = {{"Ops", "ops@example.com"}, {"", "night@example.com"}};
    GetMonitorData()->SetInterfaceData(d);
    EXPECT_EQ(GetMonitorData()->SendMailToEmail("Receiver 3 of port 2 is too hot"), 1);
    EXPECT_EQ(sim::SendAlertMail("Second"), 1);
    EXPECT_EQ(GetMonitorData()->SendMailToEmail("0"), 1) << "the test text";
    EXPECT_EQ(sim::GetOutboxFolder(), (m_folder / "Outbox/").string());
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(sim::GetOutboxFolder()))
        files.push_back(e.path());
    std::sort(files.begin(), files.end());
    ASSERT_EQ(files.size(), 3u);
    const std::string mail = Content(files[0]);
    for (const std::string& line :
         {"Account: " + std::string(kDefaultMailSender), "Server: " + std::string(kDefaultMailSmtp) + ":465 (SSL)",
          std::string("To: Ops <ops@example.com>, night@example.com"), std::string("Subject: Monitoring alert"),
          std::string("\n\nReceiver 3 of port 2 is too hot\n")})
        EXPECT_NE(mail.find(line), std::string::npos) << line << " in\n" << mail;
    EXPECT_EQ(mail.find(kDefaultMailPassword), std::string::npos) << "the password never reaches a file";
    EXPECT_NE(Content(files[1]).find("Second"), std::string::npos);
    EXPECT_NE(Content(files[2]).find("Subject: Monitoring test message"), std::string::npos);
    EXPECT_EQ(Content(files[2]).find("\n\n0\n"), std::string::npos);
}
