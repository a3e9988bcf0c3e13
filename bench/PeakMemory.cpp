// peak_memory COMMAND [ARG...]: runs the command (its output dropped) and
// prints its peak resident memory in KiB; exits with the command's status.
// A small process of its own, so that the child's peak is the command's:
// a child forked from a large process (a benchmark holding its fixtures)
// starts out with the parent's peak.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: peak_memory COMMAND [ARG...]\n");
    return 2;
  }
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null < 0 || dup2(null, 1) < 0 || dup2(null, 2) < 0) _exit(127);
    execv(argv[1], argv + 1);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) return 127;
  std::printf("%ld\n", usage.ru_maxrss);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}
