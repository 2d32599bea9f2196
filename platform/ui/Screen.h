// The screen width that window layouts follow, settable by tests.
#pragma once

namespace dukkano::Screen {

int width();
// 0 returns to the primary screen's real width.
void setWidth(int pixels);

} // namespace dukkano::Screen
