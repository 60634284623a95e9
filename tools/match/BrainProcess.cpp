#include "BrainProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

BrainProcess::BrainProcess(const std::string& command) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        close(in[0]), close(in[1]), close(out[0]), close(out[1]);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    toChild_ = in[1];
    fromChild_ = out[0];
    // A brain that quits must not kill the runner when it writes next.
    std::signal(SIGPIPE, SIG_IGN);
}

BrainProcess::~BrainProcess() {
    if (pid_ <= 0) return;
    send("END");
    close(toChild_);
    close(fromChild_);
    // A brain gets a moment to leave by itself before it is killed.
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
        usleep(10000);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

bool BrainProcess::send(const std::string& line) {
    std::string text = line + "\n";
    return pid_ > 0 && write(toChild_, text.data(), text.size()) == ssize_t(text.size());
}

bool BrainProcess::readLine(std::string& line, long timeoutMs) {
    using Clock = std::chrono::steady_clock;
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        auto newline = buffer_.find('\n');
        if (newline != std::string::npos) {
            line = buffer_.substr(0, newline);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            buffer_.erase(0, newline + 1);
            return true;
        }
        long left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || pid_ <= 0) return false;
        pollfd fd{fromChild_, POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(left)) <= 0) continue;
        char chunk[4096];
        ssize_t n = read(fromChild_, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            gone_ = true;
            return false;
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}
