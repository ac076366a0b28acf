#include "controls/sender_tree.h"

#include "controls/density.h"
#include "controls/drop_target.h"
#include "controls/image_cache.h"
#include "platform/native_qt.h"
#include "sender_tree_paint.h"
#include "sender_tree_rules.h"
#include "sender_tree_view.h"

#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <unordered_map>

using namespace morv::tree;

namespace {

constexpr int kIdRole = Qt::UserRole;
constexpr int kDataRole = Qt::UserRole + 1;
constexpr int kImageRole = Qt::UserRole + 2;
constexpr int kOnlineRole = Qt::UserRole + 3;
constexpr int kWarningRole = Qt::UserRole + 4;

ItemId IdOf(const QTreeWidgetItem* item) { return item ? item->data(0, kIdRole).toULongLong() : 0; }
HTREEITEM HandleOf(ItemId id) { return reinterpret_cast<HTREEITEM>(static_cast<uintptr_t>(id)); }
ItemId IdOf(HTREEITEM h) { return static_cast<ItemId>(reinterpret_cast<uintptr_t>(h)); }
HTREEITEM HandleOf(const QTreeWidgetItem* item) { return HandleOf(IdOf(item)); }

void Collect(QTreeWidgetItem* item, std::set<ItemId>& ids)
{
    ids.insert(IdOf(item));
    for (int i = 0; i < item->childCount(); ++i)
        Collect(item->child(i), ids);
}

} // namespace

struct CTreeLabelEdit::Impl {
    QPointer<QLineEdit> line;
    int limit = 0;
};

std::string CTreeLabelEdit::GetWindowText() const
{
    return m_impl && m_impl->line ? m_impl->line->text().toStdString() : std::string();
}

void CTreeLabelEdit::SetWindowText(const std::string& text)
{
    if (m_impl && m_impl->line)
        m_impl->line->setText(QString::fromStdString(text));
}

void CTreeLabelEdit::LimitText(int nMax)
{
    if (!m_impl || !m_impl->line)
        return;
    m_impl->limit = std::max(0, nMax);
    // The toolkit's own largest length stands for "no limit".
    m_impl->line->setMaxLength(m_impl->limit > 0 ? m_impl->limit : QLineEdit().maxLength());
}

int CTreeLabelEdit::GetLimitText() const { return m_impl ? m_impl->limit : 0; }

void CTreeLabelEdit::SetSel(int nStart, int nEnd)
{
    QLineEdit* line = m_impl ? m_impl->line.data() : nullptr;
    if (!line)
        return;
    const int length = static_cast<int>(line->text().size());
    const int start = std::clamp(nStart, 0, length);
    const int end = nEnd < 0 ? length : std::clamp(nEnd, 0, length);
    if (start == end)
        line->setCursorPosition(start);
    else
        line->setSelection(start, end - start);
}

void CTreeLabelEdit::GetSel(int& nStart, int& nEnd) const
{
    nStart = nEnd = 0;
    const QLineEdit* line = m_impl ? m_impl->line.data() : nullptr;
    if (!line)
        return;
    if (line->hasSelectedText()) {
        nStart = line->selectionStart();
        nEnd = nStart + line->selectionLength();
    } else {
        nStart = nEnd = line->cursorPosition();
    }
}

struct CMorvSenderTreeCtrl::Impl {
    explicit Impl(CMorvSenderTreeCtrl& owner) : self(owner) { edit.m_impl = std::make_shared<CTreeLabelEdit::Impl>(); }

    CMorvSenderTreeCtrl& self;
    QPointer<TreeView> view;
    std::unordered_map<ItemId, QTreeWidgetItem*> items;
    ItemId nextId = 1;
    SSelection sel;
    ItemId hover = 0;

    // A left press that may become a click or a drag.
    ItemId pressItem = 0;
    CPoint pressPt;
    bool pressArmed = false;
    bool deferredClick = false;

    bool editLabels = false;
    ItemId editItem = 0;
    std::optional<QString> pendingText;
    CTreeLabelEdit edit;

    std::string frameFolder;

    QTreeWidgetItem* ItemOf(HTREEITEM h) const
    {
        const auto it = items.find(IdOf(h));
        return it == items.end() ? nullptr : it->second;
    }

    void Walk(QTreeWidgetItem* item, bool visibleOnly, std::vector<ItemId>& out) const
    {
        out.push_back(IdOf(item));
        if (visibleOnly && !item->isExpanded())
            return;
        for (int i = 0; i < item->childCount(); ++i)
            Walk(item->child(i), visibleOnly, out);
    }

    std::vector<ItemId> Order(bool visibleOnly) const
    {
        std::vector<ItemId> out;
        if (!view)
            return out;
        for (int i = 0; i < view->topLevelItemCount(); ++i)
            Walk(view->topLevelItem(i), visibleOnly, out);
        return out;
    }

    void Repaint() const
    {
        if (view)
            view->viewport()->update();
    }

    // Answers false when the change was refused; a forced change (items
    // removed) cannot be.
    bool SetSelection(const SSelection& next, bool force = false)
    {
        if (next == sel)
            return true;
        const HTREEITEM hOld = HandleOf(SelectedItem(sel, Order(false)));
        const HTREEITEM hNew = HandleOf(SelectedItem(next, Order(false)));
        if (!self.OnSelChanging(hOld, hNew) && !force)
            return false;
        sel = next;
        Repaint();
        self.OnSelChanged(hOld, hNew);
        return true;
    }

    // From client coordinates to the view's viewport and back.
    QPoint ViewportOffset() const
    {
        QWidget* native = plat::NativeWidget(&self);
        return view && native ? view->viewport()->mapTo(native, QPoint(0, 0)) : QPoint();
    }

    SRowLayout LayoutOf(QTreeWidgetItem* item, const QRect& itemRect) const
    {
        const QRect row(0, itemRect.top(), view->viewport()->width(), itemRect.height());
        return RowLayout(plat::ToCRect(row), itemRect.left(), view->indentation(),
                         !item->data(0, kImageRole).toString().isEmpty(), morv::GetDensity());
    }

    void PaintRow(QPainter& painter, QTreeWidgetItem* item, const QRect& row, const QRect& itemRect) const
    {
        const ItemId id = IdOf(item);
        STreeRow r;
        r.strText = item->text(0).toStdString();
        const std::string image = item->data(0, kImageRole).toString().toStdString();
        r.pIcon = image.empty() ? nullptr : CImageLogic::GetImageData()->GetImageFromPath(image);
        r.bOnline = item->data(0, kOnlineRole).toBool();
        r.bWarning = item->data(0, kWarningRole).toBool();
        r.bHasChildren = item->childCount() > 0;
        r.bExpanded = item->isExpanded();
        r.bSelected = sel.selected.count(id) != 0;
        r.bHovered = hover == id;
        r.bPressed = pressArmed && pressItem == id;
        r.bEnabled = self.IsWindowEnabled();
        STreeLook look = LookFromSkin();
        look.strFrameFolder = frameFolder;
        SRowLayout layout = LayoutOf(item, itemRect);
        layout.rcRow = plat::ToCRect(row);
        auto canvas = plat::MakePainterCanvas(painter);
        morv::tree::PaintRow(*canvas, layout, r, look);
    }

    QRect TextRect(const QModelIndex& index) const
    {
        QTreeWidgetItem* item = view ? view->itemFromIndex(index) : nullptr;
        if (!item)
            return {};
        const CRect text = LayoutOf(item, view->visualRect(index)).rcText;
        return {text.left, text.top, text.Width(), text.Height()};
    }

    // The end of label editing: the tree decides on the text, then the item
    // takes it. Runs after the toolkit has let go of the editor, so the
    // handler may rebuild the tree.
    void FinishEdit(bool cancelled)
    {
        const ItemId id = editItem;
        if (!id)
            return;
        editItem = 0;
        const std::optional<QString> text = cancelled ? std::nullopt : pendingText;
        pendingText.reset();
        edit.m_impl->line.clear();
        edit.m_impl->limit = 0;
        const HTREEITEM h = HandleOf(id);
        if (!ItemOf(h))
            return;
        const std::string newText = text ? text->toStdString() : std::string();
        const bool accepted = self.OnEndLabelEdit(h, text ? &newText : nullptr);
        if (accepted && text) {
            if (QTreeWidgetItem* item = ItemOf(h))
                item->setText(0, *text);
        }
    }

    QLineEdit* Editor() const { return edit.m_impl->line; }
    void AttachEditor(QLineEdit* editor) { edit.m_impl->line = editor; }

    void Forget(const std::set<ItemId>& removed)
    {
        for (ItemId id : removed)
            items.erase(id);
        if (removed.count(hover))
            hover = 0;
        if (removed.count(pressItem)) {
            pressItem = 0;
            pressArmed = false;
            deferredClick = false;
        }
        SetSelection(WithoutItems(sel, removed), true);
    }

    LRESULT Notify(int code, HTREEITEM item, HTREEITEM old = nullptr, CPoint pt = {}, bool expand = false,
                   const std::string* text = nullptr)
    {
        CWnd* parent = self.GetParent();
        if (!parent)
            return 0;
        STreeNotify nm;
        nm.pFrom = &self;
        nm.nIdFrom = self.GetDlgCtrlID();
        nm.nCode = code;
        nm.hItem = item;
        nm.hOldItem = old;
        nm.ptClient = pt;
        nm.bExpand = expand;
        nm.pText = text;
        return parent->SendMessage(WM_NOTIFY, nm.nIdFrom, reinterpret_cast<LPARAM>(&nm));
    }
};

CMorvSenderTreeCtrl::CMorvSenderTreeCtrl() : m_impl(std::make_unique<Impl>(*this)) {}

CMorvSenderTreeCtrl::~CMorvSenderTreeCtrl()
{
    // The editor and the view go with the window; nothing may call back
    // into this object afterwards.
    m_impl->editItem = 0;
    DestroyWindow();
}

bool CMorvSenderTreeCtrl::Create(CWnd* pParent, const CRect& rect, UINT nID)
{
    if (!CreateEx(pParent, rect, nID, EWindowKind::Child))
        return false;
    QWidget* native = plat::NativeWidget(this);
    Impl* d = m_impl.get();
    auto* view
        = new TreeView(native, this, [d](QPainter& p, QTreeWidgetItem* item, const QRect& row, const QRect& itemRect) {
              d->PaintRow(p, item, row, itemRect);
          });
    view->setIndentation(morv::Scale(kIndent));
    const Color panel = LookFromSkin().clrPanel;
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, QColor(panel.r, panel.g, panel.b));
    view->setPalette(palette);

    LabelDelegate::Hooks hooks;
    hooks.opened = [d](QLineEdit* editor) { d->AttachEditor(editor); };
    hooks.committed = [d](const QString& text) { d->pendingText = text; };
    hooks.textRect = [d](const QModelIndex& index) { return d->TextRect(index); };
    hooks.rowHeight = [] { return morv::Scale(kRowHeight); };
    auto* delegate = new LabelDelegate(view, std::move(hooks));
    view->setItemDelegate(delegate);
    // After the view's own handling, which lets go of the editor.
    QObject::connect(delegate, &QAbstractItemDelegate::closeEditor, view,
                     [d](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                         d->FinishEdit(hint == QAbstractItemDelegate::RevertModelCache);
                     });
    native->setFocusProxy(view);
    m_impl->view = view;
    view->setGeometry(0, 0, rect.Width(), rect.Height());
    view->show();
    ShowWindow(SW_SHOW);
    return true;
}

HTREEITEM CMorvSenderTreeCtrl::InsertItem(const std::string& strText, const std::string& strImage, HTREEITEM hParent,
                                          HTREEITEM hInsertAfter)
{
    return InsertItem(strText, strImage, true, false, hParent, hInsertAfter);
}

HTREEITEM CMorvSenderTreeCtrl::InsertItem(const std::string& strText, const std::string& strImage, bool bOnline,
                                          bool bWarning, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    Impl& d = *m_impl;
    if (!d.view)
        return nullptr;
    QTreeWidgetItem* parent = nullptr;
    if (hParent && hParent != TVI_ROOT && !(parent = d.ItemOf(hParent)))
        return nullptr;
    const int count = parent ? parent->childCount() : d.view->topLevelItemCount();
    int index = count;
    if (hInsertAfter == TVI_FIRST) {
        index = 0;
    } else if (QTreeWidgetItem* after = d.ItemOf(hInsertAfter); after && after->parent() == parent) {
        index = (parent ? parent->indexOfChild(after) : d.view->indexOfTopLevelItem(after)) + 1;
    }
    auto* item = new QTreeWidgetItem;
    const ItemId id = d.nextId++;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsEditable);
    item->setText(0, QString::fromStdString(strText));
    item->setData(0, kIdRole, QVariant::fromValue<qulonglong>(id));
    item->setData(0, kDataRole, QVariant::fromValue<qulonglong>(0));
    item->setData(0, kImageRole, QString::fromStdString(strImage));
    item->setData(0, kOnlineRole, bOnline);
    item->setData(0, kWarningRole, bWarning);
    if (parent)
        parent->insertChild(index, item);
    else
        d.view->insertTopLevelItem(index, item);
    d.items[id] = item;
    return HandleOf(id);
}

bool CMorvSenderTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    Impl& d = *m_impl;
    QTreeWidgetItem* item = d.ItemOf(hItem);
    if (!item)
        return false;
    std::set<ItemId> removed;
    Collect(item, removed);
    if (removed.count(d.editItem))
        EndEditLabelNow(true);
    if (!(item = d.ItemOf(hItem)))
        return true; // the end of editing took it already
    delete item;
    d.Forget(removed);
    return true;
}

bool CMorvSenderTreeCtrl::DeleteAllItems()
{
    Impl& d = *m_impl;
    if (!d.view)
        return false;
    EndEditLabelNow(true);
    std::set<ItemId> removed;
    for (const auto& entry : d.items)
        removed.insert(entry.first);
    d.view->clear();
    d.Forget(removed);
    return true;
}

UINT CMorvSenderTreeCtrl::GetCount() const { return static_cast<UINT>(m_impl->items.size()); }

std::string CMorvSenderTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    const QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    return item ? item->text(0).toStdString() : std::string();
}

bool CMorvSenderTreeCtrl::SetItemText(HTREEITEM hItem, const std::string& strText)
{
    QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    if (item)
        item->setText(0, QString::fromStdString(strText));
    return item != nullptr;
}

std::string CMorvSenderTreeCtrl::GetItemImage(HTREEITEM hItem) const
{
    const QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    return item ? item->data(0, kImageRole).toString().toStdString() : std::string();
}

bool CMorvSenderTreeCtrl::SetItemImage(HTREEITEM hItem, const std::string& strImage)
{
    QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    if (item)
        item->setData(0, kImageRole, QString::fromStdString(strImage));
    return item != nullptr;
}

bool CMorvSenderTreeCtrl::GetItemOnline(HTREEITEM hItem) const
{
    const QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    return item && item->data(0, kOnlineRole).toBool();
}

bool CMorvSenderTreeCtrl::GetItemWarning(HTREEITEM hItem) const
{
    const QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    return item && item->data(0, kWarningRole).toBool();
}

bool CMorvSenderTreeCtrl::SetItemFlags(HTREEITEM hItem, bool bOnline, bool bWarning)
{
    QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    if (!item)
        return false;
    item->setData(0, kOnlineRole, bOnline);
    item->setData(0, kWarningRole, bWarning);
    return true;
}

uint64_t CMorvSenderTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    const QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    return item ? item->data(0, kDataRole).toULongLong() : 0;
}

bool CMorvSenderTreeCtrl::SetItemData(HTREEITEM hItem, uint64_t nData)
{
    QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    if (item)
        item->setData(0, kDataRole, QVariant::fromValue<qulonglong>(nData));
    return item != nullptr;
}

HTREEITEM CMorvSenderTreeCtrl::GetRootItem() const
{
    return m_impl->view && m_impl->view->topLevelItemCount() ? HandleOf(m_impl->view->topLevelItem(0)) : nullptr;
}

HTREEITEM CMorvSenderTreeCtrl::GetChildItem(HTREEITEM hItem) const
{
    if (!hItem || hItem == TVI_ROOT)
        return GetRootItem();
    const QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    return item && item->childCount() ? HandleOf(item->child(0)) : nullptr;
}

namespace {

QTreeWidgetItem* Sibling(QTreeWidget* view, QTreeWidgetItem* item, int step)
{
    QTreeWidgetItem* parent = item->parent();
    const int index = (parent ? parent->indexOfChild(item) : view->indexOfTopLevelItem(item)) + step;
    const int count = parent ? parent->childCount() : view->topLevelItemCount();
    if (index < 0 || index >= count)
        return nullptr;
    return parent ? parent->child(index) : view->topLevelItem(index);
}

} // namespace

HTREEITEM CMorvSenderTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const
{
    QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    QTreeWidgetItem* next = item ? Sibling(m_impl->view, item, 1) : nullptr;
    return next ? HandleOf(next) : nullptr;
}

HTREEITEM CMorvSenderTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const
{
    QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    QTreeWidgetItem* prev = item ? Sibling(m_impl->view, item, -1) : nullptr;
    return prev ? HandleOf(prev) : nullptr;
}

HTREEITEM CMorvSenderTreeCtrl::GetParentItem(HTREEITEM hItem) const
{
    const QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    return item && item->parent() ? HandleOf(item->parent()) : nullptr;
}

bool CMorvSenderTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    const QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    return item && item->childCount() > 0;
}

std::vector<HTREEITEM> CMorvSenderTreeCtrl::GetVisibleItems() const
{
    std::vector<HTREEITEM> out;
    for (ItemId id : m_impl->Order(true))
        out.push_back(HandleOf(id));
    return out;
}

bool CMorvSenderTreeCtrl::Expand(HTREEITEM hItem, UINT nCode)
{
    QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    if (!item)
        return false;
    bool expand;
    switch (nCode) {
    case TVE_EXPAND: expand = true; break;
    case TVE_COLLAPSE: expand = false; break;
    case TVE_TOGGLE: expand = !item->isExpanded(); break;
    default: return false;
    }
    if (expand == item->isExpanded())
        return true;
    if (!OnItemExpanding(hItem, expand))
        return false;
    if (!(item = m_impl->ItemOf(hItem)))
        return false;
    item->setExpanded(expand);
    OnItemExpanded(hItem, expand);
    return true;
}

bool CMorvSenderTreeCtrl::IsExpanded(HTREEITEM hItem) const
{
    const QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    return item && item->isExpanded();
}

HTREEITEM CMorvSenderTreeCtrl::GetSelectedItem() const
{
    const ItemId id = SelectedItem(m_impl->sel, m_impl->Order(false));
    return id ? HandleOf(id) : nullptr;
}

bool CMorvSenderTreeCtrl::SelectItem(HTREEITEM hItem)
{
    SSelection next;
    if (hItem) {
        if (!m_impl->ItemOf(hItem))
            return false;
        next.selected.insert(IdOf(hItem));
        next.focus = next.anchor = IdOf(hItem);
    }
    return m_impl->SetSelection(next);
}

bool CMorvSenderTreeCtrl::SetItemSelected(HTREEITEM hItem, bool bSelected)
{
    if (!m_impl->ItemOf(hItem))
        return false;
    SSelection next = m_impl->sel;
    if (bSelected)
        next.selected.insert(IdOf(hItem));
    else
        next.selected.erase(IdOf(hItem));
    return m_impl->SetSelection(next);
}

bool CMorvSenderTreeCtrl::IsItemSelected(HTREEITEM hItem) const
{
    return m_impl->ItemOf(hItem) && m_impl->sel.selected.count(IdOf(hItem)) != 0;
}

UINT CMorvSenderTreeCtrl::GetSelectedCount() const { return static_cast<UINT>(m_impl->sel.selected.size()); }

std::vector<HTREEITEM> CMorvSenderTreeCtrl::GetSelectedItems() const
{
    std::vector<HTREEITEM> out;
    for (ItemId id : m_impl->Order(false)) {
        if (m_impl->sel.selected.count(id))
            out.push_back(HandleOf(id));
    }
    return out;
}

void CMorvSenderTreeCtrl::ClearSelection()
{
    SSelection next = m_impl->sel;
    next.selected.clear();
    m_impl->SetSelection(next);
}

HTREEITEM CMorvSenderTreeCtrl::HitTest(CPoint point, UINT* pFlags) const
{
    const Impl& d = *m_impl;
    UINT flags = TVHT_NOWHERE;
    HTREEITEM hit = nullptr;
    if (d.view && GetClientRect().PtInRect(point)) {
        const QPoint offset = d.ViewportOffset();
        const QPoint vp(point.x - offset.x(), point.y - offset.y());
        if (QTreeWidgetItem* item = d.view->itemAt(vp)) {
            const SRowLayout layout = d.LayoutOf(item, d.view->visualItemRect(item));
            flags = HitZone(layout, {vp.x(), vp.y()}, item->childCount() > 0);
            if (flags != TVHT_NOWHERE)
                hit = HandleOf(item);
        }
    }
    if (pFlags)
        *pFlags = flags;
    return hit;
}

bool CMorvSenderTreeCtrl::GetItemRect(HTREEITEM hItem, CRect* pRect, bool bTextOnly) const
{
    const Impl& d = *m_impl;
    QTreeWidgetItem* item = d.ItemOf(hItem);
    if (!item || !pRect)
        return false;
    const QRect itemRect = d.view->visualItemRect(item);
    if (itemRect.isEmpty())
        return false;
    CRect r = bTextOnly ? d.LayoutOf(item, itemRect).rcText : d.LayoutOf(item, itemRect).rcRow;
    const QPoint offset = d.ViewportOffset();
    r.OffsetRect(offset.x(), offset.y());
    *pRect = r;
    return true;
}

void CMorvSenderTreeCtrl::EnsureVisible(HTREEITEM hItem)
{
    QTreeWidgetItem* item = m_impl->ItemOf(hItem);
    if (!item)
        return;
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) {
        if (!p->isExpanded())
            Expand(HandleOf(p), TVE_EXPAND);
    }
    if ((item = m_impl->ItemOf(hItem)))
        m_impl->view->scrollToItem(item);
}

void CMorvSenderTreeCtrl::ScrollLines(int nLines)
{
    if (!m_impl->view)
        return;
    m_impl->view->Settle();
    QScrollBar* bar = m_impl->view->verticalScrollBar();
    bar->setValue(bar->value() + nLines);
}

int CMorvSenderTreeCtrl::GetScrollLine() const { return m_impl->view ? m_impl->view->verticalScrollBar()->value() : 0; }

int CMorvSenderTreeCtrl::DragAutoScroll(CPoint point, int nBand)
{
    const int direction = DragScrollDirection(GetClientRect(), point, nBand);
    const int before = GetScrollLine();
    if (direction)
        ScrollLines(direction);
    return GetScrollLine() != before ? direction : 0;
}

void CMorvSenderTreeCtrl::SetEditLabels(bool bEnable) { m_impl->editLabels = bEnable; }

bool CMorvSenderTreeCtrl::GetEditLabels() const { return m_impl->editLabels; }

CTreeLabelEdit* CMorvSenderTreeCtrl::EditLabel(HTREEITEM hItem)
{
    Impl& d = *m_impl;
    if (!d.editLabels || !d.view || !d.ItemOf(hItem))
        return nullptr;
    EndEditLabelNow(false);
    if (!d.ItemOf(hItem) || !OnBeginLabelEdit(hItem) || !d.ItemOf(hItem))
        return nullptr;
    EnsureVisible(hItem);
    d.editItem = IdOf(hItem);
    d.pendingText.reset();
    d.view->editItem(d.ItemOf(hItem), 0);
    if (!d.Editor()) {
        d.editItem = 0;
        return nullptr;
    }
    return &d.edit;
}

CTreeLabelEdit* CMorvSenderTreeCtrl::GetEditControl() { return IsEditingLabel() ? &m_impl->edit : nullptr; }

bool CMorvSenderTreeCtrl::IsEditingLabel() const { return m_impl->editItem != 0 && m_impl->Editor(); }

bool CMorvSenderTreeCtrl::EndEditLabelNow(bool bCancelWithoutSave)
{
    Impl& d = *m_impl;
    QLineEdit* editor = d.Editor();
    if (!d.editItem || !editor || !d.view)
        return false;
    if (bCancelWithoutSave)
        d.view->RevertEditor(editor);
    else
        d.view->CommitEditor(editor);
    d.FinishEdit(bCancelWithoutSave);
    return true;
}

void CMorvSenderTreeCtrl::SetItemFrameFolder(const std::string& strFolder)
{
    m_impl->frameFolder = strFolder;
    m_impl->Repaint();
}

bool CMorvSenderTreeCtrl::OnSelChanging(HTREEITEM hOld, HTREEITEM hNew)
{
    return m_impl->Notify(TVN_SELCHANGING, hNew, hOld) == 0;
}

void CMorvSenderTreeCtrl::OnSelChanged(HTREEITEM hOld, HTREEITEM hNew) { m_impl->Notify(TVN_SELCHANGED, hNew, hOld); }

bool CMorvSenderTreeCtrl::OnItemExpanding(HTREEITEM hItem, bool bExpand)
{
    return m_impl->Notify(TVN_ITEMEXPANDING, hItem, nullptr, {}, bExpand) == 0;
}

void CMorvSenderTreeCtrl::OnItemExpanded(HTREEITEM hItem, bool bExpand)
{
    m_impl->Notify(TVN_ITEMEXPANDED, hItem, nullptr, {}, bExpand);
}

void CMorvSenderTreeCtrl::OnBeginDrag(HTREEITEM hItem, CPoint point)
{
    m_impl->Notify(TVN_BEGINDRAG, hItem, nullptr, point);
}

bool CMorvSenderTreeCtrl::OnBeginLabelEdit(HTREEITEM hItem) { return m_impl->Notify(TVN_BEGINLABELEDIT, hItem) == 0; }

bool CMorvSenderTreeCtrl::OnEndLabelEdit(HTREEITEM hItem, const std::string* pText)
{
    return m_impl->Notify(TVN_ENDLABELEDIT, hItem, nullptr, {}, false, pText) != 0;
}

void CMorvSenderTreeCtrl::OnItemClick(HTREEITEM hItem, CPoint point)
{
    m_impl->Notify(NM_CLICK, hItem, nullptr, point);
}

void CMorvSenderTreeCtrl::OnItemRClick(HTREEITEM hItem, CPoint point)
{
    m_impl->Notify(NM_RCLICK, hItem, nullptr, point);
}

bool CMorvSenderTreeCtrl::OnItemDblClk(HTREEITEM hItem, CPoint point)
{
    return m_impl->Notify(NM_DBLCLK, hItem, nullptr, point) != 0;
}

LRESULT CMorvSenderTreeCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (morv::drag::RouteMessage(this, message, wParam, lParam))
        return 0;
    return CWnd::WindowProc(message, wParam, lParam);
}

void CMorvSenderTreeCtrl::OnSize(UINT /*type*/, int cx, int cy)
{
    if (m_impl->view)
        m_impl->view->setGeometry(0, 0, cx, cy);
}

void CMorvSenderTreeCtrl::OnLButtonDown(UINT flags, CPoint pt)
{
    Impl& d = *m_impl;
    SetFocus();
    EndEditLabelNow(false);
    UINT zone = 0;
    const HTREEITEM hit = HitTest(pt, &zone);
    if (!hit)
        return;
    if (zone & TVHT_ONITEMBUTTON) {
        Expand(hit, TVE_TOGGLE);
        return;
    }
    const bool ctrl = flags & MK_CONTROL;
    const bool shift = flags & MK_SHIFT;
    d.pressItem = IdOf(hit);
    d.pressPt = pt;
    d.pressArmed = true;
    d.deferredClick = DefersPlainClick(d.sel, d.pressItem, ctrl, shift);
    if (!d.deferredClick)
        d.SetSelection(ClickSelection(d.sel, d.Order(true), d.pressItem, ctrl, shift));
    d.Repaint();
}

void CMorvSenderTreeCtrl::OnLButtonUp(UINT /*flags*/, CPoint pt)
{
    Impl& d = *m_impl;
    if (!d.pressArmed)
        return;
    const ItemId pressed = d.pressItem;
    const bool deferred = d.deferredClick;
    d.pressArmed = false;
    d.deferredClick = false;
    d.Repaint();
    if (deferred)
        d.SetSelection(ClickSelection(d.sel, d.Order(true), pressed, false, false));
    if (d.ItemOf(HandleOf(pressed)))
        OnItemClick(HandleOf(pressed), pt);
}

void CMorvSenderTreeCtrl::OnLButtonDblClk(UINT flags, CPoint pt)
{
    UINT zone = 0;
    const HTREEITEM hit = HitTest(pt, &zone);
    if (!hit)
        return;
    if (zone & TVHT_ONITEMBUTTON) {
        OnLButtonDown(flags, pt);
        return;
    }
    if (!OnItemDblClk(hit, pt))
        Expand(hit, TVE_TOGGLE);
}

void CMorvSenderTreeCtrl::OnRButtonUp(UINT /*flags*/, CPoint pt) { OnItemRClick(HitTest(pt), pt); }

void CMorvSenderTreeCtrl::OnMouseMove(UINT flags, CPoint pt)
{
    Impl& d = *m_impl;
    const ItemId over = IdOf(HitTest(pt));
    if (over != d.hover) {
        d.hover = over;
        d.Repaint();
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_LEAVE;
        TrackMouseEvent(tme);
    }
    if (!d.pressArmed || !(flags & MK_LBUTTON))
        return;
    const int distance = morv::Scale(kDragDistance);
    if (std::abs(pt.x - d.pressPt.x) <= distance && std::abs(pt.y - d.pressPt.y) <= distance)
        return;
    const ItemId pressed = d.pressItem;
    d.pressArmed = false;
    d.deferredClick = false;
    d.Repaint();
    OnBeginDrag(HandleOf(pressed), d.pressPt);
    // A drag begun here sees this move as its first.
    morv::drag::RouteMessage(this, WM_MOUSEMOVE, flags, MAKELPARAM(pt.x, pt.y));
}

void CMorvSenderTreeCtrl::OnMouseLeave()
{
    if (!m_impl->hover)
        return;
    m_impl->hover = 0;
    m_impl->Repaint();
}

bool CMorvSenderTreeCtrl::OnMouseWheel(UINT /*flags*/, short delta, CPoint /*pt*/)
{
    // Three rows a notch, as the toolkit scrolls for real wheels.
    ScrollLines(-delta * 3 / WHEEL_DELTA);
    return true;
}

void CMorvSenderTreeCtrl::OnKeyDown(UINT vk, UINT /*repeat*/, UINT /*flags*/)
{
    Impl& d = *m_impl;
    const bool ctrl = plat::GetKeyState(VK_CONTROL) < 0;
    const bool shift = plat::GetKeyState(VK_SHIFT) < 0;
    const HTREEITEM focus = d.sel.focus ? HandleOf(d.sel.focus) : nullptr;
    QTreeWidgetItem* item = d.ItemOf(focus);
    if (vk == VK_LEFT || vk == VK_RIGHT) {
        if (!item)
            return;
        const bool right = vk == VK_RIGHT;
        if (item->childCount() && item->isExpanded() != right)
            Expand(focus, right ? TVE_EXPAND : TVE_COLLAPSE);
        else if (QTreeWidgetItem* next = right ? (item->isExpanded() ? item->child(0) : nullptr) : item->parent())
            SelectItem(HandleOf(next));
        return;
    }
    if (vk == VK_SPACE && ctrl && item) {
        d.SetSelection(ClickSelection(d.sel, d.Order(true), d.sel.focus, true, false));
        return;
    }
    const int page = std::max(1, GetClientRect().Height() / std::max(1, morv::Scale(kRowHeight)));
    const ItemId target = KeyTarget(d.Order(true), d.sel.focus, vk, page);
    if (!target)
        return;
    if (ctrl && !shift) {
        SSelection next = d.sel;
        next.focus = target;
        d.SetSelection(next);
    } else {
        d.SetSelection(ClickSelection(d.sel, d.Order(true), target, false, shift));
    }
    EnsureVisible(HandleOf(target));
}
