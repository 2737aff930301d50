// The application object: the GUI thread's message loop, the handler that window procedures
// and callbacks hand their exceptions to, the wait cursor, and message boxes and help.
//
// It is the components' one way to the user outside their own windows: the check driver's end
// message and questions, its hourglass and the wait of a synchronous check go through it too.
//
// Message boxes and help go through one replaceable entry point, TUserPrompts: a program (or a
// test) installs its own with SetPrompts to answer questions and swallow messages without a
// user. The portable part builds everywhere; on POSIX there is no message queue, so
// ProcessMessages and HandleMessage return at once.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "lexoro/framework/ox3Classes.h"

namespace lexoro {

// Message box flags and answers: the Win32 values, usable by portable code.
inline constexpr std::uint32_t mbOK = 0x0000;
inline constexpr std::uint32_t mbOKCancel = 0x0001;
inline constexpr std::uint32_t mbYesNoCancel = 0x0003;
inline constexpr std::uint32_t mbYesNo = 0x0004;
inline constexpr std::uint32_t mbIconError = 0x0010;
inline constexpr std::uint32_t mbIconQuestion = 0x0020;
inline constexpr std::uint32_t mbIconWarning = 0x0030;
inline constexpr std::uint32_t mbIconInformation = 0x0040;
inline constexpr std::uint32_t mbDefButton2 = 0x0100;

inline constexpr int idOK = 1;
inline constexpr int idCancel = 2;
inline constexpr int idYes = 6;
inline constexpr int idNo = 7;

// Screen cursors the application can force over its windows.
enum class TCursor { crDefault, crHourGlass };

// Where message boxes and help requests end up. The default shows the platform's message box
// and opens the help file; replace it to answer without a user.
class TUserPrompts {
 public:
  virtual ~TUserPrompts() = default;
  // Returns the button chosen (idOK, idYes, ...).
  virtual int ShowMessageBox(const std::u16string& Text, const std::u16string& Caption, std::uint32_t Flags);
  // Shows the topic of Context in HelpFile; false when no help was shown.
  virtual bool HelpContext(const std::u16string& HelpFile, std::uint32_t Context);
};

using TExceptionEvent = std::function<void(TObject* Sender, std::exception_ptr Error)>;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  // Dispatches every message waiting in the queue.
  void ProcessMessages();
  // Dispatches one message; when none is waiting, waits for the next (after dispatching what
  // was waiting there is nothing to wait for). False when a loop waiting this way must end: the
  // application is terminating, or no message can ever come (POSIX has no message queue).
  bool HandleMessage();
  // Asks every message loop of the application to end.
  void Terminate() { FTerminated = true; }
  [[nodiscard]] bool Terminated() const { return FTerminated; }
  // Clears Terminated (a test, or a program that goes on after a loop ended).
  void ResetTerminated() { FTerminated = false; }

  // Where window procedures and callbacks send the exceptions they catch: OnException when
  // assigned, else ShowException. Never throws.
  void HandleException(TObject* Sender, std::exception_ptr Error) noexcept;
  // An error message box with the exception's text.
  void ShowException(std::exception_ptr Error);
  [[nodiscard]] const TExceptionEvent& OnException() const { return FOnException; }
  void SetOnException(TExceptionEvent Event) { FOnException = std::move(Event); }

  int ShowMessageBox(const std::u16string& Text, const std::u16string& Caption, std::uint32_t Flags);
  // Help on Context in HelpFile (the application's own when empty).
  bool HelpContext(std::uint32_t Context, const std::u16string& HelpFile = std::u16string());
  [[nodiscard]] const std::u16string& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::u16string& Value) { FHelpFile = Value; }
  [[nodiscard]] const std::u16string& Title() const { return FTitle; }
  void SetTitle(const std::u16string& Value) { FTitle = Value; }

  // The entry point of message boxes and help. Installing null brings the default back; the
  // one that was installed is returned.
  std::unique_ptr<TUserPrompts> SetPrompts(std::unique_ptr<TUserPrompts> Prompts);
  [[nodiscard]] TUserPrompts& Prompts() { return *FPrompts; }

  // The cursor forced over the application's windows (crDefault: each window's own).
  [[nodiscard]] TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);

 private:
  std::unique_ptr<TUserPrompts> FPrompts;
  TExceptionEvent FOnException;
  std::u16string FHelpFile;
  std::u16string FTitle;
  TCursor FCursor = TCursor::crDefault;
  bool FTerminated = false;
};

// The process's application object (created on first use).
[[nodiscard]] TApplication& Application();

// Replaces the application's prompts for the life of the object, then puts the old ones back.
class TPromptsOverride {
 public:
  explicit TPromptsOverride(std::unique_ptr<TUserPrompts> Prompts)
      : FPrevious(Application().SetPrompts(std::move(Prompts))) {}
  ~TPromptsOverride() { Application().SetPrompts(std::move(FPrevious)); }
  TPromptsOverride(const TPromptsOverride&) = delete;
  TPromptsOverride& operator=(const TPromptsOverride&) = delete;

 private:
  std::unique_ptr<TUserPrompts> FPrevious;
};

}  // namespace lexoro
