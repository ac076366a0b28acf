#pragma once
// The scenario language (docs/scenario.md): one command per line, words
// separated by blanks, double quotes around a word with blanks, '#' starts
// a comment. Parsing checks every command before any runs, so a typo on
// the last line does not waste a long run.
#include "platform/canvas.h"
#include "platform/geometry.h"

#include <optional>
#include <string>
#include <vector>

namespace app {

enum class EVerb {
    Open,
    Save,
    Monitor,
    Round,
    Fault,
    Clear,
    Signal,
    Click,
    DClick,
    RClick,
    Move,
    Hover,
    Wheel,
    Drag,
    Key,
    Type,
    AnswerMsgBox,
    AnswerMenu,
    AnswerDialog,
    AnswerProgress,
    AnswerFile,
    WithinDialog,
    WaitEvents,
    Wait,
    Resize,
    Expect,
    Screenshot,
    Dump,
};

// Where a mouse command points: page client coordinates, or the centre of
// a window of the page named by its class, of one of its controls, of one
// item of its first button bar, of the index-th thing its paint draws
// whose text or image name holds a piece, of the index-th area its paint
// fills with one of the skin's device fills (normal, warning, offline), or
// of the n-th item a tree shows.
struct SWhere {
    enum class EKind { Point, Window, Control, BarItem, Drawn, Fill, TreeItem };
    EKind kind = EKind::Point;
    CPoint pt;
    std::string windowClass;
    int index = 0;
    std::string piece;
};

// The value an expect compares with: a quoted word is a string; otherwise
// a number (decimal, or hexadecimal with 0x), true, false or null, else a
// plain string.
struct SExpectValue {
    enum class EKind { String, Number, Bool, Null };
    EKind kind = EKind::String;
    std::string text;
    double number = 0;
    bool boolean = false;
};

struct SScriptCommand {
    int line = 0;
    EVerb verb = EVerb::WaitEvents;
    std::string source;       // the line as written, for messages
    std::string text;         // path, fault kind, key name, json path, screenshot name
    std::vector<int> numbers; // counts, indices, sizes, delta, answers
    SWhere where;
    std::optional<SWhere> to; // drag: where the drag ends, instead of a distance
    unsigned modifiers = 0;   // EModifier bits
    bool on = false;          // monitor start; answer file with a path (not cancel)
    double rate = 0;          // signal: the refresh rate in Hz
    SExpectValue expected;
    // within dialog: the commands run on the next dialog while it is shown.
    std::vector<SScriptCommand> block;
};

// False with "line N: <why>" on the first fault.
bool ParseScript(const std::string& script, std::vector<SScriptCommand>& commands, std::string& error);

// Splits a line into words: blanks separate, double quotes group (with \"
// and \\ inside), '#' outside quotes ends the line. Each word says whether
// it was quoted. False on an unterminated quote.
struct SWord {
    std::string text;
    bool quoted = false;
};
bool SplitWords(const std::string& line, std::vector<SWord>& words, std::string& error);

// The skin's fill of a device state by name: normal, warning or offline.
std::optional<Color> DeviceFill(const std::string& name);

// The value a word stands for in an expect (see SExpectValue).
SExpectValue ExpectValueOf(const SWord& word);

} // namespace app
