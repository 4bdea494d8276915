#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "state/Observed.h"

namespace torva {

// Slot indices of the configuration record.
namespace slot {
inline constexpr int kHost = 0;
inline constexpr int kUser = 1;
inline constexpr int kPassword = 2;
inline constexpr int kSendDir = 3;
inline constexpr int kReceiveDir = 4;
inline constexpr int kLowerFolio = 5;
inline constexpr int kUpperFolio = 6;
inline constexpr int kPort = 7;
inline constexpr int kPrimaryServer = 8;
inline constexpr int kSecondaryServer = 9;
inline constexpr int kSendLetters = 10;
inline constexpr int kReceiveLetters = 11;
inline constexpr int kPassive = 12;
inline constexpr int kKeyFile = 13;
inline constexpr int kCertFile = 14;
inline constexpr int kKeyPassword = 15;
inline constexpr int kSign = 16;
inline constexpr int kRecord500Length = 17;
inline constexpr int kAutoSend = 18;
inline constexpr int kRoutes = 19;
inline constexpr int kSendRoutes = 20;
inline constexpr int kReceiveRoutes = 21;
inline constexpr int kPurge = 22;
inline constexpr int kCount = 23;
}  // namespace slot

// The 23 text slots of the configuration with the modified flag. The five
// flag slots are mirrored by check boxes whose state is the slot's value.
class ConfigRecord : public Observed {
  public:
    ConfigRecord();

    const std::string& get(int i) const { return slots_.at(index(i)); }
    // A change of a field's text; sets the modified flag when the text differs.
    void set(int i, std::string text);

    // Check-box state of a flag slot: its numeric value is 1.
    bool flag(int i) const;
    // A click of a mirror check box: writes "1" or "0" and sets the flag.
    void setFlag(int i, bool checked);

    bool modified() const { return modified_; }
    void setModified(bool on) { modified_ = on; }

    // The patente: the last 4 characters of the user name.
    std::string patente() const;

    static bool isFlagSlot(int i);
    static const std::array<const char*, slot::kCount>& initialTexts();

  private:
    static std::size_t index(int i) { return static_cast<std::size_t>(i); }

    std::array<std::string, slot::kCount> slots_;
    bool modified_ = false;
};

}  // namespace torva
