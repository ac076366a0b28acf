#include "script.h"

#include "hardware.h"
#include "key_names.h"

#include "controls/skin.h"
#include "platform/number_text.h"

#include <charconv>
#include <map>
#include <optional>

namespace app {

namespace {

bool ParseInt(const std::string& text, int& value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    int base = 10;
    bool negative = false;
    if (begin != end && *begin == '-') {
        negative = true;
        ++begin;
    }
    if (end - begin > 2 && begin[0] == '0' && (begin[1] == 'x' || begin[1] == 'X')) {
        begin += 2;
        base = 16;
    }
    long long v = 0;
    const auto r = std::from_chars(begin, end, v, base);
    if (r.ec != std::errc() || r.ptr != end || begin == end)
        return false;
    v = negative ? -v : v;
    // Hexadecimal words may name all 32 bits (0xFFFFFFFF is the mask -1).
    if (base == 16 && v > 0x7FFFFFFFLL && v <= 0xFFFFFFFFLL)
        v -= 0x100000000LL;
    if (v < INT32_MIN || v > INT32_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

std::optional<Color> DeviceFill(const std::string& name)
{
    const SSkinColors& colors = CMorvSkin::Instance().GetColors();
    if (name == "normal")
        return colors.clrNormalFill;
    if (name == "warning")
        return colors.clrWarningFill;
    if (name == "offline")
        return colors.clrOfflineFill;
    return std::nullopt;
}

SExpectValue ExpectValueOf(const SWord& word)
{
    SExpectValue v;
    v.text = word.text;
    if (word.quoted)
        return v;
    if (word.text == "true" || word.text == "false") {
        v.kind = SExpectValue::EKind::Bool;
        v.boolean = word.text == "true";
        return v;
    }
    if (word.text == "null") {
        v.kind = SExpectValue::EKind::Null;
        return v;
    }
    int asInt = 0;
    if (ParseInt(word.text, asInt)) {
        v.kind = SExpectValue::EKind::Number;
        v.number = asInt;
        return v;
    }
    double asDouble = 0;
    const char* end = word.text.data() + word.text.size();
    const auto r = std::from_chars(word.text.data(), end, asDouble);
    if (r.ec == std::errc() && r.ptr == end) {
        v.kind = SExpectValue::EKind::Number;
        v.number = asDouble;
    }
    return v;
}

namespace {

// Reads the words of one command; each reader answers an empty string on
// success, else why it failed.
class CReader {
public:
    CReader(const std::vector<SWord>& words, std::size_t from) : m_words(words), m_next(from) {}

    bool AtEnd() const { return m_next >= m_words.size(); }
    std::size_t Left() const { return m_words.size() - m_next; }
    const SWord& Peek() const { return m_words[m_next]; }

    std::string Word(std::string& out, const char* what)
    {
        if (AtEnd())
            return std::string("expected ") + what;
        out = m_words[m_next++].text;
        return {};
    }
    std::string Int(int& out, const char* what)
    {
        if (AtEnd())
            return std::string("expected ") + what;
        const std::string& text = m_words[m_next].text;
        if (!ParseInt(text, out))
            return std::string("expected ") + what + ", found \"" + text + "\"";
        ++m_next;
        return {};
    }
    std::string OptionalInt(std::vector<int>& into, const char* what)
    {
        if (AtEnd())
            return {};
        int v = 0;
        std::string why = Int(v, what);
        if (why.empty())
            into.push_back(v);
        return why;
    }
    std::string Where(SWhere& where)
    {
        if (AtEnd())
            return "expected x y or @Window";
        const std::string& first = m_words[m_next].text;
        if (!first.empty() && first[0] == '@')
            return Target(first.substr(1), where);
        where.kind = SWhere::EKind::Point;
        std::string why = Int(where.pt.x, "x");
        if (why.empty())
            why = Int(where.pt.y, "y");
        return why;
    }
    std::string Modifiers(unsigned& mods)
    {
        while (!AtEnd()) {
            const unsigned m = ModifierFromName(m_words[m_next].text);
            if (!m)
                return "unknown modifier \"" + m_words[m_next].text + "\" (ctrl, shift, alt)";
            mods |= m;
            ++m_next;
        }
        return {};
    }
    std::string End()
    {
        return AtEnd() ? std::string() : "unexpected \"" + m_words[m_next].text + "\"";
    }

private:
    // Class, Class:control:N, Class:bar:N, Class:drawn:PIECE[:N], Class:fill:NAME[:N] or Class:item:N.
    std::string Target(const std::string& spec, SWhere& where)
    {
        ++m_next;
        const auto colon = spec.find(':');
        where.windowClass = spec.substr(0, colon);
        if (where.windowClass.empty())
            return "expected a window class after @";
        if (colon == std::string::npos) {
            where.kind = SWhere::EKind::Window;
            return {};
        }
        const auto second = spec.find(':', colon + 1);
        const std::string part = spec.substr(colon + 1, second == std::string::npos ? std::string::npos : second - colon - 1);
        if (part == "drawn" || part == "fill") {
            where.kind = part == "drawn" ? SWhere::EKind::Drawn : SWhere::EKind::Fill;
            const auto third = second == std::string::npos ? second : spec.find(':', second + 1);
            where.piece = second == std::string::npos ? std::string() : spec.substr(second + 1, third - second - 1);
            if (where.piece.empty())
                return part == "drawn" ? "expected a piece of text or image name after @" + spec
                                       : "expected normal, warning or offline after @" + spec;
            if (where.kind == SWhere::EKind::Fill && !DeviceFill(where.piece))
                return "unknown fill \"" + where.piece + "\" (normal, warning, offline)";
            if (third != std::string::npos && !ParseInt(spec.substr(third + 1), where.index))
                return "expected an index after @" + spec.substr(0, third) + ":";
            return {};
        }
        if (part == "control")
            where.kind = SWhere::EKind::Control;
        else if (part == "bar")
            where.kind = SWhere::EKind::BarItem;
        else if (part == "item")
            where.kind = SWhere::EKind::TreeItem;
        else
            return "expected @Class:control:N, @Class:bar:N, @Class:drawn:PIECE, @Class:fill:NAME or @Class:item:N, found @"
                + spec;
        if (second == std::string::npos || !ParseInt(spec.substr(second + 1), where.index))
            return "expected an index after @" + spec.substr(0, second == std::string::npos ? spec.size() : second) + ":";
        return {};
    }

    const std::vector<SWord>& m_words;
    std::size_t m_next;
};

using Parser = std::string (*)(CReader&, SScriptCommand&);

std::string ParseFault(CReader& r, SScriptCommand& c)
{
    std::string why = r.Word(c.text, "a fault kind");
    if (!why.empty())
        return why;
    if (!IsFaultKind(c.text)) {
        std::string kinds;
        for (const auto& k : FaultKinds())
            kinds += (kinds.empty() ? "" : ", ") + k;
        return "unknown fault \"" + c.text + "\" (" + kinds + ")";
    }
    int sender = 0;
    if (!(why = r.Int(sender, "a sender index")).empty())
        return why;
    c.numbers.push_back(sender);
    for (const char* what : {"a port index", "a receiver index"}) {
        if (!(why = r.OptionalInt(c.numbers, what)).empty())
            return why;
    }
    return r.End();
}

// signal <sender> <input> (<width> <height> <rate> | none | reset)
std::string ParseSignal(CReader& r, SScriptCommand& c)
{
    int sender = 0, input = 0;
    std::string why = r.Int(sender, "a sender index");
    if (why.empty())
        why = r.Int(input, "an input index");
    if (!why.empty())
        return why;
    c.numbers = {sender, input};
    if (r.AtEnd())
        return "expected a width, none or reset";
    if (r.Peek().text == "none" || r.Peek().text == "reset") {
        r.Word(c.text, "");
        return r.End();
    }
    int width = 0, height = 0;
    std::string rate;
    why = r.Int(width, "a width");
    if (why.empty())
        why = r.Int(height, "a height");
    if (why.empty())
        why = r.Word(rate, "a refresh rate");
    if (!why.empty())
        return why;
    const std::optional<double> hz = plat::ParseDecimal(rate);
    if (width <= 0 || height <= 0 || !hz || *hz <= 0)
        return "expected a width and height above 0 and a refresh rate in Hz (59.94)";
    c.numbers.insert(c.numbers.end(), {width, height});
    c.rate = *hz;
    return r.End();
}

std::string ParseMouse(CReader& r, SScriptCommand& c)
{
    std::string why = r.Where(c.where);
    return why.empty() ? r.Modifiers(c.modifiers) : why;
}

const std::map<std::string, std::pair<EVerb, Parser>>& Verbs()
{
    static const std::map<std::string, std::pair<EVerb, Parser>> verbs{
        {"open", {EVerb::Open, [](CReader& r, SScriptCommand& c) {
             std::string why = r.Word(c.text, "a project file");
             return why.empty() ? r.End() : why;
         }}},
        {"save", {EVerb::Save, [](CReader& r, SScriptCommand& c) {
             if (!r.AtEnd())
                 r.Word(c.text, "a file");
             return r.End();
         }}},
        {"monitor", {EVerb::Monitor, [](CReader& r, SScriptCommand& c) {
             std::string what;
             std::string why = r.Word(what, "start or stop");
             if (!why.empty())
                 return why;
             if (what != "start" && what != "stop")
                 return "expected start or stop, found \"" + what + "\"";
             c.on = what == "start";
             return r.End();
         }}},
        {"round", {EVerb::Round, [](CReader& r, SScriptCommand& c) {
             std::string why = r.OptionalInt(c.numbers, "a number of rounds");
             if (c.numbers.empty())
                 c.numbers.push_back(1);
             if (why.empty() && (c.numbers[0] < 1 || c.numbers[0] > 10000))
                 why = "expected 1 to 10000 rounds";
             return why.empty() ? r.End() : why;
         }}},
        {"fault", {EVerb::Fault, ParseFault}},
        {"clear", {EVerb::Clear, ParseFault}},
        {"signal", {EVerb::Signal, ParseSignal}},
        {"click", {EVerb::Click, ParseMouse}},
        {"dclick", {EVerb::DClick, ParseMouse}},
        {"rclick", {EVerb::RClick, ParseMouse}},
        {"move", {EVerb::Move, ParseMouse}},
        {"hover", {EVerb::Hover, ParseMouse}},
        {"wheel", {EVerb::Wheel, [](CReader& r, SScriptCommand& c) {
             std::string why = r.Where(c.where);
             int delta = 0;
             if (why.empty())
                 why = r.Int(delta, "a wheel delta (120 per notch)");
             c.numbers.push_back(delta);
             return why.empty() ? r.Modifiers(c.modifiers) : why;
         }}},
        // drag <where> <dx> <dy> or drag <where> to <where>
        {"drag", {EVerb::Drag, [](CReader& r, SScriptCommand& c) {
             std::string why = r.Where(c.where);
             if (why.empty() && !r.AtEnd() && r.Peek().text == "to" && !r.Peek().quoted) {
                 std::string to;
                 r.Word(to, "");
                 why = r.Where(c.to.emplace());
             } else {
                 int dx = 0, dy = 0;
                 if (why.empty())
                     why = r.Int(dx, "a distance across");
                 if (why.empty())
                     why = r.Int(dy, "a distance down");
                 c.numbers = {dx, dy};
             }
             return why.empty() ? r.Modifiers(c.modifiers) : why;
         }}},
        {"key", {EVerb::Key, [](CReader& r, SScriptCommand& c) {
             std::string why = r.Word(c.text, "a key name");
             if (why.empty() && !QtKeyFromName(c.text))
                 why = "unknown key \"" + c.text + "\"";
             return why.empty() ? r.Modifiers(c.modifiers) : why;
         }}},
        {"type", {EVerb::Type, [](CReader& r, SScriptCommand& c) {
             std::string why = r.Word(c.text, "a text");
             return why.empty() ? r.End() : why;
         }}},
        {"within", {EVerb::WithinDialog, [](CReader& r, SScriptCommand& c) {
             std::string what;
             std::string why = r.Word(what, "dialog");
             if (why.empty() && what != "dialog")
                 why = "expected dialog, found \"" + what + "\"";
             int answer = 0;
             if (why.empty())
                 why = r.Int(answer, "an answer");
             c.numbers.push_back(answer);
             return why.empty() ? r.End() : why;
         }}},
        {"wait-events", {EVerb::WaitEvents, [](CReader& r, SScriptCommand&) { return r.End(); }}},
        {"wait", {EVerb::Wait, [](CReader& r, SScriptCommand& c) {
             int ms = 0;
             std::string why = r.Int(ms, "milliseconds");
             if (why.empty() && (ms < 0 || ms > 60000))
                 why = "expected 0 to 60000 milliseconds";
             c.numbers.push_back(ms);
             return why.empty() ? r.End() : why;
         }}},
        {"resize", {EVerb::Resize, [](CReader& r, SScriptCommand& c) {
             int w = 0, h = 0;
             std::string why = r.Int(w, "a width");
             if (why.empty())
                 why = r.Int(h, "a height");
             if (why.empty() && (w < 1 || h < 1 || w > 10000 || h > 10000))
                 why = "expected a width and height from 1 to 10000";
             c.numbers = {w, h};
             return why.empty() ? r.End() : why;
         }}},
        {"expect", {EVerb::Expect, [](CReader& r, SScriptCommand& c) {
             std::string why = r.Word(c.text, "a JSON path");
             if (!why.empty())
                 return why;
             if (r.AtEnd())
                 return std::string("expected a value after the path");
             c.expected = ExpectValueOf(r.Peek());
             std::string word;
             r.Word(word, "");
             // expect <path> <value> within <ms>: the value may take that long to come.
             if (r.AtEnd() || r.Peek().text != "within")
                 return r.End();
             r.Word(word, "");
             int ms = 0;
             why = r.Int(ms, "milliseconds");
             if (why.empty() && (ms < 0 || ms > 60000))
                 why = "expected 0 to 60000 milliseconds";
             c.numbers.push_back(ms);
             return why.empty() ? r.End() : why;
         }}},
        {"screenshot", {EVerb::Screenshot, [](CReader& r, SScriptCommand& c) {
             std::string why = r.Word(c.text, "a screenshot name");
             if (why.empty() && c.text.find('/') != std::string::npos)
                 why = "a screenshot name is a file name without folders";
             return why.empty() ? r.End() : why;
         }}},
        {"dump", {EVerb::Dump, [](CReader& r, SScriptCommand& c) {
             std::string why = r.Word(c.text, "a file");
             return why.empty() ? r.End() : why;
         }}},
    };
    return verbs;
}

std::string ParseAnswer(CReader& r, SScriptCommand& c)
{
    std::string what;
    std::string why = r.Word(what, "msgbox, menu, dialog, progress or file");
    if (!why.empty())
        return why;
    if (what == "file") {
        c.verb = EVerb::AnswerFile;
        if (!(why = r.Word(c.text, "a path or cancel")).empty())
            return why;
        c.on = c.text != "cancel";
        return r.End();
    }
    const std::map<std::string, EVerb> kinds{
        {"msgbox", EVerb::AnswerMsgBox}, {"menu", EVerb::AnswerMenu}, {"dialog", EVerb::AnswerDialog},
        {"progress", EVerb::AnswerProgress}};
    const auto it = kinds.find(what);
    if (it == kinds.end())
        return "expected msgbox, menu, dialog, progress or file, found \"" + what + "\"";
    c.verb = it->second;
    int answer = 0;
    if (!(why = r.Int(answer, "an answer")).empty())
        return why;
    c.numbers.push_back(answer);
    // A progress runs (0) or is refused (-1).
    if (c.verb == EVerb::AnswerProgress && answer != 0 && answer != -1)
        return "a progress answers 0 (run) or -1 (refuse), not " + std::to_string(answer);
    // A dialog may be photographed before it is ended, a progress while it runs.
    if ((c.verb == EVerb::AnswerDialog || c.verb == EVerb::AnswerProgress) && !r.AtEnd())
        r.Word(c.text, "");
    return r.End();
}

} // namespace

bool SplitWords(const std::string& line, std::vector<SWord>& words, std::string& error)
{
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        SWord word;
        if (c == '"') {
            word.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                    word.text += line[i + 1];
                    i += 2;
                } else if (line[i] == '"') {
                    closed = true;
                    ++i;
                    break;
                } else {
                    word.text += line[i++];
                }
            }
            if (!closed) {
                error = "unterminated quote";
                return false;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word.text += line[i++];
        }
        words.push_back(std::move(word));
    }
    return true;
}

bool ParseScript(const std::string& script, std::vector<SScriptCommand>& commands, std::string& error)
{
    commands.clear();
    // The "within dialog" blocks still open, innermost last.
    std::vector<SScriptCommand> open;
    int lineNo = 0;
    // Editors that write a byte-order mark put it before the first command.
    std::size_t start = script.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (start <= script.size()) {
        const std::size_t end = std::min(script.find('\n', start), script.size());
        const std::string line = script.substr(start, end - start);
        start = end + 1;
        ++lineNo;
        std::vector<SWord> words;
        std::string why;
        if (!SplitWords(line, words, why)) {
            error = "line " + std::to_string(lineNo) + ": " + why;
            return false;
        }
        if (words.empty())
            continue;
        // "end" closes the innermost "within dialog".
        if (words[0].text == "end") {
            if (open.empty() || words.size() > 1) {
                const std::string why = open.empty() ? "no within to end" : "unexpected \"" + words[1].text + "\"";
                error = "line " + std::to_string(lineNo) + ": end: " + why;
                return false;
            }
            SScriptCommand done = std::move(open.back());
            open.pop_back();
            (open.empty() ? commands : open.back().block).push_back(std::move(done));
            continue;
        }
        SScriptCommand command;
        command.line = lineNo;
        command.source = line;
        CReader reader(words, 1);
        const std::string& verb = words[0].text;
        if (verb == "answer") {
            why = ParseAnswer(reader, command);
        } else if (const auto it = Verbs().find(verb); it != Verbs().end()) {
            command.verb = it->second.first;
            why = it->second.second(reader, command);
        } else {
            why = "unknown command \"" + verb + "\"";
        }
        if (!why.empty()) {
            error = "line " + std::to_string(lineNo) + ": " + verb + ": " + why;
            return false;
        }
        if (command.verb == EVerb::WithinDialog) {
            open.push_back(std::move(command));
            continue;
        }
        (open.empty() ? commands : open.back().block).push_back(std::move(command));
    }
    if (!open.empty()) {
        error = "line " + std::to_string(open.back().line) + ": within: no end";
        return false;
    }
    return true;
}

} // namespace app
