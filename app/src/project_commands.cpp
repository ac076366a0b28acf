#include "project_commands.h"

#include "hardware.h"
#include "prompts.h"

#include "platform/shell.h"
#include "sim/world.h"

#include <cstdio>

namespace app {

namespace {

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Where a new project is saved or looked for first.
std::string StartFolder()
{
    const std::string current = sim::GetProjectPath();
    if (!current.empty())
        return FolderOf(current);
    return plat::GetMainExecutableFolder() + "Projects";
}

} // namespace

void CProjectCommands::Changed()
{
    if (m_onChange)
        m_onChange();
}

bool CProjectCommands::Open(const std::string& path, std::string& error)
{
    if (!sim::LoadProjectFile(path, error))
        return false;
    Changed();
    return true;
}

bool CProjectCommands::Save(const std::string& path, std::string& error)
{
    const std::string file = path.empty() ? sim::GetProjectPath() : path;
    if (file.empty()) {
        error = "the project has no file yet";
        return false;
    }
    if (!sim::SaveProjectFile(file, error))
        return false;
    Changed();
    return true;
}

int CProjectCommands::OpenProject(const std::string& path)
{
    std::string file = path;
    if (file.empty()) {
        const auto chosen = m_prompts.AskOpenPath(StartFolder());
        if (!chosen)
            return 0;
        file = *chosen;
    }
    std::string error;
    if (!Open(file, error)) {
        m_prompts.ShowError("The project " + file + " could not be opened:\n" + error);
        return 0;
    }
    return 1;
}

int CProjectCommands::SaveProject()
{
    const std::string path = sim::GetProjectPath();
    return path.empty() ? SaveProjectAs() : SaveTelling(path);
}

int CProjectCommands::SaveProjectAs()
{
    const std::string current = sim::GetProjectPath();
    const auto chosen = m_prompts.AskSavePath(current.empty() ? StartFolder() + "/project.json" : current);
    return chosen ? SaveTelling(*chosen) : 0;
}

int CProjectCommands::SaveTelling(const std::string& path)
{
    std::string error;
    if (!Save(path, error)) {
        m_prompts.ShowError("The project could not be saved to " + path + ":\n" + error);
        return 0;
    }
    return 1;
}

int CProjectCommands::LoadProjectFromCard(int senderIndex)
{
    std::string error;
    if (!m_hardware.ReadProjectFromCard(senderIndex, error)) {
        m_prompts.ShowError("The project could not be loaded from the card of sender " + std::to_string(senderIndex + 1)
                            + ":\n" + error);
        return 0;
    }
    Changed();
    return 1;
}

int CProjectCommands::SaveProjectToCard(int& cancelled, CWnd* /*wnd*/)
{
    cancelled = 0;
    if (!m_prompts.Confirm("Write the project to the cards of the connected senders?")) {
        cancelled = 1;
        return 0;
    }
    // The page reports success or failure itself; the reason goes to the log.
    std::string error;
    if (!m_hardware.WriteProjectToCards(error)) {
        std::fprintf(stderr, "quarn: save to card: %s\n", error.c_str());
        return 0;
    }
    return 1;
}

} // namespace app
