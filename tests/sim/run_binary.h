#pragma once

// Runs the tavexo-sim program as a user would and collects what it prints.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace tavexo::sim::testing {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A file name of its own for this test process: ctest runs tests side by
// side, each in a process of its own.
inline std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "tavexo_sim_" + std::to_string(getpid()) + "_" + name;
}

// Runs a shell command line and collects its output.
inline RunResult RunCommand(const std::string& commandLine) {
    static int runs = 0;
    const std::string base = TempPath("run" + std::to_string(++runs));
    const std::string command = commandLine + " >" + base + ".out 2>" + base + ".err";
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(base + ".out");
    result.err = ReadFile(base + ".err");
    std::remove((base + ".out").c_str());
    std::remove((base + ".err").c_str());
    return result;
}

inline RunResult RunSim(const std::string& arguments) {
    return RunCommand(std::string(TAVEXO_SIM_BINARY) + " " + arguments);
}

}  // namespace tavexo::sim::testing
