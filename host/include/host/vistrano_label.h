#pragma once
// IVistranoLabel: the host application's side of a page. A page sends its
// refresh requests through Notify; the host hands the mask back to every
// page through IQuarnLabel::Update.
#include <cstdint>
#include <string>

class CWnd;

class IVistranoLabel {
public:
    // Update mask and three words; the host passes the mask to every page.
    virtual void Notify(int32_t mask, int32_t word1, int32_t word2, int32_t word3) = 0;
    // The window that hosts the pages; the page is created as its child.
    virtual CWnd* GetParentWnd() = 0;
    // Moves to the next page (Ctrl+Tab); nonzero when it switched.
    virtual int SwitchLabel() = 0;
    // Opens a project file; an empty path lets the host ask for one.
    // Nonzero on success.
    virtual int OpenProject(const std::string& path) = 0;
    virtual int SaveProject() = 0;
    virtual int SaveProjectAs() = 0;
    // Replaces the project with the one stored on a sender's card.
    virtual int LoadProjectFromCard(int senderIndex) = 0;
    // Writes the project to the senders' cards; cancelled is set when the
    // user cancelled. Nonzero on success.
    virtual int SaveProjectToCard(int& cancelled, CWnd* wnd) = 0;

protected:
    // The page never deletes the host.
    ~IVistranoLabel() = default;
};
