#pragma once

// The fixed texts of link failures. They are shown as they are, whatever the language flag
// says; the busy text exists only in Russian.

inline constexpr const char* NoLinkText = "RS232. No link. Check PC-device connection.";
inline constexpr const char* DelayWithinBlockText = "RS232. Delay within block error.";
inline constexpr const char* ChecksumErrorText = "RS232. Exchange error.(0)";
inline constexpr const char* ZeroHeaderText = "RS232. Exchange error.(4)";
inline constexpr const char* DeviceBusyText =
    "Устройство занято. Возможно, оно находится в режиме местного управления.";
// A well-formed reply that carries fewer data bytes than its command needs.
inline constexpr const char* ShortReplyText = "RS232. Reply too short.";
inline constexpr const char* NoFreePortText = "Can not find free serial port!";
