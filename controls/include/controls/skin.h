#pragma once
// The skin: one colour table and the image folder. The image folder is
// relative to the module folder (the folder of the program), "Skin\",
// and holds the density folders "DPI150\" and "DPI250\".
#include "platform/canvas.h"

#include <string>

// Every colour the controls and the panes take from the skin.
struct SSkinColors {
    // Fills and texts of monitored devices. The three fills differ in
    // lightness as well as hue (dark red-orange, mid teal, pale grey), so
    // they stay apart for red-green colour-blind viewers and in greyscale,
    // and black value text keeps a contrast of at least 4.5 : 1 on each.
    Color clrNormalFill = RGBColor(62, 190, 162);
    Color clrWarningFill = RGBColor(214, 60, 40);
    Color clrOfflineFill = RGBColor(242, 243, 245);
    Color clrOnlineText = RGBColor(33, 37, 41);
    Color clrOfflineText = RGBColor(140, 148, 160);
    // The two lines along the lower edge of a toolbar, upper then lower.
    Color clrToolbarLine1 = RGBColor(214, 222, 232);
    Color clrToolbarLine2 = RGBColor(255, 255, 255);
    // Selection and hover of items, rows and buttons.
    Color clrSelection = RGBColor(38, 132, 255);
    Color clrHover = RGBColor(222, 236, 255);
    // Areas: the page and view background, and panels (dialogs, tables).
    Color clrBackground = RGBColor(241, 247, 255);
    Color clrPanel = RGBColor(250, 250, 250);
    // Texts and frames of the controls themselves.
    Color clrText = RGBColor(33, 37, 41);
    Color clrTextDisabled = RGBColor(160, 166, 175);
    Color clrTextOnSelection = RGBColor(255, 255, 255);
    Color clrBorder = RGBColor(205, 210, 216);
    Color clrButtonFill = RGBColor(255, 255, 255);
    Color clrButtonDown = RGBColor(200, 222, 255);
    Color clrDisabledFill = RGBColor(241, 243, 245);
    Color clrTableHeader = RGBColor(236, 241, 247);
    Color clrGrid = RGBColor(214, 222, 232);
};

class CMorvSkin {
public:
    static CMorvSkin& Instance();

    const SSkinColors& GetColors() const { return m_colors; }
    // The image folder relative to the module folder: "Skin\".
    std::string GetImageFolder() const { return "Skin\\"; }
    // The image folder as a path: the control library's folder plus the
    // image folder, with a trailing separator (no density folder).
    std::string GetImageRoot() const;
    // Another image root for the controls' own images (a host keeping its
    // skin elsewhere, tests); an empty path returns to the default.
    void SetImageRoot(const std::string& root);
    // An image path at the current density: image root, density folder,
    // relative name. Names that are already absolute paths are kept.
    std::string ImagePath(const std::string& relativeName) const;

private:
    CMorvSkin() = default;
    SSkinColors m_colors;
    std::string m_imageRoot;
};
