// The host put together in this process around the fixture page: the menus
// switch pages and run monitoring, the title names the project, and the
// end releases the page before the library goes.
#include "fixture_support.h"

#include "host_app.h"

#include "controls/modal.h"
#include "platform/shell.h"
#include "sim/call_log.h"

#include <QAction>
#include <QApplication>
#include <QJsonArray>
#include <QMenuBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QAction* MenuAction(const QString& text)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        for (QAction* action : top->findChildren<QAction*>()) {
            if (action->text().remove('&') == text)
                return action;
        }
    }
    return nullptr;
}

class HostAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CModalScript::Instance().Reset();
        CModalScript::Instance().SetMode(CModalScript::EMode::Scripted);
        options.module = apptest::FixturePath("fixture_page");
        options.project = plat::GetMainExecutableFolder() + "Projects/sample.json";
        options.step = true;
        ASSERT_TRUE(configDir.isValid());
        options.configDir = configDir.path().toStdString(); // the monitoring log goes here
        options.width = 700;
        options.height = 500;
        host = std::make_unique<app::CHostApp>(options);
        std::string error;
        ASSERT_TRUE(host->Start(error)) << error;
    }
    void TearDown() override
    {
        host.reset();
        CModalScript::Instance().Reset();
    }
    std::vector<SModalRecord> Boxes() const { return CModalScript::Instance().LogOf(EModalKind::MessageBox); }

    QTemporaryDir configDir;
    app::AppOptions options;
    std::unique_ptr<app::CHostApp> host;
};

TEST_F(HostAppTest, StartsWithTheProjectMenusSwitchPagesAndRunMonitoringDumpsPaint)
{
    const int calls = sim::CountCalls("GetLanguageString");
    const QJsonObject dump = host->Dump();
    EXPECT_EQ(sim::CountCalls("GetLanguageString"), calls);
    const QJsonObject h = dump["host"].toObject(), pane = dump["windows"][0]["children"][0].toObject();
    EXPECT_EQ(std::tuple(h["pages"].toArray().size(), h["currentPage"].toInt(), h["module"].toString().toStdString(),
                         dump["project"]["path"].toString().toStdString(), dump["window"]["width"].toInt()),
              std::tuple(2, 0, options.module, options.project, 700));
    EXPECT_TRUE(dump["window"]["title"].toString().contains("sample.json"));
    EXPECT_EQ(pane["class"].toString(), "CFixturePane");
    EXPECT_FALSE(pane["drawing"].toArray().isEmpty());

    const auto state = [&] {
        const QJsonObject d = host->Dump();
        return std::pair(d["host"]["currentPage"].toInt(), d["monitoring"].toBool());
    };
    const char* const menus[] = {"Summary page", "Monitor page", "Start", "Next round", "Stop"};
    const std::pair<int, bool> after[] = {{1, false}, {0, false}, {0, true}, {0, true}, {0, false}};
    for (int i = 0; i < 5; ++i) {
        QAction* action = MenuAction(menus[i]);
        ASSERT_NE(action, nullptr) << menus[i];
        action->trigger();
        EXPECT_EQ(state(), after[i]) << menus[i];
    }
}

// The card menu entries ask and answer through message boxes, answered here.
TEST_F(HostAppTest, SaveToCardAsksFirstAndLoadFromCardBringsTheProjectBack)
{
    CModalScript::Instance().AnswerMessageBox(IDNO);
    MenuAction("Save to card")->trigger();
    ASSERT_EQ(Boxes().size(), 1u) << "No cancels quietly";
    CModalScript::Instance().AnswerMessageBox(IDYES);
    CModalScript::Instance().AnswerMessageBox(IDOK);
    MenuAction("Save to card")->trigger();
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[2].strText, "The project was written to the senders' cards.");
    MenuAction("Load from card")->trigger();
    EXPECT_TRUE(CModalScript::Instance().Errors().empty()) << CModalScript::Instance().Errors().front();
    const QJsonObject project = host->Dump()["project"].toObject();
    EXPECT_EQ(std::tuple(project["name"].toString(), project["modified"].toBool()),
              std::tuple("Sample installation", true))
        << "a project from a card is not the file's";
}

TEST_F(HostAppTest, ShutdownReleasesThePageOnceAndLetsTheLibraryGo)
{
    // A second reference keeps the library readable after the host lets it go.
    app::CModuleLoader keep;
    std::string error;
    ASSERT_TRUE(keep.Load(options.module, error)) << error;
    apptest::ResetPage(keep);
    host->Shutdown();
    host->Shutdown();
    const auto log = apptest::PageLog(keep);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Release"), 1);
    EXPECT_EQ(apptest::FindLine(log, "Update ffffffff 0 1", apptest::FindLine(log, "Release")), -1)
        << "nothing reaches the page after its release";
}

} // namespace
