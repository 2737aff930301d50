#include "lexoro/framework/ox3Application.h"

#include <stdexcept>

#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"

namespace lexoro {

int TUserPrompts::ShowMessageBox(const std::u16string& Text, const std::u16string& Caption, std::uint32_t Flags) {
  return platform::ShowMessageBox(Text, Caption, Flags);
}

bool TUserPrompts::HelpContext(const std::u16string& HelpFile, std::uint32_t Context) {
  return platform::ShowHelpContext(HelpFile, Context);
}

TApplication::TApplication() : TComponent(nullptr), FPrompts(std::make_unique<TUserPrompts>()) {}

TApplication::~TApplication() { Destroying(); }

void TApplication::ProcessMessages() {
  bool quit = false;
  while (platform::DispatchOneMessage(quit)) {
    if (quit) {
      FTerminated = true;
      break;
    }
  }
}

bool TApplication::HandleMessage() {
  bool quit = false;
  if (platform::DispatchOneMessage(quit)) {
    if (quit) FTerminated = true;
    return !FTerminated;
  }
  // Without a message queue no message can come: the wait would never end.
  if (!platform::HasMessageQueue()) return false;
  platform::WaitForMessage();
  return !FTerminated;
}

void TApplication::HandleException(TObject* Sender, std::exception_ptr Error) noexcept {
  // The handler runs inside a window procedure or callback: nothing may escape from here.
  try {
    if (FOnException) FOnException(Sender, Error);
    else ShowException(Error);
  } catch (...) {
  }
}

void TApplication::ShowException(std::exception_ptr Error) {
  std::u16string message = u"Unknown error.";
  try {
    if (Error) std::rethrow_exception(Error);
  } catch (const std::exception& e) {
    message = text::Utf8ToUtf16(e.what());
  } catch (...) {
  }
  ShowMessageBox(message, FTitle.empty() ? u"Error" : FTitle, mbOK | mbIconError);
}

int TApplication::ShowMessageBox(const std::u16string& Text, const std::u16string& Caption, std::uint32_t Flags) {
  return FPrompts->ShowMessageBox(Text, Caption, Flags);
}

bool TApplication::HelpContext(std::uint32_t Context, const std::u16string& HelpFile) {
  const std::u16string& file = HelpFile.empty() ? FHelpFile : HelpFile;
  if (file.empty()) return false;
  return FPrompts->HelpContext(file, Context);
}

std::unique_ptr<TUserPrompts> TApplication::SetPrompts(std::unique_ptr<TUserPrompts> Prompts) {
  if (!Prompts) Prompts = std::make_unique<TUserPrompts>();
  std::swap(FPrompts, Prompts);
  return Prompts;
}

void TApplication::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  FCursor = Value;
  platform::ShowWaitCursor(Value == TCursor::crHourGlass);
}

TApplication& Application() {
  static TApplication application;
  return application;
}

}  // namespace lexoro
