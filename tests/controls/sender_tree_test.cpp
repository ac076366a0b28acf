#include "controls/drop_target.h"
#include "controls/sender_tree.h"
#include "platform/native_qt.h"
#include "widgets_test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <map>

using widget_test::At;
using widget_test::CRecorderWnd;
using widget_test::WaitFor;

namespace {

class TreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create(420, 320));
        ASSERT_TRUE(tree.Create(&parent, CRect(0, 0, 220, 280), 100));
        parent.answer = [this](UINT message, WPARAM, LPARAM lParam) -> LRESULT {
            if (message != WM_NOTIFY)
                return 0;
            const auto it = answers.find(reinterpret_cast<const STreeNotify*>(lParam)->nCode);
            return it == answers.end() ? 0 : it->second;
        };
        all = tree.InsertItem("All (5)");
        for (int i = 0; i < 5; ++i)
            s[i] = tree.InsertItem("Sender " + std::to_string(i + 1), "", i != 2, i == 4, all, TVI_LAST);
        group = tree.InsertItem("Hall (1)");
        s[5] = tree.InsertItem("Sender 6", "", true, false, group, TVI_LAST);
        tree.Expand(all, TVE_EXPAND);
        tree.Expand(group, TVE_EXPAND);
        parent.records.clear();
    }

    CPoint Centre(HTREEITEM h) const
    {
        CRect r;
        EXPECT_TRUE(tree.GetItemRect(h, &r, true));
        return r.CenterPoint();
    }

    void Click(HTREEITEM h, UINT keys = 0)
    {
        tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON | keys, At(Centre(h)));
        tree.DeliverMessage(WM_LBUTTONUP, keys, At(Centre(h)));
    }

    std::vector<HTREEITEM> Selected() const { return tree.GetSelectedItems(); }

    CRecorderWnd parent;
    CMorvSenderTreeCtrl tree;
    std::map<int, LRESULT> answers;
    HTREEITEM all = nullptr;
    HTREEITEM group = nullptr;
    HTREEITEM s[6] = {};
};

} // namespace

TEST_F(TreeTest, StructureAndItemFields)
{
    EXPECT_EQ(tree.GetCount(), 8u);
    EXPECT_EQ(tree.GetRootItem(), all);
    EXPECT_EQ(tree.GetChildItem(TVI_ROOT), all);
    EXPECT_EQ(tree.GetChildItem(all), s[0]);
    EXPECT_EQ(tree.GetNextSiblingItem(s[0]), s[1]);
    EXPECT_EQ(tree.GetPrevSiblingItem(s[1]), s[0]);
    EXPECT_EQ(tree.GetPrevSiblingItem(s[0]), nullptr);
    EXPECT_EQ(tree.GetNextSiblingItem(all), group);
    EXPECT_EQ(tree.GetParentItem(s[5]), group);
    EXPECT_EQ(tree.GetParentItem(all), nullptr);
    EXPECT_TRUE(tree.ItemHasChildren(group));
    EXPECT_FALSE(tree.ItemHasChildren(s[5]));
    EXPECT_EQ(tree.GetItemText(s[1]), "Sender 2");
    EXPECT_FALSE(tree.GetItemOnline(s[2]));
    EXPECT_TRUE(tree.GetItemWarning(s[4]));
    EXPECT_TRUE(tree.SetItemFlags(s[2], true, true));
    EXPECT_TRUE(tree.GetItemOnline(s[2]));
    EXPECT_TRUE(tree.SetItemImage(s[0], "Skin/x.png"));
    EXPECT_EQ(tree.GetItemImage(s[0]), "Skin/x.png");
    EXPECT_TRUE(tree.SetItemText(s[0], "Renamed"));
    EXPECT_EQ(tree.GetItemText(s[0]), "Renamed");
}

TEST_F(TreeTest, ItemDataKeepsAll64Bits)
{
    const uint64_t value = 0xFEDCBA9876543210ull;
    EXPECT_EQ(tree.GetItemData(s[3]), 0u);
    EXPECT_TRUE(tree.SetItemData(s[3], value));
    EXPECT_EQ(tree.GetItemData(s[3]), value);
    EXPECT_EQ(tree.GetItemData(s[2]), 0u);
}

TEST_F(TreeTest, InsertPositions)
{
    const HTREEITEM first = tree.InsertItem("First", "", all, TVI_FIRST);
    EXPECT_EQ(tree.GetChildItem(all), first);
    const HTREEITEM middle = tree.InsertItem("Middle", "", all, s[1]);
    EXPECT_EQ(tree.GetNextSiblingItem(s[1]), middle);
    EXPECT_EQ(tree.GetNextSiblingItem(middle), s[2]);
    // An "after" item of another parent puts the new item last.
    const HTREEITEM last = tree.InsertItem("Last", "", all, s[5]);
    EXPECT_EQ(tree.GetNextSiblingItem(s[4]), last);
    EXPECT_EQ(tree.InsertItem("Orphan", "", reinterpret_cast<HTREEITEM>(uintptr_t{999}), TVI_LAST), nullptr);
}

TEST_F(TreeTest, DeletedHandlesAnswerNothing)
{
    const HTREEITEM gone = s[5];
    EXPECT_TRUE(tree.DeleteItem(group));
    EXPECT_EQ(tree.GetCount(), 6u);
    EXPECT_EQ(tree.GetItemText(gone), "");
    EXPECT_FALSE(tree.SetItemData(gone, 1));
    EXPECT_FALSE(tree.DeleteItem(gone));
    EXPECT_FALSE(tree.Expand(gone, TVE_EXPAND));
    EXPECT_FALSE(tree.SelectItem(gone));
    EXPECT_EQ(tree.GetChildItem(gone), nullptr);
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
}

TEST_F(TreeTest, ExpansionNotifiesAndCanBeRefused)
{
    EXPECT_TRUE(tree.Expand(all, TVE_COLLAPSE));
    EXPECT_FALSE(tree.IsExpanded(all));
    EXPECT_EQ(parent.NotifyCodes(), (std::vector<int>{TVN_ITEMEXPANDING, TVN_ITEMEXPANDED}));
    EXPECT_FALSE(parent.records[0].notify.bExpand);
    EXPECT_EQ(parent.records[0].notify.hItem, all);
    EXPECT_EQ(tree.GetVisibleItems(), (std::vector<HTREEITEM>{all, group, s[5]}));

    answers[TVN_ITEMEXPANDING] = 1;
    EXPECT_FALSE(tree.Expand(all, TVE_TOGGLE));
    EXPECT_FALSE(tree.IsExpanded(all));
    answers.clear();
    EXPECT_TRUE(tree.Expand(all, TVE_TOGGLE));
    EXPECT_TRUE(tree.IsExpanded(all));
    EXPECT_FALSE(tree.Expand(all, 0x77));
}

TEST_F(TreeTest, TheButtonTogglesExpansion)
{
    CRect row;
    ASSERT_TRUE(tree.GetItemRect(group, &row, false));
    CRect text;
    ASSERT_TRUE(tree.GetItemRect(group, &text, true));
    // The button lies in the indent just left of the item.
    UINT flags = 0;
    CPoint button{2, row.CenterPoint().y};
    for (int x = 0; x < text.left; ++x) {
        if (tree.HitTest({x, button.y}, &flags) && flags == TVHT_ONITEMBUTTON) {
            button.x = x;
            break;
        }
    }
    ASSERT_EQ(flags, TVHT_ONITEMBUTTON);
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(button));
    EXPECT_FALSE(tree.IsExpanded(group));
    EXPECT_EQ(tree.GetSelectedCount(), 0u); // the button does not select
    tree.DeliverMessage(WM_LBUTTONUP, 0, At(button));
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(button));
    EXPECT_TRUE(tree.IsExpanded(group));
}

TEST_F(TreeTest, HitTestAndItemRectsAgree)
{
    for (HTREEITEM h : tree.GetVisibleItems()) {
        UINT flags = 0;
        EXPECT_EQ(tree.HitTest(Centre(h), &flags), h);
        EXPECT_EQ(flags, TVHT_ONITEMLABEL);
    }
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest({100, 275}, &flags), nullptr);
    EXPECT_EQ(flags, TVHT_NOWHERE);
    EXPECT_EQ(tree.HitTest({-5, 10}, &flags), nullptr);
    CRect r;
    tree.Expand(all, TVE_COLLAPSE);
    EXPECT_FALSE(tree.GetItemRect(s[0], &r, false)); // hidden inside a collapsed parent
}

TEST_F(TreeTest, CtrlAndShiftClicksBuildAMultipleSelection)
{
    Click(s[0]);
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{s[0]});
    Click(s[2], MK_CONTROL);
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{s[0], s[2]}));
    Click(s[4], MK_SHIFT);
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{s[2], s[3], s[4]}));
    EXPECT_EQ(tree.GetSelectedItem(), s[4]);
    Click(s[3], MK_CONTROL);
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{s[2], s[4]}));
    EXPECT_EQ(tree.GetSelectedItem(), s[2]); // the focus left the selection
    Click(s[0]);
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{s[0]});
    EXPECT_EQ(tree.GetSelectedCount(), 1u);

    const auto changed = parent.Of(WM_NOTIFY);
    std::vector<HTREEITEM> focus;
    for (const auto& r : changed)
        if (r.notify.nCode == TVN_SELCHANGED)
            focus.push_back(r.notify.hItem);
    EXPECT_EQ(focus, (std::vector<HTREEITEM>{s[0], s[2], s[4], s[2], s[0]}));
}

TEST_F(TreeTest, APlainPressOnTheSelectionWaitsForTheRelease)
{
    Click(s[1]);
    Click(s[3], MK_SHIFT);
    ASSERT_EQ(tree.GetSelectedCount(), 3u);
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Centre(s[2])));
    EXPECT_EQ(tree.GetSelectedCount(), 3u);
    tree.DeliverMessage(WM_LBUTTONUP, 0, At(Centre(s[2])));
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{s[2]});
}

TEST_F(TreeTest, TheParentCanRefuseASelectionChange)
{
    tree.SelectItem(s[0]);
    answers[TVN_SELCHANGING] = 1;
    Click(s[1]);
    EXPECT_FALSE(tree.SelectItem(s[3]));
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{s[0]});
    answers.clear();
    EXPECT_TRUE(tree.SelectItem(s[3]));
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{s[3]});
}

TEST_F(TreeTest, ProgrammaticSelection)
{
    EXPECT_TRUE(tree.SelectItem(s[1]));
    EXPECT_TRUE(tree.SetItemSelected(s[5], true));
    EXPECT_TRUE(tree.IsItemSelected(s[5]));
    EXPECT_EQ(tree.GetSelectedItem(), s[1]);
    EXPECT_TRUE(tree.SetItemSelected(s[1], false));
    EXPECT_EQ(tree.GetSelectedItem(), s[5]);
    tree.ClearSelection();
    EXPECT_EQ(tree.GetSelectedCount(), 0u);
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    EXPECT_TRUE(tree.SelectItem(nullptr));
}

TEST_F(TreeTest, DeletingASelectedItemUpdatesTheSelection)
{
    Click(s[1]);
    Click(s[2], MK_CONTROL);
    parent.records.clear();
    tree.DeleteItem(s[2]);
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{s[1]});
    EXPECT_FALSE(tree.IsItemSelected(s[2]));
    EXPECT_EQ(parent.NotifyCodes(), (std::vector<int>{TVN_SELCHANGING, TVN_SELCHANGED}));
    // Removal cannot be refused.
    answers[TVN_SELCHANGING] = 1;
    tree.DeleteAllItems();
    EXPECT_EQ(tree.GetSelectedCount(), 0u);
}

TEST_F(TreeTest, ArrowKeysMoveTheSelection)
{
    Click(s[0]);
    tree.DeliverMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{s[1]});
    tree.DeliverMessage(WM_KEYDOWN, VK_UP, 0);
    tree.DeliverMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{all});
    tree.DeliverMessage(WM_KEYDOWN, VK_LEFT, 0); // collapses
    EXPECT_FALSE(tree.IsExpanded(all));
    tree.DeliverMessage(WM_KEYDOWN, VK_RIGHT, 0); // expands
    tree.DeliverMessage(WM_KEYDOWN, VK_RIGHT, 0); // to the first child
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{s[0]});
    tree.DeliverMessage(WM_KEYDOWN, VK_LEFT, 0); // to the parent
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{all});
    tree.DeliverMessage(WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{s[5]});
}

TEST_F(TreeTest, ClicksDoubleClicksAndRightClicksReachTheParent)
{
    Click(s[1]);
    tree.DeliverMessage(WM_RBUTTONDOWN, MK_RBUTTON, At(Centre(s[3])));
    tree.DeliverMessage(WM_RBUTTONUP, 0, At(Centre(s[3])));
    std::vector<int> codes;
    for (int code : parent.NotifyCodes())
        if (code == NM_CLICK || code == NM_RCLICK)
            codes.push_back(code);
    EXPECT_EQ(codes, (std::vector<int>{NM_CLICK, NM_RCLICK}));
    EXPECT_EQ(parent.Of(WM_NOTIFY).back().notify.hItem, s[3]);
    EXPECT_EQ(parent.Of(WM_NOTIFY).back().notify.nIdFrom, 100u);

    // An unhandled double click toggles the item; a handled one does not.
    tree.DeliverMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(Centre(group)));
    EXPECT_FALSE(tree.IsExpanded(group));
    answers[NM_DBLCLK] = 1;
    tree.DeliverMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(Centre(group)));
    EXPECT_FALSE(tree.IsExpanded(group));
    EXPECT_EQ(parent.NotifyCodes().back(), NM_DBLCLK);
}

TEST_F(TreeTest, WheelScrollsThreeRowsANotch)
{
    for (int i = 0; i < 20; ++i)
        tree.InsertItem("Extra " + std::to_string(i), "", group, TVI_LAST);
    ASSERT_EQ(tree.GetScrollLine(), 0);
    tree.DeliverMessage(WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint16_t>(-120)) << 16, 0);
    EXPECT_EQ(tree.GetScrollLine(), 3);
    tree.DeliverMessage(WM_MOUSEWHEEL, static_cast<WPARAM>(120) << 16, 0);
    EXPECT_EQ(tree.GetScrollLine(), 0);
}

TEST_F(TreeTest, RealMouseInputTakesTheWindowsRoad)
{
    QTreeWidget* view = plat::NativeWidget(&tree)->findChild<QTreeWidget*>();
    ASSERT_NE(view, nullptr);
    auto press = [&](HTREEITEM h, Qt::KeyboardModifiers keys) {
        const QPoint at = view->viewport()->mapFrom(plat::NativeWidget(&tree), QPoint(Centre(h).x, Centre(h).y));
        const QPointF global = view->viewport()->mapToGlobal(QPointF(at));
        QMouseEvent down(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, keys);
        QApplication::sendEvent(view->viewport(), &down);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton, keys);
        QApplication::sendEvent(view->viewport(), &up);
    };
    int filtered = 0;
    parent.filter = [&](MSG* msg) {
        filtered += msg->message == WM_LBUTTONDOWN;
        return false;
    };
    press(s[1], Qt::NoModifier);
    press(s[3], Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<HTREEITEM>{s[1], s[3]}));
    EXPECT_EQ(filtered, 2); // each press met the parent's filter once
}

TEST_F(TreeTest, RealKeysTakeTheWindowsRoad)
{
    QTreeWidget* view = plat::NativeWidget(&tree)->findChild<QTreeWidget*>();
    ASSERT_NE(view, nullptr);
    tree.SelectItem(s[1]);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(view, &down);
    EXPECT_EQ(Selected(), std::vector<HTREEITEM>{s[2]});
}

TEST_F(TreeTest, LabelEditingNeedsTheStyleAndTheParentsConsent)
{
    EXPECT_EQ(tree.EditLabel(s[0]), nullptr);
    tree.SetEditLabels(true);
    EXPECT_TRUE(tree.GetEditLabels());
    answers[TVN_BEGINLABELEDIT] = 1;
    EXPECT_EQ(tree.EditLabel(s[0]), nullptr);
    EXPECT_FALSE(tree.IsEditingLabel());
    answers.clear();
    CTreeLabelEdit* edit = tree.EditLabel(s[0]);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(tree.IsEditingLabel());
    EXPECT_EQ(tree.GetEditControl(), edit);
    EXPECT_EQ(edit->GetWindowText(), "Sender 1");
}

TEST_F(TreeTest, TheEditLimitCutsLongText)
{
    tree.SetEditLabels(true);
    CTreeLabelEdit* edit = tree.EditLabel(group);
    ASSERT_NE(edit, nullptr);
    edit->LimitText(15);
    EXPECT_EQ(edit->GetLimitText(), 15);
    edit->SetWindowText("A very long group name");
    EXPECT_EQ(edit->GetWindowText(), "A very long gro");
    edit->SetSel(0, -1);
    int start = -1, end = -1;
    edit->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 15);
    edit->SetSel(4, 4);
    edit->GetSel(start, end);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 4);
    // Typing beyond the limit changes nothing.
    QLineEdit* line = plat::NativeWidget(&tree)->findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr);
    line->end(false);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(line, &key);
    EXPECT_EQ(edit->GetWindowText(), "A very long gro");
    edit->LimitText(0);
    QApplication::sendEvent(line, &key);
    EXPECT_EQ(edit->GetWindowText(), "A very long grox");
}

TEST_F(TreeTest, EndOfEditingAcceptedRefusedOrCancelled)
{
    tree.SetEditLabels(true);
    answers[TVN_ENDLABELEDIT] = 1;
    tree.EditLabel(s[1])->SetWindowText("Left wall");
    EXPECT_TRUE(tree.EndEditLabelNow(false));
    EXPECT_FALSE(tree.IsEditingLabel());
    EXPECT_EQ(tree.GetItemText(s[1]), "Left wall");
    const auto ended = parent.Of(WM_NOTIFY).back();
    EXPECT_EQ(ended.notify.nCode, TVN_ENDLABELEDIT);
    EXPECT_TRUE(ended.hasText);
    EXPECT_EQ(ended.text, "Left wall");

    answers[TVN_ENDLABELEDIT] = 0;
    tree.EditLabel(s[1])->SetWindowText("Refused");
    tree.EndEditLabelNow(false);
    EXPECT_EQ(tree.GetItemText(s[1]), "Left wall");

    answers[TVN_ENDLABELEDIT] = 1;
    tree.EditLabel(s[1])->SetWindowText("Dropped");
    tree.EndEditLabelNow(true);
    EXPECT_EQ(tree.GetItemText(s[1]), "Left wall");
    EXPECT_FALSE(parent.Of(WM_NOTIFY).back().hasText);
    EXPECT_FALSE(tree.EndEditLabelNow(false)); // nothing open
}

TEST_F(TreeTest, EnterInTheEditorCommits)
{
    tree.SetEditLabels(true);
    answers[TVN_ENDLABELEDIT] = 1;
    tree.EditLabel(s[2])->SetWindowText("Stage");
    QLineEdit* line = plat::NativeWidget(&tree)->findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(line, &enter);
    ASSERT_TRUE(WaitFor([this] { return !tree.IsEditingLabel(); }));
    EXPECT_EQ(tree.GetItemText(s[2]), "Stage");
}

namespace {

// A tree that rebuilds itself when a label edit ends, as the sender tree does.
class RebuildingTree : public CMorvSenderTreeCtrl {
public:
    int rebuilds = 0;

protected:
    bool OnEndLabelEdit(HTREEITEM, const std::string* text) override
    {
        DeleteAllItems();
        InsertItem(text ? *text : "cancelled");
        ++rebuilds;
        return true;
    }
};

} // namespace

TEST(TreeEditing, AHandlerMayRebuildTheTree)
{
    CRecorderWnd parent;
    ASSERT_TRUE(parent.Create());
    RebuildingTree tree;
    ASSERT_TRUE(tree.Create(&parent, CRect(0, 0, 200, 200), 7));
    tree.SetEditLabels(true);
    tree.EditLabel(tree.InsertItem("Old"))->SetWindowText("New");
    tree.EndEditLabelNow(false);
    EXPECT_EQ(tree.rebuilds, 1);
    EXPECT_EQ(tree.GetCount(), 1u);
    EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), "New");
    // Deleting the item under edit ends the editing as cancelled.
    tree.EditLabel(tree.GetRootItem());
    tree.DeleteItem(tree.GetRootItem());
    EXPECT_EQ(tree.rebuilds, 2);
    EXPECT_FALSE(tree.IsEditingLabel());
}

namespace {

// A tree that is its own drop target and drags its items, as the sender
// tree does.
class DragTree : public CMorvSenderTreeCtrl, public IOleDropTargetEvent {
public:
    COleDropTargetEx target;
    std::vector<std::string> log;
    std::vector<int> scrolls;
    HTREEITEM dropOn = nullptr;

    bool Build(CWnd* parent, const CRect& rect)
    {
        if (!Create(parent, rect, 9))
            return false;
        target.SetEventSink(this);
        return target.Register(this);
    }

protected:
    void OnBeginDrag(HTREEITEM, CPoint) override
    {
        log.push_back("begin");
        COleDataSource source;
        source.CacheData(CF_TEXT, "");
        source.DoDragDrop(this, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
    }
    DROPEFFECT OnDragEnter(CWnd*, COleDataObject* data, DWORD, CPoint) override
    {
        log.push_back("enter");
        return data->IsDataAvailable(CF_TEXT) ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint point) override
    {
        log.push_back("over");
        scrolls.push_back(DragAutoScroll(point, 20));
        return DROPEFFECT_MOVE;
    }
    DROPEFFECT OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint point) override
    {
        log.push_back("dropex");
        dropOn = HitTest(point);
        return DROPEFFECT_MOVE;
    }
    int OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) override
    {
        log.push_back("drop");
        return 1;
    }
    void OnDragLeave(CWnd*) override { log.push_back("leave"); }
};

class TreeDragTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create(300, 300));
        ASSERT_TRUE(tree.Build(&parent, CRect(0, 0, 200, 150)));
        for (int i = 0; i < 30; ++i)
            items.push_back(tree.InsertItem("Item " + std::to_string(i)));
    }

    void TearDown() override { morv::drag::Cancel(); }

    CPoint Centre(HTREEITEM h) const
    {
        CRect r;
        EXPECT_TRUE(tree.GetItemRect(h, &r, true));
        return r.CenterPoint();
    }

    CRecorderWnd parent;
    DragTree tree;
    std::vector<HTREEITEM> items;
};

} // namespace

TEST_F(TreeDragTest, ADragRunsEnterOverDropInOrder)
{
    const CPoint from = Centre(items[1]);
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({from.x + 2, from.y})); // not yet a drag
    EXPECT_TRUE(tree.log.empty());
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({from.x + 10, from.y}));
    EXPECT_EQ(tree.log, (std::vector<std::string>{"begin", "enter"}));
    ASSERT_TRUE(morv::drag::IsDragging());
    const CPoint to = Centre(items[3]);
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(to));
    tree.DeliverMessage(WM_LBUTTONUP, 0, At(to));
    EXPECT_EQ(tree.log, (std::vector<std::string>{"begin", "enter", "over", "dropex"}));
    EXPECT_EQ(tree.dropOn, items[3]);
    EXPECT_FALSE(morv::drag::IsDragging());
    // The press became a drag, not a click: the selection stayed on the pressed item.
    EXPECT_EQ(tree.GetSelectedItems(), std::vector<HTREEITEM>{items[1]});
}

TEST_F(TreeDragTest, DraggingNearTheEdgesScrollsOneRowAtATime)
{
    const CPoint from = Centre(items[2]);
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({from.x + 10, from.y}));
    ASSERT_TRUE(morv::drag::IsDragging());
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({50, 75}));
    EXPECT_EQ(tree.GetScrollLine(), 0);
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({50, 140}));
    EXPECT_EQ(tree.GetScrollLine(), 1);
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({50, 145}));
    EXPECT_EQ(tree.GetScrollLine(), 2);
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({50, 5}));
    EXPECT_EQ(tree.GetScrollLine(), 1);
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({50, 6}));
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({50, 7}));
    EXPECT_EQ(tree.GetScrollLine(), 0);
    EXPECT_EQ(tree.scrolls, (std::vector<int>{0, 1, 1, -1, -1, 0})); // the top stops scrolling
    tree.DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(tree.log.back(), "leave");
    EXPECT_FALSE(morv::drag::IsDragging());
}

TEST_F(TreeTest, WithoutAnOverrideTheBeginOfADragGoesToTheParent)
{
    const CPoint from = Centre(s[0]);
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({from.x, from.y + 12}));
    const auto sent = parent.Of(WM_NOTIFY);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().notify.nCode, TVN_BEGINDRAG);
    EXPECT_EQ(sent.back().notify.hItem, s[0]);
    EXPECT_EQ(sent.back().notify.ptClient, from);
    EXPECT_FALSE(morv::drag::IsDragging());
}
