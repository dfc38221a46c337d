// The connection manager: finds the phone on ports 0 to 3, proves the
// password, and carries every request behind the password again. Results
// reach the waiting callers through notifications and the event queue.
//
// One exchange at a time: request() opens it, endExchange() closes it when
// the caller's wait is over. Only what the open exchange waits for is
// queued (its results, and the PC_OK / PC_NG of its codes once its request
// went out); anything else that arrives (a stray PONG, a late
// acknowledgement, a late password acceptance) is discarded, and a request
// whose wait ended is never sent.
//
// A device that hangs up ends the exchange with no answer, closes the port
// and shows the link as not connected; the search timer then tries the
// same port until the device is back and the phone accepts the password.
#pragma once

#include "core/base/event_loop.h"
#include "link/connection/event_queue.h"
#include "link/connection/link_status.h"
#include "link/connection/password.h"
#include "link/frame/frame.h"
#include "link/frame/frame_sender.h"
#include "link/serial/serial_device.h"

#include <array>
#include <bitset>
#include <functional>
#include <string>
#include <vector>

namespace pdx::link {

// Notification codes.
enum Notification : int {
  kConnected = 1,
  kPhoneNotFound = 2,
  kWrongPassword = 3,
  kNoAnswer = 4,
  kBusyBegin = 7,
  kBusyEnd = 8,
  kPhoneAnswered = 27,
};

inline constexpr Millis kSearchInterval{2000};
inline constexpr Millis kPasswordTimeout{1000};
inline constexpr Millis kConnectionWait{60000};
inline constexpr Millis kAnswerWait{20000};
inline constexpr int kSearchPorts = 4;
inline constexpr int kPortCount = 8;
inline constexpr size_t kPhoneInfoSize = 32;
inline constexpr size_t kReadChunk = 2038;

// The layer above the link: the read sequences and the phone mirror.
class FrameClient {
public:
  virtual ~FrameClient() = default;
  // Handles a frame the link left to it (sends a read's follow-up request,
  // stores a record); true when the frame is consumed, false for answers the
  // link queues for the waiting request.
  virtual bool receive(const Frame &frame) = 0;
};

// How a request's wait ended.
enum class Answer { Accepted, Refused, WrongPassword, NoAnswer };

class CPhoneLink {
public:
  enum State { Idle = 0, Connecting = 1, Connected = 2 };

  CPhoneLink(SerialDevice &device, EventLoop &loop);
  ~CPhoneLink();
  CPhoneLink(const CPhoneLink &) = delete;
  CPhoneLink &operator=(const CPhoneLink &) = delete;

  void setFrameClient(FrameClient *client) { client_ = client; }
  // Receives every notification after the link handled it.
  void setNotificationListener(std::function<void(int)> listener) { listener_ = std::move(listener); }
  // Told false when the device hangs up after the phone was found, and
  // true when the phone has proved the password again.
  void setPresenceListener(std::function<void(bool present)> listener) { presence_ = std::move(listener); }
  // Receives every frame sent (fromPhone false) and every checked frame
  // received (fromPhone true).
  void setTrace(std::function<void(bool fromPhone, const Frame &)> trace) { trace_ = std::move(trace); }

  // Starts a connection attempt and returns at once; the result arrives as
  // a notification (connected, phone not found or wrong password).
  void connect(std::string_view password, int preferredPort);
  // Sends the password, then (once the phone accepts it) the request.
  void request(uint8_t code, std::span<const uint8_t> data);
  // Also queues the PC_OK / PC_NG of `code` (a follow-up request of the
  // open exchange).
  void awaitAnswer(uint8_t code);
  // The caller's wait is over: a request still behind its password is
  // dropped, and nothing more is queued until the next request.
  void endExchange();
  // Sends one frame without the password.
  size_t send(uint8_t code, std::span<const uint8_t> data);
  void close();
  // True when the port is open or the current port could be opened.
  [[nodiscard]] bool ensureOpen();

  // Waits up to 60 s for a connection result: 1..4, or -1 for none.
  [[nodiscard]] int waitForConnection();
  // Waits up to 20 s for the answer to request `code`.
  [[nodiscard]] Answer waitForAnswer(uint8_t code);
  // Keeps the loop running until `done` or `timeout`; returns `done`.
  bool waitUntil(const std::function<bool()> &done, Millis timeout);
  // True while a caller waits in waitUntil (the loop runs nested).
  bool waiting() const { return waits_ > 0; }

  // Handles a notification as the main window hands it over, then passes
  // it on to the listener.
  void notify(int code);
  void busyBegin() { notify(kBusyBegin); }
  void busyEnd() { notify(kBusyEnd); }

  // The password sent before later requests, after the phone changed it.
  void setPassword(std::string_view digits) { password_ = packPassword(digits); }
  std::string phoneInfo() const { return phoneInfo_; }
  EventQueue &events() { return events_; }
  LinkStatus &status() { return status_; }
  EventLoop &loop() { return loop_; }
  bool busy() const { return busy_; }
  State state() const { return state_; }
  int currentPort() const { return current_; }
  bool isOpen() const { return device_.isOpen(); }
  // True from a hang-up of the device until the phone is found again.
  bool deviceLost() const { return lost_; }
  // Why port `index` last failed to open (None when it opened or was not tried).
  OpenFailure openFailure(int index) const;

private:
  bool openPort(int index);
  void advancePort();
  // Moves on from the current port until one opens or the search range
  // ends; true when one opened.
  bool openNextPort();
  void ping(bool announce = true);
  void sendPassword();
  void onSearchTick();
  void onRejoinTick();
  void onDeviceGone();
  void tellPresence(bool present);
  bool wantsAnswer(const Frame &frame) const;
  void onAnswerTick();
  void startTimer(EventLoop::TimerId &timer, Millis interval, void (CPhoneLink::*tick)());
  void stopTimer(EventLoop::TimerId &timer);

  void onDataArrived();
  void onFrame(const Frame &frame);
  // The link's own replies; true when the frame is consumed.
  bool handlesOwn(const Frame &frame);
  bool onAcceptance(const Frame &frame);
  bool onRefusal(const Frame &frame);
  bool onPong(const Frame &frame);
  bool onGroupTable(const Frame &frame);
  void onPasswordAccepted();
  void onPasswordRefused();

  SerialDevice &device_;
  EventLoop &loop_;
  FrameSender sender_;
  FrameParser parser_;
  FrameClient *client_ = nullptr;
  std::function<void(int)> listener_;
  std::function<void(bool, const Frame &)> trace_;
  std::function<void(bool)> presence_;
  int waits_ = 0;

  State state_ = Idle;
  int current_ = -1;
  int skip_ = -1;
  PackedPassword password_{};
  bool waiting_ = false;
  uint8_t waitingCode_ = 0;
  std::vector<uint8_t> waitingData_;
  std::string phoneInfo_;
  EventQueue events_;
  // What the open exchange waits for: results, and answers to these codes.
  bool resultWanted_ = false;
  std::bitset<kCodeCount> awaited_;
  bool lost_ = false;
  // The device came back and a request went out before the search found
  // the phone: the request's accepted password shows it connected.
  bool rejoining_ = false;
  LinkStatus status_;
  bool busy_ = false;
  EventLoop::TimerId searchTimer_ = 0;
  EventLoop::TimerId answerTimer_ = 0;
  std::array<OpenFailure, kPortCount> failures_{};
};

} // namespace pdx::link
