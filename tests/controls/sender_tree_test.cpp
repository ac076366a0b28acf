#include "controls/drop_target.h"
#include "controls/sender_tree.h"
#include "controls_test_support.h"
#include "platform/native_qt.h"
#include "sender_tree_paint.h"
#include "sender_tree_rules.h"
#include "widgets_test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <map>
#include <optional>

using namespace morv::tree;
using widget_test::At;
using widget_test::CRecorderWnd;
using widget_test::WaitFor;
using Items = std::vector<HTREEITEM>;

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
    Items Selected() const { return tree.GetSelectedItems(); }
    QLineEdit* Editor()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // editors that ended
        return plat::NativeWidget(&tree)->findChild<QLineEdit*>();
    }

    CRecorderWnd parent;
    CMorvSenderTreeCtrl tree;
    std::map<int, LRESULT> answers;
    HTREEITEM all = nullptr;
    HTREEITEM group = nullptr;
    HTREEITEM s[6] = {};
};

} // namespace

TEST_F(TreeTest, StructureFieldsInsertAndDelete)
{
    EXPECT_EQ(tree.GetCount(), 8u);
    EXPECT_EQ(Items({tree.GetRootItem(), tree.GetChildItem(TVI_ROOT), tree.GetChildItem(all),
                     tree.GetNextSiblingItem(s[0]), tree.GetPrevSiblingItem(s[1]), tree.GetPrevSiblingItem(s[0]),
                     tree.GetNextSiblingItem(all), tree.GetParentItem(s[5]), tree.GetParentItem(all)}),
              Items({all, all, s[0], s[1], s[0], nullptr, group, group, nullptr}));
    EXPECT_EQ(std::tuple(tree.ItemHasChildren(group), tree.ItemHasChildren(s[5]), tree.GetItemOnline(s[2]),
                         tree.GetItemWarning(s[4])),
              std::tuple(true, false, false, true));
    EXPECT_TRUE(tree.SetItemFlags(s[2], true, true) && tree.GetItemOnline(s[2])
                && tree.SetItemData(s[3], 0xFEDCBA9876543210ull));
    EXPECT_TRUE(tree.SetItemImage(s[0], "Skin/x.png") && tree.SetItemText(s[0], "Renamed"));
    EXPECT_EQ(
        std::tuple(tree.GetItemImage(s[0]), tree.GetItemText(s[0]), tree.GetItemData(s[3]),
                   tree.GetItemData(s[2])), // all 64 bits
        std::tuple(std::string("Skin/x.png"), std::string("Renamed"), uint64_t{0xFEDCBA9876543210ull}, uint64_t{0}));

    const HTREEITEM first = tree.InsertItem("First", "", all, TVI_FIRST);
    const HTREEITEM middle = tree.InsertItem("Middle", "", all, s[1]);
    const HTREEITEM last = tree.InsertItem("Last", "", all, s[5]); // "after" an item of another parent: last
    EXPECT_EQ(Items({tree.GetChildItem(all), tree.GetNextSiblingItem(s[1]), tree.GetNextSiblingItem(middle)}),
              Items({first, middle, s[2]}));
    EXPECT_EQ(tree.GetNextSiblingItem(s[4]), last);
    EXPECT_EQ(tree.InsertItem("Orphan", "", reinterpret_cast<HTREEITEM>(uintptr_t{999}), TVI_LAST), nullptr);

    const HTREEITEM gone = s[5];
    EXPECT_TRUE(tree.DeleteItem(group));
    EXPECT_EQ(std::tuple(tree.GetCount(), tree.GetItemText(gone)), std::tuple(9u, std::string()));
    EXPECT_FALSE(tree.SetItemData(gone, 1) || tree.DeleteItem(gone) || tree.Expand(gone, TVE_EXPAND)
                 || tree.SelectItem(gone) || tree.GetChildItem(gone));
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(std::tuple(tree.GetCount(), tree.GetRootItem()), std::tuple(0u, HTREEITEM{}));
}

TEST_F(TreeTest, ExpansionTheButtonHitTestsKeysClicksAndTheWheel)
{
    EXPECT_TRUE(tree.Expand(all, TVE_COLLAPSE) && !tree.IsExpanded(all));
    EXPECT_EQ(parent.NotifiedOf(), (std::vector<int>{TVN_ITEMEXPANDING, TVN_ITEMEXPANDED}));
    EXPECT_EQ(std::tuple(parent.records[0].notify.bExpand, parent.records[0].notify.hItem), std::tuple(false, all));
    EXPECT_EQ(tree.GetVisibleItems(), Items({all, group, s[5]}));
    CRect r;
    EXPECT_FALSE(tree.GetItemRect(s[0], &r, false)); // hidden inside a collapsed parent
    answers[TVN_ITEMEXPANDING] = 1;
    EXPECT_FALSE(tree.Expand(all, TVE_TOGGLE) || tree.IsExpanded(all));
    answers.clear();
    EXPECT_TRUE(tree.Expand(all, TVE_TOGGLE));
    EXPECT_TRUE(tree.IsExpanded(all) && !tree.Expand(all, 0x77));

    for (HTREEITEM h : tree.GetVisibleItems()) {
        UINT flags = 0;
        EXPECT_EQ(tree.HitTest(Centre(h), &flags), h);
        EXPECT_EQ(flags, TVHT_ONITEMLABEL);
    }
    UINT flags = 0;
    EXPECT_EQ(std::tuple(tree.HitTest({100, 275}, &flags), flags), std::tuple(HTREEITEM{}, UINT{TVHT_NOWHERE}));
    EXPECT_EQ(tree.HitTest({-5, 10}, &flags), nullptr);

    // The button lies in the indent just left of the item; it toggles and does not select.
    CRect row, text;
    ASSERT_TRUE(tree.GetItemRect(group, &row, false) && tree.GetItemRect(group, &text, true));
    CPoint button{0, row.CenterPoint().y};
    while (button.x < text.left && !(tree.HitTest(button, &flags) && flags == TVHT_ONITEMBUTTON))
        ++button.x;
    ASSERT_EQ(flags, TVHT_ONITEMBUTTON);
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(button));
    EXPECT_EQ(std::tuple(tree.IsExpanded(group), tree.GetSelectedCount()), std::tuple(false, 0u));
    tree.DeliverMessage(WM_LBUTTONUP, 0, At(button));
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(button));
    EXPECT_TRUE(tree.IsExpanded(group));
    // Without an override the begin of a drag goes to the parent.
    const CPoint from = Centre(s[0]);
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({from.x, from.y + 12}));
    ASSERT_FALSE(parent.Of(WM_NOTIFY).empty());
    const STreeNotify began = parent.Of(WM_NOTIFY).back().notify;
    EXPECT_EQ(std::tuple(began.nCode, began.hItem, began.ptClient, morv::drag::IsDragging()),
              std::tuple(TVN_BEGINDRAG, s[0], from, false));
    Click(s[0]);
    // Left collapses, then goes to the parent; right expands, then goes to the first child.
    const std::tuple<UINT, HTREEITEM, bool> keys[]
        = {{VK_DOWN, s[1], true}, {VK_UP, s[0], true},    {VK_UP, all, true},   {VK_LEFT, all, false},
           {VK_RIGHT, all, true}, {VK_RIGHT, s[0], true}, {VK_LEFT, all, true}, {VK_END, s[5], true}};
    for (const auto& [key, selected, expanded] : keys) {
        KeyDown(tree, key);
        EXPECT_EQ(std::tuple(Selected(), tree.IsExpanded(all)), std::tuple(Items{selected}, expanded)) << key;
    }
    parent.records.clear();
    Click(s[1]);
    tree.DeliverMessage(WM_RBUTTONDOWN, MK_RBUTTON, At(Centre(s[3])));
    tree.DeliverMessage(WM_RBUTTONUP, 0, At(Centre(s[3])));
    EXPECT_EQ(parent.NotifiedOf({NM_CLICK, NM_RCLICK}), (std::vector<int>{NM_CLICK, NM_RCLICK}));
    EXPECT_EQ(std::tuple(parent.Of(WM_NOTIFY).back().notify.hItem, parent.Of(WM_NOTIFY).back().notify.nIdFrom),
              std::tuple(s[3], 100u));
    // An unhandled double click toggles the item; a handled one does not.
    tree.DeliverMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(Centre(group)));
    EXPECT_FALSE(tree.IsExpanded(group));
    answers[NM_DBLCLK] = 1;
    tree.DeliverMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(Centre(group)));
    EXPECT_FALSE(tree.IsExpanded(group));
    EXPECT_EQ(parent.NotifiedOf().back(), NM_DBLCLK);

    // Three rows a notch, over items added just before.
    tree.Expand(group, TVE_EXPAND);
    for (int i = 0; i < 20; ++i)
        tree.InsertItem("Extra " + std::to_string(i), "", group, TVI_LAST);
    ASSERT_EQ(tree.GetScrollLine(), 0);
    tree.DeliverMessage(WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint16_t>(-120)) << 16, 0);
    EXPECT_EQ(tree.GetScrollLine(), 3);
    tree.DeliverMessage(WM_MOUSEWHEEL, static_cast<WPARAM>(120) << 16, 0);
    EXPECT_EQ(tree.GetScrollLine(), 0);
}

TEST_F(TreeTest, SelectionByRealInputClicksCodeAndRemoval)
{
    // Real input takes the road of the windows' filters.
    QTreeWidget* view = plat::NativeWidget(&tree)->findChild<QTreeWidget*>();
    ASSERT_NE(view, nullptr);
    auto press = [&](HTREEITEM h, Qt::KeyboardModifiers keys) {
        widget_test::RealClick(view->viewport(),
                               view->viewport()->mapFrom(plat::NativeWidget(&tree), QPoint(Centre(h).x, Centre(h).y)),
                               keys);
    };
    int filtered = 0;
    parent.filter = [&](MSG* msg) {
        filtered += msg->message == WM_LBUTTONDOWN;
        return false;
    };
    press(s[1], Qt::NoModifier);
    press(s[3], Qt::ControlModifier);
    EXPECT_EQ(Selected(), Items({s[1], s[3]}));
    EXPECT_EQ(filtered, 2); // each press met the parent's filter once
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(view, &down);
    EXPECT_EQ(Selected(), Items{s[4]});
    parent.records.clear();

    Click(s[0]);
    EXPECT_EQ(Selected(), Items{s[0]});
    Click(s[2], MK_CONTROL);
    EXPECT_EQ(Selected(), Items({s[0], s[2]}));
    Click(s[4], MK_SHIFT);
    EXPECT_EQ(std::tuple(Selected(), tree.GetSelectedItem()), std::tuple(Items({s[2], s[3], s[4]}), s[4]));
    Click(s[3], MK_CONTROL);
    EXPECT_EQ(std::tuple(Selected(), tree.GetSelectedItem()), std::tuple(Items({s[2], s[4]}), s[2])); // focus left
    // A plain press on the selection waits for the release.
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Centre(s[4])));
    EXPECT_EQ(tree.GetSelectedCount(), 2u);
    tree.DeliverMessage(WM_LBUTTONUP, 0, At(Centre(s[4])));
    EXPECT_EQ(Selected(), Items{s[4]});
    Click(s[0]);
    Items focus;
    for (const auto& r : parent.Of(WM_NOTIFY, TVN_SELCHANGED))
        focus.push_back(r.notify.hItem);
    EXPECT_EQ(focus, Items({s[0], s[2], s[4], s[2], s[4], s[0]}));

    answers[TVN_SELCHANGING] = 1; // the parent refuses changes
    Click(s[1]);
    EXPECT_FALSE(tree.SelectItem(s[3]));
    EXPECT_EQ(Selected(), Items{s[0]});
    answers.clear();
    EXPECT_TRUE(tree.SelectItem(s[1]) && tree.SetItemSelected(s[5], true) && tree.IsItemSelected(s[5]));
    EXPECT_EQ(tree.GetSelectedItem(), s[1]);
    EXPECT_TRUE(tree.SetItemSelected(s[1], false));
    EXPECT_EQ(tree.GetSelectedItem(), s[5]);
    tree.ClearSelection();
    EXPECT_EQ(std::tuple(tree.GetSelectedCount(), tree.GetSelectedItem()), std::tuple(0u, HTREEITEM{}));
    EXPECT_TRUE(tree.SelectItem(nullptr));

    Click(s[1]);
    Click(s[2], MK_CONTROL);
    parent.records.clear();
    tree.DeleteItem(s[2]);
    EXPECT_EQ(std::tuple(Selected(), tree.IsItemSelected(s[2])), std::tuple(Items{s[1]}, false));
    EXPECT_EQ(parent.NotifiedOf(), (std::vector<int>{TVN_SELCHANGING, TVN_SELCHANGED}));
    answers[TVN_SELCHANGING] = 1; // removal cannot be refused
    tree.DeleteAllItems();
    EXPECT_EQ(tree.GetSelectedCount(), 0u);
}

TEST_F(TreeTest, LabelEditingConsentLimitAndEnd)
{
    EXPECT_EQ(tree.EditLabel(s[0]), nullptr);
    tree.SetEditLabels(true);
    answers[TVN_BEGINLABELEDIT] = 1;
    EXPECT_EQ(tree.EditLabel(s[0]), nullptr);
    EXPECT_FALSE(tree.IsEditingLabel());
    answers.clear();
    CTreeLabelEdit* edit = tree.EditLabel(group);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(std::tuple(tree.IsEditingLabel(), tree.GetEditControl(), edit->GetWindowText()),
              std::tuple(true, edit, std::string("Hall (1)")));
    edit->LimitText(15);
    edit->SetWindowText("A very long group name");
    EXPECT_EQ(edit->GetWindowText(), "A very long gro");
    for (const auto& [from, to, start, end] : {std::tuple(0, -1, 0, 15), std::tuple(4, 4, 4, 4)}) {
        int gotStart = -1, gotEnd = -1;
        edit->SetSel(from, to);
        edit->GetSel(gotStart, gotEnd);
        EXPECT_EQ(std::tuple(gotStart, gotEnd), std::tuple(start, end));
    }
    ASSERT_NE(Editor(), nullptr);
    Editor()->end(false);
    QKeyEvent x(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(Editor(), &x); // beyond the limit: nothing
    EXPECT_EQ(edit->GetWindowText(), "A very long gro");
    edit->LimitText(0);
    QApplication::sendEvent(Editor(), &x);
    EXPECT_EQ(edit->GetWindowText(), "A very long grox");
    tree.EndEditLabelNow(true);

    // An end accepted, refused by the parent, or cancelled (which sends no text).
    const std::tuple<LRESULT, const char*, bool> ends[]
        = {{1, "Left wall", false}, {0, "Refused", false}, {1, "Dropped", true}};
    for (const auto& [answer, text, cancel] : ends) {
        answers[TVN_ENDLABELEDIT] = answer;
        tree.EditLabel(s[1])->SetWindowText(text);
        EXPECT_TRUE(tree.EndEditLabelNow(cancel));
        const auto ended = parent.Of(WM_NOTIFY).back();
        EXPECT_EQ(
            std::tuple(tree.IsEditingLabel(), tree.GetItemText(s[1]), ended.notify.nCode, ended.hasText, ended.text),
            std::tuple(false, std::string("Left wall"), TVN_ENDLABELEDIT, !cancel, std::string(cancel ? "" : text)));
    }
    EXPECT_FALSE(tree.EndEditLabelNow(false)); // nothing open
    // Enter in the editor commits.
    tree.EditLabel(s[2])->SetWindowText("Stage");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    ASSERT_NE(Editor(), nullptr);
    QApplication::sendEvent(Editor(), &enter);
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
    EXPECT_EQ(std::tuple(tree.rebuilds, tree.GetCount(), tree.GetItemText(tree.GetRootItem())),
              std::tuple(1, 1u, std::string("New")));
    // Deleting the item under edit ends the editing as cancelled.
    tree.EditLabel(tree.GetRootItem());
    tree.DeleteItem(tree.GetRootItem());
    EXPECT_EQ(std::tuple(tree.rebuilds, tree.IsEditingLabel()), std::tuple(2, false));
}

namespace {

// A tree that drags its items and is its own drop target, scrolling near its
// edges, as the sender tree does.
class DragTree : public CMorvSenderTreeCtrl {
public:
    struct ScrollingSink : widget_test::SinkLog {
        DragTree* tree = nullptr;
        std::vector<int> scrolls;
        DROPEFFECT OnDragOver(CWnd* wnd, COleDataObject* data, DWORD keys, CPoint point) override
        {
            scrolls.push_back(tree->DragAutoScroll(point, 20));
            return SinkLog::OnDragOver(wnd, data, keys, point);
        }
    } sink;
    COleDropTargetEx target;
    widget_test::Log log;

protected:
    void OnBeginDrag(HTREEITEM, CPoint) override
    {
        log.push_back("begin");
        COleDataSource source;
        source.CacheData(CF_TEXT, "");
        source.DoDragDrop(this, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
    }
};

} // namespace

TEST(TreeDrag, ADragRunsInOrderAndScrollsNearTheEdges)
{
    CRecorderWnd parent;
    DragTree tree;
    ASSERT_TRUE(parent.Create(300, 300));
    ASSERT_TRUE(tree.Create(&parent, CRect(0, 0, 200, 150), 9));
    std::tie(tree.sink.name, tree.sink.log, tree.sink.tree, tree.sink.dropExAnswer)
        = std::tuple("T", &tree.log, &tree, DROPEFFECT_MOVE);
    tree.target.SetEventSink(&tree.sink);
    ASSERT_TRUE(tree.target.Register(&tree));
    Items items;
    for (int i = 0; i < 30; ++i)
        items.push_back(tree.InsertItem("Item " + std::to_string(i)));
    const auto move = [&](CPoint p) { tree.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(p)); };
    CRect r;
    ASSERT_TRUE(tree.GetItemRect(items[1], &r, true));
    const CPoint from = r.CenterPoint();
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    move({from.x + 2, from.y}); // not yet a drag
    EXPECT_TRUE(tree.log.empty());
    move({from.x + 10, from.y});
    EXPECT_EQ(tree.log, (widget_test::Log{"begin", "T:enter"}));
    ASSERT_TRUE(morv::drag::IsDragging());
    ASSERT_TRUE(tree.GetItemRect(items[3], &r, true));
    move(r.CenterPoint());
    tree.DeliverMessage(WM_LBUTTONUP, 0, At(r.CenterPoint()));
    EXPECT_EQ(tree.log, (widget_test::Log{"begin", "T:enter", "T:over", "T:dropex 2/7"}));
    EXPECT_EQ(std::tuple(tree.HitTest(tree.sink.lastPoint), morv::drag::IsDragging()), std::tuple(items[3], false));
    // The press became a drag, not a click: the selection stayed on the pressed item.
    EXPECT_EQ(tree.GetSelectedItems(), Items{items[1]});

    tree.sink.scrolls.clear();
    tree.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    move({from.x + 10, from.y});
    ASSERT_TRUE(morv::drag::IsDragging());
    const std::pair<int, int> steps[] = {{75, 0}, {140, 1}, {145, 2}, {5, 1}, {6, 0}, {7, 0}}; // y, scroll line
    for (const auto& [y, line] : steps) {
        move({50, y});
        EXPECT_EQ(tree.GetScrollLine(), line) << y;
    }
    EXPECT_EQ(tree.sink.scrolls, (std::vector<int>{0, 1, 1, -1, -1, 0})); // the top stops scrolling
    tree.DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(std::tuple(tree.log.back(), morv::drag::IsDragging()), std::tuple(std::string("T:leave"), false));
}

namespace {

const std::vector<ItemId> kRows = {1, 2, 3, 4, 5, 6};

SSelection Only(ItemId id) { return SSelection{{id}, id, id}; }

} // namespace

TEST(TreeSelectionRules, ClicksDeferredPressKeysFocusAndRemoval)
{
    const std::tuple<const char*, SSelection, ItemId, bool, bool, SSelection> cases[]
        = {{"shift selects upwards as well", {{4}, 4, 4}, 2, false, true, {{2, 3, 4}, 2, 4}},
           {"ctrl+shift adds the range", {{6}, 6, 2}, 3, true, true, {{2, 3, 6}, 3, 2}},
           {"shift without a visible anchor acts plain", {{9}, 9, 9}, 3, false, true, {{3}, 3, 3}},
           {"a click outside the rows changes nothing", {{2}, 2, 2}, 42, false, false, {{2}, 2, 2}}};
    for (const auto& [what, before, clicked, ctrl, shift, after] : cases)
        EXPECT_EQ(ClickSelection(before, kRows, clicked, ctrl, shift), after) << what;
    // A plain press on a multiple selection waits.
    const SSelection several{{2, 3}, 3, 2};
    EXPECT_EQ(std::tuple(DefersPlainClick(several, 2, false, false), DefersPlainClick(several, 4, false, false),
                         DefersPlainClick(several, 2, true, false), DefersPlainClick(Only(2), 2, false, false)),
              std::tuple(true, false, false, false));
    const std::tuple<ItemId, UINT, int, ItemId> keys[]
        = {{3, VK_UP, 2, 2},  {3, VK_DOWN, 2, 4}, {1, VK_UP, 2, 1},    {6, VK_DOWN, 2, 6}, {3, VK_HOME, 2, 1},
           {3, VK_END, 2, 6}, {3, VK_NEXT, 2, 5}, {2, VK_PRIOR, 4, 1}, {0, VK_DOWN, 2, 1}, {3, 'A', 2, 0}};
    for (const auto& [from, key, page, to] : keys)
        EXPECT_EQ(KeyTarget(kRows, from, key, page), to) << from << " key " << key;
    EXPECT_EQ(KeyTarget({}, 3, VK_DOWN, 2), 0u);
    // The selected item is the focus while it is selected.
    EXPECT_EQ(std::tuple(SelectedItem(SSelection{{2, 5}, 5, 2}, kRows), SelectedItem(SSelection{{5, 2}, 4, 2}, kRows),
                         SelectedItem(SSelection{{}, 4, 4}, kRows)),
              std::tuple(5u, 2u, 0u));
    EXPECT_EQ(WithoutItems(SSelection{{2, 3, 5}, 3, 2}, {2, 3}), (SSelection{{5}, 0, 0}));
}

TEST(TreeRules, DragScrollBandsAndTheRowsPartsFromLeftToRight)
{
    const CRect client(0, 0, 200, 150);
    const std::pair<int, int> bands[] = {{0, -1}, {19, -1}, {20, 0}, {129, 0}, {130, 1}};
    for (const auto& [y, direction] : bands)
        EXPECT_EQ(DragScrollDirection(client, {50, y}, 20), direction) << y;
    EXPECT_EQ(std::tuple(DragScrollDirection(client, {50, 75}, 0), DragScrollDirection(CRect(), {0, 0}, 20)),
              std::tuple(0, 0));
    const SRowLayout l = RowLayout(CRect(0, 28, 200, 56), 36, 18, true, 1.0);
    EXPECT_EQ(l.rcButton, CRect(18, 28, 36, 56));
    EXPECT_EQ(std::tuple(l.rcIcon.left, l.rcIcon.Width(), l.rcText.left, l.rcText.right, l.rcMark.right),
              std::tuple(40, 16, l.rcIcon.right + 6, l.rcMark.left, 200));
    const std::tuple<CPoint, bool, UINT> zones[] = {
        {{20, 40}, true, TVHT_ONITEMBUTTON}, {{20, 40}, false, TVHT_ONITEMINDENT}, {{5, 40}, true, TVHT_ONITEMINDENT},
        {{45, 40}, false, TVHT_ONITEMICON},  {{100, 40}, false, TVHT_ONITEMLABEL}, {{195, 40}, false, TVHT_ONITEMRIGHT},
        {{100, 10}, false, TVHT_NOWHERE}};
    for (const auto& [point, hasButton, zone] : zones)
        EXPECT_EQ(HitZone(l, point, hasButton), zone) << point.x << "," << point.y;
    const SRowLayout bare = RowLayout(CRect(0, 0, 200, 28), 18, 18, false, 1.0);
    EXPECT_EQ(std::tuple(bare.rcIcon.IsRectEmpty(), bare.rcText.left), std::tuple(true, 22));
    EXPECT_EQ(RowLayout(CRect(0, 0, 400, 56), 36, 36, true, 2.0).rcIcon.Width(), 32);
}

namespace {

STreeLook TestLook()
{
    STreeLook look;
    look.font = {"Sans", 14, false};
    std::tie(look.clrPanel, look.clrSelection, look.clrHover, look.clrTextOnline, look.clrTextOffline,
             look.clrTextOnSelection, look.clrWarning)
        = std::tuple(RGBColor(250, 250, 250), RGBColor(38, 132, 255), RGBColor(222, 236, 255), RGBColor(33, 37, 41),
                     RGBColor(140, 148, 160), RGBColor(255, 255, 255), RGBColor(240, 82, 62));
    return look;
}

std::vector<DrawOp> Painted(const STreeRow& row)
{
    RecordingCanvas dc;
    PaintRow(dc, RowLayout(CRect(0, 0, 200, 28), 18, 18, false, 1.0), row, TestLook());
    return dc.Ops();
}

// A copy, so that it outlives the recording it came from.
std::optional<DrawOp> First(const std::vector<DrawOp>& ops, DrawOp::Kind kind)
{
    const auto it = std::find_if(ops.begin(), ops.end(), [kind](const DrawOp& op) { return op.kind == kind; });
    return it == ops.end() ? std::nullopt : std::optional(*it);
}

} // namespace

TEST(TreeRowPainting, LabelsBackgroundsMarksChevronsIconAndFrame)
{
    STreeRow row;
    row.strText = "Sender 1";
    auto ops = Painted(row);
    ASSERT_TRUE(First(ops, DrawOp::Kind::Text));
    EXPECT_EQ(std::tuple(First(ops, DrawOp::Kind::Text)->text, First(ops, DrawOp::Kind::Text)->color),
              std::tuple(std::string("Sender 1"), TestLook().clrTextOnline));
    EXPECT_FALSE(First(ops, DrawOp::Kind::FillEllipse) || First(ops, DrawOp::Kind::Polyline));
    row.bOnline = false;
    EXPECT_EQ(First(Painted(row), DrawOp::Kind::Text)->color, TestLook().clrTextOffline);
    row.bSelected = true;
    ops = Painted(row);
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(std::tuple(ops[1].kind, ops[1].color, ops[1].rect),
              std::tuple(DrawOp::Kind::FillRect, TestLook().clrSelection, CRect(0, 0, 200, 28)));
    EXPECT_EQ(First(ops, DrawOp::Kind::Text)->color, TestLook().clrTextOnSelection);
    std::tie(row.bSelected, row.bHovered) = std::tuple(false, true);
    EXPECT_EQ(Painted(row)[1].color, TestLook().clrHover);

    std::tie(row.bWarning, row.bHasChildren) = std::tuple(true, true);
    ops = Painted(row);
    ASSERT_TRUE(First(ops, DrawOp::Kind::FillEllipse) && First(ops, DrawOp::Kind::Polyline));
    EXPECT_EQ(First(ops, DrawOp::Kind::FillEllipse)->color, TestLook().clrWarning);
    // Collapsed, the chevron points right (its tip is its rightmost point); expanded, down.
    std::vector<CPoint> p = First(ops, DrawOp::Kind::Polyline)->points;
    EXPECT_TRUE(p[1].x > p[0].x && p[0].x == p[2].x);
    row.bExpanded = true;
    ops = Painted(row);
    ASSERT_TRUE(First(ops, DrawOp::Kind::Polyline));
    p = First(ops, DrawOp::Kind::Polyline)->points;
    EXPECT_TRUE(p[1].y > p[0].y && p[0].y == p[2].y);

    // The icon fills its box; a frame folder replaces the flat colours.
    const auto icon = Image::Solid(16, 16, RGBColor(1, 2, 3));
    std::tie(row.pIcon, row.bSelected) = std::tuple(icon.get(), true);
    TempImages images;
    images.Write("Checked.png", 12, 12);
    images.Write("Normal.png", 12, 12);
    STreeLook look = TestLook();
    look.strFrameFolder = images.Root();
    RecordingCanvas dc;
    const SRowLayout layout = RowLayout(CRect(0, 0, 200, 28), 18, 18, true, 1.0);
    PaintRow(dc, layout, row, look);
    const auto image = First(dc.Ops(), DrawOp::Kind::Image), frame = First(dc.Ops(), DrawOp::Kind::ImageNinePart);
    ASSERT_TRUE(image && frame);
    EXPECT_EQ(image->rect, layout.rcIcon);
    EXPECT_TRUE(EndsWithName(frame->image, "Checked.png"));
    for (const DrawOp& op : dc.Ops())
        EXPECT_FALSE(op.kind == DrawOp::Kind::FillRect && op.color == look.clrSelection);
}
