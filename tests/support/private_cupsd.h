// A CUPS server of a test's own: configuration, spool and socket in a temporary folder, and one
// queue ("zeledit-test", the default) whose device writes each job to `job_file()` and the
// job's copies and options to `job_file() + ".options"`. cupsd must run as root; where it
// cannot start, `why_not()` says why and the test skips with that reason.
#pragma once

#include <cups/cups.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zeledit::test {

class PrivateCupsd {
public:
    PrivateCupsd() { start(); }
    ~PrivateCupsd() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
        if (running()) UseServer(nullptr);
    }
    // Points libcups (which keeps the server it first used) at `socket`, or at the default.
    static void UseServer(const char* socket) {
        if (socket != nullptr)
            setenv("CUPS_SERVER", socket, 1);
        else
            unsetenv("CUPS_SERVER");
        cupsSetServer(nullptr);
    }
    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;

    bool running() const { return why_not_.empty(); }
    const std::string& why_not() const { return why_not_; }
    std::string socket() const { return (dir_ / "cups.sock").string(); }
    std::string job_file() const { return (dir_ / "job.pdf").string(); }
    // Waits until the queue has written a job, at most `seconds`.
    bool wait_for_job(int seconds = 20) const {
        for (int i = 0; i < seconds * 10; ++i) {
            if (std::filesystem::exists(job_file())) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

private:
    static constexpr const char* cupsd = "/usr/sbin/cupsd";

    void start() {
        if (geteuid() != 0) return fail("cupsd needs root and the tests do not run as root");
        if (access(cupsd, X_OK) != 0) return fail("cupsd is not installed (cups-daemon)");
        char pattern[] = "/tmp/zeledit-cupsd-XXXXXX";
        if (mkdtemp(pattern) == nullptr) return fail("no temporary folder");
        dir_ = pattern;
        namespace fs = std::filesystem;
        for (const char* d : {"spool", "cache", "state", "tmp", "log", "bin/backend", "bin/filter"})
            fs::create_directories(dir_ / d);
        fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
        fs::create_directory_symlink("/usr/lib/cups/daemon", dir_ / "bin/daemon");
        write("cupsd.conf",
              "Listen " + socket() +
                  "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                  "DefaultAuthType None\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                  "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n");
        const std::string d = dir_.string();
        write("cups-files.conf", "ServerRoot " + d + "\nServerBin " + d + "/bin\nRequestRoot " + d +
                                     "/spool\nCacheDir " + d + "/cache\nStateDir " + d + "/state\nTempDir " +
                                     d + "/tmp\nErrorLog " + d + "/log/error_log\nAccessLog " + d +
                                     "/log/access_log\nPageLog " + d + "/log/page_log\nPrintcap none\n");
        write("printers.conf",
              "<DefaultPrinter zeledit-test>\nInfo zeledit test queue\nDeviceURI tofile:" + job_file() +
                  "\nState Idle\nAccepting Yes\nShared No\n</DefaultPrinter>\n");
        // The device: the job's file as it came, and the copies and options it was sent with.
        write("bin/backend/tofile",
              "#!/bin/sh\n[ $# -eq 0 ] && { echo 'direct tofile \"Unknown\" \"File\"'; exit 0; }\n"
              "dest=\"${DEVICE_URI#tofile:}\"\n"
              "if [ -n \"$6\" ]; then cat \"$6\" > \"$dest.part\"; else cat > \"$dest.part\"; fi\n"
              "printf '%s\\n%s\\n' \"$4\" \"$5\" > \"$dest.options\"\nmv \"$dest.part\" \"$dest\"\n");
        fs::permissions(dir_ / "bin/backend/tofile", fs::perms::owner_all); // 0700: runs as root
        pid_ = fork();
        if (pid_ == 0) {
            const std::string conf = d + "/cupsd.conf", files = d + "/cups-files.conf";
            execl(cupsd, cupsd, "-f", "-c", conf.c_str(), "-s", files.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        if (pid_ < 0) return fail("fork failed");
        for (int i = 0; i < 100 && !fs::exists(socket()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!fs::exists(socket())) return fail("cupsd did not open its socket (see " + d + "/log/error_log)");
        UseServer(socket().c_str());
    }
    void write(const char* name, const std::string& text) const { std::ofstream(dir_ / name) << text; }
    void fail(std::string why) { why_not_ = std::move(why); }

    std::filesystem::path dir_;
    pid_t pid_ = -1;
    std::string why_not_;
};

} // namespace zeledit::test
