#pragma once
// CMainViewDlg: the monitor view, the large pane in which the
// installation is drawn. Its renderer lays the view out and draws it into
// an off-screen surface on every refresh; a window paint copies the
// surface in one operation.
#include "controls/base_dlg.h"
#include "view/view_mouse.h"

#include <memory>

class CMorvButtonBar;
class CViewRender;

class CMainViewDlg : public CMorvBaseDlg {
public:
    explicit CMainViewDlg(CWnd* parent);
    ~CMainViewDlg() override;

    // Lays the view out and repaints it (UPDATE_VIEW).
    void Refresh();
    // Reloads the skin images the view draws with.
    void ReloadImages();
    // The renderer (null before the controls exist): what the last paint
    // laid out.
    const CViewRender* GetRender() const { return m_render.get(); }
    // The video input button's bar (one item; shown in the single-sender view).
    CMorvButtonBar* GetInputBar() const { return m_inputBar.get(); }
    // Draws the view itself (not the copy of its surface) and the button.
    void DrawTo(ICanvas& dc) override;

protected:
    int InitControls() override;
    int SetLanguage() override;
    void OnPaint(ICanvas& dc, const CRect& dirty) override;
    // The mouse handler sees every message first.
    bool PreTranslateMessage(MSG* msg) override;
    void OnTimer(UINT id) override;
    bool OnMouseWheel(UINT flags, short delta, CPoint pt) override;
    void OnMouseLeave() override;
    // The video input button opens the current sender's video input settings.
    void OnBarItemClick(CMorvButtonBar& bar, int item) override;

private:
    // Prepares the surface afresh when the client size changed (every
    // sender is then laid out again), then paints.
    void PaintView();
    // The first paint after a project was opened starts from the grid with
    // no port under the mouse.
    void TakeOpenedProject();
    void PlaceInputButton();

    std::unique_ptr<CViewRender> m_render;
    std::unique_ptr<CMorvButtonBar> m_inputBar;
    CViewMouse m_mouse{*this};
};
