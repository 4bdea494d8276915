#pragma once

#include <cstdint>

// Result codes of the FTP client: 0 is success, anything else one of the
// component's error codes, each explained to the operator by DescripcionError.
namespace torva {

enum class [[nodiscard]] FtpCode : std::int16_t{};

// `ConnectToHost`'s result: 0 when the session is open, else the code of the
// failed connection, widened.
enum class [[nodiscard]] ConnectCode : std::int32_t{};

namespace ftp {
inline constexpr FtpCode kOk{0};
inline constexpr FtpCode kNetworkInit{25701};
inline constexpr FtpCode kLibraryNotFound{25703};
inline constexpr FtpCode kLibraryInvalid{25704};
inline constexpr FtpCode kLibraryVersion{25705};
inline constexpr FtpCode kOutOfMemory{25706};
inline constexpr FtpCode kInvalidParameter{25707};
inline constexpr FtpCode kInvalidSocket{25709};
inline constexpr FtpCode kAcceptFailed{25710};
inline constexpr FtpCode kConnectFailed{25711};
inline constexpr FtpCode kHostNotFound{25712};
inline constexpr FtpCode kSocketFailed{25713};
inline constexpr FtpCode kListenFailed{25714};
inline constexpr FtpCode kReadFailed{25715};
inline constexpr FtpCode kWriteFailed{25716};
inline constexpr FtpCode kRetry{25717};
inline constexpr FtpCode kEndOfData{25718};
inline constexpr FtpCode kBufferOverflow{25719};
inline constexpr FtpCode kBlocked{25720};
inline constexpr FtpCode kNotBlocked{25721};
inline constexpr FtpCode kWaitingForReply{25722};
inline constexpr FtpCode kNoSync{25723};
inline constexpr FtpCode kConnectionClosed{25724};
inline constexpr FtpCode kServerNotReady{25725};
inline constexpr FtpCode kServerUnavailable{25726};
inline constexpr FtpCode kServerUnknownProblem{25727};
inline constexpr FtpCode kDataConnectionFailed{25728};
inline constexpr FtpCode kDataConnectionOpen{25729};
inline constexpr FtpCode kDataConnectionClosed{25730};
inline constexpr FtpCode kCancelled{25731};
inline constexpr FtpCode kDataReadOnly{25732};
inline constexpr FtpCode kDataWriteOnly{25733};
inline constexpr FtpCode kInvalidFileType{25734};
inline constexpr FtpCode kDataPassive{25735};
inline constexpr FtpCode kHostAddressUnknown{25736};
inline constexpr FtpCode kLocalCreateFailed{25737};
inline constexpr FtpCode kLocalOpenFailed{25738};
inline constexpr FtpCode kLocalReadFailed{25739};
inline constexpr FtpCode kLocalWriteFailed{25740};
inline constexpr FtpCode kLoginRefused{25741};
inline constexpr FtpCode kOpenConnectionFailed{25742};
inline constexpr FtpCode kRemoteFileUnavailable{25743};
inline constexpr FtpCode kServerStorageFull{25744};
inline constexpr FtpCode kInvalidCommand{25745};
inline constexpr FtpCode kInvalidArguments{25746};
inline constexpr FtpCode kCommandNotImplemented{25747};
inline constexpr FtpCode kBadSequence{25748};
inline constexpr FtpCode kNotLoggedIn{25749};
inline constexpr FtpCode kAccountRequired{25750};
inline constexpr FtpCode kRemoteAccessDenied{25751};
inline constexpr FtpCode kStorageExceeded{25752};
inline constexpr FtpCode kInvalidFileName{25753};
inline constexpr FtpCode kUnexpectedReply{25754};
inline constexpr FtpCode kRestartFailed{25755};
inline constexpr FtpCode kUnknownServerType{25756};
inline constexpr FtpCode kNoFileList{25757};
inline constexpr FtpCode kBadFileList{25758};
inline constexpr FtpCode kEndOfFileList{25759};
inline constexpr FtpCode kNotSupported{25760};
inline constexpr FtpCode kProxyTypeInvalid{25761};
inline constexpr FtpCode kProxyFailed{25762};
inline constexpr FtpCode kNoWildcardMatch{25763};
inline constexpr FtpCode kLocalDirectoryInvalid{25764};
inline constexpr FtpCode kSecureInterfaceFailed{25791};
inline constexpr FtpCode kSecureContextFailed{25792};
inline constexpr FtpCode kClientCertificateFailed{25793};
inline constexpr FtpCode kServerCertificateInvalid{25794};
inline constexpr FtpCode kTlsFailed{25795};
inline constexpr FtpCode kDataConnectionSettings{25796};
inline constexpr FtpCode kTlsRequired{25797};
}  // namespace ftp

constexpr bool ok(FtpCode code) {
    return code == ftp::kOk;
}
constexpr bool ok(ConnectCode code) {
    return code == ConnectCode{};
}
// The number the operator sees and DescripcionError explains.
constexpr std::int32_t codeNumber(FtpCode code) {
    return static_cast<std::int16_t>(code);
}
constexpr std::int32_t codeNumber(ConnectCode code) {
    return static_cast<std::int32_t>(code);
}
constexpr ConnectCode widen(FtpCode code) {
    return ConnectCode{codeNumber(code)};
}
// A connection's code as the transfer that needed it returns it.
constexpr FtpCode narrow(ConnectCode code) {
    return static_cast<FtpCode>(static_cast<std::int16_t>(codeNumber(code)));
}

}  // namespace torva
