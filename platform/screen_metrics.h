#pragma once

// The primary screen's horizontal dots per inch as a whole number; 0 when there is no screen.
int screenDpi();
// The primary screen's width in pixels; 0 when there is no screen.
int screenWidth();
