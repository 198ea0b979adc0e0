#pragma once

// Labels name Windows faces ("黑体", "宋体", their English names and a few more). Each is mapped to
// the CJK faces installed here (WenQuanYi Zen Hei, Noto Sans/Serif CJK), so a label's Chinese text
// prints and shows in a face of the same kind instead of whatever fallback the system picks.
// Call once after the application object exists; calling again changes nothing.
void installChineseFontSubstitutions();
