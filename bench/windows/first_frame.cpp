// Time from process start to the splash's first frame: starts the program
// on the current X display, polls the screen until a pixel of the splash
// title's blue (0, 0, 200) shows, and prints the elapsed milliseconds; then
// stops the program and waits until it is gone and its windows have left the
// screen, so the next run cannot find this one's window. Run it several
// times (startup.sh does) and read the spread, not one figure.
//
//   first_frame <program>
//
// The program's standard output is dropped: first_frame's own is the figure.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#ifdef FIRST_FRAME_XSHM
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#endif
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr unsigned long kTitleBlue = 0x0000c8;  // (0, 0, 200) in a 24-bit visual

bool IsTitleBlue(unsigned long pixel) { return (pixel & 0xffffff) == kTitleBlue; }

// Whether the title's blue shows in `image`; every other row is looked at
// (the title's strokes are thicker than that).
bool ShowsTitleBlue(XImage* image) {
  if (image->bits_per_pixel == 32 && image->red_mask == 0xff0000 && image->green_mask == 0x00ff00 &&
      image->blue_mask == 0x0000ff && image->byte_order == LSBFirst) {
    // The usual Xvfb layout, read directly: XGetPixel per pixel costs more
    // than the grab.
    for (int y = 0; y < image->height; y += 2) {
      const char* row = image->data + static_cast<std::ptrdiff_t>(y) * image->bytes_per_line;
      for (int x = 0; x < image->width; ++x) {
        std::uint32_t pixel;
        std::memcpy(&pixel, row + 4 * x, sizeof pixel);
        if (IsTitleBlue(pixel)) return true;
      }
    }
    return false;
  }
  for (int y = 0; y < image->height; y += 2)
    for (int x = 0; x < image->width; ++x)
      if (IsTitleBlue(XGetPixel(image, x, y))) return true;
  return false;
}

bool gXError = false;

// A window destroyed under the server's hand (its client went away) can
// outlive the client's exit by a moment; errors about such windows, met while
// walking the tree, are expected. A failed shared-memory attach is noted.
int NoteError(Display*, XErrorEvent*) {
  gXError = true;
  return 0;
}

// The whole screen, grabbed again for each look. Through a shared-memory
// segment where the server offers one: a grab over the socket takes tens of
// milliseconds of the single-threaded server's time, which would both blur
// the figure and slow the program being timed.
class Screen {
 public:
  explicit Screen(Display* display) : display_(display), root_(DefaultRootWindow(display)) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root_, &attributes);
    width_ = attributes.width;
    height_ = attributes.height;
#ifdef FIRST_FRAME_XSHM
    if (!XShmQueryExtension(display)) return;
    XImage* image = XShmCreateImage(
        display, attributes.visual, static_cast<unsigned>(attributes.depth), ZPixmap, nullptr,
        &segment_, static_cast<unsigned>(width_), static_cast<unsigned>(height_));
    if (!image) return;
    segment_.shmid =
        shmget(IPC_PRIVATE, static_cast<std::size_t>(image->bytes_per_line) * image->height,
               IPC_CREAT | 0600);
    if (segment_.shmid < 0) {
      XDestroyImage(image);
      return;
    }
    segment_.shmaddr = image->data = static_cast<char*>(shmat(segment_.shmid, nullptr, 0));
    segment_.readOnly = False;
    gXError = false;
    const bool attached = XShmAttach(display, &segment_);
    XSync(display, False);
    shmctl(segment_.shmid, IPC_RMID, nullptr);  // freed once both sides detach
    if (!attached || gXError) {
      shmdt(segment_.shmaddr);
      image->data = nullptr;
      XDestroyImage(image);
      return;
    }
    shared_ = image;
#endif
  }

  ~Screen() {
#ifdef FIRST_FRAME_XSHM
    if (shared_) {
      XShmDetach(display_, &segment_);
      XSync(display_, False);
      shmdt(segment_.shmaddr);
      shared_->data = nullptr;
      XDestroyImage(shared_);
    }
#endif
  }

  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  bool TitleBlueShows() {
#ifdef FIRST_FRAME_XSHM
    if (shared_)
      return XShmGetImage(display_, root_, shared_, 0, 0, AllPlanes) && ShowsTitleBlue(shared_);
#endif
    XImage* image = XGetImage(display_, root_, 0, 0, static_cast<unsigned>(width_),
                              static_cast<unsigned>(height_), AllPlanes, ZPixmap);
    if (!image) return false;
    const bool found = ShowsTitleBlue(image);
    XDestroyImage(image);
    return found;
  }

 private:
  Display* display_;
  Window root_;
  int width_ = 0;
  int height_ = 0;
#ifdef FIRST_FRAME_XSHM
  XShmSegmentInfo segment_{};
  XImage* shared_ = nullptr;
#endif
};

// Whether a window at or under `window` carries the process id `pid` in
// _NET_WM_PID, as Qt's top-level windows do (the window manager's frame
// holds them, so the whole tree is looked at).
bool HasWindowOf(Display* display, Window window, Atom wmPid, long pid) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, wmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                         &after, &data) == Success &&
      data) {
    const bool match = format == 32 && count == 1 && *reinterpret_cast<long*>(data) == pid;
    XFree(data);
    if (match) return true;
  }
  Window rootOut = 0, parent = 0;
  Window* children = nullptr;
  unsigned int childCount = 0;
  if (!XQueryTree(display, window, &rootOut, &parent, &children, &childCount)) return false;
  bool found = false;
  for (unsigned int i = 0; i < childCount && !found; ++i)
    found = HasWindowOf(display, children[i], wmPid, pid);
  if (children) XFree(children);
  return found;
}

// Waits up to `limit` for `holds` to return true; whether it did.
template <typename Condition>
bool WaitFor(Clock::duration limit, Condition holds) {
  const auto deadline = Clock::now() + limit;
  while (!holds()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// Times one start of `program`; first_frame's exit status.
int TimeFirstFrame(Display* display, const char* program) {
  Screen screen(display);
  // A window of an earlier run, or of anything else, may still be leaving.
  if (!WaitFor(std::chrono::seconds(5), [&] { return !screen.TitleBlueShows(); })) {
    std::fprintf(stderr, "first_frame: the screen already shows the title colour\n");
    return 2;
  }

  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDOUT_FILENO);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  if (child < 0) {
    std::perror("first_frame: fork");
    return 2;
  }
  int status = 0;
  bool shown = false;
  bool exited = false;
  // A look about every millisecond: finer than the figures' spread, and it
  // leaves the server mostly to the program.
  auto next = start;
  while (!(shown = screen.TitleBlueShows())) {
    if (waitpid(child, &status, WNOHANG) == child) {
      exited = true;
      break;
    }
    if (Clock::now() - start > std::chrono::seconds(10)) break;
    next += std::chrono::milliseconds(1);
    std::this_thread::sleep_until(next);
  }
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

  if (!exited) {
    kill(child, SIGTERM);
    if (!WaitFor(std::chrono::seconds(3),
                 [&] { return waitpid(child, &status, WNOHANG) == child; })) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
    }
  }
  // The process is gone; its windows go once the server has seen its
  // connection close.
  const Atom wmPid = XInternAtom(display, "_NET_WM_PID", False);
  const bool cleared = WaitFor(std::chrono::seconds(5), [&] {
    XSync(display, False);
    return !HasWindowOf(display, DefaultRootWindow(display), wmPid, child) &&
           !screen.TitleBlueShows();
  });
  if (!cleared) {
    std::fprintf(stderr, "first_frame: the program's window stayed on the screen after it ended\n");
    return 1;
  }
  if (!shown) {
    std::fprintf(stderr, exited ? "first_frame: the program ended before its first frame\n"
                                : "first_frame: no splash within 10 s\n");
    return 1;
  }
  std::printf("%.1f\n", ms);
  return 0;
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
  XSetErrorHandler(NoteError);
  // The program gets its own connection, never this one.
  fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
  const int result = TimeFirstFrame(display, argv[1]);
  XCloseDisplay(display);
  return result;
}
