// The colour dialog's template and the areas it paints itself, in dialog
// units: the 6 by 8 grid of basic colours and the 2 by 8 grid of custom
// ones on the left; the definition part on the right (the rainbow of hue
// across and saturation up, the luminance bar with its pointer, the
// Color|Solid swatch, the six edits and "Add to Custom Colors"). The
// template is the full width; the dialog starts narrowed to the left part
// unless it opens full.
#pragma once

#include "platform/win/res/resource_types.h"

namespace dlg {

inline constexpr int kColorCompactWidth = 152;
inline constexpr int kColorFullWidth = 300;
inline constexpr int kBasicColumns = 8;
inline constexpr int kBasicRows = 6;
inline constexpr int kCustomRows = 2;
inline constexpr int kBasicCount = kBasicRows * kBasicColumns;

// The grids' control ids, as the classic dialog numbers them.
inline constexpr int kBasicGridId = 720;
inline constexpr int kCustomGridId = 721;

inline constexpr RECT kBasicArea{4, 14, 148, 88};
inline constexpr RECT kCustomArea{4, 102, 148, 127};
inline constexpr RECT kRainbowArea{156, 4, 268, 100};
inline constexpr RECT kLumBarArea{274, 4, 282, 100};
inline constexpr RECT kLumPointerArea{283, 4, 292, 100};
inline constexpr RECT kSwatchArea{156, 108, 196, 132};

// The 48 basic colours, row by row.
extern const COLORREF kBasicColors[kBasicCount];

const DialogTemplate& ColorDialogTemplate();

}  // namespace dlg
