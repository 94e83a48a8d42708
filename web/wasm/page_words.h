// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// What only the page says, UTF-8; everything else it shows and says is the program's.
namespace web {

// A browser tab cannot close itself: after "Ende" this line stands where the window was.
inline constexpr std::string_view endedNotice =
    "Beschleunigungskurven ist beendet. Zum Neustart die Seite neu laden.";
// The button that closes a message, as the desktop's message box has it.
inline constexpr std::string_view closeMessageCaption = "OK";

} // namespace web
