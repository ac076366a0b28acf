#pragma once
// CMorvButtonBar: a bar of indexed items drawn inside its owning dialog's
// client area (item rectangles are dialog client coordinates). The owner
// routes mouse input to it; the bar tracks hover and press, shows tooltips,
// and reports clicks, selections and wheel turns to the owner's virtual
// handlers (CMorvBaseDlg::OnBarItemClick, OnBarItemSelect, OnBarItemWheel).
//
// Each item picks its picture from its image folder by state: disabled →
// "Disable.png", pressed → "Down.png", checked → "Checked.png", hovered →
// "Hover.png", else "Normal.png"; a missing state file draws Normal.png.
// An image name ending in ".png" is one picture for every state.
#include "controls/life_token.h"
#include "controls/tooltip.h"
#include "platform/geometry.h"

#include <string>
#include <vector>

class CMorvBaseDlg;
class ICanvas;

enum EBarItemKind : int {
    BarPush = 0,       // click
    BarCheck = 1,      // click flips checked, then click and select are reported
    BarRadio = 2,      // click checks it and unchecks the others of its group
    BarLabel = 3,      // caption only, no input
    BarDropDown = 7,   // a press reports select (open its menu); style 1 draws it wide with an arrow
    BarSeparator = 20, // a line or its image; no input
};

enum EBarDrawType : int {
    BarDrawButton = 0,      // state images (or the skinned face), icon, caption
    BarDrawWarningMark = 2, // only the warning mark, while the warning flag is set
};

struct SBarItem {
    int nDrawType = BarDrawButton;
    int nKind = BarPush;
    CRect rect;
    std::string strCaption;
    std::string strTooltip;
    std::string strImageFolder; // state images, or one .png file
    std::string strIconFile;    // optional picture over the state image, in rcImage
    CRect rcImage;              // empty: the item's rectangle
    bool bVisible = false;
    bool bEnabled = true;
    bool bChecked = false;
    int nStyle = 0;
    bool bWarning = false; // draws the warning mark
    int nGroup = 0;        // radio group
    int nBusy = 0;         // guarded by CControlEnable
};

class CMorvButtonBar {
public:
    // Registers with the owner, which routes input to it and paints it.
    explicit CMorvButtonBar(CMorvBaseDlg* owner, int itemCount = 0);
    ~CMorvButtonBar();
    CMorvButtonBar(const CMorvButtonBar&) = delete;
    CMorvButtonBar& operator=(const CMorvButtonBar&) = delete;

    CMorvBaseDlg* GetOwner() const { return m_owner; }

    void SetItemCount(int count);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // Null for an index outside the table.
    SBarItem* GetItem(int index);
    const SBarItem* GetItem(int index) const;

    // Field setters: false for an index outside the table; each repaints
    // the item when its look changes.
    bool SetItemRect(int index, const CRect& rect);
    bool SetItemKind(int index, int kind);
    bool SetItemStyle(int index, int style);
    bool SetItemDrawType(int index, int drawType);
    bool SetItemCaption(int index, const std::string& caption);
    bool SetItemTooltip(int index, const std::string& tooltip);
    bool SetItemImage(int index, const std::string& imageFolder);
    bool SetItemIcon(int index, const std::string& iconFile, const CRect& imageRect);
    bool SetItemVisible(int index, bool visible);
    bool SetItemEnabled(int index, bool enabled);
    bool SetItemChecked(int index, bool checked);
    bool SetItemWarning(int index, bool warning);
    bool SetItemGroup(int index, int group);

    // The item that takes input at a point (visible, of an input kind), -1 none.
    int HitTest(const CPoint& pt) const;
    int GetHoverItem() const { return m_hover; }
    int GetPressedItem() const { return m_pressed; }
    // The tooltip shown now (empty when none).
    std::string GetShownTooltip() const { return m_tooltip.IsShown() ? m_tooltip.GetText() : std::string(); }

    // Draws every visible item in index order.
    void Draw(ICanvas& dc) const;
    void InvalidateItem(int index) const;
    void Invalidate() const;

    // Input from the owner; client coordinates. Each answers whether the
    // bar used the message.
    bool OnMouseMove(const CPoint& pt);
    bool OnMouseLeave();
    bool OnMouseHover(const CPoint& pt);
    bool OnLButtonDown(const CPoint& pt);
    bool OnLButtonUp(const CPoint& pt);
    bool OnMouseWheel(const CPoint& pt, short delta);
    // The owner lost the mouse (window hidden, capture taken away).
    void CancelInput();
    // Expires when the bar is destroyed.
    LifeWatch GetLifeWatch() const { return m_life.Watch(); }

private:
    friend class CMorvBaseDlg;

    bool IsInputItem(const SBarItem& item) const;
    bool TakesInput(int index) const;
    void SetHover(int index);
    void DrawItem(ICanvas& dc, int index, const SBarItem& item) const;

    CMorvBaseDlg* m_owner;
    std::vector<SBarItem> m_items;
    int m_hover = -1;
    int m_pressed = -1;
    CMorvToolTip m_tooltip;
    CLifeToken m_life;
};
