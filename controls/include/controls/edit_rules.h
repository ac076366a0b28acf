#pragma once
// The rules of the numeric edits as plain functions: what text may be
// typed, how a finished text is brought into its bounds, how a step moves
// the value.
#include <limits>
#include <string>

enum class EEditMode { Text, Integer, Decimal };

struct SEditRules {
    EEditMode eMode = EEditMode::Text;
    double dMin = std::numeric_limits<double>::lowest();
    double dMax = std::numeric_limits<double>::max();
    // Decimal mode: digits kept after the point; -1 allows any number.
    int nDecimals = 0;
    // Step of the up/down keys and of one wheel notch; 0 or less: no stepping.
    double dStep = 1.0;
    // The value stepping starts from while the text holds no number.
    double dBase = 0.0;
};

enum class ETextState { Invalid, Intermediate, Acceptable };

namespace morv {

// Whether a text may stand in the edit: Invalid texts are refused as typed;
// Intermediate ones (empty, a lone sign or point, a value below the lower
// bound that more digits could still lift) are kept while typing and
// brought into bounds when the edit loses the focus.
ETextState ValidateEditText(const std::string& text, const SEditRules& rules);

// The text a finished edit keeps: within bounds, formatted for the mode.
// An empty text stays empty; text mode keeps every text.
std::string FixupEditText(const std::string& text, const SEditRules& rules);

// A number in the edit's format: integers without a point; decimals with
// nDecimals digits (shortest form when nDecimals is -1).
std::string FormatEditNumber(double value, const SEditRules& rules);

// The text after n steps (negative: down), clamped to the bounds; the text
// itself when the rules have no step or are in text mode.
std::string StepEditText(const std::string& text, int steps, const SEditRules& rules);

// The number a text holds (leading number, 0 when none).
double ParseEditNumber(const std::string& text);

} // namespace morv
