#include "framework/base/services.h"

#include <cstdio>

namespace fw {
namespace {

// What the services do while nobody can answer: the text on stderr, the safe answer.
class StandInServices : public Services {
 public:
  void MsgBox(const std::string& text) override { MsgBox(text, MsgBoxButtons::Ok, ""); }
  MsgBoxAnswer MsgBox(const std::string& text, MsgBoxButtons buttons,
                      const std::string&) override {
    std::fprintf(stderr, "MsgBox: %s\n", text.c_str());
    return buttons == MsgBoxButtons::YesNoQuestion ? MsgBoxAnswer::No : MsgBoxAnswer::Ok;
  }
  void Beep() override {}
  std::shared_ptr<PageSurface> OpenPrinterDialog() override { return nullptr; }
  bool ExportPicture(const Picture&) override { return false; }
  void SetClipboardPicture(const Picture&) override {}
  std::shared_ptr<Picture> ClipboardPicture() override { return nullptr; }
  // The description is on stderr already.
  void ReportUnhandledException(const std::string&) override {}
};

Services* gDefault = nullptr;
Services* gInstalled = nullptr;

}  // namespace

Services& services() {
  static StandInServices standIn;
  if (gInstalled) return *gInstalled;
  return gDefault ? *gDefault : standIn;
}

void SetDefaultServices(Services* defaults) { gDefault = defaults; }

ScopedServices::ScopedServices(Services& replacement) : previous_(gInstalled) {
  gInstalled = &replacement;
}
ScopedServices::~ScopedServices() { gInstalled = previous_; }

}  // namespace fw
