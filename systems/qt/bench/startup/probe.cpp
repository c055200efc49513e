// Starts one program on the current X display and measures, with Xlib, the
// wall time from exec until its first top-level window is mapped (the
// server's MapNotify), then waits until the window shows more than one
// colour (it has painted) and reads the process's peak resident memory
// (VmHWM). Ends the program and prints
//   map_ms=<ms> vmhwm_kb=<kB> cpu_ms=<ms>
// where cpu_ms is the processor time the program used in all (user and
// system), a figure that other load on the machine barely moves.
//
//   radixel_startup_probe PROGRAM
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

double Now() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long PeakResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// Whether the window's pixels hold more than one colour.
bool HasPainted(Display* display, Window window) {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) return false;
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  const unsigned long first = XGetPixel(image, 0, 0);
  bool varied = false;
  for (int y = 0; y < attributes.height && !varied; y += 2) {
    for (int x = 0; x < attributes.width && !varied; x += 2) varied = XGetPixel(image, x, y) != first;
  }
  XDestroyImage(image);
  return varied;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s PROGRAM\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup_probe: cannot open the X display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double start = Now();
  const pid_t pid = fork();
  if (pid == 0) {
    execl(argv[1], argv[1], static_cast<char*>(nullptr));
    std::perror("startup_probe: exec");
    _exit(127);
  }

  // The first top-level window mapped after the start is the program's.
  Window window = 0;
  double mapped = 0;
  while (window == 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
      mapped = Now();
      window = event.xmap.window;
    }
  }
  const double deadline = Now() + 5000;
  while (!HasPainted(display, window) && Now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  // Let the first paint finish before reading the peak.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const long peak = PeakResidentKb(pid);

  kill(pid, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
  XCloseDisplay(display);
  std::printf("map_ms=%.3f vmhwm_kb=%ld cpu_ms=%.1f\n", mapped - start, peak, cpu);
  return 0;
}
