// The one registry key that both programs keep their settings in.
#pragma once

namespace settings {

constexpr char kSettingsKeyPath[] = "Software\\OrvPro\\Settings";

}  // namespace settings
