#pragma once
// CMorvBaseDlg: the skinned dialog every pane and dialog of the module
// derives from.
//
// Set-up: Create (a modeless window named by a template id) and DoModal run
// the hooks in this order: OnSetBaseDlgInfo (before the window exists; sets
// the page options), InitControls (the window exists; create the controls),
// InitFinish (after set-up). A hook answering 0 fails the creation.
//
// Controls: a table of records (see control_table.h) that the dialog draws
// from the skin, with real edit windows for the edit kinds. A click reaches
// one virtual handler per kind: OnClickButton(index), OnClickCheck(index)
// (after the base flipped the check and relabelled the entries that follow
// it), OnClickLabel(index), OnClickTableRow(index, row). Click handlers run
// with their entry guarded by CControlEnable. Edit notifications arrive as
// OnEditChange / OnEditSetFocus / OnEditKillFocus with the edit's dialog
// item id; OnEditChange runs inside CEditChange, so a handler rewriting
// its own edit's text is not entered again. Other WM_COMMAND messages reach
// OnCommand; custom messages are handled by overriding WindowProc and
// calling this class's WindowProc for the rest.
//
// Button bars (button_bar.h) register with the dialog; their notifications
// arrive as OnBarItemClick, OnBarItemSelect and OnBarItemWheel.
//
// Modal dialogs end with EndDialog(result); Enter calls OnOK (EndDialog(1))
// and Escape OnCancel (EndDialog(2)) unless overridden, for keys anywhere
// inside the dialog. A modeless top-level dialog swallows both keys; a
// child page lets them go on to the window it lies in. Every modal loop
// runs through CModalScript.
//
// The dialog is also the progress watcher of the operations it starts: a
// progress window over the application while they run.
#include "controls/control_table.h"
#include "controls/language.h"
#include "controls/life_token.h"
#include "controls/progress.h"
#include "platform/window.h"

#include <memory>
#include <string>
#include <vector>

class CMorvButtonBar;
class CMorvEditEx;
class CMorvTimeEdit;
class ICanvas;

class CMorvBaseDlg : public CWnd, public IProgressWatcherEx2 {
public:
    explicit CMorvBaseDlg(UINT templateId = 0, CWnd* parent = nullptr);
    ~CMorvBaseDlg() override;

    // A modeless window named by the template id: a borderless child of the
    // parent, or, when OnSetBaseDlgInfo turned the child-page option off, a
    // framed dialog owned by it. The window is shown after set-up, as a
    // visible template would be. Answers false when the window exists
    // already, the parent has no window, or a set-up hook answered 0.
    bool Create(UINT templateId, CWnd* parent);
    // A modal framed dialog over the parent given at construction; answers
    // the value given to EndDialog, 2 when the window was closed, -1 when it
    // could not be created.
    int DoModal();
    void EndDialog(int result);
    bool IsModal() const;
    UINT GetTemplateId() const;
    // The window given as parent at construction, Create or DoModal. A
    // framed dialog is a top-level window that stays above this owner; it
    // is not the owner's child (GetParent answers null), so the owner's
    // message filters never see the dialog's keys and mouse.
    CWnd* GetOwner() const;
    // Centres a framed dialog over its owner's window (over the screen
    // without one) and a child over its parent.
    void CenterWindow();

    // Texts of the controls are looked up through this dialog's lookup, or
    // the process-wide one when it has none.
    void SetLanguageLookup(morv::LanguageLookup lookup);
    std::string GetLanguageText(const std::string& key, const std::string& section) const;
    // Re-reads every text that has a key; answers 1.
    virtual int SetLanguage();

    // ---- Control table -------------------------------------------------
    // Adds (or replaces) the entry at an index; edit kinds get their window
    // at once when the dialog's window exists, else when it is created.
    SMorvControl& AddControl(int index, EMorvControlKind kind, const CRect& rect = {}, const std::string& text = {},
                             UINT dlgItemId = 0);
    // The same with a text looked up by key and section.
    SMorvControl& AddKeyedControl(int index, EMorvControlKind kind, const std::string& key, const std::string& section,
                                  const CRect& rect = {}, UINT dlgItemId = 0);
    SMorvControl* GetControl(int index);
    const SMorvControl* GetControl(int index) const;
    // The index of the entry with a dialog item id, -1 when none has it.
    int FindControlByItemId(UINT dlgItemId) const;
    std::vector<int> GetControlIndices() const;
    bool RemoveControl(int index);
    void RemoveAllControls();

    // Setters answer false for an unknown index; each keeps the entry's
    // window (edits) in step and repaints what changed.
    bool SetControlRect(int index, const CRect& rect);
    bool SetControlText(int index, const std::string& text);
    std::string GetControlText(int index) const;
    bool SetControlKey(int index, const std::string& key, const std::string& section, const std::string& suffix = {},
                       std::vector<plat::FormatArg> formatArgs = {});
    // The label's key follows the check box: key while on, key + "_Close" while off.
    bool LinkCheckLabel(int labelIndex, int checkIndex);
    bool ShowControl(int index, bool visible);
    bool EnableControl(int index, bool enabled);
    bool SetCheck(int index, int check);
    int GetCheck(int index) const;
    bool SetControlTextColor(int index, Color color);
    bool SetControlFontSize(int index, int pixels);
    // After changing an entry's fields directly: text, window and paint follow.
    void UpdateControl(int index);
    void InvalidateControl(int index);
    // The entry that takes a click at a point (client coordinates), -1 none.
    int HitTestControl(const CPoint& pt) const;

    CMorvEditEx* GetEdit(int index) const;
    CMorvTimeEdit* GetTimeEdit(int index) const;

    bool SetTable(int index, SMorvTable table);
    SMorvTable* GetTable(int index);
    bool SetTableRowColors(int index, int row, Color text, Color fill);
    // Row under a point: 0 the header, 1..n the rows, -1 none.
    int HitTestTableRow(int index, const CPoint& pt) const;

    // ---- Items and focus -------------------------------------------------
    // The descendant window with a control id (edits, child panes), or null.
    CWnd* GetDlgItem(UINT id) const;
    // Focus to the window with the id; without one, the dialog itself takes
    // the focus (which ends any edit in progress). False when the dialog has
    // no window.
    bool SetFocusTo(UINT id);
    // Whether the keyboard focus is in one of this dialog's edits.
    bool IsFocusOnEdit() const;

    // The button bars registered with this dialog, in registration order.
    const std::vector<CMorvButtonBar*>& GetBars() const;
    // Expires when the dialog is destroyed: a handler that may end its own
    // dialog checks it before touching the dialog again.
    LifeWatch GetLifeWatch() const;

    void SetBackgroundColor(Color color);
    Color GetBackgroundColor() const;
    // Paints what a window paint would, into any canvas (tests, snapshots).
    virtual void DrawTo(ICanvas& dc);

    // ---- IProgressWatcherEx2 ----------------------------------------------
    int BeginProgress(const SProgressInfo& info) override;
    void SetProgressRange(int nMin, int nMax) override;
    void SetProgressPos(int nPos) override;
    void SetProgressText(const std::string& text) override;
    void EndProgress() override;
    bool IsProgressRunning() const override;

protected:
    // Set-up hooks; each answers 1 to go on.
    virtual int OnSetBaseDlgInfo() { return 1; }
    virtual int InitControls() { return 1; }
    virtual int InitFinish() { return 1; }
    // The two page options, for OnSetBaseDlgInfo. frame: 1 a framed window
    // with a title, 0 none; childPage: 1 a borderless child of the parent,
    // 0 a dialog of its own. A page is (0, 1), the default of Create.
    void SetBaseDlgInfo(int frame, int childPage);
    int GetFrameOption() const;
    int GetChildPageOption() const;

    virtual void OnOK();
    virtual void OnCancel();

    virtual void OnClickButton(int /*index*/) {}
    virtual void OnClickCheck(int /*index*/) {}
    virtual void OnClickLabel(int /*index*/) {}
    virtual void OnClickTableRow(int /*index*/, int /*row*/) {}

    virtual void OnEditChange(UINT /*id*/) {}
    virtual void OnEditSetFocus(UINT /*id*/) {}
    virtual void OnEditKillFocus(UINT /*id*/) {}
    // WM_COMMAND not taken above; true when handled.
    virtual bool OnCommand(WPARAM /*wParam*/, LPARAM /*lParam*/) { return false; }

    virtual void OnBarItemClick(CMorvButtonBar& /*bar*/, int /*item*/) {}
    virtual void OnBarItemSelect(CMorvButtonBar& /*bar*/, int /*item*/) {}
    // True when the wheel turn was used.
    virtual bool OnBarItemWheel(CMorvButtonBar& /*bar*/, int /*item*/, short /*delta*/) { return false; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG* msg) override;
    void OnPaint(ICanvas& dc, const CRect& dirty) override;
    void OnDestroy() override;
    void OnClose() override;

private:
    friend class CMorvButtonBar;
    friend class CControlEnable;
    struct Impl;

    void AttachBar(CMorvButtonBar* bar, bool attach);
    bool RunSetUp(CWnd* parent, UINT templateId, EWindowKind kind);
    void CreateControlWindow(SMorvControl& control);
    void SyncControlWindow(const SMorvControl& control);
    void RelabelFollowers(int checkIndex);
    void ResolveText(SMorvControl& control);
    bool HandleMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleCommand(WPARAM wParam, LPARAM lParam);
    void ClickControl(int index, const CPoint& pt);
    void DrawControl(ICanvas& dc, const SMorvControl& control) const;

    std::unique_ptr<Impl> m_d;
};
