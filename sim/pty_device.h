#pragma once
// The module's end of a pseudo-terminal. The host opens the other end (the device path) as
// its serial port; the simulator reads commands from and writes events to the master side.
//
// The line is raw (no echo, no translation of any byte) from creation, and is made raw
// again whenever a new host opens it. Whether a host has the port open is read from the
// master: it reports a hang-up while no one holds the other end.
//
// Threads: Read belongs to one reader thread, Write to one writer thread; HostPresent,
// Wake and the accessors may be called from any thread.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

class PtyDevice {
 public:
  enum class ReadResult { kData, kTimedOut, kNoHost, kWoken, kFailed };

  PtyDevice() = default;
  ~PtyDevice();
  PtyDevice(const PtyDevice&) = delete;
  PtyDevice& operator=(const PtyDevice&) = delete;

  // Creates the pseudo-terminal. False with the system's reason in `error`.
  [[nodiscard]] bool Create(std::string& error);

  // The device path the host opens ("/dev/pts/N").
  const std::string& Path() const { return path_; }

  // True while a host holds the port open.
  bool HostPresent() const;

  // Makes the line raw again (after a host has opened it).
  void MakeRaw() const;

  // Waits for bytes from the host (up to `timeout`, or for ever when it is negative) and
  // reads up to `capacity` of them into `buffer`. kNoHost returns at once while no host
  // holds the port; kWoken after Wake().
  ReadResult Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& got,
                  std::chrono::milliseconds timeout);

  // Writes every byte to the host; false when no host holds the port, the port fails, or
  // Wake() is called while the write waits for room.
  bool Write(const std::uint8_t* bytes, std::size_t count);

  // Sleeps up to `timeout`, returning early after Wake().
  void Nap(std::chrono::milliseconds timeout) const;

  // Ends every present and future wait of Read, Write and Nap.
  void Wake();

 private:
  int master_ = -1;
  int wake_ = -1;  // event descriptor, readable once Wake() was called
  std::string path_;
};
