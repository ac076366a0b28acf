// A project save that dies part way, seen from outside: the save runs in a
// child process that is ended in the middle of it, and the project file is
// then either the old one or the new one, byte for byte, never a mix.
#include "sim/project_file.h"
#include "sim_fixture.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

class InterruptedSave : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        path = Path("p.json");
        std::string error;
        ASSERT_TRUE(sim::SetProject(sim::GenerateProject({.senders = 1}), error)) << error;
        ASSERT_TRUE(sim::SaveProjectFile(path, error)) << error;
        before = Content(path);
        UseSample(); // many times larger than the old file
        ASSERT_TRUE(sim::SaveProjectFile(Path("reference.json"), error)) << error;
        after = Content(Path("reference.json"));
        ASSERT_GT(after.size(), before.size() * 4);
    }

    // Saves in a child process; `limit` caps the file size the child may
    // write (the default action of SIGXFSZ ends it at that byte). Returns
    // the wait status.
    int SaveInChild(rlim_t limit) const
    {
        const pid_t child = ::fork();
        if (child == 0) {
            ::signal(SIGXFSZ, SIG_DFL);
            rlimit cap{};
            ::getrlimit(RLIMIT_FSIZE, &cap);
            cap.rlim_cur = limit;
            ::setrlimit(RLIMIT_FSIZE, &cap);
            std::string error;
            ::_exit(sim::SaveProjectFile(path, error) ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return status;
    }

    // Set once the test's own folder exists (a member initialiser would run
    // before it and put the file in the shared working folder).
    std::string path;
    std::string before, after;
};

TEST_F(InterruptedSave, AProcessEndedAtAnyByteOfTheSaveLeavesTheOldFile)
{
    // Every interruption point from the first byte to the last, spread
    // over the file, and the edges.
    std::vector<rlim_t> limits{0, 1, after.size() - 1};
    for (std::size_t k = 1; k < 48; ++k)
        limits.push_back(after.size() * k / 48);
    for (const rlim_t limit : limits) {
        const int status = SaveInChild(limit);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ)
            << "the save ends part way at byte " << limit << " (status " << status << ")";
        ASSERT_EQ(Content(path), before) << "interrupted at byte " << limit;
    }
    const int status = SaveInChild(after.size());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "room for the whole file: saved";
    EXPECT_EQ(Content(path), after);
}

TEST_F(InterruptedSave, AKillAtAnyMomentOfRepeatedSavesLeavesAWholeFile)
{
    // The child saves the two projects in turn until killed; the kills land
    // at moments spread over three cycles of that loop, timed here first
    // (writing, flushing, renaming).
    const auto saveBoth = [this](std::string& error) {
        return sim::SetProject(sim::GenerateProject({.senders = 1}), error) && sim::SaveProjectFile(path, error)
            && sim::SetProject(sim::MakeSampleProject(), error) && sim::SaveProjectFile(path, error);
    };
    const auto begin = std::chrono::steady_clock::now();
    std::string error;
    ASSERT_TRUE(saveBoth(error)) << error;
    const auto cycle = std::chrono::steady_clock::now() - begin;
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    int sawOld = 0, sawNew = 0;
    for (int round = 0; round < 30 || (round < 300 && (sawOld == 0 || sawNew == 0)); ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            const char started = 1;
            if (::write(pipeFds[1], &started, 1) != 1)
                ::_exit(2);
            while (saveBoth(error)) {}
            ::_exit(3);
        }
        char started = 0;
        ASSERT_EQ(::read(pipeFds[0], &started, 1), 1);
        std::this_thread::sleep_for(cycle * (round % 30) / 10);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child failed: " << status;
        const std::string now = Content(path);
        ASSERT_TRUE(now == before || now == after)
            << "a broken file of " << now.size() << " bytes after kill " << round;
        (now == before ? sawOld : sawNew)++;
    }
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    EXPECT_GT(sawOld, 0) << "kills landed after the old project was saved";
    EXPECT_GT(sawNew, 0) << "kills landed after the new project was saved";
}
