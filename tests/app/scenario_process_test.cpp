// The program itself, run as a child process headless: a scenario against
// the minimal fixture page, its JSON dump, failures and their exit codes,
// and the message when there is no page library.
#include "fixture_support.h"

#include "platform/shell.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Result {
    int code = -1;
    std::string err;
};

class ScenarioProcess : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::string Path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }

    void Write(const std::string& name, const std::string& text) const
    {
        QFile file(QString::fromStdString(Path(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.c_str());
    }

    Result Run(QStringList args, bool withFixture = true) const
    {
        if (withFixture)
            args << "--module" << QString::fromStdString(apptest::FixturePath("fixture_page"));
        args << "--config-dir" << QString::fromStdString(Path("config"));
        QProcess process;
        process.setWorkingDirectory(QString::fromStdString(plat::GetMainExecutableFolder()));
        process.start(QString::fromStdString(plat::GetMainExecutableFolder() + "quarn"), args);
        Result r;
        // The tour at density 2.5 on a busy machine takes about a minute.
        if (!process.waitForFinished(240000)) {
            process.kill();
            process.waitForFinished();
            r.err = "quarn did not finish";
            return r;
        }
        r.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        r.err = process.readAllStandardError().toStdString();
        return r;
    }

    Result RunScript(const std::string& script)
    {
        Write("s.txt", script);
        return Run({"--script", QString::fromStdString(Path("s.txt")), "--screenshots",
                    QString::fromStdString(Path("shots")), "--size", "800x600"});
    }

    QJsonObject ReadJson(const std::string& name) const
    {
        QFile file(QString::fromStdString(Path(name)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    QTemporaryDir dir;
};

TEST_F(ScenarioProcess, ScriptDrivesTheFixturePageAndDumpsWhatHappened)
{
    const Result r = RunScript("# clicks reach the page, its Notify comes back as Update\n"
                               "expect host.pages[0].name Monitor\n"
                               "expect host.pages.# 2\n"
                               "expect host.currentPage 0\n"
                               "click 20 30\n"
                               "expect host.notifications[mask=0x4000].# 1\n"
                               "expect host.updates[mask=0x4000][0].page 0\n"
                               "expect host.updates[mask=0x8000][0].page 0\n"
                               "click @CFixturePane:control:1\n"
                               "expect host.notifications[mask=0x10000].# 1\n"
                               "expect windows[0].children[0].controls[0].text Refresh\n"
                               "resize 900 700\n"
                               "screenshot page\n"
                               "dump "
                               + Path("mid.json")
                               + "\n"
                                 "key tab ctrl\n"
                                 "expect host.currentPage 1\n"
                                 "expect host.pages[1].shown true\n");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("shots/page.png"))));
    const QJsonObject mid = ReadJson("mid.json");
    EXPECT_EQ(mid["window"].toObject()["width"].toInt(), 900);
    const QJsonArray area = mid["window"].toObject()["pageArea"].toArray();
    const QJsonArray windows = mid["windows"].toArray();
    ASSERT_EQ(windows.size(), 2) << "the fixture page's window and the summary page";
    const QJsonObject page = windows[0].toObject();
    EXPECT_EQ(page["class"].toString(), "CFixtureWindow");
    EXPECT_EQ(page["id"].toInt(), 211);
    EXPECT_EQ(page["rect"].toArray(), area) << "the page was moved onto the resized area";
    EXPECT_TRUE(page["text"].toString().startsWith("updates ")) << "the page saw its updates";
    const QJsonObject pane = page["children"].toArray()[0].toObject();
    EXPECT_EQ(pane["class"].toString(), "CFixturePane");
    EXPECT_EQ(pane["rect"].toArray(), (QJsonArray{200, 100, 400, 200}));
    bool drewButton = false;
    for (const QJsonValue op : pane["drawing"].toArray())
        drewButton |= op.toObject()["text"].toString() == "Refresh";
    EXPECT_TRUE(drewButton) << "the pane's recorded drawing is in the dump";
    EXPECT_EQ(windows[1].toObject()["class"].toString(), "CSummaryPage");
    EXPECT_TRUE(mid["calls"].isArray());
    EXPECT_TRUE(mid["project"].toObject().contains("modified"));
    EXPECT_FALSE(mid["monitoring"].toBool());
}

TEST_F(ScenarioProcess, WithinDialogDrivesTheNextDialogAndAFailureInsideFailsTheCommand)
{
    Result r = RunScript("within dialog 2\n"
                         "  click @CFixtureAskDlg:control:1\n"
                         "  type 7x5\n"                        // the number edit refuses the letter
                         "  click @CFixtureAskDlg:control:3\n" // a click moves the focus
                         "  type 4\n"
                         "  screenshot ask\n"
                         "  click @CFixtureAskDlg:control:2\n"
                         "end\n"
                         "click @CFixturePane:control:2\n"
                         "expect host.notifications[mask=0x40][0].words[0] 75\n"
                         "expect host.notifications[mask=0x40][0].words[1] 4\n");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("shots/ask.png"))));

    r = RunScript("within dialog 2\n"
                  "  click @CFixtureAskDlg:control:9\n"
                  "end\n"
                  "click @CFixturePane:control:2\n");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("line 2:"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("has no control 9"), std::string::npos) << r.err;
}

TEST_F(ScenarioProcess, MonitoringRoundsAndFaultsReachThePage)
{
    const std::string sample = plat::GetMainExecutableFolder() + "Projects/sample.json";
    Write("s.txt",
          "monitor start\n"
          "expect monitoring true\n"
          "fault temperature 0 0 0\n"
          "round 2\n"
          "fault offline 1\n"
          "round\n"
          "clear offline 1\n"
          "clear temperature 0 0 0\n"
          "monitor stop\n"
          "expect monitoring false\n"
          "dump "
              + Path("rounds.json") + "\n");
    const Result r
        = Run({"--project", QString::fromStdString(sample), "--script", QString::fromStdString(Path("s.txt"))});
    ASSERT_EQ(r.code, 0) << r.err;
    const QJsonObject dump = ReadJson("rounds.json");
    int fullRefreshes = 0;
    for (const QJsonValue n : dump["host"].toObject()["notifications"].toArray())
        fullRefreshes += n.toObject()["mask"].toInt() == -1;
    EXPECT_GE(fullRefreshes, 2) << "each round reached the page, which asked for a full refresh";
    // The host's own calls into the services stay out of the page's call log.
    for (const QJsonValue call : dump["calls"].toArray())
        EXPECT_NE(call.toObject()["operation"].toString(), "IMonitorLogic::StartMonitor");
}

TEST_F(ScenarioProcess, ALogThatCannotBeWrittenIsToldOnceAndMonitoringGoesOn)
{
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(Path("config"))));
    Write("config/MonitoringRecord", "a file where the log folder would go");
    Write("s.txt",
          "monitor start\n"
          "round 3\n"
          "wait-events\n"
          "expect monitoring true\n"
          "expect window.notices.# 1\n"
          "monitor stop\n");
    const Result r = Run({"--project", "Projects/sample.json", "--script", QString::fromStdString(Path("s.txt"))});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("monitoring: the monitoring log cannot be written"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("monitoring: the monitoring log cannot be written"),
              r.err.rfind("monitoring: the monitoring log cannot be written"))
        << "said once: " << r.err;
}

// A scenario that cannot go on fails at its line with exit code 1, and a
// refused script runs nothing, not even the screenshot before the fault.
TEST_F(ScenarioProcess, ScenariosThatCannotGoOnFailAtTheirLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"screenshot never\nfly away\n", "line 2: fly: unknown command \"fly\""},
        {"fault fan 99 0\n", "line 1: fault fan 99 0: the hardware has no sender 99 port 0 for the fault fan"},
        {"expect host.currentPage 0\nexpect host.currentPage 5\nscreenshot never\n",
         "scenario failed: line 2: expect host.currentPage 5: expected 5, found 0"},
        {"expect host.currentPage 0 within 100\nexpect host.currentPage 5 within 100\n",
         "line 2: expect host.currentPage 5 within 100: expected 5, found 0 after 100 ms"},
        {"key o ctrl\n", "line 1: key o ctrl: the file dialog \"Open project\" was shown with no answer queued"},
        {"answer msgbox 1\nwithin dialog 1\n  key escape\nend\nwait-events\n",
         "the script ended with answers no window took (1 dialog, 1 message box)"},
    };
    for (const auto& [script, message] : cases) {
        const Result r = RunScript(script);
        EXPECT_EQ(r.code, 1) << script;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("shots/never.png")))) << script;
    }
}

TEST_F(ScenarioProcess, OpeningABadFileShowsTheReasonAndKeepsTheProject)
{
    Write("bad.json", "{ \"senders\": [");
    const std::string sample = plat::GetMainExecutableFolder() + "Projects/sample.json";
    Write("s.txt",
          "expect project.path \"" + sample
              + "\"\n"
                "answer file "
              + Path("bad.json")
              + "\n"
                "answer msgbox 1\n"
                "key o ctrl\n"
                "expect modals[kind=msgbox].# 1\n"
                "expect modals[kind=msgbox][0].result 1\n"
                "expect project.path \""
              + sample
              + "\"\n"
                "dump "
              + Path("after.json") + "\n");
    const Result r
        = Run({"--project", QString::fromStdString(sample), "--script", QString::fromStdString(Path("s.txt"))});
    ASSERT_EQ(r.code, 0) << r.err;
    const QJsonObject dump = ReadJson("after.json");
    const QString text = dump["modals"].toArray()[0].toObject()["text"].toString();
    EXPECT_TRUE(text.contains(QString::fromStdString(Path("bad.json")))) << text.toStdString();
    EXPECT_GT(dump["project"].toObject()["senders"].toArray().size(), 0);
}

TEST_F(ScenarioProcess, SaveAsTakesTheNewFileAndAFailedSaveSaysWhyAndKeepsIt)
{
    const std::string copy = Path("copy.json");
    const std::string nowhere = Path("missing-folder/x.json");
    Write("s.txt",
          "open Projects/sample.json\n"
          "answer file "
              + copy
              + "\n"
                "key s ctrl shift\n"
                "expect project.path \""
              + copy
              + "\"\n"
                "expect project.modified false\n"
                "answer file "
              + nowhere
              + "\n"
                "answer msgbox 1\n"
                "key s ctrl shift\n"
                "expect modals[kind=msgbox].# 1\n"
                "expect project.path \""
              + copy
              + "\"\n"
                "key s ctrl\n"
                "expect modals[kind=msgbox].# 1\n");
    const Result r = Run({"--script", QString::fromStdString(Path("s.txt"))});
    ASSERT_EQ(r.code, 0) << r.err;
    QFile saved(QString::fromStdString(copy));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Sample installation"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(nowhere)));
}

// Without a page to show, or with arguments it cannot use, the program
// says why and exits with 2.
TEST_F(ScenarioProcess, NoPageOrBadArgumentsExitWithTwo)
{
    const std::string missing = plat::GetMainExecutableFolder() + "fixtures/libMonitor.so";
    const std::pair<QStringList, std::string> cases[] = {
        {{"--tour", "--module", QString::fromStdString(missing)}, "quarn: no module found at " + missing},
        {{"--tour", "--module", QString::fromStdString(apptest::FixturePath("fixture_zero_entry"))},
         "answered 0: the page could not be created"},
        {{"--size", "tiny"}, "--size tiny: expected WIDTHxHEIGHT"},
    };
    for (const auto& [args, message] : cases) {
        const Result r = Run(args, false);
        EXPECT_EQ(r.code, 2) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

// The tour on the page library: the window and the screen grow with the
// density, so every pane stays within reach of the tour's input.
class TourAtDensity : public ScenarioProcess, public ::testing::WithParamInterface<const char*> {};

TEST_P(TourAtDensity, TheTourRunsOnThePageLibraryWithEveryTextItAsksFor)
{
    const Result r = Run({"--project", "Projects/sample.json", "--tour", "--density", GetParam(), "--screenshots",
                          QString::fromStdString(Path("tour")), "--dump", QString::fromStdString(Path("tour.json"))},
                         false);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_GE(QDir(QString::fromStdString(Path("tour"))).entryList({"*.png"}).size(), 10);
    const QJsonObject dump = ReadJson("tour.json");
    ASSERT_TRUE(dump["missingTexts"].isArray());
    EXPECT_TRUE(dump["missingTexts"].toArray().isEmpty())
        << QJsonDocument(dump["missingTexts"].toArray()).toJson().toStdString();
}

// At 1.5 and 2.5 the tour takes about 1.7 and 3.2 times as long as at 1
// (10 s in a release build); under the sanitizers it runs at 1 only.
#ifdef __SANITIZE_ADDRESS__
INSTANTIATE_TEST_SUITE_P(Densities, TourAtDensity, ::testing::Values("1"));
#else
INSTANTIATE_TEST_SUITE_P(Densities, TourAtDensity, ::testing::Values("1", "1.5", "2.5"));
#endif

} // namespace

TEST_F(ScenarioProcess, ARefusedProgressLeavesMonitoringRunningOnThePageLibrary)
{
    Write("s.txt",
          "monitor start\nround\n"
          "answer progress -1\nclick @CToolBarDlg:bar:8\n"
          "expect monitoring true\n"
          "expect calls[operation=IMonitorLogic::StopMonitor].# 0\n"
          "answer progress 0 detecting\nclick @CToolBarDlg:bar:8\n"
          "expect monitoring false\n");
    const Result r = Run({"--project", "Projects/sample.json", "--script", QString::fromStdString(Path("s.txt")),
                          "--screenshots", QString::fromStdString(Path("shots"))},
                         false);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("shots/detecting.png"))));
}

// Save to card on the page library: the host's question answered No shows
// nothing more; a save the cards take, and one a card refuses, each say so.
TEST_F(ScenarioProcess, SaveToCardSaysSavedOrFailedAndNothingWhenCancelled)
{
    Write("s.txt",
          "click @CSenderInfoTree:item:5\n"
          "answer msgbox 7\nclick @CToolBarDlg:bar:5\n"
          "expect modals.# 1\n"
          "answer msgbox 6\nanswer msgbox 1\nclick @CToolBarDlg:bar:5\n"
          "expect modals[-1].text \"The project was saved.\"\n"
          "fault cardwrite 1\n"
          "answer msgbox 6\nanswer msgbox 1\nclick @CToolBarDlg:bar:5\n"
          "expect modals[-1].text \"The project could not be saved.\"\n"
          "expect modals.# 5\n");
    const Result r
        = Run({"--project", "Projects/sample.json", "--script", QString::fromStdString(Path("s.txt"))}, false);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("the card refused the project: Main Wall Backup"), std::string::npos) << r.err;
}
