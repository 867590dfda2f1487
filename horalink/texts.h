// Horalink's messages, in Chinese like its dialog, and its English captions.
// Wide texts with the wide calls, so they show on any system.
#pragma once

namespace horalink {

constexpr wchar_t kCaption[] = L"Orvanta Pro Horalink";
constexpr wchar_t kCaptionWhileSyncing[] = L"正在同步系统时间. . . . . . . . ";

constexpr wchar_t kNeedsOrvanta[] =
    L"Horalink requires Orvanta Pro。\n请先启动 Orvanta Pro，然后再运行 Horalink。";

constexpr wchar_t kSyncSucceeded[] = L"系统时间已成功同步。";
constexpr wchar_t kSyncFailed[] = L"同步系统时间未能成功。";
constexpr wchar_t kServerUnavailable[] = L"该时间服务器出现故障，或暂时无法使用。";
constexpr wchar_t kSyncCancelled[] = L"同步操作已取消。";
constexpr wchar_t kNothingToCancel[] = L"似乎有操作被取消了。";

}  // namespace horalink
