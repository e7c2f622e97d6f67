#pragma once

// Result codes of the transports, the protocol, files and scripts: 0 is success, negative a
// failure.
namespace ResultCode {
constexpr int Ok = 0;

constexpr int PortNotOpen = -3001;
constexpr int SendFailed = -3002;
constexpr int NoReply = -3003;
constexpr int SocketAccess = -3004;
constexpr int ConnectionRefused = -3005;
constexpr int HostNotFound = -3006;
constexpr int SocketTimeout = -3007;
constexpr int NetworkError = -3008;
constexpr int SocketOther = -3009;
constexpr int SerialOpenFailed = -3011;

constexpr int IncorrectReply = -5000;
constexpr int ReplyTooShort = -5002;
constexpr int NotConnected = -5003;
constexpr int BadChecksum = -5004;
constexpr int TooManyValues = -5005;
constexpr int NoValues = -5006;
constexpr int NullMessage = -5007;
constexpr int ReplyError = -5008;

constexpr int Unsupported = -1027;

constexpr int FileOpenFailed = -1500;
constexpr int FileInvalidVersion = -1501;
constexpr int FileInvalidFormat = -1502;
constexpr int FileSaveFailed = -1505;

constexpr int ScriptUnknownCommand = -2101;
constexpr int ScriptInvalidCommand = -2102;
constexpr int ScriptParameterCount = -2103;
constexpr int ScriptInvalidIpRange = -2104;
constexpr int ScriptInvalidParameter = -2105;
} // namespace ResultCode
