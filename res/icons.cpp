// Icon group 128, the application's icon: on the frame's caption and in the
// About box. 32 by 32: the sun (a yellow ring with a white centre), a green
// planet above the middle and the cyan trail of its orbit, and "v1.0". 16 by
// 16: a ringed planet among stars.

#include "res/resource.h"
#include "res/tables.h"

namespace {

// Both pictures are opaque on black; the transparent character is there for
// the icon format and used by neither.
constexpr LegendEntry kIconLegend[] = {
    {'.', StdColor::Black}, {'W', StdColor::White}, {'Y', StdColor::Yellow}, {'G', StdColor::Green},
    {'C', StdColor::Aqua},  {'N', StdColor::Navy},  {'B', StdColor::Blue},
};

// One string a row, as drawn; the formatter would pack them.
// clang-format off
constexpr const char* kIcon32Rows[] = {
    "................................",
    "................................",
    "...............GGG..............",
    "..............G...G.............",
    ".............G.....G............",
    ".............G.....G............",
    ".............G.....GCCC.........",
    "..............G...G....CC.......",
    "...............GGG.......C......",
    ".....YYYYY................C.....",
    "....YYYYYYY................C....",
    "...YYY...YYY................C...",
    "..YYY.....YYY................C..",
    "..YY..WWW..YY................C..",
    "..YY..WWW..YY................C..",
    "..YY..WWW..YY................C..",
    "..YYY.....YYY...............C...",
    "...YYY...YYY................C...",
    "....YYYYYYY................C....",
    ".....YYYYY................C.....",
    ".........................C......",
    ".........C..............C.......",
    "..........CCC........CCC........",
    ".............CCCCCCCC...........",
    "................................",
    "................................",
    "........................W....W..",
    ".......................WW...W.W.",
    "...................W.W..W...W.W.",
    "...................W.W..W...W.W.",
    "....................W...W.W..W..",
    "................................",
};

constexpr const char* kIcon16Rows[] = {
    "................",
    "..W.............",
    ".............W..",
    "................",
    "......BBBB......",
    ".....WWBBBB.....",
    "...CBWBBBBBB....",
    ".CC.BBBBBBBBCC..",
    "C...BBBBBBBN..C.",
    ".C..BBBBBBNN...C",
    "..CCBBBBBNNN.CC.",
    "....CCCCCCCCC...",
    "......BNNN......",
    "................",
    ".............W..",
    "................",
};
// clang-format on

constexpr PixelArt kIconImages[] = {
    {32, 32, 4, kStandardPalette16, kIconLegend, kIcon32Rows, ' '},
    {16, 16, 4, kStandardPalette16, kIconLegend, kIcon16Rows, ' '},
};

constexpr IconGroup kMainIcon{kIconImages};

}  // namespace

constinit const ResourceEntry<IconGroup> kAstrolatheIconGroups[1] = {
    {IDR_MAINFRAME, &kMainIcon},
};
