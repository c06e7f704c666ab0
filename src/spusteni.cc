#include "spusteni.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

std::string CestaKeHre() {
  const char* jina = std::getenv("TRUHLOVYPRASKOVAC");
  return jina && *jina ? jina : HRA;
}

std::vector<std::string> HraSeStojicimCasem() {
  return {"faketime", "-f", "2026-01-01 12:00:00", CestaKeHre()};
}

// Everything the child does between fork and exec, with plain system calls.
[[noreturn]] static void Dite(const Spusteni& s, int vstup, int vystup,
                              char** argv) {
  if (s.bezVstupu)
    close(STDIN_FILENO);
  else
    dup2(vstup, STDIN_FILENO);
  dup2(vystup, STDOUT_FILENO);
  if (s.ignorovatSigpipe)
    signal(SIGPIPE, SIG_IGN);
  for (const std::string& promenna : s.prostredi)
    putenv(const_cast<char*>(promenna.c_str()));
  execvp(argv[0], argv);
  _exit(127);
}

Beh Spustit(std::vector<std::string> prikaz, std::string vstup) {
  Spusteni s;
  s.prikaz = std::move(prikaz);
  s.vstup = std::move(vstup);
  return Spustit(s);
}

Beh Spustit(const Spusteni& s) {
  Beh beh;
  std::FILE* soubor = std::tmpfile();
  std::fwrite(s.vstup.data(), 1, s.vstup.size(), soubor);
  std::fflush(soubor);
  int vstup = s.vstupZ ? open(s.vstupZ, O_RDONLY) : dup(fileno(soubor));
  lseek(vstup, 0, SEEK_SET);
  std::fclose(soubor);

  int roura[2];
  if (pipe(roura) != 0)
    return beh;
  int vystup = s.vystupDo ? open(s.vystupDo, O_WRONLY) : roura[1];
  if (s.zavrenaRoura) {
    close(roura[0]);
    roura[0] = -1;
  }

  std::vector<char*> argv;
  for (const std::string& slovo : s.prikaz)
    argv.push_back(const_cast<char*>(slovo.c_str()));
  argv.push_back(nullptr);

  pid_t pid = fork();
  if (pid == 0)
    Dite(s, vstup, vystup, argv.data());
  close(vstup);
  if (vystup != roura[1])
    close(vystup);
  close(roura[1]);

  // Reads the output until the game closes it or the time is up.
  auto konec =
      std::chrono::steady_clock::now() + std::chrono::seconds(s.limitSekund);
  beh.vcas = true;
  while (roura[0] >= 0) {
    int zbyva =
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                             konec - std::chrono::steady_clock::now())
                             .count());
    pollfd cekani = {roura[0], POLLIN, 0};
    if (zbyva <= 0 || poll(&cekani, 1, zbyva) == 0) {
      beh.vcas = false;
      break;
    }
    char kus[65536];
    ssize_t precteno = read(roura[0], kus, sizeof kus);
    if (precteno <= 0)
      break;
    beh.vystup.append(kus, static_cast<size_t>(precteno));
  }
  if (roura[0] >= 0)
    close(roura[0]);

  // The pipe may close before the game ends (a closed pipe, a file).
  int stav = 0;
  while (waitpid(pid, &stav, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > konec) {
      beh.vcas = false;
      kill(pid, SIGKILL);
    }
    usleep(1000);
  }
  if (!beh.vcas)
    return beh;
  if (WIFEXITED(stav))
    beh.stav = WEXITSTATUS(stav);
  if (WIFSIGNALED(stav))
    beh.signal = WTERMSIG(stav);
  return beh;
}
