#pragma once
// CMorvSenderTreeCtrl: the owner-drawn tree of the sender panel. Several
// items can be selected (Ctrl toggles, Shift extends from the anchor),
// items carry a label, an icon file, an online and a warning flag and a
// 64-bit value, labels can be edited with a length limit, and the tree
// starts drags of its items (see drop_target.h).
//
// Notifications come in two layers, as on the desktop: a derived tree
// overrides the protected On... handlers ("reflected" notifications); the
// handlers' default sends WM_NOTIFY to the parent with an STreeNotify in
// lParam, and the parent's answer decides where a notification asks.
// Mouse and key input take the window's road (WindowProc, On...); a
// derived tree that overrides a mouse or key handler calls the base.
#include "platform/window.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct STreeItemTag;
// An item; null for none. Handles of deleted items stay harmless: every
// operation answers "no such item" for them.
using HTREEITEM = STreeItemTag*;
inline HTREEITEM const TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<uintptr_t>(-0x10000));
inline HTREEITEM const TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<uintptr_t>(-0x0FFFF));
inline HTREEITEM const TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<uintptr_t>(-0x0FFFE));

// Expand codes.
constexpr UINT TVE_COLLAPSE = 0x0001;
constexpr UINT TVE_EXPAND = 0x0002;
constexpr UINT TVE_TOGGLE = 0x0003;

// Hit-test flags.
constexpr UINT TVHT_NOWHERE = 0x0001;
constexpr UINT TVHT_ONITEMICON = 0x0002;
constexpr UINT TVHT_ONITEMLABEL = 0x0004;
constexpr UINT TVHT_ONITEMINDENT = 0x0008;
constexpr UINT TVHT_ONITEMBUTTON = 0x0010;
constexpr UINT TVHT_ONITEMRIGHT = 0x0020;
constexpr UINT TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL;

// The notification message and its codes, with the desktop's numbers.
constexpr UINT WM_NOTIFY = 0x004E;
constexpr int NM_CLICK = -2;
constexpr int NM_DBLCLK = -3;
constexpr int NM_RCLICK = -5;
constexpr int TVN_SELCHANGING = -401; // answer nonzero to keep the old selection
constexpr int TVN_SELCHANGED = -402;
constexpr int TVN_ITEMEXPANDING = -405; // answer nonzero to refuse
constexpr int TVN_ITEMEXPANDED = -406;
constexpr int TVN_BEGINDRAG = -407;
constexpr int TVN_BEGINLABELEDIT = -410; // answer nonzero to refuse
constexpr int TVN_ENDLABELEDIT = -411;   // answer nonzero to take the new text

// lParam of WM_NOTIFY from the tree; wParam is the tree's id.
struct STreeNotify {
    CWnd* pFrom = nullptr;
    UINT nIdFrom = 0;
    int nCode = 0;
    HTREEITEM hItem = nullptr;          // the item concerned; for selections the new focus item
    HTREEITEM hOldItem = nullptr;       // selections: the previous focus item
    CPoint ptClient;                    // clicks and drag begin: the mouse in client coordinates
    bool bExpand = false;               // expansion: expanding (true) or collapsing
    const std::string* pText = nullptr; // end of label editing: the new text, null when cancelled
};

class CTreeLabelEdit;

class CMorvSenderTreeCtrl : public CWnd {
public:
    CMorvSenderTreeCtrl();
    ~CMorvSenderTreeCtrl() override;

    bool Create(CWnd* pParent, const CRect& rect, UINT nID);

    // Items. The image is an icon file (empty: none). The second form is
    // the sender form: whether the device is online (offline labels are
    // greyed) and whether it has a warning (a warning mark at the right).
    HTREEITEM InsertItem(const std::string& strText, const std::string& strImage = {}, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(const std::string& strText, const std::string& strImage, bool bOnline, bool bWarning,
                         HTREEITEM hParent, HTREEITEM hInsertAfter);
    bool DeleteItem(HTREEITEM hItem);
    bool DeleteAllItems();
    UINT GetCount() const;

    std::string GetItemText(HTREEITEM hItem) const;
    bool SetItemText(HTREEITEM hItem, const std::string& strText);
    std::string GetItemImage(HTREEITEM hItem) const;
    bool SetItemImage(HTREEITEM hItem, const std::string& strImage);
    bool GetItemOnline(HTREEITEM hItem) const;
    bool GetItemWarning(HTREEITEM hItem) const;
    bool SetItemFlags(HTREEITEM hItem, bool bOnline, bool bWarning);
    uint64_t GetItemData(HTREEITEM hItem) const;
    bool SetItemData(HTREEITEM hItem, uint64_t nData);

    // Structure. GetChildItem(TVI_ROOT) or GetRootItem() is the first
    // top-level item; the parent of a top-level item is null.
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    bool ItemHasChildren(HTREEITEM hItem) const;
    // Items shown one below the other (inside expanded parents), top down.
    std::vector<HTREEITEM> GetVisibleItems() const;

    // Expansion; Expand answers false when the item does not exist or the
    // expansion was refused.
    bool Expand(HTREEITEM hItem, UINT nCode);
    bool IsExpanded(HTREEITEM hItem) const;

    // Selection. The focus item is the one the last click or key went to;
    // GetSelectedItem answers it while it is selected, otherwise the first
    // selected item in tree order. SelectItem makes one item the only
    // selected one (null clears); SetItemSelected adds or removes one.
    HTREEITEM GetSelectedItem() const;
    bool SelectItem(HTREEITEM hItem);
    bool SetItemSelected(HTREEITEM hItem, bool bSelected);
    bool IsItemSelected(HTREEITEM hItem) const;
    UINT GetSelectedCount() const;
    std::vector<HTREEITEM> GetSelectedItems() const; // in tree order
    void ClearSelection();

    // Geometry in client coordinates.
    HTREEITEM HitTest(CPoint point, UINT* pFlags = nullptr) const;
    bool GetItemRect(HTREEITEM hItem, CRect* pRect, bool bTextOnly) const;
    void EnsureVisible(HTREEITEM hItem);
    // Scrolling by whole rows; the first row shown.
    void ScrollLines(int nLines);
    int GetScrollLine() const;
    // During a drag: within nBand pixels of the top of the client area the
    // tree scrolls one row up, within nBand of the bottom one row down.
    // Answers -1, 1, or 0 when it did not scroll.
    int DragAutoScroll(CPoint point, int nBand);

    // Label editing. SetEditLabels is the style that allows it; EditLabel
    // opens the editor on an item (with its label) and answers it, or null
    // when editing is not allowed, the item does not exist or
    // OnBeginLabelEdit refused. EndEditLabelNow ends it, keeping or
    // dropping the text.
    void SetEditLabels(bool bEnable);
    bool GetEditLabels() const;
    CTreeLabelEdit* EditLabel(HTREEITEM hItem);
    CTreeLabelEdit* GetEditControl();
    bool IsEditingLabel() const;
    bool EndEditLabelNow(bool bCancelWithoutSave);

    // A folder of state images ("Normal.png", "Hover.png", "Down.png",
    // "Checked.png", "Disable.png") drawn behind the rows instead of the
    // flat selection and hover colours; empty: the colours.
    void SetItemFrameFolder(const std::string& strFolder);

protected:
    // Reflected notifications; each default notifies the parent.
    // Answer false to keep the old selection.
    virtual bool OnSelChanging(HTREEITEM hOld, HTREEITEM hNew);
    virtual void OnSelChanged(HTREEITEM hOld, HTREEITEM hNew);
    // Answer false to refuse the expansion or collapse.
    virtual bool OnItemExpanding(HTREEITEM hItem, bool bExpand);
    virtual void OnItemExpanded(HTREEITEM hItem, bool bExpand);
    // The left button went down on an item and the mouse moved away with it
    // held: start a drag here (COleDataSource::DoDragDrop with this tree).
    virtual void OnBeginDrag(HTREEITEM hItem, CPoint point);
    // Answer false to refuse editing.
    virtual bool OnBeginLabelEdit(HTREEITEM hItem);
    // pText is the new text, null when editing was cancelled; answer true to
    // put the text on the item.
    virtual bool OnEndLabelEdit(HTREEITEM hItem, const std::string* pText);
    virtual void OnItemClick(HTREEITEM hItem, CPoint point);
    virtual void OnItemRClick(HTREEITEM hItem, CPoint point);
    // Answer true when handled; otherwise the item's expansion toggles.
    virtual bool OnItemDblClk(HTREEITEM hItem, CPoint point);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnLButtonDown(UINT flags, CPoint pt) override;
    void OnLButtonUp(UINT flags, CPoint pt) override;
    void OnLButtonDblClk(UINT flags, CPoint pt) override;
    void OnRButtonUp(UINT flags, CPoint pt) override;
    void OnMouseMove(UINT flags, CPoint pt) override;
    void OnMouseLeave() override;
    bool OnMouseWheel(UINT flags, short delta, CPoint pt) override;
    void OnKeyDown(UINT vk, UINT repeat, UINT flags) override;

public:
    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};

// The label editor while an item's label is being edited.
class CTreeLabelEdit {
public:
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    // At most this many characters (counted as the desktop counts them:
    // UTF-16 units); 0 removes the limit. Longer text is cut.
    void LimitText(int nMax);
    int GetLimitText() const;
    // Selects characters start..end; end -1 means to the end of the text.
    // SetSel(0, -1) selects all, SetSel(n, n) puts the caret at n.
    void SetSel(int nStart, int nEnd);
    void GetSel(int& nStart, int& nEnd) const;

private:
    friend struct CMorvSenderTreeCtrl::Impl;
    CTreeLabelEdit() = default;
    struct Impl;
    std::shared_ptr<Impl> m_impl;
};
