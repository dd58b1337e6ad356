#pragma once
// Opening documents and web or mail addresses with the desktop's handlers.

#include <string>
#include <vector>

namespace tolvar::sys {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a local file with its associated program; false when that failed.
  virtual bool OpenDocument(const std::string& path) = 0;
  // Opens a web address ("https://...") or a mail address ("mailto:...").
  virtual bool OpenUrl(const std::string& url) = 0;
};

// The desktop's handlers (needs a QGuiApplication; without one every request fails).
class DesktopShell final : public Shell {
 public:
  bool OpenDocument(const std::string& path) override;
  bool OpenUrl(const std::string& url) override;
};

// Test double: records every request and answers with a set result.
class RecordingShell final : public Shell {
 public:
  enum class Kind { Document, Url };
  struct Request {
    Kind kind;
    std::string target;
    bool operator==(const Request&) const = default;
  };

  explicit RecordingShell(bool result = true) : result_(result) {}
  bool OpenDocument(const std::string& path) override;
  bool OpenUrl(const std::string& url) override;

  void SetResult(bool result) { result_ = result; }
  const std::vector<Request>& Requests() const { return requests_; }

 private:
  bool result_;
  std::vector<Request> requests_;
};

// The shell in use: the one given to SetShell, else a DesktopShell.
Shell& CurrentShell();

// Installs a shell (not owned); nullptr restores the default. Returns the previous one
// (nullptr when the default was in use).
Shell* SetShell(Shell* shell);

}  // namespace tolvar::sys
