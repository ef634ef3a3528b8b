#include "platform/instance_guard.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <optional>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#endif

namespace ledgerleaf {
namespace {

// A guard name of this test alone, so parallel test runs do not meet.
std::string uniqueName() {
    static std::atomic<int> counter{0};
#ifdef _WIN32
    const long pid = static_cast<long>(std::rand());
#else
    const long pid = static_cast<long>(getpid());
#endif
    return "ledgerleaf-guard-test-" + std::to_string(pid) + "-" + std::to_string(counter++);
}

TEST(InstanceGuard, HeldGuardKeepsOthersOutUntilReleased) {
    const std::string name = uniqueName();
    auto first = InstanceGuard::acquire(name);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(InstanceGuard::acquire(name), nullptr);
    // Another name is another guard.
    EXPECT_NE(InstanceGuard::acquire(uniqueName()), nullptr);
    first.reset();
    EXPECT_NE(InstanceGuard::acquire(name), nullptr);
}

#ifndef _WIN32

// Sets an environment variable for the length of a test.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// A child process that takes the guard, reports on a pipe whether it got it, and then waits
// to be killed.
class GuardHolder {
  public:
    explicit GuardHolder(const std::string& name) {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            auto guard = InstanceGuard::acquire(name);
            const char got = guard ? '1' : '0';
            (void)!write(fds[1], &got, 1);
            for (;;)
                pause();
        }
        close(fds[1]);
        char got = 0;
        if (pid_ > 0 && read(fds[0], &got, 1) == 1)
            holds_ = got == '1';
        close(fds[0]);
    }
    ~GuardHolder() { killHard(); }

    bool holds() const { return holds_; }

    // Ends the child the hard way, as a crash would: no destructor runs in it.
    void killHard() {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
    }

  private:
    pid_t pid_ = -1;
    bool holds_ = false;
};

TEST(InstanceGuard, AnotherProcessHoldsItUntilItIsKilled) {
    const std::string name = uniqueName();
    GuardHolder holder(name);
    ASSERT_TRUE(holder.holds());
    EXPECT_EQ(InstanceGuard::acquire(name), nullptr);
    EXPECT_EQ(InstanceGuard::acquire(name), nullptr);
    holder.killHard();
    auto mine = InstanceGuard::acquire(name);
    EXPECT_NE(mine, nullptr);
    // And now this process keeps a new child out.
    GuardHolder second(name);
    EXPECT_FALSE(second.holds());
}

TEST(InstanceGuard, WorksWithAndWithoutARuntimeFolder) {
    test::TempDir runtime;
    const std::string missing = (runtime.path() / "missing").string();
    for (const std::string& folder : {runtime.utf8(), missing, std::string("relative/path")}) {
        SCOPED_TRACE(folder);
        ScopedEnv env("XDG_RUNTIME_DIR", folder);
        const std::string name = uniqueName();
        GuardHolder holder(name);
        ASSERT_TRUE(holder.holds());
        EXPECT_EQ(InstanceGuard::acquire(name), nullptr);
        holder.killHard();
        EXPECT_NE(InstanceGuard::acquire(name), nullptr);
    }
    // The lock file of a usable runtime folder lies in it.
    ScopedEnv env("XDG_RUNTIME_DIR", runtime.utf8());
    const std::string name = uniqueName();
    auto guard = InstanceGuard::acquire(name);
    ASSERT_NE(guard, nullptr);
    EXPECT_TRUE(std::filesystem::exists(runtime.file(name + ".lock")));
}

#endif

}  // namespace
}  // namespace ledgerleaf
