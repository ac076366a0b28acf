#include "sender_tree_view.h"

#include "platform/native_qt.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace morv::tree {

namespace {

UINT MessageOf(QEvent::Type type, Qt::MouseButton button)
{
    if (type == QEvent::MouseMove)
        return WM_MOUSEMOVE;
    const bool left = button == Qt::LeftButton;
    const bool right = button == Qt::RightButton;
    const bool middle = button == Qt::MiddleButton;
    switch (type) {
    case QEvent::MouseButtonPress: return left ? WM_LBUTTONDOWN : right ? WM_RBUTTONDOWN : middle ? WM_MBUTTONDOWN : 0;
    case QEvent::MouseButtonRelease: return left ? WM_LBUTTONUP : right ? WM_RBUTTONUP : middle ? WM_MBUTTONUP : 0;
    case QEvent::MouseButtonDblClick:
        return left ? WM_LBUTTONDBLCLK : right ? WM_RBUTTONDBLCLK : middle ? WM_MBUTTONDBLCLK : 0;
    default: return 0;
    }
}

} // namespace

TreeView::TreeView(QWidget* parent, CWnd* owner, RowPainter painter)
    : QTreeWidget(parent), m_owner(owner), m_painter(std::move(painter))
{
    setHeaderHidden(true);
    setColumnCount(1);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    setItemsExpandable(false); // expansion is the tree window's business
    setDragEnabled(false);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

void TreeView::CommitEditor(QWidget* editor)
{
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TreeView::RevertEditor(QWidget* editor) { closeEditor(editor, QAbstractItemDelegate::RevertModelCache); }

bool TreeView::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        // The filters saw this message already; only the window's procedure is left.
        auto* e = static_cast<QMouseEvent*>(event);
        const UINT message = MessageOf(e->type(), e->button());
        QWidget* native = plat::NativeWidget(m_owner);
        if (message && native) {
            const QPoint client = viewport()->mapTo(native, e->position().toPoint());
            m_owner->SendMessage(message, plat::MouseKeyFlags(e->buttons(), e->modifiers()),
                                 MAKELPARAM(client.x(), client.y()));
        }
        e->accept();
        return true;
    }
    default: return QTreeWidget::viewportEvent(event);
    }
}

void TreeView::keyPressEvent(QKeyEvent* event) { event->ignore(); }

void TreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& /*option*/, const QModelIndex& index) const
{
    QTreeWidgetItem* item = itemFromIndex(index);
    if (!painter || !item || !m_painter)
        return;
    const QRect itemRect = visualRect(index);
    const QRect row(0, itemRect.top(), viewport()->width(), itemRect.height());
    m_painter(*painter, item, row, itemRect);
}

void TreeView::drawBranches(QPainter*, const QRect&, const QModelIndex&) const
{
    // The row painter draws the expand chevron with the row.
}

LabelDelegate::LabelDelegate(QObject* parent, Hooks hooks) : QStyledItemDelegate(parent), m_hooks(std::move(hooks)) {}

QWidget* LabelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(true);
    if (m_hooks.opened)
        m_hooks.opened(editor);
    return editor;
}

void LabelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // Only once: the tree may have put another text in already.
    auto* line = static_cast<QLineEdit*>(editor);
    if (!line->property("morvFilled").toBool()) {
        line->setText(index.data(Qt::DisplayRole).toString());
        line->setProperty("morvFilled", true);
    }
}

void LabelDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex&) const
{
    if (m_hooks.committed)
        m_hooks.committed(static_cast<QLineEdit*>(editor)->text());
}

void LabelDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    editor->setGeometry(m_hooks.textRect ? m_hooks.textRect(index) : option.rect);
}

QSize LabelDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_hooks.rowHeight)
        size.setHeight(m_hooks.rowHeight());
    return size;
}

} // namespace morv::tree
