#pragma once

#include <string>
#include <sys/types.h>

// A brain executable run as a child process, spoken to line by line over pipes.
class BrainProcess {
  public:
    // `command` is run by /bin/sh, so it may carry arguments.
    explicit BrainProcess(const std::string& command);
    ~BrainProcess();
    BrainProcess(const BrainProcess&) = delete;
    BrainProcess& operator=(const BrainProcess&) = delete;

    bool send(const std::string& line);
    // The next line within `timeoutMs`; false on timeout or when the brain has gone.
    bool readLine(std::string& line, long timeoutMs);
    // The brain closed its output (it quit or crashed).
    bool gone() const { return gone_; }

  private:
    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string buffer_;
    bool gone_ = false;
};
