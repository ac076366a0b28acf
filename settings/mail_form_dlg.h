#pragma once
// CMailFormDlg: what the two alert-mail dialogs share: a framed modal
// form with a title, rows of a label and its field (labels 100 pixels wide
// at 50 from the left, fields 300 wide 20 to their right), a row of
// buttons under the fields, and the message for an address that is not one.
#include "controls/base_dlg.h"

#include <string>

class CMailFormDlg : public CMorvBaseDlg {
protected:
    CMailFormDlg(UINT templateId, CWnd* pParent);

    int OnSetBaseDlgInfo() override;

    // The title entry, also the window's caption.
    void AddTitle(int index, const std::string& key);
    // Row 0 is the first under the title. A check box field is as wide as
    // it is high; edit fields get the item id kEditIdBase + their index.
    void AddRow(int labelIndex, int fieldIndex, EMorvControlKind kind, const std::string& key,
                const std::string& section, int row);
    // A button under `rows` rows: slot 0 is the rightmost under the fields,
    // slot 1 left of it; the wide button stands under the labels.
    void AddButton(int index, const std::string& key, const std::string& section, int rows, int slot, bool primary);
    void AddWideButton(int index, const std::string& key, const std::string& section, int rows);
    // Sizes the window to hold `rows` rows and the buttons.
    void SizeToRows(int rows);

    // The text of a key of section "Monitoring", captioned with the
    // dialog's title.
    void ShowMessage(int titleIndex, const std::string& key);

    static constexpr UINT kEditIdBase = 1000;
};
