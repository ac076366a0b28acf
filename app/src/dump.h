#pragma once
// The observable state as JSON, piece by piece: the page's windows with
// each skinned dialog's control table, button bars and recorded drawing,
// the host's notifications and updates, and what the modal loops showed.
// The host's data (project, settings, call log) is in dump_host_data.h.
#include "page_host.h"

#include "controls/button_bar.h"
#include "controls/control_table.h"
#include "controls/modal.h"
#include "platform/canvas.h"
#include "platform/window.h"

#include <QJsonArray>
#include <QJsonObject>

#include <vector>

namespace app {

QJsonArray RectJson(const CRect& r);
QJsonObject ColorJson(const Color& c);

QJsonObject ControlJson(const SMorvControl& control);
QJsonObject BarItemJson(int index, const SBarItem& item);
QJsonObject DrawOpJson(const DrawOp& op);
QJsonArray DrawingJson(const std::vector<DrawOp>& ops);

// A window and its descendants; rectangles are in `root`'s client
// coordinates. Skinned dialogs add "controls", "bars" and "drawing"
// (painted into a recording canvas, hence not const); without `drawing`
// they are painted all the same, and the drawing is left out.
QJsonObject WindowJson(CWnd& wnd, const CWnd& root, bool drawing = true);

// Pages, the page shown, and the recent notifications and updates.
QJsonObject PageHostJson(const CPageHost& host);

QJsonArray ModalLogJson(const std::vector<SModalRecord>& log);

} // namespace app
