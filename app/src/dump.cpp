#include "dump.h"

#include "controls/button_bar.h"
#include "controls/sender_tree.h"
#include "window_tree.h"

#include "controls/base_dlg.h"

#include <cstdio>

namespace app {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

const char* ControlKindName(EMorvControlKind kind)
{
    switch (kind) {
    case EMorvControlKind::Title: return "title";
    case EMorvControlKind::Label: return "label";
    case EMorvControlKind::CheckBox: return "check";
    case EMorvControlKind::Button: return "button";
    case EMorvControlKind::NumericEdit: return "numeric";
    case EMorvControlKind::TimeEdit: return "time";
    case EMorvControlKind::Edit: return "edit";
    case EMorvControlKind::Table: return "table";
    }
    return "?";
}

const char* DrawKindName(DrawOp::Kind kind)
{
    switch (kind) {
    case DrawOp::Kind::FillRect: return "fill";
    case DrawOp::Kind::DrawRect: return "rect";
    case DrawOp::Kind::Line: return "line";
    case DrawOp::Kind::Polyline: return "polyline";
    case DrawOp::Kind::FillEllipse: return "ellipse";
    case DrawOp::Kind::Image: return "image";
    case DrawOp::Kind::ImageAt: return "imageAt";
    case DrawOp::Kind::ImageNinePart: return "imageNinePart";
    case DrawOp::Kind::Text: return "text";
    case DrawOp::Kind::TextAt: return "textAt";
    case DrawOp::Kind::Surface: return "surface";
    case DrawOp::Kind::Save: return "save";
    case DrawOp::Kind::Restore: return "restore";
    case DrawOp::Kind::Clip: return "clip";
    }
    return "?";
}

// The words scripts answer them with.
const char* ModalKindWord(EModalKind kind)
{
    switch (kind) {
    case EModalKind::Dialog: return "dialog";
    case EModalKind::MessageBox: return "msgbox";
    case EModalKind::Menu: return "menu";
    case EModalKind::Progress: return "progress";
    case EModalKind::Drag: return "drag";
    }
    return "?";
}

QString Hex(uint32_t v)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", v);
    return text;
}

QJsonObject PenJson(const Pen& pen)
{
    QJsonArray dash;
    for (const int d : pen.dash)
        dash.append(d);
    return {{"color", ColorJson(pen.color)}, {"width", pen.width}, {"dash", dash}};
}

// Every item of a tree in tree order, with its depth.
void TreeItemsJson(const CMorvSenderTreeCtrl& tree, HTREEITEM first, int depth, QJsonArray& out)
{
    for (HTREEITEM h = first; h; h = tree.GetNextSiblingItem(h)) {
        out.append(QJsonObject{{"text", Text(tree.GetItemText(h))},
                               {"depth", depth},
                               {"selected", tree.IsItemSelected(h)},
                               {"expanded", tree.IsExpanded(h)},
                               {"online", tree.GetItemOnline(h)},
                               {"warning", tree.GetItemWarning(h)}});
        TreeItemsJson(tree, tree.GetChildItem(h), depth + 1, out);
    }
}

} // namespace

QJsonArray RectJson(const CRect& r) { return {r.left, r.top, r.right, r.bottom}; }

QJsonObject ColorJson(const Color& c) { return {{"r", c.r}, {"g", c.g}, {"b", c.b}, {"a", c.a}}; }

QJsonObject ControlJson(const SMorvControl& c)
{
    QJsonObject o{{"index", c.nIndex},        {"kind", ControlKindName(c.eKind)},
                  {"rect", RectJson(c.rect)}, {"text", Text(c.strText)},
                  {"visible", c.bVisible},    {"enabled", c.bEnabled},
                  {"check", c.nCheck},        {"id", static_cast<int>(c.nDlgItemId)}};
    if (!c.strKey.empty())
        o["key"] = Text(c.strSection + "/" + c.strKey);
    if (!c.strImageFolder.empty())
        o["image"] = Text(c.strImageFolder);
    if (c.eKind == EMorvControlKind::Table) {
        QJsonArray rows;
        for (const STableRow& row : c.table.rows) {
            QJsonArray cells;
            for (const std::string& cell : row.cells)
                cells.append(Text(cell));
            rows.append(cells);
        }
        o["rows"] = rows;
    }
    return o;
}

QJsonObject BarItemJson(int index, const SBarItem& item)
{
    return {{"index", index},
            {"kind", item.nKind},
            {"drawType", item.nDrawType},
            {"rect", RectJson(item.rect)},
            {"caption", Text(item.strCaption)},
            {"tooltip", Text(item.strTooltip)},
            {"image", Text(item.strImageFolder)},
            {"visible", item.bVisible},
            {"enabled", item.bEnabled},
            {"checked", item.bChecked},
            {"style", item.nStyle},
            {"warning", item.bWarning}};
}

QJsonObject DrawOpJson(const DrawOp& op)
{
    QJsonObject o{{"op", DrawKindName(op.kind)}};
    switch (op.kind) {
    case DrawOp::Kind::FillRect:
    case DrawOp::Kind::FillEllipse:
        o["rect"] = RectJson(op.rect);
        o["color"] = ColorJson(op.color);
        break;
    case DrawOp::Kind::DrawRect:
        o["rect"] = RectJson(op.rect);
        o["pen"] = PenJson(op.pen);
        break;
    case DrawOp::Kind::Line:
    case DrawOp::Kind::Polyline: {
        QJsonArray points;
        for (const CPoint& p : op.points)
            points.append(QJsonArray{p.x, p.y});
        o["points"] = points;
        o["pen"] = PenJson(op.pen);
        break;
    }
    case DrawOp::Kind::Image:
    case DrawOp::Kind::ImageAt:
    case DrawOp::Kind::ImageNinePart:
        o["rect"] = RectJson(op.rect);
        o["image"] = Text(op.image);
        o["turns"] = op.quarterTurns;
        break;
    case DrawOp::Kind::Text:
    case DrawOp::Kind::TextAt:
        o["rect"] = RectJson(op.rect);
        o["text"] = Text(op.text);
        o["color"] = ColorJson(op.color);
        o["font"] = QJsonObject{{"family", Text(op.font.family)}, {"size", op.font.pixelSize}, {"bold", op.font.bold}};
        break;
    case DrawOp::Kind::Surface:
    case DrawOp::Kind::Clip: o["rect"] = RectJson(op.rect); break;
    case DrawOp::Kind::Save:
    case DrawOp::Kind::Restore: break;
    }
    return o;
}

QJsonArray DrawingJson(const std::vector<DrawOp>& ops)
{
    QJsonArray out;
    for (const DrawOp& op : ops)
        out.append(DrawOpJson(op));
    return out;
}

QJsonObject WindowJson(CWnd& wnd, const CWnd& root, bool drawing)
{
    QJsonObject o{{"class", Text(WindowClassName(wnd))},
                  {"id", static_cast<int>(wnd.GetDlgCtrlID())},
                  {"rect", RectJson(RectInRoot(wnd, root))},
                  {"visible", wnd.IsWindowVisible()},
                  {"text", Text(wnd.GetWindowText())}};
    if (auto* dlg = dynamic_cast<CMorvBaseDlg*>(&wnd)) {
        QJsonArray controls;
        for (const int index : dlg->GetControlIndices())
            controls.append(ControlJson(*dlg->GetControl(index)));
        o["controls"] = controls;
        QJsonArray bars;
        for (const CMorvButtonBar* bar : dlg->GetBars()) {
            QJsonArray items;
            for (int i = 0; i < bar->GetItemCount(); ++i)
                items.append(BarItemJson(i, *bar->GetItem(i)));
            bars.append(items);
        }
        o["bars"] = bars;
        // Painting into a recording canvas is what a window paint would draw.
        RecordingCanvas canvas;
        dlg->DrawTo(canvas);
        if (drawing)
            o["drawing"] = DrawingJson(canvas.Ops());
    }
    if (const auto* tree = dynamic_cast<const CMorvSenderTreeCtrl*>(&wnd)) {
        QJsonArray items;
        TreeItemsJson(*tree, tree->GetRootItem(), 0, items);
        o["items"] = items;
    }
    QJsonArray children;
    for (CWnd* child : ChildWindows(wnd))
        children.append(WindowJson(*child, root, drawing));
    o["children"] = children;
    return o;
}

QJsonObject PageHostJson(const CPageHost& host)
{
    QJsonArray pages;
    for (int i = 0; i < host.PageCount(); ++i)
        pages.append(QJsonObject{{"name", Text(host.PageName(i))}, {"shown", host.Page(i)->IsShown() != 0}});
    QJsonArray notifications;
    for (const SNotifyRecord& n : host.Notifications()) {
        notifications.append(QJsonObject{{"mask", n.mask},
                                         {"maskHex", Hex(static_cast<uint32_t>(n.mask))},
                                         {"words", QJsonArray{n.word1, n.word2, n.word3}},
                                         {"queued", n.queued}});
    }
    QJsonArray updates;
    for (const SUpdateRecord& u : host.Updates()) {
        updates.append(QJsonObject{{"page", u.page},
                                   {"mask", u.mask},
                                   {"maskHex", Hex(static_cast<uint32_t>(u.mask))},
                                   {"word", u.word},
                                   {"relayout", u.relayout},
                                   {"result", u.result}});
    }
    return {{"pages", pages},
            {"currentPage", host.CurrentPage()},
            {"notificationCount", static_cast<double>(host.NotificationCount())},
            {"updateCount", static_cast<double>(host.UpdateCount())},
            {"droppedNotifications", static_cast<double>(host.DroppedCount())},
            {"notifications", notifications},
            {"updates", updates}};
}

QJsonArray ModalLogJson(const std::vector<SModalRecord>& log)
{
    QJsonArray out;
    for (const SModalRecord& r : log) {
        QJsonObject o{{"kind", ModalKindWord(r.eKind)},
                      {"text", Text(r.strText)},
                      {"caption", Text(r.strCaption)},
                      {"type", static_cast<int>(r.nType)},
                      {"template", static_cast<int>(r.nTemplateId)},
                      {"result", r.nResult},
                      {"scripted", r.bScripted}};
        if (!r.strError.empty())
            o["error"] = Text(r.strError);
        if (!r.menuItems.empty()) {
            QJsonArray items;
            for (const SMenuItemRecord& m : r.menuItems) {
                items.append(QJsonObject{{"id", static_cast<int>(m.nId)},
                                         {"text", Text(m.strText)},
                                         {"checked", m.bChecked},
                                         {"enabled", m.bEnabled},
                                         {"depth", m.nDepth}});
            }
            o["menu"] = items;
        }
        out.append(o);
    }
    return out;
}

} // namespace app
