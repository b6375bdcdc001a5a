// Puts a top-level window in the middle of its screen's work area, frame
// and all. Until the window manager frames the window its frame is unknown,
// so the window is placed by its own size first and its frame is centred
// once it is shown framed; a frame placed by the window's own size sits
// half a title bar too low.
#pragma once

class QWidget;

void CentreOnScreen(QWidget& window);
