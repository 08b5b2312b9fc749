#pragma once

#include <array>

namespace qx {

// One query of the read-all: the index set before it, the command and the wait after it.
struct ReadAllQuery {
    short index;
    const char* command;
    int waitMs;
};

// The first pass, in the order the controller is asked. The composite axis queries are asked
// twice and given a second each.
// clang-format off
inline constexpr std::array<ReadAllQuery, 44> kFirstPass = {{
    {100, ":GVP#", 100},  {1, ":GXE1#", 100},   {2, ":GXE4#", 100},   {3, ":GXE5#", 100},
    {4, ":GXE7#", 100},   {5, ":GXEE#", 100},   {6, ":Gg#", 100},     {7, ":Gt#", 100},
    {8, ":GG#", 100},     {9, ":%BR#", 100},    {10, ":%BD#", 100},   {11, ":GXEA#", 100},
    {12, ":GXE9#", 100},  {13, ":Go#", 100},    {14, ":Gh#", 100},    {15, ":GX81#", 100},
    {16, ":GX80#", 100},  {17, ":GXEF#", 100},  {18, ":GXEG#", 100},  {19, ":GXEH#", 100},
    {21, ":G1#", 100},    {22, ":G2#", 100},    {23, ":GXEL#", 100},  {24, ":GXEM#", 100},
    {25, ":GXEN#", 100},  {26, ":GXEI#", 100},  {27, ":GX95#", 100},  {28, ":GXEQ#", 100},
    {29, ":GXEP#", 100},  {30, ":GXES#", 100},  {31, ":GXET#", 100},  {32, ":GXEa#", 100},
    {33, ":GXEb#", 100},  {34, ":GXEc#", 100},  {35, ":GXEd#", 100},  {36, ":GXEe#", 100},
    {37, ":GXEf#", 100},  {38, ":GXEm#", 100},  {50, ":GX97#", 100},  {56, ":GXEU#", 100},
    {53, ":GXA1#", 1000}, {55, ":GXA2#", 1000}, {53, ":GXA1#", 1000}, {55, ":GXA2#", 1000},
}};
// clang-format on

// Over the LAN the controller is given longer to answer ":GVP#", the first query.
inline constexpr int kLanVersionWaitMs = 500;

// When a retry pass asks a query again.
enum class Missing {
    Empty,       // the text is exactly ""
    Short,       // the text has fewer than 2 characters
    LampsUnlit,  // both lamps of the pair are unlit: no reply has coloured them
};

struct RetryCheck {
    Missing missing;
    const char* control;
    const char* secondLamp;  // LampsUnlit only
    short index;
    const char* command;
};

inline constexpr int kRetryPasses = 4;
inline constexpr int kRetryWaitMs = 100;

// The retry checks, in the order a pass goes through them.
inline constexpr std::array<RetryCheck, 32> kRetryChecks = {{
    {Missing::Empty, "Text1(0)", nullptr, 1, ":GXE1#"},
    {Missing::Empty, "Text1(1)", nullptr, 2, ":GXE4#"},
    {Missing::Empty, "Text1(2)", nullptr, 3, ":GXE5#"},
    {Missing::Empty, "Text1(3)", nullptr, 4, ":GXE7#"},
    {Missing::Empty, "Text1(4)", nullptr, 5, ":GXEE#"},
    {Missing::Short, "Text1(8)", nullptr, 9, ":%BR#"},
    {Missing::Short, "Text1(9)", nullptr, 10, ":%BD#"},
    {Missing::Empty, "Combo8", nullptr, 36, ":GXEe#"},
    {Missing::Empty, "Combo9", nullptr, 37, ":GXEf#"},
    {Missing::LampsUnlit, "Shape1", "Shape2", 17, ":GXEF#"},
    {Missing::LampsUnlit, "Shape3", "Shape4", 18, ":GXEG#"},
    {Missing::Short, "Text1(5)", nullptr, 6, ":Gg#"},
    {Missing::Short, "Text1(6)", nullptr, 7, ":Gt#"},
    {Missing::Short, "Text1(7)", nullptr, 8, ":GG#"},
    {Missing::Short, "Text1(14)", nullptr, 15, ":GX81#"},
    {Missing::Short, "Text1(15)", nullptr, 16, ":GX80#"},
    {Missing::Empty, "Text1(10)", nullptr, 11, ":GXEA#"},
    {Missing::Empty, "Text1(11)", nullptr, 12, ":GXE9#"},
    {Missing::Short, "Text1(12)", nullptr, 13, ":Go#"},
    {Missing::Short, "Text1(13)", nullptr, 14, ":Gh#"},
    {Missing::Short, "Text1(20)", nullptr, 21, ":G1#"},
    {Missing::Short, "Text1(21)", nullptr, 22, ":G2#"},
    {Missing::LampsUnlit, "Shape5", "Shape6", 19, ":GXEH#"},
    {Missing::LampsUnlit, "Shape7", "Shape8", 26, ":GXEI#"},
    {Missing::LampsUnlit, "Shape9", "Shape10", 27, ":GX95#"},
    {Missing::LampsUnlit, "Shape11", "Shape12", 28, ":GXEQ#"},
    {Missing::LampsUnlit, "Shape13", "Shape14", 29, ":GXEP#"},
    {Missing::Short, "Text1(23)", nullptr, 24, ":GXEM#"},
    {Missing::Short, "Text1(24)", nullptr, 25, ":GXEN#"},
    {Missing::Short, "Text1(40)", nullptr, 30, ":GXES#"},
    {Missing::Short, "Text1(41)", nullptr, 31, ":GXET#"},
    {Missing::Empty, "Combo3", nullptr, 23, ":GXEL#"},
}};

// What a disconnect empties, in this order; Text1(18), (19), (22), (99) and Combo4..Combo7 keep
// their texts.
inline constexpr std::array kClearedOnDisconnect = {
    "Text1(0)",   "Text1(1)",   "Text1(2)",  "Text1(3)",  "Text1(4)",  "Text1(5)",   "Text1(6)",
    "Text1(7)",   "Text1(8)",   "Text1(9)",  "Text1(10)", "Text1(11)", "Text1(12)",  "Text1(13)",
    "Text1(14)",  "Text1(15)",  "Text1(16)", "Text1(17)", "Text1(20)", "Text1(21)",  "Text1(40)",
    "Text1(23)",  "Text1(24)",  "Text1(41)", "Text1(49)", "Text1(55)", "Text1(100)", "Text1(101)",
    "Text1(102)", "Text1(103)", "Text12",    "Combo3",    "Combo8",    "Combo9",
};

// Lamps unlit by a disconnect.
inline constexpr std::array kLampsUnlitOnDisconnect = {
    "Shape1",  "Shape2",  "Shape3",  "Shape4",  "Shape5",  "Shape6",
    "Shape7",  "Shape8",  "Shape9",  "Shape10", "Shape11", "Shape12",
    "Shape13", "Shape14", "Shape17", "Shape18", "Shape19",
};

// The direction lamps, green until their state has been read.
inline constexpr std::array kDirectionLamps = {"Shape1", "Shape2", "Shape3", "Shape4"};

}  // namespace qx
