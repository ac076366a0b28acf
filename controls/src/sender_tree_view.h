#pragma once
// The toolkit side of CMorvSenderTreeCtrl: a tree widget that only shows
// and scrolls. Its mouse input is handed to the tree window's procedure and
// its keys fall through to the window, so real and scripted input take the
// same road; every row is painted by the tree's row painter; the label
// editor is a line edit whose end the tree decides.
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <functional>

class CWnd;
class QLineEdit;

namespace morv::tree {

class TreeView final : public QTreeWidget {
public:
    using RowPainter
        = std::function<void(QPainter& painter, QTreeWidgetItem* item, const QRect& row, const QRect& itemRect)>;

    TreeView(QWidget* parent, CWnd* owner, RowPainter painter);

    // Ends the open editor, keeping or dropping its text.
    void CommitEditor(QWidget* editor);
    void RevertEditor(QWidget* editor);
    // Lays out items added since the last paint, so scrolling sees them.
    void Settle() { executeDelayedItemsLayout(); }

protected:
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

private:
    CWnd* m_owner;
    RowPainter m_painter;
};

// The label editor's delegate: the tree is asked before a text is stored.
class LabelDelegate final : public QStyledItemDelegate {
public:
    struct Hooks {
        std::function<void(QLineEdit* editor)> opened;
        std::function<void(const QString& text)> committed; // the text to store, if the tree agrees
        std::function<QRect(const QModelIndex& index)> textRect;
        std::function<int()> rowHeight;
    };

    LabelDelegate(QObject* parent, Hooks hooks);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    Hooks m_hooks;
};

} // namespace morv::tree
