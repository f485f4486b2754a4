// Time from process start to the splash's first frame: starts the program
// on the current X display, polls the screen until a pixel of the splash
// title's blue (0, 0, 200) shows, and prints the elapsed milliseconds; then
// stops the program. Run it several times (startup.sh does) and read the
// spread, not one figure.
//
//   first_frame <program>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

bool TitleBlueShows(Display* display) {
  const Window root = DefaultRootWindow(display);
  XWindowAttributes attributes;
  XGetWindowAttributes(display, root, &attributes);
  XImage* image = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes,
                            ZPixmap);
  if (!image) return false;
  bool found = false;
  for (int y = 0; y < image->height && !found; y += 2)
    for (int x = 0; x < image->width && !found; ++x)
      found = XGetPixel(image, x, y) == 0x0000c8;  // (0, 0, 200) in a 24-bit visual
  XDestroyImage(image);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: first_frame <program>\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "first_frame: no X display\n");
    return 2;
  }
  if (TitleBlueShows(display)) {
    std::fprintf(stderr, "first_frame: the screen already shows the title colour\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execl(argv[1], argv[1], static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  bool shown = false;
  while (!(shown = TitleBlueShows(display))) {
    if (waitpid(child, &status, WNOHANG) == child) break;
    if (std::chrono::steady_clock::now() - start > std::chrono::seconds(10)) break;
  }
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  kill(child, SIGTERM);
  waitpid(child, &status, 0);
  XCloseDisplay(display);
  if (!shown) {
    std::fprintf(stderr, "first_frame: no splash within 10 s\n");
    return 1;
  }
  std::printf("%.1f\n", ms);
  return 0;
}
