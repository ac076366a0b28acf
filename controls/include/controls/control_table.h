#pragma once
// The control table of a skinned dialog: one record per control, keyed by
// its index. The dialog lays nothing out; the pane sets each rectangle.
// Rules on the records (texts, table geometry, hit tests) are plain
// functions so they can be checked without a window.
#include "controls/edit_rules.h"
#include "controls/language.h"
#include "platform/canvas.h"
#include "platform/format.h"
#include "platform/geometry.h"
#include "platform/wintypes.h"

#include <string>
#include <vector>

enum class EMorvControlKind : int {
    Title,       // section or dialog heading, bold
    Label,       // one line of text
    CheckBox,    // image check box (check images), optional text right of the image
    Button,      // push button: skinned face, or the state images of its image folder
    NumericEdit, // CMorvEditEx in integer or decimal mode
    TimeEdit,    // CMorvTimeEdit, seconds
    Edit,        // CMorvEditEx in text mode
    Table,       // table with a header row, row colours and row hit testing
};

// Image folders of the check box states.
inline constexpr const char* kCheckedImageFolder = "ImageButton\\CheckButton\\Checked\\";
inline constexpr const char* kUncheckedImageFolder = "ImageButton\\CheckButton\\UnChecked\\";
// Suffix of the key a check box's label is looked up under while it is off.
inline constexpr const char* kCloseKeySuffix = "_Close";

// Alpha 0 means "the skin's colour".
constexpr Color kSkinColor{0, 0, 0, 0};

struct STableRow {
    std::vector<std::string> cells;
    Color clrText = kSkinColor;
    Color clrFill = kSkinColor; // row background (kSkinColor: none)
};

struct SMorvTable {
    std::vector<int> columnWeights{1, 1}; // relative column widths, e.g. {50, 100}
    std::vector<std::string> headers;     // row 0
    std::vector<STableRow> rows;          // rows 1..n
    int nRowHeight = 20;                  // pixels
};

// Button styles.
enum EMorvButtonStyle : int { ButtonNormal = 0, ButtonPrimary = 1 };

struct SMorvControl {
    int nIndex = -1;
    EMorvControlKind eKind = EMorvControlKind::Label;
    CRect rect;          // dialog client coordinates
    std::string strText; // the text shown (set, or looked up from the key)
    bool bVisible = true;
    int nCheck = 0; // check box state, 0 or 1
    bool bEnabled = true;
    UINT nDlgItemId = 0; // the control id of the edit windows; a name for the others

    // Look. Text colour kSkinColor and font size 0 take the skin's.
    Color clrText = kSkinColor;
    int nFontSize = 0;
    unsigned nAlign = 0; // TextAlign flags; 0: the kind's default
    int nStyle = ButtonNormal;
    std::string strImageFolder; // button: state images instead of the skinned face

    // Text looked up again by SetLanguage: the key in its section; used as
    // a format with formatArgs when there are any; then the suffix. With a
    // check source, the key gets "_Close" while that check box is off.
    std::string strKey;
    std::string strSection;
    std::string strSuffix;
    std::vector<plat::FormatArg> formatArgs;
    int nCheckSource = -1;

    SEditRules editRules; // numeric edit
    int nMinSeconds = 0;  // time edit bounds
    int nMaxSeconds = 86399;
    SMorvTable table; // table

    int nBusy = 0; // guarded by CControlEnable; takes no input while nonzero
};

namespace morv {

// The text an entry shows: its key looked up (with "_Close" when its check
// source is off), formatted, with the suffix; the set text when it has no key.
std::string ResolveControlText(const SMorvControl& control, bool checkSourceOn, const LanguageLookup& lookup);

// Whether an entry takes clicks: visible, enabled, not busy, and of a
// clickable kind (button, check box, label, table).
bool IsClickable(const SMorvControl& control);

// Table geometry: row r (0 = header) and column c rectangles, and the row
// under a point (-1 outside the table or below its last row).
int TableRowCount(const SMorvTable& table);
CRect TableRowRect(const SMorvControl& control, int row);
CRect TableCellRect(const SMorvControl& control, int row, int column);
int TableRowAt(const SMorvControl& control, const CPoint& pt);

} // namespace morv
