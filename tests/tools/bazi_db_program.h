#pragma once
// Runs a program with arguments, no shell in between, and collects its exit
// status and both outputs.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "db_test_support.h"

namespace bazi::testing {

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args) {
  TempFolder capture;
  const std::string outPath = capture.file("out");
  const std::string errPath = capture.file("err");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  ProgramRun run;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = readBytes(outPath);
  run.err = readBytes(errPath);
  return run;
}

inline ProgramRun bazidb(const std::vector<std::string>& args) {
  return runProgram(BAZI_DB_PROGRAM, args);
}

}  // namespace bazi::testing
