#pragma once
// The private state of CMorvBaseDlg.
#include "controls/base_dlg.h"
#include "progress_window.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

class QEventLoop;

struct CMorvBaseDlg::Impl {
    UINT templateId = 0;
    CWnd* parent = nullptr;
    int frame = 0; // page options, see SetBaseDlgInfo
    int childPage = 1;

    bool modal = false;
    std::optional<int> result;  // given by EndDialog
    QEventLoop* loop = nullptr; // the live modal loop while it runs

    morv::LanguageLookup lookup;
    std::map<int, SMorvControl> controls;
    std::map<int, std::unique_ptr<CWnd>> windows; // edit windows by entry index
    std::vector<CMorvButtonBar*> bars;

    int hover = -1;   // entry under the mouse
    int pressed = -1; // entry the left button went down on
    CMorvButtonBar* captureBar = nullptr;
    Color background = kSkinColor;

    std::unique_ptr<morv::detail::CProgressWindow> progress;
    CLifeToken life;
};
