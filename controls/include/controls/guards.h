#pragma once
// Scoped guards for handlers.
//
// CEditChange: an edit-change handler that rewrites its own edit's text
// causes another change notification while it runs. The guard is keyed by
// the edit (or any object): a second guard for the same key while the first
// lives is "nested" and converts to false, so the handler returns at once.
// The base dialog runs OnEditChange inside this guard already.
//
// CControlEnable: a command handler runs with its control out of reach of
// further input (a second press while the handler's menu or dialog is open
// does nothing). For a window the guard disables it and restores the
// enabled state it found. For a button-bar item or a control-table entry it
// marks the item busy, which leaves the item's own enabled flag alone, so a
// handler that disables its own item keeps that change.
#include <memory>

class CWnd;
class CMorvButtonBar;
class CMorvBaseDlg;

class CEditChange {
public:
    explicit CEditChange(const void* key);
    ~CEditChange();
    CEditChange(const CEditChange&) = delete;
    CEditChange& operator=(const CEditChange&) = delete;

    bool IsNested() const { return m_nested; }
    explicit operator bool() const { return !m_nested; }
    static bool IsActive(const void* key);

private:
    const void* m_key;
    bool m_nested;
};

class CControlEnable {
public:
    explicit CControlEnable(CWnd* wnd);
    CControlEnable(CMorvButtonBar& bar, int item);
    CControlEnable(CMorvBaseDlg& dlg, int controlIndex);
    ~CControlEnable();
    CControlEnable(const CControlEnable&) = delete;
    CControlEnable& operator=(const CControlEnable&) = delete;

    // Nested: the control was already guarded (busy or disabled) when the
    // guard began; the handler should do nothing.
    bool IsNested() const { return m_nested; }
    explicit operator bool() const { return !m_nested; }

private:
    // What was guarded; the guard outlives nothing it guards (a window or
    // dialog destroyed by the handler is left alone).
    struct State;
    std::unique_ptr<State> m_state;
    bool m_nested = false;
};
