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

// Reads the words of one command. The first failure is kept, with why;
// every read after it does nothing, so a verb's reader states what it
// expects in order and the caller looks once, at the end.
class CReader {
public:
    CReader(const std::vector<SWord>& words, std::size_t from) : m_words(words), m_next(from) {}

    const std::string& Error() const { return m_error; }
    bool Ok() const { return m_error.empty(); }
    // Fails with why unless the condition holds (or a read failed before).
    void Require(bool condition, const std::string& why)
    {
        if (Ok() && !condition)
            m_error = why;
    }

    bool AtEnd() const { return m_next >= m_words.size(); }
    // The word to be read next; null when none is left.
    const SWord* Peek() const { return AtEnd() ? nullptr : &m_words[m_next]; }

    // The next word; null after a failure.
    const SWord* Next(const char* what)
    {
        Require(!AtEnd(), std::string("expected ") + what);
        return Ok() ? &m_words[m_next++] : nullptr;
    }
    void Word(std::string& out, const char* what)
    {
        if (const SWord* word = Next(what))
            out = word->text;
    }
    void Int(int& out, const char* what)
    {
        if (const SWord* word = Next(what))
            Require(ParseInt(word->text, out), std::string("expected ") + what + ", found \"" + word->text + "\"");
    }
    void OptionalInt(std::vector<int>& into, const char* what)
    {
        if (!Ok() || AtEnd())
            return;
        int v = 0;
        Int(v, what);
        if (Ok())
            into.push_back(v);
    }
    void Where(SWhere& where)
    {
        const SWord* first = Peek();
        Require(first != nullptr, "expected x y or @Window");
        if (!Ok())
            return;
        if (first->text.starts_with('@')) {
            ++m_next;
            Target(first->text.substr(1), where);
            return;
        }
        where.kind = SWhere::EKind::Point;
        Int(where.pt.x, "x");
        Int(where.pt.y, "y");
    }
    void Modifiers(unsigned& mods)
    {
        while (Ok() && !AtEnd()) {
            const std::string& name = m_words[m_next++].text;
            const unsigned m = ModifierFromName(name);
            Require(m != 0, "unknown modifier \"" + name + "\" (ctrl, shift, alt)");
            mods |= m;
        }
    }
    void End() { Require(AtEnd(), AtEnd() ? std::string() : "unexpected \"" + m_words[m_next].text + "\""); }

private:
    // Class, Class:control:N, Class:bar:N, Class:drawn:PIECE[:N], Class:fill:NAME[:N] or Class:item:N.
    void Target(const std::string& spec, SWhere& where)
    {
        const auto colon = spec.find(':');
        where.windowClass = spec.substr(0, colon);
        Require(!where.windowClass.empty(), "expected a window class after @");
        if (colon == std::string::npos) {
            where.kind = SWhere::EKind::Window;
            return;
        }
        const auto second = spec.find(':', colon + 1);
        const std::string part
            = spec.substr(colon + 1, second == std::string::npos ? std::string::npos : second - colon - 1);
        if (part == "drawn" || part == "fill") {
            const bool drawn = part == "drawn";
            where.kind = drawn ? SWhere::EKind::Drawn : SWhere::EKind::Fill;
            const auto third = second == std::string::npos ? second : spec.find(':', second + 1);
            where.piece = second == std::string::npos ? std::string() : spec.substr(second + 1, third - second - 1);
            Require(!where.piece.empty(),
                    (drawn ? "expected a piece of text or image name after @"
                           : "expected normal, warning or offline after @")
                        + spec);
            Require(drawn || DeviceFill(where.piece).has_value(),
                    "unknown fill \"" + where.piece + "\" (normal, warning, offline)");
            if (third != std::string::npos)
                Require(ParseInt(spec.substr(third + 1), where.index),
                        "expected an index after @" + spec.substr(0, third) + ":");
            return;
        }
        static const std::map<std::string, SWhere::EKind> kinds{
            {"control", SWhere::EKind::Control}, {"bar", SWhere::EKind::BarItem}, {"item", SWhere::EKind::TreeItem}};
        const auto kind = kinds.find(part);
        Require(
            kind != kinds.end(),
            "expected @Class:control:N, @Class:bar:N, @Class:drawn:PIECE, @Class:fill:NAME or @Class:item:N, found @"
                + spec);
        if (!Ok())
            return;
        where.kind = kind->second;
        Require(second != std::string::npos && ParseInt(spec.substr(second + 1), where.index),
                "expected an index after @" + spec.substr(0, second == std::string::npos ? spec.size() : second) + ":");
    }

    const std::vector<SWord>& m_words;
    std::size_t m_next;
    std::string m_error;
};

// A duration of 0 to 60000 ms, added to the command's numbers.
void Milliseconds(CReader& r, SScriptCommand& c)
{
    int ms = 0;
    r.Int(ms, "milliseconds");
    r.Require(ms >= 0 && ms <= 60000, "expected 0 to 60000 milliseconds");
    c.numbers.push_back(ms);
}

using Parser = void (*)(CReader&, SScriptCommand&);

void ParseFault(CReader& r, SScriptCommand& c)
{
    r.Word(c.text, "a fault kind");
    if (r.Ok() && !IsFaultKind(c.text)) {
        std::string kinds;
        for (const auto& k : FaultKinds())
            kinds += (kinds.empty() ? "" : ", ") + k;
        r.Require(false, "unknown fault \"" + c.text + "\" (" + kinds + ")");
    }
    int sender = 0;
    r.Int(sender, "a sender index");
    c.numbers.push_back(sender);
    r.OptionalInt(c.numbers, "a port index");
    r.OptionalInt(c.numbers, "a receiver index");
}

// signal <sender> <input> (<width> <height> <rate> | none | reset)
void ParseSignal(CReader& r, SScriptCommand& c)
{
    int sender = 0, input = 0;
    r.Int(sender, "a sender index");
    r.Int(input, "an input index");
    c.numbers = {sender, input};
    const SWord* next = r.Peek();
    r.Require(next != nullptr, "expected a width, none or reset");
    if (!r.Ok())
        return;
    if (next->text == "none" || next->text == "reset") {
        r.Word(c.text, "");
        return;
    }
    int width = 0, height = 0;
    std::string rate;
    r.Int(width, "a width");
    r.Int(height, "a height");
    r.Word(rate, "a refresh rate");
    const std::optional<double> hz = plat::ParseDecimal(rate);
    r.Require(width > 0 && height > 0 && hz && *hz > 0,
              "expected a width and height above 0 and a refresh rate in Hz (59.94)");
    c.numbers.insert(c.numbers.end(), {width, height});
    c.rate = hz.value_or(0);
}

void ParseMouse(CReader& r, SScriptCommand& c)
{
    r.Where(c.where);
    r.Modifiers(c.modifiers);
}

const std::map<std::string, std::pair<EVerb, Parser>>& Verbs()
{
    static const std::map<std::string, std::pair<EVerb, Parser>> verbs{
        {"open", {EVerb::Open, [](CReader& r, SScriptCommand& c) { r.Word(c.text, "a project file"); }}},
        {"save",
         {EVerb::Save,
          [](CReader& r, SScriptCommand& c) {
              if (!r.AtEnd())
                  r.Word(c.text, "a file");
          }}},
        {"monitor",
         {EVerb::Monitor,
          [](CReader& r, SScriptCommand& c) {
              std::string what;
              r.Word(what, "start or stop");
              r.Require(what == "start" || what == "stop", "expected start or stop, found \"" + what + "\"");
              c.on = what == "start";
          }}},
        {"round",
         {EVerb::Round,
          [](CReader& r, SScriptCommand& c) {
              r.OptionalInt(c.numbers, "a number of rounds");
              if (c.numbers.empty())
                  c.numbers.push_back(1);
              r.Require(c.numbers[0] >= 1 && c.numbers[0] <= 10000, "expected 1 to 10000 rounds");
          }}},
        {"fault", {EVerb::Fault, ParseFault}},
        {"clear", {EVerb::Clear, ParseFault}},
        {"signal", {EVerb::Signal, ParseSignal}},
        {"click", {EVerb::Click, ParseMouse}},
        {"dclick", {EVerb::DClick, ParseMouse}},
        {"rclick", {EVerb::RClick, ParseMouse}},
        {"move", {EVerb::Move, ParseMouse}},
        {"hover", {EVerb::Hover, ParseMouse}},
        {"wheel",
         {EVerb::Wheel,
          [](CReader& r, SScriptCommand& c) {
              r.Where(c.where);
              int delta = 0;
              r.Int(delta, "a wheel delta (120 per notch)");
              c.numbers.push_back(delta);
              r.Modifiers(c.modifiers);
          }}},
        // drag <where> <dx> <dy> or drag <where> to <where>
        {"drag",
         {EVerb::Drag,
          [](CReader& r, SScriptCommand& c) {
              r.Where(c.where);
              if (const SWord* next = r.Peek(); r.Ok() && next && next->text == "to" && !next->quoted) {
                  r.Next("to");
                  r.Where(c.to.emplace());
              } else {
                  int dx = 0, dy = 0;
                  r.Int(dx, "a distance across");
                  r.Int(dy, "a distance down");
                  c.numbers = {dx, dy};
              }
              r.Modifiers(c.modifiers);
          }}},
        {"key",
         {EVerb::Key,
          [](CReader& r, SScriptCommand& c) {
              r.Word(c.text, "a key name");
              r.Require(QtKeyFromName(c.text) != 0, "unknown key \"" + c.text + "\"");
              r.Modifiers(c.modifiers);
          }}},
        {"type", {EVerb::Type, [](CReader& r, SScriptCommand& c) { r.Word(c.text, "a text"); }}},
        {"within",
         {EVerb::WithinDialog,
          [](CReader& r, SScriptCommand& c) {
              std::string what;
              r.Word(what, "dialog");
              r.Require(what == "dialog", "expected dialog, found \"" + what + "\"");
              int answer = 0;
              r.Int(answer, "an answer");
              c.numbers.push_back(answer);
          }}},
        {"wait-events", {EVerb::WaitEvents, [](CReader&, SScriptCommand&) {}}},
        {"wait", {EVerb::Wait, [](CReader& r, SScriptCommand& c) { Milliseconds(r, c); }}},
        {"resize",
         {EVerb::Resize,
          [](CReader& r, SScriptCommand& c) {
              int w = 0, h = 0;
              r.Int(w, "a width");
              r.Int(h, "a height");
              r.Require(w >= 1 && h >= 1 && w <= 10000 && h <= 10000, "expected a width and height from 1 to 10000");
              c.numbers = {w, h};
          }}},
        {"expect",
         {EVerb::Expect,
          [](CReader& r, SScriptCommand& c) {
              r.Word(c.text, "a JSON path");
              if (const SWord* value = r.Next("a value after the path"))
                  c.expected = ExpectValueOf(*value);
              // expect <path> <value> within <ms>: the value may take that long to come.
              if (const SWord* next = r.Peek(); r.Ok() && next && next->text == "within") {
                  r.Next("within");
                  Milliseconds(r, c);
              }
          }}},
        {"screenshot",
         {EVerb::Screenshot,
          [](CReader& r, SScriptCommand& c) {
              r.Word(c.text, "a screenshot name");
              r.Require(c.text.find('/') == std::string::npos, "a screenshot name is a file name without folders");
          }}},
        {"dump", {EVerb::Dump, [](CReader& r, SScriptCommand& c) { r.Word(c.text, "a file"); }}},
    };
    return verbs;
}

void ParseAnswer(CReader& r, SScriptCommand& c)
{
    std::string what;
    r.Word(what, "msgbox, menu, dialog, progress or file");
    if (what == "file") {
        c.verb = EVerb::AnswerFile;
        r.Word(c.text, "a path or cancel");
        c.on = c.text != "cancel";
        return;
    }
    static const std::map<std::string, EVerb> kinds{{"msgbox", EVerb::AnswerMsgBox},
                                                    {"menu", EVerb::AnswerMenu},
                                                    {"dialog", EVerb::AnswerDialog},
                                                    {"progress", EVerb::AnswerProgress}};
    const auto it = kinds.find(what);
    r.Require(it != kinds.end(), "expected msgbox, menu, dialog, progress or file, found \"" + what + "\"");
    if (!r.Ok())
        return;
    c.verb = it->second;
    int answer = 0;
    r.Int(answer, "an answer");
    c.numbers.push_back(answer);
    // A progress runs (0) or is refused (-1).
    r.Require(c.verb != EVerb::AnswerProgress || answer == 0 || answer == -1,
              "a progress answers 0 (run) or -1 (refuse), not " + std::to_string(answer));
    // A dialog may be photographed before it is ended, a progress while it runs.
    if ((c.verb == EVerb::AnswerDialog || c.verb == EVerb::AnswerProgress) && r.Ok() && !r.AtEnd())
        r.Word(c.text, "");
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
            ParseAnswer(reader, command);
        } else if (const auto it = Verbs().find(verb); it != Verbs().end()) {
            command.verb = it->second.first;
            it->second.second(reader, command);
        } else {
            reader.Require(false, "unknown command \"" + verb + "\"");
        }
        reader.End();
        if (!reader.Ok()) {
            error = "line " + std::to_string(lineNo) + ": " + verb + ": " + reader.Error();
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
