#pragma once
// What the module's tests share: a host that records what the page asks of
// it, and a fixture that starts every test from an empty world (project,
// hardware, monitoring, call log) with a fresh configuration folder.
#include "host/vistrano_label.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// The host application's side of the page: its page area is a top-level
// window of 1200 x 800, or a window object that was never created.
class CTestHost final : public IVistranoLabel {
public:
    struct SNotify {
        int32_t mask, word1, word2, word3;
    };

    explicit CTestHost(bool withPageArea = true);

    void Notify(int32_t mask, int32_t word1, int32_t word2, int32_t word3) override;
    CWnd* GetParentWnd() override { return &m_area; }
    int SwitchLabel() override { return Command("SwitchLabel"); }
    int OpenProject(const std::string& path) override
    {
        return opened.push_back(path), Command("OpenProject(" + path + ")");
    }
    int SaveProject() override { return ++saves, Command("SaveProject"); }
    int SaveProjectAs() override { return Command("SaveProjectAs"); }
    int LoadProjectFromCard(int sender) override { return loadedFromCard.push_back(sender), 0; }
    int SaveProjectToCard(int& cancelled, CWnd*) override { return cancelled = 0; }

    CWnd& Area() { return m_area; }
    std::vector<SNotify> notifications;
    std::vector<std::string> opened;
    int saves = 0;
    std::vector<int> loadedFromCard;
    // The page and project commands the page asked for, in order.
    std::vector<std::string> commands;

private:
    int Command(std::string name) { return commands.push_back(std::move(name)), 0; }
    CWnd m_area;
};

class HostWorldTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the sample installation the current project.
    void UseSample();

    std::filesystem::path m_folder;
};
