// The scenario language: every command's form, the refusals with their
// line numbers, words, quotes and comments.
#include "key_names.h"
#include "script.h"
#include "tour.h"

#include <Qt>

#include <gtest/gtest.h>

#include <map>

namespace {

using app::EVerb;
using app::SScriptCommand;

std::vector<SScriptCommand> Parse(const std::string& text)
{
    std::vector<SScriptCommand> commands;
    std::string error;
    EXPECT_TRUE(app::ParseScript(text, commands, error)) << error;
    return commands;
}

std::string Refusal(const std::string& text)
{
    std::vector<SScriptCommand> commands;
    std::string error;
    EXPECT_FALSE(app::ParseScript(text, commands, error)) << text;
    return error;
}

TEST(ScriptWords, BlanksSeparateQuotesGroupHashEndsTheLine)
{
    std::vector<app::SWord> words;
    std::string error;
    ASSERT_TRUE(app::SplitWords("open  \"My Projects/a b.json\"\t# the sample", words, error));
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[1].text, "My Projects/a b.json");
    EXPECT_TRUE(words[1].quoted);
    ASSERT_TRUE(app::SplitWords(R"(expect x "say \"hi\" # not a comment")", words, error));
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[2].text, "say \"hi\" # not a comment");
    EXPECT_FALSE(app::SplitWords("open \"unterminated", words, error));
    EXPECT_EQ(error, "unterminated quote");
}

TEST(ScriptParse, CommentsAndBlankLinesKeepLineNumbers)
{
    const auto c = Parse("# tour\n\n  open p.json  # sample\nmonitor start\r\nround\nround 5\n");
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0].verb, EVerb::Open);
    EXPECT_EQ(c[0].text, "p.json");
    EXPECT_EQ(c[0].line, 3);
    EXPECT_EQ(c[1].verb, EVerb::Monitor);
    EXPECT_TRUE(c[1].on);
    EXPECT_EQ(c[2].numbers, std::vector<int>{1});
    EXPECT_EQ(c[3].numbers, std::vector<int>{5});
    EXPECT_EQ(c[3].line, 6);
}

TEST(ScriptParse, AByteOrderMarkBeforeTheFirstCommandIsSkipped)
{
    const auto c = Parse("\xEF\xBB\xBFmonitor start\nround\n");
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].verb, EVerb::Monitor);
    EXPECT_EQ(c[0].line, 1);
    EXPECT_NE(Refusal("round\n\xEF\xBB\xBFround\n").find("line 2"), std::string::npos) << "only at the start";
}

TEST(ScriptParse, MouseCommandsTakePointsOrTargetsAndModifiers)
{
    const auto c = Parse("click 10 20 ctrl shift\nrclick @CMainViewDlg\ndclick @CToolBarDlg:bar:7\n"
                         "wheel 5 6 -240 ctrl\nhover @CTargetSelectDlg:control:3\nmove -1 0\n"
                         "drag @CMainViewDlg -200 30 shift");
    ASSERT_EQ(c.size(), 7u);
    EXPECT_EQ(c[6].verb, EVerb::Drag);
    EXPECT_EQ(c[6].numbers, (std::vector<int>{-200, 30}));
    EXPECT_EQ(c[6].modifiers, unsigned(app::ModShift));
    EXPECT_EQ(c[0].where.kind, app::SWhere::EKind::Point);
    EXPECT_EQ(c[0].where.pt, CPoint(10, 20));
    EXPECT_EQ(c[0].modifiers, unsigned(app::ModCtrl | app::ModShift));
    EXPECT_EQ(c[1].where.kind, app::SWhere::EKind::Window);
    EXPECT_EQ(c[1].where.windowClass, "CMainViewDlg");
    EXPECT_EQ(c[2].verb, EVerb::DClick);
    EXPECT_EQ(c[2].where.kind, app::SWhere::EKind::BarItem);
    EXPECT_EQ(c[2].where.index, 7);
    EXPECT_EQ(c[3].numbers, std::vector<int>{-240});
    EXPECT_EQ(c[3].modifiers, unsigned(app::ModCtrl));
    EXPECT_EQ(c[4].where.kind, app::SWhere::EKind::Control);
    EXPECT_EQ(c[4].where.index, 3);
    EXPECT_EQ(c[5].where.pt, CPoint(-1, 0));
    const auto drawn = Parse("dclick @CMainViewDlg:drawn:PortFrame/:3\nclick @CMainViewDlg:drawn:Lobby");
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].where.kind, app::SWhere::EKind::Drawn);
    EXPECT_EQ(drawn[0].where.piece, "PortFrame/");
    EXPECT_EQ(drawn[0].where.index, 3);
    EXPECT_EQ(drawn[1].where.piece, "Lobby");
    EXPECT_EQ(drawn[1].where.index, 0);
    // Targets that hold at every density: a fill of the skin, a drag onto another target.
    const auto fill = Parse("hover @CMainViewDlg:fill:warning:1\n"
                            "drag @CSenderInfoTree:item:2 to @CSenderInfoTree:item:7");
    ASSERT_EQ(fill.size(), 2u);
    EXPECT_EQ(fill[0].where.kind, app::SWhere::EKind::Fill);
    EXPECT_EQ(fill[0].where.piece, "warning");
    EXPECT_EQ(fill[0].where.index, 1);
    EXPECT_FALSE(fill[0].to);
    ASSERT_TRUE(fill[1].to);
    EXPECT_EQ(fill[1].where.index, 2);
    EXPECT_EQ(fill[1].to->kind, app::SWhere::EKind::TreeItem);
    EXPECT_EQ(fill[1].to->index, 7);
    EXPECT_TRUE(fill[1].numbers.empty());
}

TEST(ScriptParse, FaultsAnswersKeysAndTheRest)
{
    const auto c = Parse("fault temperature 0 1 2\nclear offline 3\nanswer msgbox 6\nanswer menu 1202\n"
                         "answer dialog 1 settings\nanswer file cancel\nanswer file \"a b.json\"\nkey tab ctrl\n"
                         "key F5\nwait-events\nwait 250\nresize 1024 768\nscreenshot start\ndump out.json\nsave\n"
                         "monitor stop");
    ASSERT_EQ(c.size(), 16u);
    EXPECT_EQ(c[0].verb, EVerb::Fault);
    EXPECT_EQ(c[0].text, "temperature");
    EXPECT_EQ(c[0].numbers, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(c[1].verb, EVerb::Clear);
    EXPECT_EQ(c[1].numbers, std::vector<int>{3});
    EXPECT_EQ(c[2].verb, EVerb::AnswerMsgBox);
    EXPECT_EQ(c[3].numbers, std::vector<int>{1202});
    EXPECT_EQ(c[4].verb, EVerb::AnswerDialog);
    EXPECT_EQ(c[4].text, "settings");
    EXPECT_EQ(c[5].verb, EVerb::AnswerFile);
    EXPECT_FALSE(c[5].on);
    EXPECT_TRUE(c[6].on);
    EXPECT_EQ(c[6].text, "a b.json");
    EXPECT_EQ(c[7].modifiers, unsigned(app::ModCtrl));
    EXPECT_EQ(app::QtKeyFromName(c[8].text), Qt::Key_F5);
    EXPECT_EQ(c[10].numbers, std::vector<int>{250});
    EXPECT_EQ(c[11].numbers, (std::vector<int>{1024, 768}));
    EXPECT_EQ(c[14].verb, EVerb::Save);
    EXPECT_TRUE(c[14].text.empty());
    EXPECT_FALSE(c[15].on);
}

TEST(ScriptParse, VideoSignalsTakeAFormatNoneOrReset)
{
    const auto c = Parse("signal 3 1 1920 1080 59.94\nsignal 3 0 none\nsignal 0 2 reset");
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0].verb, EVerb::Signal);
    EXPECT_EQ(c[0].numbers, (std::vector<int>{3, 1, 1920, 1080}));
    EXPECT_EQ(c[0].rate, 59.94);
    EXPECT_EQ(c[1].numbers, (std::vector<int>{3, 0}));
    EXPECT_EQ(c[1].text, "none");
    EXPECT_EQ(c[2].text, "reset");
    for (const char* bad :
         {"signal 3 1 1920 1080 59,94", "signal 3 1 0 1080 60", "signal 3 1 1920 1080 0", "signal 3 1"})
        EXPECT_NE(Refusal(bad).find("line 1: signal: expected"), std::string::npos) << bad;
}

TEST(ScriptParse, ExpectValuesAreTypedByHowTheyAreWritten)
{
    const auto c = Parse("expect a 0x4000\nexpect a 0xFFFFFFFF\nexpect a -2.5\nexpect a true\nexpect a null\n"
                         "expect a \"12\"\nexpect a Monitor");
    ASSERT_EQ(c.size(), 7u);
    using K = app::SExpectValue::EKind;
    EXPECT_EQ(c[0].expected.kind, K::Number);
    EXPECT_EQ(c[0].expected.number, 0x4000);
    EXPECT_EQ(c[1].expected.number, -1) << "all 32 bits written in hexadecimal are the mask -1";
    EXPECT_EQ(c[2].expected.number, -2.5);
    EXPECT_EQ(c[3].expected.kind, K::Bool);
    EXPECT_TRUE(c[3].expected.boolean);
    EXPECT_EQ(c[4].expected.kind, K::Null);
    EXPECT_EQ(c[5].expected.kind, K::String);
    EXPECT_EQ(c[5].expected.text, "12");
    EXPECT_EQ(c[6].expected.kind, K::String);
    EXPECT_TRUE(c[6].numbers.empty());
    EXPECT_EQ(Parse("expect a true within 2000")[0].numbers, std::vector<int>{2000}) << "how long it may take";
}

TEST(ScriptParse, RefusalsNameTheLineAndTheFault)
{
    EXPECT_EQ(Refusal("round\nfly 1 2"), "line 2: fly: unknown command \"fly\"");
    EXPECT_EQ(Refusal("click 10"), "line 1: click: expected y");
    EXPECT_EQ(Refusal("click 10 x"), "line 1: click: expected y, found \"x\"");
    EXPECT_EQ(Refusal("click 1 2 meta"), "line 1: click: unknown modifier \"meta\" (ctrl, shift, alt)");
    EXPECT_EQ(Refusal("click @"), "line 1: click: expected a window class after @");
    EXPECT_EQ(Refusal("click @A:knob:1"),
              "line 1: click: expected @Class:control:N, @Class:bar:N, @Class:drawn:PIECE, "
              "@Class:fill:NAME or @Class:item:N, found @A:knob:1");
    EXPECT_EQ(Refusal("click @A:fill:pink"), "line 1: click: unknown fill \"pink\" (normal, warning, offline)");
    EXPECT_EQ(Refusal("drag @A to"), "line 1: drag: expected x y or @Window");
    EXPECT_EQ(Refusal("expect a 1 within"), "line 1: expect: expected milliseconds");
    EXPECT_EQ(Refusal("expect a 1 within 70000"), "line 1: expect: expected 0 to 60000 milliseconds");
    EXPECT_EQ(Refusal("click @A:bar:x"), "line 1: click: expected an index after @A:bar:");
    EXPECT_EQ(Refusal("monitor pause"), "line 1: monitor: expected start or stop, found \"pause\"");
    EXPECT_EQ(Refusal("round 0"), "line 1: round: expected 1 to 10000 rounds");
    EXPECT_EQ(Refusal("open"), "line 1: open: expected a project file");
    EXPECT_EQ(Refusal("open a b"), "line 1: open: unexpected \"b\"");
    EXPECT_EQ(Refusal("key hyper"), "line 1: key: unknown key \"hyper\"");
    EXPECT_EQ(Refusal("answer phone 1"),
              "line 1: answer: expected msgbox, menu, dialog, progress or file, found \"phone\"");
    EXPECT_EQ(Refusal("answer progress 1"), "line 1: answer: a progress answers 0 (run) or -1 (refuse), not 1");
    EXPECT_EQ(Refusal("answer msgbox"), "line 1: answer: expected an answer");
    EXPECT_EQ(Refusal("expect a.b"), "line 1: expect: expected a value after the path");
    EXPECT_EQ(Refusal("screenshot a/b"), "line 1: screenshot: a screenshot name is a file name without folders");
    EXPECT_EQ(Refusal("resize 0 50"), "line 1: resize: expected a width and height from 1 to 10000");
    EXPECT_EQ(Refusal("wait 99999"), "line 1: wait: expected 0 to 60000 milliseconds");
    EXPECT_EQ(Refusal("fault temperature"), "line 1: fault: expected a sender index");
    EXPECT_EQ(Refusal("fault 1 2 3 4 5").rfind("line 1: fault: unknown fault \"1\" (temperature, ", 0), 0u);
    EXPECT_EQ(Refusal("fault fan 0 1 2 3"), "line 1: fault: unexpected \"3\"");
    EXPECT_EQ(Refusal("open \"x"), "line 1: unterminated quote");
    EXPECT_EQ(Refusal("type\n"), "line 1: type: expected a text");
    EXPECT_EQ(Refusal("round\nend\n"), "line 2: end: no within to end");
    EXPECT_EQ(Refusal("within dialog 2\nround\n"), "line 1: within: no end");
    EXPECT_EQ(Refusal("within dialog 2\nend now\n"), "line 2: end: unexpected \"now\"");
    EXPECT_EQ(Refusal("within menu 2\nend\n"), "line 1: within: expected dialog, found \"menu\"");
    EXPECT_EQ(Refusal("within dialog\nend\n"), "line 1: within: expected an answer");
}

TEST(KeyNames, LettersDigitsFunctionKeysAndNamedKeys)
{
    const std::pair<const char*, int> keys[] = {{"o", Qt::Key_O},
                                                {"S", Qt::Key_S},
                                                {"7", Qt::Key_7},
                                                {"f1", Qt::Key_F1},
                                                {"F12", Qt::Key_F12},
                                                {"f13", 0},
                                                {"fx", 0},
                                                {"esc", Qt::Key_Escape},
                                                {"Tab", Qt::Key_Tab},
                                                {"!", 0},
                                                {"pagedown", Qt::Key_PageDown}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(app::QtKeyFromName(name), key) << name;
    EXPECT_EQ(app::ModifierFromName("control"), unsigned(app::ModCtrl));
    EXPECT_EQ(app::ModifierFromName("win"), 0u);
}

} // namespace

namespace {

TEST(Tour, ParsesAndWalksThroughEveryStepItPromises)
{
    const auto c = Parse(app::TourScript());
    std::map<std::string, int> faults, clears;
    int screenshots = 0, starts = 0, stops = 0, hovers = 0, zoomIn = 0, zoomOut = 0;
    for (const auto& command : c) {
        switch (command.verb) {
        case EVerb::Fault: ++faults[command.text]; break;
        case EVerb::Clear: ++clears[command.text]; break;
        case EVerb::Screenshot: ++screenshots; break;
        case EVerb::Monitor: (command.on ? starts : stops)++; break;
        case EVerb::Hover: ++hovers; break;
        case EVerb::Wheel: (command.numbers[0] > 0 ? zoomIn : zoomOut) += command.modifiers == app::ModCtrl; break;
        default: break;
        }
    }
    for (const char* kind : {"temperature", "fan", "offline", "novideo", "loopback"})
        EXPECT_GE(faults[kind], 1) << kind;
    for (const auto& [kind, count] : faults)
        EXPECT_EQ(clears[kind], count) << kind << " is injected more often than cleared";
    EXPECT_EQ(c.front().verb, EVerb::Open);
    EXPECT_GE(starts, 1);
    EXPECT_EQ(starts, stops);
    EXPECT_EQ(c.back().verb, EVerb::Screenshot);
    EXPECT_GE(zoomIn, 1);
    EXPECT_GE(zoomOut, 1);
    EXPECT_GE(hovers, 1);
    EXPECT_GE(screenshots, 10);
}

TEST(ScriptParse, WithinDialogHoldsItsCommandsUpToEndAndNests)
{
    const auto c = Parse("within dialog 2\n"
                         "  click @CMainSettingDlg:control:26\n"
                         "  type \"75 C\"\n"
                         "  within dialog 1\n"
                         "    screenshot inner\n"
                         "  end\n"
                         "end\n"
                         "click @CToolBarDlg:bar:6\n");
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].verb, EVerb::WithinDialog);
    EXPECT_EQ(c[0].numbers, std::vector<int>{2});
    ASSERT_EQ(c[0].block.size(), 3u);
    EXPECT_EQ(c[0].block[0].where.windowClass, "CMainSettingDlg");
    EXPECT_EQ(c[0].block[1].verb, EVerb::Type);
    EXPECT_EQ(c[0].block[1].text, "75 C");
    ASSERT_EQ(c[0].block[2].block.size(), 1u);
    EXPECT_EQ(c[0].block[2].block[0].line, 5);
    EXPECT_EQ(c[1].verb, EVerb::Click);
}

} // namespace
