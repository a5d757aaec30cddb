#pragma once
// The page callback slots: the pages fill them from their own initialisation (the latest
// registration wins) and the event presentation calls them on the reader thread. An empty
// slot is skipped. The MISC page takes the command-status slot over while the link runs,
// so every slot is guarded: a call copies the callable under a short lock and runs it
// outside the lock.

#include <boost/function.hpp>
#include <boost/thread/mutex.hpp>

#include <cstdint>
#include <string>

namespace console {

using ContactDataCallback = boost::function<void(std::uint8_t opcode, const std::uint8_t* bytes, int count)>;
using SppDataCallback = boost::function<void(const std::uint8_t* bytes, int count)>;
using CommandStatusCallback = boost::function<void(std::uint8_t status)>;
using InfoCallback = boost::function<void(std::uint8_t item, const std::wstring& text)>;
using GainCallback = boost::function<void(std::uint8_t kind, std::uint8_t level)>;
using SpeakerEventCallback =
    boost::function<void(std::uint8_t kind, std::uint16_t count, const std::uint8_t* bytes)>;
using AudioEffectCallback = boost::function<void(std::uint8_t type, std::uint8_t value)>;

class PageSlots {
 public:
  void SetContactDataCallback(ContactDataCallback f) { Set(contact_, std::move(f)); }
  void SetSppDataCallback(SppDataCallback f) { Set(spp_, std::move(f)); }
  void SetCommandStatusCallback(CommandStatusCallback f) { Set(status_, std::move(f)); }
  void SetInfoCallback(InfoCallback f) { Set(info_, std::move(f)); }
  void SetGainCallback(GainCallback f) { Set(gain_, std::move(f)); }
  void SetSpeakerEventCallback(SpeakerEventCallback f) { Set(speaker_, std::move(f)); }
  void SetAudioEffectCallback(AudioEffectCallback f) { Set(effect_, std::move(f)); }

  void ContactData(std::uint8_t opcode, const std::uint8_t* bytes, int count) const {
    if (auto f = Get(contact_)) f(opcode, bytes, count);
  }
  void SppData(const std::uint8_t* bytes, int count) const {
    if (auto f = Get(spp_)) f(bytes, count);
  }
  void CommandStatus(std::uint8_t status) const {
    if (auto f = Get(status_)) f(status);
  }
  void Info(std::uint8_t item, const std::wstring& text) const {
    if (auto f = Get(info_)) f(item, text);
  }
  void Gain(std::uint8_t kind, std::uint8_t level) const {
    if (auto f = Get(gain_)) f(kind, level);
  }
  void SpeakerEvent(std::uint8_t kind, std::uint16_t count, const std::uint8_t* bytes) const {
    if (auto f = Get(speaker_)) f(kind, count, bytes);
  }
  void AudioEffect(std::uint8_t type, std::uint8_t value) const {
    if (auto f = Get(effect_)) f(type, value);
  }

 private:
  template <typename F>
  void Set(F& slot, F f) {
    boost::mutex::scoped_lock lock(mutex_);
    slot = std::move(f);
  }
  template <typename F>
  F Get(const F& slot) const {
    boost::mutex::scoped_lock lock(mutex_);
    return slot;
  }

  mutable boost::mutex mutex_;
  ContactDataCallback contact_;
  SppDataCallback spp_;
  CommandStatusCallback status_;
  InfoCallback info_;
  GainCallback gain_;
  SpeakerEventCallback speaker_;
  AudioEffectCallback effect_;
};

}  // namespace console
