// The notices of the session being locked and unlocked, which wake the
// sensing loop when the user is back.
//
// Asking for them may fail early in a logon, before the services behind
// them have started (a launcher started with Windows asks just then), so a
// failed request is made again at each safety tick until it succeeds.  A
// window that asked must take its request back before it is destroyed.
#pragma once

namespace fesk {

class SessionNoticesPort {
 public:
  virtual ~SessionNoticesPort() = default;
  // False when the system cannot take the request now.
  virtual bool Register() = 0;
  virtual void Unregister() = 0;
};

class SessionNotices {
 public:
  // Asks at once.
  explicit SessionNotices(SessionNoticesPort& port) : port_(port), registered_(port.Register()) {}

  // Asks again while the request has not been taken.
  void SafetyTick() {
    if (!registered_ && !closing_) registered_ = port_.Register();
  }
  // The window is about to be destroyed: the request is taken back, and no
  // tick asks again.
  void WindowClosing() {
    if (registered_) port_.Unregister();
    registered_ = false;
    closing_ = true;
  }
  bool registered() const { return registered_; }

 private:
  SessionNoticesPort& port_;
  bool registered_;
  bool closing_ = false;
};

}  // namespace fesk
