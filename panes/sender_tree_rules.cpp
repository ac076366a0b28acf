#include "panes/sender_tree_rules.h"

#include "host/host_enums.h"
#include "host/vistrano_project.h"
#include "platform/format.h"
#include "platform/utf8.h"

#include <algorithm>
#include <cctype>

SCurrentObject RecordForSelection(const SCurrentObject& current, const STreeSelection& selection,
                                  int rememberedRenderType)
{
    SCurrentObject r = current;
    const bool blockLayout = r.nRenderType == RENDER_SENDER_BLOCKS || r.nRenderType == RENDER_BLOCK_GRID;
    switch (selection.nType) {
    case TREE_NODE_ALL_SENDERS:
        r.nScope = TREE_NODE_ALL_SENDERS;
        r.bValid = 0;
        r.nRenderType = RENDER_SENDER_BLOCKS;
        break;
    case TREE_NODE_GROUP:
        r.nScope = TREE_NODE_GROUP;
        r.bValid = 0;
        r.nSender = selection.nGroupFirstSender;
        break;
    case TREE_NODE_SENDER:
        r.nSender = selection.nIndex;
        r.bValid = 1;
        if (selection.nSelectedCount > 1) {
            r.nScope = TREE_NODE_GROUP;
            r.nRenderType = RENDER_BLOCK_GRID;
        } else {
            r.nScope = TREE_NODE_SENDER;
            if (blockLayout)
                r.nRenderType = rememberedRenderType;
        }
        break;
    case TREE_NODE_PORT:
        // A port shows its receivers: never the block layouts, and the
        // single-sender view becomes the receiver view.
        r.nScope = TREE_NODE_PORT;
        r.bValid = 1;
        r.nSender = selection.nPortSender;
        r.nPort = selection.nIndex;
        if (blockLayout)
            r.nRenderType = rememberedRenderType;
        if (r.nRenderType == RENDER_SINGLE_SENDER)
            r.nRenderType = RENDER_RECEIVER;
        break;
    default: break;
    }
    return r;
}

std::string GroupEditText(const std::string& label)
{
    // "Hall (3)" → "Hall"
    if (label.size() < 4 || label.back() != ')')
        return label;
    const std::size_t open = label.rfind(" (");
    if (open == std::string::npos || open + 3 > label.size() - 1)
        return label;
    for (std::size_t i = open + 2; i + 1 < label.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(label[i])))
            return label;
    return label.substr(0, open);
}

std::string SenderEditText(const std::string& label, bool fixedAddress)
{
    if (!fixedAddress || label.empty() || label.back() != ')')
        return label;
    const std::size_t open = label.rfind('(');
    return open == std::string::npos ? label : label.substr(0, open);
}

std::string KeepNameWithinBytes(const std::string& now, const std::string& before, std::size_t maxBytes, bool& restored)
{
    restored = now.size() > maxBytes;
    return restored ? plat::CutUtf8(before, maxBytes) : now;
}

int Utf16Length(const std::string& text)
{
    int units = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80)
            ++units; // a character's first byte
        if (c >= 0xF0)
            ++units; // four-byte characters take two units
    }
    return units;
}

std::string TrimName(const std::string& text)
{
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && blank(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && blank(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

std::string NewGroupName(const std::string& prefix, int groupCount)
{
    return prefix + plat::Format("%d", groupCount + 1);
}

SDeleteCheck CheckSenderDeletion(const std::vector<int>& selected, int senderCount,
                                 const std::vector<std::vector<int>>& partners)
{
    SDeleteCheck check;
    std::vector<int> chosen = selected;
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    const auto isChosen = [&](int s) { return std::binary_search(chosen.begin(), chosen.end(), s); };
    int inProject = 0;
    for (int s : chosen)
        inProject += s >= 0 && s < senderCount ? 1 : 0;
    if (senderCount > 0 && inProject >= senderCount) {
        check.eRefusal = EDeleteRefusal::AllSenders;
        return check;
    }
    for (int s : chosen) {
        if (s < 0 || static_cast<std::size_t>(s) >= partners.size())
            continue;
        const auto& mine = partners[static_cast<std::size_t>(s)];
        if (std::any_of(mine.begin(), mine.end(), [&](int p) { return p != s && !isChosen(p); }))
            check.lonely.push_back(s);
    }
    if (!check.lonely.empty())
        check.eRefusal = EDeleteRefusal::BackupPartner;
    return check;
}

std::string BackupExistMessage(const std::string& senderWord, const std::vector<int>& lonely, const std::string& reason)
{
    std::string text = senderWord;
    for (std::size_t i = 0; i < lonely.size(); ++i)
        text += plat::Format(i + 1 < lonely.size() ? "%d," : "%d ", lonely[i] + 1);
    return text + reason;
}

std::vector<int> DeletionSequence(std::vector<int> selected)
{
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    for (std::size_t k = 0; k < selected.size(); ++k)
        selected[k] -= static_cast<int>(k);
    return selected;
}

std::vector<std::pair<int, int>> RenumberedSenders(int senderCount, std::vector<int> deleted)
{
    std::sort(deleted.begin(), deleted.end());
    std::vector<std::pair<int, int>> moves;
    int gone = 0;
    for (int i = 0; i < senderCount; ++i) {
        if (std::binary_search(deleted.begin(), deleted.end(), i))
            ++gone;
        else if (gone)
            moves.emplace_back(i, i - gone);
    }
    return moves;
}

bool CanAddSenders(int senderCount, int n)
{
    return senderCount < kMaxSenderCount && n <= kMaxSenderCount - 1 && n != 0 && n >= -1;
}
