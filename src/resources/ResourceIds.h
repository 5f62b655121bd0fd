#pragma once

namespace sonnavet {

// Resources
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_ZELKWIN_DIALOG = 102;
constexpr int IDR_MAINFRAME = 128;   // program icon
constexpr int IDB_FRETBOARD = 130;   // fretboard picture, 800 x 125
constexpr int IDR_MENU = 133;

constexpr int kFretboardWidth = 800;
constexpr int kFretboardHeight = 125;

// Menu commands
constexpr int ID_ZELK_QUIT = 32774;
constexpr int ID_HELP_ABOUT = 32775;
constexpr int ID_HELP_HELP = 32776;

// System command that opens the About box
constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Controls of the main dialog
constexpr int IDC_STARTSTOP = 1001;
constexpr int IDC_ALLNOTESOFF = 1002;
constexpr int IDC_QUIT = 1003;
constexpr int IDC_CLEARTOTAL = 1004;
constexpr int IDC_CLEARSESSION = 1005;
constexpr int IDC_POSITIONS = 1006;
constexpr int IDC_BEATS = 1007;
constexpr int IDC_TIMEBETWEENMELODIES = 1008;
constexpr int IDC_PAUSEDURATION = 1009;
constexpr int IDC_TEMPO = 1010;
constexpr int IDC_RANDOMIZATION = 1011;
constexpr int IDC_MELODYRANGE = 1012;
constexpr int IDC_STRETCHDOWN = 1013;
constexpr int IDC_INSTRUMENT = 1014;
constexpr int IDC_VOLUME = 1015;
constexpr int IDC_TUNE_LOE = 1016;
constexpr int IDC_TUNE_A = 1017;
constexpr int IDC_TUNE_D = 1018;
constexpr int IDC_TUNE_G = 1019;
constexpr int IDC_TUNE_B = 1020;
constexpr int IDC_TUNE_HIE = 1021;
constexpr int IDC_GETREADY = 1022;
constexpr int IDC_SINGALONG = 1023;
constexpr int IDC_SINGALONE = 1024;
constexpr int IDC_PLAYFIRSTNOTE = 1025;
constexpr int IDC_PLAY = 1026;
constexpr int IDC_PLAYWITHCOMPUTER = 1027;
constexpr int IDC_TOTALTIME = 1029;
constexpr int IDC_SESSIONTIME = 1030;
constexpr int IDC_TIMEBETWEENMELODIES_LABEL = 1031;
constexpr int IDC_PAUSEDURATION_LABEL = 1032;
constexpr int IDC_TEMPO_LABEL = 1033;
constexpr int IDC_RANDOMIZATION_LABEL = 1034;
constexpr int IDC_MELODYRANGE_LABEL = 1035;
constexpr int IDC_STATUSFRAME = 1036;

}  // namespace sonnavet
