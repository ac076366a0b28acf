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
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QAction* MenuAction(const QString& text)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<QMainWindow*>(top);
        if (!window)
            continue;
        for (QAction* action : window->findChildren<QAction*>()) {
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
    void TearDown() override { host.reset(); }

    QTemporaryDir configDir;
    app::AppOptions options;
    std::unique_ptr<app::CHostApp> host;
};

TEST_F(HostAppTest, StartsWithTheProjectAndBothPagesTheMonitorPageShown)
{
    const QJsonObject dump = host->Dump();
    const QJsonObject h = dump["host"].toObject();
    EXPECT_EQ(h["pages"].toArray().size(), 2);
    EXPECT_EQ(h["currentPage"].toInt(), 0);
    EXPECT_EQ(h["module"].toString().toStdString(), options.module);
    EXPECT_EQ(dump["project"].toObject()["path"].toString().toStdString(), options.project);
    EXPECT_TRUE(dump["window"].toObject()["title"].toString().contains("sample.json"));
    EXPECT_EQ(dump["window"].toObject()["width"].toInt(), 700);
}

TEST_F(HostAppTest, ViewMenuSwitchesPagesAndMonitoringMenuRunsTheThread)
{
    QAction* summary = MenuAction("Summary page");
    QAction* start = MenuAction("Start");
    QAction* stop = MenuAction("Stop");
    QAction* round = MenuAction("Next round");
    ASSERT_TRUE(summary && start && stop && round);
    summary->trigger();
    EXPECT_EQ(host->Dump()["host"].toObject()["currentPage"].toInt(), 1);
    MenuAction("Monitor page")->trigger();
    EXPECT_EQ(host->Dump()["host"].toObject()["currentPage"].toInt(), 0);
    start->trigger();
    EXPECT_TRUE(host->Dump()["monitoring"].toBool());
    round->trigger();
    stop->trigger();
    EXPECT_FALSE(host->Dump()["monitoring"].toBool());
}

// The card menu entries ask and answer through message boxes, answered here.
class HostAppCardTest : public HostAppTest {
protected:
    void SetUp() override
    {
        CModalScript::Instance().Reset();
        CModalScript::Instance().SetMode(CModalScript::EMode::Scripted);
        HostAppTest::SetUp();
    }
    void TearDown() override
    {
        HostAppTest::TearDown();
        CModalScript::Instance().Reset();
    }
    std::vector<SModalRecord> Boxes() const { return CModalScript::Instance().LogOf(EModalKind::MessageBox); }
};

TEST_F(HostAppCardTest, SaveToCardAsksFirstAndLoadFromCardBringsTheProjectBack)
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
    EXPECT_EQ(project["name"].toString(), "Sample installation");
    EXPECT_TRUE(project["modified"].toBool()) << "a project from a card is not the file's";
}

TEST_F(HostAppTest, DumpingPaintsThePanesWithoutAddingToThePagesCallLog)
{
    const int before = sim::CountCalls("GetLanguageString");
    const QJsonObject dump = host->Dump();
    EXPECT_EQ(sim::CountCalls("GetLanguageString"), before);
    const QJsonObject pane = dump["windows"].toArray()[0].toObject()["children"].toArray()[0].toObject();
    EXPECT_EQ(pane["class"].toString(), "CFixturePane");
    EXPECT_FALSE(pane["drawing"].toArray().isEmpty());
}

TEST_F(HostAppTest, ShutdownReleasesThePageOnceAndLetsTheLibraryGo)
{
    // A second reference keeps the library readable after the host lets it go.
    app::CModuleLoader keep;
    std::string error;
    ASSERT_TRUE(keep.Load(options.module, error)) << error;
    apptest::ClearPageLog(keep);
    host->Shutdown();
    host->Shutdown();
    const auto log = apptest::PageLog(keep);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Release"), 1);
    EXPECT_EQ(apptest::FindLine(log, "Update ffffffff 0 1", apptest::FindLine(log, "Release")), -1)
        << "nothing reaches the page after its release";
}

} // namespace
