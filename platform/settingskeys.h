#pragma once
// Every key of the settings store, spelled once. The store matches keys without regard
// to case, so older spellings found in existing files still reach the same value.

namespace SettingsKeys {

constexpr const char* Language = "Language";
constexpr const char* AnalyticsClientId = "GAnalytics-cid";
constexpr const char* UseProxy = "useProxy";
constexpr const char* HttpProxy = "httpProxy";
constexpr const char* HttpPort = "httpPort";
constexpr const char* UpdateStatus = "update/status";
constexpr const char* UpdateLog = "update/log"; // also where the media fetcher notes a curl failure
constexpr const char* Path = "path";
constexpr const char* StayOnTop = "Stay_on_top";
constexpr const char* MediaPlayer = "media_player"; // "VLC" or "MPC", the player last used
constexpr const char* UseDownloadLimit = "use_download_limit";
constexpr const char* DownloadLimit = "Download_limit"; // kilobytes per second
constexpr const char* UploadFailTry = "Upload_fail_try";
constexpr const char* UseUploadLimit = "use_upload_limit";
constexpr const char* UploadLimit = "Upload_limit"; // kilobytes per second

constexpr const char* DownloadThreads = "Download_threads";
constexpr const char* AutoDownload = "Auto_download";
constexpr const char* DownloadDir = "Download_Dir";
constexpr const char* UploadDir = "Upload_Dir"; // the upload chooser's last folder

// Film browser: the time up to which auto-downloaded films count as seen, and the
// partner site last chosen (written, read by nothing).
constexpr const char* LastTimeAutoDownload = "lastTimeAutoDownload";
constexpr const char* SourceFilm = "sourceFilm";

// Login dialog: the remembered account and automatic login.
constexpr const char* RememberAccount = "remacc";
constexpr const char* AccountEmail = "account/email";
constexpr const char* AccountPassword = "account/password"; // enciphered, base64
constexpr const char* PasswordSalt = "Qsyn";
constexpr const char* AutoLogin = "AutoLogin";

// Main window.
constexpr const char* SystrayMinimized = "Systray_minimized";
constexpr const char* Version = "version"; // shown in the tray tool-tip; written by nobody here
constexpr const char* UploadAutoShutdown = "Upload_auto_shutdown";
constexpr const char* DownloadAutoShutdown = "Download_auto_shutdown";
constexpr const char* AutoUploaded = "Auto_uploaded";
constexpr const char* AutoUpload = "Auto_upload";
constexpr const char* AutoStart = "AutoStart";
constexpr const char* UploadThreads = "Upload_threads";

// Upload dialog.
constexpr const char* UploadPolicyAgree = "upload_policy_agree";

// Options pages; the capture switches are read by the browser companions (1 or 0,
// missing means on).
constexpr const char* DownloadFailTry = "Download_fail_try"; // kept for the page; nothing reads it
constexpr const char* FirefoxCapture = "ff_download";
constexpr const char* IeCapture = "ie_download";
constexpr const char* ChromeCapture = "chrome_download";

} // namespace SettingsKeys
