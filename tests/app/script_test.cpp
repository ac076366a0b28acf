// The scenario language: every command's form, the refusals with their
// line numbers, words, quotes and comments.
#include "key_names.h"
#include "script.h"
#include "tour.h"

#include <Qt>

#include <gtest/gtest.h>

#include <map>
#include <sstream>

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

std::string Where(const app::SWhere& w)
{
    static const char* const kinds[] = {"", "window ", "control ", "bar ", "drawn ", "fill ", "item "};
    if (w.kind == app::SWhere::EKind::Point)
        return std::to_string(w.pt.x) + "," + std::to_string(w.pt.y);
    return kinds[static_cast<int>(w.kind)] + w.windowClass + (w.piece.empty() ? "" : " " + w.piece)
        + (w.index ? " " + std::to_string(w.index) : "");
}

// What a command holds besides its verb, in one line; defaults left out.
std::string Describe(const SScriptCommand& c)
{
    using K = app::SExpectValue::EKind;
    static const char* const kinds[] = {"string", "number", "bool", "null"};
    std::ostringstream s;
    if (!c.text.empty())
        s << " '" << c.text << "'";
    for (const int n : c.numbers)
        s << " " << n;
    if (c.where.kind != app::SWhere::EKind::Point || c.where.pt != CPoint())
        s << " at " << Where(c.where);
    if (c.to)
        s << " to " << Where(*c.to);
    for (const auto& [bit, name] : {std::pair{app::ModCtrl, " ctrl"}, {app::ModShift, " shift"}, {app::ModAlt, " alt"}})
        s << (c.modifiers & bit ? name : "");
    s << (c.on ? " on" : "") << (c.rate ? " rate " : "") << (c.rate ? std::to_string(c.rate) : "");
    if (c.verb == EVerb::Expect) {
        const auto& e = c.expected;
        s << " " << kinds[static_cast<int>(e.kind)]
          << (e.kind == K::String       ? " " + e.text
                  : e.kind == K::Number ? " " + std::to_string(e.number)
                  : e.kind == K::Bool   ? (e.boolean ? " true" : " false")
                                        : "");
    }
    for (const SScriptCommand& inner : c.block)
        s << " {" << inner.line << " " << Describe(inner) << "}";
    return s.str().empty() ? "" : s.str().substr(1);
}

TEST(ScriptParse, EveryCommandsFormWithCommentsBlankLinesAndAByteOrderMarkKeepingLineNumbers)
{
    const auto c = Parse("\xEF\xBB\xBF# tour\n\n  open p.json  # sample\nmonitor start\r\nround\nround 5\n");
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(std::tuple(c[0].verb, c[0].line, c[3].verb, c[3].line), std::tuple(EVerb::Open, 3, EVerb::Round, 6));
    EXPECT_EQ(Parse("\xEF\xBB\xBFmonitor start\n")[0].verb, EVerb::Monitor) << "the mark before the first command";
    EXPECT_NE(Refusal("round\n\xEF\xBB\xBFround\n").find("line 2"), std::string::npos) << "only at the start";
    const struct {
        const char* text;
        EVerb verb;
        const char* fields;
    } cases[] = {
        {"open  \"My Projects/a b.json\"\t# the sample", EVerb::Open, "'My Projects/a b.json'"},
        {"monitor start", EVerb::Monitor, "on"},
        {"monitor stop", EVerb::Monitor, ""},
        {"round", EVerb::Round, "1"},
        {"round 5", EVerb::Round, "5"},
        {"click 10 20 ctrl shift", EVerb::Click, "at 10,20 ctrl shift"},
        {"rclick @CMainViewDlg", EVerb::RClick, "at window CMainViewDlg"},
        {"dclick @CToolBarDlg:bar:7", EVerb::DClick, "at bar CToolBarDlg 7"},
        {"wheel 5 6 -240 ctrl", EVerb::Wheel, "-240 at 5,6 ctrl"},
        {"hover @CTargetSelectDlg:control:3", EVerb::Hover, "at control CTargetSelectDlg 3"},
        {"move -1 0", EVerb::Move, "at -1,0"},
        {"drag @CMainViewDlg -200 30 shift", EVerb::Drag, "-200 30 at window CMainViewDlg shift"},
        {"dclick @CMainViewDlg:drawn:PortFrame/:3", EVerb::DClick, "at drawn CMainViewDlg PortFrame/ 3"},
        {"click @CMainViewDlg:drawn:Lobby", EVerb::Click, "at drawn CMainViewDlg Lobby"},
        {"hover @CMainViewDlg:fill:warning:1", EVerb::Hover, "at fill CMainViewDlg warning 1"},
        {"drag @CSenderInfoTree:item:2 to @CSenderInfoTree:item:7", EVerb::Drag,
         "at item CSenderInfoTree 2 to item CSenderInfoTree 7"},
        {"fault temperature 0 1 2", EVerb::Fault, "'temperature' 0 1 2"},
        {"clear offline 3", EVerb::Clear, "'offline' 3"},
        {"signal 3 1 1920 1080 59.94", EVerb::Signal, "3 1 1920 1080 rate 59.940000"},
        {"signal 3 0 none", EVerb::Signal, "'none' 3 0"},
        {"signal 0 2 reset", EVerb::Signal, "'reset' 0 2"},
        {"answer msgbox 6", EVerb::AnswerMsgBox, "6"},
        {"answer menu 1202", EVerb::AnswerMenu, "1202"},
        {"answer dialog 1 settings", EVerb::AnswerDialog, "'settings' 1"},
        {"answer file cancel", EVerb::AnswerFile, "'cancel'"},
        {"answer file \"a b.json\"", EVerb::AnswerFile, "'a b.json' on"},
        {"key tab ctrl", EVerb::Key, "'tab' ctrl"},
        {"wait-events", EVerb::WaitEvents, ""},
        {"wait 250", EVerb::Wait, "250"},
        {"resize 1024 768", EVerb::Resize, "1024 768"},
        {"screenshot start", EVerb::Screenshot, "'start'"},
        {"dump out.json", EVerb::Dump, "'out.json'"},
        {"save", EVerb::Save, ""},
        {"expect a 0x4000", EVerb::Expect, "'a' number 16384.000000"},
        {"expect a 0xFFFFFFFF", EVerb::Expect, "'a' number -1.000000"}, // all 32 bits: the mask -1
        {"expect a -2.5 within 2000", EVerb::Expect, "'a' 2000 number -2.500000"},
        {"expect a true", EVerb::Expect, "'a' bool true"},
        {"expect a null", EVerb::Expect, "'a' null"},
        {"expect a \"12\"", EVerb::Expect, "'a' string 12"},
        {"expect a Monitor", EVerb::Expect, "'a' string Monitor"},
        {R"(expect x "say \"hi\" # not a comment" # one)", EVerb::Expect, R"('x' string say "hi" # not a comment)"},
        {"within dialog 2\n click @D:control:26\n type \"75 C\"\n within dialog 1\n  screenshot in\n end\nend",
         EVerb::WithinDialog, "2 {2 at control D 26} {3 '75 C'} {4 1 {5 'in'}}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto commands = Parse(c.text);
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_EQ(commands[0].verb, c.verb);
        EXPECT_EQ(Describe(commands[0]), c.fields);
    }
}

TEST(ScriptParse, RefusalsNameTheLineAndTheFault)
{
    const std::pair<const char*, const char*> cases[] = {
        {"round\nfly 1 2", "line 2: fly: unknown command \"fly\""},
        {"click 10", "line 1: click: expected y"},
        {"click 10 x", "line 1: click: expected y, found \"x\""},
        {"click 1 2 meta", "line 1: click: unknown modifier \"meta\" (ctrl, shift, alt)"},
        {"click @", "line 1: click: expected a window class after @"},
        {"click @A:knob:1",
         "line 1: click: expected @Class:control:N, @Class:bar:N, @Class:drawn:PIECE, "
         "@Class:fill:NAME or @Class:item:N, found @A:knob:1"},
        {"click @A:fill:pink", "line 1: click: unknown fill \"pink\" (normal, warning, offline)"},
        {"drag @A to", "line 1: drag: expected x y or @Window"},
        {"expect a 1 within", "line 1: expect: expected milliseconds"},
        {"expect a 1 within 70000", "line 1: expect: expected 0 to 60000 milliseconds"},
        {"click @A:bar:x", "line 1: click: expected an index after @A:bar:"},
        {"monitor pause", "line 1: monitor: expected start or stop, found \"pause\""},
        {"round 0", "line 1: round: expected 1 to 10000 rounds"},
        {"open", "line 1: open: expected a project file"},
        {"open a b", "line 1: open: unexpected \"b\""},
        {"key hyper", "line 1: key: unknown key \"hyper\""},
        {"answer phone 1", "line 1: answer: expected msgbox, menu, dialog, progress or file, found \"phone\""},
        {"answer progress 1", "line 1: answer: a progress answers 0 (run) or -1 (refuse), not 1"},
        {"answer msgbox", "line 1: answer: expected an answer"},
        {"expect a.b", "line 1: expect: expected a value after the path"},
        {"screenshot a/b", "line 1: screenshot: a screenshot name is a file name without folders"},
        {"resize 0 50", "line 1: resize: expected a width and height from 1 to 10000"},
        {"wait 99999", "line 1: wait: expected 0 to 60000 milliseconds"},
        {"fault temperature", "line 1: fault: expected a sender index"},
        {"fault fan 0 1 2 3", "line 1: fault: unexpected \"3\""},
        {"open \"x", "line 1: unterminated quote"},
        {"type\n", "line 1: type: expected a text"},
        {"round\nend\n", "line 2: end: no within to end"},
        {"within dialog 2\nround\n", "line 1: within: no end"},
        {"within dialog 2\nend now\n", "line 2: end: unexpected \"now\""},
        {"within menu 2\nend\n", "line 1: within: expected dialog, found \"menu\""},
        {"within dialog\nend\n", "line 1: within: expected an answer"},
    };
    for (const auto& [script, message] : cases)
        EXPECT_EQ(Refusal(script), message);
    EXPECT_EQ(Refusal("fault 1 2 3 4 5").rfind("line 1: fault: unknown fault \"1\" (temperature, ", 0), 0u);
    for (const char* bad :
         {"signal 3 1 1920 1080 59,94", "signal 3 1 0 1080 60", "signal 3 1 1920 1080 0", "signal 3 1"})
        EXPECT_NE(Refusal(bad).find("line 1: signal: expected"), std::string::npos) << bad;
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

TEST(Tour, ParsesInjectsEveryFaultKindAndClearsAndStopsWhatItStarts)
{
    const auto c = Parse(app::TourScript());
    std::map<std::string, int> faults, clears, monitor;
    for (const auto& command : c) {
        if (command.verb == EVerb::Fault || command.verb == EVerb::Clear)
            ++(command.verb == EVerb::Fault ? faults : clears)[command.text];
        monitor[command.on ? "start" : "stop"] += command.verb == EVerb::Monitor;
    }
    for (const char* kind : {"temperature", "fan", "offline", "novideo", "loopback"})
        EXPECT_GE(faults[kind], 1) << kind;
    EXPECT_EQ(faults, clears);
    EXPECT_GE(monitor["start"], 1);
    EXPECT_EQ(monitor["start"], monitor["stop"]);
    EXPECT_EQ(std::tuple(c.front().verb, c.back().verb), std::tuple(EVerb::Open, EVerb::Screenshot));
}

} // namespace
